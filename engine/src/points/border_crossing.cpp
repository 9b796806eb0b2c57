#include "points/border_crossing.h"

#include <cstring>

#include "errors/engine_error.h"
#include "engine_state/rating_engine.h"

namespace vorn {

std::int16_t ReadBorderCrossing(RatingEngine& engine) {
  if (const std::int16_t c = engine.files.open(engine, 'N'); c != 0) return c;
  platform::File* file = engine.files.file('N');
  ParsedRequest& r = engine.work.request;
  const std::string_view mexican(r.mexicanOrigin ? r.originCode.data() : r.destinationCode.data(), 5);
  const std::string_view us(r.mexicanOrigin ? r.destinationCode.data() : r.originCode.data(), 5);
  std::int16_t result = code::kBorderCrossingNotFound;
  char record[37];
  for (std::int64_t at = 0; file->readAt(at, std::span(reinterpret_cast<std::uint8_t*>(record), 37)) == 37; at += 37) {
    const std::string_view rec(record, 37);
    if (rec.substr(0, 5) <= us && us <= rec.substr(6, 5) && rec.substr(12, 5) <= mexican && mexican <= rec.substr(18, 5)) {
      std::memcpy(r.usCrossingCode.data(), record + 24, 5);
      std::memcpy(r.mexicanCrossingCode.data(), record + 29, 6);
      result = 0;
      break;
    }
  }
  engine.files.close('N');
  return result;
}

}  // namespace vorn
