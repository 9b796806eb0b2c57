// The discounts of a lane: the BreakDiscounts floats (12630 floor, 12634
// MC discount, 12638 + 4i the discount of weight break i), the MC-discount
// and floor texts the screen shows (54700, 6 characters; 54756, 7) and the
// source letter (54795). Three sources, chosen by the current profile:
//   'P'  the discount typed on the rating screen (texts at 12674, 12680,
//        12686);
//   'C'  a band of the tariff's .DIS image, picked by the discount scheme
//        (image byte 88) from whether both points are served directly and
//        whether they lie in one state;
//   'Z'  the first ZipDiscountEntry of the profile that holds the lane.
// Only the breaks below the discount-entry count (242, held to 0..9) take a
// discount from the typed and class-band sources. Numbers in texts are read
// as atof reads them (blanks skipped, a sign, digits and a point).
#pragma once

#include <cstdint>
#include <string_view>

#include "ratekit/rating_context.h"

namespace ratekit {

// The discount-entry count held to 0..9.
std::size_t DiscountEntryCount(const RatingContextView& record);

// A number in a text, as atof reads it.
float TextValue(std::string_view text);

// ClearDiscList: the floor, the MC discount and the discounts of the
// breaks below the count zeroed, and both texts emptied.
void ClearDiscounts(RatingContextView& record);

// The band of the scheme for the lane (0..3).
std::size_t ClassBand(const RatingContextView& record);

// Each source as the profile switches call it.
void ApplyTypedDiscounts(RatingContextView& record);
void ApplyClassBandDiscounts(RatingContextView& record);
// True when an entry held the lane.
bool ApplyZipPairDiscounts(RatingContextView& record);

}  // namespace ratekit
