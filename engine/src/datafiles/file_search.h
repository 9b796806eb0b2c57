// The search over a sorted file of fixed-size records: a binary search that
// reads the probed record from the file at each step (nothing is cached),
// then steps back to the lowest record that matches.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "platform/kernel/file.h"

namespace vorn {

// compare(record) answers < 0 when the key sorts below the record, > 0 when
// above it, 0 for a match. The index of the lowest match, or nothing. At most
// 80 bytes of each record are read. Records before firstRecord (a header)
// take no part.
std::optional<std::int64_t> SearchFileRecords(const platform::File& file, std::size_t recordSize,
                                              const std::function<int(std::span<const std::uint8_t>)>& compare,
                                              std::int64_t firstRecord = 0);

// Reads record index into buffer (its size); false on a short read.
bool ReadFileRecord(const platform::File& file, std::int64_t index, std::span<std::uint8_t> buffer);

}  // namespace vorn
