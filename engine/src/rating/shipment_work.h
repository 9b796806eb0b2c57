// The per-shipment work record: the parsed request, its discounts and the
// results of the rating steps. Cleared at the start of every rating.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/date_key.h"
#include "formats/tdx.h"
#include "formats/tdz.h"
#include "rating/class_break_work.h"
#include "rating/lane_adjustment_work.h"

namespace vorn {

inline constexpr std::size_t kMaxDetailLines = 20;

struct DetailEntry {
  std::array<char, 4> classText{};  // NUL-terminated
  std::int32_t weight = 0;          // pounds
  std::int32_t rate = 0;            // cents per hundredweight
  std::int32_t charge = 0;          // cents
};

// A block of discount percentages: field 0 for the net and the minimums,
// field b + 1 for break b. A break field written " 9999" marks the end of
// the discounted breaks and is no discount.
struct DiscountBlock {
  std::array<char, 2> tag{};
  std::array<float, 10> percent{};
  std::array<bool, 10> endOfBreaks{};

  // The percentage field k gives as a discount: 0 for an end-of-breaks mark.
  float discountAt(std::size_t k) const { return k < percent.size() && !endOfBreaks[k] ? percent[k] : 0.0f; }
};

struct ParsedRequest {
  // Codes for the rate lookup and, separately, for the point lookup.
  std::array<char, 6> originCode{};
  std::array<char, 6> destinationCode{};
  std::array<char, 6> originPointCode{};
  std::array<char, 6> destinationPointCode{};
  std::array<char, 19> originStateCity{};
  std::array<char, 19> destinationStateCity{};
  char originPointLetter = ' ';
  char destinationPointLetter = ' ';

  std::string tariffPrefix;               // first 3 characters of the tariff name
  std::string tariffName;                 // up to 8 characters; the set-up may replace it
  std::string requestedTariffName;        // as the request gave it, for the answer
  std::array<char, 8> tariffNameField{};  // the request's 8 characters as sent
  DateKey shipDate;
  bool intrastate = false;
  char candidateRequest = ' ';   // byte 9: 'F' fill the candidates buffer, 'E' report 123
  bool alphabeticCodes = false;  // a code begins with a letter and a tariff is named
  bool mexicanOrigin = false;
  bool mexicanDestination = false;
  char legFlag = 0;  // 'Z' while the Mexican leg is rated
  // The border crossing of a lane with a Mexican point: the U.S. side's code
  // and the Mexican side's code.
  std::array<char, 5> usCrossingCode{};
  std::array<char, 6> mexicanCrossingCode{};
  char mode = '1';
  char methodFlag = ' ';  // byte 177
  float factor = 1.0f;

  std::int16_t detailCount = 0;
  std::array<DetailEntry, kMaxDetailLines> details{};

  std::int32_t actualWeight = 0;
  std::int32_t deficitWeight = 0;
  std::int32_t deficitRate = 0;
  std::int32_t billedWeight = 0;
  std::int32_t lineChargeSum = 0;
  std::int32_t grossCharge = 0;
  std::int32_t deficitCharge = 0;
  std::int32_t chargeAfterMinimums = 0;
  std::int32_t absoluteMinimum = 0;
};

// The break count of a discount record without an end-of-breaks mark: every
// break has a discount field (a count, not an engine code).
inline constexpr int kEveryBreakDiscounted = 100;

struct DiscountState {
  bool on = false;
  char kind = 'C';                         // 'R' discounts rates, 'C' charges
  int breakCount = kEveryBreakDiscounted;  // breaks that have discount fields
  DiscountBlock direct;                    // from discount record 1 ("D%")
  DiscountBlock indirect;                  // from discount record 2 ("I%")
  bool indirectGiven = false;              // record 2 is tagged "I%"
  DiscountBlock applied;                   // chosen by the point services
  std::int32_t breakDiscountAmount = 0;    // cents
  std::int32_t percentDiscountAmount = 0;  // cents
  float discountPercent = 0;
};

inline constexpr std::size_t kMaxTariffSlots = 50;
inline constexpr std::size_t kMaxTariffCandidates = 30;

// One end of the lane as the tariff directory sees it.
struct LanePoint {
  ZipRangeRecord zipRange;              // its TDZ.BIN record
  std::vector<std::int16_t> tariffRow;  // its TDT.BIN row: region, table, a code per slot
  std::array<char, 2> state{'*', '*'};  // abbreviation from TDA.SEQ
};

// What the tariff set-up works out for the lane.
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

struct ShipmentWork {
  ParsedRequest request;
  SetupWork setup;
  DiscountState discounts;
  ClassBreakWork core;
  LaneAdjustmentWork lanes;  // the lane's adjustment hits and their matrices
  std::string methodText;    // the tariff method's text, at most 11 characters shown
  std::string tariffUsed;    // the tariff name answered at byte 82
  DateKey versionDate;       // the effective date of the tariff version used
};

}  // namespace vorn
