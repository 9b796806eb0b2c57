// Failures inside the engine are integer codes. A step that cannot go on
// raises its code; the caller that owns the answer catches it and reports the
// code (texts in errors/error_texts.h).
#pragma once

#include <cstdint>

namespace vorn {

struct EngineError {
  std::int16_t code;
};

[[noreturn]] inline void Raise(std::int16_t code) { throw EngineError{code}; }

// The codes this part of the engine raises or returns, by meaning.
namespace code {
inline constexpr std::int16_t kSuccess = 0;
inline constexpr std::int16_t kCantOpenStateTable = 101;      // TDA.SEQ
inline constexpr std::int16_t kCantOpenSelectionTable = 102;  // TDS.SEQ
inline constexpr std::int16_t kStateTableNotAllocated = 120;
inline constexpr std::int16_t kMemoryError = 201;
inline constexpr std::int16_t kInvalidTariffType = 202;
inline constexpr std::int16_t kCantOpenEffectiveFile = 203;
inline constexpr std::int16_t kCantReadEffectiveFile = 209;
inline constexpr std::int16_t kTariffTooOld = 397;
inline constexpr std::int16_t kTariffTooNew = 398;
}  // namespace code

}  // namespace vorn
