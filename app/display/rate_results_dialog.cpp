#include "display/rate_results_dialog.h"

#include <cstdio>

#include "dialogs/list_items.h"
#include "dialogs/status_popup.h"
#include "display/display_ids.h"
#include "language/show_message.h"
#include "output/output_fields.h"
#include "output/print_setup_dialog.h"
#include "output/rate_block_printout.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/cursor.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/keys.h"
#include "platform/ui/metrics.h"
#include "platform/ui/window.h"

namespace qiv {

using namespace platform::ui;
namespace id = display_id;
namespace rc = ratekit::context;

namespace {

constexpr std::int32_t kDiscountsText = 258;
constexpr std::int32_t kOnlyCombinedWithDiscounts = 255;
// Which tables the installation offers on a Mexican lane.
constexpr platform::FieldSpan kCombinedOffered{90967, 1};
constexpr platform::FieldSpan kUsOnlyOffered{90969, 1};
constexpr platform::FieldSpan kMexicoOnlyOffered{90971, 1};
static_assert(kCombinedOffered.offset == ratekit::mexico_settings::kShipmentDetailFlag.offset + 6);
// The rates list's tab stops, in quarters of the list font's average
// character width: a column of 7.5 characters for each "%7.2f".
constexpr int kRateTabStops[] = {20, 50, 80, 110, 140, 170, 200, 230, 260};
constexpr int kRateWidth = 7;  // characters of a rate
constexpr int kChargeTabStops[] = {8, 26};

}  // namespace

RateResultsDialog::RateResultsDialog(QivSession& session, RateResultsTexts texts, std::function<void()> rate,
                                     PrintWriter& writer, WindowHandle parent)
    : QivDialog(session, id::RateResults, parent), texts_(std::move(texts)), rate_(std::move(rate)), writer_(writer) {
  MessageMap& map = messageMap();
  map.onCommand(id::RatesView, [this] { onView(true); });
  map.onCommand(id::AlternationView, [this] { onView(false); });
  map.onCommand(id::DiscountsYes, [this] { onDiscounts(true); });
  map.onCommand(id::DiscountsNo, [this] { onDiscounts(false); });
  map.onCommand(id::Combined, [this] { onChoice(RateTableChoice::Combined); });
  map.onCommand(id::UsOnly, [this] { onChoice(RateTableChoice::UsOnly); });
  map.onCommand(id::MexicoOnly, [this] { onChoice(RateTableChoice::MexicoOnly); });
  map.onCommand(id::Print, [this] { onPrint(); });
  map.onCommand(id::RatesOk, [this] { endDialog(1); });
}

bool RateResultsDialog::preTranslateMessage(Message& message) {
  const bool arrow = (message.message == msg::KeyDown || message.message == msg::KeyUp) &&
                     (message.wParam == key::Up || message.wParam == key::Down);
  if (message.message == msg::KeyUp || message.message == msg::LeftButtonUp || arrow) SendUpdateStatus(session());
  return Dialog::preTranslateMessage(message);
}

bool RateResultsDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  RatingContext& context = *session().context;
  const bool mexican = context.intAt(rc::kMexicoFlag) != 0;
  if (context.shortAt(fields::kDiscountsInUse) == 0 || context.intAt(fields::kNoDiscountLane) == 1)
    for (int control : {id::DiscountsYes, id::DiscountsNo, id::DiscountsLabel}) EnableWindow(item(control), false);
  savedBasis_ = context.charAt(fields::kDiscountMode);
  opened_ = true;
  for (int control : {id::TableLabel, id::Combined, id::UsOnly, id::MexicoOnly})
    ShowWindow(item(control), ShowCommand::Hide);
  if (mexican) {
    const std::pair<platform::FieldSpan, int> offered[] = {
        {kCombinedOffered, id::Combined}, {kUsOnlyOffered, id::UsOnly}, {kMexicoOnlyOffered, id::MexicoOnly}};
    for (const auto& [option, control] : offered) {
      if (context.charAt(option) != 'Y') continue;
      ShowWindow(item(id::TableLabel), ShowCommand::Show);
      ShowWindow(item(control), ShowCommand::Show);
    }
  }
  context.setChar(fields::kDiscountMode, 'R');
  std::string caption = WindowText(handle());
  if (!mexican) {
    char number[24];
    std::snprintf(number, sizeof number, "%d", std::atoi(context.textAt(fields::kRateBaseNumber).c_str()));
    caption += std::string(" - ") + number + " " + context.textAt(fields::kRateBaseTitle);
  }
  SetWindowText(handle(), caption);
  SetDialogItemText(handle(), id::OriginText, texts_.origin);
  SetDialogItemText(handle(), id::DestinationText, texts_.destination);
  SetDialogItemText(handle(), id::OriginPoint, texts_.originPoint);
  SetDialogItemText(handle(), id::DestinationPoint, texts_.destinationPoint);
  CheckRadioButton(handle(), id::RatesView, id::AlternationView, id::RatesView);
  CheckRadioButton(handle(), id::DiscountsYes, id::DiscountsNo, id::DiscountsNo);
  for (int control : {id::Combined, id::UsOnly, id::MexicoOnly})
    CheckDialogButton(handle(), control, control == id::Combined ? button::Checked : button::Unchecked);
  const FontHandle labelFont = session().screenFonts[ScreenFont::Labels];
  if (labelFont != nullptr)
    for (int label : {id::OriginLabel, id::DestinationLabel, id::ClassHeading, id::OptionsGroup})
      SendMessage(item(label), msg::SetFont, reinterpret_cast<WParam>(labelFont), 0);
  for (int i = 0; i < id::BreakHeadings && labelFont != nullptr; ++i)
    SendMessage(item(id::FirstBreakHeading + i), msg::SetFont, reinterpret_cast<WParam>(labelFont), 0);
  const FontHandle listFont = session().screenFonts[ScreenFont::LineList];
  for (int list : {id::RatesList, id::ChargesList})
    SendMessage(item(list), msg::SetFont, reinterpret_cast<WParam>(listFont), 0);
  SendMessage(item(id::RatesList), list_box::SetTabStops, std::size(kRateTabStops),
              reinterpret_cast<LParam>(kRateTabStops));
  SendMessage(item(id::ChargesList), list_box::SetTabStops, std::size(kChargeTabStops),
              reinterpret_cast<LParam>(kChargeTabStops));
  placeHeadings();
  fillCharges();
  fillTable();
  CenterWindow(handle());
  SetFocus(item(id::RatesOk));
  SendUpdateStatus(session());
  return false;
}

