// The lane of a package request in the tariff's files: the point letters of
// its ends (the point-service file, as for a shipment that gives none) and
// the zone between them (the point files and the origin-destination matrix).
#pragma once

#include <cstdint>
#include <string_view>

namespace vorn {

class RatingEngine;
struct Rating;

struct PackageLane {
  char originLetter = ' ';
  char destinationLetter = ' ';
  std::int64_t zone = 0;  // the matrix cell: the service record's offset
};

// The lookups' errors are raised (206, 216, 217, 207, 218). The rating
// holds the lane's codes for them.
PackageLane FindPackageLane(RatingEngine& engine, Rating& rating, std::string_view origin,
                            std::string_view destination);

}  // namespace vorn
