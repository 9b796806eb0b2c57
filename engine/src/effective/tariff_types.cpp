#include "effective/tariff_types.h"

#include <array>

namespace vorn {
namespace {

constexpr std::array<TariffTypeRow, 23> kTypes{{
    {'0', 526, 0}, {'1', 25, 10}, {'2', 40, 11}, {'3', 526, 10}, {'4', 631, 0}, {'5', 257, 0},
    {'6', 593, 8}, {'7', 16, 0},  {'A', 40, 0},  {'B', 40, 0},   {'C', 40, 0},  {'D', 25, 0},
    {'E', 40, 0},  {'F', 52, 0},  {'G', 52, 0},  {'H', 43, 0},   {'I', 52, 0},  {'J', 52, 0},
    {'K', 52, 0},  {'L', 52, 0},  {'M', 52, 0},  {'N', 52, 0},   {'Y', 52, 0},
}};

}  // namespace

std::span<const TariffTypeRow> TariffTypeTable() { return kTypes; }

std::optional<TariffTypeRow> FindTariffType(char type) {
  for (const TariffTypeRow& row : kTypes)
    if (row.type == type) return row;
  return std::nullopt;
}

}  // namespace vorn
