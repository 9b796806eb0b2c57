// The tariff base's files the result display reads: the rate-base titles
// (.TBL, 16-byte records, the first 13 characters of each a name) and the
// central coastal fee (.ZCT, 5-byte ZIP codes; .VAL, three ints a record:
// the billed-weight threshold, the fee in cents when one end is listed,
// the fee when both are).
#pragma once

#include <cstdint>
#include <string>

#include "shell/rating_context_fields.h"

namespace qiv {

// Reads the names into the RatingContext (25 kept) and sets the rate-base
// title by the rate base's kind letter, reformatting the rate-base number
// where the letter says so. False when the file cannot be read.
bool ReadTariffBasisTable(RatingContext& context, const std::string& basePath);

// The coastal fee in cents of the lane: 0 when neither end is listed or a
// file is missing.
std::int32_t LookupCoastalFee(const RatingContext& context, const std::string& basePath);

}  // namespace qiv
