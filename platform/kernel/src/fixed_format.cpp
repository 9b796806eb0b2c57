#include "platform/kernel/fixed_format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>

#include "exact_decimal.h"
#include "platform/kernel/digits.h"

namespace platform {
namespace {

// Decimal digits of a value's magnitude, most significant first.
class MagnitudeDigits {
 public:
  explicit MagnitudeDigits(std::int64_t value) {
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
      buffer_[--first_] = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
  }
  std::string_view view() const { return std::string_view(buffer_ + first_, sizeof buffer_ - first_); }
  std::size_t size() const { return sizeof buffer_ - first_; }

 private:
  char buffer_[20];  // 2^64 has 20 digits
  std::size_t first_ = sizeof buffer_;
};

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// A number's text as "%<width>.<decimals>f" lays it out: the sign, the
// digits (most significant first) with the point before the last
// `decimals` of them and a zero before the point when there is no whole
// digit, widened to width by blanks before the sign or zeros after it.
class LaidOutNumber {
 public:
  LaidOutNumber(bool negative, std::string_view digits, std::size_t decimals, int width, Padding padding)
      : negative_(negative), digits_(digits), decimals_(decimals), padding_(padding) {
    const std::size_t shown = std::max(digits.size(), decimals + 1);  // leading zeros included
    const std::size_t length = (negative ? 1 : 0) + shown + (decimals > 0 ? 1 : 0);
    const std::size_t wanted = width > 0 ? static_cast<std::size_t>(width) : 0;
    size_ = std::max(wanted, length);
  }
  std::size_t size() const { return size_; }

  // Writes the size() characters at out.
  void writeTo(char* out) const {
    // From the right: the decimals, the point, the whole digits, the sign,
    // then the padding.
    char* p = out + size_;
    std::size_t left = digits_.size();
    for (std::size_t d = 0; d < decimals_; ++d) *--p = left > 0 ? digits_[--left] : '0';
    if (decimals_ > 0) *--p = '.';
    if (left == 0) *--p = '0';
    p -= left;
    std::copy_n(digits_.data(), left, p);
    const bool zeros = padding_ == Padding::Zeros;
    if (negative_ && !zeros) *--p = '-';
    std::fill(out, p, zeros ? '0' : ' ');
    if (negative_ && zeros) *out = '-';
  }

