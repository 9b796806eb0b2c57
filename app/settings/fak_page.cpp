#include "settings/fak_page.h"

#include "platform/kernel/fixed_format.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/dialog.h"
#include "settings/settings_ids.h"

namespace qiv {

using namespace platform::ui;
namespace id = settings_id;
namespace pr = ratekit::profile_record;

namespace {

constexpr std::size_t kSlotWidth = 4;
// A class field: length 4 without decimals, typing up to 3 digits.
constexpr int kClassLength = 4, kClassTextLimit = 3;

std::string Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.remove_suffix(1);
  return std::string(text);
}

FieldSpan Slot(std::size_t k) { return {pr::kClassMap.offset + kSlotWidth * k, kSlotWidth}; }

}  // namespace

CProFAKPage::CProFAKPage(SettingsDialog& settings) : SettingsPage(settings, id::FakPage) {
  messageMap().onNotification(id::ResetClasses, button::Clicked, [this] { onResetStandardClasses(); });
  for (int edit : id::kFakEdits) {
    classFields_.push_back(std::make_unique<CDecimalEdit>(settings.session()));
    messageMap().onNotification(edit, edit::KillFocusNotify, [this, edit] { onClassLeft(edit); });
  }
}

void CProFAKPage::attachFields() {
  for (std::size_t k = 0; k < id::kFakEdits.size(); ++k)
    attachDecimal(*classFields_[k], id::kFakEdits[k], kClassLength, 0, kClassTextLimit);
}

std::string CProFAKPage::tariffClass(std::size_t k) const {
  return Trimmed(platform::UntilNul(session().context->view().text(ratekit::context::ClassCode(k))));
}

void CProFAKPage::fill() {
  if (!made()) return;
  check(id::UseFakTiers, profile().integerAt<std::int32_t>(pr::kClassMapInUse.offset) != 0);
  for (std::size_t k = 0; k < id::kFakEdits.size(); ++k) {
    setItemText(id::kFakLabels[k], tariffClass(k));
    setItemText(id::kFakEdits[k], Trimmed(platform::UntilNul(profile().text(Slot(k)))));
  }
}

void CProFAKPage::onClassLeft(int edit) {
  const std::string typed = Trimmed(itemText(edit));
  RatingContext& context = *session().context;
  const auto verify = session().bindings.VerClass;
  if (verify != nullptr && verify(context.data(), typed.c_str(), 0, context.intAt(fields::kFakAllowed)) != 0) return;
  warn(settings_text::kClassRefused, edit);
}

void CProFAKPage::onResetStandardClasses() {
  for (std::size_t k = 0; k < id::kFakEdits.size(); ++k) setItemText(id::kFakEdits[k], tariffClass(k));
}

void CProFAKPage::save() {
  if (!made()) return;
  ProfileRecord& p = profile();
  p.fill(pr::kClassMap, '\0');
  p.setInteger<std::int32_t>(pr::kClassMapInUse.offset, checked(id::UseFakTiers) ? 1 : 0);
  for (std::size_t k = 0; k < id::kFakEdits.size(); ++k)
    p.setText(Slot(k), Trimmed(itemText(id::kFakEdits[k])).substr(0, kSlotWidth - 1), '\0');
}

}  // namespace qiv
