// The money rules of the rating core: factors in hundredths of a percent
// applied to whole cents with a 64-bit intermediate, and percentage
// discounts computed in floating point and rounded with the money bias.
#pragma once

#include <cstdint>

namespace vorn {

inline constexpr std::int32_t kUnchangedFactor = 10000;

// (amount x factor + 5000) / 10000, truncated; a zero amount stays zero. A
// result beyond 32 bits is held at the nearest 32-bit limit.
std::int32_t ApplyFactor(std::int32_t amount, std::int32_t factor);

// A floating-point factor (1.0 unchanged) as hundredths of a percent:
// RoundMoney(factor x 10000, 0), truncated.
std::int32_t FactorInHundredths(float factor);

// The discount of percent % on an amount in whole cents:
// RoundMoney(RoundMoney(amount x percent, 0) x 0.01, 0), each product held
// as a float.
std::int64_t DiscountOf(std::int64_t amount, float percent);

}  // namespace vorn
