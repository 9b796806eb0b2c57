#include "rating_dialogs/rating_prompts_dialog.h"

#include <algorithm>

#include "language/show_message.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/keys.h"
#include "platform/ui/window.h"
#include "rating_dialogs/accessorials_dialog.h"
#include "rating_dialogs/rating_dialog_ids.h"

namespace qiv {

using namespace platform::ui;
namespace id = prompts_id;

namespace {

namespace def = ratekit::rating_defaults;
constexpr FieldSpan kFactorInUse = def::kFactorInUse;                            // short
constexpr FieldSpan kFactor = def::kFactor;                                      // float
constexpr FieldSpan kIncreaseFactor = def::kIncreaseFactor;                      // float
constexpr FieldSpan kDisabledBreak{def::kBreaksToHide.offset, 2};                // '0', '1' or '2', then NUL
constexpr FieldSpan kDisableOffered = ratekit::tariff_settings::kMexicoOptions;  // 'Y'
constexpr FieldSpan kCityChoice{fields::kCityChoiceOption.offset, 2};            // short
constexpr std::size_t kBreakLabelWidth = 5;
constexpr std::size_t kBreakRecordWidth = 21;
constexpr std::int32_t kAndOverText = 55;
constexpr std::int32_t kInvalidFactor = 513;
constexpr std::int32_t kInvalidExchange = 132;
constexpr int kNumberLength = 7;
constexpr int kNumberDecimals = 4;
constexpr int kGroupGap = 5;
constexpr int kCurrencyGap = 10;

// The label of weight break n (1..9): the first characters of its .WGT record.
std::string BreakLabel(const RatingContext& context, std::size_t n) {
  std::string label;
  const std::size_t at = ratekit::context::kRawWeightRecords.offset + kBreakRecordWidth * (n - 1);
  for (std::size_t i = 0; i < kBreakLabelWidth; ++i) {
    const char c = context.view().charAt(at + i);
    if (c == '\0') break;
    label += c;
  }
  label.erase(label.find_last_not_of(' ') + 1);
  return label;
}

std::string FourDecimals(float value) { return platform::DecimalText(value, kNumberLength, kNumberDecimals); }

}  // namespace

RatingPromptsDialog::RatingPromptsDialog(QivSession& session, WindowHandle parent, bool increaseFactor)
    : QivDialog(session, rating_dialog_id::RatingPrompts, parent),
      increaseFactor_(increaseFactor),
      factor_(session),
      rate_(session),
      increase_(session) {
  MessageMap& map = messageMap();
  map.onCommand(id::Ok, [this] { onOK(); });
  map.onCommand(id::Cancel, [this] { onCancel(); });
  map.onNotification(id::Factor, button::Clicked, [this] {
    ShowWindow(item(id::FactorField), checked(id::Factor) ? ShowCommand::Restore : ShowCommand::Hide);
  });
  map.onNotification(id::Currency, button::Clicked, [this] {
    ShowWindow(item(id::RateField), checked(id::Currency) ? ShowCommand::Restore : ShowCommand::Hide);
  });
  map.onNotification(id::PromptAccessorial, button::Clicked, [this] {
    if (checked(id::PromptAccessorial) && setAccessorialShown_)
      CheckDialogButton(handle(), id::SetAccessorial, button::Unchecked);
  });
  map.onNotification(id::SetAccessorial, button::Clicked, [this] { onSetAccessorial(); });
  for (int radio = id::DisableFirst; radio <= id::DisableLast; ++radio)
    map.onNotification(radio, button::Clicked, [this, radio] {
      if (checked(radio)) CheckRadioButton(handle(), id::DisableFirst, id::DisableLast, radio);
    });
}

bool RatingPromptsDialog::checked(int control) const { return DialogButtonCheck(handle(), control) == button::Checked; }

bool RatingPromptsDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  setDialogFont();
  const RatingContext& context = *session().context;
  const bool mexico = context.intAt(fields::kMexicoOption) != 0;
  const std::int16_t prompt = context.shortAt(fields::kAccessorialPrompt);
  const bool accessorialFile = context.charAt(fields::kAccessorialFile) == 'Y';
  auto check = [this](int control, bool on) {
    CheckDialogButton(handle(), control, on ? button::Checked : button::Unchecked);
  };

