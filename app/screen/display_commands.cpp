// The rating screen's commands that open the display dialogs: Tariff
// Display, View Shipment Detail, Display Rates/Alternation and Terminal
// Information.
#include "display/display_dialogs.h"
#include "display/rate_results_dialog.h"
#include "language/show_message.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"
#include "screen/rating_dialog.h"

namespace qiv {

using namespace platform::ui;

namespace {
constexpr std::int32_t kNoTerminalInformation = 533;
}  // namespace

void RatingDialog::onTariffDisplay() {
  TariffDisplayDialog dialog(session(), handle());
  dialog.doModal();
}

void RatingDialog::onShipmentDetail() {
  if (lineCount_ < 1 || !(originMexican_ || destinationMexican_)) return;
  ShipmentDetailDialog dialog(session(), results_, handle());
  dialog.doModal();
}

void RatingDialog::onDisplayRates() {
  RateResultsTexts texts{originEntryText(), DialogItemText(handle(), screen_id::DestinationField),
                         DialogItemText(handle(), screen_id::OriginState),
                         DialogItemText(handle(), screen_id::DestinationState)};
  auto rate = [this] {
    RatingContext& context = *session().context;
    if (session().bindings.RateShipment(context.data(), lineCount_, handle()) == kRatingFailed) reportRatingFailure();
  };
  RateResultsDialog dialog(session(), std::move(texts), rate, printWriter_, handle());
  dialog.doModal();
  // The dialog's last re-rating is left in the RatingContext: the screen's
  // own rating comes back, so printouts and exports agree with the screen.
  if (!session().context) return;
  reRate_ = true;
  refreshQuietly();
}

void RatingDialog::onTerminalInformation() {
  RatingContext& context = *session().context;
  if (session().bindings.GetTerminals == nullptr || session().bindings.GetTerminals(context.data()) == 0) {
    context.setLastErrorCode(kNoTerminalInformation);
    ShowMessage(session(), handle(), MessageType::Warning);
    return;
  }
  TerminalInfoDialog dialog(session(), handle());
  dialog.doModal();
}

}  // namespace qiv
