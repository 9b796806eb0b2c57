// The outcome of a package call in its record's Status: four blanks, or the
// code "%04d" (145 for one that does not fit); a code raised inside the call
// is its outcome too.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>

#include "errors/engine_error.h"
#include "platform/kernel/fixed_format.h"

namespace vorn {

template <class Body>
std::int16_t AnswerPackageCall(char* status, Body&& body) {
  std::memset(status, ' ', 4);
  std::int16_t failure;
  try {
    failure = body();
  } catch (const EngineError& e) {
    failure = e.code == 0 ? code::kPricingExceedsLimits : e.code;
  }
  if (failure != 0) {
    const std::span<char> field(status, 4);
    if (failure < 0 || !platform::FormatZeroPadded(field, failure))
      platform::FormatZeroPadded(field, code::kPricingExceedsLimits);
  }
  return failure;
}

}  // namespace vorn
