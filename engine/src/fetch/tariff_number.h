// The tariff number of a rate record: its first three characters, the group
// code, which is also the number of the tariff whose tables rate it.
#pragma once

#include <cstdint>

namespace vorn {

class RateRecord;

// The number in the record's first three characters (leading blanks
// skipped, read up to the first character that is not a digit); 0 when
// there is none.
int RecordTariffNumber(const RateRecord& record);

}  // namespace vorn
