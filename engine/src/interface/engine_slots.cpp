#include "interface/engine_slots.h"

#include <new>

#include "interface/process_state.h"
#include "platform/kernel/thread_slot.h"

namespace vorn {
namespace {

void DetachThread(void* value) {
  auto* slot = static_cast<EngineThreadSlot*>(value);
  TerminateServiceGuideForThread(slot->serviceGuide);
  // The engine of an ended thread can never be reached again: its files,
  // tables and mutex handle go with it.
  delete slot->engine;
  delete slot;
}

// The slot key lives as long as the library; at unload the calling thread's
// slot goes with it, as at thread detach.
struct SlotKey {
  platform::ThreadSlotKey key{DetachThread};
  ~SlotKey() {
    if (void* value = key.get()) {
      key.set(nullptr);
      DetachThread(value);
    }
  }
};

SlotKey& Slots() {
  static SlotKey slots;
  return slots;
}

}  // namespace

EngineThreadSlot* AttachThread() {
  Process();
  platform::ThreadSlotKey& key = Slots().key;
  if (auto* slot = static_cast<EngineThreadSlot*>(key.get())) return slot;
  if (!key.isValid()) return nullptr;
  auto* slot = new (std::nothrow) EngineThreadSlot;
  if (slot == nullptr) return nullptr;
  try {
    slot->engine = new RatingEngine;
  } catch (...) {
    slot->engine = nullptr;  // the thread has a slot but no engine
  }
  if (!key.set(slot)) {
    delete slot->engine;
    delete slot;
    return nullptr;
  }
  InitialiseServiceGuideForThread(slot->serviceGuide);
  return slot;
}

RatingEngine* CurrentEngine() {
  EngineThreadSlot* slot = AttachThread();
  return slot != nullptr ? slot->engine : nullptr;
}

RatingEngine* EngineForInitialisation() {
  EngineThreadSlot* slot = AttachThread();
  if (slot == nullptr) return nullptr;
  if (slot->engine == nullptr) {
    try {
      slot->engine = new RatingEngine;
    } catch (...) {
      return nullptr;
    }
  }
  return slot->engine;
}

bool ServiceGuideForThread(bool* engineMissing) {
  const bool hasEngine = EngineForInitialisation() != nullptr;
  if (engineMissing != nullptr) *engineMissing = !hasEngine;
  return hasEngine && InitialiseServiceGuideForThread(AttachThread()->serviceGuide);
}

void DeleteCurrentEngine() {
  EngineThreadSlot* slot = AttachThread();
  if (slot == nullptr) return;
  delete slot->engine;
  slot->engine = nullptr;
}

}  // namespace vorn
