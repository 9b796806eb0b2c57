// The binary-log kinds that the rate-file lookups and the tariff tables
// write (logs/binary_log.h has the others).
#pragma once

#include <cstdint>

namespace vorn::binary_log {
inline constexpr std::uint32_t kRateRecordRead = 5;
inline constexpr std::uint32_t kOriginPointRecord = 7;
inline constexpr std::uint32_t kDestinationPointRecord = 8;
inline constexpr std::uint32_t kLetteredCodeTable = 18;
inline constexpr std::uint32_t kLightOriginBase = 19;
inline constexpr std::uint32_t kLightDestinationBase = 20;
inline constexpr std::uint32_t kLightMatrixRecord = 21;
}  // namespace vorn::binary_log
