// The statuses the service guide answers: four decimal digits in the
// engine's records, digits NUL-padded in the exchange block. They are the
// engine's codes (702, and 1001 done to 1105), each defined there once; only
// the application's terminal detail answers 1 for success.
#pragma once

#include "errors/engine_codes.h"

namespace lanebook {

namespace code = vorn::code;

namespace status {
inline constexpr int kTerminalFound = 1;
}  // namespace status

}  // namespace lanebook
