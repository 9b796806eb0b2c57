// Marks the functions Ratekit32 exports (the version script keeps every
// other symbol local), and the answer of an export that succeeds or fails
// with a number.
#pragma once

#include <cstdint>
#include <optional>

#include "context/context_fields.h"

#define RATEKIT_EXPORT extern "C" __attribute__((visibility("default")))

namespace ratekit {

// 1 without a failure; 0 with its number in LastErrorCode (a number 0 is
// not stored: that failure has none).
inline int Answer(RatingContextView& record, const std::optional<std::int32_t>& failure) {
  if (!failure) return 1;
  if (*failure != 0) SetLastError(record, *failure);
  return 0;
}

}  // namespace ratekit
