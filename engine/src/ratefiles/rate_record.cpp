#include "ratefiles/rate_record.h"

#include <algorithm>
#include <cstring>

#include "ratefiles/packed_numbers.h"

namespace vorn {

void RateRecord::assign(std::span<const std::uint8_t> bytes) {
  length_ = std::min(bytes.size(), kMaxLength);
  std::memcpy(bytes_.data(), bytes.data(), length_);
  refreshHead();
}

void RateRecord::refreshHead() {
  head_.fill(' ');
  std::memcpy(head_.data(), bytes_.data(), std::min(length_, kHeadSize));
}

void RateRecord::setByte(std::size_t offset, std::uint8_t value) {
  if (offset >= length_) return;
  bytes_[offset] = value;
  refreshHead();
}

std::optional<std::uint32_t> RateRecord::fourDigitNumber() const {
  std::uint32_t n = 0;
  for (char c : field(kFourDigitNumber)) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return n;
}

std::uint32_t RateRecord::entry(std::size_t i) const {
  if (i >= entryCount()) return 0;
  return Load24(std::span<const std::uint8_t, 3>(bytes_.data() + kHeadSize + 3 * i, 3));
}

}  // namespace vorn
