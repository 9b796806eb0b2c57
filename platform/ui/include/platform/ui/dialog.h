// The dialog manager: dialog windows built from templates (dialog_template.h)
// and run modally or modeless, the keyboard navigation of IsDialogMessage,
// the default push button, dialog items by id, the dialog font and dialog
// units, and centring. The class-library face of it is dialog_object.h.
//
// Navigation (IsDialogMessage, for a key-down in the dialog whose target
// does not claim the key through msg::GetDialogCode):
//   Tab, Shift+Tab  the next or previous control with style::TabStop that
//                   is visible and enabled, in z-order, wrapping around;
//   arrow keys      the next (Right, Down) or previous (Left, Up) control
//                   of the group (a group runs from a control with
//                   style::Group to the next one), wrapping within it; an
//                   automatic radio button reached so is clicked;
//   Enter           the focused push button, else the default push button
//                   (msg::DialogGetDefaultId), else command_id::Ok: the
//                   dialog gets msg::Command(id, button::Clicked); nothing
//                   (a beep) when that button is disabled;
//   Esc             msg::Command(command_id::Cancel), likewise.
// Navigation moves the focus with SetDialogFocus. Every other message for
// the dialog is translated and dispatched by IsDialogMessage itself. There
// are no mnemonics.
//
// Control parents (exstyle::ControlParent: a property sheet and its pages)
// put their controls into the dialog's tab order. A dialog that is itself
// such a child (a page) navigates in the dialog it lies in, and a control
// parent around the focus may claim Ctrl+Tab (answering
// dialog_code::WantMessage to msg::GetDialogCode): the key-down goes to it.
//
// Focus: a dialog that is activated gives the focus back to the control
// that had it last (or the first tab stop); a dialog that is given the
// focus itself keeps it (Tab then starts from the first tab stop).
//
// A modal run disables the owner's top-level window, shows the dialog and
// runs a loop (filter_code::DialogBox, or the code given) until EndDialog.
// The focus is then put back exactly as it was before the dialog was
// created, without a msg::SetFocus to a window that never lost it: a
// dialog or message box opened while the focus was on its way from one
// window to another (from a kill-focus handler) does not make the window
// that was to gain it hear of it, and the handler may put the focus back
// where it wants. Then the owner is enabled again and the dialog
// destroyed. A quit retrieved by the loop ends the dialog (end code -1)
// and is posted again for the loops outside.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/dialog_template.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/messages.h"
#include "platform/ui/types.h"

namespace platform::ui {

class Window;

inline constexpr const char* kDialogClassName = "Dialog";

// The ids of the standard buttons, which are also the end codes of
// dialogs and message boxes.
namespace command_id {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace command_id

// Builds the dialog: its window (object attached from the first message,
// when given), its font, its controls in template order (each given the
// font), then msg::InitDialog (wParam the first tab stop, lParam
// initParam); a non-zero answer puts the focus on the first tab stop. A
// template with style::Visible is then shown. Null when a control or the
// dialog cannot be created.
WindowHandle CreateDialogWindow(const DialogTemplate& dialogTemplate, WindowHandle owner, Window* object = nullptr,
                                LParam initParam = 0);
// Builds the dialog and runs it modally (see above); the end code, -1 when
// the dialog could not be created, was destroyed or a quit ended it.
LResult DialogBox(const DialogTemplate& dialogTemplate, WindowHandle owner, Window* object = nullptr,
                  LParam initParam = 0, int filterCode = filter_code::DialogBox);
// Ends a modal dialog's loop with the result (also from inside its
// initialisation); a modeless dialog is hidden. False for a non-dialog.
bool EndDialog(WindowHandle dialog, LResult result);
bool IsDialogEnded(WindowHandle dialog);
bool IsDialog(WindowHandle window);

// The keyboard navigation above; true when the message was for the dialog
// or one of its controls (it has then been handled).
bool IsDialogMessage(WindowHandle dialog, Message& message);
// The next (previous) tab stop after the control, or the first (last) for
// null; the control itself when there is no other, null when none at all.
// Children of a control with exstyle::ControlParent count as the dialog's.
WindowHandle NextDialogTabItem(WindowHandle dialog, WindowHandle control, bool previous);
// The next (previous) visible, enabled control of the control's group that
// takes input (statics and group boxes do not); the control itself when
// there is no other.
WindowHandle NextDialogGroupItem(WindowHandle dialog, WindowHandle control, bool previous);
// Gives the control the focus as the dialog manager does: a control that
// answers dialog_code::HasSetSelection has all its text selected first.
void SetDialogFocus(WindowHandle control);

// Dialog items: the direct child with the id.
WindowHandle DialogItem(WindowHandle dialog, int id);
LResult SendDialogItemMessage(WindowHandle dialog, int id, MessageId message, WParam wParam = 0, LParam lParam = 0);
std::string DialogItemText(WindowHandle dialog, int id);
bool SetDialogItemText(WindowHandle dialog, int id, std::string_view text);
// The item's text as a whole number (blanks around it allowed, a sign only
// when signed); nullopt for anything else or a number out of range.
std::optional<long long> DialogItemInt(WindowHandle dialog, int id, bool isSigned = true);
bool SetDialogItemInt(WindowHandle dialog, int id, long long value);
// button::Checked, Unchecked or Indeterminate.
bool CheckDialogButton(WindowHandle dialog, int id, WParam state);
WParam DialogButtonCheck(WindowHandle dialog, int id);
// Checks one radio button of the id range and clears the others.
bool CheckRadioButton(WindowHandle dialog, int firstId, int lastId, int checkId);

// Moves the window so that it is centred on the reference window (null:
// its owner, or its parent for a child), or on the screen when there is
// no visible reference; a top-level window is kept on the screen.
bool CenterWindow(WindowHandle window, WindowHandle reference = nullptr);

// The dialog's base units: its font's average character width and cell
// height (a dialog unit is a quarter of the width and an eighth of the
// height). SystemDialogBaseUnits is the same for the default GUI font.
Size DialogBaseUnits(WindowHandle dialog);
Size SystemDialogBaseUnits();
// The base units a dialog of the template gets (those of its font).
Size TemplateBaseUnits(const DialogTemplate& dialogTemplate);
// A rectangle in dialog units in pixels.
Rect MapDialogRect(WindowHandle dialog, Rect dialogUnits);
Rect DialogUnitsToPixels(Size baseUnits, Rect dialogUnits);

}  // namespace platform::ui
