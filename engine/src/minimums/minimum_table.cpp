#include "minimums/minimum_table.h"

#include "engine_state/rating_engine.h"
#include "errors/engine_codes.h"
#include "errors/engine_error.h"
#include "rating/rating.h"

namespace vorn {

void ReadMinimumTable(RatingEngine& engine, std::span<std::uint8_t, kMinimumTableSize> entries) {
  if (const std::int16_t c = engine.files.open(engine, 'M'); c != 0) Raise(c);
  const platform::File* file = engine.files.file('M');
  if (file == nullptr || file->readAt(0, entries) != static_cast<std::ptrdiff_t>(kMinimumTableSize))
    Raise(code::kCantReadMinimums);
}

}  // namespace vorn
