// Reading the rating screen as a user sees it: window texts by id, menu
// items, toolbar buttons, status panes; and choosing a settings profile as
// the user does.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/types.h"

namespace qiv::testing {

std::string TextOf(platform::ui::WindowHandle screen, int id);
// Selects the profile in the profile list and tells the screen of the
// change; false when the list has no such profile.
bool ChooseProfile(platform::ui::WindowHandle screen, const char* name);
bool IsShown(platform::ui::WindowHandle screen, int id);
// The text of a shown control, or "(hidden)".
std::string ShownText(platform::ui::WindowHandle screen, int id);
// A left click injected at the middle of the control.
void ClickOn(platform::ui::WindowHandle screen, int id);
// The menu bar's titles, and the commands of its pop-ups in order.
std::vector<std::string> MenuTitles(platform::ui::WindowHandle screen);
std::vector<int> MenuCommands(platform::ui::WindowHandle screen);
// The separators at either end of a pop-up or next to another, as
// "pop-up P item I".
std::vector<std::string> StraySeparators(platform::ui::WindowHandle screen);
std::string MenuItemLabel(platform::ui::WindowHandle screen, int command);
unsigned MenuFlags(platform::ui::WindowHandle screen, int command);
// The commands of the toolbar's buttons that are not hidden.
std::vector<int> ShownButtons(platform::ui::WindowHandle screen);
bool ButtonChecked(platform::ui::WindowHandle screen, int command);
bool ButtonEnabled(platform::ui::WindowHandle screen, int command);
std::string StatusPane(platform::ui::WindowHandle screen, int pane);
std::string SelectedComboText(platform::ui::WindowHandle screen, int id);
// The visible statics and fields of a window whose text is wider than the
// control shows.
std::vector<int> CutTexts(platform::ui::WindowHandle window);
// Where the columns of a tab-stopped list do not line up, as "line L piece
// P ...": a piece that does not start at its own tab stop (the piece before
// it ran past the stop), one that ends past the list's edge, and with
// right-aligned figures one that ends elsewhere than on the first line.
std::vector<std::string> MisalignedColumns(platform::ui::WindowHandle list, bool rightAligned = true);
// Where each of a tab-stopped list's lines starts its last piece, as the
// list places it (a tab goes to the first stop past the text before it).
std::vector<int> LastPieceStarts(platform::ui::WindowHandle list);

}  // namespace qiv::testing
