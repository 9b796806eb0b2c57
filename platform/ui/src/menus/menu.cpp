// Menu records and the operations on their items.
#include "platform/ui/menu.h"

#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/ui/messages.h"
#include "windows/window_system.h"

namespace platform::ui {

namespace {

struct MenuItem {
  unsigned flags = 0;
  int command = 0;
  MenuHandle popup = nullptr;
  std::string text;
};

struct MenuRecord {
  std::vector<MenuItem> items;
};

struct MenuTable {
  std::unordered_map<std::uintptr_t, std::unique_ptr<MenuRecord>> menus;
  std::unordered_map<WindowHandle, int> drawCounts;
  std::uintptr_t next = 0x30000;
};

MenuTable& Menus() {
  static MenuTable* table = new MenuTable();  // lives to the end of the process
  return *table;
}

MenuRecord* FindMenu(MenuHandle menu) {
  auto& menus = Menus().menus;
  auto it = menus.find(reinterpret_cast<std::uintptr_t>(menu));
  return it == menus.end() ? nullptr : it->second.get();
}

struct ItemRef {
  MenuRecord* menu = nullptr;
  std::size_t index = 0;
  MenuItem* item() const { return menu ? &menu->items[index] : nullptr; }
};

// By command: the first item with the command, pop-ups searched in turn.
ItemRef Locate(MenuHandle handle, int item, MenuLookup lookup) {
  MenuRecord* menu = FindMenu(handle);
  if (menu == nullptr) return {};
  if (lookup == MenuLookup::ByPosition) {
    if (item < 0 || static_cast<std::size_t>(item) >= menu->items.size()) return {};
    return {menu, static_cast<std::size_t>(item)};
  }
  for (std::size_t i = 0; i < menu->items.size(); ++i) {
    const MenuItem& entry = menu->items[i];
    if (entry.popup == nullptr && !(entry.flags & menu_flag::Separator) && entry.command == item) return {menu, i};
    if (entry.popup != nullptr)
      if (ItemRef inner = Locate(entry.popup, item, lookup); inner.menu) return inner;
  }
  return {};
}

bool Append(MenuHandle handle, MenuItem item) {
  MenuRecord* menu = FindMenu(handle);
  if (menu == nullptr) return false;
  menu->items.push_back(std::move(item));
  return true;
}

constexpr unsigned kStateBits = menu_flag::Grayed | menu_flag::Disabled;

}  // namespace

MenuHandle CreateMenu() {
  MenuTable& table = Menus();
  const std::uintptr_t id = table.next++;
  table.menus.emplace(id, std::make_unique<MenuRecord>());
  return reinterpret_cast<MenuHandle>(id);
}

bool DestroyMenu(MenuHandle menu) {
  MenuRecord* record = FindMenu(menu);
  if (record == nullptr) return false;
  const std::vector<MenuItem> items = std::move(record->items);
  Menus().menus.erase(reinterpret_cast<std::uintptr_t>(menu));
  for (const MenuItem& item : items)
    if (item.popup) DestroyMenu(item.popup);
  return true;
}

bool IsMenu(MenuHandle menu) { return FindMenu(menu) != nullptr; }

bool AppendMenuItem(MenuHandle menu, int command, std::string_view text, unsigned flags) {
  return Append(menu, {flags & ~(menu_flag::Popup | menu_flag::Separator), command, nullptr, std::string(text)});
}

bool AppendSubMenu(MenuHandle menu, MenuHandle popup, std::string_view text, unsigned flags) {
  if (!IsMenu(popup) || popup == menu) return false;
  return Append(menu, {(flags & ~menu_flag::Separator) | menu_flag::Popup, 0, popup, std::string(text)});
}

bool AppendSeparator(MenuHandle menu) { return Append(menu, {menu_flag::Separator, 0, nullptr, {}}); }

bool ModifyMenuItem(MenuHandle menu, int item, MenuLookup lookup, unsigned flags, int command, std::string_view text) {
  MenuItem* entry = Locate(menu, item, lookup).item();
  if (entry == nullptr) return false;
  const bool popup = entry->popup != nullptr;
  entry->flags = (flags & ~(menu_flag::Popup | menu_flag::Separator)) | (popup ? menu_flag::Popup : 0);
  if (!popup) entry->command = command;
  entry->text = std::string(text);
  return true;
}

bool DeleteMenuItem(MenuHandle menu, int item, MenuLookup lookup) {
  ItemRef ref = Locate(menu, item, lookup);
  if (ref.menu == nullptr) return false;
  const MenuHandle popup = ref.item()->popup;
  ref.menu->items.erase(ref.menu->items.begin() + static_cast<std::ptrdiff_t>(ref.index));
  if (popup) DestroyMenu(popup);
  return true;
}

int CheckMenuItem(MenuHandle menu, int item, MenuLookup lookup, bool check) {
  MenuItem* entry = Locate(menu, item, lookup).item();
  if (entry == nullptr) return -1;
  const int previous = (entry->flags & menu_flag::Checked) ? 1 : 0;
  entry->flags = check ? (entry->flags | menu_flag::Checked) : (entry->flags & ~menu_flag::Checked);
  return previous;
}

int EnableMenuItem(MenuHandle menu, int item, MenuLookup lookup, MenuItemState state) {
  MenuItem* entry = Locate(menu, item, lookup).item();
  if (entry == nullptr) return -1;
  const int previous = static_cast<int>(entry->flags & kStateBits);
  entry->flags = (entry->flags & ~kStateBits) | static_cast<unsigned>(state);
  return previous;
}

unsigned MenuItemFlags(MenuHandle menu, int item, MenuLookup lookup) {
  MenuItem* entry = Locate(menu, item, lookup).item();
  return entry ? entry->flags : ~0u;
}

bool MenuItemExists(MenuHandle menu, int item, MenuLookup lookup) { return Locate(menu, item, lookup).menu != nullptr; }

std::string MenuItemText(MenuHandle menu, int item, MenuLookup lookup) {
  MenuItem* entry = Locate(menu, item, lookup).item();
  return entry ? entry->text : std::string();
}

int MenuItemCount(MenuHandle menu) {
  MenuRecord* record = FindMenu(menu);
  return record ? static_cast<int>(record->items.size()) : -1;
}

int MenuItemId(MenuHandle menu, int position) {
  MenuItem* entry = Locate(menu, position, MenuLookup::ByPosition).item();
  if (entry == nullptr || entry->popup || (entry->flags & menu_flag::Separator)) return -1;
  return entry->command;
}

MenuHandle SubMenu(MenuHandle menu, int position) {
  MenuItem* entry = Locate(menu, position, MenuLookup::ByPosition).item();
  return entry ? entry->popup : nullptr;
}

bool SetMenu(WindowHandle window, MenuHandle menu) {
  detail::WindowRecord* record = detail::Find(window);
  if (record == nullptr || record->parent != nullptr || (menu != nullptr && !IsMenu(menu))) return false;
  const Size before = detail::ClientSizeOf(window);
  record->menu = menu;
  detail::NotifyClientSizeChange(window, before);
  return true;
}

MenuHandle GetMenu(WindowHandle window) {
  detail::WindowRecord* record = detail::Find(window);
  return record && IsMenu(record->menu) ? record->menu : nullptr;
}

bool DrawMenuBar(WindowHandle window) {
  if (GetMenu(window) == nullptr) return false;
  Menus().drawCounts[window]++;
  return true;
}

int MenuBarDrawCount(WindowHandle window) {
  auto& counts = Menus().drawCounts;
  auto it = counts.find(window);
  return it == counts.end() ? 0 : it->second;
}

}  // namespace platform::ui

namespace platform::ui::detail {

void DestroyMenuOfWindow(MenuHandle menu) { DestroyMenu(menu); }

}  // namespace platform::ui::detail
