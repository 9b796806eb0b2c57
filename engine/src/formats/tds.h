// TDS.SEQ: which tariff kind serves each tariff slot for a pair of tariff
// codes. Lines "%2hd%3hd%3hd%3hd%3hd%2hd%2hd": slot number (1-based), tariff
// code A, tariff code B, tariff kind, alternate kind, first and last version
// (both inclusive). A line counts when at least its slot number reads.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "logs/binary_log.h"

namespace vorn {

struct SelectionEntry {
  std::int16_t slot = 0;
  std::int16_t codeA = 0;
  std::int16_t codeB = 0;
  std::int16_t kind = 0;
  std::int16_t alternateKind = 0;
  std::int16_t firstVersion = 0;
  std::int16_t lastVersion = 0;
};

class SelectionTable {
 public:
  static constexpr const char* kFileName = "TDS.SEQ";
  static constexpr std::size_t kCapacity = 300;  // lines beyond it are ignored
  static constexpr std::int16_t kMaxSlots = 50;

  // Loads TDS.SEQ from the folder: 0, or 102 when it cannot be opened.
  std::int16_t load(std::string_view folder, const BinaryDebugLog& log);
  void clear();

  const std::vector<SelectionEntry>& entries() const { return entries_; }
  // The highest slot number of the file, at most 50.
  std::int16_t slotCount() const { return slotCount_; }

 private:
  std::vector<SelectionEntry> entries_;
  std::int16_t slotCount_ = 0;
};

}  // namespace vorn
