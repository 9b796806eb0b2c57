// The state or province of a point code.
//
// With the state lookup through the engine (.SET byte 215 not 'N') and no
// ZIP-prefix table loaded (its entry 1 begins with NUL), the engine names
// the state. Otherwise a 6-character code ending in 'M' is Mexican ("MX");
// a code beginning with a digit takes the ZipStateTable entry of its first
// three characters read as a number (state and the two flag characters); a
// postal code the state of its .SCC range. "YY" is out of the carrier's
// scope (103); "XX", prefix 000 or no state are "not found" (LastErrorCode
// 0, so the program shows nothing).
#pragma once

#include <cstdint>
#include <string_view>

#include "ratekit/rating_context.h"

namespace ratekit {

// GetStateCode for a code (up to its first NUL, at most 7 characters): 1,
// or 0 with LastErrorCode 103 or 0. The state found is written (the
// ZipStateTable's entry whatever it holds, with its two flags); where none
// was found the outputs stay as they were. The outputs may be null.
int StateOfCode(RatingContextView& record, std::string_view code, char* state2, char* flag1, char* flag2);

// GetZipcIndex: the index of the .SCC record whose prefix range holds the
// 3-character prefix (byte comparisons), or -1.
int ProvinceIndex(const RatingContextView& record, std::string_view prefix);

}  // namespace ratekit
