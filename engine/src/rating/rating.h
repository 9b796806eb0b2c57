// One rating: the request as the parser took it, the work area of each step
// and the answer. The driver makes one for each request and the steps take
// it beside the engine they read from; nothing in it outlives the rating
// (what lives across ratings is the engine's, engine_state/rating_engine.h).
#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/date_key.h"
#include "formats/minimum_file.h"
#include "rating/class_break_work.h"
#include "rating/discounts.h"
#include "rating/lane_adjustment_work.h"
#include "rating/method_work.h"
#include "rating/parsed_request.h"
#include "rating/rate_file_work.h"
#include "rating/setup_work.h"
#include "rating/tariff_table_work.h"

namespace vorn {

// What the steps decide for the answer beyond the request's own fields; the
// driver writes it into the record when the rating succeeds.
struct RatingAnswer {
  std::string methodText;  // the tariff method's text, at most 11 characters shown
  std::string tariffUsed;  // the tariff name answered at byte 82
  DateKey versionDate;     // the effective date of the tariff version used
  // The service guide's status, the return code unless it is "1001", and
  // its answer for bytes 178-179 (nothing: the request's bytes stand).
  std::array<char, 4> serviceGuideStatus{' ', ' ', ' ', ' '};
  std::optional<std::array<char, 2>> serviceGuideAnswer;
  // The city choice ran on a code the tariff has cities for: byte 7 answers
  // 'B'.
  bool cityChoiceRan = false;
};

struct Rating {
  ParsedRequest request;
  SetupWork setup;
  DiscountState discounts;
  ClassBreakWork core;              // the tariff's classes and breaks, the rate table, what pricing found
  LaneAdjustmentWork lanes;         // the lane's adjustment hits and their matrices
  RateFileWork rates;               // what the rate-file lookups found
  TariffTableWork tables;           // what the tariff tables gave
  MethodWork methods;               // what the tariff method left beside the rate record
  BureauPercentages bureau;         // a bureau tariff's percentages (type 'Y'), kept for the tariff it overlays
  MinimumRecordArea minimumRecord;  // the minimum-charge file's record the fetch read
  void* cityCandidates = nullptr;   // the caller's buffer for ambiguous cities or tariffs (may be null)
  RatingAnswer answer;
};

}  // namespace vorn
