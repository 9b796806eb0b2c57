// The lane's record of the tariff's keyed minimum-charge file
// (formats/minimum_file.h), and the minimum layouts 1 to 10 that a rate
// record takes from it.
#pragma once

#include <cstdint>

#include "rating/rate_source.h"

namespace vorn {

class RatingEngine;
struct Rating;

struct MinimumFileHeader {
  std::size_t entryCount = 0;
  std::uint32_t groupCount = 0;
  char mode = ' ';  // 'A', 'B', or ' ' for none
};

// Reads the lane's record into the engine's minimum record area and closes
// the file. Raises the .M file's open error (225), and 226 when the header
// is short or counts no entries or more than the area holds, when no record
// is found or when the record is short.
MinimumFileHeader ReadMinimumRecord(RatingEngine& engine, Rating& rating);

// The minimums of layout 1 to 10 (entry 0 of the rate record):
//   1  '1' at 0, 200, 300, 400: entries 0-3, and the tariff's tier switch on
//   2  '1' 100, '0' 0, '1' 0, '0' 100: entries 0-3
//   3  '1' at 0 and 100: entries 0 and 1     4  '1' and '0' at 0: entries 0, 1
//   5  k := entry 0; item i < k a '1' at threshold entry i + 1 of amount
//      entry k + i + 1, item k + i a '0' at the same threshold of amount
//      entry 2k + i + 1; when every '0' amount equals its '1' amount only
//      the k '1' items are listed
//   6  the distance minimums (DistanceMinimums)
//   7-10 none
// Raises what ReadMinimumRecord raises.
LaneMinimums MinimumsFromMinimumFile(RatingEngine& engine, Rating& rating, int layout);

// Layout 6. g := the header's group count for modes 'A' and 'B', else 2;
// with base := the record's last entry, the rate record's entry 1 x becomes
//   mode 'A': x + (destination add-on x base + 5000) / 10000
//               + (origin add-on x base + 5000) / 10000
//   mode 'B': x + ((origin add-on + destination add-on) x base + 5000) / 10000
//   else:     x + origin add-on + destination add-on
// (its low 24 bits). The record's entries form g groups, the first
// (factor, floor, cap) at threshold 0, each later (threshold, factor, floor,
// cap), a later one at threshold 0 skipped; each gives a '1' item of
// (factor x x + 5000) / 10000, raised to the floor and, when the cap is not
// 0, lowered to it. The entries after the groups fill the class percentages
// row by row (class count rows of break count values).
LaneMinimums DistanceMinimums(RatingEngine& engine, Rating& rating, const MinimumFileHeader& header);

}  // namespace vorn
