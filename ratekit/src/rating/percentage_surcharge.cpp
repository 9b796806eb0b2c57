#include "rating/percentage_surcharge.h"

#include <cfloat>
#include <cmath>

#include "context/context_fields.h"
#include "messages/message_numbers.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "rating/answer_text.h"
#include "utilities/text_utilities.h"

namespace ratekit {

std::optional<std::int32_t> PutPercentageSurcharge(RatingContextView& record, const RatedTotals& totals) {
  double amount = 0.0;
  if (ShortField(record, rating_defaults::kSurchargeInUse) != 0) {
    const std::int64_t v =
        platform::LeadingInteger(platform::UntilNul(record.text(rating_defaults::kTlFromBreak))).value;
    if (v < 0 || v >= static_cast<std::int64_t>(context::kBreakSlots)) return message::kInvalidSurcharge;
    const bool beforeDiscount = record.charAt(tariff_settings::kSurchargeBeforeDiscount.offset) == 'Y';
    const double base =
        static_cast<double>(beforeDiscount ? totals.totalChargeCents : totals.totalChargeCents - totals.discountCents) /
        100.0;
    const bool ltl = totals.totalWeight < IntField(record, context::BreakLowerBound(static_cast<std::size_t>(v)));
    const float percent =
        record.floatAt((ltl ? rating_defaults::kLtlSurchargePercent : rating_defaults::kTlSurchargePercent).offset);
    const double raw = base * static_cast<double>(percent) / 100.0;
    if (!(std::fabs(raw) <= static_cast<double>(FLT_MAX))) return message::kInvalidSurcharge;
    amount = RoundHalfUp51(static_cast<float>(raw), 2);
    SetIntField(record, rating_totals::kSurchargeBreak, static_cast<std::int32_t>(ltl ? v - 1 : v + 1));
  }
  if (!PutFieldText(record, rating_totals::kSurchargeAmount, platform::DecimalText(amount, 9, 2)))
    return message::kInvalidSurcharge;
  return std::nullopt;
}

}  // namespace ratekit
