// The one way input enters the window model, used alike by tests and by
// real-window backends. Injected input is queued; the message loop turns it
// into key and mouse messages when it retrieves it (see message_loop.h).
// Keys are virtual keys. The characters they type come from key
// translation with a U.S. keyboard layout, or, when the backend says that
// the desktop types them (Backend::typesCharacters), from the desktop's
// layout through InjectCharacter: key translation then adds only what the
// desktop's text leaves out, the characters of Tab, Enter, Backspace and
// Esc and those typed with Ctrl (without Alt). Either way a key's messages
// come in one order: the key-down, its character, the key-up.
#pragma once

#include <string_view>

#include "platform/ui/keys.h"
#include "platform/ui/types.h"

namespace platform::ui {

enum class MouseButton { Left, Right, Middle };

// The key-state bits in the wParam of mouse messages.
namespace mouse_key {
inline constexpr WParam Left = 0x0001;
inline constexpr WParam Right = 0x0002;
inline constexpr WParam Shift = 0x0004;
inline constexpr WParam Control = 0x0008;
inline constexpr WParam Middle = 0x0010;
}  // namespace mouse_key

void InjectKeyDown(VirtualKey key);
void InjectKeyUp(VirtualKey key);
// A character the desktop's layout typed (Windows-1252), injected after
// the key-down of the key that typed it: it reaches the window that has
// the focus when it is retrieved, as a character message (a system
// character while Alt is held without Ctrl).
void InjectCharacter(unsigned char character);
void InjectMouseMove(Point screenPoint);
void InjectMouseButton(MouseButton button, bool down, Point screenPoint);
// The wheel turned by delta (kWheelDelta a notch, positive away from the
// user) with the cursor at the point: msg::MouseWheel to the focus.
void InjectMouseWheel(Point screenPoint, int delta);

// Conveniences built on the four above.
namespace modifier {
inline constexpr unsigned None = 0;
inline constexpr unsigned Shift = 1;
inline constexpr unsigned Control = 2;
inline constexpr unsigned Alt = 4;
}  // namespace modifier
// Presses and releases the key with the modifiers held around it.
void InjectKeyPress(VirtualKey key, unsigned modifiers = modifier::None);
// Types the text key by key (printable ASCII, '\t', '\n' as Enter and '\b'
// as Backspace), with Shift where the layout needs it; when the desktop
// types the characters, each printable one comes as the desktop gives it.
void InjectText(std::string_view text);
// Moves the mouse to the point (the window's client coordinates) and
// presses and releases the button there.
void InjectClick(WindowHandle window, Point clientPoint, MouseButton button = MouseButton::Left);
// Two clicks at one point, within the double-click time.
void InjectDoubleClick(WindowHandle window, Point clientPoint);

// Asks for msg::MouseLeave (posted) when the mouse next moves, presses or
// releases a button, or turns the wheel, off the window: onto another
// window, or onto none.
// Once: a window that wants to hear of the next leave asks again. False
// for an invalid window. A later request replaces an earlier one for
// another window, which then hears of its leave at once.
bool TrackMouseLeave(WindowHandle window);

// The virtual key and Shift state that type the character on the layout;
// false for a character no key types.
bool KeyForCharacter(char character, VirtualKey& key, bool& shift);

}  // namespace platform::ui
