#include "platform/kernel/digits.h"

namespace platform {
namespace {

// value * 10 + digit, held at limit; once held, it stays there.
void Accumulate(std::uint64_t& value, unsigned digit, std::uint64_t limit, bool& overflowed) {
  if (overflowed || limit < digit || value > (limit - digit) / 10) {
    value = limit;
    overflowed = true;
    return;
  }
  value = value * 10 + digit;
}

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

DigitRun LeadingDigits(std::string_view text, std::uint64_t limit) {
  DigitRun run;
  while (run.length < text.size() && IsDecimalDigit(text[run.length])) {
    Accumulate(run.value, static_cast<unsigned>(text[run.length] - '0'), limit, run.overflowed);
    ++run.length;
  }
  return run;
}

DigitRun ConcatenatedDigits(std::string_view text, std::uint64_t limit) {
  DigitRun run;
  for (char c : text) {
    if (!IsDecimalDigit(c)) continue;
    Accumulate(run.value, static_cast<unsigned>(c - '0'), limit, run.overflowed);
    ++run.length;
  }
  return run;
}

DigitRun PositionalDigits(std::string_view field, std::uint64_t limit) {
  DigitRun run;
  for (char c : field) {
    Accumulate(run.value, IsDecimalDigit(c) ? static_cast<unsigned>(c - '0') : 0u, limit, run.overflowed);
    ++run.length;
  }
  return run;
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
  DecimalPrefix number;
  std::size_t p = 0;
  std::size_t digits = 0;
  for (; p < text.size() && IsDecimalDigit(text[p]); ++p, ++digits)
    Accumulate(number.value, static_cast<unsigned>(text[p] - '0'), limit, number.overflowed);
  const bool point = p < text.size() && text[p] == '.';
  if (point) {
    for (++p; p < text.size() && IsDecimalDigit(text[p]); ++p, ++number.fractionDigits, ++digits)
      if (number.fractionDigits < static_cast<std::size_t>(decimals))
        Accumulate(number.value, static_cast<unsigned>(text[p] - '0'), limit, number.overflowed);
  }
  if (digits == 0) return {};
  for (std::size_t kept = number.fractionDigits; kept < static_cast<std::size_t>(decimals > 0 ? decimals : 0); ++kept)
    Accumulate(number.value, 0, limit, number.overflowed);
  number.length = p;
  return number;
}

double LeadingSignedDecimal(std::string_view text) {
  constexpr int kDecimals = 9;
  std::size_t p = text.find_first_not_of(" \t\n\r\f\v");
  if (p == std::string_view::npos) return 0.0;
  bool negative = false;
  if (text[p] == '-' || text[p] == '+') negative = text[p++] == '-';
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
