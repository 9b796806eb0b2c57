// The model's texts are Windows-1252; whatever shows them outside the model
// (drawn text, a PDF's title and file name, a print job's title) takes
// UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace platform::ui {

// The UTF-8 of a Windows-1252 text, as it is shown: control characters
// become blanks (the model places tabs and line breaks itself), the five
// characters the code page leaves undefined question marks.
std::string DisplayUtf8(std::string_view windows1252);

}  // namespace platform::ui
