#include "formats/tds.h"

#include <algorithm>

#include "datafiles/table_file.h"
#include "errors/engine_error.h"
#include "platform/kernel/file.h"
#include "platform/kernel/fixed_format.h"

namespace vorn {

void SelectionTable::clear() {
  entries_.clear();
  slotCount_ = 0;
}

std::int16_t SelectionTable::load(std::string_view folder, const BinaryDebugLog& log) {
  clear();
  std::optional<std::vector<std::uint8_t>> content = OpenTableStream(folder, kFileName, log);
  if (!content) return code::kCantOpenSelectionTable;
  const std::string_view text(reinterpret_cast<const char*>(content->data()), content->size());
  for (std::string_view line : platform::SplitLines(text)) {
    if (entries_.size() == kCapacity) break;
    platform::FieldScanner scanner(line);
    std::optional<std::int32_t> slot = scanner.number(2);
    if (!slot) continue;
    SelectionEntry e;
    e.slot = static_cast<std::int16_t>(*slot);
    std::int16_t* rest[] = {&e.codeA, &e.codeB, &e.kind, &e.alternateKind, &e.firstVersion, &e.lastVersion};
    const std::size_t widths[] = {3, 3, 3, 3, 2, 2};
    for (std::size_t i = 0; i < 6; ++i) {
      std::optional<std::int32_t> v = scanner.number(widths[i]);
      if (!v) break;  // fields that do not read stay 0
      *rest[i] = static_cast<std::int16_t>(*v);
    }
    entries_.push_back(e);
    slotCount_ = std::max(slotCount_, std::min<std::int16_t>(e.slot, kMaxSlots));
  }
  return code::kSuccess;
}

}  // namespace vorn
