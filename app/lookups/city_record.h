// The 37-byte city record of the city files (.CTU U.S., .CTC Canadian,
// .CMX Mexican), sorted by state and city; no header, so a file holds
// size / 37 records and record i starts at byte 37 x i:
//   0  6  point code (ZIP, postal code, Mexican code)
//   6  2  state or province
//   8 28  city, blank-padded
//  36  1  not used
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/kernel/byte_record.h"

namespace qiv {

namespace city_record {
inline constexpr std::size_t kSize = 37;
inline constexpr platform::FieldSpan kCode{0, 6};
inline constexpr platform::FieldSpan kState{6, 2};
inline constexpr platform::FieldSpan kCity{8, 28};
inline constexpr platform::FieldSpan kSpare{36, 1};
static_assert(platform::FieldsAreContiguous(std::array{kCode, kState, kCity, kSpare}, kSize));
// The search key's part of a record: state and city.
inline constexpr platform::FieldSpan kStateAndCity{6, 30};
}  // namespace city_record

// One record as read from a file.
class CityRecord {
 public:
  using Bytes = std::array<char, city_record::kSize>;

  CityRecord() { bytes_.fill(' '); }
  explicit CityRecord(const Bytes& bytes) : bytes_(bytes) {}

  std::string_view field(platform::FieldSpan span) const {
    return std::string_view(bytes_.data() + span.offset, span.width);
  }
  std::string_view code() const { return field(city_record::kCode); }
  std::string_view state() const { return field(city_record::kState); }
  std::string_view city() const { return field(city_record::kCity); }
  const Bytes& bytes() const { return bytes_; }

  // The row a list shows: code, a blank, state, a blank, city.
  std::string rowText() const;

 private:
  Bytes bytes_;
};

}  // namespace qiv
