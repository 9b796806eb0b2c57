#include "formats/parameter_line.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/text_routines.h"
#include "platform/kernel/fixed_format.h"

namespace vorn {

std::optional<ParameterLine> ParseParmLine(std::string_view line, const ParameterTable& table) {
  while (line.size() >= 2 && line[0] == '*' && line[1] == ' ') line.remove_prefix(2);
  std::vector<std::string_view> tokens = SplitTokens(line, " =\t\r\n");
  if (tokens.size() < 2) return std::nullopt;
  const std::optional<std::size_t> index = table.find(tokens[0]);
  if (!index) return std::nullopt;
  tokens.erase(tokens.begin());
  return ParameterLine{*index, std::move(tokens)};
}

std::vector<BreakListEntry> ParseBreakList(const std::vector<std::string_view>& values) {
  std::vector<BreakListEntry> list;
  for (std::size_t i = 0; i < values.size() && list.size() < kMaxBreakListEntries; ++i) {
    BreakListEntry entry;
    std::memcpy(entry.label.data(), values[i].data(), std::min<std::size_t>(3, values[i].size()));
    const char mark = values[i].size() > 3 ? values[i][3] : ' ';
    entry.flag = mark == '*' ? 1 : mark == 'X' || mark == 'x' ? -1 : 0;
    list.push_back(entry);
  }
  return list;
}

void StoreParameterValue(ParameterTable& table, std::size_t index, std::string_view value) {
  switch (table.type(index)) {
    case 'B': table.setInteger(index, value.starts_with("YES") ? 1 : 0); break;
    case 'C': table.setChars(index, value.substr(0, 4)); break;
    case 'F': table.setFloat(index, std::strtof(std::string(value).c_str(), nullptr)); break;
    default: table.setInteger(index, platform::FieldToInteger(value)); break;
  }
}

}  // namespace vorn