void RateResultsDialog::onDestroy() {
  if (opened_ && session().context) session().context->setChar(fields::kDiscountMode, savedBasis_);
  opened_ = false;
  QivDialog::onDestroy();
}

void RateResultsDialog::placeHeadings() {
  // Each break's heading right-aligned over its column: the list's tab
  // stops are quarters of its font's average character width.
  const WindowHandle list = item(id::RatesList);
  const FontMetrics font = MeasureFont(session().screenFonts[ScreenFont::LineList]);
  const int left = WindowRectInParent(list).left + GetSystemMetric(SystemMetric::ClientEdgeWidth);
  for (int i = 0; i < id::BreakHeadings; ++i) {
    const WindowHandle heading = item(id::FirstBreakHeading + i);
    const Rect place = WindowRectInParent(heading);
    MoveWindow(heading, Rect::FromSize(left + kRateTabStops[i] * font.averageCharWidth / 4, place.top,
                                       kRateWidth * font.averageCharWidth, place.height()));
  }
}

void RateResultsDialog::fillCharges() {
  RatingContext& context = *session().context;
  const WindowHandle list = item(id::ChargesList);
  SendMessage(list, list_box::ResetContent);
  context.setChar(fields::kDiscountMode, discounts_ ? 'R' : 'C');
  if (discounts_) {
    char line[96];
    std::snprintf(line, sizeof line, "%s = %7.2f", text(kDiscountsText).c_str(),
                  context.floatAt(fields::kMcDiscountPercent));
    AddListLine(list, line);
    AddListLine(list, "");
  }
  rate_();
  const bool mexican = context.intAt(rc::kMexicoFlag) != 0;
  const std::size_t first = !mexican || choice_ == RateTableChoice::UsOnly ? 0
                            : choice_ == RateTableChoice::MexicoOnly       ? 2
                                                                           : 4;
  bool floor = false;
  for (std::size_t listIndex : {first, first + 1}) {
    const auto [lines, raised] = ChargeListLines(context, listIndex);
    for (const std::string& line : lines) AddListLine(list, line);
    floor = floor || raised;
  }
  if (floor) AddListLine(list, "* MC Floor");
}

