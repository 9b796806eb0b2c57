// The X desktop's answers (see x11_desktop.h).
#include "x11_desktop.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <X11/keysym.h>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace platform::ui::sdl {

namespace {

Display* DisplayOf(void* display) { return static_cast<Display*>(display); }

// The window a window's _NET_SUPPORTING_WM_CHECK names, or None.
Window SupportingWindowNamedBy(Display* display, Window window) {
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return None;
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  Window named = None;
  if (XGetWindowProperty(display, window, check, 0, 1, False, XA_WINDOW, &type, &format, &count, &after, &data) ==
          Success &&
      type == XA_WINDOW && format == 32 && count == 1)
    named = static_cast<Window>(*reinterpret_cast<unsigned long*>(data));
  if (data != nullptr) XFree(data);
  return named;
}

// A window named by the root may be gone (a window manager that died):
// asking for its property then raises an X error, which is ignored here.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

X11Desktop::X11Desktop() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr || std::strcmp(driver, "x11") != 0) return;
  display_ = XOpenDisplay(nullptr);
}

X11Desktop::~X11Desktop() {
  if (display_ != nullptr) XCloseDisplay(DisplayOf(display_));
}

std::optional<int> X11Desktop::resourceDpi() const {
  if (display_ == nullptr) return std::nullopt;
  const char* resources = XResourceManagerString(DisplayOf(display_));
  if (resources == nullptr) return std::nullopt;
  XrmInitialize();
  XrmDatabase database = XrmGetStringDatabase(resources);
  if (database == nullptr) return std::nullopt;
  std::optional<int> dpi;
  char* type = nullptr;
  XrmValue value{};
  if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr) {
    char* end = nullptr;
    const double number = std::strtod(value.addr, &end);
    if (end != value.addr && std::isfinite(number) && number >= 48 && number <= 480)
      dpi = static_cast<int>(std::lround(number));
  }
  XrmDestroyDatabase(database);
  return dpi;
}

bool X11Desktop::windowManagerRuns() const {
  if (display_ == nullptr) return false;
  Display* display = DisplayOf(display_);
  const Window supporting = SupportingWindowNamedBy(display, DefaultRootWindow(display));
  if (supporting == None) return false;
  XSync(display, False);
  const auto previous = XSetErrorHandler(IgnoreError);
  const Window self = SupportingWindowNamedBy(display, supporting);
  XSync(display, False);
  XSetErrorHandler(previous);
  return self == supporting;
}

void X11Desktop::ringBell() const {
  if (display_ == nullptr) return;
  XBell(DisplayOf(display_), 0);
  XFlush(DisplayOf(display_));
}

std::optional<bool> X11Desktop::IsLevel3ShiftKeyEvent(const SDL_SysWMmsg& message) {
  if (message.subsystem != SDL_SYSWM_X11) return std::nullopt;
  const XEvent& event = message.msg.x11.event;
  if (event.type != KeyPress && event.type != KeyRelease) return std::nullopt;
  const KeySym symbol = XkbKeycodeToKeysym(event.xkey.display, static_cast<KeyCode>(event.xkey.keycode),
                                           static_cast<int>(XkbGroupForCoreState(event.xkey.state)), 0);
  return symbol == XK_ISO_Level3_Shift || symbol == XK_Mode_switch;
}

std::uint64_t X11Desktop::WindowIdOf(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
  return info.info.x11.window;
}

}  // namespace platform::ui::sdl
