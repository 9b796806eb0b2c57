// The tariff in use: the fields of one EFCREC.TBL record that every rating
// step reads. Only the effective table changes it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "common/date_key.h"
#include "formats/efcrec.h"

namespace vorn {

struct CurrentTariff {
  char format = 0;
  std::uint16_t kind = 0;
  DateKey date;
  std::array<char, 2> sequence{};  // columns 12-13
  char tariffType = 0;
  char baseType = 0;
  char laneLetter = 0;
  std::array<char, 10> laneDigitsAndName{};  // columns 17-26
  float ratingVersion = 0;
  std::array<char, 12> suffixes{};  // columns 27-38
  char flag44 = 0;
  char flag45 = 0;
  char flag46 = 0;
  char country = 0;
  char letter = 0;  // 'S' for a name ending "2A"
  char substituteType = 0;
  std::array<char, 2> substituteSuffix{};
  char flag73 = 0;
  char flag68 = 0;

  std::string_view name() const { return std::string_view(laneDigitsAndName.data() + 2, 8); }
  // The type the tariff is rated as: a combined tariff (type 'N') is rated
  // as its base type.
  char ratedType() const { return tariffType == 'N' ? baseType : tariffType; }
  bool isEmpty() const { return kind == 0 && date.isZero() && name() == std::string_view("\0\0\0\0\0\0\0\0", 8); }

  friend bool operator==(const CurrentTariff&, const CurrentTariff&) = default;
};

// The current-tariff fields of a (normalised) record.
CurrentTariff CurrentTariffFromRecord(const efcrec::Record& record);

// Whether a tariff name marks a record that is never listed.
inline bool IsUnlistedName(std::string_view name8) { return name8.size() == 8 && name8.substr(6, 2) == "2A"; }

}  // namespace vorn
