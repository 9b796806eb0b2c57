#include "settings/sheet_tabs.h"

#include "platform/ui/gdi.h"
#include "settings/settings_dialog.h"
#include "settings/settings_ids.h"

namespace qiv {

using namespace platform::ui;

namespace {
constexpr int kTextInset = 5;
}  // namespace

CProPropertySheet::CProPropertySheet(SettingsDialog& settings) : settings_(settings) {
  messageMap().onMessage(msg::DrawItem, [this](const Message& m) -> LResult {
    const auto* info = reinterpret_cast<const DrawItemInfo*>(m.lParam);
    if (info == nullptr || info->type != OwnerDrawType::TabControl) return defaultProcedure();
    return drawTab(*info);
  });
}

LResult CProPropertySheet::drawTab(const DrawItemInfo& info) {
  ColorRef colour = tab_colour::kNormal;
  if (settings_.editingPercentages() || settings_.editingRanges() || settings_.adding()) {
    colour = tab_colour::kGrey;
  } else if ((info.state & owner_draw_state::HotLight) != 0) {
    colour = tab_colour::kHot;
  }
  SaveDC(info.dc);
  SetTextColor(info.dc, colour);
  SetBackgroundMode(info.dc, BackgroundMode::Transparent);
  if (settings_.session().applicationFont != nullptr) SelectFont(info.dc, settings_.session().applicationFont);
  TextOut(info.dc, info.rect.left + kTextInset, info.rect.top + kTextInset,
          settings_.session().text(settings_id::OptionPage + info.itemId));
  RestoreDC(info.dc);
  return 1;
}

}  // namespace qiv
