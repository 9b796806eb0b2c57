// What the rate-file lookups leave for the tariff methods and the rating
// core while one shipment is rated: the two points of the lane, the matrix
// cell index and the rate record read.
#pragma once

#include <array>
#include <cstdint>

#include "formats/rate_record.h"

namespace vorn {

// A record of a point file: 14 bytes, or 16 with a second add-on.
//   0-4 low ZIP, 5-9 high ZIP (text; a postal prefix in its first 3
//   characters), 10 point number (i16), 12 add-on (i16), 14 second add-on
struct PointRecord {
  static constexpr std::size_t kShortSize = 14;
  static constexpr std::size_t kLongSize = 16;
  static constexpr platform::FieldSpan kLowZip{0, 5};
  static constexpr platform::FieldSpan kHighZip{5, 5};
  static constexpr std::size_t kNumber = 10;
  static constexpr std::size_t kAddOn = 12;
  static constexpr std::size_t kSecondAddOn = 14;
  static_assert(kHighZip.end() == kNumber && kSecondAddOn + 2 == kLongSize);

  platform::ByteRecord<kLongSize> bytes;  // a 14-byte record leaves bytes 14-15 zero
};

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
