#include "settings/option_page.h"

#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/window.h"
#include "settings/constant_zip.h"
#include "settings/session_profile_store.h"
#include "settings/settings_ids.h"

namespace qiv {

using namespace platform::ui;
namespace id = settings_id;
namespace st = settings_text;
namespace pr = ratekit::profile_record;

namespace {

constexpr double kFactorLimit = 99.99;
constexpr FieldSpan kDefaultsFixOriginZip{53349, 2};
constexpr FieldSpan kDefaultsFixDestinationZip{53360, 2};
constexpr FieldSpan kIvaPromptFixed{90963, 1};
constexpr FieldSpan kInsurancePromptFixed{90965, 1};
// Factors: length 6 with 2 decimals, typing up to 7 characters; the class
// 3 digits.
constexpr int kFactorLength = 6, kFactorDecimals = 2, kFactorTextLimit = 7, kClassLength = 3;

std::string Trimmed(std::string text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string FieldText(const ProfileRecord& profile, FieldSpan field) {
  return std::string(platform::UntilNul(profile.text(field)));
}

void StoreText(ProfileRecord& profile, FieldSpan field, const std::string& text) {
  profile.setText(field, text.substr(0, field.width - 1), '\0');
}

}  // namespace

CProOptionPage::CProOptionPage(SettingsDialog& settings)
    : SettingsPage(settings, id::OptionPage),
      ltlFactor_(settings.session()),
      tlFactor_(settings.session()),
      constantClass_(settings.session()),
      originZip_(settings.session()),
      destinationZip_(settings.session()) {
  messageMap().onNotification(id::PromptSurcharge, button::Clicked,
                              [this] { onSurchargeSwitch(id::PromptSurcharge, id::ConstantSurcharge); });
  messageMap().onNotification(id::ConstantSurcharge, button::Clicked,
                              [this] { onSurchargeSwitch(id::ConstantSurcharge, id::PromptSurcharge); });
  messageMap().onNotification(id::UseConstantClass, button::Clicked, [this] { onConstantClassSwitch(); });
  messageMap().onNotification(id::UseOriginZip, button::Clicked,
                              [this] { onZipSwitch(id::UseOriginZip, id::UseDestinationZip); });
  messageMap().onNotification(id::UseDestinationZip, button::Clicked,
                              [this] { onZipSwitch(id::UseDestinationZip, id::UseOriginZip); });
  for (int factor : {id::LtlFactor, id::TlFactor})
    messageMap().onNotification(factor, edit::KillFocusNotify, [this, factor] { onFactorLeft(factor); });
  messageMap().onNotification(id::ConstantClass, edit::KillFocusNotify, [this] { onClassLeft(); });
  messageMap().onNotification(id::OriginZip, edit::KillFocusNotify,
                              [this] { onZipLeft(id::OriginZip, id::UseOriginZip); });
  messageMap().onNotification(id::DestinationZip, edit::KillFocusNotify,
                              [this] { onZipLeft(id::DestinationZip, id::UseDestinationZip); });
}

void CProOptionPage::attachFields() {
  attachDecimal(ltlFactor_, id::LtlFactor, kFactorLength, kFactorDecimals, kFactorTextLimit);
  attachDecimal(tlFactor_, id::TlFactor, kFactorLength, kFactorDecimals, kFactorTextLimit);
  attachDecimal(constantClass_, id::ConstantClass, kClassLength, 0, kClassLength);
  SendDialogItemMessage(handle(), id::ClassDescription, edit::LimitText, kClassLength);
  attachZip(originZip_, id::OriginZip);
  attachZip(destinationZip_, id::DestinationZip);
}

void CProOptionPage::fill() {
  if (!made()) return;
  const ProfileRecord& p = profile();

  setItemText(id::LtlFactor, platform::DecimalText(p.floatAt(pr::kLtlSurchargePercent.offset), 5, 2));
  setItemText(id::TlFactor, platform::DecimalText(p.floatAt(pr::kTlSurchargePercent.offset), 5, 2));
  check(id::PromptSurcharge, p.integerAt<std::int16_t>(pr::kPromptedSurchargeInUse.offset) != 0);
  check(id::ConstantSurcharge, p.integerAt<std::int16_t>(pr::kConstantSurchargeInUse.offset) != 0);
  showSurchargeFields();
  check(id::UseConstantClass, p.integerAt<std::int16_t>(pr::kConstantClassInUse.offset) != 0);
  setItemText(id::ConstantClass, FieldText(p, pr::kConstantClass));
  setItemText(id::ClassDescription, FieldText(p, pr::kSecondConstantClass));
  showClassFields();
  check(id::UseOriginZip, p.integerAt<std::int16_t>(pr::kConstantOriginZipInUse.offset) != 0);
  check(id::UseDestinationZip, p.integerAt<std::int16_t>(pr::kConstantDestinationZipInUse.offset) != 0);
  setItemText(id::OriginZip, FieldText(p, pr::kConstantOriginZip));
  setItemText(id::DestinationZip, FieldText(p, pr::kConstantDestinationZip));
  showZipFields();
  check(id::IvaPrompt, p.integerAt<std::int16_t>(pr::kPromptSwitch1.offset) != 0);
  check(id::InsurancePrompt, p.integerAt<std::int16_t>(pr::kPromptSwitch2.offset) != 0);
  placeMexicoPrompts();
}

void CProOptionPage::showSurchargeFields() {
  const bool on = checked(id::ConstantSurcharge);
  for (int control : {id::LtlFactor, id::LtlCaption, id::TlFactor, id::TlCaption}) enable(control, on);
}

void CProOptionPage::showClassFields() {
  const bool on = checked(id::UseConstantClass);
  for (int control : {id::ConstantClass, id::ClassCaption, id::ClassDescription, id::DescriptionCaption})
    enable(control, on);
}

void CProOptionPage::showZipFields() {
  const RatingContext& context = *session().context;
  const bool fixed = context.shortAt(kDefaultsFixOriginZip) != 0 || context.shortAt(kDefaultsFixDestinationZip) != 0;
  for (int control : {id::ConstantZipGroup, id::UseOriginZip, id::OriginZip, id::UseDestinationZip, id::DestinationZip})
    show(control, !fixed);
  enable(id::OriginZip, checked(id::UseOriginZip));
  enable(id::DestinationZip, checked(id::UseDestinationZip));
}

void CProOptionPage::placeMexicoPrompts() {
  const RatingContext& context = *session().context;
  const bool ivaFixed = context.charAt(kIvaPromptFixed) == 'Y';
  const bool insuranceFixed = context.charAt(kInsurancePromptFixed) == 'Y';
  const bool option = context.intAt(fields::kMexicoOption) != 0;
  const bool shown = option && (!ivaFixed || !insuranceFixed);
  const int prompts[] = {id::MexicoPromptGroup, id::IvaPrompt, id::InsurancePrompt};
  if (!promptPlaces_) {
    promptPlaces_.emplace();
    for (std::size_t i = 0; i < 3; ++i) (*promptPlaces_)[i] = WindowRectInParent(item(prompts[i]));
    zipGroupTop_ = WindowRectInParent(item(id::ConstantZipGroup)).top;
  }
  show(id::MexicoPromptGroup, shown);
  show(id::IvaPrompt, shown && !ivaFixed);
  show(id::InsurancePrompt, shown && !insuranceFixed);
  // Up into the place of the ZIP group when the settings images hide it.
  const bool zipsHidden =
      context.shortAt(kDefaultsFixOriginZip) != 0 || context.shortAt(kDefaultsFixDestinationZip) != 0;
  const int rise = zipsHidden ? (*promptPlaces_)[0].top - zipGroupTop_ : 0;
  for (std::size_t i = 0; i < 3; ++i) {
    Rect r = (*promptPlaces_)[i];
    r.top -= rise;
    r.bottom -= rise;
    MoveWindow(item(prompts[i]), r);
  }
}

void CProOptionPage::onSurchargeSwitch(int clicked, int other) {
  if (checked(clicked)) check(other, false);
  showSurchargeFields();
  if (clicked == id::ConstantSurcharge && checked(clicked)) SetFocus(item(id::LtlFactor));
}

void CProOptionPage::onConstantClassSwitch() {
  showClassFields();
  if (checked(id::UseConstantClass)) SetFocus(item(id::ConstantClass));
}

void CProOptionPage::onZipSwitch(int clicked, int other) {
  if (checked(clicked)) {
    check(other, false);
    profile().setInteger<std::int16_t>(
        other == id::UseOriginZip ? pr::kConstantOriginZipInUse.offset : pr::kConstantDestinationZipInUse.offset, 0);
  }
  showZipFields();
  if (checked(clicked)) SetFocus(item(clicked == id::UseOriginZip ? id::OriginZip : id::DestinationZip));
}

void CProOptionPage::onFactorLeft(int factor) {
  const std::string typed = itemText(factor);
  const double value = platform::LeadingDecimalValue(typed);
  if (value < -kFactorLimit || value > kFactorLimit) {
    warn(st::kFactorRefused, factor);
    return;
  }
  profile().setFloat(factor == id::LtlFactor ? pr::kLtlSurchargePercent.offset : pr::kTlSurchargePercent.offset,
                     static_cast<float>(value));
}

void CProOptionPage::onClassLeft() {
  const std::string typed = Trimmed(itemText(id::ConstantClass));
  if (typed.empty()) {
    check(id::UseConstantClass, false);
    showClassFields();
    SetFocus(item(id::UseConstantClass));
    return;
  }
  RatingContext& context = *session().context;
  const auto verify = session().bindings.VerClass;
  if (verify == nullptr || verify(context.data(), typed.c_str(), 0, context.intAt(fields::kFakAllowed)) == 0) {
    warn(st::kClassRefused, id::ConstantClass);
    return;
  }
  StoreText(profile(), pr::kConstantClass, typed);
}

void CProOptionPage::onZipLeft(int zip, int switchId) {
  const std::string typed = Trimmed(itemText(zip));
  if (typed.empty()) {
    check(switchId, false);
    showZipFields();
    SetFocus(item(switchId));
    return;
  }
  const settings::TariffRanges tariff = settings::SessionTariffRanges(session());
  const bool loaded = session().context->intAt(ratekit::context::kZipRangeCount) > 0;
  const settings::ConstantZipCheck result =
      settings::CheckConstantZip(typed, session().context->charAt(fields::kZipMode), loaded ? &tariff.master : nullptr);
  if (result == settings::ConstantZipCheck::Valid) return;
  warn(result == settings::ConstantZipCheck::NotWholePrefix ? st::kNotWholePrefix : st::kBoundRefused, zip);
}

void CProOptionPage::save() {
  if (!made()) return;
  ProfileRecord& p = profile();
  p.setInteger<std::int16_t>(pr::kPromptedSurchargeInUse.offset, checked(id::PromptSurcharge) ? 1 : 0);
  p.setInteger<std::int16_t>(pr::kConstantSurchargeInUse.offset, checked(id::ConstantSurcharge) ? 1 : 0);
  p.setFloat(pr::kLtlSurchargePercent.offset,
             static_cast<float>(platform::LeadingDecimalValue(itemText(id::LtlFactor))));
  p.setFloat(pr::kTlSurchargePercent.offset, static_cast<float>(platform::LeadingDecimalValue(itemText(id::TlFactor))));
  p.setInteger<std::int16_t>(pr::kConstantClassInUse.offset, checked(id::UseConstantClass) ? 1 : 0);
  StoreText(p, pr::kConstantClass, Trimmed(itemText(id::ConstantClass)));
  StoreText(p, pr::kSecondConstantClass, Trimmed(itemText(id::ClassDescription)));
  p.setInteger<std::int16_t>(pr::kConstantOriginZipInUse.offset, checked(id::UseOriginZip) ? 1 : 0);
  p.setInteger<std::int16_t>(pr::kConstantDestinationZipInUse.offset, checked(id::UseDestinationZip) ? 1 : 0);
  StoreText(p, pr::kConstantOriginZip, Trimmed(itemText(id::OriginZip)));
  StoreText(p, pr::kConstantDestinationZip, Trimmed(itemText(id::DestinationZip)));
  p.setInteger<std::int16_t>(pr::kPromptSwitch1.offset, checked(id::IvaPrompt) ? 1 : 0);
  p.setInteger<std::int16_t>(pr::kPromptSwitch2.offset, checked(id::InsurancePrompt) ? 1 : 0);
}

}  // namespace qiv
