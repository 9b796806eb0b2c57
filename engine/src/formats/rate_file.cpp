#include "formats/rate_file.h"

#include "platform/kernel/byte_record.h"

namespace vorn {

using rate_file::kIndexSize;

bool HasRateIndex(const platform::File& file) {
  const std::int64_t size = file.size().value_or(0);
  std::array<std::uint8_t, 3> mark{};
  return size >= static_cast<std::int64_t>(kIndexSize) &&
         file.readAt(size - static_cast<std::int64_t>(kIndexSize), mark) == static_cast<std::ptrdiff_t>(mark.size()) &&
         std::string_view(reinterpret_cast<const char*>(mark.data()), mark.size()) == rate_file::kIndexMark;
}

std::vector<RateIndexEntry> ReadRateIndex(const platform::File& file) {
  const std::int64_t size = file.size().value_or(0);
  platform::ByteRecord<kIndexSize> tail;
  std::vector<RateIndexEntry> index;
  if (HasRateIndex(file) && file.readAt(size - static_cast<std::int64_t>(kIndexSize), tail.bytes()) ==
                                static_cast<std::ptrdiff_t>(kIndexSize)) {
    for (std::size_t i = 1; i < rate_file::kIndexEntries; ++i) {
      const std::size_t at = rate_file::kIndexEntrySize * i;
      RateIndexEntry e;
      tail.text({at, 3}).copy(e.key.data(), 3);
      e.offset = tail.integerAt<std::uint32_t>(at + 3);
      index.push_back(e);
    }
  } else {
    index.push_back({{'0', '0', '0'}, 0});
    index.push_back({{'*', '*', '*'}, static_cast<std::uint32_t>(size)});
  }
  return index;
}

std::int64_t RateRecordsEnd(const platform::File& file) {
  const std::int64_t size = file.size().value_or(0);
  return HasRateIndex(file) ? size - static_cast<std::int64_t>(kIndexSize) : size;
}

}  // namespace vorn
