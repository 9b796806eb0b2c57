// The checks of the shipment's two points (origin 0, destination 1) before
// a rating: whether a code can be a ZIP or postal code of this tariff, its
// state or province, whether the lane lies in the carrier's territory.
//
// A point's code is its 7-byte field (NUL-padded); no check reads past it.
#pragma once

#include <cstdint>
#include <string_view>

#include "ratekit/rating_context.h"

namespace ratekit {

// VerOrigZip (point 0, 101) and VerDestZip (point 1, 102): the code begins
// with a digit or a letter; one beginning with a letter has a third
// character that is neither blank nor NUL and is refused when postal codes
// are (.SET byte 207 'Y'); one beginning with a digit has digits in its
// first n characters, n the ZIP-mode digit (.SET byte 163: 3, 5 or 6; a
// mode above 7 asks for more digits than a code holds). Then the point's
// service letter (byte 41) and label: from the .ZPS search when it is
// loaded, and for a postal code from the .BSV search when that is loaded
// (found = direct), the later overwriting the earlier.
int VerifyPointCode(RatingContextView& record, std::size_t point);

// GetStateCode: see checks/state_codes.h.

// VerTerritory: a code not beginning with a digit makes the lane Canadian
// (CanadaFlag 1, in territory); a code whose sixth character is 'M'
// Mexican (MexicoFlag 1). Otherwise 103 when the origin's first flag is
// 'N' and both states are equal, or unless the origin's territory letter is
// one of F, B, X, Y and the destination's one of T, B, X, Y, not both X.
int VerifyTerritory(RatingContextView& record);

}  // namespace ratekit
