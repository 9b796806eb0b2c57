// The lane adjustments of the shipment being rated: which adjustments the
// lane's lookup found (the hits), the tariff parameters of the lookup
// files, and the value matrices the application works with.
#pragma once

#include <array>
#include <cstdint>

#include "rating/class_break_work.h"

namespace vorn {

// How a tariff's lane adjustments are looked up, from the lane-adjustment
// letter of its effective record.
enum class LaneAdjustmentType : std::uint16_t {
  kZoneText = 0,     // 'L'
  kPointPairs = 1,   // 'Y'
  kZipSlots = 2,     // 'C'
  kZonePercent = 3,  // 'T'
  kRangeLanes = 4,   // 'U'
  kZoneAmounts = 5,  // 'A'
  kGlobalList = 6,   // 'G'
  kNone = 65535,
};

LaneAdjustmentType LaneAdjustmentTypeOf(char letter);

// Up to 9 tokens of a parameter line: a 3-character adjustment number and
// a value (1 percentage, 0 amount, -1 end of the list).
struct AdjustmentParameterSet {
  struct Entry {
    std::array<char, 4> text{};  // 3 characters and a NUL
    std::int32_t value = 0;
  };
  static constexpr std::size_t kEntries = 9;
  std::int16_t count = 0;
  std::array<Entry, kEntries> entries{};
};

// The hits of the lane: an adjustment number (first table) or a letter and
// a value (second table), each with the byte offset of its .A record once
// found (0: look from the start of .A).
struct AdjustmentHitTable {
  static constexpr std::size_t kSlots = 15;
  struct NumberHit {
    std::array<char, 3> number{};
    std::uint32_t position = 0;
  };
  struct ValueHit {
    char letter = 0;
    std::uint16_t value = 0;
    std::uint32_t position = 0;
  };
  std::int16_t count = 0;
  std::array<NumberHit, kSlots> numbers{};
  std::array<ValueHit, kSlots> values{};
};

inline constexpr std::size_t kMaxLanePairs = 400;
// Lane pairs of 6 characters: an origin and a destination zone code, or an
// adjustment number and a 3-character suffix.
using LanePairList = std::array<std::array<char, 6>, kMaxLanePairs>;

// The adjustments of a global lane list (letter 'G'): .A records by their
// number, their three letters (the operations for minimums and rates, and
// one more) and their byte offset in .A.
struct GlobalAdjustmentList {
  static constexpr std::size_t kEntries = 60;
  struct Entry {
    std::array<char, 5> number{};
    std::array<char, 3> letters{};
    std::uint32_t offset = 0;
  };
  int count = 0;
  std::array<Entry, kEntries> entries{};
  std::size_t recordSize = 0;  // of the .A records, from the list's header
  bool sorted = false;         // the list's header asks for the entries by number
  // A combined tariff (type 'N') loads its lane adjustments twice in a pass:
  // the count of the first load's list, which the second load keeps.
  int remembered = 0;
};
// Element 0 for the whole shipment, then one per rate cell, row-major.
inline constexpr std::size_t kAdjustmentMatrixSize = 1 + kRatedClasses * kRatedBreaks;

// An end of the lane as the state check of adjustment numbers beginning '4'
// sees it.
struct LaneEnd {
  std::array<char, 5> zip{};
  std::array<char, 19> stateCity{};
};

struct LaneAdjustmentWork {
  LaneAdjustmentType type = LaneAdjustmentType::kNone;
  std::int16_t mode = 0;  // AdjustmentMode, from the type-4 and type-6 headers
  AdjustmentParameterSet current;
  AdjustmentParameterSet first;
  AdjustmentParameterSet second;
  char combineOperator = 0;    // LA_PCT; 0 when not set
  bool oneAdjustment = false;  // ONE_LA: every cell takes element 0
  AdjustmentHitTable hits;     // its count also counts the lane pairs
  LanePairList lanePairs{};
  GlobalAdjustmentList global;  // letter 'G'
  LaneEnd origin;
  LaneEnd destination;

  std::array<std::uint16_t, kAdjustmentMatrixSize> values{};    // AdjustmentValueMatrix
  std::array<std::uint16_t, kAdjustmentMatrixSize> combined{};  // CombinedAdjustmentMatrix
  std::int32_t percentFlag = 0;                                 // 1 percentage, 0 amount, -1 end
  std::uint16_t floorValue = 0;                                 // the shipment's floor value ('F' operator)
};

// Whether the core applies the class percentages of a percentage type
// ('G', 'I' to 'M') itself, after the lane adjustments: with a second
// parameter set or the global list. The fetch then leaves them out.
inline bool CoreAppliesClassPercentages(char ratedType, const LaneAdjustmentWork& lanes) {
  const bool percentageType = ratedType == 'G' || (ratedType >= 'I' && ratedType <= 'M');
  return percentageType && (lanes.second.count != 0 || lanes.type == LaneAdjustmentType::kGlobalList);
}

}  // namespace vorn
