// The checks of a shipment line (0..7): its class against the ClassTable
// (through the current profile's class map when it is in use) and its
// weight against the WeightBreakTable. The table counts are held to the
// tables' 20 slots.
#pragma once

#include <cstdint>
#include <string_view>

#include "ratekit/rating_context.h"

namespace ratekit {

// VerClass: the line's class flag cleared; the first ClassTable entry equal
// to the class gives the line's class index (and, without a class map, its
// class text). With the map in use, the entry's map slot m (4 characters)
// names the class rated: m equal to the class keeps the index; otherwise
// the entry equal to m gives the index and the flag '*' (no such entry:
// 105). Slots 18 and 19 have no map entry and map to themselves. At each
// entry that does not match, "FAK" passes when fakAllowed is set. No match:
// 105. A line outside 0..7: 105.
int VerifyClass(RatingContextView& record, std::string_view cls, int line, int fakAllowed);

// VerWeight: the first break in use (label not "XXX") whose bounds hold
// the weight (the text read as atoi reads it) gives the line's break index
// and weight text (its first 7 characters). None, or a line outside 0..7:
// 106.
int VerifyWeight(RatingContextView& record, std::string_view weight, int line);

// ValidWeight: 1 when break i (0..19) is in use.
int BreakInUse(const RatingContextView& record, int i);

}  // namespace ratekit
