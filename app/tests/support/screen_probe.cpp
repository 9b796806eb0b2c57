#include "screen_probe.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/controls/status_bar.h"
#include "platform/ui/controls/toolbar.h"
#include "platform/ui/dialog.h"
#include "platform/ui/font.h"
#include "platform/ui/input.h"
#include "platform/ui/menu.h"
#include "platform/ui/window.h"
#include "screen/screen_ids.h"

namespace qiv::testing {

using namespace platform::ui;

namespace {
constexpr int kToolbarId = 3024;
constexpr int kStatusBarId = 502;
}  // namespace

std::string TextOf(WindowHandle screen, int id) { return DialogItemText(screen, id); }

bool IsShown(WindowHandle screen, int id) {
  const WindowHandle item = DialogItem(screen, id);
  return item != nullptr && IsWindowVisible(item);
}

std::string ShownText(WindowHandle screen, int id) {
  return IsShown(screen, id) ? DialogItemText(screen, id) : "(hidden)";
}

void ClickOn(WindowHandle screen, int id) {
  const Rect target = WindowRect(DialogItem(screen, id));
  InjectClick(screen, ScreenToClient(screen, {(target.left + target.right) / 2, (target.top + target.bottom) / 2}));
}

std::vector<std::string> MenuTitles(WindowHandle screen) {
  std::vector<std::string> titles;
  const MenuHandle bar = GetMenu(screen);
  for (int i = 0; i < MenuItemCount(bar); ++i) titles.push_back(MenuItemText(bar, i, MenuLookup::ByPosition));
  return titles;
}

std::vector<int> MenuCommands(WindowHandle screen) {
  std::vector<int> commands;
  const MenuHandle bar = GetMenu(screen);
  for (int p = 0; p < MenuItemCount(bar); ++p)
    for (int i = 0; i < MenuItemCount(SubMenu(bar, p)); ++i)
      if (const int id = MenuItemId(SubMenu(bar, p), i); id > 0) commands.push_back(id);
  return commands;
}

std::vector<std::string> StraySeparators(WindowHandle screen) {
  std::vector<std::string> stray;
  const MenuHandle bar = GetMenu(screen);
  for (int p = 0; p < MenuItemCount(bar); ++p) {
    const MenuHandle popup = SubMenu(bar, p);
    const int count = MenuItemCount(popup);
    bool previous = true;  // the start of the pop-up
    for (int i = 0; i < count; ++i) {
      const bool separator = (MenuItemFlags(popup, i, MenuLookup::ByPosition) & menu_flag::Separator) != 0;
      if (separator && (previous || i == count - 1))
        stray.push_back("pop-up " + std::to_string(p) + " item " + std::to_string(i));
      previous = separator;
    }
  }
  return stray;
}

std::string MenuItemLabel(WindowHandle screen, int command) {
  return MenuItemText(GetMenu(screen), command, MenuLookup::ByCommand);
}

unsigned MenuFlags(WindowHandle screen, int command) {
  return MenuItemFlags(GetMenu(screen), command, MenuLookup::ByCommand);
}

std::vector<int> ShownButtons(WindowHandle screen) {
  const WindowHandle toolbar = DialogItem(screen, kToolbarId);
  std::vector<int> shown;
  const auto count = static_cast<int>(SendMessage(toolbar, toolbar::ButtonCount));
  for (int i = 0; i < count; ++i) {
    toolbar::Button button;
    SendMessage(toolbar, toolbar::GetButton, static_cast<WParam>(i), reinterpret_cast<LParam>(&button));
    if (!(button.state & toolbar::state::Hidden)) shown.push_back(button.command);
  }
  return shown;
}

bool ButtonChecked(WindowHandle screen, int command) {
  return SendMessage(DialogItem(screen, kToolbarId), toolbar::IsButtonChecked, static_cast<WParam>(command)) != 0;
}

bool ButtonEnabled(WindowHandle screen, int command) {
  return SendMessage(DialogItem(screen, kToolbarId), toolbar::IsButtonEnabled, static_cast<WParam>(command)) != 0;
}

std::string StatusPane(WindowHandle screen, int pane) {
  std::array<char, 512> text{};
  SendMessage(DialogItem(screen, kStatusBarId), status_bar::GetText, static_cast<WParam>(pane),
              reinterpret_cast<LParam>(text.data()));
  return text.data();
}

std::string SelectedComboText(WindowHandle screen, int id) {
  const WindowHandle combo = DialogItem(screen, id);
  const auto selected = SendMessage(combo, combo_box::GetCurrentSelection);
  if (selected < 0) return {};
  std::array<char, 256> text{};
  SendMessage(combo, combo_box::GetItemText, static_cast<WParam>(selected), reinterpret_cast<LParam>(text.data()));
  return text.data();
}

std::vector<int> CutTexts(WindowHandle window) {
  std::vector<int> cut;
  for (WindowHandle child : ChildWindows(window)) {
    if (!IsWindowVisible(child)) continue;
    const std::string text = WindowText(child);
    if (text.empty()) continue;
    const bool isStatic = IsWindowOfClass(child, static_control::kClassName);
    if (isStatic && (WindowStyle(child) & static_control::TypeMask) > static_control::Right) continue;
    if (!isStatic && !IsWindowOfClass(child, "Edit")) continue;
    const auto font = reinterpret_cast<FontHandle>(SendMessage(child, msg::GetFont));
    const int margin = isStatic ? 0 : 4;
    if (MeasureTextWidth(font != nullptr ? font : DefaultGuiFont(), text) + margin > ClientRect(child).width())
      cut.push_back(WindowId(child));
  }
  return cut;
}

std::vector<std::string> MisalignedColumns(WindowHandle list, bool rightAligned) {
  std::vector<std::string> misaligned;
  const auto font = reinterpret_cast<FontHandle>(SendMessage(list, msg::GetFont));
  const std::vector<int> stops = list_box::TabStopPixels(list);
  std::vector<int> firstEnds;
  const int count = static_cast<int>(SendMessage(list, list_box::GetCount));
  for (int line = 0; line < count; ++line) {
    char text[256] = {};
    SendMessage(list, list_box::GetText, static_cast<WParam>(line), reinterpret_cast<LParam>(text));
    std::vector<int> ends;
    int x = 0;
    std::string_view rest = text;
    for (std::size_t piece = 0;; ++piece) {
      const std::size_t tab = rest.find('\t');
      const int end = x + MeasureTextWidth(font != nullptr ? font : DefaultGuiFont(), rest.substr(0, tab));
      const std::string where = "line " + std::to_string(line) + " piece " + std::to_string(piece);
      if (rightAligned && line > 0 && piece < firstEnds.size() && end != firstEnds[piece])
        misaligned.push_back(where + " ends at " + std::to_string(end) + ", not " + std::to_string(firstEnds[piece]));
      if (end >= ClientRect(list).width()) misaligned.push_back(where + " ends past the list's edge");
      ends.push_back(end);
      if (tab == std::string_view::npos) break;
      if (piece < stops.size() && end >= stops[piece]) misaligned.push_back(where + " runs past its tab stop");
      x = piece < stops.size() ? stops[piece] : end;
      rest.remove_prefix(tab + 1);
    }
    if (line == 0) firstEnds = ends;
  }
  return misaligned;
}

std::vector<int> LastPieceStarts(WindowHandle list) {
  const auto font = reinterpret_cast<FontHandle>(SendMessage(list, msg::GetFont));
  const std::vector<int> stops = list_box::TabStopPixels(list);
  std::vector<int> starts;
  for (int line = 0; line < static_cast<int>(SendMessage(list, list_box::GetCount)); ++line) {
    char text[256] = {};
    SendMessage(list, list_box::GetText, static_cast<WParam>(line), reinterpret_cast<LParam>(text));
    const std::string_view whole = text;
    const std::size_t lastTab = whole.rfind('\t');
    int x = 0;
    std::string_view rest = whole;
    for (std::size_t tab = rest.find('\t'); lastTab != std::string_view::npos; tab = rest.find('\t')) {
      x += MeasureTextWidth(font != nullptr ? font : DefaultGuiFont(), rest.substr(0, tab));
      const auto next = std::find_if(stops.begin(), stops.end(), [&](int stop) { return stop > x; });
      x = next != stops.end() ? *next : x + 1;
      rest.remove_prefix(tab + 1);
      if (rest.size() == whole.size() - lastTab - 1) break;
    }
    starts.push_back(x);
  }
  return starts;
}

bool ChooseProfile(WindowHandle screen, const char* name) {
  const WindowHandle combo = DialogItem(screen, screen_id::ProfileCombo);
  const auto index =
      SendMessage(combo, combo_box::FindStringExact, static_cast<WParam>(-1), reinterpret_cast<LParam>(name));
  if (index < 0) return false;
  SendMessage(combo, combo_box::SetCurrentSelection, static_cast<WParam>(index));
  SendMessage(screen, msg::Command, CommandParam(screen_id::ProfileCombo, combo_box::SelectionChange),
              HandleToParam(combo));
  return true;
}

}  // namespace qiv::testing
