#include "codecs/windows_1252.h"

#include "description/field_list.h"
#include "platform/kernel/code_page.h"

namespace dataset {

std::string Utf8ToWindows1252(std::string_view utf8, std::string_view what) {
  std::string out;
  platform::Utf8Reader reader(utf8);
  for (std::size_t start = 0; const auto c = reader.next(); start = reader.position()) {
    if (reader.lastWasMalformed())
      throw FieldError(std::string(what) + ": the bytes from position " + std::to_string(start) + " are not UTF-8");
    // The C1 controls that stand for the unassigned bytes have no place in
    // a file either.
    const auto byte = platform::CodePointToWindows1252(*c);
    if (!byte || !platform::Windows1252Assigns(*byte))
      throw FieldError(std::string(what) + ": '" + std::string(utf8.substr(start, reader.position() - start)) +
                       "' has no place in Windows-1252, the code page of the file");
    out += static_cast<char>(*byte);
  }
  return out;
}

std::optional<std::string> Windows1252ToUtf8(std::string_view bytes) {
  for (char b : bytes)
    if (!platform::Windows1252Assigns(static_cast<unsigned char>(b))) return std::nullopt;
  return platform::Windows1252ToUtf8(bytes);
}

}  // namespace dataset
