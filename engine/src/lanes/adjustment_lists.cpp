#include "lanes/adjustment_lists.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "errors/engine_codes.h"
#include "formats/global_lanes.h"
#include "lanes/apply_lane_adjustments.h"
#include "platform/kernel/byte_record.h"

namespace vorn {
namespace {

namespace adj = global_lanes::adjustment;
constexpr std::size_t kListEntries = 15;

struct ListEntry {
  char operation;
  std::vector<std::int64_t> values;  // one for the minimums; one per position for the rates
};

std::int64_t PowerOfTen(int n) {
  std::int64_t p = 1;
  for (int k = 0; k < n; ++k) p *= 10;
  return p;
}

bool Fits(std::int64_t x) {
  return x >= std::numeric_limits<std::int32_t>::min() && x <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

std::vector<std::vector<std::uint8_t>> ListRecords(const GlobalAdjustmentList& list,
                                                   const AdjustmentFile& adjustments) {
  std::vector<std::vector<std::uint8_t>> records;
  const std::size_t size = list.recordSize;
  for (int i = 0; i < std::min<int>(list.count, static_cast<int>(GlobalAdjustmentList::kEntries)) && size != 0; ++i)
    if (std::optional<FoundAdjustment> record =
            adjustments.recordAt(list.entries[static_cast<std::size_t>(i)].offset / size, size))
      records.push_back(std::move(record->bytes));
  return records;
}

std::int16_t ApplyAdjustmentList(std::span<const std::vector<std::uint8_t>> records, ListColumn column,
                                 const ListSettings& settings, std::span<std::int32_t> amounts, std::int32_t skip) {
  const bool rates = column == ListColumn::kRates;
  std::vector<ListEntry> entries;
  for (const std::vector<std::uint8_t>& record : records) {
    if (entries.size() == kListEntries) break;
    if (record.size() <= adj::kRateOperation) continue;
    const char operation = static_cast<char>(record[rates ? adj::kRateOperation : adj::kMinimumOperation]);
    if (operation < '1' || operation > '6') continue;
    const auto valueAt = [&](std::size_t at) -> std::int64_t {
      return at + 4 <= record.size() ? platform::LoadLittleEndian<std::int32_t>(record.data() + at) : 0;
    };
    ListEntry entry{operation, {}};
    if (rates)
      for (std::size_t k = 0; k < amounts.size(); ++k) entry.values.push_back(valueAt(adj::kRateValues + 4 * k));
    else
      entry.values.push_back(valueAt(adj::kMinimumValue));
    entries.push_back(std::move(entry));
  }

  const int decimals = settings.decimals == '6' ? 4 : settings.decimals == '7' ? 5 : 0;
  // The values of later '1' entries combined into the first, position by
  // position, and cleared.
  if (settings.combine != ' ' && settings.combine != '\0') {
    const auto base =
        std::find_if(entries.begin(), entries.end(), [](const ListEntry& e) { return e.operation == '1'; });
    if (base != entries.end())
      for (auto e = base + 1; e != entries.end(); ++e)
        for (std::size_t k = 0; k < e->values.size(); ++k) {
          base->values[k] =
              CombineAdjustmentValues(settings.combine, base->values[k], e->values[k], PowerOfTen(decimals));
          e->values[k] = 0;
        }
  }

  const auto valueFor = [&](const ListEntry& e, std::size_t k) { return e.values[rates ? k : 0]; };
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const ListEntry& e = entries[i];
    const bool runStarts = i == 0 || entries[i - 1].operation != e.operation;
    const bool runEnds = i + 1 == entries.size() || entries[i + 1].operation != e.operation;
    const int places = e.operation == '4' && runStarts ? std::max(decimals - 3, 0) : decimals;
    const std::int64_t p = PowerOfTen(places);
    for (std::size_t k = 0; k < amounts.size(); ++k) {
      std::int32_t& amount = amounts[k];
      if (amount == skip) continue;
      const std::int64_t v = valueFor(e, k);
      std::int64_t x = amount;
      if (v != 0) {
        switch (e.operation) {
          case '2': x += v; break;
          case '5': x -= v; break;
          default: x = (x * v + p / 2) / p; break;
        }
      }
      if (runEnds && e.operation == '3') x = (x * 10 / 5 + 5) / 10 * 5;
      if (runEnds && e.operation == '4') x = (x + 500) / 1000;
      if (runEnds && e.operation == '6') x = (x + 5) / 10 * 10;
      if (!Fits(x)) return code::kPricingExceedsLimits;
      amount = static_cast<std::int32_t>(x);
    }
  }
  return 0;
}

}  // namespace vorn
