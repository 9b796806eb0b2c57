// Package rating: one PackageRequest rated into its PackageResult
// (vorn32/package_records.h) on the calling thread's engine, against the
// current package tariff's codes (.T), factor file sections (.F), point and
// matrix files and rate records (.R); no error leaves the call.
//
// The tariff's data, as the engine reads it:
// - its effective record's tariff letter (column 48) is 'P';
// - the factor file holds three digit-format sections: the services of the
//   shipment as classes (a service's position, counted from 1, gives its
//   records), then the 'E' and the 'G' services, each section's set numbers
//   the tiers and its breaks the weight breaks of the hundredweight rates;
// - rate record 0 holds the service kind, the largest package weight, the
//   default tier and the version; the service at position p owns the 14
//   records from 14 x p: for each of 7 zones (0, 2, ... 12, the matrix's
//   cells) its service record and, after it, its hundredweight record.
#pragma once

#include <cstdint>

namespace vorn {

class RatingEngine;

// Rates the request into the result (at least 17 + 7 bytes for each package
// the request counts); answers the code written into the result's Status
// (0: four blanks).
std::int16_t RatePackageRequest(RatingEngine& engine, const char* request, char* result);

// The count of packages a request names (1 to 99), 0 when it names none.
int PackageCountOf(const char* request);

}  // namespace vorn
