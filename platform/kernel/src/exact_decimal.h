// The decimal digits of a double's exact binary value rounded to a number of
// decimals, with exact halves rounded away from zero. Used by the fixed-width
// decimal formatting; independent of the C library's rounding.
#pragma once

#include <string>

namespace platform::detail {

// The digits of |value| x 10^decimals rounded to a whole number (halves away
// from zero), most significant first, without leading zeros ("0" for zero).
// value must be finite; decimals 0 or more.
std::string RoundedDecimalDigits(double value, int decimals);

}  // namespace platform::detail
