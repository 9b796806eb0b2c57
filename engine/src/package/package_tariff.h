// The package tariff of a request: the newest effective record of its name
// dated on or before the ship date, made the current tariff, and the
// tariff's first rate record.
#pragma once

#include <cstdint>
#include <string_view>

namespace vorn {

class RatingEngine;
struct Rating;

// Makes the tariff current: 396 for a date that is no date, 394 when no
// record of the name is dated on or before it, with packageTariff 370 for a
// tariff whose letter (EFCREC column 48) is not 'P'; the effective table's
// errors. The files of the tariff rated before are closed.
std::int16_t MakePackageTariffCurrent(RatingEngine& engine, std::string_view name8, std::string_view dateText,
                                      bool packageTariff);

// The tariff's first rate record: its service kind, the largest whole-pound
// weight of a package, the default tier and the version.
struct PackageTariffHeader {
  int kind = 1;
  std::int64_t largestWeight = 0;
  int defaultTier = 0;
  int version = 1;
};

// Reads it (202 for a tariff type not in the type table, the rate file's
// errors raised); 392 for a version above 2.
std::int16_t ReadPackageTariffHeader(RatingEngine& engine, Rating& rating, PackageTariffHeader& header);

// The rate-record length of the current tariff's type (202 raised).
std::size_t PackageRecordLength(const RatingEngine& engine);

}  // namespace vorn
