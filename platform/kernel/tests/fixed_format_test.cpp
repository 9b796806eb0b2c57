#include "platform/kernel/fixed_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <limits>
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

TEST(FixedFormat, DecimalTextRoundsTheExactBinaryValueWithHalvesAwayFromZero) {
  struct Case {
    double value;
    int width;
    int decimals;
    Padding padding;
    std::string_view text;
  } const cases[] = {
      {748.81, 7, 2, Padding::Zeros, "0748.81"},
      {748.81f, 7, 2, Padding::Zeros, "0748.81"},
      {12.5, 5, 0, Padding::Zeros, "00013"},   // an exact half: away from zero
      {0.125, 0, 2, Padding::Blanks, "0.13"},  // an exact half
      {2.675, 0, 2, Padding::Blanks, "2.67"},  // binary value just below the half
      {1.005, 0, 2, Padding::Blanks, "1.00"},  // likewise
      {7.5 * 100, 5, 0, Padding::Zeros, "00750"},
      {0.5, 0, 0, Padding::Blanks, "1"},
      {2.5, 0, 0, Padding::Blanks, "3"},
      {-2.5, 0, 0, Padding::Blanks, "-3"},
      {-0.125, 0, 2, Padding::Blanks, "-0.13"},
      {-1.5, 7, 2, Padding::Zeros, "-001.50"},
      {-1.5, 7, 2, Padding::Blanks, "  -1.50"},
      {-0.001, 6, 2, Padding::Blanks, " -0.00"},
      {-0.0, 5, 2, Padding::Blanks, " 0.00"},
      {0.0, 5, 2, Padding::Zeros, "00.00"},
      {0.0, 5, 0, Padding::Zeros, "00000"},
      {5.25, 5, 2, Padding::Zeros, "05.25"},
      {5.25, 5, 2, Padding::Blanks, " 5.25"},
      {99.999, 6, 2, Padding::Blanks, "100.00"},
      {1234.5, 9, 2, Padding::Blanks, "  1234.50"},
      {-98765.432, 11, 2, Padding::Blanks, "  -98765.43"},
      {1234.5, 5, 2, Padding::Blanks, "1234.50"},  // wider than the width, as printf
      {-123456.0, 7, 2, Padding::Zeros, "-123456.00"},
      {1e20, 0, 2, Padding::Blanks, "100000000000000000000.00"},
      {4.9406564584124654e-324, 0, 2, Padding::Blanks, "0.00"},
      {0.1, 0, 20, Padding::Blanks, "0.10000000000000000555"},
      {std::numeric_limits<double>::infinity(), 6, 2, Padding::Zeros, "   inf"},
      {-std::numeric_limits<double>::infinity(), 0, 2, Padding::Zeros, "-inf"},
      {std::numeric_limits<double>::quiet_NaN(), 5, 2, Padding::Zeros, "  nan"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(DecimalText(c.value, c.width, c.decimals, c.padding), c.text);
  }
  EXPECT_EQ(DecimalText(1.7976931348623157e308, 0, 0).size(), 309u);
}

// Away from exact halves the text is the one printf gives.
TEST(FixedFormat, DecimalTextAgreesWithPrintfWhereNoHalfIsRounded) {
  const char* const formats[] = {"%7.2f", "%9.2f", "%11.2f", "%07.2f", "%05.0f", "%05.2f", "%5.2f", "%6.2f"};
  std::uint64_t seed = 12345;
  int compared = 0;
  for (int i = 0; i < 4000; ++i) {
    seed = seed * 6364136223846793005u + 1442695040888963407u;
    const double magnitude =
        static_cast<double>(seed >> 11) / static_cast<double>(1ull << 53) * std::pow(10.0, i % 9 - 2);
    const double value = (seed & 1) ? -magnitude : magnitude;
    const char* format = formats[i % std::size(formats)];
    const int width = std::atoi(format + (format[1] == '0' ? 2 : 1));
    const int decimals = format[std::string_view(format).find('.') + 1] - '0';
    char exact[128];
    std::snprintf(exact, sizeof exact, "%.*f", decimals + 30, magnitude);
    const std::string_view beyond = std::string_view(exact).substr(std::string_view(exact).find('.') + 1 + decimals);
    if (beyond.find_first_not_of('0', 1) == std::string_view::npos && beyond[0] == '5') continue;  // an exact half
    char expected[128];
    std::snprintf(expected, sizeof expected, format, value);
    const Padding padding = format[1] == '0' ? Padding::Zeros : Padding::Blanks;
    ASSERT_EQ(DecimalText(value, width, decimals, padding), expected) << format << " of " << exact;
    ++compared;
  }
  EXPECT_GT(compared, 3900);
}

// Every magnitude and number of decimals, on either side of the 128-bit
// arithmetic that serves most of them: the exact digits printf gives.
TEST(FixedFormat, DecimalTextIsExactAtEveryMagnitudeAndPrecision) {
  std::uint64_t seed = 987654321;
  int compared = 0;
  for (int i = 0; i < 6000; ++i) {
    seed = seed * 6364136223846793005u + 1442695040888963407u;
    const double value = std::ldexp(static_cast<double>(seed >> 11), i % 200 - 170) * ((seed & 1) ? -1 : 1);
    const int decimals = i % 26;
    char exact[512];
    std::snprintf(exact, sizeof exact, "%.*f", decimals + 200, value);
    const std::string_view beyond = std::string_view(exact).substr(std::string_view(exact).find('.') + 1 + decimals);
    if (beyond.find_first_not_of('0', 1) == std::string_view::npos && beyond[0] == '5') continue;  // an exact half
    char expected[512];
    std::snprintf(expected, sizeof expected, "%0*.*f", 12, decimals, value);
    ASSERT_EQ(DecimalText(value, 12, decimals, Padding::Zeros), expected) << exact;
    ++compared;
  }
  EXPECT_GT(compared, 5900);
}

TEST(FixedFormat, FixedPointTextLaysOutWholeUnitsExactly) {
  struct Case {
    std::int64_t units;
    int width;
    int decimals;
    Padding padding;
    std::string_view text;
  } const cases[] = {
      {1250, 0, 2, Padding::Blanks, "12.50"},
      {-5, 0, 2, Padding::Blanks, "-0.05"},
      {0, 5, 2, Padding::Zeros, "00.00"},
      {0, 6, 0, Padding::Blanks, "     0"},
      {-150, 7, 2, Padding::Zeros, "-001.50"},
      {-150, 7, 2, Padding::Blanks, "  -1.50"},
      {74881, 7, 2, Padding::Zeros, "0748.81"},
      {123456, 5, 2, Padding::Blanks, "1234.56"},  // wider than the width
      {42, 5, 0, Padding::Blanks, "   42"},
      {7, 0, 3, Padding::Blanks, "0.007"},
      {INT64_MIN, 0, 0, Padding::Blanks, "-9223372036854775808"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(FixedPointText(c.units, c.width, c.decimals, c.padding), c.text);
  }
  // Written into a room: the text at its start when it fits, else nothing.
  std::string room(8, '#');
  EXPECT_EQ(WriteFixedPoint(room, 4472, 7, 2), 7u);
  EXPECT_EQ(room, "  44.72#");
  EXPECT_EQ(WriteFixedPoint(room, 1234567, 7, 2, Padding::Zeros), 8u);  // wider than the width, not the room
  EXPECT_EQ(room, "12345.67");
  EXPECT_EQ(WriteFixedPoint(room, -1234567, 7, 2), std::nullopt);
  EXPECT_EQ(room, "12345.67");
  // Cents as the engine answers them (below 10^13) give the text of the
  // value they stand for.
  std::uint64_t seed = 4242;
  for (int i = 0; i < 2000; ++i) {
    seed = seed * 6364136223846793005u + 1442695040888963407u;
    const auto cents = static_cast<std::int64_t>((seed >> 20) % 10'000'000'000'000u) * ((seed & 1) ? -1 : 1);
    const Padding padding = (seed & 2) ? Padding::Zeros : Padding::Blanks;
    ASSERT_EQ(FixedPointText(cents, 9, 2, padding), DecimalText(static_cast<double>(cents) / 100.0, 9, 2, padding))
        << cents;
  }
}

TEST(FixedFormat, DecimalFieldsRefuseTextsThatDoNotFit) {
  std::string field(7, '#');
  EXPECT_TRUE(FormatDecimal(field, 748.81, 2, Padding::Zeros));
  EXPECT_EQ(field, "0748.81");
  EXPECT_FALSE(FormatDecimal(field, 12345.678, 2, Padding::Zeros));
  EXPECT_EQ(field, "0748.81");
  EXPECT_FALSE(FormatDecimal(field, -1234.5, 2));
  EXPECT_EQ(field, "0748.81");
  EXPECT_TRUE(FormatDecimal(field, -123.5, 2));
  EXPECT_EQ(field, "-123.50");
}

TEST(FixedFormat, IntegerWithNoPrecisionPrintsZeroAsBlanks) {
  EXPECT_EQ(RightAlignedOmittingZero(0, 6), "      ");
  EXPECT_EQ(RightAlignedOmittingZero(42, 6), "    42");
  EXPECT_EQ(RightAlignedOmittingZero(-42, 4), " -42");
  EXPECT_EQ(RightAlignedOmittingZero(1234567, 6), "1234567");
  EXPECT_EQ(RightAlignedOmittingZero(0, 0), "");
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
  EXPECT_EQ(FieldToInteger(std::string_view("12\0"
                                            "34",
                                            5)),
            12);
  EXPECT_EQ(FieldToInteger("-0017"), -17);
  EXPECT_EQ(FieldToInteger("99999999999999999999"), 2147483647);
  EXPECT_EQ(FieldToInteger("-99999999999999999999"), -2147483647);
  EXPECT_EQ(FieldToInteger(std::string(28, ' ') + "5"), 0);  // past the 28 characters read
}

TEST(FixedFormat, PaddedTextWidensAndCutsAsPrintfDoes) {
  struct Case {
    const char* format;
    std::string_view text;
    std::size_t width;
    Align align;
    std::size_t precision;
    std::string expected;
  } const cases[] = {
      {"%16s", "Profile:", 16, Align::Right, kWholeText, "        Profile:"},
      {"%16s", "A label of twenty chars", 16, Align::Right, kWholeText, "A label of twenty chars"},
      {"%8.8s", "M10M", 8, Align::Right, 8, "    M10M"},
      {"%8.8s", "0123456789", 8, Align::Right, 8, "01234567"},
      {"%-4.3s", "FAK", 4, Align::Left, 3, "FAK "},
      {"%-4.3s", "12345", 4, Align::Left, 3, "123 "},
      {"%6.6s", "", 6, Align::Right, 6, "      "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    EXPECT_EQ(PaddedText(c.text, c.width, c.align, c.precision), c.expected);
  }
}

TEST(FixedFormat, TrimAndNulHelpers) {
  EXPECT_EQ(TrimTrailingBlanks(std::string_view("ab \t\0 ", 6)), "ab");
  EXPECT_EQ(UntilNul(std::string_view("ab\0cd", 5)), "ab");
  EXPECT_EQ(UntilNul("abc"), "abc");
}

}  // namespace
}  // namespace platform
