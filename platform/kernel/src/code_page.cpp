// Windows-1252 against Unicode and UTF-8 (see code_page.h).
#include "platform/kernel/code_page.h"

#include <array>

namespace platform {

namespace {

// The characters of bytes 0x80-0x9F; an unassigned byte keeps its own value
// (a C1 control).
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

char32_t Windows1252ToCodePoint(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char32_t{byte};
}

bool Windows1252Assigns(unsigned char byte) {
  const char32_t codePoint = Windows1252ToCodePoint(byte);
  return codePoint < 0x80 || codePoint >= 0xA0;
}

std::optional<unsigned char> CodePointToWindows1252(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<unsigned char>(codePoint);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) AppendUtf8(out, Windows1252ToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::optional<char32_t> Utf8Reader::next() {
  malformed_ = false;
  if (at_ >= text_.size()) return std::nullopt;
  const auto byte = [this](std::size_t i) { return static_cast<unsigned char>(text_[i]); };
  const unsigned char lead = byte(at_);
  int length = 0;
  char32_t value = 0;
  char32_t smallest = 0;  // below it the form is overlong
  if (lead < 0x80) {
    ++at_;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
    smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
    smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
    smallest = 0x10000;
  } else {
    return malformed();
  }
  if (text_.size() - at_ < static_cast<std::size_t>(length)) {
    return malformed();
  }
  for (int i = 1; i < length; ++i) {
    const unsigned char continuation = byte(at_ + i);
    if ((continuation & 0xC0) != 0x80) {
      return malformed();
    }
    value = (value << 6) | (continuation & 0x3F);
  }
  if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return malformed();
  }
  at_ += static_cast<std::size_t>(length);
  return value;
}

std::optional<char32_t> Utf8Reader::malformed() {
  ++at_;
  malformed_ = true;
  return kReplacementCharacter;
}

std::string Utf8ToWindows1252(std::string_view text, char missing) {
  std::string out;
  out.reserve(text.size());
  Utf8Reader reader(text);
  while (const auto c = reader.next()) {
    const auto byte = CodePointToWindows1252(*c);
    out += byte ? static_cast<char>(*byte) : missing;
  }
  return out;
}

}  // namespace platform
