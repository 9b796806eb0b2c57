// Accelerator tables and their translation.
#include "platform/ui/accelerator.h"

#include <memory>
#include <unordered_map>

#include "platform/ui/focus.h"
#include "platform/ui/input.h"
#include "platform/ui/menu.h"
#include "platform/ui/messages.h"
#include "platform/ui/window.h"

namespace platform::ui {

namespace {

struct AcceleratorTables {
  std::unordered_map<std::uintptr_t, std::vector<Accelerator>> tables;
  std::uintptr_t next = 0x40000;
};

AcceleratorTables& Tables() {
  static auto* tables = new AcceleratorTables();  // lives to the end of the process
  return *tables;
}

const std::vector<Accelerator>* Find(AcceleratorHandle table) {
  auto& tables = Tables().tables;
  auto it = tables.find(reinterpret_cast<std::uintptr_t>(table));
  return it == tables.end() ? nullptr : &it->second;
}

unsigned ModifiersHeld() {
  return (IsKeyDown(key::Shift) ? modifier::Shift : 0) | (IsKeyDown(key::Control) ? modifier::Control : 0) |
         (IsKeyDown(key::Alt) ? modifier::Alt : 0);
}

// Whether the menu bar offers the command.
bool MenuAllows(WindowHandle window, int command) {
  const MenuHandle menu = GetMenu(TopLevelWindow(window));
  if (menu == nullptr) return true;
  if (!MenuItemExists(menu, command, MenuLookup::ByCommand)) return false;
  return (MenuItemFlags(menu, command, MenuLookup::ByCommand) & (menu_flag::Grayed | menu_flag::Disabled)) == 0;
}

}  // namespace

AcceleratorHandle CreateAcceleratorTable(const std::vector<Accelerator>& entries) {
  AcceleratorTables& tables = Tables();
  const std::uintptr_t id = tables.next++;
  tables.tables.emplace(id, entries);
  return reinterpret_cast<AcceleratorHandle>(id);
}

bool DestroyAcceleratorTable(AcceleratorHandle table) {
  return Tables().tables.erase(reinterpret_cast<std::uintptr_t>(table)) != 0;
}

std::vector<Accelerator> AcceleratorEntries(AcceleratorHandle table) {
  const std::vector<Accelerator>* entries = Find(table);
  return entries ? *entries : std::vector<Accelerator>{};
}

bool TranslateAccelerator(WindowHandle window, AcceleratorHandle table, const Message& message) {
  if (message.message != msg::KeyDown && message.message != msg::SysKeyDown) return false;
  const std::vector<Accelerator>* entries = Find(table);
  if (entries == nullptr || !IsWindow(window)) return false;
  const unsigned held = ModifiersHeld();
  for (const Accelerator& entry : *entries) {
    if (entry.key != message.wParam || entry.modifiers != held) continue;
    if (MenuAllows(window, entry.command)) SendMessage(window, msg::Command, CommandParam(entry.command, 1), 0);
    return true;
  }
  return false;
}

}  // namespace platform::ui
