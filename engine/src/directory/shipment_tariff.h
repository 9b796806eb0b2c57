// The tariff set-up: which tariff, and which dated version of it, governs a
// lane. It works out up to 50 tariff slots from the tariff directory,
// filters them, and makes one entry of the effective table current.
#pragma once

#include <cstdint>
#include <string_view>

namespace vorn {

class RatingEngine;
struct Rating;
struct EffectiveRecord;

// pass 1 for the shipment's first leg, 2 for the second set-up (a bureau
// tariff, or the Mexican leg). 0 or an engine code.
std::int16_t SetupShipmentTariff(RatingEngine& engine, Rating& rating, int pass);

// The name test of a named request: the entry's name begins with the
// requested name; for a request that gives only a 3-character prefix, the
// first 3 characters are equal.
bool PassesNameTest(const Rating& rating, const EffectiveRecord& entry);

}  // namespace vorn
