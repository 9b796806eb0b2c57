// Windows-1252, the code page of the program's text files. Descriptions
// are UTF-8: the encoder converts each character and refuses the ones the
// code page lacks; the decoder converts back and gives nothing for the
// five bytes the code page leaves undefined.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dataset {

// The Windows-1252 bytes of a UTF-8 text. Throws FieldError naming what
// (a field) and the first character that has no byte (or bytes that are
// not UTF-8).
std::string Utf8ToWindows1252(std::string_view utf8, std::string_view what);

// The UTF-8 text of Windows-1252 bytes; nothing when one of them is
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
std::optional<std::string> Windows1252ToUtf8(std::string_view bytes);

}  // namespace dataset
