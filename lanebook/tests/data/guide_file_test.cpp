// DLLData.dat as the guide reads it: every way a file is refused, with its
// status, and the answers of the lookups both libraries share.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "data/loaded_guides.h"
#include "data/statuses.h"
#include "dataset/data_set.h"
#include "dataset/faults.h"
#include "service/service_lookup.h"
#include "support/guide_folder.h"

namespace lanebook {
namespace {

using testing::GuideFolder;
using testing::kTestGuide;

// The test guide with one piece of its description replaced.
std::string GuideWith(std::string_view from, std::string_view to) {
  std::string text(kTestGuide);
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

std::variant<SharedGuide, int> Load(const GuideFolder& folder) { return LoadGuide(folder.path().string()); }

TEST(GuideFile, RefusedWholeWithTheStatusThatSaysWhy) {
  const std::uintmax_t size = std::filesystem::file_size(GuideFolder().file());
  const struct {
    const char* what;
    std::string description;
    bool raw;
    std::function<void(const GuideFolder&)> fault;
    int status;
  } cases[] = {
      {"no file", "", false, nullptr, code::kGuideCantOpenLibraryData},
      {"an empty file", "service-guide raw\n", true, nullptr, code::kGuideCantReadLibraryData},
      {"cut inside a line", std::string(kTestGuide), false,
       [&](const GuideFolder& f) { dataset::TruncateFile(f.file(), size - 5); }, code::kGuideCantReadLibraryData},
      {"cut after a line", std::string(kTestGuide), false,
       [&](const GuideFolder& f) { dataset::TruncateFile(f.file(), size - 15); }, code::kGuideCantReadLibraryData},
      {"counts the file cannot hold", GuideWith("  header", "  header ranges=999999"), true, nullptr,
       code::kGuideCantReadLibraryData},
      {"another version", GuideWith("  header", "  header version=02"), true, nullptr, code::kGuideDataOrVersionError},
      {"fewer carriers counted than listed", GuideWith("  header", "  header carriers=1"), true, nullptr,
       code::kGuideDataOrVersionError},
      {"a line more than counted", GuideWith("  header", "  header days=3"), true, nullptr,
       code::kGuideDataOrVersionError},
      {"carriers out of order", std::string(kTestGuide), false,
       [](const GuideFolder& f) { dataset::SwapRecords(f.file(), 1, 2); }, code::kGuideDataOrVersionError},
      {"a record letter broken", std::string(kTestGuide), false,
       [](const GuideFolder& f) { dataset::SetByte(f.file(), 32, 'X'); }, code::kGuideDataOrVersionError},
      {"a range of a terminal not listed",
       GuideWith("low=60000 high=62999 terminal=CHI", "low=60000 high=62999 terminal=XXX"), true, nullptr,
       code::kGuideDataOrVersionError},
      {"overlapping ranges", GuideWith("low=10300 high=14999", "low=10200 high=14999"), true, nullptr,
       code::kGuideDataOrVersionError},
      {"a point letter other than D or I", GuideWith("terminal=CHI service=D", "terminal=CHI service=B"), true, nullptr,
       code::kGuideDataOrVersionError},
      {"an expiry date that is no date", GuideWith("  header", "  header expiry=2099-02-30"), true, nullptr,
       code::kGuideDataOrVersionError},
      {"expired", GuideWith("  header", "  header expiry=2001-01-01"), false, nullptr, code::kGuideDataExpired},
  };
  for (const auto& c : cases) {
    const GuideFolder folder(c.description, c.raw);
    if (c.fault) c.fault(folder);
    const std::variant<SharedGuide, int> loaded = Load(folder);
    ASSERT_TRUE(std::holds_alternative<int>(loaded)) << c.what;
    EXPECT_EQ(std::get<int>(loaded), c.status) << c.what;
  }
}

TEST(GuideFile, ReadOnceAndSharedUntilTheFileChanges) {
  const GuideFolder folder;
  const SharedGuide first = std::get<SharedGuide>(Load(folder));
  EXPECT_EQ(std::get<SharedGuide>(LoadGuide(folder.withSeparator())).get(), first.get());
  dataset::BuildDataSet(GuideWith("name=\"AAA LINES\"", "name=\"AAA RENAMED\""), folder.path());
  const SharedGuide second = std::get<SharedGuide>(Load(folder));
  EXPECT_NE(second.get(), first.get());
  EXPECT_EQ(second->carrier("AAA")->name, "AAA RENAMED");
  EXPECT_EQ(first->carrier("AAA")->name, "AAA LINES");  // a reader of the old data keeps it
}

TEST(GuideFile, LaneServiceForEveryShapeOfCarrierAndCode) {
  const GuideFolder folder;
  const GuideData& data = *std::get<SharedGuide>(Load(folder));
  using M = CarrierMode;
  const struct {
    std::string_view carrier;
    M mode;
    std::string_view origin, destination;
    int status;  // or 1001 with the answer below
    std::string_view letters, terminals;
    int days;
  } cases[] = {
      {"AAA", M::Any, "10001", "60601", code::kServiceGuideDone, "DD", "NYCCHI", 2},  // the days of CHI to NYC
      {std::string_view("AAA\0\0", 5), M::Ltl, "12345 ", std::string_view("10001\0\0", 7), code::kServiceGuideDone,
       "ID", "NYCNYC", 1},
      {" AAA", M::Any, "k1a 0b1", "10299", code::kServiceGuideDone, "ID", "TORNYC", 3},
      {"AAA", M::Any, "K1A0B1", "60601", code::kGuideNoTerminalToTerminal, "", "", 0},
      {"AAA", M::Tl, "10001", "60601", code::kGuideCarrierUnavailable, "", "", 0},
      {"TLX", M::Tl, "75201", "79999", code::kServiceGuideDone, "DD", "DALDAL", 1},
      {"ZZZ", M::Any, "10001", "60601", code::kGuideInvalidScacCarrierType, "", "", 0},
      {"", M::Any, "10001", "60601", code::kGuideInvalidScacCarrierType, "", "", 0},
      {std::string_view("\0\0\0\0", 4), M::Any, "10001", "60601", code::kGuideInvalidScacCarrierType, "", "", 0},
      {"AAA", M::Any, "99999", "10001", code::kGuideOriginNotServiced, "", "", 0},
      {"AAA", M::Any, "10001", "64000M", code::kGuideDestinationNotServiced, "", "", 0},  // Mexican codes: never
      {"AAA", M::Any, "90210", "1000", code::kGuideZipPairNotServiced, "", "", 0},
      {"AAA", M::Any, "100011", "?0001", code::kGuideZipPairNotServiced, "", "", 0},
      {"AAA", M::Any, std::string_view("\0\0\0\0\0\0", 6), "K1", code::kGuideZipPairNotServiced, "", "", 0},
  };
  for (const auto& c : cases) {
    const std::string what = std::string(c.carrier) + " " + std::string(c.origin) + " to " + std::string(c.destination);
    const std::variant<LaneService, int> answer = AskLaneService(data, c.carrier, c.mode, c.origin, c.destination);
    if (c.status != code::kServiceGuideDone) {
      EXPECT_EQ(std::get<int>(answer), c.status) << what;
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<LaneService>(answer)) << what << ": " << std::get<int>(answer);
    const LaneService& s = std::get<LaneService>(answer);
    EXPECT_EQ(std::string({s.originLetter, s.destinationLetter}), c.letters) << what;
    EXPECT_EQ(s.originTerminal + s.destinationTerminal, c.terminals) << what;
    EXPECT_EQ(s.days, c.days) << what;
  }
}

TEST(GuideFile, TerminalOfAPointOrOfItsCode) {
  const GuideFolder folder;
  const GuideData& data = *std::get<SharedGuide>(Load(folder));
  const struct {
    std::string_view carrier, code;
    std::variant<std::string_view, int> terminal;
  } cases[] = {
      {"AAA", "10001\0", "NYC"},
      {"AAA", "M5V 2T6", "TOR"},
      {"AAA", "CHI", "CHI"},
      {"AAA", "99999", code::kGuideZipNotServiced},
      {"AAA", "", code::kGuideZipNotServiced},
      {"BBB", "10001", code::kGuideInvalidScacCarrierType},
  };
  for (const auto& c : cases) {
    const std::variant<const Terminal*, int> found = TerminalServing(data, c.carrier, c.code);
    if (const int* status = std::get_if<int>(&c.terminal)) {
      EXPECT_EQ(std::get<int>(found), *status) << c.code;
    } else {
      EXPECT_EQ(std::get<const Terminal*>(found)->code, std::get<std::string_view>(c.terminal)) << c.code;
    }
  }
}

}  // namespace
}  // namespace lanebook
