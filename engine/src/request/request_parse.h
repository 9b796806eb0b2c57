// Reading the request: the header fields, the detail lines and the two
// discount records of a ShipmentRecord into the work record. Each function
// answers 0 or the engine code of the first field it refuses.
#pragma once

#include <cstdint>
#include <span>

#include "rating/discounts.h"
#include "rating/parsed_request.h"
#include "vorn32/shipment_record.h"

namespace vorn {

// The header: codes, states and cities, the ship date (396), the tariff name
// (395), the intrastate and alphabetic-code flags, the step flags below and
// the Mexican check (384 when both points are Mexican). NULs in the header
// become blanks.
std::int16_t ParseRequestHeader(ShipmentRecord& record, ParsedRequest& request);

// The flags of the header that steps act on: the point letters the request
// gives (196, 197) and the rate-basis step ('+' at 161 and four digits).
void ParseStepFlags(const ShipmentRecord& record, ParsedRequest& request);

// The detail count and lines: a count above 20 is 382, a line not beginning
// "02" is 382, a weight of 0 or less is 500 + the line number.
std::int16_t ParseDetailLines(ShipmentRecord& record, ParsedRequest& request);

// The discount switch and kind and the direct and indirect blocks.
void ParseDiscountRecords(const ShipmentRecord& record, DiscountState& discounts);

// The number of breaks that have discount fields: the field before the first
// " 9999" among fields 1 to 9 of discount record 1, or 100 when none is.
int DiscountBreakCount(const ShipmentRecord& record);

// A code whose first character is not a letter and whose sixth (upper-cased)
// is 'M' is a Mexican point.
bool IsMexicanCode(std::span<const char, 6> code);

}  // namespace vorn
