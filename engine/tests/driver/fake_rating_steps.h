// Test support: rating steps that stand in for the tariff data, answering
// what a test sets.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine_state/rating_engine.h"
#include "engine_state/rating_steps.h"
#include "rating/rating.h"

namespace vorn::testing {

struct FakeRatingSteps : RatingSteps {
  // What the steps answer.
  std::int16_t setupResult = 0;
  char tariffType = '0';
  char tariffLetter = 'N';
  char country = 'N';
  char originLetter = 'D';
  char destinationLetter = 'I';
  std::int32_t lineRate = 2500;  // cents per hundredweight
  std::int32_t deficitRate = 0;
  std::int32_t deficitWeight = 0;
  std::int32_t chargeAfterMinimums = -1;  // -1: the line charges plus deficit charge
  std::int32_t absoluteMinimum = 0;
  std::int32_t breakDiscount = 0;  // taken off by applyBreakDiscount
  std::string methodText = "00001B";
  std::array<char, 4> serviceGuideStatus{'1', '0', '0', '1'};
  std::array<char, 5> usCrossing{'7', '8', '0', '4', '0'};
  std::array<char, 6> mexicanCrossing{'N', 'L', 'D', '0', '0', '1'};
  std::int32_t secondLegAdd = 0;  // added to every rate by the second leg
  std::string chosenOriginCity;   // the city choice's pick for the origin (none when empty)

  // What the steps saw.
  std::vector<int> setupPasses;
  std::vector<int> discountBreaks;
  std::vector<std::string> ratedOrigins;  // the rate-lookup origin of each method run
  int methodRuns = 0;

  std::int16_t setupShipmentTariff(RatingEngine& e, Rating&, int pass) override {
    setupPasses.push_back(pass);
    if (setupResult != 0) return setupResult;
    efcrec::Record record;
    record.fillAll(' ');
    record.setText(efcrec::kKind, "001");
    record.setText(efcrec::kDate, "20240101");
    record.setText(efcrec::kName, "TSTFRT01");
    record.setChar(efcrec::kTariffType.offset, tariffType);
    record.setChar(efcrec::kLetter.offset, tariffLetter);
    record.setChar(efcrec::kCountry.offset, country);
    e.currentTariff = CurrentTariffFromRecord(record);
    return 0;
  }
  std::int16_t prepareBureauTariff(RatingEngine&, Rating&) override { return 0; }
  std::int16_t handleCombinedPoints(RatingEngine&, Rating&) override { return 0; }
  std::int16_t findPointServices(RatingEngine&, Rating& rating) override {
    rating.request.originPointLetter = originLetter;
    rating.request.destinationPointLetter = destinationLetter;
    rating.discounts.applied = rating.discounts.direct;
    return 0;
  }
  void consultServiceGuide(RatingEngine&, Rating& rating) override {
    rating.answer.serviceGuideStatus = serviceGuideStatus;
  }
  std::int16_t readBorderCrossing(RatingEngine&, Rating& rating) override {
    rating.request.usCrossingCode = usCrossing;
    rating.request.mexicanCrossingCode = mexicanCrossing;
    return 0;
  }
  void closeTariffFilesOnChange(RatingEngine&) override {}
  std::int16_t prepareWorkTables(RatingEngine&, Rating& rating) override {
    ClassBreakWork& core = rating.core;
    const char* classes[] = {"100", "50"};
    for (std::size_t c = 0; c < 2; ++c) std::strncpy(core.classCodes[c].data(), classes[c], 6);
    core.classCount = 2;
    const std::int32_t breaks[] = {0, 500, 1000, 2000, 5000, 10000, 20000, 30000, 40000};
    for (std::size_t b = 0; b < 9; ++b) core.breakWeights[b] = breaks[b];
    core.breakCount = 9;
    return 0;
  }
  std::int16_t runTariffMethod(RatingEngine&, Rating& rating) override {
    ++methodRuns;
    ratedOrigins.emplace_back(rating.request.originCode.data(), 6);
    rating.answer.methodText = methodText;
    if (!chosenOriginCity.empty()) {
      rating.request.originStateCity.fill(' ');
      std::copy(chosenOriginCity.begin(), chosenOriginCity.end(), rating.request.originStateCity.begin());
      rating.answer.cityChoiceRan = true;
    }
    return 0;
  }
  std::int16_t rateClassesAndBreaks(RatingEngine&, Rating& rating) override {
    BreakRateTable& table = rating.core.rateTable;
    table.fillNotFetched();
    for (std::size_t i = 0; i < 4; ++i) table.items[i] = 0;
    for (std::size_t i = 4; i < 4 + 2 * 9; ++i)
      table.items[i] = static_cast<std::int32_t>(1000 + i) + (methodRuns > 1 ? secondLegAdd : 0);
    MinimumChargeList& list = rating.core.minimums;
    list.kinds[0] = '1';
    list.amounts[0] = methodRuns > 1 ? 700 : 5000;
    list.count = 1;
    return 0;
  }
  void closeRateFiles(RatingEngine&) override {}
  std::int16_t checkLineRates(RatingEngine&, Rating&) override { return 0; }
  std::int16_t priceLinesAtActualWeight(RatingEngine&, Rating& rating) override {
    ParsedRequest& r = rating.request;
    r.actualWeight = 0;
    for (std::int16_t n = 0; n < r.detailCount; ++n) r.actualWeight += r.details[static_cast<std::size_t>(n)].weight;
    return 0;
  }
  void discountLineTotalAtBreak(RatingEngine&, Rating&, int b) override { discountBreaks.push_back(b); }
  int searchDeficitFrom(RatingEngine&, Rating&, int b) override { return b + 1; }
  std::int16_t priceAtBreak(RatingEngine&, Rating& rating, int) override {
    ParsedRequest& r = rating.request;
    r.lineChargeSum = 0;
    for (std::int16_t n = 0; n < r.detailCount; ++n) {
      DetailEntry& line = r.details[static_cast<std::size_t>(n)];
      line.rate = lineRate;
      line.charge = static_cast<std::int32_t>((static_cast<std::int64_t>(line.weight) * lineRate + 50) / 100);
      r.lineChargeSum += line.charge;
    }
    r.deficitRate = deficitRate;
    r.deficitWeight = deficitWeight;
    r.deficitCharge = static_cast<std::int32_t>((static_cast<std::int64_t>(deficitWeight) * deficitRate + 50) / 100);
    r.billedWeight = r.actualWeight + deficitWeight;
    r.chargeAfterMinimums = chargeAfterMinimums >= 0 ? chargeAfterMinimums : r.lineChargeSum + r.deficitCharge;
    r.absoluteMinimum = absoluteMinimum;
    return 0;
  }
  std::int32_t applyBreakDiscount(RatingEngine&, Rating&, std::int32_t amount, int) override {
    return amount - breakDiscount;
  }
};

}  // namespace vorn::testing
