#include "context_shipment.h"

#include <algorithm>
#include <string>

#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"

namespace rate_tool {
namespace {

using namespace ratekit;

std::string_view Field(const ShipmentBytes& r, std::size_t offset, std::size_t width) {
  return platform::TrimTrailingBlanks(std::string_view(r.data() + offset, width));
}

void PutPoint(RatingContextView& record, std::size_t point, const ShipmentBytes& r, std::size_t offset) {
  record.setText(shipment_point::Of(point, shipment_point::kCode), Field(r, offset, 6), '\0');
  record.setText(shipment_point::Of(point, shipment_point::kState), Field(r, offset + 6, 2), '\0');
  record.setText(shipment_point::Of(point, shipment_point::kCity), Field(r, offset + 8, 17), '\0');
}

}  // namespace

int FillRatingContext(RatingContextView& record, const ShipmentBytes& r) {
  record.setText(context::kTariffName, Field(r, 11, 8), ' ');
  record.setText(context::kShipmentDate, Field(r, 20, 10), '\0');
  PutPoint(record, 0, r, 30);
  PutPoint(record, 1, r, 55);
  const bool canadian = !platform::IsDecimalDigit(r[30]) || !platform::IsDecimalDigit(r[55]);
  record.setInteger<std::int32_t>(context::kCanadaFlag.offset, canadian ? 1 : 0);
  const std::size_t lines =
      std::min<std::size_t>(platform::FieldToInteger(std::string_view(r.data() + 80, 2)), shipment_lines::kLines);
  for (std::size_t i = 0; i < lines; ++i) {
    const std::size_t line = 265 + 30 * i;
    record.setText(shipment_lines::ClassCode(i), Field(r, line + 2, 3), '\0');
    const std::uint64_t pounds = platform::LeadingDigits(std::string_view(r.data() + line + 5, 6)).value;
    record.setText(shipment_lines::WeightText(i), std::to_string(pounds), '\0');
  }
  if (r[194] == 'Y') {
    record.setInteger<std::int16_t>(rating_defaults::kDiscountsInUse.offset, 1);
    record.setChar(rating_defaults::kDiscountKind.offset, r[214]);
    for (std::size_t i = 0; i < 10; ++i) {
      const std::uint64_t hundredths = platform::LeadingDigits(std::string_view(r.data() + 867 + 5 * i, 5)).value;
      record.setFloat(context::SentDiscount(i).offset, static_cast<float>(hundredths) / 100.0f);
    }
  }
  return static_cast<int>(lines);
}

}  // namespace rate_tool
