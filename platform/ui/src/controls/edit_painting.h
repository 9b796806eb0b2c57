// Drawing an edit field: what the painter needs to know of it.
#pragma once

#include <string>

#include "platform/ui/types.h"

namespace platform::ui::detail {

struct ControlPaint;

struct EditView {
  const std::string* text = nullptr;
  bool password = false;  // shown as stars
  bool multiLine = false;
  bool keepSelection = false;  // the selection shows without the focus too
  int firstVisible = 0;        // the first character shown (one line), or the first line
  int selectionStart = 0;
  int selectionEnd = 0;
  int caret = 0;
  FontHandle font = nullptr;
};

// Single-line text is centred vertically from the first visible
// character; the lines of a multi-line field follow each other from the
// first visible line; the selection is in the highlight colours while the
// field has the focus; grey text when disabled.
void PaintEditField(const ControlPaint& paint, WindowHandle window, const EditView& view);
// Where the caret stands, in client coordinates.
Point EditCaretPoint(WindowHandle window, const EditView& view);

}  // namespace platform::ui::detail
