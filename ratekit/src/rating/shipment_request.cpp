#include "rating/shipment_request.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>
#include <string_view>

#include "context/context_fields.h"
#include "messages/message_numbers.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "tables/lane_tariff_tables.h"

namespace ratekit {
namespace {

namespace sr = vorn::shipment;
using platform::FieldSpan;
using platform::UntilNul;

constexpr FieldSpan kRequestFlags{7, 4};  // flags, city-candidate request, mode
constexpr FieldSpan kOriginCity{38, 17};
constexpr FieldSpan kDestinationCity{63, 17};
constexpr FieldSpan kTailBlanks{2156, 3};
constexpr FieldSpan kTailMark{2159, 1};

// A discount field's five characters.
using DiscountText = std::array<char, 5>;
constexpr DiscountText kNoDiscount{' ', ' ', ' ', ' ', ' '};

// The 5-character discount field of a percentage: hundredths as "%05.0f"
// with the first character blanked ("07.5" -> " 0750"). Nothing for a
// percentage below 0, or whose hundredths reach 9999 (" 9999" ends the
// engine's list of breaks) or do not fit.
std::optional<DiscountText> DiscountField(float percent) {
  if (!(percent >= 0.0f)) return std::nullopt;
  const std::string text = platform::DecimalText(static_cast<double>(percent) * 100.0, 5, 0, platform::Padding::Zeros);
  if (text.size() != 5 || platform::ParseDigits(text).value_or(9999) >= 9999) return std::nullopt;
  DiscountText field;
  std::copy(text.begin(), text.end(), field.begin());
  field[0] = ' ';
  return field;
}

// The factor field: the factor times 10000 as "%05.0f"; nothing below 0 or
// when it needs more than five digits.
std::optional<std::string> FactorField(float factor) {
  if (!(factor >= 0.0f)) return std::nullopt;
  std::string text = platform::DecimalText(static_cast<double>(factor) * 10000.0, 5, 0, platform::Padding::Zeros);
  if (text.size() != 5) return std::nullopt;
  return text;
}

// The weight text right-aligned in its field, '0' on the left ("500" is
// "000500").
void PutWeight(vorn::ShipmentRecord& request, FieldSpan field, std::string_view weight) {
  const std::size_t zeros = field.width - weight.size();
  request.fill({field.offset, zeros}, '0');
  request.setText({field.offset + zeros, weight.size()}, weight);
}

// The detail count in its two characters; a count that needs more is held
// at -9 or 99 (the engine reads no lines below 1 and refuses counts above
// its 20 lines).
void PutDetailCount(vorn::ShipmentRecord& request, int detailCount) {
  platform::FormatZeroPadded(request.span(sr::kDetailCount), std::clamp(detailCount, -9, 99));
}

void PutText(vorn::ShipmentRecord& request, FieldSpan field, std::string_view text, char pad = ' ') {
  request.setText(field, text.substr(0, std::min(text.size(), field.width)), pad);
}

void PutPoint(const RatingContextView& record, std::size_t point, vorn::ShipmentRecord& request) {
  const bool origin = point == 0;
  const std::string_view code = UntilNul(record.text(shipment_point::Of(point, shipment_point::kCode)));
  const FieldSpan codeField = origin ? sr::kOriginCode : sr::kDestinationCode;
  std::memcpy(request.chars() + codeField.offset, code.data(), std::min(code.size(), codeField.width));
  const FieldSpan stateCity = origin ? sr::kOriginStateCity : sr::kDestinationStateCity;
  PutText(request, {stateCity.offset, 2}, UntilNul(record.text(shipment_point::Of(point, shipment_point::kState))));
  PutText(request, origin ? kOriginCity : kDestinationCity,
          UntilNul(record.text(shipment_point::Of(point, shipment_point::kCity))));
}

// The discount records: ten fields each (the MC discount, then breaks 0..8),
// the same in both; blanks when discounts are off.
std::optional<std::int32_t> PutDiscounts(const RatingContextView& record, bool noDiscountLane,
                                         vorn::ShipmentRecord& request) {
  const bool off = record.integerAt<std::int16_t>(rating_defaults::kDiscountsInUse.offset) == 0 || noDiscountLane;
  request.setChar(sr::kDiscountSwitch.offset, 'N');
  std::array<DiscountText, sr::kDiscountFields> fields;
  fields.fill(kNoDiscount);
  for (std::size_t i = 0; i < fields.size() && !off; ++i) {
    // Most fields repeat the one before: its text serves again.
    const std::uint32_t bits = record.integerAt<std::uint32_t>(context::SentDiscount(i).offset);
    if (i > 0 && bits == record.integerAt<std::uint32_t>(context::SentDiscount(i - 1).offset)) {
      fields[i] = fields[i - 1];
      continue;
    }
    const std::optional<DiscountText> field = DiscountField(std::bit_cast<float>(bits));
    if (!field) return message::kDiscountTooLarge;
    fields[i] = *field;
  }
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string_view field(fields[i].data(), fields[i].size());
    PutText(request, {sr::kDiscountRecord1.offset + sr::DiscountField(i).offset, 5}, field);
    PutText(request, {sr::kDiscountRecord2.offset + sr::DiscountField(i).offset, 5}, field);
  }
  if (off) return std::nullopt;
  request.setChar(sr::kDiscountKind.offset, record.charAt(rating_defaults::kDiscountKind.offset));
  request.setChar(sr::kDiscountSwitch.offset, 'Y');
  PutText(request, {sr::kDiscountRecord1.offset, 2}, "D%");
  PutText(request, {sr::kDiscountRecord2.offset, 2}, "I%");
  PutText(request, {sr::kDiscountRecord1.offset + 52, 2}, "\r\n");
  return std::nullopt;
}

std::optional<std::int32_t> PutFactor(const RatingContextView& record, vorn::ShipmentRecord& request) {
  if (record.integerAt<std::int16_t>(rating_defaults::kFactorInUse.offset) == 0) {
    PutText(request, sr::kFactor, "10000");
    return std::nullopt;
  }
  const std::optional<std::string> factor = FactorField(record.floatAt(rating_defaults::kFactor.offset));
  if (!factor) return message::kInvalidFactor;
  PutText(request, sr::kFactor, *factor);
  return std::nullopt;
}

// The class sent for line i: the class table's code of the line's class
// when the profile's class map gave it, else the line's own class.
std::optional<std::string_view> LineClass(const RatingContextView& record, std::size_t i) {
  const bool mapped =
      record.integerAt<std::int32_t>(profile_record::Current(profile_record::kClassMapInUse).offset) != 0 &&
      record.charAt(shipment_lines::ClassFlag(i).offset) == '*';
  if (!mapped) return UntilNul(record.text(shipment_lines::ClassCode(i)));
  const std::int32_t index = record.integerAt<std::int32_t>(shipment_lines::ClassIndex(i).offset);
  if (index < 0 || static_cast<std::size_t>(index) >= context::kClassSlots) return std::nullopt;
  return UntilNul(record.text(context::ClassCode(static_cast<std::size_t>(index))));
}

// What every request holds whatever the shipment, laid out once: the header
// line blank but for its record code, flags and line end; the detail lines
// blank but for the eight sent, each "02" with rate and charge zeros and its
// line end (their class and weight are the shipment's).
const vorn::ShipmentRecord& SharedParts() {
  static const vorn::ShipmentRecord parts = [] {
    vorn::ShipmentRecord r;
    r.fill(sr::kHeader, ' ');
    PutText(r, sr::kRecordCode, "01");
    PutText(r, kRequestFlags, " MF1");
    PutText(r, sr::kHeaderLineEnd, "\r\n");
    r.fill(sr::kDetailLines, ' ');
    for (std::size_t i = 0; i < shipment_lines::kLines; ++i) {
      const std::size_t line = sr::DetailLine(i).offset;
      PutText(r, {line + sr::detail::kCode.offset, 2}, "02");
      r.fill({line + sr::detail::kRate.offset, sr::detail::kRate.width}, '0');
      r.fill({line + sr::detail::kCharge.offset, sr::detail::kCharge.width}, '0');
      PutText(r, {line + sr::detail::kLineEnd.offset, 2}, "\r\n");
    }
    return r;
  }();
  return parts;
}

std::optional<std::int32_t> PutLines(const RatingContextView& record, vorn::ShipmentRecord& request) {
  request.setText(sr::kDetailLines, SharedParts().text(sr::kDetailLines));
  for (std::size_t i = 0; i < shipment_lines::kLines; ++i) {
    const std::size_t line = sr::DetailLine(i).offset;
    const std::optional<std::string_view> cls = LineClass(record, i);
    if (!cls) return message::kInvalidClass;
    const std::string_view weight = UntilNul(record.text(shipment_lines::WeightText(i)));
    if (weight.size() > sr::detail::kWeight.width) return message::kInvalidWeight;
    PutText(request, {line + sr::detail::kClass.offset, sr::detail::kClass.width}, *cls, '\0');
    PutWeight(request, {line + sr::detail::kWeight.offset, sr::detail::kWeight.width}, weight);
  }
  return std::nullopt;
}

void ClearResultAreas(vorn::ShipmentRecord& request) {
  request.fill(sr::kItemKinds, ' ');
  request.fill(sr::kItemNumbers, '\0');
  request.fill(sr::kItemCharges, '\0');
  request.setInteger<std::int16_t>(sr::kListValue.offset, 0);
  request.setInteger<std::int16_t>(sr::kItemCount.offset, 0);
}

}  // namespace

