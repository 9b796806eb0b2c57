// The one reader of decimal digits in text: counts, offsets, amounts, codes
// and factors read from data files and records.
//
// Overflow: every reader takes a limit, the largest magnitude its caller
// accepts (by default the largest the result type holds). Digits are
// accumulated in unsigned 64-bit arithmetic that never passes the limit: a
// value above it is held at the limit and `overflowed` is set, and the exact
// parse gives nothing. No number of digits, however long, overflows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace platform {

constexpr bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

inline constexpr std::uint64_t kUnlimitedDigits = std::numeric_limits<std::uint64_t>::max();
inline constexpr std::uint64_t kSignedDigitLimit = std::numeric_limits<std::int64_t>::max();

// Digits read as one unsigned number.
struct DigitRun {
  std::uint64_t value = 0;  // held at the limit when the digits exceed it
  std::size_t length = 0;   // digits read; 0 when there were none
  bool overflowed = false;  // the digits' value exceeded the limit
};

// The run of digits that starts text ("0042ab": 42, 4 digits; "ab": none).
DigitRun LeadingDigits(std::string_view text, std::uint64_t limit = kUnlimitedDigits);

// Every digit of text read as one number, whatever stands between them: a
// version "V 2.3" reads 23 (2 digits).
DigitRun ConcatenatedDigits(std::string_view text, std::uint64_t limit = kUnlimitedDigits);

// Every character of a fixed-width field as one decimal place, a character
// that is not a digit counting 0: " 1 3" reads 103 (4 places).
DigitRun PositionalDigits(std::string_view field, std::uint64_t limit = kUnlimitedDigits);

// A signed number at the start of text, read as atoi reads it: white space
// skipped, an optional '+' or '-', digits up to the first other character.
struct IntegerPrefix {
  std::int64_t value = 0;   // 0 when there is no digit; the magnitude is held at the limit
  std::size_t length = 0;   // characters read, white space and sign included; 0 when there is no digit
  bool overflowed = false;  // the magnitude exceeded the limit
};
IntegerPrefix LeadingInteger(std::string_view text, std::uint64_t limit = kSignedDigitLimit);

// A decimal number at the start of text, digits with an optional '.' and
// fraction ("12.5", "12.", ".5"), as a whole number of units of
// 10^-decimals: "12.5" with 2 decimals is 1250. Fraction digits past
// `decimals` are dropped, not rounded. No sign is read.
struct DecimalPrefix {
  std::uint64_t value = 0;         // held at the limit
  std::size_t length = 0;          // characters read, the point included; 0 when there is no digit
  std::size_t fractionDigits = 0;  // digits written after the point, dropped ones included
  bool overflowed = false;
};
DecimalPrefix LeadingDecimal(std::string_view text, int decimals, std::uint64_t limit = kUnlimitedDigits);

// A decimal number at the start of text as atof reads a plain decimal:
// white space skipped, an optional '+' or '-', digits with an optional
// point and fraction ("  -12.5x" is -12.5). No exponent is read; fraction
// digits past the ninth are dropped; the magnitude is held near 1.8e10.
// 0 when there is no digit.
double LeadingDecimalValue(std::string_view text);

// The whole field as an integer: an optional '+' or '-', then one or more
// digits and nothing else (no blank, no NUL). Nothing when the field holds
// anything else or its value lies outside least..most.
std::optional<std::int64_t> ParseInteger(std::string_view field, std::int64_t least, std::int64_t most);

// The whole field as digits only (no sign, no blank), at most `most`; nothing
// otherwise.
std::optional<std::uint64_t> ParseDigits(std::string_view field, std::uint64_t most = kUnlimitedDigits);

}  // namespace platform
