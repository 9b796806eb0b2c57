// One rating by the engine and what its return code asks for: the second
// try with the second candidates block when the engine wants a city chosen,
// the "VORN Warning" box, and the blanking of both points' states and
// cities when the engine refused the lane.
#pragma once

#include <cstdint>

#include "engine/engine_connection.h"
#include "ratekit/rating_context.h"

namespace ratekit {

// What came of the rating.
struct EngineAnswer {
  bool rated = false;        // the engine answered without a return code
  bool blankPoints = false;  // the points' states and cities are to be blanked
  std::int32_t failure = 0;  // LastErrorCode when not rated
  bool copyResults = true;   // the answer is to be copied into the record
};

// Rates the request on the open connection (SetClassesAndWeights after
// every engine call) and handles its return code.
EngineAnswer RateOnEngine(RatingContextView& record, EngineConnection& engine);

}  // namespace ratekit