  check(id::PromptAccessorial, accessorialFile ? prompt == 1 : prompt != 0);
  setAccessorialShown_ = accessorialFile;
  check(id::SetAccessorial, prompt == 2);
  factor_.attachItem(id::FactorField, handle(), kNumberLength, kNumberDecimals);
  rate_.attachItem(id::RateField, handle(), kNumberLength, kNumberDecimals);
  increase_.attachItem(id::IncreaseField, handle(), kNumberLength, kNumberDecimals);
  check(id::Factor, context.shortAt(kFactorInUse) != 0);
  factor_.setText(FourDecimals(context.floatAt(kFactor)));
  if (!checked(id::Factor)) ShowWindow(item(id::FactorField), ShowCommand::Hide);
  check(id::ShipmentId, context.shortAt(fields::kShipmentIdPrompt) != 0);
  kilogramsShown_ = mexico;
  check(id::Kilograms, context.charAt(fields::kWeightsInKilograms) == 'Y');
  currencyShown_ = context.charAt(fields::kCanadianCodesFlag) != 'Y' || mexico;
  check(id::Currency, context.shortAt(fields::kCurrencyExchangeInUse) != 0);
  rate_.setText(FourDecimals(context.floatAt(fields::kExchangeRate)));
  if (!checked(id::Currency)) ShowWindow(item(id::RateField), ShowCommand::Hide);
  increase_.setText(FourDecimals(context.floatAt(kIncreaseFactor)));
  if (!increaseFactor_)
    for (int control : {id::IncreaseLabel, id::IncreaseField}) ShowWindow(item(control), ShowCommand::Hide);
  disableShown_ = context.charAt(kDisableOffered) == 'Y';
  const char disabled = context.charAt(kDisabledBreak);
  if (disabled >= '0' && disabled <= '2')
    CheckRadioButton(handle(), id::DisableFirst, id::DisableLast, id::DisableFirst + (disabled - '0'));
  labelRadios();
  check(id::BasePoints, context.shortAt(fields::kBasePointDisplay) != 0);
  cityShown_ = context.charAt(fields::kCityChoiceAllowed) == 'Y';
  check(id::CitySelection, context.shortAt(kCityChoice) != 0);

  // The groups not offered, from the bottom up, so that each moves what
  // lies below it by its own height.
  if (!cityShown_) closeUp({id::CitySelection}, kGroupGap);
  if (!disableShown_)
    closeUp({id::DisableLabel, id::DisableFrame, id::DisableFirst, id::DisableFirst + 1, id::DisableLast}, kGroupGap);
  if (!currencyShown_) closeUp({id::Currency, id::RateField}, kCurrencyGap);
  if (!kilogramsShown_) closeUp({id::Kilograms}, kGroupGap);
  if (!setAccessorialShown_) {
    closeUp({id::SetAccessorial}, kGroupGap);
    DestroyWindow(item(id::SetAccessorial));
  }
  CenterWindow(handle(), parent());
  SendUpdateStatus(session());
  return true;
}

void RatingPromptsDialog::labelRadios() {
  const RatingContext& context = *session().context;
  const std::string andOver = " " + text(kAndOverText);
  const WindowHandle frame = item(id::DisableFrame);
  auto shortenTo = [&](int control) {
    const Rect place = WindowRectInParent(frame);
    MoveWindow(frame, Rect{place.left, place.top, place.right, WindowRectInParent(item(control)).top});
  };
  switch (context.charAt(fields::kTlFromBreak)) {
    case '6':
      SetDialogItemText(handle(), id::DisableFirst, BreakLabel(context, 7) + andOver);
      SetDialogItemText(handle(), id::DisableFirst + 1, BreakLabel(context, 8) + andOver);
      SetDialogItemText(handle(), id::DisableLast, BreakLabel(context, 9));
      break;
    case '7':
      SetDialogItemText(handle(), id::DisableFirst, BreakLabel(context, 8) + andOver);
      SetDialogItemText(handle(), id::DisableFirst + 1, BreakLabel(context, 9));
      ShowWindow(item(id::DisableLast), ShowCommand::Hide);
      shortenTo(id::DisableLast);
      break;
    case '8':
      SetDialogItemText(handle(), id::DisableFirst, BreakLabel(context, 9));
      ShowWindow(item(id::DisableFirst + 1), ShowCommand::Hide);
      ShowWindow(item(id::DisableLast), ShowCommand::Hide);
      shortenTo(id::DisableFirst + 1);
      break;
    default: break;
  }
}

