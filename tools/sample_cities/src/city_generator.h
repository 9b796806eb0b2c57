// The sample set's city files: made-up U.S., Canadian and Mexican cities
// from word lists of our own, drawn by a seeded generator so that every
// build writes the same files, merged with the fixed cities of the sample
// points and sorted by state and city as the lookups search them. Codes lie
// inside the ranges the sample tariffs rate (U.S. and Ontario) and, for
// Mexico, outside the ranges of the fixed Mexican cities, so that the city
// list of a fixed point stays as it is.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sample_cities {

enum class Country { Us, Canada, Mexico };

struct City {
  Country country = Country::Us;
  std::string code;   // 5 digits (U.S., Mexico) or a postal code or prefix
  std::string state;  // 2 letters
  std::string name;   // at most 28 characters
  std::string high;   // Mexico: the highest code of the city's range
};

struct Counts {
  std::size_t us = 5000;
  std::size_t canada = 1000;
  std::size_t mexico = 2000;
};

// Reads the fixed cities, one a line: "us|30303|GA|ATLANTA",
// "ca|K1A0B1|ON|OTTAWA", "mx|64000|NL|MONTERREY|64999"; '#' begins a
// comment line. Throws std::runtime_error on a malformed line.
std::vector<City> ReadFixedCities(std::string_view text);

// The fixed cities and the generated ones (counts in addition), each
// country sorted by state and city without regard to case.
std::vector<City> GenerateCities(const std::vector<City>& fixed, Counts counts, std::uint64_t seed);

// The data-set description of the level's three city-file blocks.
std::string Description(const std::vector<City>& cities, std::string_view level);

}  // namespace sample_cities
