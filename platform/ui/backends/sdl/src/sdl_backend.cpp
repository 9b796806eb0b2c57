// The SDL2 backend (see sdl_backend.h).
#include "platform/ui/sdl/sdl_backend.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <vector>

#include "key_map.h"
#include "platform/ui/focus.h"
#include "platform/ui/gdi.h"
#include "platform/ui/input.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/messages.h"
#include "platform/ui/paint.h"
#include "platform/ui/window.h"

namespace platform::ui::sdl {

namespace {

bool IsPopupWindow(WindowHandle window) {
  const StyleBits style = WindowStyle(window);
  return (style & style::Popup) && (style & style::Caption) != style::Caption && OwnerWindow(window) != nullptr;
}

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
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    error_ = SDL_GetError();
    return;
  }
  ok_ = true;
}

SdlBackend::~SdlBackend() {
  for (auto& [window, shown] : shown_) SDL_DestroyWindow(shown.window);
  for (auto& [shape, cursor] : cursors_) SDL_FreeCursor(cursor);
  // SDL's video stays up to the end of the process: quitting it unloads the
  // X libraries SDL loaded, and what they keep could then no longer be told
  // apart from a leak of ours.
}

std::uint64_t SdlBackend::now() { return SDL_GetTicks64(); }

bool SdlBackend::waitForInput(std::optional<std::uint64_t> deadline) {
  forgetHiddenWindows();
  int timeout = -1;
  if (deadline) timeout = static_cast<int>(std::min<std::uint64_t>(*deadline > now() ? *deadline - now() : 0, 1u << 30));
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
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      const auto key = VirtualKeyFor(event.key.keysym.sym);
      if (!key) return;
      if (event.type == SDL_KEYDOWN)
        InjectKeyDown(*key);
      else
        InjectKeyUp(*key);
      return;
    }
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const bool motion = event.type == SDL_MOUSEMOTION;
      const WindowHandle window = modelWindowOf(motion ? event.motion.windowID : event.button.windowID);
      if (window == nullptr) return;
      const Rect rect = WindowRect(window);
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
    case SDL_WINDOWEVENT: {
      const WindowHandle window = modelWindowOf(event.window.windowID);
      if (window == nullptr) return;
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED) presentWindow(window);
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) PostMessage(window, msg::Close);
      return;
    }
    default:
      return;
  }
}

void SdlBackend::beep(int) { ++beeps_; }

int SdlBackend::systemMetric(SystemMetric metric) {
  SDL_DisplayMode mode;
  if ((metric == SystemMetric::ScreenWidth || metric == SystemMetric::ScreenHeight ||
       metric == SystemMetric::FullScreenClientWidth) &&
      SDL_GetCurrentDisplayMode(0, &mode) == 0)
    return metric == SystemMetric::ScreenHeight ? mode.h : mode.w;
  return HeadlessSystemMetric(metric);
}

Surface* SdlBackend::windowSurface(WindowHandle topLevel) {
  if (!ok_ || !IsWindowVisible(topLevel)) return nullptr;
  const Rect rect = WindowRect(topLevel);
  if (rect.isEmpty()) return nullptr;
  Shown& shown = shown_[topLevel];
  if (shown.window == nullptr) {
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN;
    if (IsPopupWindow(topLevel)) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
    const std::string title = WindowText(topLevel);
    shown.window = SDL_CreateWindow(title.c_str(), rect.left, rect.top, rect.width(), rect.height(), flags);
    if (shown.window == nullptr) {
      error_ = SDL_GetError();
      shown_.erase(topLevel);
      return nullptr;
    }
    // Mapped now, so that a window painted at once (a pop-up shown during
    // work that runs no loop) is seen.
    SDL_PumpEvents();
  }
  showIcon(shown, topLevel);
  int x = 0;
  int y = 0;
  SDL_GetWindowPosition(shown.window, &x, &y);
  if (x != rect.left || y != rect.top) SDL_SetWindowPosition(shown.window, rect.left, rect.top);
  if (!shown.image || shown.image->size() != Size{rect.width(), rect.height()}) {
    SDL_SetWindowSize(shown.window, rect.width(), rect.height());
    shown.image = std::make_unique<cairo::ImageSurface>(Size{rect.width(), rect.height()});
    // A new image holds nothing yet: everything is painted again.
    InvalidateRect(topLevel, nullptr, true);
  }
  return shown.image.get();
}

