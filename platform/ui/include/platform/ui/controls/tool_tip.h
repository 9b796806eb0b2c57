// The "ToolTip" class: a small pop-up window that names the tool the mouse
// rests on. A tool is a rectangle of a window (the window and an id, the
// rectangle in the window's client coordinates). The window relays its
// mouse messages to the tip (RelayEvent, with msg::MouseLeave among them),
// and the tip
//   - once the mouse has rested on a tool for kInitialDelay milliseconds
//     on the backend's clock, takes the tool's text and shows it below
//     the cursor (inside the screen), at the front, never activated, the
//     mouse passing through it; its window text is the text shown;
//   - hides when the mouse moves off the tool or leaves the window, and
//     when a button is pressed; after a press it stays hidden until the
//     mouse comes onto another tool (or leaves and comes back).
// A tool's text is its own, or with kTextCallback asked each time the tip
// shows: msg::Notify goes to the tool's window with a ToolTipText (code
// NeedText, the tool's id; the header's sender is the tip), whose `text`
// the window points at its answer, or whose `buffer` it fills (at most 79
// characters). An empty text shows no tip. '&' is taken out of the text
// unless the tip has NoPrefix.
//
// The tip is a top-level pop-up; make it owned by the tools' top-level
// window (WindowCreation::parent), which it goes with.
#pragma once

#include <span>

#include "platform/ui/control_descriptor.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/messages.h"
#include "platform/ui/notify.h"
#include "platform/ui/styles.h"

namespace platform::ui::tool_tip {

inline constexpr const char* kClassName = "ToolTip";

// Style bits.
inline constexpr StyleBits NoPrefix = 0x0002;

inline constexpr unsigned kInitialDelay = 500;  // ms the mouse rests before the tip shows
// The tip's top edge below the cursor's point.
inline constexpr int kCursorHeight = 20;

struct Tool {
  WindowHandle window = nullptr;
  int id = 0;
  Rect rect;                   // the window's client coordinates
  const char* text = nullptr;  // null: no tip; kTextCallback: asked of the window
};
inline const char* const kTextCallback = reinterpret_cast<const char*>(-1);

// Messages (lParam points to a Tool, of which DeleteTool and NewToolRect
// use the window and the id).
inline constexpr MessageId AddTool = 0x0404;  // false when the window is invalid or has a tool of the id
inline constexpr MessageId DeleteTool = 0x0405;
inline constexpr MessageId NewToolRect = 0x0406;  // the tool takes the rectangle; false for no such tool
inline constexpr MessageId RelayEvent = 0x0407;   // lParam: the Message, its point in its window's client coordinates
inline constexpr MessageId GetToolCount = 0x040D;
inline constexpr MessageId Pop = 0x041C;  // hides the tip now

// Notices (msg::Notify, notify.h).
inline constexpr unsigned NeedText = 0xFFFFFDF8;

// The notice asking for a tool's text.
struct ToolTipText {
  NotifyHeader header;
  const char* text = nullptr;  // the answer, or null to take buffer
  char buffer[80] = {};
};

// Tool tips are made by code, never by a template.
inline constexpr std::span<const TemplateKind> kTemplateKinds{};
inline constexpr StyleWord kStyleWords[] = {{"noprefix", NoPrefix}};
// Draws in the tip colours of the style painter; its owner's colour answer
// is not used.
extern const ControlDescriptor kDescriptor;

}  // namespace platform::ui::tool_tip
