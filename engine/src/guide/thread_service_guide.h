// The service guide on each thread that calls the engine: the library's
// initialisation, at most once per thread (at its first call, after each
// successful engine initialisation and before each pass-through), and its
// terminate when an initialised thread ends. The thread's slot keeps what
// the initialisation answered, for later callers of the engine's own
// Lanebook_Initialize.
#pragma once

#include <array>
#include <cstdint>

#include "lanebook/engine_form.h"

namespace vorn {

struct ServiceGuideThread {
  bool initialised = false;
  std::array<char, lanebook::engine_form::kInitialiseRecordSize> record{};  // as the library answered it
};

// True when the guide is usable on the thread: it was initialised here
// before, or the library's initialisation (cleared status and record, the
// folder at byte 17) answers true now. A false answer turns the guide off
// for every thread; with the guide off the answer is false.
bool InitialiseServiceGuideForThread(ServiceGuideThread& thread);

// The library's terminate, when the thread was initialised and the guide is
// still usable.
void TerminateServiceGuideForThread(const ServiceGuideThread& thread);

}  // namespace vorn
