// Lookups on the work record that several rating steps share.
#pragma once

#include <string_view>

#include "rating/class_break_work.h"

namespace vorn {

// The break of a weight: 0 when the weight is not above the first break
// weight, else the last of the tariff's breaks whose weight is not above it;
// -1 when the tariff has no breaks.
int BreakIndex(const ClassBreakWork& work, std::int32_t weight);

// The row of a class: 0 when the first class code is "FAK", or when the
// tariff has one class and the text is "FAK"; else the position of the class
// code equal to the text; -1 when none is.
int ClassIndex(const ClassBreakWork& work, std::string_view classText);

}  // namespace vorn
