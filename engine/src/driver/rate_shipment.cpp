#include "driver/rate_shipment.h"

#include <cstring>
#include <ctime>
#include <memory>

#include "common/version_number.h"
#include "common/version_text.h"
#include "core/class_break_index.h"
#include "driver/format_result.h"
#include "driver/request_log.h"
#include "effective/tariff_types.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "platform/kernel/fixed_format.h"
#include "rating/rating.h"
#include "request/request_parse.h"

namespace vorn {
namespace {

// Runs a step; a non-zero code ends the rating.
#define STEP(expression)                                          \
  do {                                                            \
    if (const std::int16_t c_ = (expression); c_ != 0) return c_; \
  } while (0)

void WriteTime(const RatingEngine& engine, std::uint32_t kind) {
  std::uint8_t seconds[4];
  platform::StoreLittleEndian<std::uint32_t>(seconds, static_cast<std::uint32_t>(std::time(nullptr)));
  engine.binaryLog.writeBinaryDebug(kind, seconds);
}

bool CarrierNamed(const ShipmentRecord& record) {
  const std::string_view carrier = record.text(shipment::kCarrierCode);
  return carrier != "    " && carrier != std::string_view("\0\0\0\0", 4) && carrier != "0000";
}

// The request's factor: 1.0, or the field at 236 times 0.0001 when it holds
// more than blanks and is not 0.
float RequestFactor(const ShipmentRecord& record) {
  const std::string_view field = record.text(shipment::kFactor);
  if (field <= std::string_view("     ")) return 1.0f;
  const std::int32_t value = platform::FieldToInteger(field);
  return value == 0 ? 1.0f : static_cast<float>(value) * 0.0001f;
}

// A type-'N' tariff whose lane is not in it is rated on its companion: the
// newest record of kind 2 named like it with 'N' as its eighth character.
std::int16_t CombinedPoints(RatingEngine& engine, Rating& rating) {
  engine.steps->closeTariffFilesOnChange(engine);
  const std::int16_t first = engine.steps->handleCombinedPoints(engine, rating);
  if (first == 0) return 0;
  if (first < code::kOriginNotInTariff || first > code::kCombinationNotInTariff) return first;
  std::string companion(engine.currentTariff.name());
  if (companion[5] == 'N') return first;
  companion[7] = 'N';
  const auto records = engine.effective.records();
  for (std::size_t i = records.size(); i-- > 0;) {
    const EffectiveRecord& r = records[i];
    if (r.kind != 2 || r.nameView() != companion || r.date > rating.request.shipDate) continue;
    STEP(engine.effective.loadTariffForEntry(i, engine.currentTariff, EngineVersionNumber()));
    engine.steps->closeTariffFilesOnChange(engine);
    return engine.steps->handleCombinedPoints(engine, rating);
  }
  return first;
}

// Whether a tariff of kind 2 under the current tariff's name is in effect on
// the ship date.
bool HasOverlaidTariff(const RatingEngine& engine, const Rating& rating) {
  for (const EffectiveRecord& r : engine.effective.records())
    if (r.kind == 2 && r.nameView() == engine.currentTariff.name() && !(r.date > rating.request.shipDate)) return true;
  return false;
}

std::int16_t SetUpTariff(RatingEngine& engine, Rating& rating) {
  RatingSteps& steps = *engine.steps;
  STEP(steps.setupShipmentTariff(engine, rating, 1));
  const CurrentTariff& tariff = engine.currentTariff;
  if (tariff.tariffType == 'Y') {
    // A bureau tariff without a tariff of kind 2 under its name overlays
    // nothing: as a direct tariff its type has no method.
    if (!HasOverlaidTariff(engine, rating)) return code::kInvalidTariffType;
    steps.closeTariffFilesOnChange(engine);
    STEP(steps.prepareBureauTariff(engine, rating));
    STEP(steps.setupShipmentTariff(engine, rating, 2));
    // The second set-up rates the bureau's base tariff; another bureau
    // tariff there has no method.
    if (engine.currentTariff.tariffType == 'Y') return code::kInvalidTariffType;
  }
  if (engine.currentTariff.letter == 'P') return code::kInvalidTariffThisCall;
  if (engine.currentTariff.tariffType == 'N') STEP(CombinedPoints(engine, rating));
  return 0;
}

void ReplaceCode(std::array<char, 6>& code, std::span<const char> with) {
  code.fill(' ');
  std::memcpy(code.data(), with.data(), std::min(code.size(), with.size()));
}

// The Mexican leg: the lane from the border crossing to the Mexican point
// (or from it), rated with the second set-up and added to the first leg.
std::int16_t RateMexicanLeg(RatingEngine& engine, Rating& rating, const std::array<char, 6>& mexicanCode) {
  RatingSteps& steps = *engine.steps;
  ParsedRequest& r = rating.request;
  const BreakRateTable firstTable = rating.core.rateTable;
  const MinimumChargeList firstList = rating.core.minimums;
  rating.core.rateTable = BreakRateTable{};
  rating.core.minimums = MinimumChargeList{};
  const CurrentTariff firstTariff = engine.currentTariff;
  r.legFlag = 'Z';
  STEP(steps.setupShipmentTariff(engine, rating, 2));
  steps.closeRateFiles(engine);
  if (r.mexicanOrigin) {
    r.originCode = mexicanCode;
    ReplaceCode(r.destinationCode, r.mexicanCrossingCode);
  } else {
    r.destinationCode = mexicanCode;
    ReplaceCode(r.originCode, r.mexicanCrossingCode);
  }
  STEP(steps.runTariffMethod(engine, rating));
  STEP(steps.rateClassesAndBreaks(engine, rating));
  steps.closeRateFiles(engine);
  (void)firstTariff;
  if (r.mode == 'S') return 0;

  const BreakRateTable secondTable = rating.core.rateTable;
  const MinimumChargeList secondList = rating.core.minimums;
  if (secondList.count > 1) return code::kTooManyMexicanMinimums;
  BreakRateTable& sum = rating.core.rateTable;
  sum = firstTable;
  for (std::size_t i = 4; i < BreakRateTable::kItems; ++i) {
    // A rate that one leg never fetched is no rate of the whole lane.
    const bool fetched =
        firstTable.items[i] != BreakRateTable::kNotFetched && secondTable.items[i] != BreakRateTable::kNotFetched;
    sum.items[i] = fetched ? firstTable.items[i] + secondTable.items[i] : BreakRateTable::kNotFetched;
  }
  MinimumChargeList& list = rating.core.minimums;
  list = firstList;
  for (std::size_t i = 0;
       i < MinimumChargeList::kItems && i < static_cast<std::size_t>(std::max<std::int16_t>(list.count, 0)); ++i)
    list.amounts[i] += secondList.amounts[0];
  return 0;
}

// The charge computation: each line at the break of the actual weight, the
// discount at that break, the deficit search, and the price at the break used.
std::int16_t ComputeCharges(RatingEngine& engine, Rating& rating) {
  const CurrentTariff& tariff = engine.currentTariff;
  const char type = tariff.ratedType();
  if (!FindTariffType(type)) return code::kInvalidTariffType;
  RatingSteps& steps = *engine.steps;
  ClassBreakWork& core = rating.core;
  const int limit = rating.discounts.breakCount - 1;
  STEP(steps.priceLinesAtActualWeight(engine, rating));
  int b = std::min(BreakIndex(core, rating.request.actualWeight), limit);
  steps.discountLineTotalAtBreak(engine, rating, b);
  if (b >= 0 && b < core.breakCount - 1) b = steps.searchDeficitFrom(engine, rating, b);
  b = std::min(b, limit);
  steps.discountLineTotalAtBreak(engine, rating, b);
  core.breakUsed = static_cast<std::int16_t>(b);
  return steps.priceAtBreak(engine, rating, b);
}

std::int16_t RunSteps(RatingEngine& engine, Rating& rating, ShipmentRecord& record) {
  RatingSteps& steps = *engine.steps;
  ++engine.callCounter;
  const int discountBreakCount = DiscountBreakCount(record);
  ParsedRequest& r = rating.request;

  engine.binaryLog.writeBinaryDebug(
      binary_log::kRequestHeader,
      std::span<const std::uint8_t>(record.data() + shipment::kHeader.offset, shipment::kHeader.width));
  if (engine.binaryLog.isOn()) engine.binaryLog.writeBinaryDebug(binary_log::kVersionText, EngineVersionText().bytes());

  // The request's own fields are checked before any tariff data is read.
  STEP(ParseRequestHeader(record, r));
  STEP(ParseDetailLines(record, r));

  STEP(SetUpTariff(engine, rating));

  ParseDiscountRecords(record, rating.discounts);
  rating.discounts.breakCount = discountBreakCount;
  const RequestKey key = MakeRequestKey(engine.currentTariff, r, record);
  if (engine.lastRequestKey == key) rating.core = engine.savedCore;

  STEP(steps.findPointServices(engine, rating));
  if (engine.serviceGuideLetter == 'Y' && CarrierNamed(record)) steps.consultServiceGuide(engine, rating);

  rating.core.rateTable = BreakRateTable{};
  rating.core.minimums = MinimumChargeList{};
  rating.core.deficit = DeficitResult{};
  r.absoluteMinimum = 0;
  r.factor = RequestFactor(record);

  const bool mexicanPoint = r.mexicanOrigin || r.mexicanDestination;
  const std::array<char, 6> mexicanCode = r.mexicanOrigin ? r.originCode : r.destinationCode;
  if (engine.currentTariff.country == 'M' && !mexicanPoint) return code::kMexicanTariffNoMexicanZip;
  if (mexicanPoint) {
    if (engine.currentTariff.country != 'M' && engine.currentTariff.country != 'C')
      return code::kMexicanTariffNotSelected;
    STEP(steps.readBorderCrossing(engine, rating));
    ReplaceCode(r.mexicanOrigin ? r.originCode : r.destinationCode, r.usCrossingCode);
  }

  if (r.mode != '0') {
    steps.closeTariffFilesOnChange(engine);
    STEP(steps.prepareWorkTables(engine, rating));
    STEP(steps.runTariffMethod(engine, rating));
    STEP(steps.rateClassesAndBreaks(engine, rating));
    steps.closeRateFiles(engine);
    if (r.mode != 'P' && mexicanPoint) STEP(RateMexicanLeg(engine, rating, mexicanCode));
    STEP(steps.checkLineRates(engine, rating));
    engine.lastRequestKey = key;
    engine.savedCore = rating.core;
    if (r.mode != '2') STEP(ComputeCharges(engine, rating));
  }

  rating.answer.tariffUsed =
      engine.currentTariff.tariffType == 'Y' ? r.requestedTariffName : std::string(engine.currentTariff.name());
  rating.answer.versionDate = engine.currentTariff.date;
  return FormatShipmentResult(engine, rating, record);
}

// A failed rating answers the request as it was sent, with the failure's
// code, blanks at 178-179 and no results; the engine forgets the last
// request so that nothing of this rating is used again.
void AnswerFailure(RatingEngine& engine, ShipmentRecord& record, const ShipmentRecord& sent, std::int16_t failure) {
  std::memcpy(record.data() + shipment::kHeader.offset, sent.data() + shipment::kHeader.offset,
              shipment::kDiscountRecord1.offset - shipment::kHeader.offset);
  std::span<char> returnCode(record.chars() + shipment::kReturnCode.offset, shipment::kReturnCode.width);
  if (failure < 0 || !platform::FormatZeroPadded(returnCode, failure))
    platform::FormatZeroPadded(returnCode, code::kPricingExceedsLimits);
  record.setText(shipment::kServiceGuideAnswer, "  ");
  engine.lastRequestKey.reset();
  engine.steps->closeRateFiles(engine);
}

}  // namespace

std::int16_t RateRequest(RatingEngine& engine, Rating& rating, ShipmentRecord& record) {
  const ShipmentRecord sent = record;
  // The data folders are looked at once for the rating, and the files read
  // in it are read once (datafiles/data_folder.h).
  struct RatingFolders {
    explicit RatingFolders(RatingEngine& e) : engine(e) {
      engine.folders.beginRating();
      engine.files.beginRating();
    }
    ~RatingFolders() { engine.folders.endRating(); }
    RatingEngine& engine;
  } folders(engine);
  std::int16_t failure;
  try {
    failure = RunSteps(engine, rating, record);
  } catch (const EngineError& e) {
    failure = e.code == 0 ? code::kPricingExceedsLimits : e.code;
  }
  if (failure != 0) AnswerFailure(engine, record, sent, failure);
  return failure;
}

void RateShipmentCore(RatingEngine& engine, Rating& rating, std::uint8_t* callerRecord,
                      platform::CriticalSection* ratingLock) {
  WriteTime(engine, binary_log::kRatingStarted);
  ShipmentRecord record(std::span<const std::uint8_t>(callerRecord, kShipmentRecordSize));
  if (engine.debugFlag == 'Y') {
    TextDebugLog log = TextDebugLog::Open(engine.dataPath);
    LogRequest(log, record);
  }
  std::int16_t failure;
  {
    platform::CriticalSectionGuard guard(ratingLock);
    failure = RateRequest(engine, rating, record);
  }
  if (failure == 0)
    CopyResultAreas(rating, record);
  else
    ClearResultAreas(record);
  std::memcpy(callerRecord, record.data(), kShipmentRecordSize);
  if (engine.debugFlag == 'Y') {
    TextDebugLog log = TextDebugLog::Open(engine.dataPath);
    LogAnswer(log, record);
  }
  WriteTime(engine, binary_log::kRatingEnded);
}

void RateShipmentCore(RatingEngine& engine, std::uint8_t* callerRecord, void* cityCandidates,
                      platform::CriticalSection* ratingLock) {
  const std::unique_ptr<Rating> rating = std::make_unique<Rating>();
  rating->cityCandidates = cityCandidates;
  RateShipmentCore(engine, *rating, callerRecord, ratingLock);
}

}  // namespace vorn
