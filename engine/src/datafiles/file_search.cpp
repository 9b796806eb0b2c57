#include "datafiles/file_search.h"

#include <algorithm>
#include <array>

namespace vorn {

bool ReadFileRecord(const platform::File& file, std::int64_t index, std::span<std::uint8_t> buffer) {
  const std::ptrdiff_t n = file.readAt(index * static_cast<std::int64_t>(buffer.size()), buffer);
  return n == static_cast<std::ptrdiff_t>(buffer.size());
}

std::optional<std::int64_t> SearchFileRecords(const platform::File& file, std::size_t recordSize,
                                              const std::function<int(std::span<const std::uint8_t>)>& compare,
                                              std::int64_t firstRecord) {
  if (recordSize == 0) return std::nullopt;
  const std::optional<std::int64_t> size = file.size();
  if (!size) return std::nullopt;
  const std::int64_t count = *size / static_cast<std::int64_t>(recordSize);
  if (count <= firstRecord) return std::nullopt;
  std::array<std::uint8_t, 80> buffer{};
  const std::size_t readSize = std::min<std::size_t>(recordSize, buffer.size());
  auto compareAt = [&](std::int64_t index) -> std::optional<int> {
    std::span<std::uint8_t> record(buffer.data(), readSize);
    if (file.readAt(index * static_cast<std::int64_t>(recordSize), record) != static_cast<std::ptrdiff_t>(readSize))
      return std::nullopt;
    return compare(record);
  };
  std::int64_t low = std::max<std::int64_t>(firstRecord, 0);
  std::int64_t high = count - 1;
  while (low <= high) {
    const std::int64_t probe = low + (high - low) / 2;
    const std::optional<int> c = compareAt(probe);
    if (!c) return std::nullopt;
    if (*c < 0) {
      high = probe - 1;
    } else if (*c > 0) {
      low = probe + 1;
    } else {
      std::int64_t lowest = probe;
      while (lowest > low) {
        const std::optional<int> previous = compareAt(lowest - 1);
        if (!previous || *previous != 0) break;
        --lowest;
      }
      return lowest;
    }
  }
  return std::nullopt;
}

}  // namespace vorn
