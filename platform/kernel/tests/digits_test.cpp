#include "platform/kernel/digits.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

constexpr std::uint64_t kInt32Max = 2147483647;

TEST(Digits, RunsHoldTheirValueAtTheLimit) {
  using Reader = DigitRun (*)(std::string_view, std::uint64_t);
  const Reader leading = LeadingDigits;
  const Reader all = ConcatenatedDigits;   // a version "V 2.3" reads 23
  const Reader places = PositionalDigits;  // a fixed-width field, other characters 0
  struct Case {
    Reader read;
    std::string_view text;
    std::uint64_t limit;
    std::uint64_t value;
    std::size_t length;
    bool overflowed;
  } const cases[] = {
      {leading, "0042ab", kUnlimitedDigits, 42, 4, false},
      {leading, "ab12", kUnlimitedDigits, 0, 0, false},
      {leading, "", kUnlimitedDigits, 0, 0, false},
      {leading, "2147483647", kInt32Max, kInt32Max, 10, false},
      {leading, "2147483648", kInt32Max, kInt32Max, 10, true},
      {leading, "99999999999999999999999999999999x", kInt32Max, kInt32Max, 32, true},
      {leading, "18446744073709551615", kUnlimitedDigits, kUnlimitedDigits, 20, false},
      {leading, "18446744073709551616", kUnlimitedDigits, kUnlimitedDigits, 20, true},
      {leading, "100", 99, 99, 3, true},
      {leading, "5", 0, 0, 1, true},
      // Limits around one digit's room.
      {leading, "8", 8, 8, 1, false},
      {leading, "9", 8, 8, 1, true},
      {leading, "10", 9, 9, 2, true},
      {leading, "10", 10, 10, 2, false},
      {leading, "11", 10, 10, 2, true},
      {leading, "100", 100, 100, 3, false},
      {all, "V 2.3", kUnlimitedDigits, 23, 2, false},
      {all, "v10.02 ", kUnlimitedDigits, 1002, 4, false},
      {all, "none", kUnlimitedDigits, 0, 0, false},
      {all, "1.2.3.4.5.6.7.8.9.0.1", kInt32Max, kInt32Max, 11, true},
      {places, " 1 3", kUnlimitedDigits, 103, 4, false},
      {places, "ab", kUnlimitedDigits, 0, 2, false},
      {places, "9x9x9x9x9x9x9x9x9x9x9", kInt32Max, kInt32Max, 21, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    const DigitRun run = c.read(c.text, c.limit);
    EXPECT_EQ(run.value, c.value);
    EXPECT_EQ(run.length, c.length);
    EXPECT_EQ(run.overflowed, c.overflowed);
  }
}

TEST(Digits, LeadingIntegerReadsLikeAtoiWithoutOverflow) {
  struct Case {
    std::string_view text;
    std::uint64_t limit;
    std::int64_t value;
    std::size_t length;
    bool overflowed;
  } const cases[] = {
      {"  42xy", kSignedDigitLimit, 42, 4, false},
      {"\t-0017", kSignedDigitLimit, -17, 6, false},
      {"+5", kSignedDigitLimit, 5, 2, false},
      {"- 5", kSignedDigitLimit, 0, 0, false},
      {"   ", kSignedDigitLimit, 0, 0, false},
      {"-99999999999", kInt32Max, -2147483647, 12, true},
      {"99999999999999999999999", kUnlimitedDigits, 9223372036854775807, 23, true},
      {"-9223372036854775807", kUnlimitedDigits, -9223372036854775807, 20, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    const IntegerPrefix n = LeadingInteger(c.text, c.limit);
    EXPECT_EQ(n.value, c.value);
    EXPECT_EQ(n.length, c.length);
    EXPECT_EQ(n.overflowed, c.overflowed);
  }
}

TEST(Digits, LeadingDecimalScalesToWholeUnits) {
  struct Case {
    std::string_view text;
    int decimals;
    std::uint64_t limit;
    std::uint64_t value;
    std::size_t length;
    std::size_t fractionDigits;
    bool overflowed;
  } const cases[] = {
      {"12.5", 2, kUnlimitedDigits, 1250, 4, 1, false},
      {"12.", 4, kUnlimitedDigits, 120000, 3, 0, false},
      {".5x", 4, kUnlimitedDigits, 5000, 2, 1, false},
      {"1.23456", 4, kUnlimitedDigits, 12345, 7, 5, false},
      {"7", 0, kUnlimitedDigits, 7, 1, 0, false},
      {".", 2, kUnlimitedDigits, 0, 0, 0, false},
      {"-1", 2, kUnlimitedDigits, 0, 0, 0, false},
      // A factor of many whole digits and many decimals: held, never wrapped.
      {"12345678901234567890123.123456789012345", 11, kInt32Max, kInt32Max, 39, 15, true},
      {"214748.3647", 4, kInt32Max, kInt32Max, 11, 4, false},
      {"214748.3648", 4, kInt32Max, kInt32Max, 11, 4, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    const DecimalPrefix n = LeadingDecimal(c.text, c.decimals, c.limit);
    EXPECT_EQ(n.value, c.value);
    EXPECT_EQ(n.length, c.length);
    EXPECT_EQ(n.fractionDigits, c.fractionDigits);
    EXPECT_EQ(n.overflowed, c.overflowed);
  }
}

TEST(Digits, LeadingDecimalValueReadsLikeAtofWithoutAnExponent) {
  struct Case {
    std::string_view text;
    double value;
  } const cases[] = {
      {"  125.40", 125.40},
      {"-12.5x", -12.5},
      {"+.25", 0.25},
      {"\t7", 7.0},
      {"35.00\0"
       "9",
       35.0},
      {"", 0.0},
      {"-", 0.0},
      {"abc", 0.0},
      {"1e3", 1.0},
      {"000748.81", 748.81},
      {"   ", 0.0},
      {"\t99.99 ", 99.99},
      {"1.2345678912", 1.234567891},
      {"99999999999999999999", 18446744073.709551615},  // held, never wrapped
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_DOUBLE_EQ(LeadingDecimalValue(c.text), c.value);
  }
}

TEST(Digits, ExactParsesTakeTheWholeFieldWithinTheRange) {
  struct Case {
    std::string_view field;
    std::int64_t least;
    std::int64_t most;
    std::optional<std::int64_t> value;
  } const cases[] = {
      {"42", 0, 99, 42},
      {"-7", -10, 10, -7},
      {"+7", -10, 10, 7},
      {"007", 0, 10, 7},
      {"100", 0, 99, std::nullopt},
      {"-11", -10, 10, std::nullopt},
      {"-0", 1, 5, std::nullopt},
      {"-1", 0, 5, std::nullopt},
      {"", 0, 5, std::nullopt},
      {"-", -5, 5, std::nullopt},
      {" 4", 0, 5, std::nullopt},
      {"4 ", 0, 5, std::nullopt},
      {std::string_view("4\0", 2), 0, 5, std::nullopt},
      {"1e3", 0, 5000, std::nullopt},
      {"-9223372036854775808", INT64_MIN, INT64_MAX, INT64_MIN},
      {"9223372036854775807", INT64_MIN, INT64_MAX, INT64_MAX},
      {"9223372036854775808", INT64_MIN, INT64_MAX, std::nullopt},
      {"99999999999999999999999999", INT64_MIN, INT64_MAX, std::nullopt},
      {"-5", -10, -3, -5},
      {"5", 10, 3, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.field));
    EXPECT_EQ(ParseInteger(c.field, c.least, c.most), c.value);
  }
  EXPECT_EQ(ParseDigits("18446744073709551615"), kUnlimitedDigits);
  EXPECT_EQ(ParseDigits("18446744073709551616"), std::nullopt);
  EXPECT_EQ(ParseDigits("+1"), std::nullopt);
  EXPECT_EQ(ParseDigits("12345", 9999), std::nullopt);
}

}  // namespace
}  // namespace platform
