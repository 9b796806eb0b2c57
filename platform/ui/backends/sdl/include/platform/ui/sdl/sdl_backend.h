// Real windows through SDL2: each shown top-level window of the model
// (dialogs and pop-ups alike) gets an SDL window at its place, showing what
// the model paints (the cairo backend's image) with the window's icon
// (msg::GetIcon: the big one, else the small one) as the desktop's. Where
// a window manager runs, a window with a caption gets the desktop's frame,
// titled with its text: the desktop moves, minimises, resizes (with a thick
// frame) and closes it (the window's close request), and keeps a dialog
// above its owner; everything else is borderless, its frame drawn by the
// model. Keys keep their virtual keys while the desktop's keyboard layout
// types the characters (dead keys and AltGr included), converted to
// Windows-1252; a character the code page lacks is refused with a beep.
// The clipboard's text converts the same way. The mouse's buttons, moves
// and wheel come as the desktop reports them. The screen's logical pixels
// per inch come from the desktop (Xft.dpi), else 96. Input reaches the
// model only through input.h. This backend is the only code that includes
// SDL headers.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/backend.h"
#include "platform/ui/cairo/image_surface.h"
#include "platform/ui/keys.h"

struct SDL_Cursor;

namespace platform::ui::sdl {

class ShownWindow;
class X11Desktop;

class SdlBackend : public Backend {
 public:
  // Starts SDL's video; ok() tells whether that worked (error() says why
  // not).
  SdlBackend();
  ~SdlBackend() override;
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;
  bool ok() const { return ok_; }
  const std::string& error() const { return error_; }

  std::uint64_t now() override;
  bool waitForInput(std::optional<std::uint64_t> deadline) override;
  void beep(int type) override;
  int systemMetric(SystemMetric metric) override;
  bool typesCharacters() override { return true; }
  bool framesWindow(WindowHandle topLevel) override;
  FontMetrics measureFont(const FontSpec& spec) override { return cairo::MeasureFontWithPango(spec); }
  int measureTextWidth(const FontSpec& spec, std::string_view text) override {
    return cairo::MeasureTextWithPango(spec, text);
  }
  Surface* windowSurface(WindowHandle topLevel) override;
  void presentWindow(WindowHandle topLevel) override;
  void setClipboardText(std::string_view text) override;
  std::optional<std::string> clipboardText() override;
  void showCursor(CursorShape shape) override;

  // Waits up to the time for an event, then feeds every waiting one to the
  // model; false when none came.
  bool pumpEvents(int timeoutMs);
  // True while the model window is shown in a real window.
  bool isShown(WindowHandle topLevel) const;
  // Puts a key event for the shown window on SDL's event queue, so that it
  // comes in as a real key does (checks and demonstrations); false for a
  // key with no SDL key code or a window not shown.
  bool queueKeyEvent(WindowHandle topLevel, VirtualKey key, bool down);
  // The text a key typed (UTF-8, as the desktop's layout gives it), put on
  // the queue after its key-down as the desktop does; false for a window
  // not shown or a text longer than one event holds.
  bool queueTextEvent(WindowHandle topLevel, std::string_view text);
  // The same for a left click at the point (screen coordinates) of the
  // shown window: a move there, the button down, the button up.
  bool queueClick(WindowHandle topLevel, Point screenPoint);
  // Moves the desktop's pointer to the point (screen coordinates) over the
  // shown window, as a hand on the mouse does; the move comes back as the
  // desktop reports it.
  bool movePointer(WindowHandle topLevel, Point screenPoint);
  int beeps() const { return beeps_; }
  // Whether windows with a caption get the desktop's frame (a window
  // manager runs).
  bool desktopFramesWindows() const { return framesWindows_; }
  // The desktop's identifier of the shown window (the X window), 0 when it
  // is not shown.
  std::uint64_t desktopWindowId(WindowHandle topLevel) const;

 private:
  // Closes the SDL windows of model windows that are gone or hidden, and
  // brings the desktop in step with the others.
  void followModel();
  ShownWindow* shownFor(std::uint32_t sdlWindowId, WindowHandle& window) const;
  void feed(const void* event);
  void feedKey(const void* event);
  void feedText(const char* utf8);
  void feedWindowEvent(const void* event);

  bool ok_ = false;
  std::string error_;
  std::unique_ptr<X11Desktop> desktop_;
  bool framesWindows_ = false;
  int dpi_ = 96;
  std::map<WindowHandle, std::unique_ptr<ShownWindow>> shown_;
  std::map<CursorShape, SDL_Cursor*> cursors_;
  int beeps_ = 0;
  bool level3Key_ = false;  // the key of the last X key event is AltGr
  bool altGrDown_ = false;  // AltGr held (the model holds Ctrl and Alt)
  bool controlDown_ = false;
};

// Installs the backend for the life of the object.
class ScopedSdlBackend : public SdlBackend {
 public:
  ScopedSdlBackend() : previous_(InstallBackend(this)) {}
  ~ScopedSdlBackend() override { InstallBackend(previous_); }

 private:
  Backend* previous_;
};

}  // namespace platform::ui::sdl
