#include "points/border_crossing.h"

#include <cstring>

#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "formats/border_crossing.h"
#include "rating/rating.h"

namespace vorn {

std::int16_t ReadBorderCrossing(RatingEngine& engine, Rating& rating) {
  if (const std::int16_t c = engine.files.open(engine, 'N'); c != 0) return c;
  platform::File* file = engine.files.file('N');
  ParsedRequest& r = rating.request;
  const std::string_view mexican(r.mexicanOrigin ? r.originCode.data() : r.destinationCode.data(), 5);
  const std::string_view us(r.mexicanOrigin ? r.destinationCode.data() : r.originCode.data(), 5);
  std::int16_t result = code::kBorderCrossingNotFound;
  border_crossing::Record record;
  for (std::int64_t at = 0;
       file->readAt(at, record.bytes()) == static_cast<std::ptrdiff_t>(border_crossing::kRecordSize);
       at += border_crossing::kRecordSize) {
    if (border_crossing::Serves(record, us, mexican)) {
      std::memcpy(r.usCrossingCode.data(), record.chars() + border_crossing::kUsCrossing.offset,
                  border_crossing::kUsCrossing.width);
      std::memcpy(r.mexicanCrossingCode.data(), record.chars() + border_crossing::kMexicanCrossing.offset,
                  border_crossing::kMexicanCrossing.width);
      result = 0;
      break;
    }
  }
  engine.files.close('N');
  return result;
}

}  // namespace vorn
