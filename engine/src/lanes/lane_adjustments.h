// The lane adjustments of a rating pass over the current tariff's .L and .A
// files: the lookup that leaves the lane's hits in the work record, their
// application to the pass's rate table and minimum charges, and the closing
// of the files at the end of the pass.
#pragma once

#include <cstdint>

#include "lanes/adjustment_lists.h"

namespace vorn {

class RatingEngine;
struct Rating;

// Sets the lookup type from the tariff's lane-adjustment letter and finds
// the lane's hits: 0, or 230 (.L does not open) or 231 (.A does not open).
// A tariff without lane adjustments opens nothing.
std::int16_t LoadLaneAdjustments(RatingEngine& engine, Rating& rating);

// Applies the hits to the rate table and the first 4 minimum charges of the
// pass: 0 after applying, 1 when there was nothing to apply.
int ApplyPassLaneAdjustments(RatingEngine& engine, Rating& rating);

// Applies the hits once more with the second parameter set in place of the
// current one, when there is a second set whose first number is not "999".
void ApplySecondLaneAdjustments(RatingEngine& engine, Rating& rating);

// The global list of a letter-'G' tariff applied to the minimum charges or
// to the rate table (the core's adjustment lists): 0, or 145 when an amount
// would leave 32 bits.
std::int16_t ApplyGlobalList(RatingEngine& engine, Rating& rating, ListColumn column);

void CloseLaneAdjustmentFiles(RatingEngine& engine);

}  // namespace vorn
