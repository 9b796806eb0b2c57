// The rating screen's commands that show its settings, change its toggles
// and open its lookups: Settings, Use Discounts, Division of Revenue, the
// three city lookups, the print and export
// commands, and the View pop-up's update of the map item.
#include "dialogs/status_popup.h"
#include "language/show_message.h"
#include "lookups/canadian_city_lookup_dialog.h"
#include "lookups/city_pane_lookup_dialog.h"
#include "output/export_setup_dialog.h"
#include "output/export_writer.h"
#include "output/output_fields.h"
#include "output/print_setup_dialog.h"
#include "output/shipment_printout.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/cursor.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/window.h"
#include "screen/rating_dialog.h"
#include "screen/toolbar_buttons.h"

namespace qiv {

using namespace platform::ui;

namespace {

constexpr std::int32_t kSettingsWhileRunning = 146;
constexpr std::int32_t kDiscountsWithdrawnByProfile = 147;
constexpr int kEscape = 27;

}  // namespace

void RatingDialog::onPrintShipment() {
  if (session().context->charAt(output_fields::kPrintMode) == 'O' && RunPrintSetup(printWriter_, handle()) != 1) return;
  WaitCursor wait;
  StatusPopup popup(session(), "Printing", handle());
  popup.open();
  PrintShipment(printWriter_, {handle(), originCity_, destinationCity_, &results_}, handle());
}

void RatingDialog::onPrintSetup() { RunPrintSetup(printWriter_, handle()); }

void RatingDialog::onExportShipment() {
  if (session().context->charAt(output_fields::kExportMode) == 'O') {
    onExportSetup();
    return;
  }
  StatusPopup popup(session(), "Exporting", handle());
  popup.open();
  WriteExportRecord(session(), handle());
}

void RatingDialog::onExportSetup() {
  setStatusText(0, "Shipment Export Setup");
  RunExportSetup(session(), handle());
}

void RatingDialog::onSettings() {
  RatingContext& context = *session().context;
  if (isChildProgramRunning()) {
    context.setLastErrorCode(kSettingsWhileRunning);
    ShowMessage(session(), handle(), MessageType::Warning);
    return;
  }
  const auto& dialog = session().environment.settingsDialog;
  if (dialog && dialog(session(), handle()) == 1) {
    const std::pair<WindowHandle, std::pair<FieldSpan, FieldSpan>> ends[] = {
        {originField_.handle(), {fields::kConstantOriginInUse, fields::kConstantOriginZip}},
        {destinationField_.handle(), {fields::kConstantDestinationInUse, fields::kConstantDestinationZip}}};
    for (const auto& [field, place] : ends) {
      const bool constant = context.shortAt(place.first) != 0;
      if (constant) SetWindowText(field, context.textAt(place.second));
      EnableWindow(field, !constant);
    }
    SendMessage(handle(), session().specialCharMessage, kEscape);
  }
  fillProfileCombo(context.shortAt(fields::kCurrentProfileIndex));
  onProfileSelected();
}

void RatingDialog::onUseDiscounts() {
  RatingContext& context = *session().context;
  statusText_.clear();
  const bool withdrawn = context.intAt(fields::kDiscountsWithdrawn) != 0;
  const int discountFields[] = {screen_id::McDiscount,    screen_id::McDiscountLabel, screen_id::Discount,
                                screen_id::DiscountLabel, screen_id::Floor,           screen_id::FloorLabel};
  auto hideFields = [&] {
    context.view().fill(fields::kFloorText, '\0');
    for (int id : discountFields) ShowWindow(item(id), ShowCommand::Hide);
    commands_.check(command::UseDiscounts, false);
  };
  if (commands_.isChecked(command::UseDiscounts) && !discountsInUse_) {
    if (withdrawn) {
      context.setLastErrorCode(kDiscountsWithdrawnByProfile);
      ShowMessage(session(), handle(), MessageType::Warning);
    }
    context.setShort(fields::kDiscountsInUse, 0);
    hideFields();
    commands_.setImage(toolbar_image::UseDiscounts,
                       withdrawn ? toolbar_image::kDiscountsWithdrawn : toolbar_image::kDiscountsOff);
    commands_.enable(command::UseDiscounts, !withdrawn);
  } else if (context.shortAt(fields::kDiscountPrompt) == 0 && context.charAt(fields::kDiscountKindLetter) != 'M' &&
             context.shortAt(fields::kMcFloorPrompt) == 0) {
    hideFields();
    const bool gray = withdrawn || !discountsInUse_;
    commands_.setImage(toolbar_image::UseDiscounts,
                       gray ? toolbar_image::kDiscountsWithdrawn : toolbar_image::kDiscountsOff);
    commands_.enable(command::UseDiscounts, !gray);
    showDiscountStatus();
    displayRates();
    return;
  } else {
    context.setShort(fields::kDiscountsInUse, 1);
    const std::pair<FieldSpan, std::pair<int, int>> shown[] = {
        {fields::kMcDiscountPrompt, {screen_id::McDiscount, screen_id::McDiscountLabel}},
        {fields::kDiscountPrompt, {screen_id::Discount, screen_id::DiscountLabel}},
        {fields::kFloorPrompt, {screen_id::Floor, screen_id::FloorLabel}}};
    for (const auto& [prompt, ids] : shown)
      for (int id : {ids.first, ids.second})
        ShowWindow(item(id), context.shortAt(prompt) != 0 ? ShowCommand::Show : ShowCommand::Hide);
    commands_.check(command::UseDiscounts, true);
    commands_.setImage(toolbar_image::UseDiscounts, toolbar_image::kDiscountsOn);
    commands_.enable(command::UseDiscounts, true);
    discountsInUse_ = false;
  }
  showDiscountStatus();
  displayRates();
  setFocusToOrigin();
}

void RatingDialog::onDivisionOfRevenue() {
  divisionOfRevenue_ = !divisionOfRevenue_;
  commands_.check(command::DivisionOfRevenue, divisionOfRevenue_);
  commands_.setImage(toolbar_image::DivisionOfRevenue, toolbar_image::kDivisionOff + (divisionOfRevenue_ ? 1 : 0));
}

void RatingDialog::onCityLookup(int command) {
  const WindowHandle origin = originIsCombo_ ? item(screen_id::OriginCombo) : item(screen_id::OriginField);
  const WindowHandle destination = item(screen_id::DestinationField);
  const bool atOrigin = focusedField_ == origin;
  if (!atOrigin && focusedField_ != destination) return;
  RatingContext& context = *session().context;
  const bool mexican = command == command::MexicanCityLookup;
  if (!mexican) context.view().fill(fields::kPendingCityText, '\0');
  const CityLookupResult found = command == command::UsCityLookup         ? RunUsCityLookup(session(), handle())
                                 : command == command::CanadianCityLookup ? RunCanadianCityLookup(session(), handle())
                                                                          : RunMexicanCityLookup(session(), handle());
  const bool chosen = found.end == command_id::Ok && found.code.size() > 1;
  bool checked = false;
  if (chosen && mexican) {
    (atOrigin ? originCity_ : destinationCity_) = found.city.substr(0, 30);
    cityChosen_ = true;
  }
  if (chosen && atOrigin) {
    if (!mexican) {
      pointChanged_ = true;
      clearScreen();
      tariffBasis_.clear();
      showTariffBasis();
    }
    if (originIsCombo_) {
      SendMessage(origin, combo_box::SetCurrentSelection, 0);
      checked = validateOrigin(found.code);
    } else {
      originField_.setText(found.code);
      SendMessage(origin, edit::SetSelection, 0, -1);
      if (!mexican) context.setTerminatedText(fields::kPendingCityText, found.city);
      checked = originField_.validate();
    }
    if (checked && destinationField_.isValid()) {
      reRate_ = true;
      displayRates();
    }
  } else if (chosen) {
    destinationField_.setText(found.code);
    SendMessage(destination, edit::SetSelection, 0, -1);
    if (!mexican) context.setTerminatedText(fields::kPendingCityText, found.city);
    checked = verifyDestinationAndRate(found.code);
    const bool originValid =
        originIsCombo_ ? SendMessage(origin, combo_box::GetCurrentSelection) >= 0 : originField_.isValid();
    if (checked && originValid) {
      reRate_ = true;
      displayRates();
    }
  }
  // The focus: the next field after the one that has it (the checked field
  // first, after a Canadian check that passed); after a Mexican lookup the
  // destination's next field, or the destination while the origin is not
  // valid.
  const WindowHandle checkedField = atOrigin ? origin : destination;
  if (mexican) {
    if (!atOrigin)
      SetDialogFocus(nextTabItem(destination, false));
    else
      SetDialogFocus(originField_.isValid() || originIsCombo_ ? destination : origin);
    return;
  }
  if (command == command::CanadianCityLookup && checked) SetFocus(checkedField);
  if (const WindowHandle focus = GetFocus()) SetDialogFocus(nextTabItem(focus, false));
}

void RatingDialog::updateViewMenu() { commands_.enable(command::ServiceMap, serviceMapAvailable()); }

}  // namespace qiv
