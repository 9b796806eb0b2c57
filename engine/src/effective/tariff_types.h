// The tariff types the engine rates, with the record length of each type's
// rate file (.R) and the cell width in bits of its origin/destination matrix
// (.I; 0 means 16-bit cells).
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace vorn {

struct TariffTypeRow {
  char type;
  std::uint16_t rateRecordBytes;
  std::uint8_t matrixBits;
};

std::span<const TariffTypeRow> TariffTypeTable();

// The row of a tariff type; nothing for a type the engine does not know
// (which the rating steps report as 202).
std::optional<TariffTypeRow> FindTariffType(char type);

}  // namespace vorn
