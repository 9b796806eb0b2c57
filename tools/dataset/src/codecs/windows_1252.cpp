#include "codecs/windows_1252.h"

#include <array>
#include <cstdint>

#include "description/field_list.h"

namespace dataset {
namespace {

// The characters of bytes 0x80-0x9F (0 where the code page has none);
// every other byte stands for the character of its own number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::optional<char> ByteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == c) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

// The next character of a UTF-8 text at pos (pos moves past it), or
// nothing for bytes that are not UTF-8.
std::optional<char32_t> NextCharacter(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(pos);
  std::size_t length = 0;
  char32_t c = 0;
  if (lead < 0x80) {
    length = 1, c = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, c = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (pos + length > text.size()) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (byte(pos + i) & 0x3F);
  }
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kLeast[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;  // overlong or no character
  pos += length;
  return c;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view utf8, std::string_view what) {
  std::string out;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t start = pos;
    const std::optional<char32_t> c = NextCharacter(utf8, pos);
    if (!c) throw FieldError(std::string(what) + ": the bytes from position " + std::to_string(start) + " are not UTF-8");
    const std::optional<char> b = ByteOf(*c);
    if (!b)
      throw FieldError(std::string(what) + ": '" + std::string(utf8.substr(start, pos - start)) +
                       "' has no place in Windows-1252, the code page of the file");
    out += *b;
  }
  return out;
}

std::optional<std::string> Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  for (char b : bytes) {
    const std::uint8_t u = static_cast<std::uint8_t>(b);
    const char32_t c = u >= 0x80 && u < 0xA0 ? kHighControls[u - 0x80] : u;
    if (c == 0 && u != 0) return std::nullopt;
    AppendUtf8(out, c);
  }
  return out;
}

}  // namespace dataset
