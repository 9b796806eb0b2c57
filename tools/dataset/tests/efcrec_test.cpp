// EFCREC.TBL: records built by field, the raw form, decoding, and the checks.
#include <gtest/gtest.h>

#include "dataset/data_set.h"
#include "dataset/read_back.h"
#include "test_support.h"

namespace dataset {
namespace {

using testing::Built;
using testing::Rebuilt;

// The one-record EFCREC.TBL of the minimal engine data set, column by column.
const std::string kMinimalRecord = std::string("B") + "001" + "20240101" + "01" + "0" + " " + " " + "00" + "TSTFRT01" +
                                   "010101010101" + "4.5  " + "   " + "N" + "N" + std::string(19, ' ') + "   " + "00" +
                                   "N" + "\r\n";

std::string WithColumns(std::size_t column, std::string_view text) {
  std::string record = kMinimalRecord;
  record.replace(column, text.size(), text);
  return record;
}

std::vector<std::string> Messages(std::string_view content) {
  std::vector<std::string> out;
  for (const Problem& p : CheckContent("efcrec", content)) out.push_back(p.message);
  return out;
}

TEST(Efcrec, TheDefaultRecordIsTheMinimalDataSetRecord) {
  ASSERT_EQ(kMinimalRecord.size(), 76u);
  EXPECT_EQ(Built("efcrec\n  record\n", "EFCREC.TBL"), kMinimalRecord);
  EXPECT_TRUE(CheckContent("efcrec", kMinimalRecord).empty());
}

TEST(Efcrec, EveryFieldLandsInItsColumns) {
  const std::string one = Built(
      "efcrec\n  record format=A kind=123 date=1999-12-31 sequence=45 type=N base=3 lane=L lane-digits=7 name=ABCDEFGH "
      "suffix.J=11 suffix.Z=12 suffix.T=13 suffix.D=14 suffix.E=15 suffix.C=16 version=4.18 flag44=a flag45=S "
      "flag46=b country=C letter=X filler=F flag68=c version-flag=Q substitute=M substitute-suffix=17 flag73=0\n",
      "EFCREC.TBL");
  EXPECT_EQ(one, std::string("A") + "123" + "19991231" + "45" + "N" + "3" + "L" + "07" + "ABCDEFGH" + "111213141516" +
                     "4.18 " + "aSb" + "C" + "X" + "F" + std::string(18, ' ') + "c" + "Q" + "M" + "17" + "0" + "\r\n");
}

TEST(Efcrec, SuffixesAreSetTogetherOrByAnyLetterOfTheirField) {
  EXPECT_EQ(Built("efcrec\n  record suffix=07\n", "EFCREC.TBL").substr(27, 12), "070707070707");
  // A later field overrides: all 02, then the M/R/Z field 03 and the C/F field 04.
  EXPECT_EQ(Built("efcrec\n  record suffix=02 suffix.m=03 suffix.F=04\n", "EFCREC.TBL").substr(27, 12), "020302020204");
  EXPECT_EQ(Built("efcrec\n  record suffix.I=A1\n", "EFCREC.TBL").substr(27, 12), "A10101010101");
}

TEST(Efcrec, RecordsAreWrittenInTheOrderGivenAndRawTextVerbatim) {
  const std::string raw = WithColumns(19, "OTHERNAM");
  std::string escaped;
  for (char c : raw) escaped += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
  const std::string content =
      Built("efcrec\n  record kind=9\n  raw text=\"" + escaped + "\"\n  record\n", "EFCREC.TBL");
  ASSERT_EQ(content.size(), 3 * 76u);
  EXPECT_EQ(content.substr(0, 76), WithColumns(1, "009"));
  EXPECT_EQ(content.substr(76, 76), raw);
  EXPECT_EQ(content.substr(152, 76), kMinimalRecord);
}

TEST(Efcrec, DecodingGivesTheShortestItemLines) {
  const std::string content = Built(
      "efcrec\n"
      "  record\n"
      "  record kind=2 name=TSTBASE1 date=2023-06-30 suffix=02 suffix.R=03 version=4.18\n"
      "  record suffix.P=05 letter=Y country=Y flag45=S\n",
      "EFCREC.TBL");
  EXPECT_EQ(DecodeContent("efcrec", content),
            "efcrec\n"
            "  record\n"
            "  record kind=2 date=2023-06-30 name=TSTBASE1 suffix=02 suffix.R=03 version=4.18\n"
            "  record suffix.P=05 flag45=S country=Y letter=Y\n");
  EXPECT_EQ(Rebuilt("efcrec", content), content);
}

TEST(Efcrec, RecordsFieldsCannotExpressDecodeRawAndRebuildTheSameBytes) {
  const std::string content = WithColumns(1, "0A1") + kMinimalRecord.substr(0, 75);  // a bad kind, then a 75-byte piece
  const std::string text = DecodeContent("efcrec", content);
  EXPECT_NE(text.find("\nefcrec raw\n"), std::string::npos) << text;
  EXPECT_NE(text.find("# EFCREC.TBL record 0: columns 1-3 (kind): \"0A1\" is not a three-digit tariff kind\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("  raw text=\"B0A120240101"), std::string::npos) << text;
  EXPECT_EQ(Rebuilt("efcrec", content), content);
}

struct BadColumn {
  std::size_t column;
  const char* text;
  const char* message;  // the start of the message
};

void PrintTo(const BadColumn& bad, std::ostream* os) { *os << 'c' << bad.column << '_' << testing::TestName(bad.text); }

class EfcrecColumnChecks : public ::testing::TestWithParam<BadColumn> {};

TEST_P(EfcrecColumnChecks, RefuseInvalidContents) {
  const BadColumn& bad = GetParam();
  const std::vector<std::string> messages = Messages(WithColumns(bad.column, bad.text));
  ASSERT_EQ(messages.size(), 1u) << ::testing::PrintToString(messages);
  EXPECT_EQ(messages[0].rfind(bad.message, 0), 0u) << messages[0];
}

INSTANTIATE_TEST_SUITE_P(
    Columns, EfcrecColumnChecks,
    ::testing::Values(
        BadColumn{0, "C", "column 0 (format): \"C\""}, BadColumn{1, "0A1", "columns 1-3 (kind)"},
        BadColumn{4, "20240230", "columns 4-11 (date): \"20240230\" is not a date"},
        BadColumn{4, "20241301", "columns 4-11 (date)"}, BadColumn{4, "2024 101", "columns 4-11 (date)"},
        BadColumn{12, "A1", "columns 12-13 (sequence)"},
        BadColumn{14, "Q", "column 14 (type): \"Q\" is not a tariff type"},
        BadColumn{14, "N", "column 15 (base): \" \" is not a tariff type (a type-'N' tariff needs"},
        BadColumn{15, "Z", "column 15 (base)"}, BadColumn{16, "B", "column 16 (lane)"},
        BadColumn{17, "0x", "columns 17-18 (lane-digits)"}, BadColumn{19, " TSTFRT0", "columns 19-26 (name)"},
        BadColumn{19, "tstfrt01", "columns 19-26 (name)"}, BadColumn{19, "        ", "columns 19-26 (name)"},
        BadColumn{19, "TST FRT1", "columns 19-26 (name)"}, BadColumn{29, "0 ", "columns 29-30 (suffix.R)"},
        BadColumn{37, "..", "columns 37-38 (suffix.F)"}, BadColumn{39, "45   ", "columns 39-43 (version)"},
        BadColumn{39, "4.   ", "columns 39-43 (version)"}, BadColumn{39, " 4.5 ", "columns 39-43 (version)"},
        BadColumn{44, "\x01", "column 44 (flag44): \"\\x01\""}, BadColumn{47, "I", "column 47 (country)"},
        BadColumn{48, "Q", "column 48 (letter)"}, BadColumn{60, "x", "columns 49-67 (filler)"},
        BadColumn{69, "a", "column 69 (version-flag)"}, BadColumn{70, "N", "column 70 (substitute)"},
        BadColumn{71, "0A", "columns 71-72 (substitute-suffix)"}, BadColumn{73, "Y", "column 73 (flag73)"}));

TEST(Efcrec, ChecksAcceptWhatTheColumnsAllow) {
  for (const std::string& record :
       {WithColumns(14, "N0"), WithColumns(14, "Y"), WithColumns(4, "20240229"), WithColumns(19, "AB      "),
        WithColumns(39, "4.18 "), WithColumns(69, "0"), WithColumns(69, "Q"), WithColumns(70, "M"),
        WithColumns(16, "L05"), WithColumns(0, "A").replace(49, 3, "XYZ"), WithColumns(47, "MP"),
        WithColumns(73, "0")}) {
    EXPECT_TRUE(CheckContent("efcrec", record).empty()) << record << ::testing::PrintToString(Messages(record));
  }
}

TEST(Efcrec, ChecksRefuseBadRecordShapesAndCounts) {
  EXPECT_EQ(Messages(""), std::vector<std::string>{"holds 0 records; at least 1 needed"});
  EXPECT_EQ(Messages(kMinimalRecord + kMinimalRecord.substr(0, 75)), std::vector<std::string>{"is 75 bytes, not 76"});
  EXPECT_EQ(Messages(kMinimalRecord.substr(0, 74) + "\n\n"), std::vector<std::string>{"does not end in \"\\r\\n\""});

  std::string full;
  for (int i = 0; i < 5000; ++i) full += kMinimalRecord;
  EXPECT_TRUE(Messages(full).empty());
  EXPECT_EQ(Messages(full + kMinimalRecord), std::vector<std::string>{"holds 5001 records; at most 5000 are read"});
}

TEST(Efcrec, ProblemsNameTheRecordAndItsDescriptionLine) {
  DataSet set = DataSet::Parse("efcrec\n  record\n\n  record type=Q\n");
  const std::vector<Problem> problems = set.check();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].file, "EFCREC.TBL");
  EXPECT_EQ(problems[0].record, 1u);
  EXPECT_EQ(problems[0].line, 4);
  EXPECT_EQ(problems[0].text(), "EFCREC.TBL record 1 (line 4): column 14 (type): \"Q\" is not a tariff type");
}

}  // namespace
}  // namespace dataset
