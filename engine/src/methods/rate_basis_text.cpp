#include <algorithm>
#include <cstdio>

#include "engine_state/rating_engine.h"
#include "methods/tariff_methods.h"
#include "platform/kernel/fixed_format.h"
#include "rating/rating.h"

namespace vorn {

std::string RateBasisTextOf(const RateRecord& record) {
  std::string text;
  for (char c : record.head().substr(3, 7))
    if (c != ' ' && c != '\0') text.push_back(c);
  return text;
}

std::string NumberedRateBasisText(const RatingEngine& engine, const RateRecord& record) {
  const std::string_view group = record.field(RateRecord::kGroupCode);
  const int number = static_cast<int>(platform::FieldToInteger(group));
  const TariffFactors& f = engine.factors;
  const int count = std::max<int>(0, std::min<int>(f.setCount, static_cast<int>(f.setNumbers.size())));
  int position = count + 1;
  for (int i = 0; i < count; ++i)
    if (f.setNumbers[static_cast<std::size_t>(i)] == number) {
      position = i + 1;
      break;
    }
  char digit[12];
  std::snprintf(digit, sizeof digit, "%1d", position);
  return std::string(digit) + std::string(record.field(RateRecord::kFourDigitNumber));
}

}  // namespace vorn
