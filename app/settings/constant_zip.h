// The check of a profile's constant origin or destination ZIP.
//
// A code beginning with a digit must have as many digits as the ZIP mode
// says; a number in its first three characters is then enough. A Canadian
// code must lie in a range of the tariff's ZIP-range table (compared on as
// many characters as it has); a prefix alone (up to 4 characters) only in a
// range that spans whole prefixes.
#pragma once

#include <string_view>
#include <vector>

#include "settings/zip_range_merge.h"

namespace qiv::settings {

enum class ConstantZipCheck {
  Valid,
  Invalid,         // message 112
  NotWholePrefix,  // message 107
};

// ranges: the ZIP-range table, null when none is loaded.
ConstantZipCheck CheckConstantZip(std::string_view text, char zipMode, const std::vector<CodeRange>* ranges);

}  // namespace qiv::settings
