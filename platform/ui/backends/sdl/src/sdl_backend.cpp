// The SDL2 backend (see sdl_backend.h).
#include "platform/ui/sdl/sdl_backend.h"

#include <SDL2/SDL.h>
#include <algorithm>
#include <cstring>

#include "key_map.h"
#include "platform/kernel/code_page.h"
#include "platform/ui/focus.h"
#include "platform/ui/input.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/messages.h"
#include "platform/ui/paint.h"
#include "platform/ui/styles.h"
#include "platform/ui/window.h"
#include "shown_window.h"
#include "x11_desktop.h"

namespace platform::ui::sdl {

namespace {

std::optional<MouseButton> ButtonOf(std::uint8_t button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return MouseButton::Left;
    case SDL_BUTTON_RIGHT: return MouseButton::Right;
    case SDL_BUTTON_MIDDLE: return MouseButton::Middle;
    default: return std::nullopt;
  }
}

}  // namespace

SdlBackend::SdlBackend() {
  // The windows show the model's images through X11's own framebuffer: an
  // accelerated one would make each X window again on its first frame,
  // losing what was set on it (the owner a dialog is transient for).
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    error_ = SDL_GetError();
    return;
  }
  // Without a display SDL falls back on a driver that shows nothing; only a
  // program that asks for it by name (SDL_VIDEODRIVER) takes that.
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver != nullptr && SDL_getenv("SDL_VIDEODRIVER") == nullptr &&
      (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
    error_ = std::string("SDL has only its ") + driver + " video driver";
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    return;
  }
  ok_ = true;
  // The X key events tell which key is AltGr.
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
  desktop_ = std::make_unique<X11Desktop>();
  dpi_ = desktop_->resourceDpi().value_or(96);
  // Other video drivers than X11 run under a desktop that frames windows.
  const bool x11 = driver != nullptr && std::strcmp(driver, "x11") == 0;
  framesWindows_ = x11 ? desktop_->windowManagerRuns() : true;
}

SdlBackend::~SdlBackend() {
  shown_.clear();
  for (auto& [shape, cursor] : cursors_) SDL_FreeCursor(cursor);
  // SDL's video stays up to the end of the process: quitting it unloads the
  // X libraries SDL loaded, and what they keep could then no longer be told
  // apart from a leak of ours.
}

std::uint64_t SdlBackend::now() { return SDL_GetTicks64(); }

bool SdlBackend::waitForInput(std::optional<std::uint64_t> deadline) {
  followModel();
  int timeout = -1;
  if (deadline)
    timeout = static_cast<int>(std::min<std::uint64_t>(*deadline > now() ? *deadline - now() : 0, 1u << 30));
  if (timeout < 0) {
    // Nothing is due: wait for input, looking now and then for windows to
    // show or forget.
    pumpEvents(250);
  } else {
    pumpEvents(timeout);
  }
  return true;
}

bool SdlBackend::pumpEvents(int timeoutMs) {
  SDL_Event event;
  if (SDL_WaitEventTimeout(&event, std::max(0, timeoutMs)) == 0) return false;
  feed(&event);
  while (SDL_PollEvent(&event) != 0) feed(&event);
  return true;
}

void SdlBackend::feed(const void* raw) {
  const auto& event = *static_cast<const SDL_Event*>(raw);
  switch (event.type) {
    case SDL_SYSWMEVENT:
      if (const auto level3 = X11Desktop::IsLevel3ShiftKeyEvent(*event.syswm.msg)) level3Key_ = *level3;
      return;
    case SDL_KEYDOWN:
    case SDL_KEYUP: feedKey(raw); return;
    case SDL_TEXTINPUT: feedText(event.text.text); return;
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const bool motion = event.type == SDL_MOUSEMOTION;
      WindowHandle window = nullptr;
      const ShownWindow* shown = shownFor(motion ? event.motion.windowID : event.button.windowID, window);
      if (shown == nullptr) return;
      const Rect rect = shown->shownRect();
      const Point point = motion ? Point{rect.left + event.motion.x, rect.top + event.motion.y}
                                 : Point{rect.left + event.button.x, rect.top + event.button.y};
      if (motion) {
        InjectMouseMove(point);
        return;
      }
      if (const auto button = ButtonOf(event.button.button))
        InjectMouseButton(*button, event.type == SDL_MOUSEBUTTONDOWN, point);
      return;
    }
    case SDL_MOUSEWHEEL: {
      // A notch a step, positive away from the user, where the mouse was last.
      const int notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
      if (notches != 0) InjectMouseWheel(CursorPosition(), notches * kWheelDelta);
      return;
    }
    case SDL_WINDOWEVENT: feedWindowEvent(raw); return;
    default: return;
  }
}

