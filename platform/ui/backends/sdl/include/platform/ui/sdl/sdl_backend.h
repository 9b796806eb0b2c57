// Real windows through SDL2: each shown top-level window of the model
// (dialogs and pop-ups alike) gets a borderless SDL window at its place and
// size, showing what the model paints (the cairo backend's image, frame and
// caption included) with the window's icon (msg::GetIcon: the big one,
// else the small one) as the desktop's; keys, mouse, window closing, the
// clipboard and the cursor go through it. Input reaches the model only through input.h.
// This backend is the only code that includes SDL headers.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/backend.h"
#include "platform/ui/cairo/image_surface.h"
#include "platform/ui/keys.h"

struct SDL_Window;
struct SDL_Cursor;

namespace platform::ui::sdl {

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
  // The same for a left click at the point (screen coordinates) of the
  // shown window: a move there, the button down, the button up.
  bool queueClick(WindowHandle topLevel, Point screenPoint);
  // Moves the desktop's pointer to the point (screen coordinates) over the
  // shown window, as a hand on the mouse does; the move comes back as the
  // desktop reports it.
  bool movePointer(WindowHandle topLevel, Point screenPoint);
  int beeps() const { return beeps_; }

 private:
  struct Shown {
    SDL_Window* window = nullptr;
    std::unique_ptr<cairo::ImageSurface> image;
    BitmapHandle icon = nullptr;  // the one the desktop was given
  };
  // Gives the desktop the window's icon when it has changed.
  void showIcon(Shown& shown, WindowHandle topLevel);
  // Closes the SDL windows of model windows that are gone or hidden.
  void forgetHiddenWindows();
  WindowHandle modelWindowOf(std::uint32_t sdlWindowId) const;
  void feed(const void* event);

  bool ok_ = false;
  std::string error_;
  std::map<WindowHandle, Shown> shown_;
  std::map<CursorShape, SDL_Cursor*> cursors_;
  int beeps_ = 0;
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
