#include "driver/format_result.h"

#include <algorithm>
#include <cstring>

#include "common/money.h"
#include "driver/answer_fields.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "rating/rating.h"

namespace vorn {
namespace {

std::span<char> Field(ShipmentRecord& record, platform::FieldSpan f) { return {record.chars() + f.offset, f.width}; }

// Collects the fields of the answer; nothing reaches the record unless every
// value fits.
class AnswerWriter {
 public:
  explicit AnswerWriter(const ShipmentRecord& record) : answer_(record) {}
  void whole(platform::FieldSpan f, std::int64_t v) { ok_ = WriteWholeNumber(Field(answer_, f), v) && ok_; }
  void cents(platform::FieldSpan f, std::int64_t v, bool zeroPadded = true) {
    ok_ = WriteCents(Field(answer_, f), v, zeroPadded) && ok_;
  }
  void percent(platform::FieldSpan f, double v) { ok_ = WritePercent(Field(answer_, f), v) && ok_; }
  void text(platform::FieldSpan f, std::string_view v) { answer_.setText(f, v); }
  void rightAligned(platform::FieldSpan f, std::string_view v) {
    v = v.substr(0, f.width);
    answer_.setText(f, std::string(f.width - v.size(), ' ') + std::string(v));
  }
  void letter(platform::FieldSpan f, char c) { answer_.setChar(f.offset, c); }
  void wholeAt(std::size_t offset, platform::FieldSpan f, std::int64_t v) {
    ok_ = WriteWholeNumber(Field(answer_, {offset + f.offset, f.width}), v) && ok_;
  }
  void centsAt(std::size_t offset, platform::FieldSpan f, std::int64_t v) {
    ok_ = WriteCents(Field(answer_, {offset + f.offset, f.width}), v, true) && ok_;
  }
  void textAt(std::size_t offset, platform::FieldSpan f, std::string_view v) {
    answer_.setText({offset + f.offset, f.width}, v);
  }
  bool ok() const { return ok_; }
  ShipmentRecord& answer() { return answer_; }

