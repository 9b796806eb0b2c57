// Where the rating core gets the lane's rates and minimum charges from: the
// rate fetch of the tariff type over the lane's rate record, the minimum-
// charge and ZIP-pair files. The core asks; the source computes and caches
// nothing (the core keeps the rate table).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "rating/class_break_work.h"
#include "rating/method_work.h"

namespace vorn {

class RatingEngine;
struct Rating;

// The minimum charges of the lane: a layout 0 to 4 with up to four amounts,
// which the core lays out, or (layouts 5 to 10, read from the minimum-charge
// file) the list itself.
struct LaneMinimums {
  std::int16_t layout = 0;
  std::array<std::int32_t, 4> amounts{};  // cents
  std::int16_t count = 1;
  MinimumChargeList list;  // layouts 5 to 10 only
};

class RateSource {
 public:
  virtual ~RateSource() = default;

  // The rate of class row c at break b, in cents per hundredweight, as the
  // tariff type computes it from the lane's rate record; nothing when the
  // lane has no such rate. Raises 202 for a tariff type without a fetch.
  virtual std::optional<std::int32_t> classBreakRate(RatingEngine& engine, Rating& rating, int classRow,
                                                     int breakIndex) = 0;
  // The lane's minimum charges.
  virtual LaneMinimums minimumCharges(RatingEngine& engine, Rating& rating) = 0;
  // The tariff percentages of a bureau tariff's rate record (none otherwise).
  virtual BureauPercentages bureauPercentages(RatingEngine& engine, Rating& rating) = 0;
  // The tariff number of the lane's rate record (its first three digits),
  // 0 when none.
  virtual int tariffNumber(RatingEngine& engine, Rating& rating) = 0;
  // For a rate record of kind 'C': the class percentage of the first .C
  // range that holds the origin (else the destination); nothing when no
  // range holds either, or when the tariff has no .C file.
  virtual std::optional<std::int32_t> originClassPercent(RatingEngine&, Rating&) { return std::nullopt; }
};

// The engine's source: the rate fetch of the tariff type and the lane's
// minimum charges (fetch/).
RateSource& EngineRateSource();

}  // namespace vorn
