#include "formats/tda.h"

#include <algorithm>

#include "datafiles/table_file.h"
#include "errors/engine_error.h"
#include "platform/kernel/file.h"
#include "platform/kernel/fixed_format.h"

namespace vorn {

// Lines are read one by one (a CR before the LF is dropped, so a file with
// CR LF lines reads the same), and a line without a state number is skipped.
std::int16_t StateTable::load(std::string_view folder, const BinaryDebugLog& log) {
  entries_.clear();
  std::optional<std::vector<std::uint8_t>> content = OpenTableStream(folder, kFileName, log);
  if (!content) return code::kCantOpenStateTable;
  const std::string_view text(reinterpret_cast<const char*>(content->data()), content->size());
  for (std::string_view line : platform::SplitLines(text)) {
    platform::FieldScanner scanner(line);
    std::optional<std::int32_t> number = scanner.number(2);
    if (!number) continue;
    StateEntry entry;
    entry.number = static_cast<std::int16_t>(*number);
    std::string_view code = scanner.word(3).value_or("");
    entry.abbreviation = {code.size() > 0 ? code[0] : ' ', code.size() > 1 ? code[1] : ' '};
    entries_.push_back(entry);
  }
  // The lookup searches by number; a file out of order is put in order.
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const StateEntry& a, const StateEntry& b) { return a.number < b.number; });
  return code::kSuccess;
}

std::string StateTable::lookupStateCode(std::int16_t number) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), number,
                             [](const StateEntry& e, std::int16_t n) { return e.number < n; });
  if (it == entries_.end() || it->number != number) return "**";
  return std::string(it->abbreviation.data(), 2);
}

}  // namespace vorn