void SdlBackend::feedKey(const void* raw) {
  const SDL_KeyboardEvent& event = static_cast<const SDL_Event*>(raw)->key;
  const bool down = event.type == SDL_KEYDOWN;
  const SDL_Keycode code = event.keysym.sym;
  if (code == SDLK_RALT && (down ? level3Key_ : altGrDown_)) {
    // AltGr holds Ctrl and Alt, so that the keys it shifts are not system
    // keys and no accelerator of Alt takes them.
    if (down == altGrDown_) return;
    altGrDown_ = down;
    if (down) {
      InjectKeyDown(key::Control);
      InjectKeyDown(key::Alt);
    } else {
      InjectKeyUp(key::Alt);
      InjectKeyUp(key::Control);
    }
    return;
  }
  if (code == SDLK_LCTRL || code == SDLK_RCTRL) controlDown_ = down;
  const auto key = VirtualKeyFor(code, event.keysym.scancode);
  if (!key) return;
  if (down)
    InjectKeyDown(*key);
  else
    InjectKeyUp(*key);
}

void SdlBackend::feedText(const char* utf8) {
  // Ctrl with a key types a control character, which key translation
  // gives; the desktop's text of such a key is not typed.
  if (controlDown_) return;
  Utf8Reader reader(utf8);
  while (const auto codePoint = reader.next()) {
    if (const auto character = CodePointToWindows1252(*codePoint))
      InjectCharacter(*character);
    else
      beep(-1);  // the code page of the data has no such character
  }
}

void SdlBackend::feedWindowEvent(const void* raw) {
  const SDL_WindowEvent& event = static_cast<const SDL_Event*>(raw)->window;
  WindowHandle window = nullptr;
  ShownWindow* shown = shownFor(event.windowID, window);
  if (shown == nullptr) return;
  switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED: shown->present(); return;
    case SDL_WINDOWEVENT_CLOSE: PostMessage(window, msg::SysCommand, system_command::Close, 0); return;
    case SDL_WINDOWEVENT_MOVED: shown->movedByDesktop({event.data1, event.data2}); return;
    case SDL_WINDOWEVENT_SIZE_CHANGED: shown->resizedByDesktop({event.data1, event.data2}); return;
    case SDL_WINDOWEVENT_MINIMIZED: shown->minimizedByDesktop(true); return;
    case SDL_WINDOWEVENT_RESTORED: shown->minimizedByDesktop(false); return;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      // The desktop's focus makes the window the active one.
      if (shown->framed() && GetActiveWindow() != window && IsWindowEnabled(window)) SetActiveWindow(window);
      return;
    default: return;
  }
}

void SdlBackend::beep(int) {
  ++beeps_;
  if (desktop_) desktop_->ringBell();
}

int SdlBackend::systemMetric(SystemMetric metric) {
  SDL_DisplayMode mode;
  if ((metric == SystemMetric::ScreenWidth || metric == SystemMetric::ScreenHeight ||
       metric == SystemMetric::FullScreenClientWidth) &&
      SDL_GetCurrentDisplayMode(0, &mode) == 0)
    return metric == SystemMetric::ScreenHeight ? mode.h : mode.w;
  return HeadlessSystemMetricAtDpi(metric, dpi_);
}

bool SdlBackend::framesWindow(WindowHandle topLevel) {
  return framesWindows_ && (WindowStyle(topLevel) & style::Caption) == style::Caption;
}

Surface* SdlBackend::windowSurface(WindowHandle topLevel) {
  if (!ok_ || !IsWindowVisible(topLevel)) return nullptr;
  if (WindowRect(topLevel).isEmpty()) return nullptr;
  auto it = shown_.find(topLevel);
  if (it == shown_.end()) {
    auto shown = ShownWindow::Create(topLevel, framesWindow(topLevel), error_);
    if (!shown) return nullptr;
    it = shown_.emplace(topLevel, std::move(shown)).first;
    // Mapped now, so that a window painted at once (a pop-up shown during
    // work that runs no loop) is seen.
    SDL_PumpEvents();
  }
  const auto owner = shown_.find(OwnerWindow(topLevel));
  it->second->followModel(owner == shown_.end() ? nullptr : owner->second->sdlWindow());
  return &it->second->image();
}

void SdlBackend::presentWindow(WindowHandle topLevel) {
  auto it = shown_.find(topLevel);
  if (it != shown_.end()) it->second->present();
}

