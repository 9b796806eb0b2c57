// Engine return codes and their texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorn {

// The text of an engine code; empty for 0 and for codes without a text.
// Codes 401-498 and 501-598 give the text of 400 or 500 followed by "-" and
// the two-digit line number.
std::string ErrorText(std::int16_t code);

// The buffer rule of the error-text exports: the code in the buffer's first
// four characters, its text from byte 4. Returns the buffer (null for null).
char* FillErrorStringBuffer(char* buffer);

}  // namespace vorn
