// The tariff-directory lookups on built files: the shared search over sorted
// records, the range test, the order of the lane's two points, the
// exception table and its passes, and the exception names.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "datafiles/record_searches.h"
#include "directory/directory_lookups.h"
#include "directory/exceptions.h"
#include "directory/shipment_tariff.h"
#include "engine_state/rating_engine.h"
#include "formats/packed_codes.h"
#include "platform/kernel/file.h"
#include "rating/rating.h"
#include "request/request_parse.h"
#include "support/data_directory.h"
#include "support/shipment_request.h"

namespace vorn {
namespace {

using testing::DataDirectory;
using testing::ShipmentRequest;

// --- The search ---

std::optional<std::int64_t> Search(const platform::testing::TempDirectory& dir, const std::string& bytes, int key,
                                   std::int64_t firstRecord = 0) {
  const std::string path = dir.write("RECORDS.BIN", bytes).string();
  std::optional<platform::File> file = platform::File::OpenReadOnly(path);
  if (!file) return std::nullopt;
  return FileBinarySearch(
      *file, 2, [&](std::span<const std::uint8_t> r) { return key - static_cast<int>(r[0]); }, firstRecord);
}

TEST(FileSearch, FindsTheLowestOfARunWhereverTheProbeLands) {
  platform::testing::TempDirectory dir;
  for (int n = 1; n <= 9; ++n)
    for (int start = 0; start < n; ++start)
      for (int length = 1; start + length <= n; ++length) {
        std::string bytes;
        for (int i = 0; i < n; ++i)
          bytes += {static_cast<char>(i < start ? 1 : i < start + length ? 5 : 9), static_cast<char>(i)};
        EXPECT_EQ(Search(dir, bytes, 5), start) << n << " " << start << " " << length;
        EXPECT_EQ(Search(dir, bytes, 3), std::nullopt);
        EXPECT_EQ(Search(dir, bytes, 0), std::nullopt);
        EXPECT_EQ(Search(dir, bytes, 10), std::nullopt);
      }
}

TEST(FileSearch, PartialRecordsAndTheHeaderTakeNoPart) {
  platform::testing::TempDirectory dir;
  EXPECT_EQ(Search(dir, "", 5), std::nullopt);
  EXPECT_EQ(Search(dir, "\x05", 5), std::nullopt);                              // shorter than one record
  EXPECT_EQ(Search(dir, std::string("\x01\x00\x05", 3), 5), std::nullopt);      // a trailing byte is no record
  EXPECT_EQ(Search(dir, std::string("\x05\x00\x05\x01\x09\x02", 6), 5, 1), 1);  // record 0 is a header
  EXPECT_EQ(Search(dir, std::string("\x05\x00", 2), 5, 1), std::nullopt);
}

TEST(FileSearch, AnUnsortedFileGivesAMatchOrNothing) {
  platform::testing::TempDirectory dir;
  std::string bytes;
  for (int i = 0; i < 16; ++i) bytes += {static_cast<char>((i * 7) % 16), 0};
  for (int key = 0; key < 16; ++key) {
    const std::optional<std::int64_t> hit = Search(dir, bytes, key);
    if (hit) {
      EXPECT_EQ(static_cast<unsigned char>(bytes[static_cast<std::size_t>(*hit) * 2]), key);
    }
  }
}

// --- The range test ---

ZipRangeRecord Range(std::string_view low, std::string_view high) {
  ZipRangeRecord r;
  const PackedZip l = *PackZip(low), h = *PackZip(high);
  std::copy(h.begin(), h.end(), r.bytes.data());
  std::copy(l.begin(), l.end(), r.bytes.data() + 3);
  return r;
}

TEST(ZipRange, HoldsItsBoundsAndOnlyCodesOfAZipOrPostalShape) {
  const ZipRangeRecord zips = Range("10000", "10099");
  for (const char* in : {"10000", "10099", "10050-1234", "10001M"}) EXPECT_TRUE(ZipInRange(in, zips)) << in;
  for (const char* out : {"09999", "10100", "1000", "1O001", "", "     ", "K1A"})
    EXPECT_FALSE(ZipInRange(out, zips)) << out;
  const ZipRangeRecord postal = Range("K1A", "K1Z");
  for (const char* in : {"K1A", "K1Z0A0", "k1c2b3"}) EXPECT_TRUE(ZipInRange(in, postal)) << in;
  for (const char* out : {"KAA", "K1", "K2A", "1K1A", "10001"}) EXPECT_FALSE(ZipInRange(out, postal)) << out;
}

// --- The set-up's order of the points ---

class LaneOrder : public ::testing::Test {
 protected:
  void SetUp() override {
    data_.build(R"(
efcrec
  record kind=100 letter=Y name=BURFRT01
tds
  entry slot=1 a=1 b=1 kind=100 first=1 last=99
tda
  state number=5 code=CA
  state number=36 code=NY
tdv
  version
tdz
  range low=10000 high=10049 region=36 table=1 sub=2
  range low=10050 high=10099 region=36 table=1 sub=1
  range low=90000 high=90099 region=5 table=1
tdt
  row region=5 table=1 codes="1"
  row region=36 table=1 codes="1"
)");
    engine_.effectivePath = data_.withSeparator();
    ASSERT_EQ(engine_.initializeEffectiveTable(), 0);
  }
  std::int16_t setup(std::string_view origin, std::string_view destination) {
    ShipmentRequest request = ShipmentRequest{}.tariff("").origin(origin).destination(destination);
    record_.assign(std::span(reinterpret_cast<const std::uint8_t*>(request.data()), kShipmentRecordSize));
    rating_ = Rating{};
    EXPECT_EQ(ParseRequestHeader(record_, rating_.request), 0);
    return SetupShipmentTariff(engine_, rating_, 1);
  }
  const SetupWork& work() const { return rating_.setup; }
  DataDirectory data_{""};
  RatingEngine engine_;
  Rating rating_;
  ShipmentRecord record_;
};

TEST_F(LaneOrder, TheLowerRegionComesFirstAndAnExchangeIsFlaggedT) {
  ASSERT_EQ(setup("10001", "90001"), 0);
  EXPECT_EQ(work().direction, 'T');
  EXPECT_EQ(work().origin.zipRange.regionCode(), 5);
  EXPECT_EQ(work().destination.zipRange.regionCode(), 36);
  EXPECT_EQ(std::string(work().origin.state.data(), 2), "CA");  // the states follow their points
  ASSERT_EQ(setup("90001", "10001"), 0);
  EXPECT_EQ(work().direction, 'F');
  EXPECT_EQ(work().origin.zipRange.regionCode(), 5);
  EXPECT_EQ(work().version, 1);
}

TEST_F(LaneOrder, WithinOneRegionTheSubCodesDecide) {
  ASSERT_EQ(setup("10001", "10060"), 0);  // sub-codes 2 and 1
  EXPECT_EQ(work().direction, 'T');
  EXPECT_EQ(work().origin.zipRange.subCode(), 1);
  ASSERT_EQ(setup("10060", "10001"), 0);
  EXPECT_EQ(work().direction, 'F');
  ASSERT_EQ(setup("10001", "10002"), 0);  // the same range
  EXPECT_EQ(work().direction, 'F');
}

// --- The exception table ---

constexpr std::string_view kExceptions = R"(
tdx
  exception kind=100 origin=36 destination=5 group=1 other-kind=200 first=0 end=99
  exception kind=100 origin=36 destination=5 group=2 other-kind=300 first=0 end=99
  exception kind=100 origin=36 destination=5 group=3 other-kind=300 first=0 end=99
  exception kind=200 origin=98 destination=98 other-kind=0 first=0 end=99
)";

TEST(ExceptionTable, ASearchOrAStepWithoutARecordAnswers113) {
  DataDirectory data{""};
  BinaryDebugLog log;
  ExceptionTable table;
  EXPECT_EQ(table.openExceptionTable(data.withSeparator(), log), 103);
  EXPECT_EQ(table.getExceptionRecord(100, 36, 5), 113);
  data.build(kExceptions);
  ASSERT_EQ(table.openExceptionTable(data.withSeparator(), log), 0);
  ASSERT_EQ(table.getExceptionRecord(100, 36, 5), 0);
  EXPECT_EQ(table.current().group(), 1);  // the lowest of the three
  EXPECT_EQ(table.getExceptionRecord(100, 0, 0), 113);
  ASSERT_EQ(table.getExceptionRecord(200, 98, 98), 0);
  EXPECT_EQ(table.nextExceptionRecord(), 113);  // the end of the file
  {
    std::ofstream append(data / "TDX.TBL", std::ios::binary | std::ios::app);
    append << "\x01\x02\x03";  // a short record at the end
  }
  ASSERT_EQ(table.openExceptionTable(data.withSeparator(), log), 0);
  ASSERT_EQ(table.getExceptionRecord(200, 98, 98), 0);
  EXPECT_EQ(table.nextExceptionRecord(), 113);
}

SetupWork TwoSlots() {
  SetupWork s;
  s.slotCount = 2;
  s.kinds[0] = s.alternates[0] = 100;
  s.kinds[1] = s.alternates[1] = 200;
  s.version = 1;
  s.origin.zipRange.bytes.data()[8] = 36;  // region codes
  s.destination.zipRange.bytes.data()[8] = 5;
  return s;
}

TEST(ExceptionPasses, AHitAppliesTheRunFromItsLowestRecord) {
  DataDirectory data{""};
  data.build(kExceptions);
  BinaryDebugLog log;
  SetupWork s = TwoSlots();
  ASSERT_EQ(ApplyStatePairExceptions(data.withSeparator(), log, s), 0);
  EXPECT_EQ(s.kinds[0], 0);  // dropped by group 1: slot 2 serves the lane with kind 200
  EXPECT_EQ(s.kinds[1], 200);
  EXPECT_EQ(s.exceptionGroup.size(), 1u);
}

TEST(ExceptionPasses, TheGeneralPassDropsASlotWhoseRunNamesNoOtherKind) {
  DataDirectory data{""};
  data.build(kExceptions);
  BinaryDebugLog log;
  SetupWork s = TwoSlots();
  ASSERT_EQ(ApplyGeneralExceptions(data.withSeparator(), log, s), 0);
  EXPECT_EQ(s.kinds[0], 100);
  EXPECT_EQ(s.kinds[1], 0);
  std::filesystem::remove(data / "TDX.TBL");
  EXPECT_EQ(ApplyGeneralExceptions(data.withSeparator(), log, s), 103);
  EXPECT_EQ(ApplyStatePairExceptions(data.withSeparator(), log, s), 103);
}

TEST(ExceptionPasses, RecordsOutsideTheVersionOrOfAnotherSubCodeDoNotDrop) {
  DataDirectory data{""};
  data.build(R"(
tdx
  exception kind=100 origin=36 destination=5 other-kind=200 first=2 end=99
  exception kind=100 origin=36 destination=5 other-kind=200 origin-sub=7 first=0 end=99
  exception kind=100 origin=36 destination=5 other-kind=200 first=0 end=1
)");
  BinaryDebugLog log;
  SetupWork s = TwoSlots();
  ASSERT_EQ(ApplyStatePairExceptions(data.withSeparator(), log, s), 0);
  EXPECT_EQ(s.kinds[0], 100);
  EXPECT_EQ(s.kinds[1], 200);
}

// --- Exception names ---

TEST(ExceptionNames, NamesOfOneOrTwoCharactersAreNotReturned) {
  DataDirectory data{""};
  data.build(R"(
tdn
  entry zip=10001 kind=100 first=0 end=99 name="X"
  entry zip=10001 kind=100 first=0 end=99 name="AB"
  entry zip=10001 kind=100 first=0 end=99 name="ABC"
  entry zip=10001 kind=100 first=0 end=99 name="NY NEW YORK"
  entry zip=10001 kind=100 first=0 end=1 name="ENDS AT VERSION 1"
  entry zip=10001 kind=200 first=0 end=99 name="OTHER KIND"
  entry zip=10002 kind=100 first=0 end=99 name="OTHER ZIP"
)");
  BinaryDebugLog log;
  SetupWork s = TwoSlots();
  s.kinds[1] = s.alternates[1] = 0;
  const std::vector<ExceptionName> names = ReadExceptionNames(data.withSeparator(), log, s, "10001", 100);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0].name, "ABC                ");
  EXPECT_EQ(names[1].name, "NY NEW YORK        ");
  EXPECT_EQ(ReadExceptionNames(data.withSeparator(), log, s, "10001", 1).size(), 1u);  // the caller's capacity
  s.alternates[0] = 200;  // a different alternate kind is searched too
  EXPECT_EQ(ReadExceptionNames(data.withSeparator(), log, s, "10001", 100).size(), 3u);
  EXPECT_TRUE(ReadExceptionNames(data.withSeparator(), log, s, "K1A0B1", 100).empty());
  EXPECT_TRUE(ReadExceptionNames(data.withSeparator(), log, s, "", 100).empty());
  std::filesystem::remove(data / "TDN.IDA");
  EXPECT_TRUE(ReadExceptionNames(data.withSeparator(), log, s, "10001", 100).empty());
}

TEST(ExceptionNames, OffsetsAndLengthsOutsideTheNameFileAreSafe) {
  DataDirectory data{""};
  std::string index;
  for (const char* offset : {"\x00\x28\x6b\xee", "\x00\x00\x00\x00", "\x14\x00\x00\x00"})
    index += std::string("\x01\x00\x01\x64\x00\x00\x63", 7) + std::string(offset, 4);
  data.write("TDN.IDX", index);
  data.write("TDN.IDA", "\xffLONGER THAN NINETEEN CHARACTERS\x05");  // a length past the name, then one byte
  BinaryDebugLog log;
  const SetupWork s = TwoSlots();
  const std::vector<ExceptionName> names = ReadExceptionNames(data.withSeparator(), log, s, "10001", 100);
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names[0].name, "LONGER THAN NINETEE");
  for (const ExceptionName& n : names) EXPECT_EQ(n.name.size(), kExceptionNameLength);
}

}  // namespace
}  // namespace vorn
