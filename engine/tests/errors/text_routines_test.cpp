#include "common/text_routines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorn {
namespace {

TEST(BlanksAndNuls, ConvertWithinTheFieldOnly) {
  std::string text("AB C  |  ", 9);
  BlanksToNuls(std::span<char>(text.data(), 6));
  EXPECT_EQ(text, std::string("AB\0C\0\0|  ", 9));
  EXPECT_STREQ(text.c_str(), "AB");

  NulsToBlanks(std::span<char>(text.data(), 4));
  EXPECT_EQ(text, std::string("AB C\0\0|  ", 9));
  NulsToBlanks(text);
  EXPECT_EQ(text, "AB C  |  ");
}

// All tokens of a text, and whether the cursor ended null.
std::vector<std::string> Tokens(std::string_view text, std::string_view delimiters) {
  std::vector<std::string> tokens;
  std::optional<std::string_view> cursor = text;
  while (std::optional<std::string_view> token = NextToken(cursor, delimiters)) {
    tokens.emplace_back(*token);
    if (tokens.size() > 100) break;
  }
  EXPECT_FALSE(cursor.has_value());
  return tokens;
}

using Strings = std::vector<std::string>;

TEST(NextToken, SplitsAFactorParameterLine) {
  EXPECT_EQ(Tokens("RADJF=1.05\r\n", " =\t\r\n"), (Strings{"RADJF", "1.05"}));
  EXPECT_EQ(Tokens("BRKS\tL5C* M1C+ M5CX\n", " =\t\r\n"), (Strings{"BRKS", "L5C*", "M1C+", "M5CX"}));
}

TEST(NextToken, CursorMovesBehindTheDelimiter) {
  const std::string_view line = "  NAME VALUE";
  std::optional<std::string_view> cursor = line;
  std::optional<std::string_view> token = NextToken(cursor, " ");
  ASSERT_TRUE(token.has_value());
  EXPECT_EQ(*token, "NAME");
  EXPECT_EQ(token->data(), line.data() + 2);
  ASSERT_TRUE(cursor.has_value());
  EXPECT_EQ(*cursor, "VALUE");

  token = NextToken(cursor, " ");
  EXPECT_EQ(token, "VALUE");
  EXPECT_FALSE(cursor.has_value());
  EXPECT_EQ(NextToken(cursor, " "), std::nullopt);
  EXPECT_FALSE(cursor.has_value());
}

TEST(NextToken, OnlyBlanksLeftGivesNoToken) {
  for (std::string_view text : {"", " ", " \t\r\n "}) {
    std::optional<std::string_view> cursor = text;
    EXPECT_EQ(NextToken(cursor, "="), std::nullopt);
    EXPECT_FALSE(cursor.has_value());
  }
}

TEST(NextToken, KeepsEmptyTokensAndNonDelimiterBlanks) {
  // Only the leading blanks are skipped; a delimiter right behind them, or
  // right behind another delimiter, ends an empty token.
  EXPECT_EQ(Tokens("a==b", "="), (Strings{"a", "", "b"}));
  EXPECT_EQ(Tokens(" ,a", ","), (Strings{"", "a"}));
  EXPECT_EQ(Tokens("RADJF = 1.05", " ="), (Strings{"RADJF", "", "1.05"}));
  EXPECT_EQ(Tokens("a b \t", ","), (Strings{"a b \t"}));
  EXPECT_EQ(Tokens("a,", ","), (Strings{"a"}));
}

TEST(NextToken, TextEndsAtItsFirstNul) {
  EXPECT_EQ(Tokens(std::string_view("ab\0cd ef", 8), " "), (Strings{"ab"}));
  EXPECT_EQ(Tokens(std::string_view("ab \0 cd", 7), " "), (Strings{"ab"}));
}

}  // namespace
}  // namespace vorn
