#include "rates/matrix_cell.h"

#include <array>
#include <string_view>

#include "effective/tariff_types.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "formats/packed_codes.h"
#include "rating/rating.h"

namespace vorn {

char MatrixLetter(const RatingEngine& engine, const Rating& rating) {
  const auto& r = rating.request;
  const bool reversed = std::string_view(r.destinationCode.data(), r.destinationCode.size()) <
                        std::string_view(r.originCode.data(), r.originCode.size());
  return engine.currentTariff.flag45 == 'Y' && reversed ? 'J' : 'I';
}

std::uint32_t MatrixCellValue(RatingEngine& engine, Rating& rating, std::int64_t index) {
  const char type = engine.currentTariff.ratedType();
  const std::optional<TariffTypeRow> row = FindTariffType(type);
  if (!row) Raise(code::kInvalidTariffType);
  const char letter = MatrixLetter(engine, rating);
  if (const std::int16_t c = engine.files.open(engine, letter); c != 0) Raise(c);
  const platform::File* file = engine.files.file(letter);
  if (file == nullptr) Raise(OpenErrorOf(letter));
  const std::optional<std::uint32_t> value =
      ReadMatrixCell(*file, CellWidthOf(row->matrixBits, engine.currentTariff.flag45), index);
  if (!value) Raise(code::kCombinationNotInTariff);
  return *value;
}

}  // namespace vorn
