// Keyboard focus, activation, mouse capture, key state and hit testing.
//
// SetFocus sends msg::KillFocus to the window losing the focus, then
// msg::SetFocus to the one gaining it, and activates the new window's
// top-level window. GetFocus already names the new window while the old one
// handles msg::KillFocus. A focus change made from inside msg::KillFocus
// (a handler that puts the focus back) supersedes the change under way, and
// the window that was to gain the focus never hears of it.
#pragma once

#include "platform/ui/keys.h"
#include "platform/ui/types.h"

namespace platform::ui {

// Returns the window that had the focus; null (and no change) when the
// window is invalid or it or an ancestor is disabled. SetFocus(nullptr)
// takes the focus away.
WindowHandle SetFocus(WindowHandle window);
WindowHandle GetFocus();

// The active top-level window receives msg::Activate; the one losing
// activation first.
WindowHandle SetActiveWindow(WindowHandle window);
WindowHandle GetActiveWindow();

WindowHandle SetCapture(WindowHandle window);
bool ReleaseCapture();
WindowHandle GetCapture();

// Whether the key was down as of the input message being processed (the
// state changes as key messages are retrieved, not as input is injected).
bool IsKeyDown(VirtualKey key);
// The cursor position as of the mouse message last retrieved (screen
// coordinates).
Point CursorPosition();

namespace child_from_point {
inline constexpr unsigned All = 0;
inline constexpr unsigned SkipInvisible = 1;
inline constexpr unsigned SkipDisabled = 2;
}  // namespace child_from_point
// The direct child of parent that contains the point (parent's client
// coordinates); by default hidden and disabled children count. The parent
// itself when no child does; null when the point lies outside the parent.
WindowHandle ChildWindowFromPoint(WindowHandle parent, Point point, unsigned skip = child_from_point::All);
// The window mouse input at the screen point goes to: the deepest visible
// window there, not a disabled one (its enabled parent takes the input),
// passing over windows that answer msg::NcHitTest with hit::Transparent.
WindowHandle WindowFromPoint(Point screenPoint);

}  // namespace platform::ui
