// The settings sheet, its tabs drawn by the settings dialog: each tab's
// language text (2404, 2405, 2406) 5 units right of and below the tab's top
// left corner, grey (0x808080) while the discount page edits or a profile
// is being added, blue (0xFF0000, red in the low byte) under the mouse,
// else dark blue (0x8A4225).
#pragma once

#include "platform/ui/color.h"
#include "platform/ui/owner_draw.h"
#include "platform/ui/window_object.h"

namespace qiv {

class SettingsDialog;

namespace tab_colour {
inline constexpr platform::ui::ColorRef kGrey = 0x808080;
inline constexpr platform::ui::ColorRef kHot = 0xFF0000;
inline constexpr platform::ui::ColorRef kNormal = 0x8A4225;
}  // namespace tab_colour

class CProPropertySheet : public platform::ui::Window {
 public:
  explicit CProPropertySheet(SettingsDialog& settings);

 private:
  // DrawSheetTab.
  platform::ui::LResult drawTab(const platform::ui::DrawItemInfo& info);

  SettingsDialog& settings_;
};

}  // namespace qiv
