// Data sets written into directories, and files read back from them.
#include "dataset/data_set.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "dataset/read_back.h"
#include "platform/testing/temp_directory.h"

namespace dataset {
namespace {

using platform::testing::ReadFileText;
using platform::testing::TempDirectory;

constexpr const char* kTinySet =
    "efcrec\n  record\n  record kind=2 name=TSTBASE1\n"
    "tda\n  state number=5 code=CA\n  state\n"
    "tds\n  entry\n  entry slot=2 kind=7\n";

std::vector<std::string> Names(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(DataSetWrite, WritesOneFilePerDescribedKindAndNothingElse) {
  TempDirectory dir;
  BuildDataSet("tda\n  state\n", dir.path() / "set");
  EXPECT_EQ(Names(dir.path() / "set"), std::vector<std::string>{"TDA.SEQ"});

  BuildDataSet(kTinySet, dir.path());
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"EFCREC.TBL", "TDA.SEQ", "TDS.SEQ", "set"}));
  EXPECT_EQ(ReadFileText(dir / "TDA.SEQ"), "05CA \n36NY \n");
  EXPECT_EQ(ReadFileText(dir / "TDS.SEQ"), "010010010010010099\n020010010070070099\n");
  EXPECT_EQ(ReadFileText(dir / "EFCREC.TBL").size(), 152u);
}

TEST(DataSetWrite, ReplacesFilesThatAreThere) {
  TempDirectory dir;
  dir.write("TDA.SEQ", "old content that is longer\n");
  BuildDataSet("tda\n  state\n", dir.path());
  EXPECT_EQ(ReadFileText(dir / "TDA.SEQ"), "36NY \n");
}

TEST(DataSetWrite, ASetTheChecksRefuseWritesNothing) {
  TempDirectory dir;
  const std::string text = "tda\n  state\ntds\n  entry slot=0\nefcrec\n  record type=Q\n";
  try {
    BuildDataSet(text, dir.path());
    FAIL() << "written";
  } catch (const CheckError& e) {
    ASSERT_EQ(e.problems().size(), 2u);
    EXPECT_EQ(e.problems()[0].text(), "TDS.SEQ record 0 (line 4): columns 0-1 (slot): slot 0 is outside 1-50");
    EXPECT_EQ(e.problems()[1].line, 6);
    EXPECT_NE(std::string(e.what()).find("TDS.SEQ record 0 (line 4)"), std::string::npos);
  }
  EXPECT_TRUE(Names(dir.path()).empty());
}

TEST(DataSetWrite, RawBlocksAndTheRawOptionSkipTheChecks) {
  TempDirectory dir;
  BuildDataSet("tds raw\n  entry slot=0\ntda\n  state\n", dir.path());
  EXPECT_EQ(ReadFileText(dir / "TDS.SEQ"), "000010010010010099\n");

  const std::string bad = "tda\n  state number=36\n  state number=5\n";
  EXPECT_THROW(BuildDataSet(bad, dir.path()), CheckError);
  BuildDataSet(bad, dir.path(), {.raw = true});
  EXPECT_EQ(ReadFileText(dir / "TDA.SEQ"), "36NY \n05NY \n");

  // File-level problems name the block's line.
  const std::vector<Problem> problems = DataSet::Parse("\ntda\n").check();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].text(), "TDA.SEQ (line 2): holds 0 lines; at least 1 needed");
}

TEST(DataSetWrite, ReportsADirectoryThatCannotBeMade) {
  TempDirectory dir;
  dir.write("file", "x");
  EXPECT_THROW(BuildDataSet("tda\n  state\n", dir.path() / "file" / "sub"), Error);
}

