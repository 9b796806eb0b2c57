#include "minimums/minimum_charges.h"

#include <algorithm>
#include <vector>

namespace vorn {
namespace {

struct Item {
  char kind;
  std::int32_t threshold;
  std::int32_t amount;
};

struct Layout {
  std::array<char, 4> kinds;
  std::array<std::int32_t, 4> thresholds;
};

constexpr std::array<Layout, 5> kLayouts{{
    {{'1', ' ', ' ', ' '}, {0, 0, 0, 0}},
    {{'1', '1', '1', '1'}, {0, 200, 300, 400}},
    {{'1', '0', '1', '0'}, {100, 0, 0, 100}},
    {{'1', '1', ' ', ' '}, {0, 100, 0, 0}},
    {{'1', '0', ' ', ' '}, {0, 0, 0, 0}},
}};

// The highest threshold at or below the weight among items sorted by it.
const Item* HighestReached(const std::vector<Item>& items, std::int32_t weight) {
  const Item* found = nullptr;
  for (const Item& item : items)
    if (item.threshold <= weight) found = &item;
  return found;
}

}  // namespace

MinimumChargeList LayOutMinimums(const LaneMinimums& minimums) {
  if (minimums.layout < 0 || minimums.layout >= static_cast<std::int16_t>(kLayouts.size())) {
    MinimumChargeList list = minimums.list;
    list.layout = minimums.layout;
    list.count = std::clamp<std::int16_t>(list.count, 0, static_cast<std::int16_t>(MinimumChargeList::kItems));
    return list;
  }
  MinimumChargeList list;
  list.kinds.fill(' ');
  const Layout& layout = kLayouts[static_cast<std::size_t>(minimums.layout)];
  for (std::size_t i = 0; i < 4; ++i) {
    list.kinds[i] = layout.kinds[i];
    list.thresholds[i] = layout.thresholds[i];
    list.amounts[i] = layout.kinds[i] == ' ' ? 0 : minimums.amounts[i];
  }
  list.layout = minimums.layout;
  list.count = std::clamp<std::int16_t>(minimums.count, 0, 4);
  return list;
}

std::int32_t SelectMinimum(MinimumChargeList& list, std::int32_t totalWeight, bool singleShipment) {
  std::vector<Item> minimums, singles;
  const std::size_t count =
      static_cast<std::size_t>(std::clamp<std::int16_t>(list.count, 0, MinimumChargeList::kItems));
  for (std::size_t i = 0; i < count; ++i) {
    const Item item{list.kinds[i], list.thresholds[i], list.amounts[i]};
    if (item.kind == '1') minimums.push_back(item);
    if (item.kind == '0') singles.push_back(item);
  }
  auto byThreshold = [](const Item& a, const Item& b) { return a.threshold < b.threshold; };
  std::stable_sort(minimums.begin(), minimums.end(), byThreshold);
  std::stable_sort(singles.begin(), singles.end(), byThreshold);

  const Item* chosen = singleShipment ? HighestReached(singles, totalWeight) : nullptr;
  if (!chosen) chosen = HighestReached(minimums, totalWeight);
  const std::int32_t minimum = chosen ? chosen->amount : 0;

  std::size_t at = 0;
  for (const std::vector<Item>* items : {&minimums, &singles})
    for (const Item& item : *items) {
      list.kinds[at] = item.kind;
      list.thresholds[at] = item.threshold;
      list.amounts[at] = item.amount;
      ++at;
    }
  for (std::size_t i = at; i < count; ++i) {
    list.kinds[i] = ' ';
    list.thresholds[i] = 0;
    list.amounts[i] = 0;
  }
  list.count = static_cast<std::int16_t>(at);
  return minimum;
}

}  // namespace vorn
