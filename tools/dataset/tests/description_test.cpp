// The description language: its syntax, and errors reported with the line
// at fault.
#include <gtest/gtest.h>

#include "dataset/data_set.h"
#include "test_support.h"

namespace dataset {
namespace {

using testing::Built;

TEST(Description, CommentsBlankLinesTabsAndCrLfAreIgnored) {
  const std::string text =
      "# a data set\r\n"
      "\n"
      "tda   # states\r\n"
      "\tstate number=1 code=AL   # tab-indented\r\n"
      "   \n"
      "  # a comment line inside the block\n"
      "  state number=2 code=AK";  // no final line feed
  EXPECT_EQ(Built(text, "TDA.SEQ"), "01AL \n02AK \n");
}

TEST(Description, QuotedValuesCarryBlanksAndEscapes) {
  EXPECT_EQ(Built("tda\n  state code=\"N Y\"\n", "TDA.SEQ"), "36N Y\n");
  EXPECT_EQ(Built("tda\n  raw text=\"a\\\"b\\\\c\\x41\\t\\r\\n\"\n", "TDA.SEQ"), "a\"b\\cA\t\r\n");
  // '#' begins a comment only where a token begins.
  EXPECT_EQ(Built("tda\n  state code=N#\n", "TDA.SEQ"), "36N# \n");
  // An empty value is a blank field.
  EXPECT_EQ(Built("efcrec\n  record type=\n", "EFCREC.TBL").substr(14, 1), " ");
}

TEST(Description, BlocksWithoutItemsDescribeEmptyFiles) {
  DataSet set = DataSet::Parse("tds\n");
  ASSERT_EQ(set.files().size(), 1u);
  EXPECT_EQ(set.files()[0].name, "TDS.SEQ");
  EXPECT_EQ(set.files()[0].content(), "");
}

TEST(Description, RecordsKeepTheirLinesAndOrder) {
  DataSet set = DataSet::Parse("\nefcrec raw\n  record kind=3\n\n  record kind=1\n");
  const DataFile* f = set.file("efcrec.tbl");
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->raw);
  EXPECT_EQ(f->line, 2);
  ASSERT_EQ(f->records.size(), 2u);
  EXPECT_EQ(f->records[0].line, 3);
  EXPECT_EQ(f->records[1].line, 5);
  EXPECT_EQ(f->records[0].bytes.substr(1, 3), "003");
  EXPECT_EQ(f->records[1].bytes.substr(1, 3), "001");
}

struct BadDescription {
  const char* text;
  int line;
  const char* message;  // a part of the message
};

void PrintTo(const BadDescription& bad, std::ostream* os) { *os << testing::TestName(bad.message); }

class DescriptionErrors : public ::testing::TestWithParam<BadDescription> {};

TEST_P(DescriptionErrors, NameTheLineAndTheFault) {
  const BadDescription& bad = GetParam();
  try {
    DataSet::Parse(bad.text);
    FAIL() << "accepted: " << bad.text;
  } catch (const DescriptionError& e) {
    EXPECT_EQ(e.line(), bad.line) << e.what();
    EXPECT_NE(e.message().find(bad.message), std::string::npos) << e.what();
    EXPECT_EQ(std::string(e.what()).rfind("line " + std::to_string(bad.line) + ": ", 0), 0u) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, DescriptionErrors,
    ::testing::Values(
        BadDescription{"# sets\n  record\n", 2, "outside any block"},
        BadDescription{"tda\n  state\nzip\n", 3, "unknown block 'zip' (blocks: efcrec, tda, tds, tdv,"},
        BadDescription{"tda checked\n", 1, "unknown word 'checked'"},
        BadDescription{"tda raw=yes\n", 1, "a tda block takes no field 'raw' (its header takes only the word raw)"},
        BadDescription{"tda\n\n  states number=1\n", 3, "unknown item 'states' in a tda block (items: state, raw)"},
        BadDescription{"tda\n  number=1\n", 2, "starts with its keyword"},
        BadDescription{"tda\n  state 36 NY\n", 2, "expected key=value, found '36'"},
        BadDescription{"tda\n  state code=NY code=CA\n", 2, "field 'code' is given twice"},
        BadDescription{"tda\n  state =NY\n", 2, "'=' without a field name"},
        BadDescription{"tda\n  state code=\"NY\n", 2, "quoted value is not closed"},
        BadDescription{"tda\n  state code=\"N\\qY\"\n", 2, "unknown escape \\q"},
        BadDescription{"tda\n  state code=\"\\x4\"\n", 2, "two hexadecimal digits"},
        BadDescription{"tda\n  state code=\"NY\"X\n", 2, "text after the closing quote"},
        BadDescription{"tda\n  state code=N\"Y\n", 2, "a quote inside a bare value"},
        BadDescription{"tda\n  raw\n", 2, "a raw item takes one field: text="},
        BadDescription{"tda\n  raw text=x kind=1\n", 2, "a raw item takes one field"},
        BadDescription{"tda\n  state\ntds\ntda\n", 4, "TDA.SEQ is already described by the block at line 1"}));

INSTANTIATE_TEST_SUITE_P(
    Fields, DescriptionErrors,
    ::testing::Values(
        BadDescription{"efcrec\n  record kinds=1\n", 2, "unknown field 'kinds' (fields: format, kind, date,"},
        BadDescription{"efcrec\n  record kind=A1\n", 2, "field 'kind': 'A1' is not an unsigned number"},
        BadDescription{"efcrec\n  record kind=-1\n", 2, "'-1' is not an unsigned number"},
        BadDescription{"efcrec\n  record kind=1000\n", 2, "field 'kind': 1000 does not fit in 3 digits"},
        BadDescription{"efcrec\n  record date=2024/01/01\n", 2, "'2024/01/01' is not a date written as 2024-01-01"},
        BadDescription{"efcrec\n  record date=20240101\n", 2, "'20240101' is not a date"},
        BadDescription{"efcrec\n  record name=TOOLONGNAME\n", 2,
                       "field 'name': 'TOOLONGNAME' is longer than 8 characters"},
        BadDescription{"efcrec\n  record suffix=1\n", 2, "must be exactly 2 characters"},
        BadDescription{"efcrec\n  record suffix.W=02\n", 2, "no file letter 'W' has a suffix field"},
        BadDescription{"tds\n  entry\n  entry slot=100\n", 3, "field 'slot': 100 does not fit in 2 digits"}));

TEST(Description, NumbersMayCarryLeadingZeros) {
  EXPECT_EQ(Built("tds\n  entry slot=002 kind=0007\n", "TDS.SEQ"), "020010010070070099\n");
}

TEST(Description, LoadReportsAFileThatCannotBeRead) { EXPECT_THROW(DataSet::Load("/nonexistent/set.ds"), Error); }

}  // namespace
}  // namespace dataset
