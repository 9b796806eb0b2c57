#include "lanes/adjustment_hits.h"

#include <algorithm>
#include <cstring>

namespace vorn {

std::optional<int> StoreAdjustmentHit(std::span<const std::uint8_t> field, int mode,
                                      const std::optional<std::array<char, 3>>& suffix, int slot,
                                      LaneAdjustmentWork& work) {
  const auto at = static_cast<std::size_t>(slot);
  const auto copy = [&](char* to, std::size_t width) {
    std::memset(to, ' ', width);
    std::memcpy(to, field.data(), std::min(width, field.size()));
  };
  switch (mode) {
    case 0:
      if (at >= AdjustmentHitTable::kSlots) return slot;
      copy(work.hits.numbers[at].number.data(), 3);
      work.hits.numbers[at].position = 0;
      return slot + 1;
    case 1:
    case 3:
      if (at >= AdjustmentHitTable::kSlots) return slot;
      work.hits.values[at] = {0, static_cast<std::uint16_t>(field.size() >= 2 ? field[0] | field[1] << 8 : 0), 0};
      return slot + 1;
    case 2: {
      const std::size_t pairs = suffix ? 2 : 1;
      if (at + pairs > kMaxLanePairs) return std::nullopt;
      copy(work.lanePairs[at].data(), 3);
      std::memcpy(work.lanePairs[at].data() + 3, "000", 3);
      if (suffix) {
        copy(work.lanePairs[at + 1].data(), 3);
        std::memcpy(work.lanePairs[at + 1].data() + 3, suffix->data(), 3);
      }
      return slot + static_cast<int>(pairs);
    }
    default: return slot;
  }
}

}  // namespace vorn
