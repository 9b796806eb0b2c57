#include "lookups/city_record.h"

namespace qiv {

std::string CityRecord::rowText() const {
  std::string row;
  row.reserve(city_record::kCode.width + city_record::kState.width + city_record::kCity.width + 2);
  row.append(code()).append(1, ' ').append(state()).append(1, ' ').append(city());
  return row;
}

}  // namespace qiv