 private:
  bool negative_;
  std::string_view digits_;
  std::size_t decimals_;
  Padding padding_;
  std::size_t size_;
};

std::string LaidOut(bool negative, std::string_view digits, std::size_t decimals, int width, Padding padding) {
  const LaidOutNumber number(negative, digits, decimals, width, padding);
  std::string text(number.size(), '\0');
  number.writeTo(text.data());
  return text;
}

}  // namespace

bool FormatZeroPadded(std::span<char> field, std::int64_t value) {
  const MagnitudeDigits digits(value);
  const std::size_t sign = value < 0 ? 1 : 0;
  if (digits.size() + sign > field.size()) return false;
  std::size_t pos = 0;
  if (sign) field[pos++] = '-';
  const std::size_t zeros = field.size() - sign - digits.size();
  std::fill_n(field.begin() + static_cast<std::ptrdiff_t>(pos), zeros, '0');
  std::copy(digits.view().begin(), digits.view().end(), field.begin() + static_cast<std::ptrdiff_t>(pos + zeros));
  return true;
}

bool FormatRightAligned(std::span<char> field, std::int64_t value) {
  std::string text = value < 0 ? "-" : "";
  text += MagnitudeDigits(value).view();
  if (text.size() > field.size()) return false;
  const std::size_t blanks = field.size() - text.size();
  std::fill_n(field.begin(), blanks, ' ');
  std::copy(text.begin(), text.end(), field.begin() + static_cast<std::ptrdiff_t>(blanks));
  return true;
}

std::string ZeroPadded(std::int64_t value, int width) {
  const MagnitudeDigits digits(value);
  const std::size_t sign = value < 0 ? 1 : 0;
  const std::size_t wanted = width > 0 ? static_cast<std::size_t>(width) : 0;
  std::string out = sign ? "-" : "";
  if (digits.size() + sign < wanted) out.append(wanted - digits.size() - sign, '0');
  return out.append(digits.view());
}

std::string DecimalText(double value, int width, int decimals, Padding padding) {
  decimals = std::clamp(decimals, 0, 40);
  const bool negative = value < 0;
  if (std::isnan(value)) return LaidOut(false, "nan", 0, width, Padding::Blanks);
  if (std::isinf(value)) return LaidOut(negative, "inf", 0, width, Padding::Blanks);
  const std::string digits = detail::RoundedDecimalDigits(value, decimals);
  return LaidOut(negative, digits, static_cast<std::size_t>(decimals), width, padding);
}

std::string FixedPointText(std::int64_t units, int width, int decimals, Padding padding) {
  decimals = std::clamp(decimals, 0, 40);
  return LaidOut(units < 0, MagnitudeDigits(units).view(), static_cast<std::size_t>(decimals), width, padding);
}

std::optional<std::size_t> WriteFixedPoint(std::span<char> room, std::int64_t units, int width, int decimals,
                                           Padding padding) {
  decimals = std::clamp(decimals, 0, 40);
  const MagnitudeDigits digits(units);
  const LaidOutNumber number(units < 0, digits.view(), static_cast<std::size_t>(decimals), width, padding);
  if (number.size() > room.size()) return std::nullopt;
  number.writeTo(room.data());
  return number.size();
}

bool FormatDecimal(std::span<char> field, double value, int decimals, Padding padding) {
  const std::string text = DecimalText(value, static_cast<int>(field.size()), decimals, padding);
  if (text.size() > field.size()) return false;
  std::copy(text.begin(), text.end(), field.begin());
  return true;
}

std::string RightAlignedOmittingZero(std::int64_t value, int width) {
  const std::string text =
      value == 0 ? std::string() : (value < 0 ? "-" : "") + std::string(MagnitudeDigits(value).view());
  const std::size_t wanted = width > 0 ? static_cast<std::size_t>(width) : 0;
  return text.size() < wanted ? std::string(wanted - text.size(), ' ') + text : text;
}

void FormatLeftAligned(std::span<char> field, std::string_view text, char pad) {
  const std::size_t n = std::min(field.size(), text.size());
  std::copy_n(text.begin(), n, field.begin());
  std::fill(field.begin() + static_cast<std::ptrdiff_t>(n), field.end(), pad);
}

std::string PaddedText(std::string_view text, std::size_t width, Align align, std::size_t precision) {
  std::string result(text.substr(0, std::min(text.size(), precision)));
  if (result.size() < width) result.insert(align == Align::Right ? 0 : result.size(), width - result.size(), ' ');
  return result;
}

void FieldScanner::skipSpace() {
  while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
}

std::optional<std::int32_t> FieldScanner::number(std::size_t width) {
  skipSpace();
  const IntegerPrefix n = LeadingInteger(text_.substr(pos_, width), std::numeric_limits<std::int32_t>::max());
  if (n.length == 0) return std::nullopt;
  pos_ += n.length;
  return static_cast<std::int32_t>(n.value);
}

bool FieldScanner::skipChar() {
  if (pos_ >= text_.size()) return false;
  ++pos_;
  return true;
}

std::optional<std::string_view> FieldScanner::word(std::size_t width) {
  skipSpace();
  const std::size_t start = pos_;
  while (pos_ < text_.size() && pos_ - start < width && !IsSpace(text_[pos_])) ++pos_;
  if (pos_ == start) return std::nullopt;
  return text_.substr(start, pos_ - start);
}

std::optional<std::string_view> FieldScanner::chars(std::size_t width) {
  if (text_.size() - pos_ < width) return std::nullopt;
  std::string_view out = text_.substr(pos_, width);
  pos_ += width;
  return out;
}

std::int32_t FieldToInteger(std::string_view field) {
  field = UntilNul(field.substr(0, std::min<std::size_t>(field.size(), 28)));
  return static_cast<std::int32_t>(LeadingInteger(field, std::numeric_limits<std::int32_t>::max()).value);
}

std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\0')) text.remove_suffix(1);
  return text;
}

std::string_view UntilNul(std::string_view field) {
  // Fields are short: a plain scan costs less than a call to the library's.
  std::size_t length = 0;
  while (length < field.size() && field[length] != '\0') ++length;
  return std::string_view(field.data(), length);
}

}  // namespace platform
