// The places the start-up and the commands call into the route entry, the
// input fields, the result display and the after-entry chain. What the
// screen needs to open is done here (the route's origin window, the result
// statics hidden, the service labels, the screen's statics cleared); the
// rest of each is the route and result display's own.
#include <algorithm>

#include "dialogs/list_items.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/window.h"
#include "screen/rating_dialog.h"
#include "settings/settings_dialog.h"
#include "shell/rating_context_fields.h"

namespace qiv {

using namespace platform::ui;

namespace {

constexpr std::int32_t kDirectServiceText = 50;
constexpr std::int32_t kIndirectServiceText = 51;
constexpr std::int32_t kServiceDaysText = 52;
constexpr std::int32_t kNoServiceDaysText = 53;
constexpr std::size_t kCozRecordSize = 6;

}  // namespace

void RatingDialog::showServiceLabels() {
  if (!session().context) return;
  RatingContext& context = *session().context;
  const std::pair<FieldSpan, FieldSpan> points[] = {
      {ratekit::shipment_point::Of(0, ratekit::shipment_point::kServiceLetter), fields::kOriginServiceLabel},
      {ratekit::shipment_point::Of(1, ratekit::shipment_point::kServiceLetter), fields::kDestinationServiceLabel}};
  const int statics[] = {screen_id::OriginService, screen_id::DestinationService};
  for (int end = 0; end < 2; ++end) {
    const char letter = context.charAt(points[end].first);
    // A route end not entered yet shows no service.
    const bool entered = context.charAt(ratekit::shipment_point::Of(end, ratekit::shipment_point::kCode)) != '\0';
    if (!entered)
      context.setTerminatedText(points[end].second, "");
    else if (letter == 'D')
      context.setTerminatedText(points[end].second, session().text(kDirectServiceText, 24));
    else if (letter == 'I' || letter == '\0' || letter == ' ')
      context.setTerminatedText(points[end].second, session().text(kIndirectServiceText, 24));
    SetDialogItemText(handle(), statics[end], context.textAt(points[end].second));
  }
  const int terminals[] = {screen_id::OriginTerminalLabel, screen_id::DestinationTerminalLabel};
  if (session().serviceGuideInUse()) {
    if (context.charAt(fields::kTerminalsShown) != 'Y')
      for (int id : terminals) ShowWindow(item(id), ShowCommand::Hide);
    if (context.charAt(fields::kServiceDaysShown) == 'Y') {
      const std::string days = context.textAt(ratekit::context::kServiceTerminal1);
      SetDialogItemText(
          handle(), screen_id::ServiceDays,
          days.empty() ? session().text(kNoServiceDaysText) : session().text(kServiceDaysText) + "  " + days);
    }
    return;
  }
  for (int id : {screen_id::OriginTerminalLabel, screen_id::DestinationTerminalLabel, screen_id::ServiceDays}) {
    SetDialogItemText(handle(), id, "");
    ShowWindow(item(id), ShowCommand::Hide);
  }
}

void RatingDialog::setupOriginCombo() {
  RatingContext& context = *session().context;
  originIsCombo_ = false;
  const WindowHandle field = item(screen_id::OriginField);
  const WindowHandle combo = item(screen_id::OriginCombo);
  if (session().bindings.ReadCOZFile(context.data()) != 0) {
    context.setShort(ratekit::rating_defaults::kOriginCodeList, 1);
    context.setShort(ratekit::rating_defaults::kConstantOriginZipInUse, 1);
    originIsCombo_ = true;
    const std::span<const std::uint8_t> codes = session().slotBuffer(ratekit::context::kCozTable);
    const int count = std::max(0, context.intAt(ratekit::context::kCozCount));
    for (std::size_t i = 0; i < static_cast<std::size_t>(count) && (i + 1) * kCozRecordSize <= codes.size(); ++i)
      AddComboLine(combo,
                   std::string(reinterpret_cast<const char*>(codes.data()) + i * kCozRecordSize, kCozRecordSize));
    const Rect place = WindowRectInParent(field);
    MoveWindow(combo, Rect::FromSize(place.left, place.top, place.width(), WindowRectInParent(combo).height()));
    SendMessage(combo, msg::SetFont, SendMessage(field, msg::GetFont), 1);
    SendMessage(combo, combo_box::SetCurrentSelection, 0);
    originCombo_.attachItem(screen_id::OriginCombo, handle());
    DestroyWindow(field);
    return;
  }
  DestroyWindow(combo);
}

void RatingDialog::attachRouteFields() {
  if (!originIsCombo_) {
    originField_.attachItem(screen_id::OriginField, handle(), country_mask::CanadianPrefix | country_mask::UsZip);
    originField_.setSelfPainting(true);
  }
  destinationField_.attachItem(screen_id::DestinationField, handle(),
                               country_mask::CanadianPrefix | country_mask::UsZip);
  destinationField_.setSelfPainting(true);
}

void RatingDialog::createTabStopSentinel() {
  tabStopSentinel_.createAfter(handle(), item(screen_id::DestinationField));
  entryEndSentinel_.createAfter(handle(), item(screen_id::LineList));
}

void RatingDialog::attachLineFields() {
  classField_.attachItem(screen_id::ClassField, handle(), 3, 0);
  classField_.setSelfPainting(true);
  weightField_.attachItem(screen_id::WeightField, handle(), 5, 0);
  // The option fields, with the lengths the start-up gave them.
  constexpr int kDecimals = 2;
  const std::pair<CDecimalEdit*, std::pair<int, int>> decimals[] = {{&mcDiscountField_, {screen_id::McDiscount, 5}},
                                                                    {&discountField_, {screen_id::Discount, 5}},
                                                                    {&floorField_, {screen_id::Floor, 6}},
                                                                    {&ltlSurchargeField_, {screen_id::LtlSurcharge, 5}},
                                                                    {&tlSurchargeField_, {screen_id::TlSurcharge, 5}},
                                                                    {&accessorialField_, {screen_id::Accessorial, 7}}};
  for (const auto& [field, place] : decimals) field->attachItem(place.first, handle(), place.second, kDecimals);
  singleShipmentField_.attachItem(screen_id::SingleShipment, handle());
}

void RatingDialog::setRouteCountryMasks() {
  const std::optional<int> mask = ZipModeCountryMask(*session().context);
  if (!mask) return;
  destinationField_.setCountryMask(*mask);
  if (!originIsCombo_) originField_.setCountryMask(*mask);
}

void RatingDialog::layoutResultStatics() {
  for (const auto& group :
       {std::span<const int>(screen_id::kResultLabels), std::span<const int>(screen_id::kResultValues),
        std::span<const int>(screen_id::kResultRules)})
    for (int id : group) ShowWindow(item(id), ShowCommand::Hide);
}

void RatingDialog::clearScreen() {
  if (!clearFlag_) return;
  if (autoClear_) {
    SendDialogItemMessage(handle(), screen_id::LineList, list_box::ResetContent);
    SetDialogItemText(handle(), screen_id::ClassField, "");
    SetDialogItemText(handle(), screen_id::WeightField, "");
    lineCount_ = 0;
  }
  SetDialogItemText(handle(), screen_id::SingleShipment, "N");
  ShowWindow(item(screen_id::SingleShipment), ShowCommand::Hide);
  ShowWindow(item(screen_id::SingleShipmentLabel), ShowCommand::Hide);
  SetDialogItemText(handle(), screen_id::IntrastateNotice, "");
  ShowWindow(item(screen_id::IntrastateNotice), ShowCommand::Hide);
  layoutResultStatics();
  clearFlag_ = false;
  for (int id : {screen_id::OriginState, screen_id::DestinationState, screen_id::OriginService,
                 screen_id::DestinationService, screen_id::OriginTerminal, screen_id::DestinationTerminal})
    SetDialogItemText(handle(), id, "  ");
  for (int id : {screen_id::ServiceDays, screen_id::OriginCity, screen_id::DestinationCity,
                 screen_id::OriginBaseDescription, screen_id::DestinationBaseDescription, screen_id::OriginBasePoint,
                 screen_id::DestinationBasePoint, screen_id::PostOfficeBoxNotice})
    SetDialogItemText(handle(), id, "");
}

void RatingDialog::setFocusToOrigin() {
  const WindowHandle origin = originIsCombo_ ? item(screen_id::OriginCombo) : item(screen_id::OriginField);
  SetDialogFocus(IsWindowEnabled(origin) ? origin : item(screen_id::DestinationField));
}

}  // namespace qiv
