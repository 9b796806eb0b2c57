// The cities of a point, for the city list that resolves a Mexican point or
// a U.S. ZIP with several cities. The tariff base's files in the data
// directory:
//   .MXR  12-byte records: lowest key 5, a byte, highest key 5, a byte;
//   .CMX  and .CTU 37-byte CityRecords: code 6, state 2, city 28, a byte.
// A Mexican point takes the .MXR records whose range holds its first
// characters (compared on its length less one, at most 5), at most 50 of
// them; each names, by its own record number, the .CMX record to read, whose
// city counts when its code's first 4 characters are the range's lowest
// key's. A record number past the end of .CMX gives no city. A U.S. ZIP
// takes every .CTU record whose code begins with it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/kernel/byte_record.h"

namespace qiv {

namespace city_record {
inline constexpr std::size_t kSize = 37;
inline constexpr platform::FieldSpan kCode{0, 6};
inline constexpr platform::FieldSpan kState{6, 2};
inline constexpr platform::FieldSpan kCity{8, 28};
inline constexpr platform::FieldSpan kSpare{36, 1};
static_assert(platform::FieldsAreContiguous(std::array{kCode, kState, kCity, kSpare}, kSize));
}  // namespace city_record

namespace mexican_range_record {
inline constexpr std::size_t kSize = 12;
inline constexpr platform::FieldSpan kLowest{0, 5};
inline constexpr platform::FieldSpan kAfterLowest{5, 1};
inline constexpr platform::FieldSpan kHighest{6, 5};
inline constexpr platform::FieldSpan kAfterHighest{11, 1};
static_assert(platform::FieldsAreContiguous(std::array{kLowest, kAfterLowest, kHighest, kAfterHighest}, kSize));
inline constexpr std::size_t kMostRanges = 50;
}  // namespace mexican_range_record

// The cities (each 28 characters, trailing blanks dropped) of a Mexican
// point; `basePath` is the data directory and the tariff base name.
std::vector<std::string> MexicanPointCities(const std::string& basePath, std::string_view code);
// The cities of a U.S. ZIP.
std::vector<std::string> UsZipCities(const std::string& basePath, std::string_view zip);

}  // namespace qiv
