// The discounts of one rating: the two discount records of the request, the
// block the point services choose, and the amounts taken off.
#pragma once

#include <array>
#include <cstdint>

namespace vorn {

// A block of discount percentages: field 0 for the net and the minimums,
// field b + 1 for break b. A break field written " 9999" marks the end of
// the discounted breaks and is no discount.
struct DiscountBlock {
  std::array<char, 2> tag{};
  std::array<float, 10> percent{};
  std::array<bool, 10> endOfBreaks{};

  // The percentage field k gives as a discount: 0 for an end-of-breaks mark.
  float discountAt(std::size_t k) const { return k < percent.size() && !endOfBreaks[k] ? percent[k] : 0.0f; }
};

// The break count of a discount record without an end-of-breaks mark: every
// break has a discount field (a count, not an engine code).
inline constexpr int kEveryBreakDiscounted = 100;

struct DiscountState {
  bool on = false;
  char kind = 'C';                         // 'R' discounts rates, 'C' charges
  int breakCount = kEveryBreakDiscounted;  // breaks that have discount fields
  DiscountBlock direct;                    // from discount record 1 ("D%")
  DiscountBlock indirect;                  // from discount record 2 ("I%")
  bool indirectGiven = false;              // record 2 is tagged "I%"
  DiscountBlock applied;                   // chosen by the point services
  std::int32_t breakDiscountAmount = 0;    // cents
  std::int32_t percentDiscountAmount = 0;  // cents
  float discountPercent = 0;
};

}  // namespace vorn
