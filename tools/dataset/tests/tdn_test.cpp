// TDN.IDX and TDN.IDA: one block writes both, the index pointing into the
// names; decoding reads them as a pair; the checks follow every offset.
#include <gtest/gtest.h>

#include "dataset/data_set.h"
#include "dataset/faults.h"
#include "dataset/read_back.h"
#include "platform/testing/temp_directory.h"
#include "test_support.h"

namespace dataset {
namespace {

using platform::testing::TempDirectory;
using testing::Built;
using testing::Bytes;
using testing::DescriptionProblems;

std::string NameEntry(std::string_view name) {
  std::string entry(20, ' ');
  entry[0] = static_cast<char>(name.size());
  entry.replace(1, name.size(), name);
  return entry;
}

TEST(Tdn, EntriesWriteAnIndexRecordAndTheirName) {
  const char* set =
      "tdn\n  entry zip=10001 kind=100 first=1 end=50 name=\"NEW YORK\"\n  entry zip=K1A kind=-2 name=AB\n";
  EXPECT_EQ(Built(set, "TDN.IDX"), Bytes({0x01, 0x00, 0x01, 100, 0, 1, 50, 0, 0, 0, 0}) +
                                       Bytes({'K', '1', 'A', 0xFE, 0xFF, 0, 99, 20, 0, 0, 0}));
  EXPECT_EQ(Built(set, "TDN.IDA"), NameEntry("NEW YORK") + NameEntry("AB"));
  const DataSet parsed = DataSet::Parse(set);
  ASSERT_EQ(parsed.files().size(), 2u);
  EXPECT_EQ(parsed.files()[1].records[1].line, 3);
  EXPECT_EQ(Built("tdn\n", "TDN.IDA"), "");
}

TEST(Tdn, OffsetsAndIdaBytesCanBeGivenAsTheyStand) {
  const char* set =
      "tdn\n  ida text=\"\\x19A NAME TOO LONG TO READ\"\n  entry offset=0\n  entry name=SECOND\n  entry offset=999\n";
  EXPECT_EQ(Built(set, "TDN.IDA"),
            "\x19"
            "A NAME TOO LONG TO READ" +
                NameEntry("SECOND"));
  const std::string index = Built(set, "TDN.IDX");
  EXPECT_EQ(index.substr(7, 4), Bytes({0, 0, 0, 0}));
  EXPECT_EQ(index.substr(18, 4), Bytes({24, 0, 0, 0}));
  EXPECT_EQ(index.substr(29, 4), Bytes({0xE7, 0x03, 0, 0}));
  EXPECT_THROW(DataSet::Parse("tdn\n  entry name=A offset=0\n"), DescriptionError);
  EXPECT_THROW(DataSet::Parse("tdn\n  entry name=\"TWENTY CHARACTERS...\"\n"), DescriptionError);
  EXPECT_THROW(DataSet::Parse("tdn\n  entry name=\"TAB\\tNAME\"\n"), DescriptionError);
  EXPECT_THROW(DataSet::Parse("tdn\n  ida\n"), DescriptionError);
}

TEST(Tdn, ThePairDecodesFromEitherFile) {
  TempDirectory dir;
  const std::string set =
      "tdn\n  entry kind=100 name=\"NEW YORK\"\n  entry kind=100 first=5\n  entry zip=K1A kind=100 offset=0\n"
      "  ida text=\"\\x02XY\"\n";
  BuildDataSet(set, dir.path());
  EXPECT_EQ(DecodeFile(dir / "TDN.IDX"), set);
  EXPECT_EQ(DecodeFile(dir / "TDN.IDA"), set);
  EXPECT_TRUE(CheckFile(dir / "TDN.IDA").empty());
  // An index record that fields cannot express stays raw.
  SetByte(dir / "TDN.IDX", 0, 0x0B);
  EXPECT_NE(DecodeFile(dir / "TDN.IDX").find("\n  raw text=\"\\x0B\\x00\\x01d"), std::string::npos);
  EXPECT_EQ(DataSet::Parse(DecodeFile(dir / "TDN.IDX")).file("TDN.IDX")->content(),
            platform::testing::ReadFileText(dir / "TDN.IDX"));
}

TEST(Tdn, ChecksFollowEveryOffsetAndTheOrder) {
  EXPECT_TRUE(
      DescriptionProblems(
          "tdn\n  entry zip=10001 kind=1\n  entry zip=10001 kind=1\n  entry zip=10001 kind=2\n  entry zip=10002\n"
          "  entry zip=A0A offset=0\n")
          .empty());
  EXPECT_EQ(DescriptionProblems("tdn\n  entry zip=K1A\n  entry zip=10001\n"),
            std::vector<std::string>{"TDN.IDX record 1 (line 3): is out of order after record 0 (the records must be "
                                     "sorted by packed ZIP, kind, first version)"});
  EXPECT_EQ(DescriptionProblems("tdn\n  entry kind=2 first=3\n  entry kind=2 first=1\n"),
            std::vector<std::string>{"TDN.IDX record 1 (line 3): is out of order after record 0 (the records must be "
                                     "sorted by packed ZIP, kind, first version)"});
  EXPECT_EQ(DescriptionProblems("tdn\n  ida text=\"\\x14TWENTY CHARACTERS..\"\n  entry offset=0\n  entry offset=25 "
                                "first=2\n  entry first=9 end=9\n"),
            (std::vector<std::string>{
                "TDN.IDX record 0 (line 3): its name at offset 0 claims 20 characters; at most 19 are read",
                "TDN.IDX record 1 (line 4): bytes 7-10 (offset): the engine reads 20 bytes at offset 25, past the end "
                "of TDN.IDA (40 bytes)",
                "TDN.IDX record 2 (line 5): versions 9 to 9 (end excluded) hold no version 0 or above, so the record "
                "never matches"}));
  EXPECT_EQ(
      DescriptionProblems("tdn\n  ida text=\"\\x02\\x01\\x02                 \"\n  entry offset=0\n"),
      std::vector<std::string>{
          "TDN.IDX record 0 (line 3): its name at offset 0, \"\\x01\\x02\", holds characters that are not printable"});
  EXPECT_EQ(
      DescriptionProblems(
          "tdn\n  raw text=\"\\x0A\\x00\\x01\\x01\\x00\\x00\\x63\\x00\\x00\\x00\\x00\"\n  raw text=short\n  entry\n"),
      (std::vector<std::string>{
          "TDN.IDX record 0 (line 2): bytes 0-2 (zip): \"\\n\\x00\\x01\" is not a packed ZIP code or postal prefix",
          "TDN.IDX record 1 (line 3): is 5 bytes, not 11"}));
}

TEST(Tdn, FaultsSplitEachFileByItsRecords) {
  TempDirectory dir;
  BuildDataSet("tdn\n  entry zip=10001 name=A\n  entry zip=10002 name=B\n", dir.path());
  SwapRecords(dir / "TDN.IDA", 0, 1);
  EXPECT_EQ(platform::testing::ReadFileText(dir / "TDN.IDA"), NameEntry("B") + NameEntry("A"));
  DropRecord(dir / "TDN.IDX", 0);
  EXPECT_EQ(std::filesystem::file_size(dir / "TDN.IDX"), 11u);
}

}  // namespace
}  // namespace dataset
