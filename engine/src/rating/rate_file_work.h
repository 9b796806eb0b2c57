// What the rate-file lookups leave for the tariff methods and the rating
// core while one shipment is rated: the two points of the lane, the matrix
// cell index and the rate record read.
#pragma once

#include <array>
#include <cstdint>

#include "formats/point_file.h"
#include "formats/rate_record.h"

namespace vorn {

// One end of the lane as the tariff's point file or zone list gives it.
struct LanePointValues {
  std::int16_t number = 0;
  std::int16_t addOn = 0;
};

struct RateFileWork {
  PointRecord originRecord;
  PointRecord destinationRecord;
  LanePointValues origin;
  LanePointValues destination;
  std::int32_t matrixWidth = 0;  // from the destination point file's last 4 bytes
  RateRecord rateRecord;
  std::int64_t rateRecordIndex = -1;  // its record number in the rate file

  void clear() { *this = RateFileWork{}; }
};

}  // namespace vorn
