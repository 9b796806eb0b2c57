#include "rating/class_break_work.h"

namespace vorn {

platform::ByteRecord<BreakRateTable::kItems * 4> BreakRateTable::image() const {
  platform::ByteRecord<kItems * 4> bytes;
  for (std::size_t i = 0; i < kItems; ++i) bytes.setInteger<std::int32_t>(4 * i, items[i]);
  return bytes;
}

platform::ByteRecord<MinimumChargeList::kImageSize> MinimumChargeList::image() const {
  platform::ByteRecord<kImageSize> bytes;
  for (std::size_t i = 0; i < kItems; ++i) {
    bytes.setChar(i, kinds[i]);
    bytes.setInteger<std::int32_t>(32 + 4 * i, thresholds[i]);
    bytes.setInteger<std::int32_t>(152 + 4 * i, amounts[i]);
  }
  bytes.setInteger<std::int16_t>(272, layout);
  bytes.setInteger<std::int16_t>(274, count);
  return bytes;
}

static_assert(32 + 4 * MinimumChargeList::kItems == 152);
static_assert(152 + 4 * MinimumChargeList::kItems == 272);

}  // namespace vorn
