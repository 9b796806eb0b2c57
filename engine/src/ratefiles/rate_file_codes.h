// The engine codes of the rate-file lookups and the tariff tables
// (common/engine_error.h has the others).
#pragma once

#include <cstdint>

namespace vorn::code {
inline constexpr std::int16_t kCantOpenZipPairs = 205;      // .Z
inline constexpr std::int16_t kCantOpenRateFile = 208;      // .R
inline constexpr std::int16_t kCantReadRateFile = 214;      // .R short read or key mismatch
inline constexpr std::int16_t kDestinationNotInTariff = 217;
inline constexpr std::int16_t kCantOpenLightBase = 221;     // .B
inline constexpr std::int16_t kCantOpenLightMatrix = 222;   // .K
inline constexpr std::int16_t kCantReadMinimums = 226;      // .M
inline constexpr std::int16_t kCantOpenRateBasisAddOns = 260;  // .H
inline constexpr std::int16_t kCantOpenClassFactors = 270;  // .C
inline constexpr std::int16_t kLightTableCodeBad = 272;
}  // namespace vorn::code
