// The result display of the rating screen: the shipment's lines taken
// from the line list and the line fields, rated, and the lines and the
// totals column shown; the tariff basis in the status bar; the city texts
// after a change of language.
#include <algorithm>
#include <cctype>

#include "dialogs/mexican_city_list_dialog.h"
#include "language/show_message.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/file.h"
#include "platform/kernel/fixed_format.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/window.h"
#include "results/accessorial_charges.h"
#include "results/result_totals.h"
#include "results/tariff_files.h"
#include "screen/line_list_columns.h"
#include "screen/rating_dialog.h"

namespace qiv {

using namespace platform::ui;
namespace lines = ratekit::shipment_lines;

namespace {

constexpr int kMaxLines = static_cast<int>(lines::kLines);
constexpr std::int32_t kNoEngineMessage = -1;
constexpr std::int32_t kNoCityText = 15;

std::string WithoutBlanks(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  return text;
}

std::string ListLineText(WindowHandle list, int index) {
  const auto length = SendMessage(list, list_box::GetTextLength, static_cast<WParam>(index));
  std::string text(static_cast<std::size_t>(std::max<LResult>(length, 0)) + 1, '\0');
  SendMessage(list, list_box::GetText, static_cast<WParam>(index), reinterpret_cast<LParam>(text.data()));
  return text.substr(0, text.find('\0'));
}

}  // namespace

bool RatingDialog::collectShipmentLines() {
  RatingContext& context = *session().context;
  const RatekitBindings& bind = session().bindings;
  const WindowHandle list = item(screen_id::LineList);
  int count = lineListCount();
  if (count > kMaxLines) return false;
  const bool constant = context.shortAt(fields::kConstantClassInUse) != 0;
  const int fak = context.intAt(fields::kFakAllowed);
  auto check = [&](std::string classCode, const std::string& weight, int line) {
    if (constant) classCode = context.textAt(fields::kConstantClass);
    if (bind.VerClass(context.data(), classCode.c_str(), line, fak) == 0 ||
        bind.VerWeight(context.data(), weight.c_str(), line) == 0) {
      ShowMessage(session(), handle(), MessageType::Warning);
      return false;
    }
    return true;
  };
  for (int i = 0; i < count; ++i) {
    // "\t<class> <tag>\t<weight>\t<rate>\t<charge>"
    std::string line = ListLineText(list, i);
    if (!line.empty() && line[0] == '\t') line.erase(0, 1);
    const std::size_t tab = line.find('\t');
    std::string classPart = line.substr(0, tab);
    classPart.erase(std::remove_if(classPart.begin(), classPart.end(), [](char c) { return c == ' ' || c == '*'; }),
                    classPart.end());
    const std::string rest = tab == std::string::npos ? std::string() : line.substr(tab + 1);
    const std::string weight = WithoutBlanks(rest.substr(0, rest.find('\t')));
    if (!check(classPart, weight, i)) return false;
  }
  const std::string pendingClass = classField_.text(), pendingWeight = weightField_.text();
  if (!pendingClass.empty() && !pendingWeight.empty() && count < kMaxLines) {
    if (!check(pendingClass, pendingWeight, count)) return false;
    classField_.setText("");
    weightField_.setText("");
    ++count;
  }
  for (int i = count; i < kMaxLines; ++i) {
    const auto at = static_cast<std::size_t>(i);
    context.view().fill(lines::ClassCode(at), '\0');
    context.view().fill(lines::ClassFlag(at), '\0');
    context.view().fill(lines::WeightText(at), '\0');
  }
  lineCount_ = count;
  return count > 0;
}

void RatingDialog::fillLineList() {
  const RatingContext& context = *session().context;
  const WindowHandle list = item(screen_id::LineList);
  SendMessage(list, list_box::ResetContent);
  const std::string constant =
      context.shortAt(fields::kConstantClassInUse) != 0 ? context.textAt(fields::kConstantClass) : "";
  for (int i = 0; i < lineCount_ && i < kMaxLines; ++i) {
    const auto at = static_cast<std::size_t>(i);
    // The class as it was checked (a class such as 77.5 keeps its point).
    const std::string classText = constant.empty() ? WithoutBlanks(context.textAt(lines::ClassCode(at))) : constant;
    const std::string weight = std::to_string(platform::LeadingDigits(context.textAt(lines::WeightText(at))).value);
    std::string tag = context.textAt(lines::ClassFlag(at));
    tag.resize(2, ' ');
    const std::string text = "\t" + line_list::InColumn(classText, 0) + " " + tag + "\t" +
                             line_list::InColumn(weight, 1) + "\t" +
                             line_list::InColumn(WithoutBlanks(context.textAt(lines::RateText(at))), 2) + "\t" +
                             line_list::InColumn(WithoutBlanks(context.textAt(lines::ChargeText(at))), 3);
    SendMessage(list, list_box::AddString, 0, reinterpret_cast<LParam>(text.c_str()));
  }
}

void RatingDialog::clearResultStatics() {
  for (int id : screen_id::kResultLabels) ShowWindow(item(id), ShowCommand::Hide);
  for (int id : screen_id::kResultRules) ShowWindow(item(id), ShowCommand::Hide);
  for (int id : screen_id::kResultValues) {
    SetDialogItemText(handle(), id, "");
    ShowWindow(item(id), ShowCommand::Hide);
  }
}

void RatingDialog::setUpSurcharges() {
  RatingContext& context = *session().context;
  context.setShort(fields::kSurchargeInUse, 0);
  context.setFloat(fields::kLtlSurchargePercent, 0);
  context.setFloat(fields::kTlSurchargePercent, 0);
  const std::pair<FieldSpan, std::pair<FieldSpan, FieldSpan>> switches[] = {
      {fields::kProfileSurchargePrompt, {fields::kProfileLtlPercent, fields::kProfileTlPercent}},
      {fields::kProfileConstantSurcharge, {fields::kProfileConstantLtlPercent, fields::kProfileConstantTlPercent}}};
  for (const auto& [onOff, percents] : switches) {
    if (context.shortAt(onOff) == 0) continue;
    context.setShort(fields::kSurchargeInUse, context.shortAt(onOff));
    context.setFloat(fields::kLtlSurchargePercent, context.floatAt(percents.first));
    context.setFloat(fields::kTlSurchargePercent, context.floatAt(percents.second));
  }
}

void RatingDialog::displayRates() {
  if (!reRate_ || !session().context || rating_) return;
  rating_ = true;
  struct RatingDone {
    bool& rating;
    ~RatingDone() { rating = false; }
  } done{rating_};
  RatingContext& context = *session().context;
  const RatekitBindings& bind = session().bindings;
  clearResultStatics();
  bind.LoadDiscounts(context.data(), discountText_.data(), 0);
  const std::string single = WindowText(item(screen_id::SingleShipment));
  char letter = single.empty() ? ' ' : single[0];
  if (letter == 'S' && session().language == Language::Spanish) letter = 'Y';
  context.setChar(fields::kSingleShipmentLetter, letter);
  context.setChar(fields::kSingleShipmentSpare, ' ');
  if (!collectShipmentLines()) return;
  setUpSurcharges();
  if (bind.RateShipment(context.data(), lineCount_, handle()) == kRatingFailed) {
    reportRatingFailure();
    clearFlag_ = true;
    clearScreen();
    return;
  }
  fillLineList();
  const std::int16_t prompt = context.shortAt(fields::kAccessorialPrompt);
  if (prompt != 0 && context.charAt(fields::kAccessorialFile) == 'Y')
    ComputeAccessorialCharges(context);
  else if (prompt == 1)
    context.setTerminatedText(fields::kAccessorialTotalText, WindowText(item(screen_id::Accessorial)).substr(0, 10));

  ResultInputs inputs;
  inputs.discountsInUse = discountsInUse_;
  inputs.engineUsed = session().engineInUse();
  inputs.mexicanEnd = originMexican_ || destinationMexican_;
  inputs.ivaTaxText = ivaTaxText_;
  inputs.insuranceText = insuranceText_;
  inputs.round = [&bind](float x, int n) { return bind.rndoff(x, n); };
  inputs.labelText = [this](int id) { return WindowText(item(id)); };
  inputs.coastalFee = [this] { return LookupCoastalFee(*session().context, session().tariffBasePath()); };
  const ResultDisplay display = ComputeResultDisplay(context, inputs);
  for (const ResultRow& row : display.rows) {
    if (!row.labelText.empty()) SetDialogItemText(handle(), row.label, row.labelText);
    ShowWindow(item(row.label), ShowCommand::Show);
    for (const auto& [id, text] : row.values) {
      if (!text.empty()) SetDialogItemText(handle(), id, text);
      ShowWindow(item(id), ShowCommand::Show);
    }
    if (row.rule != 0) ShowWindow(item(row.rule), ShowCommand::Show);
  }
  results_ = display.tables;
  ratingSign_ = display.ratingSign;
  finalTotal_ = display.finalTotal;
}

void RatingDialog::reportRatingFailure() {
  if (session().engineInUse() && session().context->lastErrorCode() == kNoEngineMessage) {
    clearFlag_ = true;
    clearScreen();
    setFocusToOrigin();
    return;
  }
  ShowMessage(session(), handle(), MessageType::Warning);
  SendMessage(handle(), session().specialCharMessage, 27, 0);
}

void RatingDialog::showSurchargeStatics() {
  const RatingContext& context = *session().context;
  const bool shown = context.floatAt(fields::kSingleShipmentFloor) > 0 &&
                     context.charAt(ratekit::shipment_point::Of(0, ratekit::shipment_point::kServiceLetter)) == 'D';
  for (int id : {screen_id::SingleShipment, screen_id::SingleShipmentLabel})
    ShowWindow(item(id), shown ? ShowCommand::Show : ShowCommand::Hide);
}

void RatingDialog::showTariffBasis() {
  RatingContext& context = *session().context;
  const bool noDiscounts = context.intAt(fields::kNoDiscountLane) != 0;
  const std::tuple<int, int, FieldSpan> discountFields[] = {
      {screen_id::McDiscount, screen_id::McDiscountLabel, fields::kMcDiscountPrompt},
      {screen_id::Discount, screen_id::DiscountLabel, fields::kDiscountPrompt},
      {screen_id::Floor, screen_id::FloorLabel, fields::kFloorPrompt}};
  for (const auto& [field, label, prompt] : discountFields) {
    const ShowCommand show = !noDiscounts && context.shortAt(prompt) != 0 ? ShowCommand::Show : ShowCommand::Hide;
    ShowWindow(item(field), show);
    ShowWindow(item(label), show);
  }
  session().bindings.GetService(context.data());
  session().bindings.GetTerminals(context.data());
  if (context.intAt(fields::kMexicanLane) != 0) return;
  const std::string number = context.textAt(fields::kRateBaseNumber);
  std::string text = "Bureau Rbno:";
  if (WithoutBlanks(number).empty()) {
    // Nothing rated yet: no rate base to name.
    text.clear();
  } else if (session().engineInUse()) {
    text += WithoutBlanks(number);
    if (!ReadTariffBasisTable(context, session().tariffBasePath())) {
      endForMissingFile(".TBL");
      return;
    }
    text += " " + context.textAt(fields::kRateBaseTitle);
  } else {
    text += number;
  }
  SendMessage(handle(), session().updateStatusMessage, 2, reinterpret_cast<LParam>(text.c_str()));
  tariffBasis_ = text;
  context.setTerminatedText(fields::kRateBaseNumber, number);
}

void RatingDialog::refreshCityTexts() {
  // A Mexican point without a city shows the "no city" text of the language now in use.
  const std::pair<bool, std::pair<std::string*, int>> ends[] = {
      {originNoCity_, {&originCity_, screen_id::OriginCity}},
      {destinationNoCity_, {&destinationCity_, screen_id::DestinationCity}}};
  for (const auto& [noCity, place] : ends) {
    if (!noCity) continue;
    *place.first = session().text(kNoCityText, MexicanCityListDialog::kResultLimit);
    SetDialogItemText(handle(), place.second, *place.first);
  }
}

}  // namespace qiv
