// What the rate fetch keeps in the engine: the record area of the tariff's
// minimum-charge file (formats/minimum_file.h) and the tariff's weight-tier
// switch.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "effective/current_tariff.h"
#include "formats/minimum_file.h"

namespace vorn {

struct FetchWork {
  MinimumRecordArea minimumRecord;
  // The weight-tier switch belongs to a tariff: layout 1 of the .M file sets
  // it for the current tariff, and a tariff other than that one finds it off.
  std::optional<CurrentTariff> tierSwitchTariff;
  // The column of the distance-tier table, a digit character '1' to '4'.
  char distanceColumn = '1';

  bool tierSwitchOn(const CurrentTariff& current) const { return tierSwitchTariff && *tierSwitchTariff == current; }
};

}  // namespace vorn
