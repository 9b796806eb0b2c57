// Virtual-key codes: keys are named by these numbers in key messages
// (wParam), in accelerator tables and in key-state queries. Letters and
// digits are their upper-case characters ('A', '7').
#pragma once

#include <cstdint>

namespace platform::ui {

using VirtualKey = std::uint16_t;

namespace key {
inline constexpr VirtualKey Backspace = 0x08;
inline constexpr VirtualKey Tab = 0x09;
inline constexpr VirtualKey Enter = 0x0D;
inline constexpr VirtualKey Shift = 0x10;
inline constexpr VirtualKey Control = 0x11;
inline constexpr VirtualKey Alt = 0x12;
inline constexpr VirtualKey CapsLock = 0x14;
inline constexpr VirtualKey Escape = 0x1B;
inline constexpr VirtualKey Space = 0x20;
inline constexpr VirtualKey PageUp = 0x21;
inline constexpr VirtualKey PageDown = 0x22;
inline constexpr VirtualKey End = 0x23;
inline constexpr VirtualKey Home = 0x24;
inline constexpr VirtualKey Left = 0x25;
inline constexpr VirtualKey Up = 0x26;
inline constexpr VirtualKey Right = 0x27;
inline constexpr VirtualKey Down = 0x28;
inline constexpr VirtualKey Insert = 0x2D;
inline constexpr VirtualKey Delete = 0x2E;
inline constexpr VirtualKey Numpad0 = 0x60;
inline constexpr VirtualKey NumpadMultiply = 0x6A;
inline constexpr VirtualKey NumpadAdd = 0x6B;
inline constexpr VirtualKey NumpadSubtract = 0x6D;
inline constexpr VirtualKey NumpadDecimal = 0x6E;
inline constexpr VirtualKey NumpadDivide = 0x6F;
inline constexpr VirtualKey F1 = 0x70;
inline constexpr VirtualKey F4 = 0x73;
inline constexpr VirtualKey F10 = 0x79;
inline constexpr VirtualKey F12 = 0x7B;
inline constexpr VirtualKey Semicolon = 0xBA;
inline constexpr VirtualKey Equals = 0xBB;
inline constexpr VirtualKey Comma = 0xBC;
inline constexpr VirtualKey Minus = 0xBD;
inline constexpr VirtualKey Period = 0xBE;
inline constexpr VirtualKey Slash = 0xBF;
inline constexpr VirtualKey Backquote = 0xC0;
inline constexpr VirtualKey LeftBracket = 0xDB;
inline constexpr VirtualKey Backslash = 0xDC;
inline constexpr VirtualKey RightBracket = 0xDD;
inline constexpr VirtualKey Quote = 0xDE;
inline constexpr VirtualKey AngleBracket = 0xE2;  // beside the left Shift on ISO keyboards
}  // namespace key

}  // namespace platform::ui
