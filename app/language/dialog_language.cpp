#include "language/dialog_language.h"

#include <unordered_set>

#include "platform/ui/menu.h"
#include "platform/ui/window.h"

namespace qiv {
namespace {

using namespace platform::ui;

void RelabelCommandItems(MenuHandle menuBar, int command, const std::string& text) {
  const int popups = MenuItemCount(menuBar);
  for (int p = 0; p < popups; ++p) {
    const MenuHandle popup = SubMenu(menuBar, p);
    if (popup == nullptr) continue;
    const int items = MenuItemCount(popup);
    for (int i = 0; i < items; ++i) {
      if (MenuItemId(popup, i) != command) continue;
      const unsigned flags = MenuItemFlags(popup, i, MenuLookup::ByPosition);
      ModifyMenuItem(popup, i, MenuLookup::ByPosition, flags == menu_flag::Checked ? menu_flag::Checked : 0, command,
                     text);
    }
  }
}

}  // namespace

void ApplyDialogLanguage(int dialogId, WindowHandle dialog, Language language, const LanguageTable& table,
                         WindowHandle mainWindow) {
  const MenuHandle menuBar = mainWindow != nullptr ? GetMenu(mainWindow) : nullptr;
  std::unordered_set<int> applied;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const int key = table.keyAt(i);
    // The first text of a key is the one used everywhere.
    if (!applied.insert(key).second) continue;
    const std::string& text = table.textAt(i, language);
    if (const WindowHandle child = ChildWithId(dialog, key)) {
      SetWindowText(child, text);
      continue;
    }
    if (key >= 30 && key <= 39) {
      if (menuBar != nullptr && SubMenu(menuBar, key - 30) != nullptr)
        ModifyMenuItem(menuBar, key - 30, MenuLookup::ByPosition,
                       MenuItemFlags(menuBar, key - 30, MenuLookup::ByPosition), 0, text);
      continue;
    }
    if (key == 0) continue;
    if (menuBar != nullptr) RelabelCommandItems(menuBar, key, text);
    if (key == dialogId) SetWindowText(dialog, text);
  }
  if (mainWindow != nullptr) DrawMenuBar(mainWindow);
}

}  // namespace qiv