TEST(DataSetRoundTrip, EveryFileDecodesToADescriptionOfTheSameSet) {
  TempDirectory dir;
  const DataSet set = DataSet::Parse(kTinySet);
  set.write(dir.path());
  std::string decoded;
  for (const char* name : {"EFCREC.TBL", "TDA.SEQ", "TDS.SEQ"}) decoded += DecodeFile(dir / name);
  EXPECT_EQ(DataSet::Parse(decoded), set);
  EXPECT_EQ(decoded, kTinySet);

  EXPECT_FALSE(DataSet::Parse("tda\n  state\n") == DataSet::Parse("tda\n  state number=1\n"));
  EXPECT_FALSE(DataSet::Parse("tda\n  state\n") == DataSet::Parse("tda\n  state\ntds\n"));
}

TEST(Inspect, TheKindComesFromTheFileNameOrIsGiven) {
  TempDirectory dir;
  dir.write("tda.seq", "36NY \n");
  dir.write("states.txt", "36NY \n");
  EXPECT_EQ(DecodeFile(dir / "tda.seq"), "tda\n  state\n");
  EXPECT_EQ(DecodeFile(dir / "states.txt", "tda"), "tda\n  state\n");
  EXPECT_EQ(DecodeFile(dir / "states.txt", "TDA.SEQ"), "tda\n  state\n");
  EXPECT_THROW(DecodeFile(dir / "states.txt"), Error);
  EXPECT_THROW(DecodeFile(dir / "states.txt", "zip"), Error);
  EXPECT_THROW(DecodeFile(dir / "missing.seq", "tda"), Error);

  EXPECT_TRUE(CheckFile(dir / "tda.seq").empty());
  const std::vector<Problem> problems = CheckFile(dir / "states.txt", "efcrec");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].file, (dir / "states.txt").string());
  EXPECT_EQ(problems[0].message, "is 6 bytes, not 76");
  EXPECT_EQ(KnownKinds(), (std::vector<std::string>{"efcrec",
                                                    "tda",
                                                    "tds",
                                                    "tdv",
                                                    "tdz",
                                                    "tdt",
                                                    "tdx",
                                                    "tdn",
                                                    "service-guide",
                                                    "factor",
                                                    "points-service",
                                                    "rates",
                                                    "matrix",
                                                    "points",
                                                    "zones",
                                                    "class-factors",
                                                    "zip-pairs",
                                                    "rbno-addons",
                                                    "light-base",
                                                    "light-matrix",
                                                    "minimums",
                                                    "city-points",
                                                    "city-addons",
                                                    "point-pair-lanes",
                                                    "point-adjustments",
                                                    "zip-slot-lanes",
                                                    "lane-pair-adjustments",
                                                    "package-codes",
                                                    "zone-pair-lanes",
                                                    "cell-adjustments",
                                                    "operator-adjustments",
                                                    "range-lanes",
                                                    "percent-bases",
                                                    "percent-matrix",
                                                    "percent-exceptions",
                                                    "global-lanes",
                                                    "base-keys",
                                                    "list-adjustments",
                                                    "no-discount-states",
                                                    "canadian-lanes",
                                                    "base-codes",
                                                    "lane-tariffs",
                                                    "tariff-settings",
                                                    "rating-defaults",
                                                    "discount-file",
                                                    "mexico-defaults",
                                                    "mexico-settings",
                                                    "levels",
                                                    "origin-codes",
                                                    "accessorials",
                                                    "classes",
                                                    "weight-breaks",
                                                    "table-names",
                                                    "province-prefixes",
                                                    "zip-states",
                                                    "zip-ranges",
                                                    "service-ranges",
                                                    "postal-services",
                                                    "engineless-table",
                                                    "zip-index",
                                                    "base-point-block",
                                                    "profiles",
                                                    "state-list",
                                                    "province-list",
                                                    "option-records",
                                                    "language",
                                                    "library-names",
                                                    "about",
                                                    "us-cities",
                                                    "canadian-cities",
                                                    "mexican-cities",
                                                    "base-point-names",
                                                    "base-points",
                                                    "base-zones",
                                                    "border-us-zones",
                                                    "border-canadian-zones",
                                                    "zone-kinds",
                                                    "border-zone-kinds",
                                                    "coastal-zips",
                                                    "coastal-fees",
                                                    "lettered"}));
}

}  // namespace
}  // namespace dataset
