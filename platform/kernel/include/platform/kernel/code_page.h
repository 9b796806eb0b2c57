// Windows-1252, the code page of the data and language files and of every
// text the window system holds, against Unicode and UTF-8, which the
// desktop speaks (window titles, typed text, the clipboard, fonts).
//
// Bytes 0x00-0x7F and 0xA0-0xFF are the code points of the same value;
// 0x80-0x9F hold the code page's own characters (the euro sign, quotes,
// dashes, ...). The five bytes the code page leaves unassigned (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) stand for the C1 controls of the same value, so that
// every byte converts to UTF-8 and back unchanged.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

char32_t Windows1252ToCodePoint(unsigned char byte);
// False for the five bytes the code page leaves unassigned.
bool Windows1252Assigns(unsigned char byte);
// Nothing for a character the code page does not have.
std::optional<unsigned char> CodePointToWindows1252(char32_t codePoint);

std::string Windows1252ToUtf8(std::string_view text);

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The code points of a UTF-8 text, one at a time. A byte that does not
// start a well-formed sequence (a stray continuation byte, an overlong
// form, a surrogate, a value above U+10FFFF, a sequence cut short) reads as
// U+FFFD and is passed over alone, so that no input stops the reading.
class Utf8Reader {
 public:
  explicit Utf8Reader(std::string_view text) : text_(text) {}
  // Nothing at the end of the text.
  std::optional<char32_t> next();
  // Where the next character starts (bytes from the start of the text).
  std::size_t position() const { return at_; }
  // Whether the last character read stands for a malformed byte (not for
  // a U+FFFD written in the text).
  bool lastWasMalformed() const { return malformed_; }

 private:
  // Passes over the byte at the position: U+FFFD.
  std::optional<char32_t> malformed();
  std::string_view text_;
  std::size_t at_ = 0;
  bool malformed_ = false;
};

// UTF-8 to Windows-1252; a character the code page does not have (and
// U+FFFD for malformed UTF-8) becomes `missing`.
std::string Utf8ToWindows1252(std::string_view text, char missing = '?');

}  // namespace platform
