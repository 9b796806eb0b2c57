// The package codes of the current package tariff, its .T file: 38-byte
// records read in file order, at most 31 of them (a last piece shorter than
// a record is no record). An entry is the record's bytes 0 to 3 (the kind
// digit and the code) and 5 to 34 (the detail); the rest is not read.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

namespace vorn {

class RatingEngine;

struct PackageCodeEntry {
  char kind = ' ';  // '1' packaging, '2' drop-off, '3' a service
  std::array<char, 3> code{};
  std::array<char, 30> detail{};  // a service's begins with the tiers it allows
  std::string_view codeView() const { return std::string_view(code.data(), code.size()); }
  // A service entry allows the tier when its detail's leading digits hold it.
  bool allowsTier(char tier) const;
};

inline constexpr std::size_t kPackageCodeRecordSize = 38;
inline constexpr std::size_t kMostPackageCodes = 31;

// The entries, reopening the .T file and closing it after: its open error
// (219), or 374 when it holds more records than room.
std::variant<std::vector<PackageCodeEntry>, std::int16_t> ReadPackageCodes(RatingEngine& engine, std::size_t room);

}  // namespace vorn
