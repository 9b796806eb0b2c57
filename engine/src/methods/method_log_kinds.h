// The binary-log kinds the tariff methods write (logs/binary_log.h and
// rates/rate_log_kinds.h have the others).
#pragma once

#include <cstdint>

namespace vorn::binary_log {
inline constexpr std::uint32_t kMethodText = 2;        // a text of the method
inline constexpr std::uint32_t kMatrixValue = 9;       // 16 bits
inline constexpr std::uint32_t kRateBasisNumber = 10;  // 16 bits
inline constexpr std::uint32_t kCellIndex = 13;        // 32 bits
}  // namespace vorn::binary_log
