// The charges of a package request from the tariff's rate records (steps
// 13 to 16 of package rating): a charge for each package from the service
// record of the lane's zone, a hundredweight charge for the whole shipment
// from the record after it, and the add-ons. Amounts are cents; a record's
// "rate at i" is its 24-bit entry i.
//
// The service record: entry 0 the base of the per-pound package rates, 1
// the residential add-on, 2 the drop-off add-on, 3 the delivery-area add-on
// (version 2: with residential delivery; 11 without), 5 the smallest total
// weight for a hundredweight charge, 7 the pounds per package of the
// hundredweight minimum, 8 the minimum hundredweight charge, 9 the offset
// of the minimum's rate, 10 the letter limit. The hundredweight record:
// entry 0 the base of its rates, one row per tier ('E': a rate per weight
// break; 'G': the row's minimum, then a rate per weight break), 1 (version
// 1) or 13 (version 2) the residential add-on, 2 the drop-off add-on, 4 the
// delivery-area add-on (version 2: with residential delivery; 12 without),
// 7 and 8 as in the service record.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "formats/rate_record.h"
#include "package/package_request.h"

namespace vorn {

struct PackageQuote {
  int kind = 1;             // the tariff's service kind, 1 or 2
  int version = 1;          // 1 or 2
  char serviceClass = 'G';  // the service's first letter, 'E' or 'G'
  std::string_view service, packaging, dropoff;
  bool residential = false;
  char surchargeType = ' ';
  std::int64_t surcharge = 0;
  char destinationLetter = ' ';  // the destination's point letter
  int tier = 1;                  // the tier the hundredweight rates are read at
  std::vector<PackageWeight> weights;
  std::int64_t totalWeight = 0;          // whole pounds
  std::span<const std::int32_t> breaks;  // the service class's weight breaks, ascending
};

struct PackageCharges {
  std::vector<std::int64_t> packages;  // one per package
  std::int64_t hundredweight = 0;
  bool hundredweightMade = false;
};

inline constexpr std::int64_t kLargestChargedPackage = 150;  // pounds; heavier packages have no package charge

// The charges, or the code that ends the rating: 373 for a letter above
// its limit, 375 when the total weight has no weight break.
// hundredweightRecord reads the record after the service record (raising
// its error); it is read only when a hundredweight charge is made.
std::variant<PackageCharges, std::int16_t> PricePackages(const PackageQuote& quote, const RateRecord& service,
                                                         const std::function<const RateRecord&()>& hundredweightRecord);

}  // namespace vorn
