// The auxiliary tables of a tariff that the rating methods consult (their
// records: formats/auxiliary_tables.h).
#pragma once

#include <cstdint>

namespace vorn {

class RatingEngine;
struct Rating;

// The first .C range (0-19) that holds the packed origin ZIP, else the
// first that holds the destination ZIP, else 65535; the .C file's open error
// (270) when it does not open. The ranges read stay in the engine's tables.
std::int32_t FindOriginRange(RatingEngine& engine, Rating& rating);

// Finds the lane's .Z record (forward, else backward with the lower ZIP
// first) and keeps it in the engine's tables: 0, or -1 when there is none;
// 205 when the .Z file does not open.
std::int16_t ReadZipPair(RatingEngine& engine, Rating& rating);

// The signed sum of the .H add-ons of the lane in both directions (raises
// 260 when the .H file does not open).
std::int32_t SumRateBasisAddons(RatingEngine& engine, Rating& rating);

}  // namespace vorn
