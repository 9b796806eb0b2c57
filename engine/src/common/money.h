// The engine's rounding of money held as floating point (the rule lives in
// the platform layer, shared with the rating-function library).
#pragma once

#include "platform/kernel/money_rounding.h"

namespace vorn {

using platform::RoundMoney;

}  // namespace vorn
