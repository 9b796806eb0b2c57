// The bridge to the service-guide library: six of its functions bound by
// name from the module the program loaded (token at byte 48398), and the
// service, days and terminals of the current lane asked of it. Every export
// does nothing and answers 1 while the RatingContext says the guide is not
// in use.
//
// The guide's calling convention for Ratekit32 is settled with the
// service-guide library itself; until one exists the bridge never opens a
// guide, and answers as a closed one: InitializeJYdll 0 (no number),
// GetService 0 with 533, GetTerminals 1 with 533 and the terminal details
// cleared, EndJYdll 1.
#pragma once

#include <cstdint>

#include "ratekit/rating_context.h"

namespace ratekit {

// GetJYAddresses: 0 when all six names are bound, else the number of the
// first missing one (525 for the first two, then 526..529).
std::int32_t BindServiceGuide(RatingContextView& record);

int OpenServiceGuide(RatingContextView& record);
int AskServiceOfLane(RatingContextView& record);
int AskTerminals(RatingContextView& record);
int CloseServiceGuide(RatingContextView& record);

}  // namespace ratekit
