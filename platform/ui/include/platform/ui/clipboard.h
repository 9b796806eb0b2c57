// The clipboard's text, through the backend (headless: held in memory).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::ui {

void SetClipboardText(std::string_view text);
// Nothing when the clipboard holds no text.
std::optional<std::string> ClipboardText();

}  // namespace platform::ui
