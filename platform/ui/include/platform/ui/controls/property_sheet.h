// The "PropertySheet" class: pages (child dialogs made from templates)
// behind a tab control, as a child window of a dialog. It has no buttons
// of its own: the dialog around it saves and closes.
//
// Its tab control (id kTabControlId) fills the sheet, one tab per page,
// titled with the page's title or else its template's caption. A page's
// window is made when the page is first activated: the template's dialog,
// as a hidden child of the sheet (a control parent, so that its controls
// share the dialog's tab order), the object given attached from its first
// message; its initialisation does not move the focus. The sheet is as
// large as its largest page needs and is itself a control parent: the tab
// order runs from the dialog's controls before the sheet through the
// current page's controls (the pages lie in front of the tab control) to
// the tab control, and on to the dialog's controls after the sheet.
// Hidden pages are left out, and a hidden sheet with all of them.
//
// Changing pages (a click on a tab, Left and Right on the tab control,
// Ctrl+Tab and Ctrl+Shift+Tab anywhere in the sheet, SetCurrentPage): the
// current page hears KillActive (a non-zero answer refuses: nothing
// changes), then the new page, made if need be, hears SetActive (a
// non-zero answer refuses: the old page is current again and hears
// SetActive once more). The new page is shown, the old one hidden; when the
// focus was in the old page it moves to the new page's first tab stop (to
// the tab control when the page has none). Notices go to the page in
// msg::Notify (notify.h) with the sheet as sender.
//
// The sheet's window text is its caption. The tab control's draw-item
// messages go to the sheet: a program that draws the tabs (the tab
// control's OwnerDrawFixed style, given in Sheet::tabStyle) subclasses the
// sheet to answer them.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/control_descriptor.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/messages.h"
#include "platform/ui/styles.h"

namespace platform::ui {
class Window;
}

namespace platform::ui::property_sheet {

inline constexpr const char* kClassName = "PropertySheet";
inline constexpr int kTabControlId = 12320;

struct Page {
  int templateId = 0;                              // a registered template (dialog_template.h)
  const DialogTemplate* dialogTemplate = nullptr;  // or this one (kept until the page is made)
  Window* object = nullptr;                        // attached to the page's window, if given
  std::string title;                               // the tab's text; empty: the template's caption
};

struct Sheet {
  WindowHandle parent = nullptr;
  int id = 0;
  std::string caption;
  Point position;  // in the parent's client coordinates
  StyleBits style = style::Child | style::Visible | dialog_style::Control;
  StyleBits exStyle = 0;
  StyleBits tabStyle = 0;  // added to the tab control's (tab_control.h)
  std::vector<Page> pages;
  int startPage = 0;
};

// Makes the sheet with its tab control and activates the start page
// (made and sent SetActive, whose answer is not asked). Null when the
// parent is not a window, there is no page, or a page's template is
// missing.
WindowHandle Create(const Sheet& sheet);

// Messages.
inline constexpr MessageId SetCurrentPage =
    0x1501;  // wParam: index; 1 when it became current, 0 refused or no such page
inline constexpr MessageId GetCurrentPage = 0x1502;  // the current page's index
inline constexpr MessageId GetPageWindow = 0x1503;   // wParam: index; the page's window, null until it is made
inline constexpr MessageId GetPageCount = 0x1504;
inline constexpr MessageId GetTabControl = 0x1505;  // the tab control's window

// Notices to a page (msg::Notify): answer 0 to agree, non-zero to refuse.
inline constexpr unsigned SetActive = 0xFFFFFF38;
inline constexpr unsigned KillActive = 0xFFFFFF37;

// No template keyword: a sheet is made in code (Create).
extern const ControlDescriptor kDescriptor;

}  // namespace platform::ui::property_sheet
