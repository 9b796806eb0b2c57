#include "datafiles/record_searches.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace vorn {
namespace {

constexpr std::size_t kCompareBytes = 80;

// The records [first, last] that the bounds name within the file; empty
// (first > last) when none.
struct RecordRange {
  std::int64_t first;
  std::int64_t last;
};

std::optional<RecordRange> RangeOf(const platform::File& file, std::size_t recordSize, SearchBounds bounds) {
  if (recordSize == 0) return std::nullopt;
  const std::optional<std::int64_t> size = file.size();
  if (!size) return std::nullopt;
  const std::int64_t rs = static_cast<std::int64_t>(recordSize);
  const std::int64_t count = std::max<std::int64_t>(*size - bounds.origin, 0) / rs;
  std::int64_t first = bounds.start, last = bounds.end;
  if (bounds.mode == BoundMode::Bytes) {
    first = bounds.start / rs;
    last = bounds.end / rs - 1;
  }
  first = std::max<std::int64_t>(first, 0);
  last = std::min<std::int64_t>(last, count - 1);
  return RecordRange{first, last};
}

class Prober {
 public:
  Prober(const platform::File& file, std::size_t recordSize, std::int64_t origin)
      : file_(file), recordSize_(recordSize), readSize_(std::min(recordSize, kCompareBytes)), origin_(origin) {}
  std::optional<int> compareAt(std::int64_t index, const RecordCompare& compare) {
    if (!read(index)) return std::nullopt;
    return compare(record());
  }
  bool read(std::int64_t index) {
    return file_.readAt(origin_ + index * static_cast<std::int64_t>(recordSize_),
                        std::span<std::uint8_t>(buffer_.data(), readSize_)) == static_cast<std::ptrdiff_t>(readSize_);
  }
  std::span<const std::uint8_t> record() const { return std::span<const std::uint8_t>(buffer_.data(), readSize_); }

 private:
  const platform::File& file_;
  std::size_t recordSize_;
  std::size_t readSize_;
  std::int64_t origin_;
  std::array<std::uint8_t, kCompareBytes> buffer_{};
};

}  // namespace

std::optional<std::int64_t> FileRecordIndexSearch(std::span<const std::uint8_t> keyPrefix, const platform::File& file,
                                                  std::size_t recordSize, const RecordCompare& compare,
                                                  SearchBounds bounds) {
  const std::optional<RecordRange> range = RangeOf(file, recordSize, bounds);
  if (!range || range->first > range->last) return std::nullopt;
  Prober probe(file, recordSize, bounds.origin);
  std::int64_t low = range->first, high = range->last;
  while (low <= high) {
    const std::int64_t mid = low + (high - low) / 2;
    const std::optional<int> c = probe.compareAt(mid, compare);
    if (!c) return std::nullopt;
    if (*c < 0) {
      high = mid - 1;
    } else if (*c > 0) {
      low = mid + 1;
    } else {
      std::int64_t lowest = mid;
      while (lowest > range->first) {
        const std::optional<int> before = probe.compareAt(lowest - 1, compare);
        if (!before || *before != 0) break;
        --lowest;
      }
      if (!keyPrefix.empty() && (!probe.read(lowest) || probe.record().size() < keyPrefix.size() ||
                                 std::memcmp(probe.record().data(), keyPrefix.data(), keyPrefix.size()) != 0))
        return std::nullopt;
      return lowest;
    }
  }
  return std::nullopt;
}

std::optional<std::int64_t> FileRecordGroupSearch(std::span<const std::uint8_t> key, const platform::File& file,
                                                  std::size_t recordSize, const RecordCompare& compare,
                                                  SearchBounds bounds) {
  const std::optional<std::int64_t> hit = FileRecordIndexSearch({}, file, recordSize, compare, bounds);
  const std::optional<RecordRange> range = RangeOf(file, recordSize, bounds);
  if (!hit || !range) return std::nullopt;
  Prober probe(file, recordSize, bounds.origin);
  if (!probe.read(*hit)) return std::nullopt;
  auto prefix = [&](std::size_t n) {
    n = std::min({n, key.size(), probe.record().size()});
    return std::memcmp(key.data(), probe.record().data(), n);
  };
  if (key.size() >= probe.record().size() && prefix(probe.record().size()) == 0) return hit;
  for (std::int64_t i = *hit; probe.read(i); --i) {
    const int c = prefix(10);
    if (c == 0) return i;
    if (c > 0) return i + 1;
    if (i <= range->first) return prefix(3) == 0 ? std::optional<std::int64_t>(i) : std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::int64_t> FileRecordSearch(const platform::File& file, std::size_t recordSize,
                                             const RecordCompare& compare, SearchBounds bounds) {
  const std::optional<RecordRange> range = RangeOf(file, recordSize, bounds);
  if (!range) return std::nullopt;
  Prober probe(file, recordSize, bounds.origin);
  for (std::int64_t i = range->first; i <= range->last; ++i) {
    const std::optional<int> c = probe.compareAt(i, compare);
    if (!c) return std::nullopt;
    if (*c <= 0) return i - range->first;
  }
  return std::nullopt;
}

std::optional<std::int64_t> FileBinarySearch(const platform::File& file, std::size_t recordSize,
                                             const RecordCompare& compare, std::int64_t firstRecord) {
  return FileRecordIndexSearch({}, file, recordSize, compare,
                               {BoundMode::Records, firstRecord, std::numeric_limits<std::int64_t>::max(), 0});
}

bool ReadFileRecord(const platform::File& file, std::int64_t index, std::span<std::uint8_t> buffer) {
  const std::ptrdiff_t n = file.readAt(index * static_cast<std::int64_t>(buffer.size()), buffer);
  return n == static_cast<std::ptrdiff_t>(buffer.size());
}

}  // namespace vorn
