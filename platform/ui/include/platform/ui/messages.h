// Window message numbers and the codes that travel with them. The numbers
// are the ones the application and its controls send and compare, so they
// are fixed here once: private messages start at msg::User, and the
// numbers handed out for registered names start at msg::FirstRegistered.
#pragma once

#include "platform/ui/types.h"

namespace platform::ui {

namespace msg {
inline constexpr MessageId Null = 0x0000;
inline constexpr MessageId Create = 0x0001;
inline constexpr MessageId Destroy = 0x0002;
inline constexpr MessageId Move = 0x0003;
inline constexpr MessageId Size = 0x0005;
inline constexpr MessageId Activate = 0x0006;
inline constexpr MessageId SetFocus = 0x0007;
inline constexpr MessageId KillFocus = 0x0008;
inline constexpr MessageId Enable = 0x000A;
inline constexpr MessageId SetRedraw = 0x000B;
inline constexpr MessageId SetText = 0x000C;
inline constexpr MessageId GetText = 0x000D;
inline constexpr MessageId GetTextLength = 0x000E;
inline constexpr MessageId Paint = 0x000F;
inline constexpr MessageId Close = 0x0010;
inline constexpr MessageId Quit = 0x0012;
inline constexpr MessageId EraseBackground = 0x0014;
inline constexpr MessageId ShowWindow = 0x0018;
inline constexpr MessageId CancelMode = 0x001F;
inline constexpr MessageId SetCursor = 0x0020;
inline constexpr MessageId MouseActivate = 0x0021;
inline constexpr MessageId DrawItem = 0x002B;
inline constexpr MessageId MeasureItem = 0x002C;
inline constexpr MessageId DeleteItem = 0x002D;
inline constexpr MessageId VKeyToItem = 0x002E;
inline constexpr MessageId CharToItem = 0x002F;
inline constexpr MessageId SetFont = 0x0030;
inline constexpr MessageId GetFont = 0x0031;
inline constexpr MessageId NextDialogControl = 0x0028;  // see dialog.h
inline constexpr MessageId CompareItem = 0x0039;
// A control's notice that carries more than a code: lParam points to a
// NotifyHeader, or to a notice that starts with one (wParam the id); see
// notify.h.
inline constexpr MessageId Notify = 0x004E;
inline constexpr MessageId Help = 0x0053;
// A window's icons (wParam icon_size::Small or Big, lParam the icon's
// BitmapHandle; the answer is the icon before). The window does not own
// them: whoever loaded an icon deletes it after the window is gone.
inline constexpr MessageId GetIcon = 0x007F;
inline constexpr MessageId SetIcon = 0x0080;
inline constexpr MessageId NcCreate = 0x0081;
inline constexpr MessageId NcDestroy = 0x0082;
inline constexpr MessageId NcHitTest = 0x0084;
inline constexpr MessageId GetDialogCode = 0x0087;
inline constexpr MessageId NcMouseMove = 0x00A0;
inline constexpr MessageId NcLeftButtonDown = 0x00A1;
inline constexpr MessageId NcLeftButtonUp = 0x00A2;
inline constexpr MessageId NcLeftButtonDoubleClick = 0x00A3;
inline constexpr MessageId KeyDown = 0x0100;
inline constexpr MessageId KeyUp = 0x0101;
inline constexpr MessageId Char = 0x0102;
inline constexpr MessageId SysKeyDown = 0x0104;
inline constexpr MessageId SysKeyUp = 0x0105;
inline constexpr MessageId SysChar = 0x0106;
inline constexpr MessageId KeyFirst = KeyDown;
inline constexpr MessageId KeyLast = 0x0108;
inline constexpr MessageId InitDialog = 0x0110;
inline constexpr MessageId Command = 0x0111;
inline constexpr MessageId SysCommand = 0x0112;
inline constexpr MessageId Timer = 0x0113;
inline constexpr MessageId HScroll = 0x0114;
inline constexpr MessageId VScroll = 0x0115;
inline constexpr MessageId InitMenu = 0x0116;
inline constexpr MessageId InitMenuPopup = 0x0117;
// The timer message a control sets for itself (a list box's auto-scroll
// while the mouse is held); it is never given to the application's timers.
inline constexpr MessageId SystemTimer = 0x0118;
inline constexpr MessageId MenuSelect = 0x011F;
inline constexpr MessageId CtlColorEdit = 0x0133;
inline constexpr MessageId CtlColorListBox = 0x0134;
inline constexpr MessageId CtlColorButton = 0x0135;
inline constexpr MessageId CtlColorDialog = 0x0136;
inline constexpr MessageId CtlColorScrollBar = 0x0137;
inline constexpr MessageId CtlColorStatic = 0x0138;
inline constexpr MessageId MouseMove = 0x0200;
inline constexpr MessageId LeftButtonDown = 0x0201;
inline constexpr MessageId LeftButtonUp = 0x0202;
inline constexpr MessageId LeftButtonDoubleClick = 0x0203;
inline constexpr MessageId RightButtonDown = 0x0204;
inline constexpr MessageId RightButtonUp = 0x0205;
inline constexpr MessageId RightButtonDoubleClick = 0x0206;
inline constexpr MessageId MiddleButtonDown = 0x0207;
inline constexpr MessageId MiddleButtonUp = 0x0208;
inline constexpr MessageId MiddleButtonDoubleClick = 0x0209;
inline constexpr MessageId MouseFirst = MouseMove;
inline constexpr MessageId MouseLast = MiddleButtonDoubleClick;
// The wheel turned: the high word of wParam is the signed distance,
// kWheelDelta a notch (positive away from the user), the low word the
// mouse_key bits; lParam the cursor in screen coordinates. It goes to
// the window with the focus; a window that does not take it passes it to
// its parent.
inline constexpr MessageId MouseWheel = 0x020A;
inline constexpr MessageId EnterMenuLoop = 0x0211;
inline constexpr MessageId ExitMenuLoop = 0x0212;
inline constexpr MessageId CaptureChanged = 0x0215;
// Posted once the mouse has left a window that asked for it
// (TrackMouseLeave, input.h).
inline constexpr MessageId MouseLeave = 0x02A3;
// The clipboard commands of edit fields (the selection's text).
inline constexpr MessageId Cut = 0x0300;
inline constexpr MessageId Copy = 0x0301;
inline constexpr MessageId Paste = 0x0302;
inline constexpr MessageId User = 0x0400;
// A dialog's default push button: the answer is MakeLong(id, kHasDefaultId),
// or 0 when it has none; set with the id in wParam.
inline constexpr MessageId DialogGetDefaultId = User + 0;
inline constexpr MessageId DialogSetDefaultId = User + 1;
inline constexpr MessageId FirstRegistered = 0xC000;
inline constexpr MessageId LastRegistered = 0xFFFF;
}  // namespace msg

inline constexpr unsigned kHasDefaultId = 0x534B;

// One notch of the mouse wheel (msg::MouseWheel).
inline constexpr int kWheelDelta = 120;

// Answers to msg::MouseActivate, which a button press sends to the window
// it goes to (and which the default procedure passes up to the parent)
// before the press, unless that window is the active one; a press on a
// disabled control of the active window sends it to that window too (the
// control's enabled parent, which takes the press). An answer that eats
// the press drops it whole.
namespace mouse_activate {
inline constexpr LResult Activate = 1;
inline constexpr LResult ActivateAndEat = 2;
inline constexpr LResult NoActivate = 3;
inline constexpr LResult NoActivateAndEat = 4;
}  // namespace mouse_activate

// Answers to msg::NcHitTest.
namespace hit {
inline constexpr LResult Transparent = -1;
inline constexpr LResult Nowhere = 0;
inline constexpr LResult Client = 1;
inline constexpr LResult Caption = 2;
inline constexpr LResult Menu = 5;
inline constexpr LResult HorizontalScroll = 6;
inline constexpr LResult VerticalScroll = 7;
inline constexpr LResult Border = 18;
}  // namespace hit

// The low word of msg::Activate's wParam.
namespace activation {
inline constexpr unsigned Inactive = 0;
inline constexpr unsigned Active = 1;
inline constexpr unsigned ClickActive = 2;
}  // namespace activation

// The wParam of msg::Size.
namespace size_type {
inline constexpr WParam Restored = 0;
inline constexpr WParam Minimized = 1;
inline constexpr WParam Maximized = 2;
}  // namespace size_type

// Scroll-bar requests (low word of msg::VScroll and msg::HScroll) and bars.
namespace scroll {
inline constexpr unsigned LineUp = 0;
inline constexpr unsigned LineDown = 1;
inline constexpr unsigned PageUp = 2;
inline constexpr unsigned PageDown = 3;
inline constexpr unsigned ThumbPosition = 4;
inline constexpr unsigned ThumbTrack = 5;
inline constexpr unsigned Top = 6;
inline constexpr unsigned Bottom = 7;
inline constexpr unsigned EndScroll = 8;
}  // namespace scroll

// What a control asks of the dialog manager (answers to
// msg::GetDialogCode, whose lParam points to the Message being asked about,
// or is 0).
namespace dialog_code {
inline constexpr LResult WantArrows = 0x0001;
inline constexpr LResult WantTab = 0x0002;
inline constexpr LResult WantAllKeys = 0x0004;
inline constexpr LResult WantMessage = 0x0004;
inline constexpr LResult HasSetSelection = 0x0008;
inline constexpr LResult DefaultPushButton = 0x0010;
inline constexpr LResult PushButton = 0x0020;
inline constexpr LResult RadioButton = 0x0040;
inline constexpr LResult WantChars = 0x0080;
inline constexpr LResult Static = 0x0100;
inline constexpr LResult Button = 0x2000;
}  // namespace dialog_code

// The codes message-filter hooks are called with: the loop that retrieved
// the message.
namespace filter_code {
inline constexpr int DialogBox = 0;
inline constexpr int MessageBox = 1;
inline constexpr int Menu = 2;
}  // namespace filter_code

// msg::SysCommand requests.
namespace system_command {
inline constexpr WParam Close = 0xF060;
inline constexpr WParam KeyMenu = 0xF100;
}  // namespace system_command

// The wParam of msg::SetIcon and msg::GetIcon: the caption's small icon or
// the big one of the desktop.
namespace icon_size {
inline constexpr WParam Small = 0;
inline constexpr WParam Big = 1;
}  // namespace icon_size

// The lParam of msg::Help points to one of these.
struct HelpInfo {
  enum class Source { Window = 1, MenuItem = 2 };
  Source source = Source::Window;
  int controlId = 0;              // the window's id, or the menu item's command
  WindowHandle window = nullptr;  // the window asked about (Source::Window)
  MenuHandle menu = nullptr;      // the menu the item is on (Source::MenuItem)
  Point mouse;                    // the cursor position, in screen coordinates
};

// Notifications that travel in msg::Command: wParam = MakeLong(id, code),
// lParam = the control's handle.
inline WParam CommandParam(int id, unsigned code) { return MakeLong(static_cast<unsigned>(id), code); }

}  // namespace platform::ui
