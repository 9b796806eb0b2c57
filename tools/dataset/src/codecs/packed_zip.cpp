#include "codecs/packed_zip.h"

#include <cctype>

namespace dataset {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool IsZipFamily(const PackedZip& p) { return p[0] <= 9; }

}  // namespace

std::optional<PackedZip> PackZip(std::string_view code) {
  if (code.empty()) return std::nullopt;
  if (IsDigit(code[0])) {
    if (code.size() < 5) return std::nullopt;
    int digits[5];
    for (int i = 0; i < 5; ++i) {
      if (!IsDigit(code[i])) return std::nullopt;
      digits[i] = code[i] - '0';
    }
    return PackedZip{static_cast<std::uint8_t>(digits[0]), static_cast<std::uint8_t>(digits[1] << 4 | digits[2]),
                     static_cast<std::uint8_t>(digits[3] << 4 | digits[4])};
  }
  if (!IsLetter(code[0]) || code.size() < 3) return std::nullopt;
  return PackedZip{static_cast<std::uint8_t>(Upper(code[0])), static_cast<std::uint8_t>(code[1]),
                   static_cast<std::uint8_t>(Upper(code[2]))};
}

std::optional<std::string> UnpackZip(const PackedZip& packed) {
  if (IsZipFamily(packed)) {
    std::string digits;
    const int nibbles[5] = {packed[0], packed[1] >> 4, packed[1] & 0xF, packed[2] >> 4, packed[2] & 0xF};
    for (int n : nibbles) {
      if (n > 9) return std::nullopt;
      digits.push_back(static_cast<char>('0' + n));
    }
    return digits;
  }
  const char first = static_cast<char>(packed[0]), second = static_cast<char>(packed[1]),
             third = static_cast<char>(packed[2]);
  const bool printable = second > ' ' && second < 0x7F && third > ' ' && third < 0x7F;
  if (!(first >= 'A' && first <= 'Z') || !printable || Upper(third) != third) return std::nullopt;
  return std::string{first, second, third};
}

PackedZip PackedZipAt(std::string_view record, std::size_t offset) {
  return PackedZip{static_cast<std::uint8_t>(record[offset]), static_cast<std::uint8_t>(record[offset + 1]),
                   static_cast<std::uint8_t>(record[offset + 2])};
}

bool SameCodeFamily(const PackedZip& a, const PackedZip& b) { return IsZipFamily(a) == IsZipFamily(b); }

}  // namespace dataset
