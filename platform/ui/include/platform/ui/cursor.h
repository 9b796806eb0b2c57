// The mouse cursor: the arrow, the wait cursor around work that keeps the
// message loop from running, the text beam. SetCursor takes effect at once
// through the backend.
#pragma once

namespace platform::ui {

enum class CursorShape { Arrow, Wait, TextBeam };

// Returns the shape shown before.
CursorShape SetCursor(CursorShape shape);
CursorShape CurrentCursor();

// Shows the wait cursor for the life of the object, then the cursor shown
// before it.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(CursorShape::Wait)) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  CursorShape previous_;
};

}  // namespace platform::ui
