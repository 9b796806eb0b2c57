// The tariff's rate file (letter R): rate records of the tariff type's
// length (formats/rate_record.h), record k at byte k x length, and, when the
// file's last 700 bytes begin "***", an index there: 100 entries of 7 bytes,
// a 3-character group key and the byte offset (u32) where its records
// begin. The first entry is the "***" mark itself; the records end where
// the index begins.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/kernel/file.h"

namespace vorn {

namespace rate_file {
inline constexpr std::size_t kIndexSize = 700;
inline constexpr std::size_t kIndexEntries = 100;
inline constexpr std::size_t kIndexEntrySize = 7;
inline constexpr std::string_view kIndexMark = "***";
static_assert(kIndexEntries * kIndexEntrySize == kIndexSize);
}  // namespace rate_file

struct RateIndexEntry {
  std::array<char, 3> key{};
  std::uint32_t offset = 0;
};

// Whether the file ends in an index.
bool HasRateIndex(const platform::File& file);

// The index's entries after the mark; a file without one is a single group:
// {"000", 0} and {"***", file size}.
std::vector<RateIndexEntry> ReadRateIndex(const platform::File& file);

// Where the records end: the start of the index, or the end of the file.
std::int64_t RateRecordsEnd(const platform::File& file);

}  // namespace vorn
