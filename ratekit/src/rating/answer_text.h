// Reading the engine's fixed-width figures and writing the texts made from
// them into the RatingContext.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/kernel/byte_record.h"
#include "ratekit/rating_context.h"

namespace ratekit {

// A money figure of the answer ("0044.72", "    56.16") in cents: blanks
// before it skipped, digits with an optional point and two decimals.
std::int64_t AnswerCents(std::string_view field);

// A whole figure of the answer ("001550"), read as atoi reads it.
std::int64_t AnswerWhole(std::string_view field);

// Writes text into its field, NUL-padded; false (and nothing written) when
// the text is longer than the field.
bool PutFieldText(RatingContextView& record, platform::FieldSpan field, const std::string& text);

}  // namespace ratekit
