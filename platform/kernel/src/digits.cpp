#include "platform/kernel/digits.h"

namespace platform {
namespace {

// Digits read into one number: value * 10 + digit for each, held at the
// limit; once held, it stays there.
class Accumulator {
 public:
  explicit Accumulator(std::uint64_t limit) : limit_(limit), roomyBelow_(limit >= 9 ? (limit - 9) / 10 + 1 : 0) {}

  void add(unsigned digit) {
    if (value_ < roomyBelow_) {  // value * 10 + 9 stays within the limit
      value_ = value_ * 10 + digit;
      return;
    }
    if (overflowed_ || limit_ < digit || value_ > (limit_ - digit) / 10) {
      value_ = limit_;
      overflowed_ = true;
      return;
    }
    value_ = value_ * 10 + digit;
  }
  std::uint64_t value() const { return value_; }
  bool overflowed() const { return overflowed_; }

 private:
  std::uint64_t limit_;
  std::uint64_t roomyBelow_;  // a held value (the limit) is never below it
  std::uint64_t value_ = 0;
  bool overflowed_ = false;
};

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

DigitRun LeadingDigits(std::string_view text, std::uint64_t limit) {
  Accumulator number(limit);
  std::size_t length = 0;
  for (; length < text.size() && IsDecimalDigit(text[length]); ++length)
    number.add(static_cast<unsigned>(text[length] - '0'));
  return {number.value(), length, number.overflowed()};
}

DigitRun ConcatenatedDigits(std::string_view text, std::uint64_t limit) {
  Accumulator number(limit);
  std::size_t length = 0;
  for (char c : text) {
    if (!IsDecimalDigit(c)) continue;
    number.add(static_cast<unsigned>(c - '0'));
    ++length;
  }
  return {number.value(), length, number.overflowed()};
}

DigitRun PositionalDigits(std::string_view field, std::uint64_t limit) {
  Accumulator number(limit);
  for (char c : field) number.add(IsDecimalDigit(c) ? static_cast<unsigned>(c - '0') : 0u);
  return {number.value(), field.size(), number.overflowed()};
}

IntegerPrefix LeadingInteger(std::string_view text, std::uint64_t limit) {
  std::size_t p = 0;
  while (p < text.size() && IsWhiteSpace(text[p])) ++p;
  bool negative = false;
  if (p < text.size() && (text[p] == '-' || text[p] == '+')) negative = text[p++] == '-';
  const DigitRun digits = LeadingDigits(text.substr(p), limit < kSignedDigitLimit ? limit : kSignedDigitLimit);
  if (digits.length == 0) return {};
  const auto magnitude = static_cast<std::int64_t>(digits.value);
  return {negative ? -magnitude : magnitude, p + digits.length, digits.overflowed};
}

DecimalPrefix LeadingDecimal(std::string_view text, int decimals, std::uint64_t limit) {
  Accumulator value(limit);
  DecimalPrefix number;
  std::size_t p = 0;
  std::size_t digits = 0;
  for (; p < text.size() && IsDecimalDigit(text[p]); ++p, ++digits) value.add(static_cast<unsigned>(text[p] - '0'));
  const bool point = p < text.size() && text[p] == '.';
  if (point) {
    for (++p; p < text.size() && IsDecimalDigit(text[p]); ++p, ++number.fractionDigits, ++digits)
      if (number.fractionDigits < static_cast<std::size_t>(decimals)) value.add(static_cast<unsigned>(text[p] - '0'));
  }
  if (digits == 0) return {};
  for (std::size_t kept = number.fractionDigits; kept < static_cast<std::size_t>(decimals > 0 ? decimals : 0); ++kept)
    value.add(0);
  number.value = value.value();
  number.overflowed = value.overflowed();
  number.length = p;
  return number;
}

double LeadingDecimalValue(std::string_view text) {
  constexpr int kDecimals = 9;
  std::size_t p = 0;
  while (p < text.size() && IsWhiteSpace(text[p])) ++p;
  bool negative = false;
  if (p < text.size() && (text[p] == '-' || text[p] == '+')) negative = text[p++] == '-';
  const DecimalPrefix number = LeadingDecimal(text.substr(p), kDecimals);
  const double value = static_cast<double>(number.value) / 1e9;
  return negative ? -value : value;
}

std::optional<std::uint64_t> ParseDigits(std::string_view field, std::uint64_t most) {
  const DigitRun run = LeadingDigits(field, most);
  if (run.length == 0 || run.length != field.size() || run.overflowed) return std::nullopt;
  return run.value;
}

std::optional<std::int64_t> ParseInteger(std::string_view field, std::int64_t least, std::int64_t most) {
  if (least > most) return std::nullopt;
  bool negative = false;
  if (!field.empty() && (field.front() == '-' || field.front() == '+')) {
    negative = field.front() == '-';
    field.remove_prefix(1);
  }
  // The magnitude is read up to the bound on its side, so nothing outside
  // the range is ever computed.
  const std::uint64_t bound = negative ? (least >= 0 ? 0 : 0 - static_cast<std::uint64_t>(least))
                                       : (most < 0 ? 0 : static_cast<std::uint64_t>(most));
  const std::optional<std::uint64_t> magnitude = ParseDigits(field, bound);
  if (!magnitude) return std::nullopt;
  const std::int64_t value =
      negative ? static_cast<std::int64_t>(0 - *magnitude) : static_cast<std::int64_t>(*magnitude);
  if (value < least || value > most) return std::nullopt;
  return value;
}

}  // namespace platform
