// One record of EFCREC.TBL as the effective table holds it in memory.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "common/date_key.h"

namespace vorn {

struct EffectiveRecord {
  std::uint16_t fileIndex = 0;  // the record's position in the file
  std::uint16_t kind = 0;
  DateKey date;
  std::array<char, 8> name{};
  char flag45 = 0;
  char country = 0;  // column 47
  char letter = 0;   // column 48, 'S' for a name ending "2A"
  char tariffType = 0;

  std::string_view nameView() const { return std::string_view(name.data(), name.size()); }
  friend bool operator==(const EffectiveRecord&, const EffectiveRecord&) = default;
};

}  // namespace vorn