 private:
  ShipmentRecord answer_;
  bool ok_ = true;
};

std::string_view UntilNul(const char* text, std::size_t n) { return std::string_view(text, strnlen(text, n)); }

}  // namespace

std::int16_t FormatShipmentResult(RatingEngine& engine, Rating& rating, ShipmentRecord& record) {
  ParsedRequest& r = rating.request;
  DiscountState& d = rating.discounts;
  const RatingAnswer& a = rating.answer;

  // Discounts: the per-break discount on the gross, the percentage discount
  // on the net, and the absolute minimum.
  std::int32_t gross = r.lineChargeSum + r.deficitCharge;
  std::int32_t net = r.chargeAfterMinimums;
  d.breakDiscountAmount = 0;
  d.percentDiscountAmount = 0;
  const std::int32_t netBefore = net;
  if (d.on && d.kind != 'R') {
    const std::int32_t discounted = engine.steps->applyBreakDiscount(engine, rating, gross, rating.core.breakUsed);
    d.breakDiscountAmount = gross - discounted;
    gross = discounted;
    if (d.applied.tag == std::array<char, 2>{'D', '%'}) {
      const double amount = RoundMoney(RoundMoney(static_cast<double>(net) * d.applied.percent[0], 0) / 100.0, 0);
      net -= static_cast<std::int32_t>(amount);
    }
  }
  // The absolute minimum, and the floor a lane's operator record may set.
  net = std::max({net, r.absoluteMinimum, static_cast<std::int32_t>(rating.lanes.floorValue)});
  // The amount shown is what the discount took off, never a negative amount
  // when the absolute minimum raised the net.
  if (d.on) d.percentDiscountAmount = std::max(0, netBefore - net);
  d.discountPercent =
      r.chargeAfterMinimums - d.percentDiscountAmount > gross ? d.applied.percent[0] : rating.core.ratingCorePercent;
  r.grossCharge = gross;

  AnswerWriter out(record);
  WriteRequestChoices(rating, out.answer());
  out.text(shipment::kTariffName, r.requestedTariffName);
  out.text(shipment::kTariffUsed, a.tariffUsed);
  out.rightAligned(shipment::kMethodText, a.methodText);
  out.whole(shipment::kActualWeight, r.actualWeight);
  out.whole(shipment::kBilledWeight, r.billedWeight);
  out.cents(shipment::kNetCharge, net);
  out.cents(shipment::kDeficitRate, r.deficitRate);
  out.whole(shipment::kDeficitWeight, r.deficitWeight);
  out.cents(shipment::kDeficitCharge, r.deficitCharge);
  out.cents(shipment::kGrossCharge, gross);
  out.text(shipment::kEffectiveDate, a.versionDate.isZero() ? std::string(10, ' ') : DateKeyText(a.versionDate));
  out.letter(shipment::kOriginPointLetter, r.originPointLetter);
  out.letter(shipment::kDestinationPointLetter, r.destinationPointLetter);
  if (a.serviceGuideAnswer) out.text(shipment::kServiceGuideAnswer, std::string_view(a.serviceGuideAnswer->data(), 2));
  out.cents(shipment::kBreakDiscountAmount, d.breakDiscountAmount, false);
  out.cents(shipment::kPercentDiscountAmount, d.percentDiscountAmount, false);
  out.percent(shipment::kDiscountPercent, d.discountPercent);

  for (std::int16_t n = 0; n < r.detailCount; ++n) {
    const DetailEntry& line = r.details[static_cast<std::size_t>(n)];
    const std::size_t at = shipment::DetailLine(static_cast<std::size_t>(n)).offset;
    out.textAt(at, shipment::detail::kCode, "02");
    out.textAt(at, shipment::detail::kClass, UntilNul(line.classText.data(), line.classText.size()));
    out.wholeAt(at, shipment::detail::kWeight, line.weight);
    out.centsAt(at, shipment::detail::kRate, line.rate);
    out.centsAt(at, shipment::detail::kCharge, line.charge);
  }
  if (!out.ok()) return code::kPricingExceedsLimits;
  record = out.answer();

  if (a.serviceGuideStatus != std::array<char, 4>{'1', '0', '0', '1'})
    record.setText(shipment::kReturnCode, std::string_view(a.serviceGuideStatus.data(), 4));
  return 0;
}

void WriteRequestChoices(const Rating& rating, ShipmentRecord& record) {
  const ParsedRequest& r = rating.request;
  record.setText(shipment::kOriginStateCity, std::string_view(r.originStateCity.data(), r.originStateCity.size()));
  record.setText(shipment::kDestinationStateCity,
                 std::string_view(r.destinationStateCity.data(), r.destinationStateCity.size()));
  if (rating.answer.cityChoiceRan) record.setChar(shipment::kFlags.offset, 'B');
}

void CopyResultAreas(const Rating& rating, ShipmentRecord& record) {
  const ClassBreakWork& core = rating.core;
  const auto table = core.rateTable.image();
  std::memcpy(record.data() + shipment::kRateTable.offset, table.data(), table.kSize);
  for (std::size_t c = 0; c < kMaxClasses; ++c)
    std::memcpy(record.data() + shipment::kClassCodes.offset + 6 * c, core.classCodes[c].data(), 6);
  for (std::size_t b = 0; b < kMaxBreaks; ++b)
    record.setInteger<std::int32_t>(shipment::kBreakWeights.offset + 4 * b, core.breakWeights[b]);
  record.setInteger<std::int16_t>(shipment::kClassCount.offset, core.classCount);
  record.setInteger<std::int16_t>(shipment::kBreakCount.offset, core.breakCount);
  const auto list = core.minimums.image();
  std::memcpy(record.data() + shipment::kItemKinds.offset, list.data(), shipment::kItemKinds.width);
  std::memcpy(record.data() + shipment::kItemNumbers.offset, list.data() + 32, MinimumChargeList::kImageSize - 32);
  static_assert(shipment::kItemNumbers.offset - shipment::kItemKinds.offset == 32);
  static_assert(shipment::kTail.offset - shipment::kItemNumbers.offset == MinimumChargeList::kImageSize - 32);
}

void ClearResultAreas(ShipmentRecord& record) {
  std::memset(record.data() + shipment::kRateTable.offset, 0,
              shipment::kUnchanged1910.offset - shipment::kRateTable.offset);
  std::memset(record.data() + shipment::kItemNumbers.offset, 0, shipment::kTail.offset - shipment::kItemNumbers.offset);
}

}  // namespace vorn
