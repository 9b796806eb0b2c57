// The rate of one class at one weight break, computed from the lane's rate
// record by the tariff type (type 'N' by its base type). e(i) is the rate
// record's entry i, P the class percentages, Q the factor rows of the
// tariff's factor file, and "x p" the factor rule (x x p + 5000) / 10000:
//   '0' '3' '4' '6'   e(1 + breakCount x c + b)
//   '1'               e(4) x Q[r][b] x P[r][c], r the position of the
//                     record's group number in the tariff's rate groups
//   'D'               e(4) x Q[b][0] x P[c][0]
//   '5'               classes 0-9 e(b + 1) x P[0][c]; from 10 e(b + 9c - 89)
//   '7'               e(1) x Q[band][b] x P[band][c], band by the distance
//   'A' 'B'           e(b' + 1) x P[c][b'] (type 'A' with point-file flag
//                     'M': e(1) x P[c][b'])
//   'C'               e(b + 1) with the kind factor and the percentage in
//                     the order the class code and tariff number ask
//   'E' 'H' / 'F'     e(b' + 1) / e(b' + 4); the core applies P
//   'G' 'I'-'M'       e(b' + 4) x P[c][b']
// b' is the nearest break at or left of b whose percentage is not 0.
#pragma once

#include <cstdint>
#include <span>

namespace vorn {

class RatingEngine;
struct Rating;

// The nearest index at or below b whose value is not 0 (0 when none is).
int NearestNonZeroLeft(std::span<const std::int32_t> row, int b);

// The distance band of type '7': 0 below 550, 1 to 800, 2 to 1500, else 3.
int TypeSevenBand(std::uint32_t distance);

// The rate of class row c at break b in cents per hundredweight; raises 202
// when the tariff type has no fetch.
std::int32_t FetchRateByTariffType(RatingEngine& engine, Rating& rating, int classRow, int breakIndex);

}  // namespace vorn
