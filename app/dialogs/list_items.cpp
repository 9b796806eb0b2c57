#include "dialogs/list_items.h"

#include <vector>

#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/window.h"

namespace qiv {

using namespace platform::ui;

namespace {

std::string ItemText(WindowHandle window, MessageId lengthMessage, MessageId textMessage, int index) {
  const LResult length = SendMessage(window, lengthMessage, static_cast<WParam>(index));
  if (length < 0) return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  SendMessage(window, textMessage, static_cast<WParam>(index), reinterpret_cast<LParam>(buffer.data()));
  return std::string(buffer.data());
}

}  // namespace

int AddListLine(WindowHandle list, std::string_view text) {
  const std::string line(text);
  return static_cast<int>(SendMessage(list, list_box::AddString, 0, reinterpret_cast<LParam>(line.c_str())));
}

std::string ListLine(WindowHandle list, int index) {
  return ItemText(list, list_box::GetTextLength, list_box::GetText, index);
}

int ListCount(WindowHandle list) { return static_cast<int>(SendMessage(list, list_box::GetCount)); }

int ListSelection(WindowHandle list) { return static_cast<int>(SendMessage(list, list_box::GetCurrentSelection)); }

void SelectListLine(WindowHandle list, int index) {
  SendMessage(list, list_box::SetCurrentSelection, static_cast<WParam>(index));
}

void DeleteListLine(WindowHandle list, int index) {
  SendMessage(list, list_box::DeleteString, static_cast<WParam>(index));
}

int AddComboLine(WindowHandle combo, std::string_view text) {
  const std::string line(text);
  return static_cast<int>(SendMessage(combo, combo_box::AddString, 0, reinterpret_cast<LParam>(line.c_str())));
}

std::string ComboLine(WindowHandle combo, int index) {
  return ItemText(combo, combo_box::GetItemTextLength, combo_box::GetItemText, index);
}

int ComboCount(WindowHandle combo) { return static_cast<int>(SendMessage(combo, combo_box::GetCount)); }

int ComboSelection(WindowHandle combo) { return static_cast<int>(SendMessage(combo, combo_box::GetCurrentSelection)); }

}  // namespace qiv