void SdlBackend::showIcon(Shown& shown, WindowHandle topLevel) {
  auto icon = HandleFromParam<BitmapHandle>(SendMessage(topLevel, msg::GetIcon, icon_size::Big));
  if (BitmapImage(icon) == nullptr) icon = HandleFromParam<BitmapHandle>(SendMessage(topLevel, msg::GetIcon, icon_size::Small));
  const Image* image = BitmapImage(icon);
  if (icon == shown.icon || image == nullptr) return;
  shown.icon = icon;
  // The image's pixels are 0xAARRGGBB words, as SDL's ARGB8888 has them.
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<std::uint32_t*>(image->pixels.data()), image->width, image->height, 32,
      image->width * static_cast<int>(sizeof(std::uint32_t)), SDL_PIXELFORMAT_ARGB8888);
  if (surface == nullptr) return;
  SDL_SetWindowIcon(shown.window, surface);
  SDL_FreeSurface(surface);
}

void SdlBackend::presentWindow(WindowHandle topLevel) {
  auto it = shown_.find(topLevel);
  if (it == shown_.end() || !it->second.image) return;
  SDL_Surface* target = SDL_GetWindowSurface(it->second.window);
  if (target == nullptr) return;
  const cairo::ImageSurface& image = *it->second.image;
  const int width = std::min(image.size().width, target->w);
  const int height = std::min(image.size().height, target->h);
  SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_RGB888, image.data(), image.stride(), target->format->format,
                    target->pixels, target->pitch);
  SDL_UpdateWindowSurface(it->second.window);
}

void SdlBackend::forgetHiddenWindows() {
  for (auto it = shown_.begin(); it != shown_.end();) {
    if (!IsWindow(it->first) || !IsWindowVisible(it->first)) {
      SDL_DestroyWindow(it->second.window);
      it = shown_.erase(it);
    } else {
      ++it;
    }
  }
}

WindowHandle SdlBackend::modelWindowOf(std::uint32_t sdlWindowId) const {
  for (const auto& [window, shown] : shown_)
    if (SDL_GetWindowID(shown.window) == sdlWindowId) return IsWindow(window) ? window : nullptr;
  return nullptr;
}

bool SdlBackend::isShown(WindowHandle topLevel) const { return shown_.count(topLevel) != 0; }

bool SdlBackend::queueClick(WindowHandle topLevel, Point screenPoint) {
  auto it = shown_.find(topLevel);
  if (it == shown_.end()) return false;
  const Rect rect = WindowRect(topLevel);
  const int x = screenPoint.x - rect.left;
  const int y = screenPoint.y - rect.top;
  const Uint32 id = SDL_GetWindowID(it->second.window);
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
  const Rect rect = WindowRect(topLevel);
  SDL_WarpMouseInWindow(it->second.window, screenPoint.x - rect.left, screenPoint.y - rect.top);
  return true;
}

bool SdlBackend::queueKeyEvent(WindowHandle topLevel, VirtualKey key, bool down) {
  auto it = shown_.find(topLevel);
  const auto code = KeycodeFor(key);
  if (it == shown_.end() || !code) return false;
  SDL_Event event;
  SDL_zero(event);
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.windowID = SDL_GetWindowID(it->second.window);
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.sym = *code;
  event.key.keysym.scancode = SDL_GetScancodeFromKey(*code);
  return SDL_PushEvent(&event) == 1;
}

void SdlBackend::setClipboardText(std::string_view text) {
  const std::string copy(text);
  SDL_SetClipboardText(copy.c_str());
}

std::optional<std::string> SdlBackend::clipboardText() {
  if (!SDL_HasClipboardText()) return std::nullopt;
  char* text = SDL_GetClipboardText();
  if (text == nullptr) return std::nullopt;
  std::string result(text);
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