std::optional<std::int32_t> BuildShipmentRequest(RatingContextView& record, int detailCount, bool noDiscountLane,
                                                 vorn::ShipmentRecord& request) {
  request.fill(sr::kHeader, ' ');
  if (record.charAt(context::kLaneTariffTablesLoaded.offset) == 'Y') {
    if (FindBaseCodes(record) == 0) return message::kInvalidZipCombination;
    if (FindLaneTariff(record) == 0) return message::kOutOfScope;
  }
  request.setText(sr::kHeader, SharedParts().text(sr::kHeader));
  PutText(request, sr::kTariffName, record.text(context::kTariffName));
  PutText(request, sr::kShipDate, record.text(context::kShipmentDate));
  PutPoint(record, 0, request);
  PutPoint(record, 1, request);
  PutDetailCount(request, detailCount);
  const bool intrastateAsked = record.integerAt<std::int32_t>(context::kIntrastateQuestionInUse.offset) != 0;
  request.setChar(sr::kIntrastate.offset, intrastateAsked ? record.charAt(context::kIntrastate.offset) : 'N');
  request.fill(sr::kBlanks973, ' ');
  request.fill(kTailBlanks, ' ');
  request.setChar(sr::kMethodFlag.offset, record.charAt(context::kMethodFlagLetter.offset));
  if (const std::optional<std::int32_t> failure = PutDiscounts(record, noDiscountLane, request)) return failure;
  request.setChar(sr::kRecordType.offset, 'F');
  request.setChar(kTailMark.offset, '*');
  if (const std::optional<std::int32_t> failure = PutFactor(record, request)) return failure;
  ClearResultAreas(request);
  return PutLines(record, request);
}

}  // namespace ratekit
