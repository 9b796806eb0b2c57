#include "output/printout_lines.h"

#include <algorithm>
#include <limits>

#include "output/output_fields.h"
#include "output/print_writer.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"
#include "screen/screen_ids.h"
#include "shell/qiv_session.h"

namespace qiv {

namespace of = output_fields;
using platform::Align;
using platform::PaddedText;

namespace {
constexpr std::size_t kLabelWidth = 16;
}  // namespace

std::string ScreenLabel(platform::ui::WindowHandle screen, int controlId) {
  if (screen == nullptr) return {};
  return platform::ui::WindowText(platform::ui::DialogItem(screen, controlId));
}

void PrintValueLine(PrintWriter& writer, std::string_view label, std::string_view value) {
  writer.selectFont(PrintFont::Bold);
  writer.printLine(PaddedText(label, kLabelWidth), false);
  writer.selectFont(PrintFont::Regular);
  writer.printLine(value);
}

void PrintProfileLine(PrintWriter& writer, platform::ui::WindowHandle screen) {
  PrintValueLine(writer, ScreenLabel(screen, screen_id::ProfileLabel),
                 writer.session().context->textAt(of::kProfileName));
}

void PrintBreakDiscounts(PrintWriter& writer, std::string_view title) {
  const RatingContext& context = *writer.session().context;
  const std::size_t breaks = static_cast<std::size_t>(
      std::clamp<std::int32_t>(context.intAt(of::kBreakCount), 0, ratekit::context::kDiscountBreaks));
  std::string heading = "  MC ";
  std::string values = platform::DecimalText(context.view().floatAt(of::DiscountFloat(1).offset), 5, 2);
  for (std::size_t i = 0; i < breaks; ++i) {
    heading += PaddedText(context.textAt(ratekit::context::BreakLabel(i)), 8, Align::Right, 8);
    values += platform::DecimalText(context.view().floatAt(of::DiscountFloat(i + 2).offset), 8, 2);
  }
  writer.selectFont(PrintFont::Bold);
  writer.printLine(std::string(title) + ":");
  writer.printLine(heading);
  writer.selectFont(PrintFont::Regular);
  writer.printLine(values);
}

void SetShortCodeTails(RatingContext& context, char c) {
  if (context.charAt(of::kThreeDigitZip) != 'Y') return;
  for (int end = 0; end < 2; ++end) {
    context.view().setChar(of::Code(end).offset + 3, c);
    context.view().setChar(of::Code(end).offset + 4, c);
  }
}

std::int64_t LineWeight(const RatingContext& context, int line) {
  return platform::LeadingInteger(context.textAt(ratekit::shipment_lines::WeightText(static_cast<std::size_t>(line))),
                                  std::numeric_limits<std::int32_t>::max())
      .value;
}

}  // namespace qiv
