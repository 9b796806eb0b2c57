#include "lanes/lane_parameters.h"

#include <algorithm>
#include <optional>

#include "formats/parameter_line.h"
#include "formats/parameter_table.h"

namespace vorn {
namespace {

AdjustmentParameterSet SetOf(const std::vector<BreakListEntry>& list) {
  AdjustmentParameterSet set;
  for (const BreakListEntry& entry : list) {
    AdjustmentParameterSet::Entry& e = set.entries[static_cast<std::size_t>(set.count++)];
    e.text = entry.label;
    e.value = entry.flag;
  }
  return set;
}

static_assert(AdjustmentParameterSet::kEntries == kMaxBreakListEntries);

}  // namespace

void ApplyLaneParameterLine(std::string_view line, LaneParameterLine which, LaneAdjustmentWork& work) {
  static const ParameterTable kNames;
  const std::optional<ParameterLine> parameter = ParseParmLine(line, kNames);
  if (!parameter) return;
  const std::string_view value = parameter->values.front();
  switch (parameter->index) {
    case ParameterTable::kBrks: {
      const AdjustmentParameterSet set = SetOf(ParseBreakList(parameter->values));
      if (which == LaneParameterLine::kSecond) {
        if (set.count > 0) work.second = set;
      } else {
        work.current = set;
        if (set.count > 0) work.first = set;
      }
      return;
    }
    case ParameterTable::kBrk2: work.second = SetOf(ParseBreakList(parameter->values)); return;
    case ParameterTable::kLaPct: work.combineOperator = value.front(); return;
    case ParameterTable::kOneLa: work.oneAdjustment = value.starts_with("YES"); return;
    default: return;
  }
}

}  // namespace vorn
