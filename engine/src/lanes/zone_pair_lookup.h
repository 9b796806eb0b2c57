// The lookup of lane adjustments by zone-code pairs in the text lane list
// (letters 'L', 'A' and 'T', formats/lane_list.h): the ZIP ranges give each
// end's zone codes, every origin code with every destination code makes a
// pair, and the pair records of the lane's pairs are its hits.
#pragma once

#include <cstdint>
#include <string_view>

#include "rating/lane_adjustment_work.h"

namespace vorn {

struct ZonePairLane {
  std::string_view originKey;  // the 5-character ZIP keys of the ends
  std::string_view destinationKey;
  char tariffType = ' ';     // 'I' and 'K' keep values (with the number of one up to 999), others numbers
  char rateKind = ' ';       // the kind letter of the lane's rate record ('K')
  bool sortByValue = false;  // letter 'T': the hits by value
  // A forced adjustment number: an end without zone codes does not end the
  // lookup, which goes on through the pair part (its parameter lines, its
  // checks) with no pairs to match. The number itself adds no hit here.
  bool numberForced = false;
};

// Reads the parameter lines into the work's sets and LA_PCT and ONE_LA,
// then the hits. 0, also when an end has no zone codes (no hits); 232 when
// the list is no text lane list (a range-part line over 80 characters, no
// "*" line ending the range part, a trailer pointing outside the file or
// away from a "*" line, a first pair record that is not 11 bytes); 235 for a
// 15th hit.
std::int16_t LoadZonePairAdjustments(std::string_view laneList, const ZonePairLane& lane, LaneAdjustmentWork& work);

}  // namespace vorn
