// The parameter lines of a tariff's lane-adjustment files (the "*" lines of
// a text lane list, the parameter records of a range-lane list), read by the
// factor file's parameter-line parser: BRKS gives an adjustment parameter
// set, BRK2 the second set, LA_PCT the combining operator and ONE_LA the
// one-value switch of the pass. Other parameters are the factor file's and
// are left out here.
#pragma once

#include <string_view>

#include "rating/lane_adjustment_work.h"

namespace vorn {

enum class LaneParameterLine {
  kFirst,   // BRKS is the current set (and, when not empty, the first)
  kSecond,  // BRKS is the second set; the current set is kept
};

void ApplyLaneParameterLine(std::string_view line, LaneParameterLine which, LaneAdjustmentWork& work);

}  // namespace vorn
