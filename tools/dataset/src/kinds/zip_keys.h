// The checks of packed ZIP keys (codecs/packed_zip.h) that several kinds
// share: a key that unpacks, and a range of two keys of one kind of code.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "kinds/record_tools.h"
#include "layout/record_layout.h"

namespace dataset {

// The key of the layout's field as the searches compare it (its three bytes,
// unsigned), or nothing after reporting a key that no code packs to.
std::optional<SortKey> ReadZipKey(std::string_view record, std::size_t index, const RecordLayout& layout,
                                  std::string_view key, KindProblems& problems);

// The range of the fields "low" and "high", or nothing after reporting a key
// that does not unpack, a range that mixes ZIP codes and postal prefixes,
// or one that ends below its start.
struct ZipRange {
  SortKey low, high;
};
std::optional<ZipRange> ReadZipRange(std::string_view record, std::size_t index, const RecordLayout& layout,
                                     KindProblems& problems);

}  // namespace dataset
