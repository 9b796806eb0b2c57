// The cursor shape and the clipboard, through the backend.
#include "platform/ui/backend.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/cursor.h"

namespace platform::ui {

namespace {
CursorShape& Shown() {
  static CursorShape shape = CursorShape::Arrow;
  return shape;
}
}  // namespace

CursorShape SetCursor(CursorShape shape) {
  const CursorShape previous = Shown();
  Shown() = shape;
  CurrentBackend().showCursor(shape);
  return previous;
}

CursorShape CurrentCursor() { return Shown(); }

void SetClipboardText(std::string_view text) { CurrentBackend().setClipboardText(text); }

std::optional<std::string> ClipboardText() { return CurrentBackend().clipboardText(); }

}  // namespace platform::ui
