// What the rate fetch keeps between ratings: the tariff whose weight-tier
// switch layout 1 of its minimum-charge file turned on, and the column of the
// distance-tier table.
#pragma once

#include <optional>

#include "effective/current_tariff.h"

namespace vorn {

struct FetchState {
  // The weight-tier switch belongs to a tariff: layout 1 of the .M file sets
  // it for the current tariff, and a tariff other than that one finds it off.
  std::optional<CurrentTariff> tierSwitchTariff;
  // The column of the distance-tier table, a digit character '1' to '4'.
  char distanceColumn = '1';

  bool tierSwitchOn(const CurrentTariff& current) const { return tierSwitchTariff && *tierSwitchTariff == current; }
};

}  // namespace vorn
