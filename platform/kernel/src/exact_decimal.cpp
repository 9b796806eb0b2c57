#include "exact_decimal.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
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

using Narrow = unsigned __int128;

// Decimals up to this many keep mantissa x 10^decimals below 2^117.
constexpr int kNarrowDecimals = 19;
constexpr int kNarrowBits = 128;

int BitLength(Narrow value) {
  const auto high = static_cast<std::uint64_t>(value >> 64);
  return high != 0 ? 128 - std::countl_zero(high) : 64 - std::countl_zero(static_cast<std::uint64_t>(value));
}

std::string NarrowDecimal(Narrow value) {
  constexpr std::uint64_t kTen19 = 10'000'000'000'000'000'000u;
  char digits[40];
  char* end = digits + sizeof digits;
  char* p = end;
  auto put = [&p](std::uint64_t part, bool full) {
    for (int n = 0; part != 0 || (full && n < 19); ++n, part /= 10) *--p = static_cast<char>('0' + part % 10);
  };
  while (value > kTen19 - 1) {
    put(static_cast<std::uint64_t>(value % kTen19), true);
    value /= kTen19;
  }
  put(static_cast<std::uint64_t>(value), false);
  if (p == end) *--p = '0';
  return std::string(p, end);
}

// The same rounding in 128-bit arithmetic, when the scaled value fits.
std::optional<std::string> NarrowRoundedDigits(std::uint64_t mantissa, int exponent, int decimals) {
  if (decimals > kNarrowDecimals) return std::nullopt;
  Narrow scaled = mantissa;
  for (int d = 0; d < decimals; ++d) scaled *= 10;
  if (exponent >= 0) {
    if (scaled != 0 && BitLength(scaled) + exponent > kNarrowBits) return std::nullopt;
    return NarrowDecimal(scaled << exponent);
  }
  const auto shift = static_cast<unsigned>(-exponent);
  if (shift > static_cast<unsigned>(BitLength(scaled))) return std::string("0");  // below a half
  // As below: the highest bit shifted out decides (shift is at most 117).
  const bool roundUp = (scaled >> (shift - 1) & 1) != 0;
  return NarrowDecimal((scaled >> shift) + (roundUp ? 1 : 0));
}

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
  if (std::optional<std::string> narrow = NarrowRoundedDigits(mantissa, exponent, decimals)) return std::move(*narrow);
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
