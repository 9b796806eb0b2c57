// TDA.SEQ and TDS.SEQ: lines built by field, decoding, and the checks.
#include <gtest/gtest.h>

#include "dataset/data_set.h"
#include "dataset/read_back.h"
#include "test_support.h"

namespace dataset {
namespace {

using testing::Built;
using testing::Messages;
using testing::Rebuilt;

TEST(Tda, LinesAreSixBytesWithALineFeedOnly) {
  EXPECT_EQ(Built("tda\n  state number=36 code=NY\n", "TDA.SEQ"), "36NY \n");
  EXPECT_EQ(Built("tda\n  state\n", "TDA.SEQ"), "36NY \n");
  EXPECT_EQ(Built("tda\n  state number=5 code=ON\n  state number=40 code=MEX\n", "TDA.SEQ"), "05ON \n40MEX\n");
}

TEST(Tda, DecodesToItemLinesAndBack) {
  const std::string content = "01AL \n05CA \n36NY \n40MEX\n";
  EXPECT_EQ(DecodeContent("TDA.SEQ", content),
            "tda\n  state number=1 code=AL\n  state number=5 code=CA\n  state\n  state number=40 code=MEX\n");
  EXPECT_EQ(Rebuilt("tda", content), content);
  // A line that fields cannot build stays raw, and the block is marked raw.
  const std::string odd = "36NY \r\n";
  EXPECT_EQ(DecodeContent("tda", odd),
            "# TDA.SEQ record 0: does not end in \"\\n\"\n"
            "# TDA.SEQ record 1: is 1 bytes, not 6\n"
            "tda raw\n  raw text=\"36NY \\r\"\n  raw text=\"\\n\"\n");
  EXPECT_EQ(Rebuilt("tda", odd), odd);
}

TEST(Tda, ChecksRefuseUnsortedOddAndEmptyTables) {
  EXPECT_TRUE(Messages("tda", "01AL \n05CA \n36NY \n").empty());
  EXPECT_EQ(Messages("tda", ""), std::vector<std::string>{"holds 0 lines; at least 1 needed"});
  EXPECT_EQ(Messages("tda", "36NY \n05CA \n"),
            std::vector<std::string>{
                "1: state 05 is out of order after state 36 (the lines must be sorted by state number)"});
  EXPECT_EQ(Messages("tda", "05CA \n05ON \n"),
            std::vector<std::string>{"1: state 05 appears twice (the lines must be sorted by state number)"});
  EXPECT_EQ(Messages("tda", "36NY\n"), std::vector<std::string>{"0: is 5 bytes, not 6"});
  EXPECT_EQ(Messages("tda", " 5CA \n"),
            std::vector<std::string>{"0: columns 0-1 (number): \" 5\" is not a two-digit state number"});
  EXPECT_EQ(Messages("tda", "05 CA\n"),
            std::vector<std::string>{"0: columns 2-4 (code): \" CA\" does not begin with a two-letter abbreviation"});
  EXPECT_EQ(Messages("tda", "05ca \n"),
            std::vector<std::string>{"0: columns 2-4 (code): \"ca \" does not begin with a two-letter abbreviation"});
}

TEST(Tds, LinesAreZeroPaddedDigits) {
  EXPECT_EQ(Built("tds\n  entry\n", "TDS.SEQ"), "010010010010010099\n");
  EXPECT_EQ(Built("tds\n  entry slot=1 a=1 b=1 kind=1 alt=1 first=0 last=99\n", "TDS.SEQ"), "010010010010010099\n");
  EXPECT_EQ(Built("tds\n  entry slot=12 a=345 b=6 kind=78 alt=9 first=10 last=20\n", "TDS.SEQ"),
            "123450060780091020\n");
}

TEST(Tds, TheAlternateKindDefaultsToTheKind) {
  EXPECT_EQ(Built("tds\n  entry kind=7\n", "TDS.SEQ"), "010010010070070099\n");
  EXPECT_EQ(Built("tds\n  entry kind=7 alt=1\n", "TDS.SEQ"), "010010010070010099\n");
  EXPECT_EQ(Built("tds\n  entry alt=7\n", "TDS.SEQ"), "010010010010070099\n");
}

TEST(Tds, DecodesToItemLinesAndBack) {
  const std::string content = Built(
      "tds\n  entry\n  entry slot=2 kind=7\n  entry slot=3 a=4 b=5 kind=7 alt=1 first=3 last=10\n  entry alt=9 "
      "last=50\n",
      "TDS.SEQ");
  EXPECT_EQ(DecodeContent("tds", content),
            "tds\n  entry\n  entry slot=2 kind=7\n  entry slot=3 a=4 b=5 kind=7 alt=1 first=3 last=10\n  entry alt=9 "
            "last=50\n");
  EXPECT_EQ(Rebuilt("tds", content), content);
  EXPECT_EQ(DecodeContent("tds", ""), "tds\n");

  // Blank padding reads differently in the engine: such a line stays raw.
  const std::string padded = " 1  1  1  1  1 099\n";
  EXPECT_EQ(DecodeContent("tds", padded),
            "# TDS.SEQ record 0: \" 1  1  1  1  1 099\\n\" is not 18 zero-padded digits and a line feed\n"
            "tds raw\n  raw text=\" 1  1  1  1  1 099\\n\"\n");
  EXPECT_EQ(Rebuilt("tds", padded), padded);
}

TEST(Tds, ChecksRefuseBadSlotsVersionsAndTooManyLines) {
  EXPECT_TRUE(Messages("tds", "").empty());
  EXPECT_TRUE(
      Messages("tds", Built("tds\n  entry slot=1\n  entry slot=50\n  entry first=5 last=5\n", "TDS.SEQ")).empty());
  EXPECT_EQ(Messages("tds", Built("tds raw\n  entry slot=0\n  entry slot=51\n", "TDS.SEQ")),
            (std::vector<std::string>{"0: columns 0-1 (slot): slot 0 is outside 1-50",
                                      "1: columns 0-1 (slot): slot 51 is outside 1-50"}));
  EXPECT_EQ(Messages("tds", Built("tds raw\n  entry first=6 last=5\n", "TDS.SEQ")),
            std::vector<std::string>{"0: first version 6 is above last version 5, so the line never matches"});
  EXPECT_EQ(Messages("tds", "010010010010010099"),
            std::vector<std::string>{"0: \"010010010010010099\" is not 18 zero-padded digits and a line feed"});

  std::string lines;
  for (int i = 0; i < 300; ++i) lines += "010010010010010099\n";
  EXPECT_TRUE(Messages("tds", lines).empty());
  EXPECT_EQ(Messages("tds", lines + "010010010010010099\n"),
            std::vector<std::string>{"holds 301 lines; at most 300 are read"});
}

}  // namespace
}  // namespace dataset
