// Marks the functions a service-guide library exports (its version script
// keeps every other symbol local), and runs their bodies so that no
// exception leaves the library.
#pragma once

#include <cstdint>

#define LANEBOOK_EXPORT extern "C" __attribute__((visibility("default")))

namespace lanebook {

// body's answer, or failed when it throws.
template <class R, class Body>
R Guarded(R failed, Body&& body) {
  try {
    return body();
  } catch (...) {
    return failed;
  }
}

}  // namespace lanebook
