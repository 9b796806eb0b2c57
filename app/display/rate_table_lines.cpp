#include "display/rate_table_lines.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace qiv {

namespace rc = ratekit::context;
using platform::FieldSpan;

namespace {

constexpr std::size_t kMaximumEntries = 20;
constexpr std::size_t kBreakLabelWidth = 11;

int Bounded(std::int32_t count) { return std::clamp<std::int32_t>(count, 0, kMaximumEntries); }

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

FieldSpan RateTableOf(const RatingContext& context, RateTableChoice choice) {
  const FieldSpan us{rc::kUsRateTable.offset + 16, rc::kUsRateTable.width - 16};
  if (context.intAt(rc::kMexicoFlag) == 0 || choice == RateTableChoice::UsOnly) return us;
  return choice == RateTableChoice::MexicoOnly ? rc::kMexicoRateTable : rc::kCombinedRateTable;
}

int ClassCount(const RatingContext& context) { return Bounded(context.intAt(rc::kClassCount)); }
int BreakCount(const RatingContext& context) { return Bounded(context.intAt(rc::kBreakCount)); }

std::vector<std::string> BreakLabels(const RatingContext& context) {
  std::vector<std::string> labels;
  for (int b = 0; b < BreakCount(context); ++b)
    labels.push_back(context.textAt({rc::kBreakLabels.offset + kBreakLabelWidth * b, kBreakLabelWidth}));
  return labels;
}

std::optional<std::int32_t> RateCell(const RatingContext& context, FieldSpan table, int classIndex, int breakIndex) {
  const std::int64_t stride = context.intAt(rc::kRateTableStride);
  const std::int64_t cell = stride * classIndex + breakIndex;
  if (classIndex < 0 || breakIndex < 0 || cell < 0 || (cell + 1) * 4 > static_cast<std::int64_t>(table.width))
    return std::nullopt;
  return context.intAt({table.offset + static_cast<std::size_t>(cell) * 4, 4});
}

std::optional<std::int64_t> AlternationWeight(const RatingContext& context, FieldSpan table, int classIndex,
                                              int breakIndex) {
  const std::optional<std::int32_t> rate = RateCell(context, table, classIndex, breakIndex);
  const std::optional<std::int32_t> next = RateCell(context, table, classIndex, breakIndex + 1);
  if (!rate || !next) return std::nullopt;
  if (*rate <= 0) return 0;
  const std::int64_t lower =
      context.intAt({rc::kBreakLowerBounds.offset + 4 * static_cast<std::size_t>(breakIndex + 1), 4});
  return lower * *next / *rate;
}

std::vector<std::string> RateLines(const RatingContext& context, RateTableChoice choice, bool alternation) {
  const FieldSpan table = RateTableOf(context, choice);
  const int classes = ClassCount(context);
  const int breaks = BreakCount(context);
  std::vector<std::string> lines;
  for (int c = 0; c < classes; ++c) {
    std::string code = context.textAt(rc::ClassCode(static_cast<std::size_t>(c)));
    if (code.starts_with('X')) continue;
    if (classes == 1 && code.starts_with("FAK")) code = "FAK";
    std::string line = code;
    if (!alternation) {
      for (int b = 0; b < breaks; ++b) {
        const std::optional<std::int32_t> rate = RateCell(context, table, c, b);
        line += "\t" + (rate ? Format("%7.2f", *rate / 100.0) : std::string());
      }
    } else {
      for (int b = 0; b + 1 < breaks; ++b) {
        const std::optional<std::int64_t> weight = AlternationWeight(context, table, c, b);
        char text[32] = "";
        if (weight && *weight >= 0) std::snprintf(text, sizeof text, "%5" PRId64, *weight);
        line += std::string("\t") + text;
      }
    }
    lines.push_back(line);
  }
  return lines;
}

std::string DiscountLine(const RatingContext& context, const std::string& label, bool alternation) {
  const int breaks = std::min<int>(BreakCount(context), static_cast<int>(rc::kDiscountBreaks));
  std::string line = label + Format("%6.2f", context.floatAt(rc::BreakDiscount(0)));
  for (int b = 1; b < breaks - (alternation ? 1 : 0); ++b)
    line += Format("\t%7.2f", context.floatAt(rc::BreakDiscount(static_cast<std::size_t>(b))));
  return line;
}

std::pair<std::vector<std::string>, bool> ChargeListLines(const RatingContext& context, std::size_t list) {
  namespace cl = ratekit::charge_list;
  std::vector<std::string> lines;
  bool floor = false;
  const int count = std::clamp<std::int32_t>(context.intAt(cl::Count(list)), 0, cl::kEntries);
  for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
    const std::string flag = context.textAt(cl::Flag(list, i));
    floor = floor || flag.find('*') != std::string::npos;
    lines.push_back(context.textAt(cl::Label(list, i)) + Format("%7.2f", context.intAt(cl::Charge(list, i)) / 100.0) +
                    flag);
  }
  return {lines, floor};
}

}  // namespace qiv
