// A tariff's classes and weight breaks as its factor file lists them: at
// most 20 class codes of up to 5 characters (NUL-padded) and at most 20
// break weights in pounds, ascending.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorn {

inline constexpr std::size_t kMaxClasses = 20;
inline constexpr std::size_t kMaxBreaks = 20;

struct TariffClassesAndBreaks {
  std::array<std::array<char, 6>, kMaxClasses> classCodes{};
  std::int16_t classCount = 0;
  std::array<std::int32_t, kMaxBreaks> breakWeights{};
  std::int16_t breakCount = 0;
};

}  // namespace vorn
