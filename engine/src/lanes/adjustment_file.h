// The tariff's .A file of adjustment records: fixed-size records found by
// their key, reading forward from a remembered position or by a binary
// search over records sorted by a 3-byte key.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "platform/kernel/file.h"

namespace vorn {

struct FoundAdjustment {
  std::vector<std::uint8_t> bytes;  // the whole record
  std::uint32_t position = 0;       // byte offset of its start
};

class AdjustmentFile {
 public:
  explicit AdjustmentFile(platform::File& file) : file_(file) {}

  // The first record of recordSize bytes from byte offset start whose bytes
  // satisfy matches, reading record by record to the end of the file.
  std::optional<FoundAdjustment> findFrom(std::uint32_t start, std::size_t recordSize,
                                          const std::function<bool(std::span<const std::uint8_t>)>& matches) const;
  // The first record whose leading 3 bytes equal key, by a binary search
  // over the whole file (records sorted by those bytes).
  std::optional<FoundAdjustment> findSorted(std::span<const std::uint8_t, 3> key, std::size_t recordSize) const;
  // The record at index i (nothing past the end or on a short read).
  std::optional<FoundAdjustment> recordAt(std::uint64_t index, std::size_t recordSize) const;
  std::uint64_t recordCount(std::size_t recordSize) const;

 private:
  platform::File& file_;
};

}  // namespace vorn
