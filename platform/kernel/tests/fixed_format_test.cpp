#include "platform/kernel/fixed_format.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

std::string ZeroPad(std::int64_t value, std::size_t width, bool* fitted = nullptr) {
  std::string field(width, '#');
  bool ok = FormatZeroPadded(field, value);
  if (fitted) *fitted = ok;
  return field;
}

TEST(FixedFormat, ZeroPaddingFillsTheExactWidth) {
  EXPECT_EQ(ZeroPad(500, 6), "000500");  // what "%06s" of "500" must give
  EXPECT_EQ(ZeroPad(0, 4), "0000");
  EXPECT_EQ(ZeroPad(-1, 4), "-001");
  EXPECT_EQ(ZeroPad(9999, 4), "9999");
}

TEST(FixedFormat, ValueWiderThanTheFieldIsRefusedAndLeavesTheFieldAlone) {
  bool fitted = true;
  EXPECT_EQ(ZeroPad(65535, 4, &fitted), "####");
  EXPECT_FALSE(fitted);
  EXPECT_EQ(ZeroPad(-1000, 4, &fitted), "####");
  EXPECT_FALSE(fitted);

  std::string field(3, '#');
  EXPECT_FALSE(FormatRightAligned(field, 1000));
  EXPECT_EQ(field, "###");
  EXPECT_TRUE(FormatRightAligned(field, -5));
  EXPECT_EQ(field, " -5");
}

TEST(FixedFormat, ZeroPaddedStringGrowsLikePrintf) {
  EXPECT_EQ(ZeroPadded(7, 2), "07");
  EXPECT_EQ(ZeroPadded(123, 2), "123");
  EXPECT_EQ(ZeroPadded(-7, 3), "-07");
}

TEST(FixedFormat, ScannerReadsWidthLimitedNumbersAsScanfDoes) {
  // Leading blanks do not count toward the width: " 120240101" read as five
  // two-digit numbers is 12, 2, 40, 10, 1.
  FieldScanner blanks(" 120240101");
  EXPECT_EQ(blanks.number(2), 12);
  EXPECT_EQ(blanks.number(2), 2);
  EXPECT_EQ(blanks.number(2), 40);
  EXPECT_EQ(blanks.number(2), 10);
  EXPECT_EQ(blanks.number(2), 1);
  EXPECT_EQ(blanks.number(2), std::nullopt);

  FieldScanner zeros("0120240101");
  EXPECT_EQ(zeros.number(2), 1);
  EXPECT_EQ(zeros.number(2), 20);
  EXPECT_EQ(zeros.number(2), 24);
  EXPECT_EQ(zeros.number(2), 1);
  EXPECT_EQ(zeros.number(2), 1);
}

TEST(FixedFormat, ScannerSkipsSeparatorsAndReadsWords) {
  FieldScanner date("03/05-2026");
  EXPECT_EQ(date.number(2), 3);
  EXPECT_TRUE(date.skipChar());
  EXPECT_EQ(date.number(2), 5);
  EXPECT_TRUE(date.skipChar());
  EXPECT_EQ(date.number(4), 2026);

  FieldScanner state("36NY \n");
  EXPECT_EQ(state.number(2), 36);
  EXPECT_EQ(state.word(3), "NY");
  EXPECT_EQ(state.word(3), std::nullopt);

  FieldScanner sign("-4x");
  EXPECT_EQ(sign.number(2), -4);
  FieldScanner lone("-");
  EXPECT_EQ(lone.number(2), std::nullopt);
}

TEST(FixedFormat, FieldToIntegerReadsLikeAtoi) {
  EXPECT_EQ(FieldToInteger("  42xy"), 42);
  EXPECT_EQ(FieldToInteger("abc"), 0);
  EXPECT_EQ(FieldToInteger(std::string_view("12\0" "34", 5)), 12);
  EXPECT_EQ(FieldToInteger("-0017"), -17);
}

TEST(FixedFormat, TrimAndNulHelpers) {
  EXPECT_EQ(TrimTrailingBlanks(std::string_view("ab \t\0 ", 6)), "ab");
  EXPECT_EQ(UntilNul(std::string_view("ab\0cd", 5)), "ab");
  EXPECT_EQ(UntilNul("abc"), "abc");
}

}  // namespace
}  // namespace platform
