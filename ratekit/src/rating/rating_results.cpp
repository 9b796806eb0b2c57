#include "rating/rating_results.h"

#include <algorithm>
#include <span>
#include <string>

#include "context/context_fields.h"
#include "context/token_table.h"
#include "messages/message_numbers.h"
#include "platform/kernel/fixed_format.h"
#include "rating/answer_text.h"
#include "rating/charge_lists.h"
#include "rating/lane_files.h"
#include "rating/percentage_surcharge.h"

namespace ratekit {
namespace {

namespace sr = vorn::shipment;
namespace rt = rating_totals;
using platform::FieldSpan;

constexpr std::size_t kRateBaseLength = 8;
constexpr std::size_t kServiceLetter = 5;  // the sixth character of the rate base number

// The rate base number: the method text's characters without blanks and
// NULs, at most 8; the sixth is the service letter.
void PutRateBaseNumber(RatingContextView& record, const vorn::ShipmentRecord& answer, bool canadianLane) {
  std::string number;
  for (char c : answer.text(sr::kMethodText))
    if (c != ' ' && c != '\0' && number.size() < kRateBaseLength) number += c;
  if (canadianLane) {
    const int served = CheckCanadianLane(record);
    SetIntField(record, context::kCheckQivCanResult, served);
    if (served == 1 && number.size() > kServiceLetter) number[kServiceLetter] = 'A';
  } else if (number.size() > kServiceLetter) {
    char& letter = number[kServiceLetter];
    if (letter == 'A') letter = 'N';
    if (letter == 'J') letter = 'A';
    if (letter == 'H') letter = 'L';
  }
  record.setText(context::kRateBaseNumber, number, '\0');
}

// Every text is written only when it fits its field.
class ResultWriter {
 public:
  explicit ResultWriter(RatingContextView& record) : record_(record) {}
  void put(FieldSpan field, const std::string& text) { fits_ = PutFieldText(record_, field, text) && fits_; }
  // Cents as "%<width>.2f" (Padding::Zeros: "%0<width>.2f"), NUL-padded.
  void money(FieldSpan field, std::int64_t cents, int width, platform::Padding padding = platform::Padding::Blanks) {
    const std::span<char> room = record_.span(field);
    const std::optional<std::size_t> length = platform::WriteFixedPoint(room, cents, width, 2, padding);
    if (!length) {
      fits_ = false;
      return;
    }
    std::fill(room.begin() + static_cast<std::ptrdiff_t>(*length), room.end(), '\0');
  }
  void copy(FieldSpan field, std::string_view bytes) { record_.setText(field, bytes, '\0'); }
  bool allFitted() const { return fits_; }

 private:
  RatingContextView& record_;
  bool fits_ = true;
};

}  // namespace

std::optional<std::int32_t> CopyRatingResults(RatingContextView& record, const vorn::ShipmentRecord& answer) {
  ResultWriter out(record);
  const std::int64_t sum =
      AnswerCents(answer.text(sr::kNetCharge)) + AnswerCents(answer.text(sr::kPercentDiscountAmount));
  out.money(rt::kHeaderAmountsSum, sum, 7, platform::Padding::Zeros);

  PutRateBaseNumber(record, answer, IntField(record, context::kCanadaFlag) != 0);
  record.setText(context::kUsRateTable, answer.text(sr::kRateTable));

  std::int64_t lineCharges = 0;
  for (std::size_t i = 0; i < shipment_lines::kLines; ++i) {
    const std::size_t line = sr::DetailLine(i).offset;
    const std::int64_t rate = AnswerCents(answer.text({line + sr::detail::kRate.offset, sr::detail::kRate.width}));
    const std::int64_t charge =
        AnswerCents(answer.text({line + sr::detail::kCharge.offset, sr::detail::kCharge.width}));
    out.money(shipment_lines::RateText(i), rate, 7);
    out.money(shipment_lines::ChargeText(i), charge, 9);
    lineCharges += charge;
  }

  record.setText(shipment_point::Of(0, shipment_point::kState), answer.text({sr::kOriginStateCity.offset, 2}));
  record.setText(shipment_point::Of(1, shipment_point::kState), answer.text({sr::kDestinationStateCity.offset, 2}));
  if (IntField(record, context::kZpsLoaded) == 0) {
    record.setChar(shipment_point::Of(0, shipment_point::kServiceLetter).offset,
                   answer.charAt(sr::kOriginPointLetter.offset));
    record.setChar(shipment_point::Of(1, shipment_point::kServiceLetter).offset,
                   answer.charAt(sr::kDestinationPointLetter.offset));
  }

  const std::int64_t deficitCharge = AnswerCents(answer.text(sr::kDeficitCharge));
  const std::int64_t totalCharge = lineCharges + deficitCharge;
  const std::int64_t totalWeight = AnswerWhole(answer.text(sr::kBilledWeight));
  out.copy(rt::kNetCharge, answer.text(sr::kGrossCharge));
  out.money(rt::kDeficitCharge, deficitCharge, 9);
  out.money(rt::kTotalCharge, totalCharge, 11);
  out.copy(rt::kDiscountAmount, answer.text(sr::kBreakDiscountAmount));
  out.put(rt::kTotalWeight, platform::RightAlignedOmittingZero(totalWeight, 6));
  out.copy(rt::kDiscountPercent, answer.text(sr::kDiscountPercent));
  out.put(rt::kActualWeight, platform::RightAlignedOmittingZero(AnswerWhole(answer.text(sr::kActualWeight)), 6));
  out.put(rt::kDeficitWeight, platform::RightAlignedOmittingZero(AnswerWhole(answer.text(sr::kDeficitWeight)), 6));
  out.money(rt::kDeficitRate, AnswerCents(answer.text(sr::kDeficitRate)), 7);

  FillChargeLists(record, answer);
  const RatedTotals totals{totalCharge, AnswerCents(answer.text(sr::kBreakDiscountAmount)), totalWeight};
  const std::optional<std::int32_t> surcharge = PutPercentageSurcharge(record, totals);
  record.setText(context::kLastTotalWeightText, record.text(rt::kTotalWeight));
  if (surcharge) return surcharge;
  if (!out.allFitted()) return message::kAlreadyShown;
  return std::nullopt;
}

}  // namespace ratekit
