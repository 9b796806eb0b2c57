// The CityCandidates buffer a caller lends to Vorn_RateShipment2Ex: when a
// request's city (or tariff) is ambiguous, the engine lists the candidates
// there and ends the rating with a code that tells the caller to choose.
//   0  i32 capacity of the entry area in bytes (set by the caller)
//   4  i32 count of entries, or -1 when the capacity was too small
//   8  i16 list kind: 0 cities, 1 tariffs
//   10 6   key: the code whose cities are listed (5 characters), or blanks
//   16     entries: cities 20 bytes (19 characters and one more), tariffs 24
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/kernel/byte_record.h"

namespace vorn::candidates {

inline constexpr platform::FieldSpan kCapacity{0, 4};
inline constexpr platform::FieldSpan kCount{4, 4};
inline constexpr platform::FieldSpan kListKind{8, 2};
inline constexpr platform::FieldSpan kKey{10, 6};
inline constexpr std::size_t kHeadSize = 16;
static_assert(kKey.end() == kHeadSize);

inline constexpr std::int16_t kCityList = 0;
inline constexpr std::int16_t kTariffList = 1;
inline constexpr std::int32_t kNoRoom = -1;  // the count when the capacity was too small

inline constexpr std::size_t kCityEntrySize = 20;
inline constexpr std::size_t kTariffEntrySize = 24;
inline constexpr std::string_view kNoneOfTheAbove = "  None of the above";

}  // namespace vorn::candidates
