#include "platform/ui/display_text.h"

#include "platform/kernel/code_page.h"

namespace platform::ui {

std::string DisplayUtf8(std::string_view windows1252) {
  // Controls become blanks (the model places tabs and line breaks itself);
  // the five bytes the code page leaves unassigned, which stand for C1
  // controls, question marks.
  std::string out(windows1252);
  for (char& c : out) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F)
      c = ' ';
    else if (!Windows1252Assigns(byte))
      c = '?';
  }
  return Windows1252ToUtf8(out);
}

}  // namespace platform::ui
