// Injected input, and how it becomes key and mouse messages when the loop
// retrieves it.
#include "platform/ui/input.h"

#include <cstdlib>
#include <string_view>
#include <utility>

#include "platform/ui/backend.h"
#include "platform/ui/focus.h"
#include "platform/ui/messages.h"
#include "platform/ui/metrics.h"
#include "platform/ui/window.h"
#include "windows/window_system.h"

namespace platform::ui {

using detail::InputEvent;
using detail::WindowSystem;

namespace {

// Key-state slots of the mouse buttons (the keyboard keys use their codes).
constexpr VirtualKey kLeftButtonSlot = 0x01;
constexpr VirtualKey kRightButtonSlot = 0x02;
constexpr VirtualKey kMiddleButtonSlot = 0x04;

// The unshifted and shifted characters of the punctuation keys.
struct PunctuationKey {
  VirtualKey key;
  char plain;
  char shifted;
};
constexpr PunctuationKey kPunctuation[] = {
    {key::Semicolon, ';', ':'},    {key::Equals, '=', '+'},      {key::Comma, ',', '<'},
    {key::Minus, '-', '_'},        {key::Period, '.', '>'},      {key::Slash, '/', '?'},
    {key::Backquote, '`', '~'},    {key::LeftBracket, '[', '{'}, {key::Backslash, '\\', '|'},
    {key::RightBracket, ']', '}'}, {key::Quote, '\'', '"'},
};
constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

void Push(InputEvent event) { WindowSystem::Get().input.push_back(event); }

VirtualKey ButtonSlot(MouseButton button) {
  switch (button) {
    case MouseButton::Left: return kLeftButtonSlot;
    case MouseButton::Right: return kRightButtonSlot;
    case MouseButton::Middle: return kMiddleButtonSlot;
  }
  return kLeftButtonSlot;
}

WParam MouseKeys() {
  const auto& down = WindowSystem::Get().keyDown;
  WParam keys = 0;
  if (down[kLeftButtonSlot]) keys |= mouse_key::Left;
  if (down[kRightButtonSlot]) keys |= mouse_key::Right;
  if (down[kMiddleButtonSlot]) keys |= mouse_key::Middle;
  if (down[key::Shift]) keys |= mouse_key::Shift;
  if (down[key::Control]) keys |= mouse_key::Control;
  return keys;
}

// The character a key types with the current modifiers, or 0.
unsigned CharacterForKey(VirtualKey code) {
  const auto& down = WindowSystem::Get().keyDown;
  const bool shift = down[key::Shift];
  const bool control = down[key::Control];
  if (control && down[key::Alt]) return 0;
  if (code >= 'A' && code <= 'Z') {
    if (control) return code - 'A' + 1u;
    return (shift ? code : code - 'A' + 'a');
  }
  if (control) {
    if (code == key::Enter) return '\n';
    if (code == key::Backspace) return 0x7F;
    if (code == key::Space) return ' ';
    return 0;
  }
  if (code >= '0' && code <= '9') return shift ? static_cast<unsigned char>(kShiftedDigits[code - '0']) : code;
  if (code >= key::Numpad0 && code <= key::Numpad0 + 9) return '0' + (code - key::Numpad0);
  switch (code) {
    case key::Space: return ' ';
    case key::Tab: return '\t';
    case key::Enter: return '\r';
    case key::Backspace: return '\b';
    case key::Escape: return 0x1B;
    case key::NumpadMultiply: return '*';
    case key::NumpadAdd: return '+';
    case key::NumpadSubtract: return '-';
    case key::NumpadDecimal: return '.';
    case key::NumpadDivide: return '/';
    default: break;
  }
  for (const PunctuationKey& p : kPunctuation)
    if (p.key == code) return static_cast<unsigned char>(shift ? p.shifted : p.plain);
  return 0;
}

// Whether key translation types the key's character: always with the
// model's own layout; with the desktop's, only where the desktop's text
// leaves it out.
bool TranslationTypes(VirtualKey code) {
  if (!CurrentBackend().typesCharacters()) return true;
  const auto& down = WindowSystem::Get().keyDown;
  if (down[key::Control] && !down[key::Alt]) return true;
  return code == key::Tab || code == key::Enter || code == key::Backspace || code == key::Escape;
}

WindowHandle KeyboardTarget(bool& noFocus) {
  const WindowHandle focus = GetFocus();
  noFocus = focus == nullptr;
  return focus ? focus : GetActiveWindow();
}

bool RetrieveKey(const InputEvent& event, Message& message) {
  WindowSystem& system = WindowSystem::Get();
  const VirtualKey code = event.key & 0xFF;
  const bool down = event.kind == InputEvent::Kind::KeyDown;
  const bool wasDown = system.keyDown[code];
  system.keyDown[code] = down;
  if (down) system.altAlone = code == key::Alt ? (!wasDown || system.altAlone) : false;
  bool noFocus = false;
  const WindowHandle target = KeyboardTarget(noFocus);
  if (target == nullptr) return false;
  const bool alt = system.keyDown[key::Alt] || code == key::Alt;
  const bool sys = (alt && !system.keyDown[key::Control]) || code == key::F10 || noFocus;
  message = {};
  message.window = target;
  message.message = down ? (sys ? msg::SysKeyDown : msg::KeyDown) : (sys ? msg::SysKeyUp : msg::KeyUp);
  message.wParam = code;
  LParam bits = 1;
  if (alt) bits |= LParam{1} << 29;
  if (!down || wasDown) bits |= LParam{1} << 30;
  if (!down) bits |= LParam{1} << 31;
  message.lParam = bits;
  return true;
}

// The window that asked to hear of the mouse's leave hears of it once the
// mouse is off it.
void CheckMouseLeave(Point point) {
  WindowSystem& system = WindowSystem::Get();
  const WindowHandle tracked = system.mouseLeaveTracked;
  if (tracked == nullptr || WindowFromPoint(point) == tracked) return;
  system.mouseLeaveTracked = nullptr;
  PostMessage(tracked, msg::MouseLeave);
}

// A click on a disabled control goes to its enabled parent; when that is
// the active window, the parent still hears of the click's activation, so
// that it can tell (ChildWindowFromPoint) which of its controls was hit.
bool OverDisabledChild(WindowHandle target, Point screenPoint) {
  const WindowHandle child =
      ChildWindowFromPoint(target, ScreenToClient(target, screenPoint), child_from_point::SkipInvisible);
  return child != nullptr && child != target && !IsWindowEnabled(child);
}

// Where mouse input at the point goes, and what part of the window it hits.
WindowHandle MouseTarget(Point point, LResult& hitTest) {
  const WindowHandle capture = GetCapture();
  if (capture != nullptr) {
    hitTest = hit::Client;
    return capture;
  }
  const WindowHandle target = WindowFromPoint(point);
  if (target == nullptr || !IsWindowUsable(target)) return nullptr;
  hitTest = SendMessage(target, msg::NcHitTest, 0, PointToParam(point));
  return target;
}

void FillMouse(Message& message, WindowHandle target, LResult hitTest, MessageId clientMessage, MessageId frameMessage,
               Point point) {
  message = {};
  message.window = target;
  if (hitTest == hit::Client) {
    message.message = clientMessage;
    message.wParam = MouseKeys();
    message.lParam = PointToParam(ScreenToClient(target, point));
  } else {
    message.message = frameMessage;
    message.wParam = static_cast<WParam>(hitTest);
    message.lParam = PointToParam(point);
  }
}

MessageId ButtonMessage(MouseButton button, int which) {
  // which: 0 down, 1 up, 2 double click
  switch (button) {
    case MouseButton::Left: return msg::LeftButtonDown + static_cast<MessageId>(which);
    case MouseButton::Right: return msg::RightButtonDown + static_cast<MessageId>(which);
    case MouseButton::Middle: return msg::MiddleButtonDown + static_cast<MessageId>(which);
  }
  return msg::LeftButtonDown;
}

bool IsDoubleClick(WindowHandle target, const InputEvent& event) {
  WindowSystem& system = WindowSystem::Get();
  detail::LastClick& last = system.lastClick;
  const std::uint64_t now = CurrentBackend().now();
  detail::WindowRecord* record = detail::Find(target);
  const bool wantsDoubleClicks = record && (record->windowClass->windowClass.style & class_style::DoubleClicks) != 0;
  const int distance = GetSystemMetric(SystemMetric::DoubleClickDistance);
  const bool isDouble = wantsDoubleClicks && last.valid && last.window == target && last.button == event.button &&
                        now - last.time <= static_cast<std::uint64_t>(GetSystemMetric(SystemMetric::DoubleClickTime)) &&
                        std::abs(event.point.x - last.point.x) <= distance &&
                        std::abs(event.point.y - last.point.y) <= distance;
  if (isDouble)
    last.valid = false;
  else
    last = {target, event.button, event.point, now, true};
  return isDouble;
}

bool RetrieveButtonDown(const InputEvent& event, Message& message) {
  WindowSystem& system = WindowSystem::Get();
  system.cursor = event.point;
  CheckMouseLeave(event.point);
  system.keyDown[ButtonSlot(event.button)] = true;
  LResult hitTest = hit::Client;
  const WindowHandle target = MouseTarget(event.point, hitTest);
  if (target == nullptr) return false;
  const MessageId down = ButtonMessage(event.button, 0);
  if (GetCapture() == nullptr && (target != GetActiveWindow() || OverDisabledChild(target, event.point))) {
    // Mouse activation comes before the button-down and may eat it.
    const WindowHandle top = TopLevelWindow(target);
    const LResult answer = SendMessage(target, msg::MouseActivate, reinterpret_cast<WParam>(top),
                                       static_cast<LParam>(MakeLong(static_cast<unsigned>(hitTest), down)));
    if ((answer == mouse_activate::Activate || answer == mouse_activate::ActivateAndEat) && IsWindow(top) &&
        top != GetActiveWindow())
      detail::ActivateByClick(top);
    if (answer == mouse_activate::ActivateAndEat || answer == mouse_activate::NoActivateAndEat) return false;
    if (!IsWindow(target)) return false;
  }
  const bool isDouble = IsDoubleClick(target, event);
  if (hitTest != hit::Client && event.button != MouseButton::Left) return false;
  FillMouse(message, target, hitTest, ButtonMessage(event.button, isDouble ? 2 : 0),
            isDouble ? msg::NcLeftButtonDoubleClick : msg::NcLeftButtonDown, event.point);
  return true;
}

bool RetrieveButtonUp(const InputEvent& event, Message& message) {
  WindowSystem& system = WindowSystem::Get();
  system.cursor = event.point;
  CheckMouseLeave(event.point);
  system.keyDown[ButtonSlot(event.button)] = false;
  LResult hitTest = hit::Client;
  const WindowHandle target = MouseTarget(event.point, hitTest);
  if (target == nullptr) return false;
  if (hitTest != hit::Client && event.button != MouseButton::Left) return false;
  FillMouse(message, target, hitTest, ButtonMessage(event.button, 1), msg::NcLeftButtonUp, event.point);
  return true;
}

bool RetrieveMove(const InputEvent& event, Message& message) {
  WindowSystem::Get().cursor = event.point;
  CheckMouseLeave(event.point);
  LResult hitTest = hit::Client;
  const WindowHandle target = MouseTarget(event.point, hitTest);
  if (target == nullptr) return false;
  FillMouse(message, target, hitTest, msg::MouseMove, msg::NcMouseMove, event.point);
  return true;
}

bool RetrieveWheel(const InputEvent& event, Message& message) {
  WindowSystem::Get().cursor = event.point;
  CheckMouseLeave(event.point);
  bool noFocus = false;
  const WindowHandle target = KeyboardTarget(noFocus);
  if (target == nullptr) return false;
  message = {};
  message.window = target;
  message.message = msg::MouseWheel;
  message.wParam = MakeLong(static_cast<unsigned>(MouseKeys()), static_cast<unsigned>(event.wheelDelta));
  message.lParam = PointToParam(event.point);
  return true;
}

}  // namespace

void InjectKeyDown(VirtualKey code) { Push({InputEvent::Kind::KeyDown, code, MouseButton::Left, {}}); }
void InjectKeyUp(VirtualKey code) { Push({InputEvent::Kind::KeyUp, code, MouseButton::Left, {}}); }
void InjectCharacter(unsigned char character) { Push({InputEvent::Kind::Character, character, MouseButton::Left, {}}); }
void InjectMouseMove(Point screenPoint) { Push({InputEvent::Kind::MouseMove, 0, MouseButton::Left, screenPoint}); }
void InjectMouseButton(MouseButton button, bool down, Point screenPoint) {
  Push({down ? InputEvent::Kind::ButtonDown : InputEvent::Kind::ButtonUp, 0, button, screenPoint});
}

void InjectMouseWheel(Point screenPoint, int delta) {
  InputEvent event{InputEvent::Kind::Wheel, 0, MouseButton::Left, screenPoint};
  event.wheelDelta = delta;
  Push(event);
}

bool TrackMouseLeave(WindowHandle window) {
  if (!IsWindow(window)) return false;
  WindowSystem& system = WindowSystem::Get();
  const WindowHandle before = std::exchange(system.mouseLeaveTracked, window);
  if (before != nullptr && before != window) PostMessage(before, msg::MouseLeave);
  return true;
}

void InjectKeyPress(VirtualKey code, unsigned modifiers) {
  if (modifiers & modifier::Shift) InjectKeyDown(key::Shift);
  if (modifiers & modifier::Control) InjectKeyDown(key::Control);
  if (modifiers & modifier::Alt) InjectKeyDown(key::Alt);
  InjectKeyDown(code);
  InjectKeyUp(code);
  if (modifiers & modifier::Alt) InjectKeyUp(key::Alt);
  if (modifiers & modifier::Control) InjectKeyUp(key::Control);
  if (modifiers & modifier::Shift) InjectKeyUp(key::Shift);
}

bool KeyForCharacter(char character, VirtualKey& code, bool& shift) {
  const auto c = static_cast<unsigned char>(character);
  shift = false;
  if (c >= 'a' && c <= 'z') {
    code = static_cast<VirtualKey>(c - 'a' + 'A');
    return true;
  }
  if (c >= 'A' && c <= 'Z') {
    code = c;
    shift = true;
    return true;
  }
  if (c >= '0' && c <= '9') {
    code = c;
    return true;
  }
  if (const auto at = kShiftedDigits.find(static_cast<char>(c)); at != std::string_view::npos) {
    code = static_cast<VirtualKey>('0' + at);
    shift = true;
    return true;
  }
  switch (c) {
    case ' ': code = key::Space; return true;
    case '\t': code = key::Tab; return true;
    case '\n':
    case '\r': code = key::Enter; return true;
    case '\b': code = key::Backspace; return true;
    default: break;
  }
  for (const PunctuationKey& p : kPunctuation) {
    if (static_cast<unsigned char>(p.plain) == c) {
      code = p.key;
      return true;
    }
    if (static_cast<unsigned char>(p.shifted) == c) {
      code = p.key;
      shift = true;
      return true;
    }
  }
  return false;
}

void InjectText(std::string_view text) {
  const bool desktopTypes = CurrentBackend().typesCharacters();
  for (char c : text) {
    VirtualKey code = 0;
    bool shift = false;
    if (!KeyForCharacter(c, code, shift)) continue;
    if (!desktopTypes || static_cast<unsigned char>(c) < 0x20) {
      InjectKeyPress(code, shift ? modifier::Shift : modifier::None);
      continue;
    }
    if (shift) InjectKeyDown(key::Shift);
    InjectKeyDown(code);
    InjectCharacter(static_cast<unsigned char>(c));
    InjectKeyUp(code);
    if (shift) InjectKeyUp(key::Shift);
  }
}

void InjectClick(WindowHandle window, Point clientPoint, MouseButton button) {
  const Point screen = ClientToScreen(window, clientPoint);
  InjectMouseMove(screen);
  InjectMouseButton(button, true, screen);
  InjectMouseButton(button, false, screen);
}

void InjectDoubleClick(WindowHandle window, Point clientPoint) {
  InjectClick(window, clientPoint);
  InjectClick(window, clientPoint);
}

bool TranslateMessage(const Message& message) {
  if (message.message != msg::KeyDown && message.message != msg::SysKeyDown) return false;
  const auto code = static_cast<VirtualKey>(message.wParam);
  const unsigned character = CharacterForKey(code);
  if (character == 0 || !TranslationTypes(code)) return false;
  // Ahead of the rest of the input, so that it comes before the key-up.
  WindowSystem::Get().characters.push_back(character);
  return true;
}

}  // namespace platform::ui

