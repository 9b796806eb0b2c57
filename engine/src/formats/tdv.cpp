#include "formats/tdv.h"

#include "datafiles/table_file.h"
#include "errors/engine_error.h"
#include "platform/kernel/fixed_format.h"

namespace vorn {

std::int16_t VersionList::load(std::string_view folder, const BinaryDebugLog& log) {
  versions_.clear();
  std::optional<std::vector<std::uint8_t>> content = OpenTableStream(folder, kFileName, log);
  if (!content) return code::kCantOpenVersionList;
  const std::string_view text(reinterpret_cast<const char*>(content->data()), content->size());
  for (std::string_view line : platform::SplitLines(text)) {
    platform::FieldScanner scanner(line);
    std::int32_t fields[5];
    bool complete = true;
    for (std::int32_t& f : fields) {
      const std::optional<std::int32_t> v = scanner.number(2);
      if (!v) {
        complete = false;
        break;
      }
      f = *v;
    }
    if (!complete) continue;
    if (versions_.size() == kCapacity) return code::kCantReadVersionList;
    versions_.push_back({static_cast<std::int8_t>(fields[0]),
                         DateKey{static_cast<std::uint8_t>(fields[1]), static_cast<std::uint8_t>(fields[2]),
                                 static_cast<std::uint8_t>(fields[3]), static_cast<std::uint8_t>(fields[4])}});
  }
  return versions_.empty() ? code::kCantReadVersionList : code::kSuccess;
}

}  // namespace vorn
