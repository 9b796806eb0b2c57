// TDA.SEQ: the states and provinces by number. One line per state,
// "%2hd%3s": a two-digit state number and a code whose first two characters
// are the state or province abbreviation; lines are held in file order,
// which is the order of the state numbers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "logs/binary_log.h"

namespace vorn {

struct StateEntry {
  std::int16_t number = 0;
  std::array<char, 2> abbreviation{};
};

class StateTable {
 public:
  static constexpr const char* kFileName = "TDA.SEQ";

  // Loads TDA.SEQ from the folder: 0, or 101 when it cannot be opened.
  std::int16_t load(std::string_view folder, const BinaryDebugLog& log);
  void clear() { entries_.clear(); }

  // The abbreviation of a state number, or "**" when the table has none.
  std::string lookupStateCode(std::int16_t number) const;
  const std::vector<StateEntry>& entries() const { return entries_; }

 private:
  std::vector<StateEntry> entries_;
};

}  // namespace vorn
