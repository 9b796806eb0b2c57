// Failures inside the engine are integer codes. A step that cannot go on
// raises its code; the caller that owns the answer catches it and reports the
// code (every code in errors/engine_codes.h, their texts in
// errors/error_texts.h).
#pragma once

#include <cstdint>

#include "errors/engine_codes.h"

namespace vorn {

struct EngineError {
  std::int16_t code;
};

[[noreturn]] inline void Raise(std::int16_t code) { throw EngineError{code}; }

}  // namespace vorn
