// The minimum charges a lane's rate record gives by tariff type, when its
// first entry is not the number of a minimum-charge file layout and no
// ZIP-pair record gives them: the layout, its amounts and its count.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "rating/rate_source.h"

namespace vorn {

// What the rate record says of its minimums.
struct RecordMinimumFields {
  std::array<std::int32_t, 4> entries{};  // entries 0 to 3, cents
  char kind = ' ';                        // the record's kind letter
  char variant = ' ';                     // its variant digit
  bool addOnWords = false;                // the pass holds add-on words
};

// The tariff's own rules and amounts that some types take.
struct MinimumRules {
  char kVariantSign = ' ';          // type 'K': '_', '^', ']' or '\'
  bool tierLayout = false;          // types 'F', 'G': minimums by weight tier
  std::int32_t kindFactor = 10000;  // type 'C': the kind's minimum factor
  // The distance tier amount and the weight tier amount of a weight.
  std::function<std::int32_t(std::int32_t)> distanceTier = [](std::int32_t) { return 0; };
  std::function<std::int32_t(std::int32_t)> weightTier = [](std::int32_t) { return 0; };
};

LaneMinimums MinimumsByTariffType(char type, const RecordMinimumFields& record, const MinimumRules& rules);

// The minimum of type 'C': (amount x factor + 5000) / 10000, rounded to the
// nearest multiple of 5.
std::int32_t KindFactorMinimum(std::int32_t amount, std::int32_t factor);

}  // namespace vorn
