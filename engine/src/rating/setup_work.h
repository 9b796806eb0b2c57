// What the tariff set-up works out for the lane of one rating: the tariff
// slots in use, the two ends as the tariff directory sees them, and the
// candidate tariffs.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "common/date_key.h"
#include "formats/tdx.h"
#include "formats/tdz.h"

namespace vorn {

inline constexpr std::size_t kMaxTariffSlots = 50;
inline constexpr std::size_t kMaxTariffCandidates = 30;

// One end of the lane as the tariff directory sees it.
struct LanePoint {
  ZipRangeRecord zipRange;              // its TDZ.BIN record
  std::vector<std::int16_t> tariffRow;  // its TDT.BIN row: region, table, a code per slot
  std::array<char, 2> state{'*', '*'};  // abbreviation from TDA.SEQ
};

struct SetupWork {
  std::size_t slotCount = 0;                          // the data set's slots (the highest slot of TDS.SEQ)
  std::array<std::int16_t, kMaxTariffSlots> kinds{};  // 0: slot empty
  std::array<std::int16_t, kMaxTariffSlots> alternates{};
  std::size_t currentSlot = 0;
  char laneLetter = ' ';  // 'Y' bureau selection, 'N' named, ' ' either
  std::int8_t version = 0;
  DateKey versionDate;
  LanePoint origin;
  LanePoint destination;
  char direction = 'F';  // 'T' when the two points were exchanged
  bool intrastate = false;
  std::vector<std::size_t> candidates;  // effective-table positions
  std::vector<ExceptionRecord> exceptionGroup;
};

}  // namespace vorn
