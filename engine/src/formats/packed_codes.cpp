#include "formats/packed_codes.h"

#include <array>
#include <cctype>

#include "platform/kernel/digits.h"

namespace vorn {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

bool PackDigits(std::span<std::uint8_t> out, std::string_view digits, std::size_t n) {
  const std::size_t bytes = (n + 1) / 2;
  if (out.size() < bytes || digits.size() < n) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (!IsDigit(digits[i])) return false;
  // Right-aligned: an odd count leaves the first half-byte zero.
  std::array<std::uint8_t, 64> halves{};
  if (2 * bytes > halves.size()) return false;
  const std::size_t lead = 2 * bytes - n;
  for (std::size_t i = 0; i < n; ++i) halves[lead + i] = static_cast<std::uint8_t>(digits[i] - '0');
  for (std::size_t i = 0; i < bytes; ++i) out[i] = static_cast<std::uint8_t>(halves[2 * i] << 4 | halves[2 * i + 1]);
  return true;
}

std::optional<std::string> UnpackDigits(std::span<const std::uint8_t> packed, std::size_t n) {
  const std::size_t bytes = (n + 1) / 2;
  if (packed.size() < bytes) return std::nullopt;
  std::string digits;
  const std::size_t lead = 2 * bytes - n;
  for (std::size_t h = lead; h < 2 * bytes; ++h) {
    const int half = h % 2 == 0 ? packed[h / 2] >> 4 : packed[h / 2] & 15;
    if (half > 9) return std::nullopt;
    digits.push_back(static_cast<char>('0' + half));
  }
  return digits;
}

std::optional<std::int64_t> PackedDigitsValue(std::span<const std::uint8_t> packed, std::size_t n) {
  const std::optional<std::string> digits = UnpackDigits(packed, n);
  if (!digits) return std::nullopt;
  const std::optional<std::uint64_t> value = platform::ParseDigits(*digits, platform::kSignedDigitLimit);
  if (!value) return digits->empty() ? std::optional<std::int64_t>(0) : std::nullopt;
  return static_cast<std::int64_t>(*value);
}

std::optional<std::array<std::uint8_t, 3>> PackPostalCode(std::string_view code) {
  if (code.size() < 6) return std::nullopt;
  const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(code[0])));
  std::uint32_t value;
  if (IsDigit(first))
    value = static_cast<std::uint32_t>(first - '0');
  else if (first >= 'A' && first <= 'Z')
    value = static_cast<std::uint32_t>(first - 'A' + 10);
  else
    return std::nullopt;
  const std::optional<std::uint64_t> rest = platform::ParseDigits(code.substr(1, 5));
  if (!rest) return std::nullopt;
  value = value * 100000 + static_cast<std::uint32_t>(*rest);  // at most 35 99999, below 2^24
  return std::array<std::uint8_t, 3>{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                                     static_cast<std::uint8_t>(value)};
}

std::int64_t TriangularIndex(std::int64_t a, std::int64_t b) {
  return b > a ? b * (b + 1) / 2 + a : a * (a + 1) / 2 + b;
}

std::uint32_t Load24(std::span<const std::uint8_t, 3> bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16;
}

ZipSpan UnpackZipSpan(std::span<const std::uint8_t, 3> bytes) {
  const std::uint32_t value = Load24(bytes);
  return ZipSpan{value >> 7, value & 0x7F};
}

std::optional<PackedZip> PackZip(std::string_view code) {
  if (!code.empty() && IsDigit(code[0])) {
    PackedZip packed{};
    if (code.size() < 5 || !PackDigits(packed, code, 5)) return std::nullopt;
    return packed;
  }
  if (!code.empty() && IsLetter(code[0])) {
    if (code.size() < 3) return std::nullopt;
    return PackedZip{static_cast<std::uint8_t>(Upper(code[0])), static_cast<std::uint8_t>(code[1]),
                     static_cast<std::uint8_t>(Upper(code[2]))};
  }
  return std::nullopt;
}

std::string UnpackZip(std::span<const std::uint8_t, 3> p) {
  if (p[0] <= 9) {
    std::string digits(5, '0');
    const int values[5] = {p[0], p[1] >> 4, p[1] & 15, p[2] >> 4, p[2] & 15};
    for (int i = 0; i < 5; ++i) digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + (values[i] % 10));
    return digits;
  }
  return {Upper(static_cast<char>(p[0])), static_cast<char>(p[1]), Upper(static_cast<char>(p[2]))};
}

std::string ComparableCode(std::string_view code) {
  if (!code.empty() && IsDigit(code[0])) return std::string(code.substr(0, 5));
  if (!code.empty() && IsLetter(code[0]) && code.size() >= 3) return {Upper(code[0]), code[1], Upper(code[2])};
  return {};
}

}  // namespace vorn