namespace platform::ui::detail {

bool RetrieveInput(Message& message) {
  WindowSystem& system = WindowSystem::Get();
  const InputEvent event = system.input.front();
  system.input.pop_front();
  switch (event.kind) {
    case InputEvent::Kind::KeyDown:
    case InputEvent::Kind::KeyUp: return RetrieveKey(event, message);
    case InputEvent::Kind::Character: RetrieveCharacter(message, event.key); return message.window != nullptr;
    case InputEvent::Kind::MouseMove: return RetrieveMove(event, message);
    case InputEvent::Kind::ButtonDown: return RetrieveButtonDown(event, message);
    case InputEvent::Kind::ButtonUp: return RetrieveButtonUp(event, message);
    case InputEvent::Kind::Wheel: return RetrieveWheel(event, message);
  }
  return false;
}

void RetrieveCharacter(Message& message, unsigned character) {
  WindowSystem& system = WindowSystem::Get();
  bool noFocus = false;
  message = {};
  message.window = KeyboardTarget(noFocus);
  const bool sys = (system.keyDown[key::Alt] && !system.keyDown[key::Control]) || noFocus;
  message.message = sys ? msg::SysChar : msg::Char;
  message.wParam = character;
  message.lParam = 1;
}

}  // namespace platform::ui::detail
