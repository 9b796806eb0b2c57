#include "output/rate_block_printout.h"

#include <algorithm>
#include <optional>

#include "output/output_fields.h"
#include "output/print_columns.h"
#include "output/print_writer.h"
#include "output/printout_lines.h"
#include "platform/kernel/fixed_format.h"
#include "shell/qiv_session.h"

namespace qiv {

namespace of = output_fields;
namespace charges = ratekit::charge_list;
using platform::Align;
using platform::PaddedText;

namespace {

constexpr std::int32_t kRouteText = 78;
constexpr std::int32_t kClassDiscountsText = 4719;
constexpr std::int32_t kZipDiscountsText = 4715;
constexpr std::int32_t kRatesText = 4544;
constexpr std::int32_t kClassText = 4214;
constexpr std::int32_t kChargesText = 4550;

std::size_t Count(const RatingContext& context, platform::FieldSpan field, std::size_t most) {
  return static_cast<std::size_t>(std::clamp<std::int64_t>(context.intAt(field), 0, static_cast<std::int64_t>(most)));
}

void PrintRoute(PrintWriter& writer) {
  const QivSession& session = writer.session();
  const RatingContext& context = *session.context;
  const auto end = [&context](int e) {
    return PaddedText(context.textAt(of::Code(e)), 6, Align::Right, 6) + " (" +
           PaddedText(context.textAt(of::State(e)), 2, Align::Right, 2) + ")";
  };
  writer.selectFont(PrintFont::Large);
  writer.printLine(Centred(TrimBlanks(session.text(kRouteText) + " " + end(0) + " -> " + end(1))));
}

void PrintDiscountLines(PrintWriter& writer) {
  const QivSession& session = writer.session();
  const RatingContext& context = *session.context;
  writer.printSeparator();
  const char source = context.charAt(of::kDiscountSource);
  if (source != 'P') {
    PrintBreakDiscounts(writer, source == 'C'   ? session.text(kClassDiscountsText)
                                : source == 'Z' ? session.text(kZipDiscountsText)
                                                : std::string());
    return;
  }
  struct Typed {
    const char* label;
    platform::FieldSpan text;
  } const typed[] = {{"   Discount: ", of::kTypedDiscountText},
                     {"MC Discount: ", of::kTypedMcDiscountText},
                     {"      Floor: ", of::kTypedFloorText}};
  for (const Typed& t : typed) {
    writer.selectFont(PrintFont::Bold);
    writer.printLine(t.label, false);
    writer.selectFont(PrintFont::Regular);
    writer.printLine(context.textAt(t.text));
  }
}

// The charge lists the table shows, in order.
std::vector<std::size_t> ChargeListsOf(const RatingContext& context, int type) {
  if (context.intAt(of::kMexicoFlag) == 0) return {1, 0};
  if (type == 2) return {1, 0};
  if (type == 3) return {3, 2};
  return {5, 4};
}

void PrintCharges(PrintWriter& writer, int type) {
  const QivSession& session = writer.session();
  const RatingContext& context = *session.context;
  writer.printSeparator();
  writer.selectFont(PrintFont::Bold);
  writer.printLine(session.text(kChargesText));
  writer.selectFont(PrintFont::Regular);
  bool floorApplied = false;
  for (const std::size_t list : ChargeListsOf(context, type)) {
    for (std::size_t i = 0; i < Count(context, charges::Count(list), charges::kEntries); ++i) {
      const std::string sign = context.textAt(charges::Flag(list, i));
      const double amount = context.intAt(charges::Charge(list, i)) / 100.0;
      writer.printLine("  " + context.textAt(charges::Label(list, i)) + platform::DecimalText(amount, 7, 2) + sign);
      floorApplied = floorApplied || (!sign.empty() && sign[0] == '*');
    }
  }
  if (floorApplied) writer.printLine("  * MC Floor");
}

// The rate table of the type: U.S., Mexican or combined.
platform::FieldSpan RateTableOf(const RatingContext& context, int type) {
  if (context.intAt(of::kMexicoFlag) != 0 && type == 3) return of::kMexicoRates;
  if (context.intAt(of::kMexicoFlag) != 0 && type == 1) return of::kCombinedRates;
  return of::kUsRates;
}

// "%8.2f" of the rate of the class at the break, in dollars; blanks for a
// place outside the table.
std::string RateText(const RatingContext& context, platform::FieldSpan table, std::size_t row, std::size_t column) {
  const std::int64_t stride = context.intAt(of::kRateStride);
  const std::int64_t item = static_cast<std::int64_t>(row) * stride + static_cast<std::int64_t>(column);
  if (item < 0 || static_cast<std::size_t>(item) >= table.width / 4) return std::string(8, ' ');
  return platform::DecimalText(context.intAt({table.offset + 4 * static_cast<std::size_t>(item), 4}) / 100.0, 8, 2);
}

void PrintRates(PrintWriter& writer, int type) {
  const QivSession& session = writer.session();
  const RatingContext& context = *session.context;
  const std::size_t breaks = Count(context, of::kBreakCount, ratekit::context::kBreakSlots);
  const std::size_t classes = Count(context, of::kClassCount, ratekit::context::kClassSlots);
  writer.printSeparator();
  writer.selectFont(PrintFont::Bold);
  writer.printLine(session.text(kRatesText) + ": ");
  std::string labels;
  for (std::size_t b = 0; b < breaks; ++b)
    labels += PaddedText(context.textAt(ratekit::context::BreakLabel(b)), 8, Align::Right, 8);
  writer.printLine(session.text(kClassText), false);
  writer.printLine(labels);
  writer.selectFont(PrintFont::Regular);
  writer.printBlankLine();
  const platform::FieldSpan table = RateTableOf(context, type);
  for (std::size_t c = 0; c < classes; ++c) {
    const std::string code = context.textAt(ratekit::context::ClassCode(c));
    if (!code.empty() && code[0] == 'X') continue;
    writer.selectFont(PrintFont::Bold);
    writer.printLine(classes == 1 && TrimBlanks(code) == "FAK" ? "FAK  " : PaddedText(code, 4, Align::Left, 3), false);
    std::string rates;
    for (std::size_t b = 0; b < breaks; ++b) rates += RateText(context, table, c, b);
    writer.selectFont(PrintFont::Regular);
    writer.printLine(rates);
  }
}

}  // namespace

bool PrintRateBlock(PrintWriter& writer, int type, platform::ui::WindowHandle screen,
                    platform::ui::WindowHandle owner) {
  RatingContext& context = *writer.session().context;
  if (!writer.begin("Rate Block", owner)) return false;
  SetShortCodeTails(context, ' ');
  PrintRoute(writer);
  writer.printSeparator();
  SetShortCodeTails(context, '0');
  PrintProfileLine(writer, screen);
  writer.printTariffLine(type);
  if (context.charAt(of::kDiscountKind) == 'R') PrintDiscountLines(writer);
  PrintCharges(writer, type);
  PrintRates(writer, type);
  writer.printBlankLine();
  writer.end();
  return true;
}

}  // namespace qiv
