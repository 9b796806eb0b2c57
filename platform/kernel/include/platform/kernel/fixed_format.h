// Fixed-width number and text formatting, and the width-limited number
// scanning that fixed-column text files need. Results never depend on the C
// library's handling of flags such as "%06s" or of rounding ties: every
// width is produced here, exactly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace platform {

// Writes value in decimal, zero-padded on the left to exactly field.size()
// characters; a negative value carries its '-' in the first position
// ("-001"). Returns false and leaves the field unchanged when the value
// needs more characters than the field has.
bool FormatZeroPadded(std::span<char> field, std::int64_t value);

// Writes value in decimal, right-aligned and blank-padded to field.size().
// Returns false and leaves the field unchanged when it does not fit.
bool FormatRightAligned(std::span<char> field, std::int64_t value);

// "%0<width>d" into a string; the string is wider than width when the value
// needs more characters.
std::string ZeroPadded(std::int64_t value, int width);

// How a decimal text is widened to its width: blanks before the sign
// ("%7.2f") or zeros after it ("%07.2f").
enum class Padding { Blanks, Zeros };

// A double in fixed-point decimal with `decimals` decimals, as
// "%<width>.<decimals>f" or, with Padding::Zeros, "%0<width>.<decimals>f"
// write it, except for the one rounding rule: the value's exact binary
// expansion is rounded to the decimals with exact halves going away from
// zero (12.5 with no decimals is "13", 0.125 with two is "0.13"), whatever
// the C library does. 2.675 is "2.67" because its binary value lies just
// below the half. A '-' is written for a value below zero, also when it
// rounds to zero ("-0.00"); negative zero has none. With no decimals there
// is no point. Infinities and NaN give "inf", "-inf" and "nan", padded with
// blanks. Decimals are held to 0..40. A text that needs more characters
// than width is returned whole, wider than width, as printf does.
std::string DecimalText(double value, int width, int decimals, Padding padding = Padding::Blanks);

// The same text written into the field, whose size is the width. Returns
// false and leaves the field unchanged when the text does not fit.
bool FormatDecimal(std::span<char> field, double value, int decimals, Padding padding = Padding::Blanks);

// A whole number of units of 10^-decimals laid out as DecimalText lays out
// a value, exactly: 1250 units with 2 decimals is "12.50", -5 is "-0.05";
// with no decimals it is "%<width>d". Wider than width when it needs it.
std::string FixedPointText(std::int64_t units, int width, int decimals, Padding padding = Padding::Blanks);

// That text written at the start of room, when it fits there: its length;
// nothing (and room unchanged) when it is longer than room.
std::optional<std::size_t> WriteFixedPoint(std::span<char> room, std::int64_t units, int width, int decimals,
                                           Padding padding = Padding::Blanks);

// "%<width>.0d": value right-aligned in width characters, blank-padded;
// zero prints no digit at all (width blanks). Wider when the value needs it.
std::string RightAlignedOmittingZero(std::int64_t value, int width);

// Copies text into the field left-aligned, cut to the width, padded with pad.
void FormatLeftAligned(std::span<char> field, std::string_view text, char pad = ' ');

// A text as "%<width>.<precision>s" writes it (Align::Right) or
// "%-<width>.<precision>s" (Align::Left): cut to precision characters, then
// padded with blanks to width; a longer text is not cut to the width.
enum class Align { Left, Right };
inline constexpr std::size_t kWholeText = std::string_view::npos;
std::string PaddedText(std::string_view text, std::size_t width, Align align = Align::Right,
                       std::size_t precision = kWholeText);

// Reads fields the way scanf reads "%<width>hd", "%*c" and "%<width>s" in
// sequence: leading white space before a number or a word is skipped without
// counting toward the width; a number is an optional sign and digits.
class FieldScanner {
 public:
  explicit FieldScanner(std::string_view text) : text_(text) {}

  // A signed decimal number of at most width characters (after white space),
  // its magnitude held at 2147483647.
  std::optional<std::int32_t> number(std::size_t width);
  // Skips exactly one character, white space included ("%*c").
  bool skipChar();
  // A run of at most width characters that are not white space ("%<w>s").
  std::optional<std::string_view> word(std::size_t width);
  // Exactly width characters as they stand ("%<w>c").
  std::optional<std::string_view> chars(std::size_t width);

  std::string_view rest() const { return text_.substr(pos_); }

 private:
  void skipSpace();
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Reads a decimal integer as atoi does after copying at most 28 characters of
// a field: leading blanks skipped, an optional sign, digits up to the first
// non-digit. No digits gives 0; the magnitude is held at 2147483647.
std::int32_t FieldToInteger(std::string_view field);

// Removes trailing blanks, tabs and NUL characters.
std::string_view TrimTrailingBlanks(std::string_view text);

// The text up to the first NUL (or the whole field when it holds none).
std::string_view UntilNul(std::string_view field);

}  // namespace platform
