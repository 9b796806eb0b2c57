// The answered fields of a rated request, as a person reads them.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "sample_shipment.h"

namespace rate_tool {

// One line of a report: the label in 22 columns, then the value.
void Row(std::ostream& out, std::string_view label, std::string_view value);

// The answer's return code: 4 blanks when the shipment was rated.
std::string_view ReturnCode(const ShipmentBytes& answer);

// Writes the tariff used, its effective date, each line's rate and charge,
// the deficit weight and charge, the minimum charge, the discounts and the
// net charge.
void WriteAnswer(std::ostream& out, const ShipmentBytes& answer);

}  // namespace rate_tool
