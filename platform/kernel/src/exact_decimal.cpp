#include "exact_decimal.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace platform::detail {
namespace {

// An unsigned whole number of any size, in 32-bit limbs, least significant
// first.
class WideNumber {
 public:
  explicit WideNumber(std::uint64_t value) {
    limbs_.push_back(static_cast<std::uint32_t>(value));
    limbs_.push_back(static_cast<std::uint32_t>(value >> 32));
    trim();
  }

  void multiply(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint64_t product = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  }

  void add(std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::size_t i = 0; carry != 0; ++i) {
      if (i == limbs_.size()) limbs_.push_back(0);
      const std::uint64_t sum = std::uint64_t{limbs_[i]} + carry;
      limbs_[i] = static_cast<std::uint32_t>(sum);
      carry = sum >> 32;
    }
  }

  void shiftLeft(unsigned bits) {
    limbs_.insert(limbs_.begin(), bits / 32, 0);
    const unsigned rest = bits % 32;
    if (rest == 0) return;
    std::uint32_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint32_t next = limb >> (32 - rest);
      limb = limb << rest | carry;
      carry = next;
    }
    if (carry != 0) limbs_.push_back(carry);
  }

  bool bit(unsigned index) const {
    const std::size_t limb = index / 32;
    return limb < limbs_.size() && (limbs_[limb] >> (index % 32) & 1u) != 0;
  }

  void shiftRight(unsigned bits) {
    const std::size_t whole = std::min<std::size_t>(bits / 32, limbs_.size());
    limbs_.erase(limbs_.begin(), limbs_.begin() + static_cast<std::ptrdiff_t>(whole));
    const unsigned rest = bits % 32;
    if (rest != 0) {
      for (std::size_t i = 0; i < limbs_.size(); ++i) {
        const std::uint32_t high = i + 1 < limbs_.size() ? limbs_[i + 1] << (32 - rest) : 0;
        limbs_[i] = limbs_[i] >> rest | high;
      }
    }
    trim();
  }

  std::string decimal() const {
    std::vector<std::uint32_t> rest = limbs_;
    std::string digits;
    while (!rest.empty()) {
      // Divides by 10^9 and writes the nine digits of the remainder.
      std::uint64_t remainder = 0;
      for (std::size_t i = rest.size(); i-- > 0;) {
        const std::uint64_t current = remainder << 32 | rest[i];
        rest[i] = static_cast<std::uint32_t>(current / 1000000000u);
        remainder = current % 1000000000u;
      }
      while (!rest.empty() && rest.back() == 0) rest.pop_back();
      for (int i = 0; i < 9; ++i, remainder /= 10) digits.push_back(static_cast<char>('0' + remainder % 10));
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    if (digits.empty()) digits = "0";
    std::reverse(digits.begin(), digits.end());
    return digits;
  }

 private:
  void trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
  }
  std::vector<std::uint32_t> limbs_;
};

}  // namespace

std::string RoundedDecimalDigits(double value, int decimals) {
  // value = mantissa x 2^exponent exactly.
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const auto biased = static_cast<int>(bits >> 52 & 0x7FF);
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  int exponent = -1074;
  if (biased != 0) {
    mantissa |= std::uint64_t{1} << 52;
    exponent = biased - 1075;
  }
  WideNumber scaled(mantissa);
  for (int d = 0; d < decimals; ++d) scaled.multiply(10);
  if (exponent >= 0) {
    scaled.shiftLeft(static_cast<unsigned>(exponent));
  } else {
    // The bits shifted out are the fraction: it is a half or more exactly
    // when its highest bit is set, and then the magnitude rounds up.
    const auto shift = static_cast<unsigned>(-exponent);
    const bool roundUp = scaled.bit(shift - 1);
    scaled.shiftRight(shift);
    if (roundUp) scaled.add(1);
  }
  return scaled.decimal();
}

}  // namespace platform::detail
