// The searches over files of fixed-size records, read from the file at each
// probe (nothing kept from one rating to the next). At most 80 bytes of a
// record take part in a compare. One binary search serves them all: over
// the whole file (FileBinarySearch) or within bounds.
//
// Bounds: with BoundMode::Bytes, start and end are byte offsets (counted from
// the origin, where record 0 begins), turned into the records start / size
// to end / size - 1; with BoundMode::Records they are the first and the last
// record. Bounds beyond the file are clamped to its records.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "platform/kernel/file.h"

namespace vorn {

enum class BoundMode { Bytes, Records };

struct SearchBounds {
  BoundMode mode = BoundMode::Records;
  std::int64_t start = 0;
  std::int64_t end = 0;
  std::int64_t origin = 0;  // the byte where record 0 begins (after a file's header)
};

// compare(record) < 0 when the key sorts below the record, > 0 above, 0 for
// a match.
using RecordCompare = std::function<int(std::span<const std::uint8_t>)>;

// Binary search within the bounds; on a hit, the lowest matching record at
// or above the start bound, which must also begin with keyPrefix (the
// key's first 3 bytes; an empty prefix is not checked). Nothing otherwise.
std::optional<std::int64_t> FileRecordIndexSearch(std::span<const std::uint8_t> keyPrefix, const platform::File& file,
                                                  std::size_t recordSize, const RecordCompare& compare,
                                                  SearchBounds bounds);

// The group search of the light tables: the same binary search; on a hit,
// the index when the record equals the key over the bytes compared, else,
// walking back from the hit, the first record whose first 10 bytes equal the
// key's (its index), or that the key's first 10 bytes sort after (the index
// after it); reaching the start bound, its first 3 bytes decide between it
// and nothing. Nothing when the search misses.
std::optional<std::int64_t> FileRecordGroupSearch(std::span<const std::uint8_t> key, const platform::File& file,
                                                  std::size_t recordSize, const RecordCompare& compare,
                                                  SearchBounds bounds);

// The binary search over the whole file (records before firstRecord, a
// header, take no part): the index of the lowest match, or nothing.
std::optional<std::int64_t> FileBinarySearch(const platform::File& file, std::size_t recordSize,
                                             const RecordCompare& compare, std::int64_t firstRecord = 0);

// Reads record index into buffer (its size); false on a short read.
bool ReadFileRecord(const platform::File& file, std::int64_t index, std::span<std::uint8_t> buffer);

// Linear search from the start bound: the number of records passed before
// the first one that the key does not sort after (compare <= 0); nothing at
// the end bound or on a short read.
std::optional<std::int64_t> FileRecordSearch(const platform::File& file, std::size_t recordSize,
                                             const RecordCompare& compare, SearchBounds bounds);

}  // namespace vorn
