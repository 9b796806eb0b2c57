// The tariff's city file (letter E): for a ZIP or postal code, its cities,
// each with the code of its own rating point. Records are sorted by key and
// several share a key; a state "**" stands for every city of its key. Two
// record forms:
//   25 bytes: packed key 3, the city's packed ZIP 3, state and city 19
//   31 bytes: key 6, the city's code 6, state and city 19
#pragma once

#include <cstddef>

#include "platform/kernel/byte_record.h"

namespace vorn {

inline constexpr std::size_t kStateCitySize = 19;  // state 2, city 17

struct CityRecordLayout {
  bool packed;  // packed ZIP keys and codes, else 6-character ones
  std::size_t size;
  platform::FieldSpan key;
  platform::FieldSpan cityCode;
  platform::FieldSpan stateCity;
};
inline constexpr CityRecordLayout kPackedCityLayout{true, 25, {0, 3}, {3, 3}, {6, kStateCitySize}};
inline constexpr CityRecordLayout kCodeCityLayout{false, 31, {0, 6}, {6, 6}, {12, kStateCitySize}};
static_assert(kPackedCityLayout.stateCity.end() == kPackedCityLayout.size &&
              kPackedCityLayout.cityCode.offset == kPackedCityLayout.key.end());
static_assert(kCodeCityLayout.stateCity.end() == kCodeCityLayout.size &&
              kCodeCityLayout.cityCode.offset == kCodeCityLayout.key.end());

}  // namespace vorn
