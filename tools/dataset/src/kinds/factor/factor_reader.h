// Reads the lines of a factor file the way the engine does, for the checks
// and the decoder: which lines form which item, with the item's fields, and
// what the builder refuses on the way.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "description/field_list.h"
#include "kinds/factor/factor_vocabulary.h"
#include "kinds/file_kind.h"

namespace dataset::factor {

// Lines of the file that one item writes.
struct LineGroup {
  std::string keyword;             // an item keyword of FactorWriter
  std::vector<std::size_t> lines;  // indexes of the lines, ascending
  FieldList fields;                // every field given
};

struct FactorReading {
  std::vector<LineGroup> groups;  // ordered by their first line
  KindProblems problems;
};

// The lines by the format; without one, only the parameter lines are told
// apart (and a file with data lines is refused).
FactorReading ReadFactorLines(std::span<const std::string_view> lines, std::optional<FactorFormat> format);

}  // namespace dataset::factor
