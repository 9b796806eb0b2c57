// Each calling thread's slot and engine. A thread's first call into the
// library makes its slot with an empty engine (as a thread attach would);
// when the thread ends, its engine is deleted and its slot freed.
#pragma once

#include <cstdint>

#include "engine_state/rating_engine.h"

namespace vorn {

struct EngineThreadSlot {
  std::uint32_t unused = 0;
  RatingEngine* engine = nullptr;
  std::uint8_t serviceGuideInitialised = 0;
};

// The calling thread's slot, made with a new engine on the thread's first
// call; null when it cannot be made (the call then gets its "no engine"
// result).
EngineThreadSlot* AttachThread();

// The calling thread's engine, or null when it has none.
RatingEngine* CurrentEngine();

// Gives the calling thread a new engine when its slot has none. Null when
// no slot or engine can be made.
RatingEngine* EngineForInitialisation();

// Deletes the calling thread's engine and clears its slot's pointer.
void DeleteCurrentEngine();

}  // namespace vorn
