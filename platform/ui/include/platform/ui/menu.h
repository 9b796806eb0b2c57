// Menus: a menu bar on a top-level window, pop-up menus inside it, items
// found by command id (searching the pop-ups too) or by position. A
// pop-up belongs to the menu that holds it, and a menu bar to its window:
// destroying the owner destroys them.
//
// The menu bar is used from the keyboard (Alt or F10, arrows, Enter, Esc)
// or with the mouse. While it is open, each change of the highlighted item
// is reported to the window with msg::MenuSelect (wParam = MakeLong(item,
// flags): the command id of an item, the position of a pop-up; lParam the
// menu), and the same message is first given to the message-filter hooks
// with filter_code::Menu. Opening a pop-up sends msg::InitMenuPopup
// (wParam the pop-up, lParam its position). A chosen item is posted as
// msg::Command (wParam = its id, lParam 0) once the menu has closed; a
// grayed or disabled item cannot be chosen (Enter on it does nothing). Esc
// closes the open pop-up, then the menu; Alt, F10 or a press outside the
// menu closes it at once. F1 closes the menu and sends msg::Help for the
// highlighted item. The loop begins with msg::EnterMenuLoop and
// msg::InitMenu, and ends with msg::MenuSelect(MakeLong(0, 0xFFFF), 0)
// (to the window only, not to the hooks) and msg::ExitMenuLoop. Every
// message the loop retrieves goes to the message-filter hooks with
// filter_code::Menu first; keys and the mouse work the menu, and any other
// message is dispatched.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/types.h"

namespace platform::ui {

namespace menu_flag {
inline constexpr unsigned Grayed = 0x0001;
inline constexpr unsigned Disabled = 0x0002;
inline constexpr unsigned Checked = 0x0008;
inline constexpr unsigned Popup = 0x0010;
inline constexpr unsigned Highlighted = 0x0080;
inline constexpr unsigned Separator = 0x0800;
}  // namespace menu_flag

enum class MenuLookup { ByCommand, ByPosition };
enum class MenuItemState { Enabled = 0, Grayed = 1, Disabled = 2 };

MenuHandle CreateMenu();
bool DestroyMenu(MenuHandle menu);
bool IsMenu(MenuHandle menu);

bool AppendMenuItem(MenuHandle menu, int command, std::string_view text, unsigned flags = 0);
// The pop-up then belongs to the menu.
bool AppendSubMenu(MenuHandle menu, MenuHandle popup, std::string_view text, unsigned flags = 0);
bool AppendSeparator(MenuHandle menu);

// Replaces the item: its flags (menu_flag; so a grayed item given no
// flags comes back enabled), command and text. A pop-up item keeps its
// pop-up.
bool ModifyMenuItem(MenuHandle menu, int item, MenuLookup lookup, unsigned flags, int command, std::string_view text);
// Removes the item; a pop-up item's menu is destroyed with it.
bool DeleteMenuItem(MenuHandle menu, int item, MenuLookup lookup);
// The previous state: 1 checked, 0 not, -1 no such item.
int CheckMenuItem(MenuHandle menu, int item, MenuLookup lookup, bool check);
// The previous state (MenuItemState as an int), or -1 for no such item.
int EnableMenuItem(MenuHandle menu, int item, MenuLookup lookup, MenuItemState state);
// The item's flags; -1 (all bits) for no such item.
unsigned MenuItemFlags(MenuHandle menu, int item, MenuLookup lookup);
bool MenuItemExists(MenuHandle menu, int item, MenuLookup lookup);
std::string MenuItemText(MenuHandle menu, int item, MenuLookup lookup);
int MenuItemCount(MenuHandle menu);  // -1 for an invalid menu
// The command of the item at the position; -1 for a pop-up, a separator
// or no item.
int MenuItemId(MenuHandle menu, int position);
MenuHandle SubMenu(MenuHandle menu, int position);

// A menu bar for a top-level window (the client area shrinks by it). The
// previous menu is returned to the caller, not destroyed.
bool SetMenu(WindowHandle window, MenuHandle menu);
MenuHandle GetMenu(WindowHandle window);
// Geometry, in screen coordinates: the bar's items side by side in the
// window's frame (each its text's width in the default GUI font plus 12),
// and an open pop-up below its bar item, inside the pop-up's two-pixel
// frame (items 18 pixels high, separators 8, as wide as the widest text
// with its accelerator text needs, plus 40). Empty for no such item.
Rect MenuBarItemRect(WindowHandle window, int position);
Rect PopupItemRect(WindowHandle window, int barPosition, int item);

// The menu the user is working, while the menu loop runs. The open
// pop-up is shown in a window of its own over the screen (owned by the
// menu's window, never activated), painted by the style painter with its
// checks, grayed items, separators and the highlighted item; the bar's
// highlighted title is pushed in while its pop-up is open.
struct MenuTracking {
  bool active = false;
  WindowHandle window = nullptr;
  int barPosition = -1;  // the highlighted pop-up of the bar
  bool popupOpen = false;
  int popupItem = -1;                  // the highlighted item of the open pop-up (position)
  WindowHandle popupWindow = nullptr;  // where the open pop-up is shown
};
MenuTracking CurrentMenuTracking();

// Asks for the menu bar to be drawn again (counted; see MenuBarDrawCount).
bool DrawMenuBar(WindowHandle window);
int MenuBarDrawCount(WindowHandle window);

}  // namespace platform::ui
