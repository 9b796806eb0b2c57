// SDL key codes as virtual keys.
#include "key_map.h"

namespace platform::ui::sdl {

std::optional<VirtualKey> VirtualKeyFor(SDL_Keycode code) {
  if (code >= SDLK_a && code <= SDLK_z) return static_cast<VirtualKey>('A' + (code - SDLK_a));
  if (code >= SDLK_0 && code <= SDLK_9) return static_cast<VirtualKey>('0' + (code - SDLK_0));
  if (code >= SDLK_F1 && code <= SDLK_F12) return static_cast<VirtualKey>(key::F1 + (code - SDLK_F1));
  if (code >= SDLK_KP_1 && code <= SDLK_KP_9) return static_cast<VirtualKey>(key::Numpad0 + 1 + (code - SDLK_KP_1));
  switch (code) {
    case SDLK_BACKSPACE: return key::Backspace;
    case SDLK_TAB: return key::Tab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return key::Enter;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return key::Shift;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return key::Control;
    case SDLK_LALT:
    case SDLK_RALT: return key::Alt;
    case SDLK_CAPSLOCK: return key::CapsLock;
    case SDLK_ESCAPE: return key::Escape;
    case SDLK_SPACE: return key::Space;
    case SDLK_PAGEUP: return key::PageUp;
    case SDLK_PAGEDOWN: return key::PageDown;
    case SDLK_END: return key::End;
    case SDLK_HOME: return key::Home;
    case SDLK_LEFT: return key::Left;
    case SDLK_UP: return key::Up;
    case SDLK_RIGHT: return key::Right;
    case SDLK_DOWN: return key::Down;
    case SDLK_INSERT: return key::Insert;
    case SDLK_DELETE: return key::Delete;
    case SDLK_KP_0: return key::Numpad0;
    case SDLK_KP_MULTIPLY: return key::NumpadMultiply;
    case SDLK_KP_PLUS: return key::NumpadAdd;
    case SDLK_KP_MINUS: return key::NumpadSubtract;
    case SDLK_KP_PERIOD: return key::NumpadDecimal;
    case SDLK_KP_DIVIDE: return key::NumpadDivide;
    case SDLK_SEMICOLON: return key::Semicolon;
    case SDLK_EQUALS: return key::Equals;
    case SDLK_COMMA: return key::Comma;
    case SDLK_MINUS: return key::Minus;
    case SDLK_PERIOD: return key::Period;
    case SDLK_SLASH: return key::Slash;
    case SDLK_BACKQUOTE: return key::Backquote;
    case SDLK_LEFTBRACKET: return key::LeftBracket;
    case SDLK_BACKSLASH: return key::Backslash;
    case SDLK_RIGHTBRACKET: return key::RightBracket;
    case SDLK_QUOTE: return key::Quote;
    default: return std::nullopt;
  }
}

std::optional<VirtualKey> VirtualKeyFor(SDL_Keycode code, SDL_Scancode place) {
  if (const auto byCode = VirtualKeyFor(code)) return byCode;
  if (place >= SDL_SCANCODE_A && place <= SDL_SCANCODE_Z)
    return static_cast<VirtualKey>('A' + (place - SDL_SCANCODE_A));
  if (place >= SDL_SCANCODE_1 && place <= SDL_SCANCODE_9)
    return static_cast<VirtualKey>('1' + (place - SDL_SCANCODE_1));
  switch (place) {
    case SDL_SCANCODE_0: return VirtualKey{'0'};
    case SDL_SCANCODE_SEMICOLON: return key::Semicolon;
    case SDL_SCANCODE_EQUALS: return key::Equals;
    case SDL_SCANCODE_COMMA: return key::Comma;
    case SDL_SCANCODE_MINUS: return key::Minus;
    case SDL_SCANCODE_PERIOD: return key::Period;
    case SDL_SCANCODE_SLASH: return key::Slash;
    case SDL_SCANCODE_GRAVE: return key::Backquote;
    case SDL_SCANCODE_LEFTBRACKET: return key::LeftBracket;
    case SDL_SCANCODE_BACKSLASH: return key::Backslash;
    case SDL_SCANCODE_RIGHTBRACKET: return key::RightBracket;
    case SDL_SCANCODE_APOSTROPHE: return key::Quote;
    case SDL_SCANCODE_NONUSBACKSLASH: return key::AngleBracket;
    default: return std::nullopt;
  }
}

std::optional<SDL_Keycode> KeycodeFor(VirtualKey key) {
  if (key >= 'A' && key <= 'Z') return static_cast<SDL_Keycode>(SDLK_a + (key - 'A'));
  if (key >= '0' && key <= '9') return static_cast<SDL_Keycode>(SDLK_0 + (key - '0'));
  static constexpr SDL_Keycode kNamed[] = {
      SDLK_BACKSPACE,    SDLK_TAB,   SDLK_RETURN, SDLK_LSHIFT,   SDLK_LCTRL,     SDLK_LALT,        SDLK_CAPSLOCK,
      SDLK_ESCAPE,       SDLK_SPACE, SDLK_PAGEUP, SDLK_PAGEDOWN, SDLK_END,       SDLK_HOME,        SDLK_LEFT,
      SDLK_UP,           SDLK_RIGHT, SDLK_DOWN,   SDLK_INSERT,   SDLK_DELETE,    SDLK_SEMICOLON,   SDLK_EQUALS,
      SDLK_COMMA,        SDLK_MINUS, SDLK_PERIOD, SDLK_SLASH,    SDLK_BACKQUOTE, SDLK_LEFTBRACKET, SDLK_BACKSLASH,
      SDLK_RIGHTBRACKET, SDLK_QUOTE, SDLK_F1,     SDLK_F2,       SDLK_F3,        SDLK_F4,          SDLK_F5,
      SDLK_F6,           SDLK_F7,    SDLK_F8,     SDLK_F9,       SDLK_F10,       SDLK_F11,         SDLK_F12,
  };
  for (SDL_Keycode code : kNamed)
    if (VirtualKeyFor(code) == key) return code;
  return std::nullopt;
}

}  // namespace platform::ui::sdl
