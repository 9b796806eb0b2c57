// Rating versions: which version of the rating rules a tariff record needs.
// Records of the older format carry none; a built-in table names the
// publisher's tariffs whose version is fixed, and rules give the rest.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "formats/efcrec.h"

namespace vorn {

struct RatingVersionRow {
  std::string_view name;      // 8 characters
  std::string_view year;      // 4 digits
  std::string_view month;     // 2 digits
  std::string_view day;       // 2 digits
  std::string_view sequence;  // 2 characters
  char flag;                  // ' ', 'A' or 'B'
  std::string_view version;   // "d.d"
};

// The built-in rows, in the order they are matched.
std::span<const RatingVersionRow> RatingVersionTable();

// The three-letter tariff-name prefix that the older-format rules reserve.
inline constexpr std::string_view kReservedTariffPrefix = "ZZZ";

// Normalises a record in place: the rating version of its matching row, or
// for an older-format record the version its columns call for, written into
// columns 39-43 together with the other normalisations of the newer format.
// A newer-format record without a row keeps its own version.
void DetermineRatingVersion(efcrec::Record& record);

// The number of a version text "4.5" (405) or "4.18" (418): the digits before
// the point count hundreds and the digits after it are added. A text without
// a point has no number: 0.
int RatingVersionNumber(std::string_view text);

}  // namespace vorn
