#include "lanes/apply_lane_adjustments.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>

#include "common/money_rules.h"
#include "formats/lane_adjustments.h"
#include "formats/packed_codes.h"

namespace vorn {
namespace {

namespace point = lane_adjustment::point;
namespace lane_pair = lane_adjustment::lane_pair;
namespace operators = lane_adjustment::operators;
namespace cell = lane_adjustment::cell;
using lane_adjustment::RecordView;
static_assert(cell::kCells == kAdjustmentMatrixSize);
// The lane-pair search for a pair with its own suffix looks this far past
// the record of the pair before it.
constexpr std::uint64_t kSuffixSearchReach = 10;

std::int32_t Saturate(std::int64_t x) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(x, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The usable shape of the grid: at most the rows and breaks the matrices hold.
int Rows(const RateGrid& g) {
  const int rows = std::clamp(g.rows, 0, static_cast<int>(kRatedClasses));
  return g.columns > 0 ? std::min(rows, static_cast<int>(g.cells.size()) / g.columns) : 0;
}
int Columns(const RateGrid& g) { return std::clamp(g.columns, 0, static_cast<int>(kRatedBreaks)); }

// Calls change(rate, value index, column) for every fetched rate of column
// (every column when column < 0); the value index is 1 + row x columns + column.
template <typename Change>
void ForEachRate(const RateGrid& g, int column, Change change) {
  const int rows = Rows(g);
  const int columns = Columns(g);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      if (column >= 0 && c != column) continue;
      std::int32_t& rate = g.cells[static_cast<std::size_t>(r * g.columns + c)];
      if (rate == BreakRateTable::kNotFetched) continue;
      change(rate, static_cast<std::size_t>(1 + r * columns + c), c);
    }
}

std::span<std::int32_t> FirstCharges(const MinimumChargeAmounts& m, int count) {
  return m.amounts.first(static_cast<std::size_t>(std::clamp(count, 0, static_cast<int>(m.amounts.size()))));
}

int HitCount(const LaneAdjustmentWork& work) {
  return std::clamp<int>(work.hits.count, 0, static_cast<int>(AdjustmentHitTable::kSlots));
}

// Point records (32 bytes, numbered by their first u16).
void ApplyPointRecords(LaneAdjustmentWork& work, const AdjustmentFile& file, const RateGrid& rates,
                       const MinimumChargeAmounts& minimums) {
  work.values.fill(0);
  work.combined.fill(0);
  for (int i = 0; i < HitCount(work); ++i) {
    AdjustmentHitTable::ValueHit& hit = work.hits.values[static_cast<std::size_t>(i)];
    const std::optional<FoundAdjustment> found = file.findFrom(
        hit.position, point::kSize,
        [&](std::span<const std::uint8_t> r) { return RecordView(r).value(point::kNumber) == hit.value; });
    if (!found) continue;
    hit.position = found->position;
    const RecordView record(found->bytes);
    if (const char op = record.character(point::kShipmentOperator); op != '0') {
      work.values[0] = work.combined[0] = record.value(point::kShipmentValue);
      work.percentFlag = op == '1' ? 1 : 0;
      for (std::int32_t& charge : FirstCharges(minimums, minimums.callerCount))
        charge = ApplyPointAdjustment(charge, work.values[0], op);
    }
    for (int j = 0; j < Columns(rates); ++j) {
      const char op = record.character(point::kBreakOperators + static_cast<std::size_t>(j));
      if (op == '0') continue;
      const std::uint16_t value = record.value(point::kBreakValues + 2 * static_cast<std::size_t>(j));
      ForEachRate(rates, j, [&](std::int32_t& rate, std::size_t index, int) {
        work.values[index] = work.combined[index] = value;
        rate = ApplyPointAdjustment(rate, value, op);
      });
    }
  }
}

// The 3-byte key of a lane pair: 6 decimal digits packed for tariffs dated
// before 1999, the packed postal code from 1999 on.
std::optional<std::array<std::uint8_t, 3>> LanePairKey(const std::array<char, 6>& pair, int year) {
  const std::string_view text(pair.data(), pair.size());
  if (year >= 1999) return PackPostalCode(text);
  std::array<std::uint8_t, 3> key{};
  if (!PackDigits(key, text, 6)) return std::nullopt;
  return key;
}

// Lane-pair records (33 bytes, sorted by the packed pair). A percentage
// moves an amount to two extra decimals (divisor 1000 and add-on multiplier
// 100 from then on), and it is rounded back once at the end. The extra
// decimals are kept per amount, so that an amount or rate that no
// percentage reached is never divided.
void ApplyLanePairRecords(LaneAdjustmentWork& work, const AdjustmentFile& file, const RateGrid& rates,
                          const MinimumChargeAmounts& minimums, const LaneTariffFacts& tariff) {
  work.values.fill(0);
  const std::span<std::int32_t> charges = FirstCharges(minimums, minimums.callerCount);
  std::array<bool, MinimumChargeList::kItems> chargeScaled{};
  std::array<bool, kAdjustmentMatrixSize> rateScaled{};
  const bool truncating = tariff.effectiveYearMonth < 200108;
  const auto apply = [&](std::int32_t& x, bool& scaled, std::uint16_t value, char op) {
    const bool moves = op == '1' && x != 0 && value != 0;
    x = ApplyLanePairAdjustment(x, value, op, scaled ? 1000 : 10, scaled ? 100 : 1, truncating);
    scaled = scaled || moves;
  };

  const int pairs = std::clamp<int>(work.hits.count, 0, static_cast<int>(kMaxLanePairs));
  std::optional<std::uint64_t> previous;  // record index of the pair before
  for (int e = 0; e < pairs; ++e) {
    const std::array<char, 6>& pair = work.lanePairs[static_cast<std::size_t>(e)];
    const std::optional<std::array<std::uint8_t, 3>> key = LanePairKey(pair, tariff.effectiveYearMonth / 100);
    std::optional<FoundAdjustment> found;
    if (key && previous && std::string_view(pair.data() + 3, 3) != "000") {
      for (std::uint64_t k = *previous + 1; k <= *previous + kSuffixSearchReach && !found; ++k) {
        std::optional<FoundAdjustment> probe = file.recordAt(k, lane_pair::kSize);
        if (!probe) break;
        if (std::memcmp(probe->bytes.data(), key->data(), 3) == 0) found = std::move(probe);
      }
    } else if (key) {
      found = file.findSorted(*key, lane_pair::kSize);
    }
    if (!found) {
      previous.reset();
      continue;
    }
    previous = found->position / lane_pair::kSize;
    const RecordView record(found->bytes);
    const char shipmentOp = record.character(lane_pair::kShipmentOperator);
    if (const std::uint16_t value = record.value(lane_pair::kShipmentValue); shipmentOp != '0' && value > 0) {
      work.values[0] = value;
      work.percentFlag = shipmentOp == '1' ? 1 : 0;
      for (std::size_t k = 0; k < charges.size(); ++k) apply(charges[k], chargeScaled[k], value, shipmentOp);
    }
    work.percentFlag = record.character(lane_pair::kBreakOperators) == '1' ? 1 : 0;
    for (int j = 0; j < Columns(rates); ++j) {
      const char op = record.character(lane_pair::kBreakOperators + static_cast<std::size_t>(j));
      if (op == '0') continue;
      const std::uint16_t value = record.value(lane_pair::kBreakValues + 2 * static_cast<std::size_t>(j));
      ForEachRate(rates, j, [&](std::int32_t& rate, std::size_t index, int) {
        work.values[index] = value;
        apply(rate, rateScaled[index], value, op);
      });
    }
  }
  const auto roundBack = [](std::int32_t& x) { x = Saturate((static_cast<std::int64_t>(x) + 50) / 100); };
  for (std::size_t k = 0; k < charges.size(); ++k)
    if (chargeScaled[k]) roundBack(charges[k]);
  ForEachRate(rates, -1, [&](std::int32_t& rate, std::size_t index, int) {
    if (rateScaled[index]) roundBack(rate);
  });
}

// Operator records (350 bytes, numbered by their first u16).
void ApplyOperatorRecords(LaneAdjustmentWork& work, const AdjustmentFile& file, const RateGrid& rates,
                          const MinimumChargeAmounts& minimums) {
  work.values.fill(0);
  work.combined.fill(0);
  for (int i = 0; i < HitCount(work); ++i) {
    AdjustmentHitTable::ValueHit& hit = work.hits.values[static_cast<std::size_t>(i)];
    if (hit.value == 0) continue;  // no operator record is numbered 0
    const std::optional<FoundAdjustment> found = file.findFrom(
        hit.position, operators::kSize,
        [&](std::span<const std::uint8_t> r) { return RecordView(r).value(operators::kNumber) == hit.value; });
    if (!found) continue;
    hit.position = found->position;
    const RecordView record(found->bytes);
    if (const char op = record.character(operators::kShipmentOperator); op != '0') {
      work.values[0] = work.combined[0] = record.value(operators::kShipmentValue);
      work.percentFlag = op == '*' ? 1 : 0;
      // The alternative whole-shipment value serves minimum charges of kind '1'.
      const std::uint16_t value =
          record.value(minimums.firstKind == '1' ? operators::kAlternativeShipmentValue : operators::kShipmentValue);
      for (std::int32_t& charge : FirstCharges(minimums, minimums.recordCount))
        charge = ApplyOperatorAdjustment(charge, value, op, work.floorValue);
    }
    if (const char op = record.character(operators::kRateOperator); op != '0') {
      work.percentFlag = op == '*' ? 1 : 0;
      ForEachRate(rates, -1, [&](std::int32_t& rate, std::size_t index, int column) {
        const std::uint16_t value = record.value(operators::kColumnValues + 2 * static_cast<std::size_t>(column));
        work.values[index] = work.combined[index] = value;
        rate = ApplyOperatorAdjustment(rate, value, op, work.floorValue);
      });
    }
  }
}

void SetEntry(AdjustmentParameterSet& set, std::size_t k, const char* text, std::int32_t value) {
  std::memcpy(set.entries[k].text.data(), text, 3);
  set.entries[k].text[3] = 0;
  set.entries[k].value = value;
}

// The ranges of adjustment numbers of a tariff that names none: percentages
// from "000", amounts from "500" (type 'F': percentages from "000" and
// "500", amounts from "250" and "750"), up to "999".
void FillDefaultRanges(AdjustmentParameterSet& set, char tariffType) {
  set = {};
  if (tariffType == 'F') {
    SetEntry(set, 0, "000", 1);
    SetEntry(set, 1, "250", 0);
    SetEntry(set, 2, "500", 1);
    SetEntry(set, 3, "750", 0);
    SetEntry(set, 4, "999", -1);
    set.count = 5;
  } else {
    SetEntry(set, 0, "000", 1);
    SetEntry(set, 1, "500", 0);
    SetEntry(set, 2, "999", -1);
    set.count = 3;
  }
}

// Combines a record value into a running value, in hundredths of a percent:
// '*' multiplies the factors, '+' adds their differences from 10000, 'H'
// keeps the higher, 'L' the lower. A value of 0 adjusts nothing and is left
// out; an empty running value takes the value.
std::uint16_t Combine(char op, std::uint16_t running, std::uint16_t value) {
  if (value == 0 || running == 0) return value == 0 ? running : value;
  // A combination at or below zero is the smallest factor, not "no adjustment".
  return static_cast<std::uint16_t>(
      std::clamp<std::int64_t>(CombineAdjustmentValues(op, running, value, 10000), 1, 65535));
}

// The state check: the state list after the cell record "999" (else "***")
// holds the origin in an entry for 'F' or 'B', or else the destination in
// one for 'T' or 'B'. Without such a record no lane passes.
bool PassesStateCheck(const LaneAdjustmentWork& work, const AdjustmentFile& file) {
  namespace sl = lane_adjustment::state_list;
  std::optional<FoundAdjustment> marker;
  for (const char* number : {"999", "***"})
    if (!marker)
      marker = file.findFrom(0, cell::kSize,
                             [&](std::span<const std::uint8_t> r) { return std::memcmp(r.data(), number, 3) == 0; });
  if (!marker) return false;
  const auto holds = [](std::span<const std::uint8_t> entry, const LaneEnd& end) {
    const std::string_view zip(reinterpret_cast<const char*>(entry.data()) + sl::kZip, 5);
    std::string_view place(reinterpret_cast<const char*>(entry.data()) + sl::kStateCity, sl::kStateCityWidth);
    place = place.substr(0, place.find_last_not_of(' ') + 1);
    return (zip == "     " || zip == std::string_view(end.zip.data(), 5)) && !place.empty() &&
           place == std::string_view(end.stateCity.data(), place.size());
  };
  for (const auto& [end, letter] : {std::pair{&work.origin, 'F'}, std::pair{&work.destination, 'T'}}) {
    bool found = false;
    for (std::uint32_t at = marker->position + cell::kSize;; at += sl::kSize) {
      const std::optional<FoundAdjustment> entry =
          file.findFrom(at, sl::kSize, [](std::span<const std::uint8_t>) { return true; });
      if (!entry) break;
      const char direction = static_cast<char>(entry->bytes[sl::kDirection]);
      if ((direction == letter || direction == 'B') && holds(entry->bytes, *end)) found = true;
    }
    if (found) return true;
  }
  return false;
}

bool CombinesInPlace(char op) { return op == '*' || op == '+' || op == 'H' || op == 'L'; }

// The default path: 347-byte records of one value per cell, by adjustment
// number ranges that say whether their values are percentages or amounts.
void ApplyCellRecords(LaneAdjustmentWork& work, const AdjustmentFile& file, const RateGrid& rates,
                      const MinimumChargeAmounts& minimums, const LaneTariffFacts& tariff) {
  if (work.current.count <= 0) FillDefaultRanges(work.current, tariff.tariffType);
  const AdjustmentParameterSet& ranges = work.current;
  const int rangeCount = std::min<int>(ranges.count, static_cast<int>(AdjustmentParameterSet::kEntries));
  const auto textOf = [](const AdjustmentParameterSet::Entry& e) { return std::string_view(e.text.data(), 3); };
  const auto applyValues = [&](const std::array<std::uint16_t, kAdjustmentMatrixSize>& values, int chargeCount) {
    const bool percentage = work.percentFlag == 1;
    for (std::int32_t& charge : FirstCharges(minimums, chargeCount))
      charge = ApplyCombinedAdjustment(charge, values[0], percentage);
    ForEachRate(rates, -1, [&](std::int32_t& rate, std::size_t index, int) {
      rate = ApplyCombinedAdjustment(rate, values[work.oneAdjustment ? 0 : index], percentage);
    });
  };

  bool stateChecked = false, passesStateCheck = false;
  for (int k = 0; k < rangeCount; ++k) {
    const AdjustmentParameterSet::Entry& entry = ranges.entries[static_cast<std::size_t>(k)];
    work.combined.fill(0);
    work.percentFlag = entry.value;
    if (work.percentFlag == -1) break;
    const std::string_view low = textOf(entry);
    const std::optional<std::string_view> high =
        k + 1 < rangeCount ? std::optional(textOf(ranges.entries[static_cast<std::size_t>(k) + 1])) : std::nullopt;
    for (int i = 0; i < HitCount(work); ++i) {
      AdjustmentHitTable::NumberHit& hit = work.hits.numbers[static_cast<std::size_t>(i)];
      const std::string_view number(hit.number.data(), 3);
      if (number < low || (high && number >= *high)) continue;
      // Numbers beginning '4' hold only for lanes the state list holds.
      if (number[0] == '4') {
        if (!stateChecked) passesStateCheck = PassesStateCheck(work, file);
        stateChecked = true;
        if (!passesStateCheck) continue;
      }
      const std::optional<FoundAdjustment> found = file.findFrom(
          hit.position, cell::kSize,
          [&](std::span<const std::uint8_t> r) { return std::memcmp(r.data(), hit.number.data(), 3) == 0; });
      if (!found) continue;
      hit.position = found->position;
      const RecordView record(found->bytes);
      const auto valueAt = [&](std::size_t index) { return record.value(cell::kCellValues + 2 * index); };
      if (work.percentFlag == 1 && CombinesInPlace(work.combineOperator)) {
        work.combined[0] = Combine(work.combineOperator, work.combined[0], valueAt(0));
        if (!work.oneAdjustment)
          ForEachRate(rates, -1, [&](std::int32_t&, std::size_t index, int) {
            work.combined[index] = Combine(work.combineOperator, work.combined[index], valueAt(index));
          });
      } else {
        for (std::size_t v = 0; v < work.values.size(); ++v) work.values[v] = valueAt(v);
        applyValues(work.values, minimums.recordCount);
        work.combined[0] = 0;
      }
    }
    if (work.combineOperator != 0 && work.combineOperator != ' ') {
      work.values = work.combined;
      applyValues(work.values, minimums.callerCount);
      if (minimums.kindSix)
        for (std::int32_t& charge : FirstCharges(minimums, minimums.recordCount))
          charge = ApplyCombinedAdjustment(charge, work.values[0], work.percentFlag == 1);
    }
  }
}

}  // namespace

std::int64_t CombineAdjustmentValues(char op, std::int64_t running, std::int64_t value, std::int64_t unit) {
  if (value == 0) return running;
  if (running == 0) return value;
  switch (op) {
    case '*': return (running * value + unit / 2) / unit;
    case '+': return running + value - 10000;
    case 'H': return std::max(running, value);
    case 'L': return std::min(running, value);
    default: return running;
  }
}

std::int32_t ApplyPointAdjustment(std::int32_t x, std::uint16_t value, char op) {
  if (value == 0 || x == 0) return x;
  if (op == '1') return ApplyFactor(x, value);
  if (op == '2') return Saturate(static_cast<std::int64_t>(x) + value);
  return x;
}

std::int32_t ApplyLanePairAdjustment(std::int32_t x, std::uint16_t value, char op, int divisor, int multiplier,
                                     bool truncating) {
  if (x == 0) return 0;
  if (op == '0' || value == 0) return x;
  if (op == '1') {
    if (truncating && x <= 2'500'000) return Saturate(static_cast<std::int64_t>(value / 10) * x / divisor);
    const std::int64_t product = static_cast<std::int64_t>(value) * x;
    return Saturate(divisor == 10 ? (product + 50) / 100 : (product + 5000) / 10000);
  }
  if (op == '2') return Saturate(static_cast<std::int64_t>(x) + static_cast<std::int64_t>(value) * multiplier);
  return x;
}

std::int32_t ApplyOperatorAdjustment(std::int32_t x, std::uint16_t value, char op, std::uint16_t& floorValue) {
  if (value == 0) return x;
  if (x == 0) return 0;
  switch (op) {
    case '*': return ApplyFactor(x, value);
    case '+': return Saturate(static_cast<std::int64_t>(x) + value);
    case '-': return Saturate(static_cast<std::int64_t>(x) - value);
    case 'F': floorValue = value; return x;
    default: return x;
  }
}

std::int32_t ApplyCombinedAdjustment(std::int32_t x, std::uint16_t value, bool percentage) {
  if (value == 0) return x;
  if (x == 0) return 0;
  return percentage ? ApplyFactor(x, value) : Saturate(static_cast<std::int64_t>(x) + value);
}

int ApplyLaneAdjustments(LaneAdjustmentWork& work, const AdjustmentFile* adjustments, RateGrid rates,
                         MinimumChargeAmounts minimums, const LaneTariffFacts& tariff) {
  if (adjustments == nullptr || work.hits.count <= 0) return 1;
  const bool rangeLanes = work.type == LaneAdjustmentType::kRangeLanes;
  if (work.type == LaneAdjustmentType::kPointPairs || (rangeLanes && work.mode == 1))
    ApplyPointRecords(work, *adjustments, rates, minimums);
  else if (work.type == LaneAdjustmentType::kZipSlots || (rangeLanes && work.mode == 2))
    ApplyLanePairRecords(work, *adjustments, rates, minimums, tariff);
  else if (work.type == LaneAdjustmentType::kZonePercent || (rangeLanes && work.mode == 3))
    ApplyOperatorRecords(work, *adjustments, rates, minimums);
  else
    ApplyCellRecords(work, *adjustments, rates, minimums, tariff);
  return 0;
}

LaneAdjustmentType LaneAdjustmentTypeOf(char letter) {
  switch (letter) {
    case 'L': return LaneAdjustmentType::kZoneText;
    case 'Y': return LaneAdjustmentType::kPointPairs;
    case 'C': return LaneAdjustmentType::kZipSlots;
    case 'T': return LaneAdjustmentType::kZonePercent;
    case 'U': return LaneAdjustmentType::kRangeLanes;
    case 'A': return LaneAdjustmentType::kZoneAmounts;
    case 'G': return LaneAdjustmentType::kGlobalList;
    default: return LaneAdjustmentType::kNone;
  }
}

}  // namespace vorn
