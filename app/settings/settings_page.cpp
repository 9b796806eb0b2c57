#include "settings/settings_page.h"

#include "language/show_message.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/property_sheet.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/notify.h"
#include "platform/ui/window.h"

namespace qiv {

using namespace platform::ui;

SettingsPage::SettingsPage(SettingsDialog& settings, int pageId)
    : QivDialog(settings.session(), pageId, nullptr), settings_(settings) {
  messageMap().onMessage(msg::Notify, [this](const Message& m) -> LResult {
    const unsigned code = NotifyHeaderOf(m.lParam).code;
    if (code == property_sheet::SetActive) return onSetActive();
    if (code == property_sheet::KillActive) return onKillActive();
    return 0;
  });
}

bool SettingsPage::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  setDialogFont();
  attachFields();
  fill();
  return false;
}

LResult SettingsPage::onSetActive() {
  if (settings_.editingPercentages() || settings_.editingRanges()) return 1;
  settings_.setSettingsZOrder();
  return 0;
}

LResult SettingsPage::onKillActive() {
  save();
  return 0;
}

void SettingsPage::attachDecimal(CDecimalEdit& field, int id, int length, int decimals, int textLimit) {
  field.attachItem(id, handle(), length, decimals);
  field.send(edit::LimitText, static_cast<WParam>(textLimit));
}

void SettingsPage::attachZip(CZipEdit& field, int id) {
  const std::optional<int> mask = ZipModeCountryMask(*session().context);
  field.attachItem(id, handle(), mask.value_or(country_mask::CanadianPrefix | country_mask::UsZip));
}

bool SettingsPage::checked(int id) const { return DialogButtonCheck(handle(), id) != 0; }
void SettingsPage::check(int id, bool on) { CheckDialogButton(handle(), id, on ? 1 : 0); }
void SettingsPage::show(int id, bool shown) { ShowWindow(item(id), shown ? ShowCommand::Show : ShowCommand::Hide); }
void SettingsPage::enable(int id, bool enabled) { EnableWindow(item(id), enabled); }
std::string SettingsPage::itemText(int id) const { return DialogItemText(handle(), id); }
void SettingsPage::setItemText(int id, std::string_view text) { SetDialogItemText(handle(), id, text); }

void SettingsPage::warn(std::int32_t number, int clearedField) {
  session().context->setLastErrorCode(number);
  ShowMessage(session(), handle(), MessageType::Warning);
  if (clearedField == 0) return;
  setItemText(clearedField, "");
  SetFocus(item(clearedField));
}

}  // namespace qiv
