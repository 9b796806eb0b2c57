#include "output/shipment_printout.h"

#include <algorithm>

#include "language/show_message.h"
#include "output/output_fields.h"
#include "output/output_messages.h"
#include "output/print_columns.h"
#include "output/print_writer.h"
#include "output/printout_lines.h"
#include "platform/kernel/fixed_format.h"
#include "screen/screen_ids.h"
#include "shell/qiv_session.h"

namespace qiv {

namespace of = output_fields;
namespace lines = ratekit::shipment_lines;

namespace {

constexpr std::string_view kIndent = "      ";
constexpr std::int32_t kServiceDaysText = 52;
constexpr std::int32_t kNoServiceDaysText = 53;
constexpr std::int32_t kZipDiscountsText = 4715;
constexpr std::int32_t kClassDiscountsText = 4719;
constexpr std::size_t kServiceLabelLength = 24;
// Five characters of either end's terminal code: the destination's is as long
// as the origin's.
constexpr std::size_t kTerminalCodeLength = 5;
constexpr std::string_view kColumnHeading = "Class      Weight           Rate     Charge ";

// The columns of the detail and totals lines (last characters, but the
// class and the rate and charge, which start there).
constexpr std::size_t kClassColumn = 25;
constexpr std::size_t kMinimumSignColumn = 29;
constexpr std::size_t kWeightEnd = 41;
constexpr std::size_t kOpeningColumn = 43;
constexpr std::size_t kRateColumn = 50;
constexpr std::size_t kRateEnd = 56;
constexpr std::size_t kChargeColumn = 61;
constexpr std::size_t kChargeEnd = 69;

struct RouteEnd {
  int labelId;
  int terminalLabelId;
  const char* baseTitle;
};
constexpr RouteEnd kRouteEnds[] = {
    {screen_id::OriginLabel, screen_id::OriginTerminalLabel, "Origin Base:"},
    {screen_id::DestinationLabel, screen_id::DestinationTerminalLabel, "Destination Base:"},
};

void PrintRouteEnd(PrintWriter& writer, const ShipmentScreen& screen, int end) {
  const RatingContext& context = *writer.session().context;
  const RouteEnd& route = kRouteEnds[end];
  const std::string indent(kIndent);
  writer.selectFont(PrintFont::Bold);
  writer.printLine(ScreenLabel(screen.window, route.labelId));
  writer.selectFont(PrintFont::Regular);
  writer.printLine(indent + context.textAt(of::Code(end)) + "  " + context.textAt(of::State(end)));
  if (context.intAt(of::kZpsLoaded) != 0)
    writer.printLine(indent + context.textAt(of::kPointServiceLabels[end]).substr(0, kServiceLabelLength) + "  ");
  const std::string& city = end == 0 ? screen.originCity : screen.destinationCity;
  if (!city.empty()) writer.printLine(indent + city + "  ");
  if (context.intAt(of::kServiceGuideInUse) != 0)
    writer.printLine(indent + ScreenLabel(screen.window, route.terminalLabelId) +
                     context.textAt(of::kTerminalCodes[end]).substr(0, kTerminalCodeLength));
  if (context.shortAt(of::kBasePointDisplay) != 0) {
    writer.selectFont(PrintFont::Bold);
    writer.printLine(route.baseTitle);
    writer.selectFont(PrintFont::Regular);
    writer.printLine(indent + context.textAt(of::kBasePointRecords[end]) + "  " + context.textAt(of::City(end)));
  }
  writer.printBlankLine();
}

void PrintPostOfficeBoxes(PrintWriter& writer) {
  const RatingContext& context = *writer.session().context;
  const bool origin = context.charAt(of::kPostOfficeBoxFlags[0]) == '*';
  const bool destination = context.charAt(of::kPostOfficeBoxFlags[1]) == '*';
  const char* notice = origin && destination
                           ? "Origin and Destination Zip Codes are P.O. Boxes or unassigned Zip Codes."
                       : origin      ? "Origin Zip Code is a P.O. Box or unassigned Zip Code."
                       : destination ? "Destination Zip Code is a P.O. Box or unassigned Zip Code."
                                     : nullptr;
  if (notice == nullptr) return;
  writer.printLine(std::string(kIndent) + notice);
  writer.printBlankLine();
}

void PrintServiceDays(PrintWriter& writer) {
  const QivSession& session = writer.session();
  const std::string days = session.context->textAt(of::kServiceDays);
  if (days.empty()) {
    writer.printLine(session.text(kNoServiceDaysText));
    return;
  }
  PrintValueLine(writer, session.text(kServiceDaysText), platform::PaddedText(days, 7));
}

// The discount lines; true when any was printed.
bool PrintDiscounts(PrintWriter& writer, const ShipmentScreen& screen) {
  const QivSession& session = writer.session();
  const RatingContext& context = *session.context;
  bool printed = false;
  const char source = context.charAt(of::kDiscountSource);
  if (context.shortAt(of::kProfileZipDiscounts) != 0 && source == 'Z') {
    PrintBreakDiscounts(writer, session.text(kZipDiscountsText));
    printed = true;
  }
  if (context.shortAt(of::kProfileClassDiscounts) != 0 && source == 'C') {
    PrintBreakDiscounts(writer, session.text(kClassDiscountsText));
    printed = true;
  }
  if (source == 'P' && context.shortAt(of::kDiscountsInUse) != 0 && context.intAt(of::kNoDiscountLane) == 0) {
    struct Typed {
      platform::FieldSpan prompt;
      int labelId;
      platform::FieldSpan text;
    } const typed[] = {{of::kDiscountPrompt, screen_id::DiscountLabel, of::kTypedDiscountText},
                       {of::kMcDiscountPrompt, screen_id::McDiscountLabel, of::kTypedMcDiscountText},
                       {of::kFloorPrompt, screen_id::FloorLabel, of::kTypedFloorText}};
    for (const Typed& t : typed) {
      if (context.shortAt(t.prompt) == 0) continue;
      PrintValueLine(writer, ScreenLabel(screen.window, t.labelId), AmountText(context.textAt(t.text), 7));
      printed = true;
    }
  }
  if (context.shortAt(of::kAccessorialPrompt) != 0) {
    PrintValueLine(writer, ScreenLabel(screen.window, screen_id::AccessorialLabel),
                   AmountText(context.textAt(of::kAccessorialTotal), 7));
    printed = true;
  }
  const char letter = context.charAt(of::kRateBaseLetter);
  if (letter == 'J' || (letter == 'C' && context.charAt(of::kSingleShipmentOnClassBases) == 'Y')) {
    const char answer = context.charAt(of::kSingleShipmentLetter);
    const char shown = session.language == Language::Spanish && answer == 'Y' ? 'S' : answer;
    PrintValueLine(writer, ScreenLabel(screen.window, screen_id::SingleShipmentLabel), std::string(1, shown));
    printed = true;
  }
  if (context.intAt(of::kIntrastatePrompt) != 0 && context.textAt(of::State(0)) == context.textAt(of::State(1))) {
    writer.selectFont(PrintFont::Bold);
    writer.printLine("     Intrastate: ", false);
    writer.selectFont(PrintFont::Regular);
    writer.printLine(std::string(1, context.charAt(of::kIntrastateLetter)));
    printed = true;
  }
  return printed;
}

void PrintColumnHeading(PrintWriter& writer) {
  const QivSession& session = writer.session();
  const RatingContext& context = *session.context;
  writer.selectFont(PrintFont::Bold);
  if (context.intAt(of::kSpanishMexicoOption) == 0) {
    writer.printLine(std::string(kClassColumn, ' ') + std::string(kColumnHeading));
    return;
  }
  const int unit = context.charAt(of::kWeightsInKilograms) == 'Y' ? screen_id::Kilograms : screen_id::Pounds;
  std::string line = BlankLine();
  PlaceAt(line, kClassColumn, session.text(screen_id::ClassHeading));
  PlaceEndingAt(line, kWeightEnd, session.text(screen_id::WeightHeading));
  PlaceAt(line, kOpeningColumn, "(" + session.text(unit) + ")");
  PlaceEndingAt(line, kRateEnd, session.text(screen_id::RateHeading));
  PlaceEndingAt(line, kChargeEnd, session.text(screen_id::ChargeHeading));
  writer.printLine(line);
}

// PrintTotals: the rows the result display keeps, as the file lays them
// out; on the printer a ruled row's value is underlined.
void PrintTotals(PrintWriter& writer, const ResultTables* tables) {
  writer.printBlankLine();
  if (tables == nullptr) return;
  const int count = std::clamp(tables->totalsCount, 0, kResultRows);
  for (int r = 0; r < count; ++r) {
    const TotalsRow& row = tables->totalsRows[static_cast<std::size_t>(r)];
    writer.selectFont(PrintFont::Bold);
    std::string line = BlankLine();
    std::string rules = BlankLine();
    const std::string_view label = TrimBlanks(FieldText(row.label));
    std::string_view value = TrimBlanks(FieldText(row.value));
    TotalsRule rule = row.rule;
    std::size_t valueEnd = kWeightEnd;
    switch (row.kind) {
      case TotalsRowKind::Plain:
        PlaceEndingAt(line, kMinimumSignColumn, label);
        PlaceEndingAt(line, kWeightEnd, value);
        PlaceEndingAt(rules, kWeightEnd, std::string(value.size(), '-'));
        break;
      case TotalsRowKind::IndentedAmount:
        PlaceEndingAt(line, kRateEnd, label);
        PlaceEndingAt(line, kChargeEnd, value);
        PlaceEndingAt(rules, kChargeEnd, std::string(value.size(), '-'));
        valueEnd = kChargeEnd;
        break;
      case TotalsRowKind::DeficitLine:
        PlaceEndingAt(line, kMinimumSignColumn, label);
        PlaceEndingAt(line, kWeightEnd, value);
        if (r + 1 < count) {
          const TotalsRow& second = tables->totalsRows[static_cast<std::size_t>(++r)];
          value = TrimBlanks(FieldText(second.value));
          PlaceEndingAt(line, kRateEnd, TrimBlanks(FieldText(second.label)));
          PlaceEndingAt(line, kChargeEnd, value);
          rule = second.rule;
          valueEnd = kChargeEnd;
        }
        break;
    }
    const int rulings = rule == TotalsRule::Single ? 1 : rule == TotalsRule::Double ? 2 : 0;
    if (!writer.printing()) {
      writer.printLine(line);
      for (int i = 0; i < rulings; ++i) writer.printLine(rules);
    } else if (rulings > 0) {
      // The value stands in its column, underlined.
      const std::size_t valueStart = valueEnd + 1 - std::min(valueEnd + 1, value.size());
      writer.printLine(std::string_view(line).substr(0, valueStart - std::min<std::size_t>(valueStart, 2)), false);
      writer.printUnderline(value, rulings);
    } else {
      writer.printLine(line);
    }
  }
}

}  // namespace

void PrintClassLine(PrintWriter& writer, int i) {
  const RatingContext& context = *writer.session().context;
  const auto line = static_cast<std::size_t>(i);
  std::string text = BlankLine();
  const std::string constant(TrimBlanks(context.textAt(of::kConstantClass)));
  if (context.shortAt(of::kConstantClassInUse) != 0 && !constant.empty()) {
    PlaceAt(text, kClassColumn, constant);
  } else {
    const std::string_view code = context.view().text(lines::ClassCode(line));
    PlaceAt(text, kClassColumn, platform::UntilNul(code.substr(0, code[2] != '\0' ? 3 : 2)));
  }
  if (context.charAt(lines::ClassFlag(line)) == '*') text[kMinimumSignColumn] = '*';
  PlaceEndingAt(text, kWeightEnd, TrimBlanks(context.textAt(lines::WeightText(line))));
  PlaceAt(text, kRateColumn, AmountText(context.textAt(lines::RateText(line)), 7));
  PlaceAt(text, kChargeColumn, AmountText(context.textAt(lines::ChargeText(line)), 9));
  writer.printLine(text);
}

bool PrintShipment(PrintWriter& writer, const ShipmentScreen& screen, platform::ui::WindowHandle owner) {
  QivSession& session = writer.session();
  RatingContext& context = *session.context;
  if (context.charAt(of::kPrintMode) == 'O') return false;
  if (LineWeight(context, 0) == 0) {
    context.setLastErrorCode(output_message::kNothingToPrint);
    ShowMessage(session, owner, MessageType::Warning);
    return false;
  }
  if (!writer.begin("Print Shipment", owner)) return false;
  if (context.shortAt(of::kShipmentIdPrompt) != 0) {
    writer.selectFont(PrintFont::Bold);
    writer.printLine(ScreenLabel(screen.window, screen_id::ShipmentIdLabel), false);
    writer.selectFont(PrintFont::Regular);
    writer.printLine(context.textAt(of::kShipmentId));
    writer.printSeparator();
  }
  SetShortCodeTails(context, ' ');
  PrintRouteEnd(writer, screen, 0);
  PrintRouteEnd(writer, screen, 1);
  PrintPostOfficeBoxes(writer);
  SetShortCodeTails(context, '0');
  writer.printSeparator();

  PrintProfileLine(writer, screen.window);
  writer.printTariffLine(0);
  if (context.intAt(of::kServiceGuideInUse) != 0) PrintServiceDays(writer);
  writer.printSeparator();
  if (PrintDiscounts(writer, screen)) writer.printSeparator();

  PrintColumnHeading(writer);
  writer.selectFont(PrintFont::Regular);
  for (int i = 0; i < static_cast<int>(lines::kLines); ++i)
    if (LineWeight(context, i) > 0) PrintClassLine(writer, i);
  PrintTotals(writer, screen.tables);
  writer.printSeparator();
  writer.end();
  return true;
}

}  // namespace qiv
