#include "lanes/adjustment_file.h"

#include <algorithm>
#include <cstring>

namespace vorn {

std::uint64_t AdjustmentFile::recordCount(std::size_t recordSize) const {
  const std::optional<std::int64_t> size = file_.size();
  if (!size || *size <= 0 || recordSize == 0) return 0;
  return static_cast<std::uint64_t>(*size) / recordSize;
}

std::optional<FoundAdjustment> AdjustmentFile::recordAt(std::uint64_t index, std::size_t recordSize) const {
  if (recordSize == 0 || index >= recordCount(recordSize)) return std::nullopt;
  FoundAdjustment found{std::vector<std::uint8_t>(recordSize), static_cast<std::uint32_t>(index * recordSize)};
  if (file_.readAt(static_cast<std::int64_t>(index * recordSize), found.bytes) !=
      static_cast<std::ptrdiff_t>(recordSize))
    return std::nullopt;
  return found;
}

std::optional<FoundAdjustment> AdjustmentFile::findFrom(
    std::uint32_t start, std::size_t recordSize,
    const std::function<bool(std::span<const std::uint8_t>)>& matches) const {
  if (recordSize == 0) return std::nullopt;
  std::vector<std::uint8_t> record(recordSize);
  for (std::int64_t at = start;; at += static_cast<std::int64_t>(recordSize)) {
    if (file_.readAt(at, record) != static_cast<std::ptrdiff_t>(recordSize)) return std::nullopt;
    if (matches(record)) return FoundAdjustment{record, static_cast<std::uint32_t>(at)};
  }
}

std::optional<FoundAdjustment> AdjustmentFile::findSorted(std::span<const std::uint8_t, 3> key,
                                                          std::size_t recordSize) const {
  std::uint64_t low = 0;
  std::uint64_t high = recordCount(recordSize);
  std::optional<FoundAdjustment> best;
  // The lowest record whose key is not below the key.
  while (low < high) {
    const std::uint64_t mid = low + (high - low) / 2;
    std::optional<FoundAdjustment> probe = recordAt(mid, recordSize);
    if (!probe) return std::nullopt;
    const int order = std::memcmp(probe->bytes.data(), key.data(), key.size());
    if (order < 0) {
      low = mid + 1;
    } else {
      if (order == 0) best = std::move(probe);
      high = mid;
    }
  }
  return best;
}

}  // namespace vorn
