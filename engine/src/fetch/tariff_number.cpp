#include "fetch/tariff_number.h"

#include <string_view>

#include "ratefiles/rate_record.h"

namespace vorn {

int RecordTariffNumber(const RateRecord& record) {
  std::string_view digits = record.field(RateRecord::kGroupCode);
  while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  int n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') break;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace vorn
