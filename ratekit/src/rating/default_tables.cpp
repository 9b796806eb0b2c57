#include "rating/default_tables.h"

#include <array>
#include <span>
#include <vector>

#include "context/context_fields.h"

namespace ratekit {
namespace {

using platform::FieldSpan;

// Writes the defaults field by field.
void WriteDefaults(RatingContextView& record, vorn::ShipmentRecord& request) {
  request.fill(vorn::shipment::kClassCodes, '\0');
  for (std::size_t i = 0; i < kDefaultClasses.size(); ++i)
    request.setText({vorn::shipment::kClassCodes.offset + 6 * i, 6}, kDefaultClasses[i], '\0');
  request.setInteger<std::int16_t>(vorn::shipment::kClassCount.offset,
                                   static_cast<std::int16_t>(kDefaultClasses.size()));

  record.fill(context::kClassCodes, '\0');
  for (std::size_t i = 0; i < kDefaultClasses.size(); ++i)
    record.setText(context::ClassCode(i), kDefaultClasses[i], '\0');
  SetIntField(record, context::kClassCount, static_cast<std::int32_t>(kDefaultClasses.size()));

  record.fill(context::kBreakLabels, '\0');
  for (std::size_t i = 0; i < kDefaultBreaks.size(); ++i) {
    record.setText(context::BreakLabel(i), kDefaultBreaks[i].label, '\0');
    SetIntField(record, context::BreakLowerBound(i), kDefaultBreaks[i].lower);
    SetIntField(record, context::BreakUpperBound(i), kDefaultBreaks[i].upper);
  }
  SetIntField(record, context::kBreakCount, static_cast<std::int32_t>(kDefaultBreaks.size()));
}

// Every byte WriteDefaults writes: the record's class codes, class count and
// break labels (one run), the first bounds of both bound tables and the
// break count; the request's class codes and count.
constexpr FieldSpan kClassesToLabels{context::kClassCodes.offset,
                                     context::kBreakLabels.end() - context::kClassCodes.offset};
static_assert(context::kClassCount.offset == context::kClassCodes.end() &&
              context::kBreakLabels.offset == context::kClassCount.end());
constexpr std::size_t kBoundsWidth = 4 * kDefaultBreaks.size();
constexpr std::array<FieldSpan, 4> kRecordFields{kClassesToLabels,
                                                 {context::kBreakUpperBounds.offset, kBoundsWidth},
                                                 {context::kBreakLowerBounds.offset, kBoundsWidth},
                                                 context::kBreakCount};
constexpr std::array<FieldSpan, 2> kRequestFields{vorn::shipment::kClassCodes, vorn::shipment::kClassCount};

// A record and a request with the defaults written, made once: every rating
// copies their bytes.
struct DefaultImages {
  std::vector<std::uint8_t> record = std::vector<std::uint8_t>(kRatingContextSize);
  vorn::ShipmentRecord request;
};

DefaultImages& Images() {
  static DefaultImages images = [] {
    DefaultImages made;
    RatingContextView record(made.record.data());
    WriteDefaults(record, made.request);
    return made;
  }();
  return images;
}

template <class To, class From>
void CopyFields(To& to, const From& from, std::span<const FieldSpan> fields) {
  for (const FieldSpan& field : fields) to.setText(field, from.text(field));
}

}  // namespace

void SetDefaultClassesAndWeights(RatingContextView& record, vorn::ShipmentRecord& request) {
  // The stride is the break count of the tables in use; before any table
  // was filled there is none, and the engine's rate block has the defaults'.
  const std::int32_t inUse = IntField(record, context::kBreakCount);
  const bool filled = inUse >= 1 && inUse <= static_cast<std::int32_t>(context::kBreakSlots);
  SetIntField(record, context::kRateTableStride, filled ? inUse : static_cast<std::int32_t>(kDefaultBreaks.size()));

  DefaultImages& defaults = Images();
  CopyFields(request, defaults.request, kRequestFields);
  CopyFields(record, RatingContextView(defaults.record.data()), kRecordFields);
  SetIntField(record, context::kClassAndWeightTablesFilled, 1);
}

}  // namespace ratekit
