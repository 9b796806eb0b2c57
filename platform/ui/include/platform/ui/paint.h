// Window painting. A window's update region (kept as one rectangle in
// client coordinates) grows with InvalidateRect and empties when the
// window is painted. Painting a window sends it msg::EraseBackground (wParam
// the context) when the invalidation asked for it, then msg::Paint, in
// which the window calls BeginPaint and EndPaint; children paint after
// their parent, back of the z-order first, each cut to its parent's client
// area. The frame (borders, caption, menu bar, frame scroll bars) is drawn
// by the style painter before the client area.
//
// The backend paints the windows that need it whenever the message loop
// is idle (a backend with a screen gives each top-level window a surface,
// see backend.h); the headless backend has no screen, so it paints only
// when asked: UpdateWindow, or PaintWindowTree into a surface of the
// caller's.
//
// Control colours: before a control paints it sends its parent
// msg::CtlColorEdit, CtlColorListBox, CtlColorButton or CtlColorStatic
// (wParam the context, lParam the control); the parent may set the text
// and background colours on the context and answers the brush of the
// background. The default answer (DefaultWindowProcedure) is the classic
// one: window text on the window colour for edits and list boxes, button
// text on the button face for the rest.
#pragma once

#include <optional>

#include "platform/ui/color.h"
#include "platform/ui/types.h"

namespace platform::ui {

// Null rect: the whole client area. A window whose redraw is off
// (msg::SetRedraw) takes no invalidation: whoever turns it back on
// invalidates it.
bool InvalidateRect(WindowHandle window, const Rect* rect = nullptr, bool erase = true);
bool ValidateRect(WindowHandle window, const Rect* rect = nullptr);
// The update rectangle; nothing when the window needs no painting.
std::optional<Rect> UpdateRect(WindowHandle window);
// True when the window or a window below it needs painting.
bool TreeNeedsPainting(WindowHandle window);
// Paints the window and its children now, if they need it, on the
// backend's surface of their top-level window (nowhere on a headless one).
bool UpdateWindow(WindowHandle window);

struct PaintInfo {
  DcHandle dc = nullptr;
  Rect paint;          // the update rectangle, client coordinates
  bool erase = false;  // the background still has to be erased
};
// Only inside msg::Paint: the context of the paint, cut to the update
// rectangle. EndPaint validates the window.
DcHandle BeginPaint(WindowHandle window, PaintInfo& info);
bool EndPaint(WindowHandle window, const PaintInfo& info);

// Paints the whole window with its frame and all its children onto the
// surface, the window's top-left corner at the surface's origin, whether
// or not it needed painting, and validates it.
class Surface;
void PaintWindowTree(WindowHandle window, Surface& surface);

// The control-colour message the control sends its parent: its class's
// rule (control_descriptor.h), msg::CtlColorStatic for a class without one.
MessageId ControlColorMessageFor(WindowHandle control);
// Sends the parent the control's control-colour message with the context
// and returns the brush answered (the classic default when the parent
// answers none).
BrushHandle RequestControlColors(WindowHandle control, DcHandle dc);

// The caret: one per thread, owned by a window, drawn inverted over the
// owner's painting while it is shown (ShowCaret and HideCaret nest: it
// shows when the shows outnumber the hides). A steady caret: it does not
// blink.
bool CreateCaret(WindowHandle owner, int width, int height);
bool DestroyCaret();
// In the owner's client coordinates.
bool SetCaretPosition(Point point);
bool ShowCaret(WindowHandle owner);
bool HideCaret(WindowHandle owner);
struct CaretInfo {
  WindowHandle owner = nullptr;
  Rect rect;  // client coordinates of the owner
  bool visible = false;
};
CaretInfo CurrentCaret();

}  // namespace platform::ui
