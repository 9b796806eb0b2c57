// Runs an export's body on the calling thread's engine: a thread without
// one gets the export's "no engine" result, and no exception leaves the
// library (a failure inside is that result too).
#pragma once

#include "interface/engine_slots.h"

namespace vorn {

template <class R, class Body>
R WithEngine(R noEngine, Body&& body) {
  try {
    RatingEngine* engine = CurrentEngine();
    if (engine == nullptr) return noEngine;
    return body(*engine);
  } catch (...) {
    return noEngine;
  }
}

template <class Body>
void WithEngine(Body&& body) {
  try {
    if (RatingEngine* engine = CurrentEngine()) body(*engine);
  } catch (...) {}
}

}  // namespace vorn
