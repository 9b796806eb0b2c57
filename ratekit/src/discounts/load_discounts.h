// LoadDiscounts: the discounts of the lane from the sources the current
// profile switches on, in order (a later one overwriting what an earlier
// one set): the .DIS class band (profile short 151), the typed discount
// (149), the ZIP pairs (.DEF short 254, copied from the profile).
//
// The program passes mode 0. Any other mode fills the caller's block (the
// program's 1792-byte discount buffer) from the .DIS bands: the four bands'
// floors at 1230 + 44b, their MC discounts at 1234 + 44b (with the block's
// short at 1228 set to 1: the first break text of band 0 for scheme '1',
// else of band b), and the break discounts at 1238 + 44b + 4j for each
// discount entry j whose weight (the number at .DIS entry byte 11) reaches
// the lower bound of .WGT record j (the first break text with the short at
// 1228 set); then the ZIP pairs as in mode 0.
#pragma once

#include <cstdint>

#include "ratekit/rating_context.h"

namespace ratekit {

inline constexpr std::size_t kDiscountBlockSize = 1792;

// 1 when a ZIP-pair entry held the lane, else 0.
std::int16_t LoadLaneDiscounts(RatingContextView& record, std::uint8_t* block, int mode);

}  // namespace ratekit
