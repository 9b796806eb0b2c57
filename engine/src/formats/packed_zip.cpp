#include "formats/packed_zip.h"

#include <cctype>

namespace vorn {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

std::optional<PackedZip> PackZip(std::string_view code) {
  if (!code.empty() && IsDigit(code[0])) {
    if (code.size() < 5) return std::nullopt;
    for (std::size_t i = 0; i < 5; ++i)
      if (!IsDigit(code[i])) return std::nullopt;
    const auto d = [&](std::size_t i) { return static_cast<std::uint8_t>(code[i] - '0'); };
    return PackedZip{d(0), static_cast<std::uint8_t>(d(1) << 4 | d(2)), static_cast<std::uint8_t>(d(3) << 4 | d(4))};
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
