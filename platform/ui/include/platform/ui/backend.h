// What the window model needs from its host: a clock, a way to wait for
// input, the beep, screen metrics and font metrics, and, for a backend with
// a screen, a surface per top-level window, the clipboard and the mouse
// cursor. The headless backend (headless.h) is installed by default; a
// real-window backend implements the same interface and feeds its input
// through input.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/calendar_date.h"
#include "platform/ui/cursor.h"
#include "platform/ui/font.h"
#include "platform/ui/metrics.h"
#include "platform/ui/surface.h"

namespace platform::ui {

class Backend {
 public:
  virtual ~Backend() = default;
  // Milliseconds on a clock that never goes back.
  virtual std::uint64_t now() = 0;
  // The day it is where the user is (by default the system's local date).
  virtual CalendarDate today();
  // Called when the message loop has nothing to do: returns once input may
  // have arrived or the deadline (a now() value) has come. False means that
  // nothing can ever arrive: the waiting loop then ends as on a quit.
  virtual bool waitForInput(std::optional<std::uint64_t> deadline) = 0;
  // The beep of refused input (type as the caller gives it; -1 the simple
  // beep).
  virtual void beep(int type) = 0;
  virtual int systemMetric(SystemMetric metric) { return HeadlessSystemMetric(metric); }
  // True when the desktop draws the top-level window's border and caption
  // (a window manager's frame around a real window): the model then paints
  // neither, and the backend shows the window from InsideDesktopFrame in.
  // The model's geometry stays as it is, so that layout never depends on
  // the desktop.
  virtual bool framesWindow(WindowHandle /*topLevel*/) { return false; }
  // True when the desktop's keyboard layout types the characters (dead
  // keys and AltGr included) and the backend injects them
  // (InjectCharacter); key translation then adds only the characters the
  // desktop's text leaves out (input.h). False: the model translates keys
  // with a U.S. layout.
  virtual bool typesCharacters() { return false; }
  virtual FontMetrics measureFont(const FontSpec& spec) { return HeadlessFontMetrics(spec); }
  // The width of a line of text (headless: the character count times the
  // character width).
  virtual int measureTextWidth(const FontSpec& spec, std::string_view text) {
    return HeadlessFontMetrics(spec).averageCharWidth * static_cast<int>(text.size());
  }
  // The surface a top-level window is shown on, or null when it is shown
  // nowhere (then nothing paints it but UpdateWindow and PaintWindowTree).
  // The loop paints what needs it there when idle, then calls
  // presentWindow.
  virtual Surface* windowSurface(WindowHandle /*topLevel*/) { return nullptr; }
  virtual void presentWindow(WindowHandle /*topLevel*/) {}
  // The clipboard's text (headless: kept in the backend).
  virtual void setClipboardText(std::string_view text) { clipboard_ = std::string(text); }
  virtual std::optional<std::string> clipboardText() { return clipboard_; }
  // Shows the cursor at once (the wait cursor appears during work that
  // runs no message loop).
  virtual void showCursor(CursorShape /*shape*/) {}

 private:
  std::optional<std::string> clipboard_;
};

// The part of a top-level window a desktop's frame leaves to it, in screen
// coordinates: the window less its border (thick, dialog or thin) and its
// caption. Its menu bar, edges and scroll bars stay the model's to draw.
Rect InsideDesktopFrame(WindowHandle topLevel);

// Installs the backend (not owned; it must outlive its use) and returns the
// previous one. Null puts the built-in headless backend back.
Backend* InstallBackend(Backend* backend);
Backend& CurrentBackend();

// The beep of refused input, through the backend.
void MessageBeep(int type);

}  // namespace platform::ui