void SdlBackend::followModel() {
  for (auto it = shown_.begin(); it != shown_.end();) {
    if (!IsWindow(it->first) || !IsWindowVisible(it->first))
      it = shown_.erase(it);
    else
      ++it;
  }
  for (auto& [window, shown] : shown_) {
    const auto owner = shown_.find(OwnerWindow(window));
    shown->followModel(owner == shown_.end() ? nullptr : owner->second->sdlWindow());
  }
}

ShownWindow* SdlBackend::shownFor(std::uint32_t sdlWindowId, WindowHandle& window) const {
  for (const auto& [model, shown] : shown_) {
    if (SDL_GetWindowID(shown->sdlWindow()) == sdlWindowId && IsWindow(model)) {
      window = model;
      return shown.get();
    }
  }
  return nullptr;
}

bool SdlBackend::isShown(WindowHandle topLevel) const { return shown_.count(topLevel) != 0; }

std::uint64_t SdlBackend::desktopWindowId(WindowHandle topLevel) const {
  auto it = shown_.find(topLevel);
  return it == shown_.end() ? 0 : X11Desktop::WindowIdOf(it->second->sdlWindow());
}

bool SdlBackend::queueClick(WindowHandle topLevel, Point screenPoint) {
  auto it = shown_.find(topLevel);
  if (it == shown_.end()) return false;
  const Rect rect = it->second->shownRect();
  const int x = screenPoint.x - rect.left;
  const int y = screenPoint.y - rect.top;
  const Uint32 id = SDL_GetWindowID(it->second->sdlWindow());
  SDL_Event move;
  SDL_zero(move);
  move.type = SDL_MOUSEMOTION;
  move.motion.windowID = id;
  move.motion.x = x;
  move.motion.y = y;
  bool queued = SDL_PushEvent(&move) == 1;
  for (const bool down : {true, false}) {
    SDL_Event press;
    SDL_zero(press);
    press.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    press.button.windowID = id;
    press.button.button = SDL_BUTTON_LEFT;
    press.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    press.button.clicks = 1;
    press.button.x = x;
    press.button.y = y;
    queued = SDL_PushEvent(&press) == 1 && queued;
  }
  return queued;
}

bool SdlBackend::movePointer(WindowHandle topLevel, Point screenPoint) {
  auto it = shown_.find(topLevel);
  if (it == shown_.end()) return false;
  const Rect rect = it->second->shownRect();
  SDL_WarpMouseInWindow(it->second->sdlWindow(), screenPoint.x - rect.left, screenPoint.y - rect.top);
  return true;
}

bool SdlBackend::queueKeyEvent(WindowHandle topLevel, VirtualKey key, bool down) {
  auto it = shown_.find(topLevel);
  const auto code = KeycodeFor(key);
  if (it == shown_.end() || !code) return false;
  SDL_Event event;
  SDL_zero(event);
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.windowID = SDL_GetWindowID(it->second->sdlWindow());
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.sym = *code;
  event.key.keysym.scancode = SDL_GetScancodeFromKey(*code);
  return SDL_PushEvent(&event) == 1;
}

bool SdlBackend::queueTextEvent(WindowHandle topLevel, std::string_view text) {
  auto it = shown_.find(topLevel);
  SDL_Event event;
  SDL_zero(event);
  if (it == shown_.end() || text.size() >= sizeof event.text.text) return false;
  event.type = SDL_TEXTINPUT;
  event.text.windowID = SDL_GetWindowID(it->second->sdlWindow());
  std::memcpy(event.text.text, text.data(), text.size());
  return SDL_PushEvent(&event) == 1;
}

void SdlBackend::setClipboardText(std::string_view text) { SDL_SetClipboardText(Windows1252ToUtf8(text).c_str()); }

std::optional<std::string> SdlBackend::clipboardText() {
  if (!SDL_HasClipboardText()) return std::nullopt;
  char* text = SDL_GetClipboardText();
  if (text == nullptr) return std::nullopt;
  // A character the code page lacks becomes '?'.
  std::string result = Utf8ToWindows1252(text);
  SDL_free(text);
  return result;
}

void SdlBackend::showCursor(CursorShape shape) {
  if (!ok_) return;
  SDL_Cursor*& cursor = cursors_[shape];
  if (cursor == nullptr) {
    const SDL_SystemCursor id = shape == CursorShape::Wait       ? SDL_SYSTEM_CURSOR_WAIT
                                : shape == CursorShape::TextBeam ? SDL_SYSTEM_CURSOR_IBEAM
                                                                 : SDL_SYSTEM_CURSOR_ARROW;
    cursor = SDL_CreateSystemCursor(id);
  }
  if (cursor == nullptr) return;
  SDL_SetCursor(cursor);
  // Shown at once, even when no loop runs until the work is done.
  SDL_PumpEvents();
}

}  // namespace platform::ui::sdl
