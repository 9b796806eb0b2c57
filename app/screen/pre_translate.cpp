// The rating screen's pre-translation of every message, in this order:
// (1) its accelerator keys; (2) the status bar's help text restored;
// (3) Enter or Tab in the date picker moves on to the origin; (4) the
// states of the commands that need a rated route; (5) the origin list's
// own keys; (6) Esc resets the entry. Other keys go to the focused window
// as they are (no dialog navigation); everything else through the dialog
// manager.
#include <cstdlib>

#include "dialogs/list_items.h"
#include "language/show_message.h"
#include "platform/ui/accelerator.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/keys.h"
#include "platform/ui/window.h"
#include "screen/rating_dialog.h"

namespace qiv {

using namespace platform::ui;

namespace {
constexpr std::int32_t kInvalidOrigin = 101;
}  // namespace

bool RatingDialog::preTranslateMessage(Message& message) {
  if (accelerators_ != nullptr && TranslateAccelerator(handle(), accelerators_, message)) return true;  // 1
  SendUpdateStatus(session());                                                                          // 2
  const bool key = message.message == msg::KeyDown || message.message == msg::Char;
  const WindowHandle picker = item(screen_id::DatePicker);
  if (key && (message.wParam == key::Enter || message.wParam == key::Tab) && picker != nullptr &&  // 3
      (message.window == picker || IsDescendant(picker, message.window))) {
    setFocusToOrigin();
    return true;
  }
  updateCommandStates();                                    // 4
  if (originIsCombo_ && message.message == msg::KeyDown &&  // 5
      (message.wParam == key::Tab || message.wParam == key::Enter) &&
      ParentWindow(message.window) == item(screen_id::OriginCombo)) {
    checkTypedOrigin();
    return true;
  }
  if (message.message == msg::KeyDown && message.wParam == key::Escape) {  // 6
    SendMessage(handle(), session().specialCharMessage, 27, 0);
    return true;
  }
  if (message.message >= msg::KeyDown && message.message <= msg::Char) return false;
  return Dialog::preTranslateMessage(message);
}

void RatingDialog::checkTypedOrigin() {
  // The code typed in the origin list must be one of its codes.
  const WindowHandle combo = item(screen_id::OriginCombo);
  const std::string typed = WindowText(combo);
  for (int i = 0; i < ComboCount(combo); ++i) {
    if (ComboLine(combo, i) != typed) continue;
    SendMessage(combo, combo_box::SetCurrentSelection, static_cast<WParam>(i));
    SetDialogFocus(item(screen_id::DestinationField));
    return;
  }
  RatingContext& context = *session().context;
  context.view().setText(ratekit::shipment_point::Of(0, ratekit::shipment_point::kState), "  ");
  context.setLastErrorCode(kInvalidOrigin);
  ShowMessage(session(), handle(), MessageType::Warning);
  SetFocus(combo);
}

void RatingDialog::updateCommandStates() {
  // The commands that show a rating's results are offered once the route
  // is entered and has a rate base; grayed otherwise.
  if (!session().context || released_) return;
  const RatingContext& context = *session().context;
  const bool origin = originIsCombo_
                          ? SendDialogItemMessage(handle(), screen_id::OriginCombo, combo_box::GetCurrentSelection) >= 0
                          : originField_.isValid();
  const bool rated = origin && destinationField_.isValid() && !context.textAt(fields::kRateBaseNumber).empty();
  auto mexican = [](const std::string& code) { return code.size() == 6 && (code.back() == 'M' || code.back() == 'm'); };
  const bool mexicanEnd = mexican(originEntryText()) || mexican(DialogItemText(handle(), screen_id::DestinationField));
  commands_.enable(command::DisplayRates, rated);
  commands_.enable(command::ShipmentDetail, rated && lineCount_ > 0 && mexicanEnd);
  if (session().serviceGuideInUse()) commands_.enable(command::TerminalInformation, rated);
  commands_.enable(command::AccessorialTotals,
                   rated && context.shortAt(fields::kAccessorialPrompt) != 0 &&
                       std::atof(context.textAt(fields::kAccessorialTotalText).c_str()) > 0);
}

}  // namespace qiv
