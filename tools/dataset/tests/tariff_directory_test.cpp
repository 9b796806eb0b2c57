// TDV.SEQ, TDZ.BIN, TDT.BIN and TDX.TBL: records built by field, decoding,
// and the checks that keep the engine's searches sound.
#include <gtest/gtest.h>

#include "dataset/data_set.h"
#include "dataset/read_back.h"
#include "platform/testing/temp_directory.h"
#include "test_support.h"

namespace dataset {
namespace {

using testing::Built;
using testing::Bytes;
using testing::DescriptionProblems;
using testing::Messages;
using testing::Rebuilt;

TEST(Tdv, LinesAreZeroPaddedVersionAndDate) {
  EXPECT_EQ(Built("tdv\n  version\n", "TDV.SEQ"), "0120240101\n");
  EXPECT_EQ(Built("tdv\n  version number=7 date=1999-12-31\n", "TDV.SEQ"), "0719991231\n");
  const std::string content = Built("tdv\n  version number=3 date=2023-06-30\n  version\n", "TDV.SEQ");
  EXPECT_EQ(DecodeContent("tdv", content), "tdv\n  version number=3 date=2023-06-30\n  version\n");
  EXPECT_EQ(Rebuilt("tdv", content), content);
}

TEST(Tdv, ChecksRefuseEmptyLongPaddedAndAmbiguousLists) {
  EXPECT_EQ(Messages("tdv", ""), std::vector<std::string>{"holds 0 versions; at least 1 needed"});
  // Any order is read: the engine sorts by date itself.
  EXPECT_TRUE(Messages("tdv", "0220240601\n0120240101\n").empty());
  EXPECT_EQ(
      Messages("tdv", "0120240101\n0220240101\n"),
      std::vector<std::string>{"1: takes effect on the date of record 0, so the engine's sort picks between them"});
  EXPECT_EQ(Messages("tdv", " 120240101\n"),
            std::vector<std::string>{"0: \" 120240101\\n\" is not 10 zero-padded digits and a line feed"});
  EXPECT_EQ(Messages("tdv", "0120240230\n"),
            std::vector<std::string>{"0: columns 2-9 (date): \"20240230\" is not a date (CCYYMMDD)"});
  std::string lines;
  for (int i = 0; i < 47; ++i) lines += "01" + std::to_string(1980 + i) + "0101\n";
  EXPECT_TRUE(Messages("tdv", lines).empty());
  EXPECT_EQ(Messages("tdv", lines + "0120300101\n"),
            std::vector<std::string>{"holds 48 versions; at most 47 are read"});
}

TEST(Tdz, RecordsPackTheirCodes) {
  // The worked examples: 12345 packs to 01 23 45; a postal prefix keeps its
  // first three characters with the first and third upper-cased.
  EXPECT_EQ(Built("tdz\n  range low=12345 high=12399 first=1 end=99 region=36 table=7 byte10=9 sub=-2\n", "TDZ.BIN"),
            Bytes({0x01, 0x23, 0x99, 0x01, 0x23, 0x45, 1, 99, 36, 7, 9, 0xFE}));
  EXPECT_EQ(Built("tdz\n  range low=k1a high=k1z\n", "TDZ.BIN").substr(0, 6), "K1ZK1A");
  EXPECT_EQ(Built("tdz\n  range low=kaa high=kzz\n", "TDZ.BIN").substr(0, 6), "KzZKaA");  // the second stays as it is
  EXPECT_EQ(Built("tdz\n  range low=12345-6789 high=K1A0B1\n", "TDZ.BIN").substr(0, 6),
            Bytes({'K', '1', 'A', 0x01, 0x23, 0x45}));
  // Left out: every ZIP, versions 1 to 99, New York's region, table 1.
  EXPECT_EQ(Built("tdz\n  range\n", "TDZ.BIN"), Bytes({0x09, 0x99, 0x99, 0, 0, 0, 1, 99, 36, 1, 0, 0}));
}

TEST(Tdz, DecodesToItemLinesAndBack) {
  const std::string content = Built(
      "tdz\n  range low=10000 high=10099\n  range low=10000 high=10099 first=99 end=100\n  range low=K1A high=K1A "
      "region=40\n",
      "TDZ.BIN");
  EXPECT_EQ(DecodeContent("tdz", content),
            "tdz\n  range high=10099 low=10000\n  range high=10099 low=10000 first=99 end=100\n  range high=K1A "
            "low=K1A region=40\n");
  EXPECT_EQ(Rebuilt("tdz", content), content);
  // Bytes that no code packs to stay raw.
  const std::string odd = Bytes({0x0A, 0, 0, 0, 0, 0, 1, 99, 36, 1, 0, 0});
  EXPECT_EQ(Rebuilt("tdz", odd), odd);
  EXPECT_NE(DecodeContent("tdz", odd).find("  raw text="), std::string::npos);
}

TEST(Tdz, FieldsRefuseCodesThatDoNotPack) {
  for (const char* code : {"1234", "1234A", "K1", "-1000", "*AB"}) {
    EXPECT_THROW(DataSet::Parse(std::string("tdz\n  range low=") + code + "\n"), DescriptionError) << code;
  }
  EXPECT_THROW(DataSet::Parse("tdz\n  range first=128\n"), DescriptionError);
  EXPECT_THROW(DataSet::Parse("tdz\n  range table=-1\n"), DescriptionError);
}

TEST(Tdz, ChecksKeepTheRangesSearchable) {
  EXPECT_TRUE(DescriptionProblems("tdz\n  range low=10000 high=10099 end=5\n  range low=10000 high=10099 first=5\n  "
                                  "range low=10100 high=10199\n"
                                  "  range low=A0A high=A9Z\n  range low=K1A high=K1A\n")
                  .empty());
  EXPECT_EQ(DescriptionProblems("tdz\n  range low=10000 high=10099\n  range low=10050 high=10199\n"),
            std::vector<std::string>{"TDZ.BIN record 1 (line 3): overlaps record 0 (the ranges must ascend without "
                                     "overlapping for the engine's search)"});
  EXPECT_EQ(DescriptionProblems("tdz\n  range low=20000 high=20099\n  range low=10000 high=10099\n"),
            std::vector<std::string>{"TDZ.BIN record 1 (line 3): is out of order after record 0 (the ranges must "
                                     "ascend without overlapping for the engine's search)"});
  EXPECT_EQ(
      DescriptionProblems("tdz\n  range low=10000 high=10099 first=5\n  range low=10000 high=10099 end=6\n"),
      std::vector<std::string>{
          "TDZ.BIN record 1 (line 3): repeats the range of record 0 with versions that do not follow its versions "
          "(the search needs them ascending apart)"});
  EXPECT_EQ(Messages("tdz",
                     Built("tdz raw\n  range low=20000 high=10000\n  range low=10000 high=K1A\n  range first=5 end=5\n",
                           "TDZ.BIN")),
            (std::vector<std::string>{
                "0: the range 20000-10000 ends below its start",
                "1: the range 10000-K1A mixes a ZIP code and a postal prefix",
                "2: versions 5 to 5 (end excluded) hold no version 0 or above, so the record never matches"}));
  EXPECT_EQ(Messages("tdz", Bytes({0x0A, 0, 0, 0, 0, 0, 1, 99, 36, 1, 0})),
            std::vector<std::string>{"0: is 11 bytes, not 12"});
  EXPECT_EQ(
      Messages("tdz", Bytes({0x09, 0x9A, 0x99, 0, 0, 0, 1, 99, 36, 1, 0, 0})),
      std::vector<std::string>{"0: bytes 0-2 (high): \"\\t\\x9A\\x99\" is not a packed ZIP code or postal prefix"});
}

TEST(Tdt, RowsAreAsWideAsTheSlotsOfTds) {
  // Two slots in TDS.SEQ: rows of four words, the codes left out are 0.
  const char* set = "tdt\n  row region=5 table=2 codes=7\n  row\ntds\n  entry slot=2\n  entry slot=1\n";
  EXPECT_EQ(Built(set, "TDT.BIN"), Bytes({5, 0, 2, 0, 7, 0, 0, 0, 36, 0, 1, 0, 1, 0, 0, 0}));
  EXPECT_EQ(Built("tdt slots=3\n  row region=-1 table=300 codes=\"1 2 3\"\n", "TDT.BIN"),
            Bytes({0xFF, 0xFF, 0x2C, 0x01, 1, 0, 2, 0, 3, 0}));
  EXPECT_EQ(Built("tdt slots=0\n  row\n", "TDT.BIN"), Bytes({36, 0, 1, 0}));
  // An explicit width wins over TDS.SEQ.
  EXPECT_EQ(Built("tds\n  entry slot=4\ntdt slots=1\n  row\n", "TDT.BIN").size(), 6u);
  EXPECT_EQ(DataSet::Parse(set).file("TDT.BIN")->line, 1);
}

TEST(Tdt, DescriptionsWithoutAWidthOrWithTooManyCodesAreRefused) {
  try {
    DataSet::Parse("tdt\n  row\n");
    FAIL() << "accepted";
  } catch (const DescriptionError& e) {
    EXPECT_EQ(e.line(), 2);
    EXPECT_NE(e.message().find("give the block slots= or describe TDS.SEQ"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(DataSet::Parse("tdt\n").files().front().content().empty());
  EXPECT_THROW(DataSet::Parse("tdt slots=1\n  row codes=\"1 2\"\n"), DescriptionError);
  EXPECT_THROW(DataSet::Parse("tdt slots=51\n"), DescriptionError);
  EXPECT_THROW(DataSet::Parse("tdt slots=1\n  row region=40000\n"), DescriptionError);
  EXPECT_THROW(DataSet::Parse("tdt width=1\n"), DescriptionError);
}

TEST(Tdt, DecodesWithItsWidthInTheHeader) {
  const std::string content =
      Built("tdt slots=3\n  row region=1 codes=\"4 0 6\"\n  row region=2 codes=\"0 0 0\"\n  row region=3\n", "TDT.BIN");
  EXPECT_EQ(DecodeContent("tdt slots=3", content),
            "tdt slots=3\n  row region=1 codes=\"4 0 6\"\n  row region=2 codes=0\n  row region=3\n");
  EXPECT_EQ(Rebuilt("tdt slots=3", content), content);
  // Without a width the file is one raw record, and the check says why.
  EXPECT_EQ(DecodeContent("tdt", content)
                .rfind("# TDT.BIN: the row width is not known: give slots= or have TDS.SEQ beside the file\ntdt raw\n  "
                       "raw text=",
                       0),
            0u);
  EXPECT_EQ(Rebuilt("tdt", content), content);
}

TEST(Tdt, FilesOnDiskTakeTheirWidthFromTheTdsBesideThem) {
  platform::testing::TempDirectory dir;
  BuildDataSet("tds\n  entry slot=2\ntdt\n  row region=1\n  row region=2\n", dir.path());
  EXPECT_EQ(DecodeFile(dir / "TDT.BIN"), "tdt slots=2\n  row region=1\n  row region=2\n");
  EXPECT_TRUE(CheckFile(dir / "TDT.BIN").empty());
  EXPECT_EQ(CheckFile(dir / "TDT.BIN", "tdt slots=1").front().message,
            "is 4 bytes, not 6 (1 slots and the two key words)");
}

TEST(Tdt, ChecksWantRowsSortedBySignedKey) {
  EXPECT_TRUE(Messages("tdt slots=1",
                       Built("tdt slots=1\n  row region=-1\n  row region=1 table=-5\n  row region=1\n", "TDT.BIN"))
                  .empty());
  EXPECT_EQ(
      Messages("tdt slots=1", Built("tdt raw slots=1\n  row region=1\n  row region=-1\n  row region=-1\n", "TDT.BIN")),
      (std::vector<std::string>{
          "1: is out of order after record 0 (the records must be sorted by region code, then table code)",
          "2: repeats the key of record 1 (region code, then table code)"}));
  EXPECT_EQ(Messages("tdt slots=1", Bytes({1, 0, 1, 0, 1})),
            std::vector<std::string>{"0: is 5 bytes, not 6 (1 slots and the two key words)"});
}

TEST(Tdx, EveryFieldLandsInItsBytes) {
  EXPECT_EQ(Built("tdx\n  exception\n", "TDX.TBL"),
            Bytes({0, 99, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x20, 0, 0x20, 0, 0, 0}));
  const std::string record = Built(
      "tdx\n  exception first=2 end=9 kind=901 origin=98 group=3 destination=-1 origin-sub=65535 destination-sub=7 "
      "origin-op== "
      "destination-op== other-kind=906\n",
      "TDX.TBL");
  EXPECT_EQ(record, Bytes({2, 9, 0x85, 0x03, 98, 0, 3, 0, 0xFF, 0xFF, 0xFF, 0xFF, 7, 0, 0x3D, 0, 0x3D, 0, 0x8A, 0x03}));
  EXPECT_EQ(DecodeContent("tdx", record),
            "tdx\n  exception first=2 end=9 kind=901 origin=98 group=3 destination=-1 origin-sub=65535 "
            "destination-sub=7 origin-op== "
            "destination-op== other-kind=906\n");
  EXPECT_EQ(Rebuilt("tdx", record), record);
  EXPECT_THROW(DataSet::Parse("tdx\n  exception origin-op=ab\n"), DescriptionError);
}

TEST(Tdx, ChecksWantSortedRunsAndKnownOperators) {
  EXPECT_TRUE(
      DescriptionProblems(
          "tdx\n  exception kind=1 origin=5\n  exception kind=1 origin=5\n  exception kind=1 origin=5 destination=2\n"
          "  exception kind=2 origin=-3\n")
          .empty());
  EXPECT_EQ(DescriptionProblems("tdx\n  exception kind=2\n  exception kind=1 origin=99 destination=99\n"),
            std::vector<std::string>{"TDX.TBL record 1 (line 3): is out of order after record 0 (the records must be "
                                     "sorted by kind, origin code, destination code)"});
  EXPECT_EQ(DescriptionProblems("tdx\n  exception destination-op=x first=4 end=4\n"),
            (std::vector<std::string>{"TDX.TBL record 0 (line 2): versions 4 to 4 (end excluded) hold no version 0 or "
                                      "above, so the record never applies",
                                      "TDX.TBL record 0 (line 2): bytes 16-17 (destination-op): \"x\\x00\" is not a "
                                      "blank or '=' (0x20 or 0x3D in a 16-bit word)"}));
}

}  // namespace
}  // namespace dataset
