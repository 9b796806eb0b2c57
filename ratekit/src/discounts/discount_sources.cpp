#include "discounts/discount_sources.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "context/context_fields.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"

namespace ratekit {
namespace {

using shipment_point::Of;
namespace zde = zip_discount_entry;

constexpr std::string_view kZeroMcText = " 0.00", kZeroFloorText = "  0.00";
constexpr std::size_t kValues = 10, kValueWidth = 8;

bool DiscountsOff(const RatingContextView& record) {
  return ShortField(record, rating_defaults::kDiscountsInUse) == 0 || IntField(record, context::kNoDiscountLane) != 0;
}

void PutFloat(RatingContextView& record, platform::FieldSpan f, float value) { record.setFloat(f.offset, value); }

// MC discount and floor from texts, or cleared when discounts are off.
void PutMcAndFloor(RatingContextView& record, std::string_view mcText, std::string_view floorText) {
  PutFloat(record, context::kMcDiscount, TextValue(mcText));
  record.setText(rating_totals::kMcDiscountText, mcText, '\0');
  PutFloat(record, context::kFloor, TextValue(floorText));
  record.setText(rating_totals::kFloorText, floorText, '\0');
}

void ClearMcAndFloor(RatingContextView& record) { PutMcAndFloor(record, kZeroMcText, kZeroFloorText); }

// The band of the scheme: columns both direct in one state, both direct
// apart, not both direct in one state, not both direct apart.
constexpr std::array<std::pair<char, std::array<std::size_t, 4>>, 4> kSchemes{{
    {'2', {0, 0, 1, 1}},
    {'3', {0, 1, 0, 1}},
    {'4', {0, 1, 2, 3}},
    {'5', {2, 0, 3, 1}},
}};

// A lane side of a ZipDiscountEntry: a range of codes, or a state.
struct Side {
  std::string_view from, to;
};

}  // namespace

std::size_t DiscountEntryCount(const RatingContextView& record) {
  return static_cast<std::size_t>(std::clamp<std::int32_t>(IntField(record, context::kDiscountEntryCount), 0,
                                                           static_cast<std::int32_t>(discount_file::kEntries)));
}

float TextValue(std::string_view text) {
  return static_cast<float>(platform::LeadingDecimalValue(platform::UntilNul(text)));
}

void ClearDiscounts(RatingContextView& record) {
  for (std::size_t k = 0; k <= DiscountEntryCount(record) + 1; ++k)
    record.setFloat(context::kFloor.offset + 4 * k, 0.0f);
  record.fill(rating_totals::kMcDiscountText, '\0');
  record.fill(rating_totals::kFloorText, '\0');
}

std::size_t ClassBand(const RatingContextView& record) {
  const bool bothDirect = record.charAt(Of(0, shipment_point::kServiceLetter).offset) == 'D' &&
                          record.charAt(Of(1, shipment_point::kServiceLetter).offset) == 'D';
  const bool sameState = record.text(Of(0, shipment_point::kState)) == record.text(Of(1, shipment_point::kState));
  const char scheme = record.charAt(discount_file::kScheme.offset);
  for (const auto& [letter, bands] : kSchemes)
    if (letter == scheme) return bands[(bothDirect ? 0 : 2) + (sameState ? 0 : 1)];
  return 0;
}

void ApplyTypedDiscounts(RatingContextView& record) {
  if (DiscountsOff(record)) {
    ClearMcAndFloor(record);
    return;
  }
  record.setChar(context::kDiscountSource.offset, 'P');
  PutMcAndFloor(record, record.text(context::kTypedMcDiscountText), record.text(context::kTypedFloorText));
  const float each = TextValue(record.text(context::kTypedDiscountText));
  for (std::size_t i = 0; i < DiscountEntryCount(record); ++i) PutFloat(record, context::BreakDiscount(i), each);
}

void ApplyClassBandDiscounts(RatingContextView& record) {
  const std::size_t b = ClassBand(record);
  if (DiscountsOff(record)) {
    ClearMcAndFloor(record);
  } else {
    record.setChar(context::kDiscountSource.offset, 'C');
    PutMcAndFloor(record, record.text(discount_file::BandMcDiscountText(b)),
                  record.text(discount_file::BandFloorText(b)));
  }
  for (std::size_t i = 0; i < DiscountEntryCount(record); ++i)
    PutFloat(record, context::BreakDiscount(i), TextValue(record.text(discount_file::BandBreakText(b, i))));
}

bool ApplyZipPairDiscounts(RatingContextView& record) {
  const std::size_t n = record.charAt(tariff_settings::kZipMode.offset) == '3' ? 3 : 5;
  auto key = [&](std::size_t point) {
    std::string k(record.text(Of(point, shipment_point::kCode)).substr(0, n));
    const std::size_t length = platform::UntilNul(k).size();
    if (std::isalpha(static_cast<unsigned char>(k[0])) && length < n && n > 4) {
      k[3] = '0';
      k[4] = 'A';
    }
    return k;
  };
  const std::string originKey = key(0), destinationKey = key(1);
  const std::string_view originState = record.text(Of(0, shipment_point::kState));
  const std::string_view destinationState = record.text(Of(1, shipment_point::kState));
  const std::string blanks(n, ' ');

  const platform::FieldSpan list = profile_record::Current(profile_record::kZipDiscounts);
  const std::size_t count = static_cast<std::size_t>(
      std::clamp<std::int32_t>(IntField(record, profile_record::Current(profile_record::kZipDiscountCount)), 0,
                               static_cast<std::int32_t>(zde::kPerProfile)));
  for (std::size_t e = 0; e < count; ++e) {
    const std::string_view entry = record.text({list.offset + zde::kSize * e, zde::kSize});
    auto side = [&](platform::FieldSpan from, platform::FieldSpan to) {
      return Side{entry.substr(from.offset, n), entry.substr(to.offset, n)};
    };
    const Side origin = side(zde::kOriginFrom, zde::kOriginTo),
               destination = side(zde::kDestinationFrom, zde::kDestinationTo);
    auto holds = [&](const Side& s, std::string_view code, std::string_view state) {
      if (s.from == blanks) return s.to.substr(0, 2) == state;
      return s.from.compare(code) <= 0 && std::string_view(code).compare(s.to) <= 0;
    };
    if (!holds(origin, originKey, originState) || !holds(destination, destinationKey, destinationState)) continue;
    record.setChar(context::kDiscountSource.offset, 'Z');
    PutFloat(record, context::kFloor, TextValue(entry.substr(zde::kFloor.offset, zde::kFloor.width)));
    // Value 0 is the MC discount, values 1..9 the breaks' (value 9 also
    // the last value of the pair, 12670: one float).
    for (std::size_t v = 0; v < kValues; ++v)
      PutFloat(record, context::SentDiscount(v),
               TextValue(entry.substr(zde::kValues.offset + kValueWidth * v, kValueWidth)));
    return true;
  }
  return false;
}

}  // namespace ratekit
