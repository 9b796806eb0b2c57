// A tariff's lettered files: their names (given, or from the tariff's
// EFCREC.TBL record), the point-service file (.D) and the raw block for
// letters whose layouts are described elsewhere.
#include <gtest/gtest.h>

#include "dataset/data_set.h"
#include "dataset/faults.h"
#include "dataset/read_back.h"
#include "platform/testing/temp_directory.h"
#include "test_support.h"

namespace dataset {
namespace {

using platform::testing::ReadFileText;
using platform::testing::TempDirectory;
using testing::Built;
using testing::Bytes;
using testing::DescriptionProblems;
using testing::ErrorOf;
using testing::Messages;
using testing::Rebuilt;

std::vector<std::string> FileNames(std::string_view description) {
  const DataSet set = DataSet::Parse(description);
  std::vector<std::string> names;
  for (const DataFile& f : set.files()) names.push_back(f.name);
  return names;
}

TEST(TariffFileNames, TheSuffixIsGivenOrTakenFromTheTariffsRecord) {
  // The letter's own field: columns 33-34 for D, 37-38 for F, 29-30 for Z, 17-18 for A.
  const std::string efcrec = "efcrec\n  record name=ABC suffix=07 suffix.D=12 suffix.F=34 suffix.Z=56 lane-digits=78\n";
  EXPECT_EQ(
      FileNames(
          "points-service tariff=ABC\nfactor tariff=ABC\nlettered tariff=ABC letter=Z\nlettered tariff=ABC letter=A\n" +
          efcrec),
      (std::vector<std::string>{"ABC.D12", "ABC.F34", "ABC.Z56", "ABC.A78", "EFCREC.TBL"}));
  EXPECT_EQ(FileNames("points-service tariff=ABC suffix=99\n" + efcrec),
            (std::vector<std::string>{"ABC.D99", "EFCREC.TBL"}));
  // A field that begins with a letter gives way to columns 12-13; U and V always take them.
  EXPECT_EQ(FileNames("efcrec\n  record name=ABC sequence=42 suffix.D=X1\npoints-service tariff=ABC\nlettered "
                      "tariff=ABC letter=u\n"),
            (std::vector<std::string>{"EFCREC.TBL", "ABC.D42", "ABC.U42"}));
  // Several records of the tariff that agree are fine.
  EXPECT_EQ(FileNames("efcrec\n  record name=ABC\n  record name=ABC kind=2\n  record name=OTHER "
                      "suffix=09\npoints-service tariff=ABC\n")[1],
            "ABC.D01");
}

TEST(TariffFileNames, NamesThatCannotBeMadeAreRefusedAtTheBlock) {
  EXPECT_EQ(ErrorOf("\npoints-service\n"), "line 2: a tariff file's block names its tariff: tariff=NAME");
  EXPECT_EQ(ErrorOf("points-service tariff=ABC\n"),
            "line 1: the suffix of ABC's D file is not known: give suffix= or describe ABC in an efcrec block");
  EXPECT_EQ(ErrorOf("efcrec\n  record name=ABC\n  record name=ABC suffix.D=02\npoints-service tariff=ABC\n"),
            "line 4: the EFCREC.TBL records of ABC give suffixes for letter D '01' and '02': give it in the block");
  EXPECT_EQ(ErrorOf("efcrec\n  record name=ABC\nlettered tariff=ABC letter=W\n"),
            "line 3: file letter 'W' has no suffix field in EFCREC.TBL: give suffix=");
  EXPECT_EQ(ErrorOf("points-service tariff=abc suffix=01\n"),
            "line 1: field 'tariff': 'abc' is not a tariff name (1-8 upper-case letters and digits)");
  EXPECT_EQ(ErrorOf("points-service tariff=ABCDEFGHI suffix=01\n"),
            "line 1: field 'tariff': 'ABCDEFGHI' is not a tariff name (1-8 upper-case letters and digits)");
  EXPECT_EQ(ErrorOf("points-service tariff=ABC suffix=1\n"),
            "line 1: field 'suffix': '1' is not a file-name suffix (two upper-case letters or digits)");
  EXPECT_EQ(ErrorOf("points-service tariff=ABC suffix=01 letter=D\n"),
            "line 1: a points-service block takes no field 'letter' (fields: tariff, suffix)");
  EXPECT_EQ(ErrorOf("lettered tariff=ABC suffix=01\n"), "line 1: a lettered block names its file letter: letter=R");
  EXPECT_EQ(ErrorOf("lettered tariff=ABC suffix=01 letter=F\n"),
            "line 1: letter F files have a block of their own: factor");
  EXPECT_EQ(ErrorOf("lettered tariff=ABC suffix=01 letter=D\n"),
            "line 1: letter D files have a block of their own: points-service");
  EXPECT_EQ(ErrorOf("lettered tariff=A suffix=01 letter=R\nlettered tariff=A suffix=01 letter=r\n"),
            "line 2: A.R01 is already described by the block at line 1");
}

TEST(TariffFileNames, FilesAreKnownByTheirNames) {
  TempDirectory dir;
  dir.write("abc.d01", Bytes({0, 0, 0, 0, 0, 0, 'I'}));
  EXPECT_EQ(DecodeFile(dir / "abc.d01"), "points-service tariff=ABC suffix=01\n  header\n");
  dir.write("ABC.X01", "0123456789");
  EXPECT_EQ(DecodeFile(dir / "ABC.X01"), "lettered tariff=ABC letter=X suffix=01\n  raw text=0123456789\n");
  EXPECT_EQ(DecodeFile(dir / "ABC.X01", "lettered record-size=4"),
            "# " + (dir / "ABC.X01").string() +
                " record 2: is 2 bytes, not 4\n"
                "lettered raw tariff=ABC letter=X suffix=01 record-size=4\n  raw text=0123\n  raw text=4567\n  raw "
                "text=89\n");
  // Names whose suffix does not begin with a digit are not tariff files.
  dir.write("README.TXT", "x");
  EXPECT_THROW(DecodeFile(dir / "README.TXT"), Error);
}

TEST(PointService, TheHeaderThenRangesOfPackedKeys) {
  const char* set =
      "points-service tariff=T suffix=01\n  header letter=D\n  range low=10000 high=10099 letter=I\n  range low=A0A "
      "high=K1Z letter=B\n";
  EXPECT_EQ(Built(set, "T.D01"),
            Bytes({0, 0, 0, 0, 0, 0, 'D', 0x01, 0x00, 0x00, 0x01, 0x00, 0x99, 'I', 'A', '0', 'A', 'K', '1', 'Z', 'B'}));
  EXPECT_EQ(Built("points-service tariff=T suffix=01\n  header\n  range\n", "T.D01"),
            Bytes({0, 0, 0, 0, 0, 0, 'I', 0x00, 0x00, 0x01, 0x09, 0x99, 0x99, 'D'}));
  const std::string content = Built(set, "T.D01");
  EXPECT_EQ(DecodeContent("points-service tariff=T suffix=01", content), std::string(set));
  EXPECT_EQ(Rebuilt("points-service tariff=T suffix=01", content), content);
}

TEST(PointService, ChecksWantAHeaderAndAscendingRanges) {
  const std::string head = "points-service tariff=T suffix=01\n  header\n";
  EXPECT_TRUE(DescriptionProblems(
                  head + "  range low=00501 high=09999\n  range low=10000 high=10000\n  range low=A0A high=A9Z\n")
                  .empty());
  EXPECT_EQ(DescriptionProblems("points-service tariff=T suffix=01\n"),
            std::vector<std::string>{"T.D01 (line 1): holds 0 records; at least 1 needed"});
  EXPECT_EQ(DescriptionProblems(head + "  range low=00000 high=00100\n"),
            std::vector<std::string>{"T.D01 record 1 (line 3): lies at or below the header's keys (the ranges must "
                                     "ascend without overlapping for the engine's search)"});
  EXPECT_EQ(DescriptionProblems(
                head + "  range low=20000 high=20099\n  range low=20099 high=20199\n  range low=10000 high=10099\n"),
            (std::vector<std::string>{"T.D01 record 2 (line 4): overlaps record 1 (the ranges must ascend without "
                                      "overlapping for the engine's search)",
                                      "T.D01 record 3 (line 5): is out of order after record 2 (the ranges must ascend "
                                      "without overlapping for the engine's search)"}));
  EXPECT_EQ(DescriptionProblems("points-service tariff=T suffix=01\n  header letter=\n  range letter=\n  range low=K1A "
                                "high=10000 letter=d\n"),
            (std::vector<std::string>{
                "T.D01 record 1 (line 3): byte 6 (letter): \" \" is not a service letter (an upper-case letter)",
                "T.D01 record 2 (line 4): byte 6 (letter): \"d\" is not a service letter (an upper-case letter)",
                "T.D01 record 2 (line 4): the range K1A-10000 mixes a ZIP code and a postal prefix"}));
  EXPECT_EQ(Messages("points-service", Bytes({0, 0, 0, 0, 0, 0})), std::vector<std::string>{"0: is 6 bytes, not 7"});
}

TEST(PointService, FaultsUnsortTheRangesOnDisk) {
  TempDirectory dir;
  BuildDataSet(
      "efcrec\n  record suffix.D=03\npoints-service tariff=TSTFRT01\n  header\n  range low=10000 high=10099\n  range "
      "low=20000 high=20099\n",
      dir.path());
  EXPECT_TRUE(CheckFile(dir / "TSTFRT01.D03").empty());
  SwapRecords(dir / "TSTFRT01.D03", 1, 2);
  ASSERT_EQ(CheckFile(dir / "TSTFRT01.D03").size(), 1u);
  EXPECT_EQ(CheckFile(dir / "TSTFRT01.D03").front().record, 2u);
}

TEST(Lettered, RawRecordsWithAnOptionalRecordSize) {
  EXPECT_EQ(Built("lettered tariff=T suffix=01 letter=Z\n", "T.Z01"), "");
  EXPECT_EQ(Built("lettered tariff=T suffix=01 letter=R record-size=3\n  raw text=abc\n  raw text=def\n", "T.R01"),
            "abcdef");
  EXPECT_EQ(DescriptionProblems("lettered tariff=T suffix=01 letter=R record-size=3\n  raw text=abcd\n"),
            std::vector<std::string>{"T.R01 record 0 (line 2): is 4 bytes, not 3"});
  EXPECT_EQ(ErrorOf("lettered tariff=T suffix=01 letter=R\n  record\n"),
            "line 2: unknown item 'record' in a lettered block (items: raw)");
  EXPECT_EQ(ErrorOf("lettered tariff=T suffix=01 letter=R record-size=0\n"),
            "line 1: field 'record-size': '0' is not a whole number from 1 to 1048576");
}

TEST(Lettered, FaultsNeedARecordSize) {
  TempDirectory dir;
  BuildDataSet("lettered tariff=T suffix=01 letter=X\n  raw text=aabbcc\n", dir.path());
  EXPECT_THROW(ReverseRecords(dir / "T.X01"), Error);
  ReverseRecords(dir / "T.X01", 2);
  EXPECT_EQ(ReadFileText(dir / "T.X01"), "ccbbaa");
}

}  // namespace
}  // namespace dataset