void RateResultsDialog::fillTable() {
  RatingContext& context = *session().context;
  EnableWindow(item(id::Print), ratesView_);
  const std::vector<std::string> labels = BreakLabels(context);
  const std::size_t shown = ratesView_ ? labels.size() : (labels.empty() ? 0 : labels.size() - 1);
  for (int i = 0; i < id::BreakHeadings; ++i)
    SetDialogItemText(handle(), id::FirstBreakHeading + i, static_cast<std::size_t>(i) < shown ? labels[i] : "");
  const WindowHandle list = item(id::RatesList);
  SendMessage(list, list_box::ResetContent);
  if (discounts_) {
    AddListLine(list, DiscountLine(context, text(kDiscountsText), !ratesView_));
    AddListLine(list, "");
  }
  context.setChar(fields::kDiscountMode, discounts_ ? 'R' : 'C');
  rate_();
  for (const std::string& line : RateLines(context, choice_, !ratesView_)) AddListLine(list, line);
}

void RateResultsDialog::enableChoices(bool enabled) {
  for (int control : {id::Combined, id::UsOnly, id::MexicoOnly}) EnableWindow(item(control), enabled);
}

void RateResultsDialog::onView(bool rates) {
  if (ratesView_ == rates) return;
  ratesView_ = rates;
  enableChoices(rates && !discounts_);
  fillCharges();
  fillTable();
}

void RateResultsDialog::onDiscounts(bool yes) {
  if (discounts_ == yes) return;
  if (!yes) {
    enableChoices(true);
    discounts_ = false;
  } else {
    if (choice_ != RateTableChoice::Combined) {
      session().context->setLastErrorCode(kOnlyCombinedWithDiscounts);
      if (ShowMessage(session(), handle(), MessageType::Question) == 0) {
        CheckRadioButton(handle(), id::DiscountsYes, id::DiscountsNo, id::DiscountsNo);
        return;
      }
    }
    discounts_ = true;
    choice_ = RateTableChoice::Combined;
    for (int control : {id::Combined, id::UsOnly, id::MexicoOnly})
      CheckDialogButton(handle(), control, control == id::Combined ? button::Checked : button::Unchecked);
    enableChoices(false);
  }
  fillCharges();
  fillTable();
}

void RateResultsDialog::onChoice(RateTableChoice choice) {
  if (choice_ == choice) return;
  choice_ = choice;
  fillCharges();
  fillTable();
}

void RateResultsDialog::onPrint() {
  RatingContext& context = *session().context;
  if (context.charAt(output_fields::kPrintMode) == 'O' && RunPrintSetup(writer_, handle()) != 1) {
    endDialog(2);
    return;
  }
  {
    WaitCursor wait;
    StatusPopup popup(
        session(), context.textAt(output_fields::kPrintOutput) == "FILE" ? "Printing to File" : "Printing", handle());
    popup.open();
    PrintRateBlock(writer_, static_cast<int>(choice_), session().mainWindow, handle());
  }
  endDialog(1);
}

}  // namespace qiv
