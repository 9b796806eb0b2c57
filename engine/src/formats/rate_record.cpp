#include "formats/rate_record.h"

#include <algorithm>
#include <cstring>

#include "formats/packed_codes.h"
#include "platform/kernel/digits.h"

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
  const std::string_view digits = field(kFourDigitNumber);
  if (digits.empty()) return 0;  // (a record too short to hold them)
  const std::optional<std::uint64_t> n = platform::ParseDigits(digits);
  if (!n) return std::nullopt;
  return static_cast<std::uint32_t>(*n);
}

std::uint32_t RateRecord::entry(std::size_t i) const {
  if (i >= entryCount()) return 0;
  return Load24(std::span<const std::uint8_t, 3>(bytes_.data() + kHeadSize + 3 * i, 3));
}

}  // namespace vorn
