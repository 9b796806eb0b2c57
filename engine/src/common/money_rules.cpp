#include "common/money_rules.h"

#include <algorithm>
#include <limits>

#include "common/money.h"

namespace vorn {

std::int32_t ApplyFactor(std::int32_t amount, std::int32_t factor) {
  if (amount == 0) return 0;
  const std::int64_t result = (static_cast<std::int64_t>(amount) * factor + 5000) / 10000;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(result, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

std::int32_t FactorInHundredths(float factor) {
  const float scaled = factor * 10000.0f;
  return static_cast<std::int32_t>(std::clamp(RoundMoney(scaled, 0), -2147483648.0, 2147483647.0));
}

std::int64_t DiscountOf(std::int64_t amount, float percent) {
  const float product = static_cast<float>(amount) * percent;
  const double whole = RoundMoney(product, 0);
  return static_cast<std::int64_t>(RoundMoney(static_cast<float>(whole * 0.01), 0));
}

}  // namespace vorn
