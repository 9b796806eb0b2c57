// The auxiliary tables of a tariff that the rating methods consult:
// - .C origin-ZIP class-factor ranges, 11 bytes, at most 20 read:
//     0-2 packed first ZIP, 3-5 packed last ZIP, 6-10 class-factor data
//     (bytes 9-10 a 16-bit percentage for the rating core);
// - .Z ZIP-pair records, 40 bytes, sorted by their key fields:
//     0 direction 'F' or 'B', 1-3/4-6 packed first and last origin ZIP,
//     7-9/10-12 packed first and last destination ZIP, 13-18/19-24 first
//     and last rate key (6 characters), 25-39 minimum data for the core:
//     25 minimum layout digit, 26 item count digit, 27 amount flag ('*' its
//     own amounts, 'M' the .M file, 'R' the rate record), 28-39 four 24-bit
//     amounts;
// - .H rate-basis add-ons, 15 bytes, sorted by letter and ZIP fields:
//     0 rate-basis letter, 1-3 packed first origin ZIP, 4 the last two
//     digits of the origin range's end (packed; the range keeps the first
//     ZIP's 3-digit prefix), 5-7/8-10 packed first and last destination
//     ZIP, 11 sign '+' or '-', 12-14 amount, five packed digits.
#pragma once

#include <cstdint>

namespace vorn {

class RatingEngine;

// The first .C range (0-19) that holds the packed origin ZIP, else the
// first that holds the destination ZIP, else 65535; the .C file's open error
// (270) when it does not open. The ranges read stay in the engine's tables.
std::int32_t FindOriginRange(RatingEngine& engine);

// Finds the lane's .Z record (forward, else backward with the lower ZIP
// first) and keeps it in the engine's tables: 0, or -1 when there is none;
// 205 when the .Z file does not open.
std::int16_t ReadZipPair(RatingEngine& engine);

// The signed sum of the .H add-ons of the lane in both directions (raises
// 260 when the .H file does not open).
std::int32_t SumRateBasisAddons(RatingEngine& engine);

}  // namespace vorn
