#include "fetch/tariff_number.h"

#include <limits>
#include <string_view>

#include "formats/rate_record.h"
#include "platform/kernel/digits.h"

namespace vorn {

int RecordTariffNumber(const RateRecord& record) {
  std::string_view digits = record.field(RateRecord::kGroupCode);
  while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  return static_cast<int>(platform::LeadingDigits(digits, std::numeric_limits<int>::max()).value);
}

}  // namespace vorn
