// Notices in msg::Notify: a control tells its parent (a property sheet its
// pages, a tool tip its tool's window) of an event with wParam the sender's
// id and lParam a pointer to a NotifyHeader, or to a notice record of the
// control's own that begins with one. The answer is the receiver's reply
// where a notice asks for one (a refusal, say), otherwise 0.
//
// Each control's header lists its codes, in a block of its own counted
// down from 0xFFFFFFFF, so that a handler by code alone never mistakes one
// control's notice for another's:
//
//   notify_code (below; common to the controls that send them)  -1 .. -99
//   property_sheet                                              -200 .. -299
//   tool_tip                                                    -520 .. -549
//   tab_control                                                 -550 .. -580
//   month_calendar                                              -746 .. -752
//   date_picker                                                 -753 .. -799
#pragma once

#include "platform/ui/messages.h"
#include "platform/ui/window.h"

namespace platform::ui {

struct NotifyHeader {
  WindowHandle from = nullptr;  // the control that sends the notice
  int id = 0;                   // its id (or the id of what it tells of)
  unsigned code = 0;
};

namespace notify_code {
inline constexpr unsigned SetFocus = 0xFFFFFFF9;   // the control gained the focus
inline constexpr unsigned KillFocus = 0xFFFFFFF8;  // the control lost the focus
}  // namespace notify_code

// Sends the notice to the window: the header's sender, id (the sender's)
// and code are filled in; the answer is the receiver's.
inline LResult SendNotify(WindowHandle to, WindowHandle from, unsigned code, NotifyHeader& header) {
  header.from = from;
  header.id = WindowId(from);
  header.code = code;
  return SendMessage(to, msg::Notify, static_cast<WParam>(header.id), reinterpret_cast<LParam>(&header));
}
// The notice to the control's parent; 0 when it has none.
inline LResult NotifyParentOf(WindowHandle control, unsigned code, NotifyHeader& header) {
  const WindowHandle parent = ParentWindow(control);
  return parent != nullptr ? SendNotify(parent, control, code, header) : 0;
}
inline LResult NotifyParentOf(WindowHandle control, unsigned code) {
  NotifyHeader header;
  return NotifyParentOf(control, code, header);
}

// The header msg::Notify's lParam points to.
inline const NotifyHeader& NotifyHeaderOf(LParam lParam) { return *reinterpret_cast<const NotifyHeader*>(lParam); }

}  // namespace platform::ui
