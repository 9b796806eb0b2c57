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

// Decimal digits of the magnitude, most significant first.
std::string MagnitudeDigits(std::int64_t value) {
  std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  std::string digits;
  do {
    digits.push_back(static_cast<char>('0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  std::reverse(digits.begin(), digits.end());
  return digits;
}

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

}  // namespace

bool FormatZeroPadded(std::span<char> field, std::int64_t value) {
  const std::string digits = MagnitudeDigits(value);
  const std::size_t sign = value < 0 ? 1 : 0;
  if (digits.size() + sign > field.size()) return false;
  std::size_t pos = 0;
  if (sign) field[pos++] = '-';
  const std::size_t zeros = field.size() - sign - digits.size();
  std::fill_n(field.begin() + static_cast<std::ptrdiff_t>(pos), zeros, '0');
  std::copy(digits.begin(), digits.end(), field.begin() + static_cast<std::ptrdiff_t>(pos + zeros));
  return true;
}

bool FormatRightAligned(std::span<char> field, std::int64_t value) {
  std::string text = value < 0 ? "-" : "";
  text += MagnitudeDigits(value);
  if (text.size() > field.size()) return false;
  const std::size_t blanks = field.size() - text.size();
  std::fill_n(field.begin(), blanks, ' ');
  std::copy(text.begin(), text.end(), field.begin() + static_cast<std::ptrdiff_t>(blanks));
  return true;
}

std::string ZeroPadded(std::int64_t value, int width) {
  const std::string digits = MagnitudeDigits(value);
  const std::size_t sign = value < 0 ? 1 : 0;
  const std::size_t wanted = width > 0 ? static_cast<std::size_t>(width) : 0;
  std::string out = sign ? "-" : "";
  if (digits.size() + sign < wanted) out.append(wanted - digits.size() - sign, '0');
  return out + digits;
}

std::string DecimalText(double value, int width, int decimals, Padding padding) {
  decimals = std::clamp(decimals, 0, 40);
  const bool negative = value < 0;
  std::string body;
  if (std::isnan(value)) {
    body = "nan";
    padding = Padding::Blanks;
  } else if (std::isinf(value)) {
    body = "inf";
    padding = Padding::Blanks;
  } else {
    body = detail::RoundedDecimalDigits(value, decimals);
    const auto wholeDigits = static_cast<std::size_t>(decimals) + 1;
    if (body.size() < wholeDigits) body.insert(0, wholeDigits - body.size(), '0');
    if (decimals > 0) body.insert(body.size() - static_cast<std::size_t>(decimals), 1, '.');
  }
  const std::string sign = negative ? "-" : "";
  const std::size_t wanted = width > 0 ? static_cast<std::size_t>(width) : 0;
  const std::size_t fill = wanted > sign.size() + body.size() ? wanted - sign.size() - body.size() : 0;
  if (padding == Padding::Zeros) return sign + std::string(fill, '0') + body;
  return std::string(fill, ' ') + sign + body;
}

bool FormatDecimal(std::span<char> field, double value, int decimals, Padding padding) {
  const std::string text = DecimalText(value, static_cast<int>(field.size()), decimals, padding);
  if (text.size() > field.size()) return false;
  std::copy(text.begin(), text.end(), field.begin());
  return true;
}

std::string RightAlignedOmittingZero(std::int64_t value, int width) {
  const std::string text = value == 0 ? std::string() : (value < 0 ? "-" : "") + MagnitudeDigits(value);
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
  const std::size_t nul = field.find('\0');
  return nul == std::string_view::npos ? field : field.substr(0, nul);
}

}  // namespace platform
