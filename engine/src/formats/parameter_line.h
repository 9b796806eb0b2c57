// A parameter line of a tariff's text files (the factor file and the lane
// list): "* NAME = value ...". Leading "* " pairs are skipped; the rest is
// split at blanks, '=', tabs, CR and LF; the first token names a parameter of
// the ParameterTable, the others are its values. Unknown names and lines of
// fewer than two tokens are no parameter.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "formats/parameter_table.h"

namespace vorn {

struct ParameterLine {
  std::size_t index = 0;                 // the parameter's entry in the table
  std::vector<std::string_view> values;  // at least one
};

std::optional<ParameterLine> ParseParmLine(std::string_view line, const ParameterTable& table);

// A break list (BRKS, BRK2): each value a 3-character label and a flag from
// its fourth character: '*' 1, 'X' or 'x' -1, anything else 0. At most 9.
struct BreakListEntry {
  std::array<char, 4> label{};  // 3 characters and NUL
  std::int8_t flag = 0;
};
inline constexpr std::size_t kMaxBreakListEntries = 9;
std::vector<BreakListEntry> ParseBreakList(const std::vector<std::string_view>& values);

// Stores the first value by the entry's type letter: B 1 for "YES...", else
// 0; C the first 4 characters; F a float; I and L an integer.
void StoreParameterValue(ParameterTable& table, std::size_t index, std::string_view value);

}  // namespace vorn