void RatingPromptsDialog::closeUp(std::initializer_list<int> group, int gap) {
  int top = 0, bottom = 0;
  bool first = true;
  for (int control : group) {
    const WindowHandle window = item(control);
    if (window == nullptr) continue;
    const Rect place = WindowRectInParent(window);
    top = first ? place.top : std::min(top, place.top);
    bottom = first ? place.bottom : std::max(bottom, place.bottom);
    first = false;
    ShowWindow(window, ShowCommand::Hide);
  }
  if (first) return;
  const int shift = bottom - top + gap;
  const WindowHandle firstChild = RelatedWindow(handle(), Relation::FirstChild);
  for (WindowHandle child = firstChild; child != nullptr;) {
    const Rect place = WindowRectInParent(child);
    if (place.top >= bottom) MoveWindow(child, Rect{place.left, place.top - shift, place.right, place.bottom - shift});
    child = RelatedWindow(child, Relation::Next);
    if (child == firstChild) break;
  }
  const Rect frame = WindowRect(handle());
  MoveWindow(handle(), Rect{frame.left, frame.top, frame.right, frame.bottom - shift});
}

void RatingPromptsDialog::onSetAccessorial() {
  if (!checked(id::SetAccessorial)) return;
  const WindowHandle focus = GetFocus();
  AccessorialsDialog accessorials(session(), handle());
  if (accessorials.doModal() == command_id::Ok)
    CheckDialogButton(handle(), id::PromptAccessorial, button::Unchecked);
  else
    CheckDialogButton(handle(), id::SetAccessorial, button::Unchecked);
  if (IsWindow(focus)) SetFocus(focus);
}

bool RatingPromptsDialog::checkNumber(CDecimalEdit& field, double low, double high, std::int32_t failure,
                                      const char* reset, double& value) {
  const std::string typed = field.text().substr(0, kNumberLength);
  value = platform::LeadingDecimalValue(typed);
  if (value >= low && value <= high) return true;
  session().context->setLastErrorCode(failure);
  ShowMessage(session(), handle(), MessageType::Warning);
  field.setText(reset);
  SetFocus(field.handle());
  SendMessage(field.handle(), edit::SetSelection, 0, -1);
  return false;
}

void RatingPromptsDialog::onOK() {
  constexpr double kLeast = 0.0001, kMost = 99.9999;
  double factor = 0, rate = 0, increase = 0;
  if (checked(id::Factor) && !checkNumber(factor_, kLeast, kMost, kInvalidFactor, "1.0000", factor)) return;
  if (currencyShown_ && checked(id::Currency) && !checkNumber(rate_, kLeast, kMost, kInvalidExchange, "0.00", rate))
    return;
  if (increaseFactor_ && !checkNumber(increase_, 0, kMost, kInvalidFactor, "1.0000", increase)) return;

  RatingContext& context = *session().context;
  const bool setAccessorial = setAccessorialShown_ && checked(id::SetAccessorial);
  context.setShort(fields::kAccessorialPrompt, checked(id::PromptAccessorial) ? 1 : setAccessorial ? 2 : 0);
  context.setShort(kFactorInUse, checked(id::Factor) ? 1 : 0);
  if (checked(id::Factor)) context.setFloat(kFactor, static_cast<float>(factor));
  context.setShort(fields::kShipmentIdPrompt, checked(id::ShipmentId) ? 1 : 0);
  if (kilogramsShown_) context.setChar(fields::kWeightsInKilograms, checked(id::Kilograms) ? 'Y' : 'N');
  if (currencyShown_) {
    context.setShort(fields::kCurrencyExchangeInUse, checked(id::Currency) ? 1 : 0);
    if (checked(id::Currency)) context.setFloat(fields::kExchangeRate, static_cast<float>(rate));
  }
  if (increaseFactor_) context.setFloat(kIncreaseFactor, static_cast<float>(increase));
  if (cityShown_) context.setShort(kCityChoice, checked(id::CitySelection) ? 1 : 0);
  if (disableShown_) {
    context.setTerminatedText(kDisabledBreak, "");
    for (int radio = id::DisableFirst; radio <= id::DisableLast; ++radio)
      if (checked(radio)) context.setChar(kDisabledBreak, static_cast<char>('0' + (radio - id::DisableFirst)));
  }
  context.setShort(fields::kBasePointDisplay, checked(id::BasePoints) ? 1 : 0);
  if (session().bindings.ReadWgtFile != nullptr) session().bindings.ReadWgtFile(context.data());
  endDialog(command_id::Ok);
}

bool RatingPromptsDialog::preTranslateMessage(Message& message) {
  // The status text follows key releases, clicks and Up and Down only.
  if (message.message == msg::KeyUp || message.message == msg::LeftButtonUp ||
      (message.message == msg::KeyDown && (message.wParam == key::Up || message.wParam == key::Down)))
    SendUpdateStatus(session());
  return Dialog::preTranslateMessage(message);
}

}  // namespace qiv
