// What the SDL backend asks of an X desktop that SDL does not tell: the
// screen's logical pixels per inch (the resource Xft.dpi), whether a window
// manager frames the windows, the bell, which key is the level-3 shift
// (AltGr), and a window's X id. The only code that includes Xlib.
#pragma once

#include <cstdint>
#include <optional>

struct SDL_SysWMmsg;
struct SDL_Window;

namespace platform::ui::sdl {

class X11Desktop {
 public:
  // Connects to the display SDL uses; without one (another video driver,
  // no X server) every question has its default answer.
  X11Desktop();
  ~X11Desktop();
  X11Desktop(const X11Desktop&) = delete;
  X11Desktop& operator=(const X11Desktop&) = delete;

  bool connected() const { return display_ != nullptr; }
  // Xft.dpi rounded, when set to a usable value (a number from 48 to 480).
  std::optional<int> resourceDpi() const;
  // A window manager runs: the root window names a supporting window that
  // names itself back (_NET_SUPPORTING_WM_CHECK).
  bool windowManagerRuns() const;
  void ringBell() const;

  // For a key event among SDL's window-system events: whether its key is
  // the level-3 shift (the key types ISO_Level3_Shift or Mode_switch).
  // Nothing for any other event.
  static std::optional<bool> IsLevel3ShiftKeyEvent(const SDL_SysWMmsg& message);
  // The X window of an SDL window; 0 when it has none.
  static std::uint64_t WindowIdOf(SDL_Window* window);

 private:
  void* display_ = nullptr;  // Display*
};

}  // namespace platform::ui::sdl
