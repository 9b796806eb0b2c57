// The lane percentage tables of letter 'T' (formats/percent_tables.h): from
// tariff year 1998 the lane's ZIPs name a percentage record of .A through
// .Q and .J, whose record numbers become hits, those above 10000 subject to
// the lane's exception record in .X; before 1998 the exceptions file
// zeroes the hits it lists. A global list (letter 'G') on a tariff name
// beginning 'U' takes the percentage record's entries the same way.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "lanes/adjustment_file.h"
#include "rating/lane_adjustment_work.h"

namespace vorn {

struct PercentLane {
  std::string_view originZip;  // the 5-character ZIPs of the ends
  std::string_view destinationZip;
  int tariffYear = 0;  // century x 100 + year of the effective record
};

// The files' contents; nothing for a file that does not open.
struct PercentTableFiles {
  std::optional<std::string> bases;       // .Q
  std::optional<std::string> matrix;      // .J
  std::optional<std::string> exceptions;  // .X
};

// Adds the lane's percentage hits to the hit table (as values): 0, also
// when the lane has none; 273 without .Q, 274 without .J, 276 when the
// exception record is cut short, 235 for a 16th hit.
std::int16_t LoadPercentTables(const PercentTableFiles& files, const AdjustmentFile& adjustments,
                               const PercentLane& lane, AdjustmentHitTable& hits);

// For a global list on a tariff name beginning 'U': the lane's percentage
// record (of the list's record size, by its number) adds itself when its
// own entry number is not 0, then each of its eight listed record numbers
// above 10000 adds record number - 10000 under the lane's exception. 0, also
// when the lane has none; 273, 274, 276 as above; 234 past the list's 60.
std::int16_t LoadGlobalPercentTables(const PercentTableFiles& files, const AdjustmentFile& adjustments,
                                     const PercentLane& lane, GlobalAdjustmentList& list);

// Before 1998: every hit that .X lists for the lane (by its letter and
// value) gets value 0. Without .X or its "T1" header nothing changes.
std::int16_t FilterPercentExceptions(const std::optional<std::string>& exceptions, const PercentLane& lane,
                                     AdjustmentHitTable& hits);

}  // namespace vorn
