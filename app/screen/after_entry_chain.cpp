// The after-entry chain, run when the focus reaches the entry-end sentinel
// after the last line: the Mexican prompts, the accessorials, the division
// of revenue and the automatic printout and export, each as the options
// say, then the focus back on the origin. And the commands that open the
// rating dialogs: Rating Prompts, Accessorial Totals and Accessorials.
#include <algorithm>

#include "dialogs/status_popup.h"
#include "output/export_writer.h"
#include "output/output_fields.h"
#include "output/print_writer.h"
#include "output/shipment_printout.h"
#include "platform/kernel/digits.h"
#include "platform/ui/cursor.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/paint.h"
#include "platform/ui/window.h"
#include "rating_dialogs/accessorial_totals_dialog.h"
#include "rating_dialogs/accessorials_dialog.h"
#include "rating_dialogs/mexican_prompts_dialog.h"
#include "rating_dialogs/rating_prompts_dialog.h"
#include "rating_dialogs/revenue_division_dialog.h"
#include "screen/rating_dialog.h"

namespace qiv {

using namespace platform::ui;

namespace {

namespace entry = ratekit::accessorial_entry;
constexpr const char* kPrintingCaption = "Printing";
constexpr const char* kExportingCaption = "Exporting";

// Every accessorial's choice undone, except the heading lines'.
void ClearAccessorialChoices(RatingContext& context) {
  const auto count = static_cast<std::size_t>(std::clamp<std::int32_t>(
      context.intAt(ratekit::context::kAccessorialCount), 0, static_cast<std::int32_t>(entry::kTableEntries)));
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = entry::Entry(i).offset + entry::kSelection.offset;
    if (context.view().charAt(at) != 't') context.view().setChar(at, ' ');
  }
}

}  // namespace

void RatingDialog::mapRatingDialogCommands() {
  MessageMap& map = messageMap();
  map.onCommand(command::RatingPrompts, [this] { onRatingPrompts(); });
  map.onCommand(command::AccessorialTotals, [this] {
    AccessorialTotalsDialog totals(session(), handle());
    totals.doModal();
  });
  map.onCommand(command::Accessorials, [this] { onAccessorials(); });
}

void RatingDialog::runAfterEntryChain() {
  // Once per arrival: a dialog of the chain that gives the focus back to
  // the sentinel when it closes does not start it again.
  if (inAfterEntryChain_ || !session().context) return;
  inAfterEntryChain_ = true;
  RatingContext& context = *session().context;
  // The focus leaves the sentinel first, for the next field.
  if (const WindowHandle next = nextTabItem(entryEndSentinel_.handle(), false);
      next != nullptr && next != entryEndSentinel_.handle())
    SetFocus(next);

  auto refresh = [this] {
    displayRates();
    InvalidateRect(handle());
  };
  if (context.intAt(fields::kMexicoOption) != 0 && lineCount_ > 0 && (originMexican_ || destinationMexican_) &&
      (context.shortAt(fields::kIvaTaxPrompt) != 0 || context.shortAt(fields::kInsurancePrompt) != 0)) {
    MexicanPromptsDialog prompts(session(), nullptr, ivaTaxText_, insuranceText_);
    prompts.doModal();
    refresh();
  }
  if (context.shortAt(fields::kAccessorialPrompt) == 1 && context.charAt(fields::kAccessorialFile) == 'Y') {
    ClearAccessorialChoices(context);
    AccessorialsDialog accessorials(session(), nullptr);
    accessorials.doModal();
    refresh();
  }
  if (divisionOfRevenue_) {
    const double revenue = finalTotal_ - platform::LeadingDecimalValue(context.textAt(fields::kAccessorialTotalText));
    RevenueDivisionDialog division(session(), entryEndSentinel_.handle(), revenue);
    division.doModal();
  }
  const bool print = context.charAt(output_fields::kPrintMode) == 'A';
  const bool exportRecord = context.charAt(output_fields::kExportMode) == 'A';
  if (print || exportRecord) {
    WaitCursor wait;
    if (print) {
      StatusPopup popup(session(), kPrintingCaption, nullptr);
      popup.open();
      PrintShipment(printWriter_, ShipmentScreen{handle(), originCity_, destinationCity_, &results_}, handle());
    }
    if (exportRecord) {
      StatusPopup popup(session(), kExportingCaption, nullptr);
      popup.open();
      WriteExportRecord(session(), handle());
    }
  }
  if (!released_) setFocusToOrigin();
  inAfterEntryChain_ = false;
}

void RatingDialog::onRatingPrompts() {
  RatingPromptsDialog prompts(session(), handle(), increaseFactor_);
  if (prompts.doModal() != command_id::Ok) return;
  const RatingContext& context = *session().context;
  auto show = [this](std::initializer_list<int> ids, bool shown) {
    for (int id : ids) ShowWindow(item(id), shown ? ShowCommand::Show : ShowCommand::Hide);
  };
  show({screen_id::Accessorial, screen_id::AccessorialLabel},
       context.shortAt(fields::kAccessorialPrompt) != 0 && context.charAt(fields::kAccessorialFile) == 'N');
  show({screen_id::ShipmentId, screen_id::ShipmentIdLabel}, context.shortAt(fields::kShipmentIdPrompt) != 0);
  // The result display again, without the pending line entry.
  const std::string classText = classField_.text(), weightText = weightField_.text();
  classField_.setText("");
  weightField_.setText("");
  displayRates();
  classField_.setText(classText);
  weightField_.setText(weightText);
  if (context.intAt(fields::kMexicoOption) != 0) {
    const bool kilograms = context.charAt(fields::kWeightsInKilograms) == 'Y';
    show({screen_id::Kilograms}, kilograms);
    show({screen_id::Pounds}, !kilograms);
  }
  for (int id : screen_id::kBasePointStatics)
    ShowWindow(item(id), context.shortAt(fields::kBasePointDisplay) != 0 ? ShowCommand::Show : ShowCommand::Hide);
}

void RatingDialog::onAccessorials() {
  AccessorialsDialog accessorials(session(), handle());
  accessorials.doModal();
  displayRates();
  InvalidateRect(handle());
  setFocusToOrigin();
}

}  // namespace qiv
