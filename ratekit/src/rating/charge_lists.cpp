#include "rating/charge_lists.h"

#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "context/context_fields.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/money_rounding.h"

namespace ratekit {
namespace {

namespace sr = vorn::shipment;
namespace cl = charge_list;

constexpr std::size_t kAnswerItems = 30;
constexpr char kMinimumChargeKind = '1';

struct Item {
  std::int32_t number = 0;
  std::int32_t charge = 0;  // cents
  bool raised = false;      // to the floor
};

struct List {
  std::array<Item, cl::kEntries> items;
  std::size_t count = 0;
};

// The floor is kept in dollars, as typed and as the discount files give it;
// the items' charges are cents.
std::int64_t FloorCents(float floor) {
  if (!(floor > 0.0f)) return 0;
  const double cents = platform::RoundMoney(static_cast<double>(floor), 2) * 100.0;
  return cents < static_cast<double>(INT32_MAX) ? std::llround(cents) : INT32_MAX;
}

// For each position from the first, every later item whose number is
// smaller than the number now there is exchanged with it.
void SortByNumber(List& list) {
  for (std::size_t q = 0; q < list.count; ++q)
    for (std::size_t p = q + 1; p < list.count; ++p)
      if (list.items[p].number < list.items[q].number) std::swap(list.items[p], list.items[q]);
}

void Store(RatingContextView& record, std::size_t k, const List& list, std::string_view prefix) {
  record.fill(cl::Whole(k), '\0');
  for (std::size_t i = 0; i < list.count; ++i) {
    const Item& item = list.items[i];
    record.setInteger(cl::Number(k, i).offset, item.number);
    record.setInteger(cl::Charge(k, i).offset, item.charge);
    if (item.raised) record.setChar(cl::Flag(k, i).offset, '*');
    const std::string label = std::string(prefix) + platform::FixedPointText(item.number, 5, 0) + "#>";
    record.setText(cl::Label(k, i), label, '\0');
  }
  SetIntField(record, cl::Count(k), static_cast<std::int32_t>(list.count));
}

}  // namespace

void FillChargeLists(RatingContextView& record, const vorn::ShipmentRecord& answer) {
  const std::int64_t floor = FloorCents(record.floatAt(context::kFloor.offset));
  const std::int16_t answered = answer.integerAt<std::int16_t>(sr::kItemCount.offset);
  const std::size_t items = answered <= 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(answered), kAnswerItems);
  std::array<List, 2> lists;
  for (std::size_t q = 0; q < items; ++q) {
    if (record.integerAt<std::int32_t>(context::UsRateItem(q).offset) < 0) continue;
    List& list = lists[answer.charAt(sr::kItemKinds.offset + q) == kMinimumChargeKind ? 0 : 1];
    if (list.count == cl::kEntries) continue;
    Item& item = list.items[list.count++];
    item.number = answer.integerAt<std::int32_t>(sr::kItemNumbers.offset + 4 * q);
    item.charge = answer.integerAt<std::int32_t>(sr::kItemCharges.offset + 4 * q);
    if (item.charge < floor) {
      item.charge = static_cast<std::int32_t>(floor);
      item.raised = true;
    }
  }
  for (List& list : lists) SortByNumber(list);
  Store(record, 0, lists[0], "MC ");
  Store(record, 1, lists[1], "SS ");
}

}  // namespace ratekit
