// Each calling thread's slot and engine. A thread's first call into the
// library makes its slot with an empty engine and initialises the service
// guide for it (as a thread attach would); when the thread ends, the guide
// is terminated for it, its engine deleted and its slot freed.
#pragma once

#include <cstdint>

#include "engine_state/rating_engine.h"
#include "guide/thread_service_guide.h"

namespace vorn {

struct EngineThreadSlot {
  std::uint32_t unused = 0;
  RatingEngine* engine = nullptr;
  ServiceGuideThread serviceGuide;
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

// The service guide made usable on the calling thread (its slot and an
// engine made when missing): false when the guide is off or no engine can
// be made (engineMissing then says which).
bool ServiceGuideForThread(bool* engineMissing = nullptr);

// Deletes the calling thread's engine and clears its slot's pointer.
void DeleteCurrentEngine();

}  // namespace vorn
