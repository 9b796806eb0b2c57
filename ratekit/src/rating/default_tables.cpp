#include "rating/default_tables.h"

#include "context/context_fields.h"

namespace ratekit {

void SetDefaultClassesAndWeights(RatingContextView& record, vorn::ShipmentRecord& request) {
  // The stride is the break count of the tables in use; before any table
  // was filled there is none, and the engine's rate block has the defaults'.
  const std::int32_t inUse = IntField(record, context::kBreakCount);
  const bool filled = inUse >= 1 && inUse <= static_cast<std::int32_t>(context::kBreakSlots);
  SetIntField(record, context::kRateTableStride, filled ? inUse : static_cast<std::int32_t>(kDefaultBreaks.size()));

  request.fill(vorn::shipment::kClassCodes, '\0');
  for (std::size_t i = 0; i < kDefaultClasses.size(); ++i)
    request.setText({vorn::shipment::kClassCodes.offset + 6 * i, 6}, kDefaultClasses[i], '\0');
  request.setInteger<std::int16_t>(vorn::shipment::kClassCount.offset, static_cast<std::int16_t>(kDefaultClasses.size()));

  record.fill(context::kClassCodes, '\0');
  for (std::size_t i = 0; i < kDefaultClasses.size(); ++i) record.setText(context::ClassCode(i), kDefaultClasses[i], '\0');
  SetIntField(record, context::kClassCount, static_cast<std::int32_t>(kDefaultClasses.size()));

  record.fill(context::kBreakLabels, '\0');
  for (std::size_t i = 0; i < kDefaultBreaks.size(); ++i) {
    record.setText(context::BreakLabel(i), kDefaultBreaks[i].label, '\0');
    SetIntField(record, context::BreakLowerBound(i), kDefaultBreaks[i].lower);
    SetIntField(record, context::BreakUpperBound(i), kDefaultBreaks[i].upper);
  }
  SetIntField(record, context::kBreakCount, static_cast<std::int32_t>(kDefaultBreaks.size()));
  SetIntField(record, context::kClassAndWeightTablesFilled, 1);
}

}  // namespace ratekit
