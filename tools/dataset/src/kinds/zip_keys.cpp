#include "kinds/zip_keys.h"

#include "codecs/packed_zip.h"

namespace dataset {

std::optional<SortKey> ReadZipKey(std::string_view record, std::size_t index, const RecordLayout& layout,
                                  std::string_view key, KindProblems& problems) {
  const std::string_view bytes = layout.columns(record, key);
  const PackedZip zip = PackedZipAt(bytes, 0);
  if (!UnpackZip(zip)) {
    problems.push_back(
        {index, layout.describe(key) + ": " + Shown(bytes) + " is not a packed ZIP code or postal prefix"});
    return std::nullopt;
  }
  return SortKey{zip[0], zip[1], zip[2]};
}

std::optional<ZipRange> ReadZipRange(std::string_view record, std::size_t index, const RecordLayout& layout,
                                     KindProblems& problems) {
  const std::optional<SortKey> low = ReadZipKey(record, index, layout, "low", problems);
  const std::optional<SortKey> high = ReadZipKey(record, index, layout, "high", problems);
  if (!low || !high) return std::nullopt;
  const PackedZip lowZip = PackedZipAt(layout.columns(record, "low"), 0),
                  highZip = PackedZipAt(layout.columns(record, "high"), 0);
  const std::string range = "the range " + *UnpackZip(lowZip) + "-" + *UnpackZip(highZip);
  if (!SameCodeFamily(lowZip, highZip)) {
    problems.push_back({index, range + " mixes a ZIP code and a postal prefix"});
    return std::nullopt;
  }
  if (*high < *low) {
    problems.push_back({index, range + " ends below its start"});
    return std::nullopt;
  }
  return ZipRange{*low, *high};
}

}  // namespace dataset
