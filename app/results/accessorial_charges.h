// The prices of the accessorials chosen for a shipment ('*' in an entry's
// selection byte), by each entry's calculation type, and their total.
#pragma once

#include "shell/rating_context_fields.h"

namespace qiv {

// What one entry of a type costs; base is the shipment's charge text (the
// base of the percentage types).
struct AccessorialPrices {
  char type;
  double quantity, rate, unitAmount, minimum, maximum, secondRate, thirdRate;
};
double AccessorialCharge(const AccessorialPrices& entry, double base);

// Prices every chosen entry, stores each charge in its entry and writes the
// total ("%6.2f") into the accessorial total text.
void ComputeAccessorialCharges(RatingContext& context);

// The sums of the positive charges of the chosen entries: the U.S. part
// and the Mexican part (entries marked 'm').
struct AccessorialParts {
  double us = 0, mexican = 0;
};
AccessorialParts SplitAccessorialCharges(const RatingContext& context);

}  // namespace qiv
