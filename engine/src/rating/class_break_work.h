// The class-and-break part of the per-shipment work area: the tariff's
// classes and weight breaks, the rate of every class at every break, the
// minimum charges, and what pricing the lines found.
#pragma once

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

#include "formats/tariff_classes.h"
#include "platform/kernel/byte_record.h"

namespace vorn {

inline constexpr std::size_t kRatedClasses = 19;  // classes the rate table holds
inline constexpr std::size_t kRatedBreaks = 9;    // breaks the rate table holds

// 175 signed 32-bit items: item 0 the minimum charge applied, items 1-3 zero,
// the rate of class c at break b at item 4 + breakCount x c + b.
struct BreakRateTable {
  static constexpr std::size_t kItems = 175;
  static constexpr std::int32_t kNotFetched = 9999999;
  std::array<std::int32_t, kItems> items{};
  // Items a rate discount took whole: their 0 is a rate, not a missing one.
  std::bitset<kItems> discountedInFull;

  void fillNotFetched() {
    items.fill(kNotFetched);
    discountedInFull.reset();
  }
  // The 700-byte little-endian image.
  platform::ByteRecord<kItems * 4> image() const;
};

// 276 bytes: 30 kind flags ('1' minimum charge, '0' single-shipment charge,
// ' ' unused), 2 bytes, 30 weight thresholds, 30 amounts in cents, the
// minimum layout number and the item count.
struct MinimumChargeList {
  static constexpr std::size_t kItems = 30;
  static constexpr std::size_t kImageSize = 276;
  std::array<char, kItems> kinds{};
  std::array<std::int32_t, kItems> thresholds{};
  std::array<std::int32_t, kItems> amounts{};
  std::int16_t layout = 0;
  std::int16_t count = 0;

  platform::ByteRecord<kImageSize> image() const;
};

struct DeficitResult {
  std::int32_t rate = 0;    // cents per hundredweight
  std::int32_t weight = 0;  // pounds
  std::int32_t charge = 0;  // cents
  std::array<char, 4> classCode{};
  std::int16_t chosenBreak = 0;
  char present = 'N';
};

// The tariff's classes and breaks (from its factor file) and what the core
// works out from them.
struct ClassBreakWork : TariffClassesAndBreaks {
  BreakRateTable rateTable;
  MinimumChargeList minimums;
  DeficitResult deficit;
  std::int16_t breakUsed = 0;
  float ratingCorePercent = 0;  // the discount percentage the core left
};

// The breaks and classes the rate table holds for a tariff: at most 9 breaks
// and 19 classes of its lists.
inline int RatedBreakCount(const ClassBreakWork& core) {
  return core.breakCount < 0 ? 0 : std::min<int>(core.breakCount, static_cast<int>(kRatedBreaks));
}
inline int RatedClassCount(const ClassBreakWork& core) {
  return core.classCount < 0 ? 0 : std::min<int>(core.classCount, static_cast<int>(kRatedClasses));
}

// The position of class row c at break b in the rate table, when the table
// holds it.
inline std::optional<std::size_t> RateItemIndex(const ClassBreakWork& core, int classRow, int breakIndex) {
  const int breaks = RatedBreakCount(core);
  if (classRow < 0 || classRow >= RatedClassCount(core) || breakIndex < 0 || breakIndex >= breaks) return std::nullopt;
  return static_cast<std::size_t>(4 + breaks * classRow + breakIndex);
}

}  // namespace vorn
