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
inline constexpr std::int16_t kPricingExceedsLimits = 145;
inline constexpr std::int16_t kTariffFilesNotFound = 200;
inline constexpr std::int16_t kMemoryError = 201;
inline constexpr std::int16_t kInvalidTariffType = 202;
inline constexpr std::int16_t kCantOpenEffectiveFile = 203;
inline constexpr std::int16_t kCantReadEffectiveFile = 209;
inline constexpr std::int16_t kOriginNotInTariff = 216;
inline constexpr std::int16_t kCombinationNotInTariff = 218;
inline constexpr std::int16_t kBorderCrossingNotFound = 236;
inline constexpr std::int16_t kInvalidTariffThisCall = 370;
inline constexpr std::int16_t kBadDetailCount = 382;
inline constexpr std::int16_t kIntraMexico = 384;
inline constexpr std::int16_t kMexicanTariffNoMexicanZip = 385;
inline constexpr std::int16_t kMexicanTariffNotSelected = 386;
inline constexpr std::int16_t kTooManyMexicanMinimums = 387;
inline constexpr std::int16_t kInvalidTariff = 395;
inline constexpr std::int16_t kInvalidShipDate = 396;
inline constexpr std::int16_t kTariffTooOld = 397;
inline constexpr std::int16_t kTariffTooNew = 398;
inline constexpr std::int16_t kInvalidClassBase = 400;   // + line number
inline constexpr std::int16_t kInvalidWeightBase = 500;  // + line number
}  // namespace code

}  // namespace vorn
