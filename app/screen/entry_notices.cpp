// What the rating screen does on its controls' notices around the entry:
// the typed SCAC becomes the tariff name, the shipment id is taken, the
// shipment date follows the picker, a double-clicked line leaves the
// shipment, the tariff combo's choice is applied, a fixed origin chosen is
// checked, the menu state follows the route's validity.
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "dialogs/list_items.h"
#include "language/show_message.h"
#include "platform/kernel/fixed_format.h"
#include "platform/ui/calendar_date.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/date_picker.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/notify.h"
#include "platform/ui/window.h"
#include "screen/rating_dialog.h"

namespace qiv {

using namespace platform::ui;
namespace lines = ratekit::shipment_lines;

namespace {
constexpr std::size_t kScacLength = 4;
constexpr const char* kNoDiscountShown = "0.00";
constexpr FieldSpan kEngineMessagesOff = ratekit::context::kEngineMessagesOff;
}  // namespace

void RatingDialog::mapEntryNotices() {
  MessageMap& map = messageMap();
  map.onNotification(screen_id::Scac, edit::KillFocusNotify, [this] { onScacKillFocus(); });
  map.onNotification(screen_id::ShipmentId, edit::KillFocusNotify, [this] { onShipmentIdKillFocus(); });
  map.onNotification(screen_id::OriginCombo, combo_box::SelectionChange, [this] { onOriginPointChosen(); });
  map.onNotification(screen_id::TariffList, combo_box::SetFocusNotify, [this] { SendUpdateStatus(session()); });
  map.onNotification(screen_id::TariffList, combo_box::CloseUp, [this] { onTariffCloseUp(); });
  map.onNotification(screen_id::LineList, list_box::DoubleClick, [this] { onLineDoubleClick(); });
  map.onNotification(screen_id::ProfileCombo, combo_box::SelectionChange, [this] { onProfileSelected(); });
  map.onNotification(screen_id::ProfileCombo, combo_box::SetFocusNotify, [this] { SendUpdateStatus(session()); });
}

bool RatingDialog::onEntryNotice(const NotifyHeader& header) {
  if (header.id != screen_id::DatePicker) return false;
  switch (header.code) {
    case date_picker::CloseUp:
      takePickedDate(true);
      setFocusToOrigin();
      return true;
    case notify_code::KillFocus:
      takePickedDate(session().context->charAt(fields::kLaneTariffTablesLoaded) != 'Y');
      return true;
    case notify_code::SetFocus: SendUpdateStatus(session()); return true;
    default: return false;
  }
}

void RatingDialog::takePickedDate(bool take) {
  RatingContext& context = *session().context;
  if (take) {
    CalendarDate date;
    SendDialogItemMessage(handle(), screen_id::DatePicker, date_picker::GetDate, 0, reinterpret_cast<LParam>(&date));
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", date.month, date.day, date.year);
    context.view().setText(fields::kShipmentDate, text, '\0');
  }
  if (!routeValid()) return;
  showTariffBasis();
  if (released_) return;
  refreshQuietly();
}

void RatingDialog::refreshQuietly() {
  // The engine's own message box stays shut for a refresh the user did not ask for.
  session().context->setInt(kEngineMessagesOff, 1);
  displayRates();
  if (session().context) session().context->setInt(kEngineMessagesOff, 0);
}

void RatingDialog::onTariffCloseUp() {
  applySelectedTariff();
  showTariffBasis();
  if (released_) return;
  refreshQuietly();
}

void RatingDialog::onScacKillFocus() {
  if (!session().context) return;
  RatingContext& context = *session().context;
  context.view().fill(fields::kTariffName, ' ');
  std::string scac = DialogItemText(handle(), screen_id::Scac).substr(0, kScacLength);
  for (char& c : scac) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (std::size_t i = 0; i < scac.size(); ++i) context.view().setChar(fields::kTariffName.offset + i, scac[i]);
}

void RatingDialog::onShipmentIdKillFocus() {
  // (the focus also leaves when the screen closes, after the release)
  if (!session().context) return;
  session().context->view().setText(fields::kShipmentId, DialogItemText(handle(), screen_id::ShipmentId), '\0');
}

void RatingDialog::onOriginPointChosen() {
  if (!session().context || !originIsCombo_) return;
  if (!originCombo_.validate() || released_) return;
  if (!destinationField_.text().empty()) destinationField_.validate();
}

void RatingDialog::onLineDoubleClick() {
  RatingContext& context = *session().context;
  const WindowHandle list = item(screen_id::LineList);
  const int line = static_cast<int>(SendMessage(list, list_box::GetCurrentSelection));
  if (line < 0 || line >= static_cast<int>(lines::kLines)) return;
  const auto at = static_cast<std::size_t>(line);
  for (FieldSpan field :
       {lines::ClassCode(at), lines::ClassFlag(at), lines::WeightText(at), lines::RateText(at), lines::ChargeText(at)})
    context.view().fill(field, '\0');
  SendMessage(list, list_box::DeleteString, static_cast<WParam>(line));
  const int before = lineCount_;
  lineCount_ = std::max(lineCount_ - 1, 0);
  if (before == 1) {
    clearResultStatics();
  } else {
    reRate_ = true;
    displayRates();
  }
  EnableWindow(classField_.handle(), true);
  SetFocus(classField_.handle());
}

void RatingDialog::updateEntryCommands() {
  const bool route = originField_.isValid() && destinationField_.isValid();
  const bool guide = session().serviceGuideInUse();
  commands_.enable(command::DisplayRates, route);
  if (guide) commands_.enable(command::TerminalInformation, route);
  commands_.enable(command::ShipmentDetail, route && lineCount_ > 0 && (originMexican_ || destinationMexican_));
}

void RatingDialog::onProfileSelected() {
  RatingContext& context = *session().context;
  const RatekitBindings& bind = session().bindings;
  const WindowHandle combo = item(screen_id::ProfileCombo);
  const int selected = static_cast<int>(SendMessage(combo, combo_box::GetCurrentSelection));
  context.setShort(fields::kCurrentProfileIndex, static_cast<std::int16_t>(std::max(selected, 0)));
  namespace profile = ratekit::profile_record;
  context.view().fill(profile::Current(profile::kName), '\0');
  context.setTerminatedText(profile::Current(profile::kName), selected >= 0 ? ComboLine(combo, selected) : "");
  if (bind.GetProfileRecord(context.data()) == 0) {
    ShowMessage(session(), handle(), MessageType::Warning);
    showDiscountStatus();
    return;
  }
  bind.LoadProfileSettings(context.data());
  // A discount typed for the previous profile is not the new one's.
  SetDialogItemText(handle(), screen_id::Discount, kNoDiscountShown);
  updateDiscountState();
  // The route starts again from the profile's constant points.
  for (std::size_t end = 0; end < 2; ++end)
    context.view().fill(ratekit::shipment_point::Of(end, ratekit::shipment_point::kCode), '\0');
  if (originIsCombo_)
    SendDialogItemMessage(handle(), screen_id::OriginCombo, combo_box::SetCurrentSelection, 0);
  else
    originField_.setText("");
  destinationField_.setText("");
  initOriginFromDefault();
  const bool surcharges = context.shortAt(fields::kProfileSurchargePrompt) != 0;
  const std::pair<int, std::pair<int, FieldSpan>> factors[] = {
      {screen_id::LtlSurcharge, {screen_id::LtlSurchargeLabel, fields::kProfileLtlPercent}},
      {screen_id::TlSurcharge, {screen_id::TlSurchargeLabel, fields::kProfileTlPercent}}};
  for (const auto& [field, place] : factors) {
    ShowWindow(item(field), surcharges ? ShowCommand::Show : ShowCommand::Hide);
    ShowWindow(item(place.first), surcharges ? ShowCommand::Show : ShowCommand::Hide);
    SetDialogItemText(handle(), field, platform::DecimalText(context.floatAt(place.second), 4, 2));
  }
  displayRates();
  setFocusToOrigin();
  context.view().fill(fields::kRateBaseNumber, '\0');
  showTariffBasis();
}

void RatingDialog::updateDiscountState() {
  const RatingContext& context = *session().context;
  discountsInUse_ = context.charAt(fields::kDiscountKindLetter) == 'M' ||
                    context.shortAt(fields::kDiscountPrompt) != 0 || context.shortAt(fields::kFloorPrompt) != 0 ||
                    context.shortAt(fields::kMcDiscountPrompt) != 0 || context.shortAt(fields::kMcFloorPrompt) != 0;
  showDiscountStatus();
}

void RatingDialog::initOriginFromDefault() {
  RatingContext& context = *session().context;
  const WindowHandle origin = originField_.handle(), destination = destinationField_.handle();
  if (context.shortAt(fields::kConstantOriginInUse) != 0) {
    context.setShort(fields::kConstantDestinationInUse, 0);
    SetWindowText(origin, context.textAt(fields::kConstantOriginZip));
    EnableWindow(origin, false);
    SetFocus(destination);
  } else {
    EnableWindow(origin, true);
  }
  if (context.shortAt(fields::kConstantDestinationInUse) != 0) {
    SetWindowText(destination, context.textAt(fields::kConstantDestinationZip));
    EnableWindow(destination, false);
    SetFocus(origin);
  } else {
    EnableWindow(destination, true);
  }
}

}  // namespace qiv
