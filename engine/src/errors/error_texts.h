// Engine return codes and their texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorn {

// One code of the engine: a short label of the failing step (at most 8
// characters), the code and its text (at most 29 characters, so that it fits
// a 30-byte NUL-terminated field). Texts keep their trailing blanks; callers
// show them as they stand.
struct ErrorTextEntry {
  std::string_view name;
  std::uint32_t code;
  std::string_view text;
};

inline constexpr std::size_t kErrorTextCount = 160;
inline constexpr std::size_t kErrorNameWidth = 8;
inline constexpr std::size_t kErrorTextWidth = 29;

// The codes and texts in lookup order.
std::span<const ErrorTextEntry> ErrorTextTable();

// The text of an engine code; empty for 0 and for codes without a text.
// Codes 401-498 and 501-598 give the text of 400 or 500 followed by "-" and
// the two-digit detail line number (code - 400 or code - 500). Every call
// returns its own string.
std::string ErrorText(std::int16_t code);

// The error-text exports' buffer of 80 bytes: its first four characters hold
// the code in decimal (leading white space and a sign allowed); the code's
// text, at most 76 characters, replaces bytes 4 to 79, NUL-padded. A buffer
// whose first four characters hold no number gets the empty text. Returns
// the buffer; null for a null buffer.
inline constexpr std::size_t kErrorStringBufferSize = 80;
inline constexpr std::size_t kErrorStringCodeWidth = 4;
char* FillErrorStringBuffer(char* buffer);

}  // namespace vorn
