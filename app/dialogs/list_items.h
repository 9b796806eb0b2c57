// Small helpers over list boxes and combo boxes by id: their lines as
// texts.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/types.h"

namespace qiv {

int AddListLine(platform::ui::WindowHandle list, std::string_view text);
std::string ListLine(platform::ui::WindowHandle list, int index);
int ListCount(platform::ui::WindowHandle list);
int ListSelection(platform::ui::WindowHandle list);
void SelectListLine(platform::ui::WindowHandle list, int index);
void DeleteListLine(platform::ui::WindowHandle list, int index);

int AddComboLine(platform::ui::WindowHandle combo, std::string_view text);
std::string ComboLine(platform::ui::WindowHandle combo, int index);
int ComboCount(platform::ui::WindowHandle combo);
int ComboSelection(platform::ui::WindowHandle combo);

}  // namespace qiv
