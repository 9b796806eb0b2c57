// Writing the answer of a rating into the record: the discounts, the header's
// answer fields and the detail lines.
#pragma once

#include <cstdint>

#include "vorn32/shipment_record.h"

namespace vorn {

class RatingEngine;
struct Rating;

// 0, or 145 when a value does not fit its field (nothing is then written).
std::int16_t FormatShipmentResult(RatingEngine& engine, Rating& rating, ShipmentRecord& record);

// What the steps chose for the request: the states and cities of both ends
// (the city choice may have replaced them) and, once the city choice ran on
// a code the tariff has cities for, 'B' at byte 7.
void WriteRequestChoices(const Rating& rating, ShipmentRecord& record);

// The result areas from byte 976 (rate table, classes, breaks, minimum-charge
// items) from the rating's work; byte 1910-1911 keep their values.
void CopyResultAreas(const Rating& rating, ShipmentRecord& record);

// The same areas cleared.
void ClearResultAreas(ShipmentRecord& record);

}  // namespace vorn
