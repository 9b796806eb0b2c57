// Test support: a rate source that answers the rates, minimums and tariff
// number a test sets, and counts the fetches.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "rating/rate_source.h"
#include "rating/rating.h"

namespace vorn::testing {

struct FakeRateSource : RateSource {
  std::map<std::pair<int, int>, std::int32_t> rates;  // (class row, break) -> cents per hundredweight
  LaneMinimums minimums;
  BureauPercentages bureau;
  int number = 0;
  int fetches = 0;

  FakeRateSource() { minimums.amounts[0] = 5000; }  // a $50.00 minimum charge

  // The rates of one class row, from break 0 up.
  FakeRateSource& classRates(int row, const std::vector<std::int32_t>& byBreak) {
    for (std::size_t b = 0; b < byBreak.size(); ++b) rates[{row, static_cast<int>(b)}] = byBreak[b];
    return *this;
  }

  std::optional<std::int32_t> classBreakRate(RatingEngine&, Rating&, int classRow, int breakIndex) override {
    ++fetches;
    const auto found = rates.find({classRow, breakIndex});
    if (found == rates.end()) return std::nullopt;
    return found->second;
  }
  LaneMinimums minimumCharges(RatingEngine&, Rating&) override { return minimums; }
  BureauPercentages bureauPercentages(RatingEngine&, Rating&) override { return bureau; }
  int tariffNumber(RatingEngine&, Rating&) override { return number; }
};

}  // namespace vorn::testing
