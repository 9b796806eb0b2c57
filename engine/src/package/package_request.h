// A PackageRequest as package rating reads it (vorn32/package_records.h):
// the codes with their defaults, the surcharge, the tier and the packages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// A package's weight as written (in ten-thousandths of a pound) and its
// whole pounds for rating (a fraction adds a pound).
struct PackageWeight {
  std::int64_t tenThousandths = 0;
  std::int64_t wholePounds = 0;
};

struct PackageRequestFields {
  std::string tariffName;           // 8 characters as sent
  std::string shipDate;             // 10 characters as sent
  std::string origin, destination;  // the first 5 characters of the ZIPs
  bool residential = false;
  std::string dropoff, packaging, service;  // blank codes take "DPS", "OUR", "GND"
  char surchargeType = ' ';
  std::int64_t surcharge = 0;  // digits only; anything else is no surcharge
  char tier = 'N';
  std::string packageCountText;  // the 2 characters as sent
};

inline constexpr std::string_view kDefaultDropoff = "DPS";
inline constexpr std::string_view kDefaultPackaging = "OUR";
inline constexpr std::string_view kDefaultService = "GND";

// The head of a request (52 bytes).
PackageRequestFields ReadPackageRequestHead(std::string_view head);

// The package count of "01" to "99" (blank-padded digits); nothing for
// anything else ("00", letters, a sign).
std::optional<int> ReadPackageCount(std::string_view text);

// A weight field: a decimal number of pounds filling the field but for
// blanks around it; nothing for a weight that is no number or 0.
std::optional<PackageWeight> ReadPackageWeight(std::string_view field);

// The total weight: the sum of the weights as written, rounded up to whole
// pounds the same way.
std::int64_t TotalWholePounds(const std::vector<PackageWeight>& weights);

}  // namespace vorn
