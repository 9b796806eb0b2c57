// The lookup of lane adjustments by ZIP slots over .L files written here.
#include "lanes/zip_slot_lookup.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "formats/packed_codes.h"
#include "platform/kernel/file.h"
#include "platform/testing/temp_directory.h"

namespace vorn {
namespace {

std::string ZipRecord(const char* zip, int slot, std::string_view code) {
  const PackedZip packed = *PackZip(zip);
  return std::string(packed.begin(), packed.end()) + static_cast<char>(slot) + std::string(code);
}

// ZIP 10001 gives slots 1 and 3 (and 11, which no lane has), ZIP 90001
// slot 2; the range record gives suffix 045 to rate records 001 00000A to
// 001 99999Z.
std::string LaneFile() {
  std::string zips = ZipRecord("10001", 1, "110") + ZipRecord("10001", 3, "330") + ZipRecord("10001", 11, "999") +
                     ZipRecord("90001", 2, "220");
  const std::uint32_t end = static_cast<std::uint32_t>(7 + zips.size());  // 35
  std::string file{static_cast<char>(end), 0, 0, 0, 0, 0, 0};
  file += zips;
  file.resize(46, '\0');  // range records start at the next multiple of 23
  return file + "001 00000A001 99999Z045";
}

std::vector<std::string> PairsFor(const std::string& content, const char* origin, const char* destination,
                                  std::string_view head = "001 00003B") {
  platform::testing::TempDirectory dir;
  std::optional<platform::File> file = platform::File::OpenReadOnly(dir.write("TARIFF.L00", content).string());
  EXPECT_TRUE(file.has_value());
  LaneAdjustmentWork work;
  work.hits.count = 9;
  EXPECT_EQ(LoadZipSlotAdjustments(*file, PackZip(origin), PackZip(destination), head, work), 0);
  std::vector<std::string> pairs;
  for (int i = 0; i < work.hits.count; ++i) pairs.emplace_back(work.lanePairs[static_cast<std::size_t>(i)].data(), 6);
  return pairs;
}

TEST(ZipSlotLookup, OddSlotsFromTheOriginEvenOnesFromTheDestination) {
  EXPECT_EQ(PairsFor(LaneFile(), "10001", "90001"),
            (std::vector<std::string>{"110000", "110045", "220000", "220045", "330000", "330045"}));
  // A rate record outside the ranges: the codes with suffix 000 alone.
  EXPECT_EQ(PairsFor(LaneFile(), "10001", "90001", "002 00001A"),
            (std::vector<std::string>{"110000", "220000", "330000"}));
}

TEST(ZipSlotLookup, AnEndWithoutRecordsGivesNoCodes) {
  EXPECT_EQ(PairsFor(LaneFile(), "10001", "50001"), (std::vector<std::string>{"110000", "110045", "330000", "330045"}));
  EXPECT_EQ(PairsFor(LaneFile(), "50001", "90001"), (std::vector<std::string>{"220000", "220045"}));
  EXPECT_TRUE(PairsFor(LaneFile(), "50001", "60001").empty());
}

TEST(ZipSlotLookup, ShortOrInconsistentFilesGiveNoPairsOrWhatTheyHold) {
  EXPECT_TRUE(PairsFor("abc", "10001", "90001").empty());
  std::string beyond = LaneFile();
  beyond[0] = '\x7f';  // the ZIP part said to end past the file
  EXPECT_EQ(PairsFor(beyond, "10001", "90001"), (std::vector<std::string>{"110000", "220000", "330000"}));
}

}  // namespace
}  // namespace vorn
