#include "lanes/lane_adjustments.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "engine_state/rating_engine.h"
#include "errors/engine_codes.h"
#include "formats/packed_codes.h"
#include "lanes/adjustment_file.h"
#include "lanes/adjustment_lists.h"
#include "lanes/apply_lane_adjustments.h"
#include "lanes/global_lane_lookup.h"
#include "lanes/percent_tables.h"
#include "lanes/point_pair_lookup.h"
#include "lanes/range_lane_lookup.h"
#include "lanes/zip_slot_lookup.h"
#include "lanes/zone_pair_lookup.h"
#include "platform/kernel/byte_record.h"
#include "rating/rating.h"

namespace vorn {
namespace {

// The charges the core asks the application to treat.
constexpr int kCoreMinimumCharges = 4;

// The key the membership section of a global list compares: bytes 4 to 9
// of the lane's rate-record head.
constexpr platform::FieldSpan kMembershipKey{4, 6};
constexpr std::uint32_t kGlobalListLogged = 4;

// The binary-log kinds of the value hits after point and operator records:
// the 15 slots of 7 bytes {letter; u16 value; u32 record position}.
constexpr std::uint32_t kPointHitsLogged = 11;
constexpr std::uint32_t kOperatorHitsLogged = 12;
constexpr std::size_t kLoggedHitSize = 7;

std::array<std::uint8_t, AdjustmentHitTable::kSlots * kLoggedHitSize> ValueHitImage(const AdjustmentHitTable& hits) {
  std::array<std::uint8_t, AdjustmentHitTable::kSlots * kLoggedHitSize> image{};
  for (std::size_t i = 0; i < AdjustmentHitTable::kSlots; ++i) {
    std::uint8_t* at = image.data() + i * kLoggedHitSize;
    at[0] = static_cast<std::uint8_t>(hits.values[i].letter);
    platform::StoreLittleEndian(at + 1, hits.values[i].value);
    platform::StoreLittleEndian(at + 3, hits.values[i].position);
  }
  return image;
}

std::optional<PackedZip> PackedCode(const std::array<char, 6>& code) {
  return PackZip(std::string_view(code.data(), strnlen(code.data(), code.size())));
}

// The 5-character ZIP key of a request's point code.
std::string_view ZipKey(const std::array<char, 6>& code) {
  return std::string_view(code.data(), std::min<std::size_t>(5, strnlen(code.data(), code.size())));
}

std::optional<std::string> WholeFile(const platform::File& file) {
  const std::optional<std::int64_t> size = file.size();
  if (!size || *size < 0) return std::nullopt;
  std::string text(static_cast<std::size_t>(*size), '\0');
  const std::span bytes(reinterpret_cast<std::uint8_t*>(text.data()), text.size());
  if (file.readAt(0, bytes) != static_cast<std::ptrdiff_t>(text.size())) return std::nullopt;
  return text;
}

bool ReadsTextList(LaneAdjustmentType type) {
  return type == LaneAdjustmentType::kZoneText || type == LaneAdjustmentType::kZonePercent ||
         type == LaneAdjustmentType::kZoneAmounts;
}

std::optional<std::string> WholeFileApart(RatingEngine& engine, char letter) {
  const std::shared_ptr<platform::File> file = engine.files.openApart(engine, letter);
  return file ? WholeFile(*file) : std::nullopt;
}

PercentTableFiles PercentFiles(RatingEngine& engine) {
  return {WholeFileApart(engine, 'Q'), WholeFileApart(engine, 'J'), WholeFileApart(engine, 'X')};
}

// The percentages of a zone-pair lane of letter 'T': from the percentage
// tables from tariff year 1998, else the exceptions file zeroes hits.
std::int16_t LoadLanePercentages(RatingEngine& engine, Rating& rating) {
  const DateKey& date = engine.currentTariff.date;
  const PercentLane lane{ZipKey(rating.request.originCode), ZipKey(rating.request.destinationCode),
                         date.century * 100 + date.year};
  if (lane.tariffYear < 1998) return FilterPercentExceptions(WholeFileApart(engine, 'X'), lane, rating.lanes.hits);
  return LoadPercentTables(PercentFiles(engine), AdjustmentFile(*engine.files.file('A')), lane, rating.lanes.hits);
}

// The global list of letter 'G', and on a tariff name beginning 'U' the
// entries of the lane's percentage tables after it.
std::int16_t LoadGlobalList(RatingEngine& engine, Rating& rating, std::span<const std::uint8_t> list) {
  LaneAdjustmentWork& lanes = rating.lanes;
  const GlobalBaseKeys baseKeys{WholeFileApart(engine, 'V'), WholeFileApart(engine, 'U')};
  const std::string_view head = rating.rates.rateRecord.head();
  const GlobalLane lane{ZipKey(rating.request.originCode), ZipKey(rating.request.destinationCode),
                        head.substr(kMembershipKey.offset, kMembershipKey.width), rating.methods.forcedAdjustmentNumber,
                        engine.currentTariff.tariffType == 'N'};
  const AdjustmentFile adjustments(*engine.files.file('A'));
  const std::int16_t c = LoadGlobalAdjustments(list, baseKeys, adjustments, lane, lanes);
  if (c != 0) return c;
  engine.binaryLog.writeBinaryDebug(kGlobalListLogged, GlobalListImage(lanes.global));
  // A list kept from the pass's first load holds its percentages already.
  if (engine.currentTariff.name().front() != 'U' || lanes.global.remembered != 0) return 0;
  const DateKey& date = engine.currentTariff.date;
  const PercentLane percentLane{ZipKey(rating.request.originCode), ZipKey(rating.request.destinationCode),
                                date.century * 100 + date.year};
  return LoadGlobalPercentTables(PercentFiles(engine), adjustments, percentLane, lanes.global);
}

}  // namespace

std::int16_t LoadLaneAdjustments(RatingEngine& engine, Rating& rating) {
  LaneAdjustmentWork& lanes = rating.lanes;
  // Files left open by a pass that ended early may belong to another tariff.
  CloseLaneAdjustmentFiles(engine);
  lanes.type = LaneAdjustmentTypeOf(engine.currentTariff.laneLetter);
  for (auto [end, code, place] :
       {std::tuple{&lanes.origin, &rating.request.originCode, &rating.request.originStateCity},
        std::tuple{&lanes.destination, &rating.request.destinationCode, &rating.request.destinationStateCity}}) {
    end->zip.fill(' ');
    std::memcpy(end->zip.data(), code->data(), ZipKey(*code).size());
    end->stateCity = *place;
  }
  // The factor file's combining operator and one-value switch, unless the
  // lane list's parameter lines say otherwise.
  lanes.combineOperator = engine.parameters.charsValue(ParameterTable::kLaPct).front();
  lanes.oneAdjustment = engine.parameters.integerValue(ParameterTable::kOneLa) != 0;
  if (lanes.type == LaneAdjustmentType::kNone) {
    lanes.hits.count = 0;
    return 0;
  }
  if (const std::int16_t c = engine.files.open(engine, 'L'); c != 0) return c;
  if (const std::int16_t c = engine.files.open(engine, 'A'); c != 0) return c;
  const platform::File& laneFile = *engine.files.file('L');
  if (lanes.type == LaneAdjustmentType::kGlobalList) {
    const std::optional<std::string> list = WholeFile(laneFile);
    if (!list) return code::kCantReadLaneList;
    return LoadGlobalList(engine, rating, std::span(reinterpret_cast<const std::uint8_t*>(list->data()), list->size()));
  }
  if (ReadsTextList(lanes.type) || lanes.type == LaneAdjustmentType::kRangeLanes) {
    const std::optional<std::string> text = WholeFile(laneFile);
    if (!text) return code::kCantReadLaneList;
    if (lanes.type == LaneAdjustmentType::kRangeLanes) {
      const RangeLane lane{ZipKey(rating.request.originCode), ZipKey(rating.request.destinationCode),
                           rating.rates.rateRecord.head(), rating.methods.forcedAdjustmentNumber};
      return LoadRangeLaneAdjustments(std::span(reinterpret_cast<const std::uint8_t*>(text->data()), text->size()),
                                      lane, lanes);
    }
    const ZonePairLane lane{ZipKey(rating.request.originCode),
                            ZipKey(rating.request.destinationCode),
                            engine.currentTariff.tariffType,
                            rating.rates.rateRecord.kind(),
                            lanes.type == LaneAdjustmentType::kZonePercent,
                            rating.methods.forcedAdjustmentNumber.has_value()};
    const std::int16_t c = LoadZonePairAdjustments(*text, lane, lanes);
    if (c != 0) {
      CloseLaneAdjustmentFiles(engine);
      return c;
    }
    return lanes.type == LaneAdjustmentType::kZonePercent ? LoadLanePercentages(engine, rating) : 0;
  }
  if (lanes.type == LaneAdjustmentType::kZipSlots)
    return LoadZipSlotAdjustments(laneFile, PackedCode(rating.request.originCode),
                                  PackedCode(rating.request.destinationCode), rating.rates.rateRecord.head(), lanes);
  return LoadPointPairAdjustments(laneFile, static_cast<std::uint16_t>(rating.rates.origin.number),
                                  static_cast<std::uint16_t>(rating.rates.destination.number), lanes.hits);
}

int ApplyPassLaneAdjustments(RatingEngine& engine, Rating& rating) {
  if (!engine.files.isOpen('A')) return 1;
  ClassBreakWork& core = rating.core;
  const int rows = RatedClassCount(core);
  const int columns = RatedBreakCount(core);
  const AdjustmentFile adjustments(*engine.files.file('A'));
  const RateGrid rates{std::span(core.rateTable.items).subspan(4, static_cast<std::size_t>(rows * columns)), rows,
                       columns};
  const MinimumChargeAmounts minimums{core.minimums.amounts, kCoreMinimumCharges, core.minimums.count,
                                      core.minimums.kinds[0], core.minimums.layout == 6};
  const DateKey& date = engine.currentTariff.date;
  const LaneTariffFacts tariff{engine.currentTariff.ratedType(), (date.century * 100 + date.year) * 100 + date.month};
  const int result = ApplyLaneAdjustments(rating.lanes, &adjustments, rates, minimums, tariff);
  const LaneAdjustmentWork& lanes = rating.lanes;
  const bool rangeLanes = lanes.type == LaneAdjustmentType::kRangeLanes;
  if (result == 0 && (lanes.type == LaneAdjustmentType::kPointPairs || (rangeLanes && lanes.mode == 1)))
    engine.binaryLog.writeBinaryDebug(kPointHitsLogged, ValueHitImage(lanes.hits));
  if (result == 0 && (lanes.type == LaneAdjustmentType::kZonePercent || (rangeLanes && lanes.mode == 3)))
    engine.binaryLog.writeBinaryDebug(kOperatorHitsLogged, ValueHitImage(lanes.hits));
  return result;
}

std::int16_t ApplyGlobalList(RatingEngine& engine, Rating& rating, ListColumn column) {
  const MethodWork& m = rating.methods;
  const GlobalAdjustmentList& global = rating.lanes.global;
  std::vector<std::vector<std::uint8_t>> records;
  // A tariff's combining operator (LA_PCT), and values in hundredths of a
  // percent (4 decimals) as everywhere else in the lane adjustments.
  ListSettings settings{rating.lanes.combineOperator, '6'};
  const bool globalList = rating.lanes.type == LaneAdjustmentType::kGlobalList && engine.files.isOpen('A');
  if (globalList) records = ListRecords(global, AdjustmentFile(*engine.files.file('A')));
  if (engine.currentTariff.tariffType == 'N') {
    // A combined tariff's list: its global list's entries, then the records
    // its rate record names, all from the one .A file and so under the
    // method's header (combine letter and decimals flag); a sorted global
    // list sorts them all.
    for (const CombinedAdjustment& a : m.adjustments)
      records.emplace_back(a.record.bytes().begin(), a.record.bytes().end());
    settings = ListSettings{m.adjustmentHeader.flags[2], m.adjustmentHeader.flags[3]};
    if (globalList && global.sorted)
      std::stable_sort(records.begin(), records.end(), [](const auto& a, const auto& b) {
        return std::lexicographical_compare(a.begin(), a.begin() + std::min<std::size_t>(a.size(), 5), b.begin(),
                                            b.begin() + std::min<std::size_t>(b.size(), 5));
      });
  }
  if (records.empty()) return 0;
  ClassBreakWork& core = rating.core;
  if (column == ListColumn::kMinimums)
    return ApplyAdjustmentList(
        records, column, settings,
        std::span(core.minimums.amounts)
            .first(static_cast<std::size_t>(std::clamp<int>(core.minimums.count, 0, MinimumChargeList::kItems))),
        BreakRateTable::kNotFetched);
  const std::size_t cells = static_cast<std::size_t>(RatedClassCount(core) * RatedBreakCount(core));
  return ApplyAdjustmentList(records, column, settings, std::span(core.rateTable.items).subspan(4, cells),
                             BreakRateTable::kNotFetched);
}

void ApplySecondLaneAdjustments(RatingEngine& engine, Rating& rating) {
  LaneAdjustmentWork& lanes = rating.lanes;
  if (lanes.second.count == 0 || std::string_view(lanes.second.entries[0].text.data(), 3) == "999") return;
  std::swap(lanes.current, lanes.second);
  ApplyPassLaneAdjustments(engine, rating);
  std::swap(lanes.current, lanes.second);
}

void CloseLaneAdjustmentFiles(RatingEngine& engine) {
  engine.files.close('L');
  engine.files.close('A');
}

}  // namespace vorn
