// What a city lookup hands its caller: the dialog's end code and, after OK,
// the chosen point code (at most 128 bytes) and city (at most 50); both
// empty when OK is pressed without a choice.
#pragma once

#include <string>

#include "platform/ui/types.h"

namespace qiv {

struct CityLookupResult {
  static constexpr std::size_t kCodeRoom = 128;
  static constexpr std::size_t kCityRoom = 50;
  platform::ui::LResult end = 0;
  std::string code;
  std::string city;
};

}  // namespace qiv
