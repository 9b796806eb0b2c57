#include "discounts/load_discounts.h"

#include "context/context_fields.h"
#include "discounts/discount_sources.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"

namespace ratekit {
namespace {

constexpr std::size_t kFirstTextSwitchAt = 1228;
constexpr std::size_t kBandFloorAt = 1230, kBandMcAt = 1234, kBandBreaksAt = 1238, kBandStride = 44;
constexpr platform::FieldSpan kWgtLowerBound{13, 8};

bool ZipPairsInUse(const RatingContextView& record) {
  return ShortField(record, rating_defaults::kZipPairDiscounts) != 0;
}

void PutBlockFloat(std::uint8_t* block, std::size_t at, float value) {
  platform::ByteRecordView<kDiscountBlockSize>(block).setFloat(at, value);
}

void FillBandBlock(const RatingContextView& record, std::uint8_t* block) {
  const bool firstTextOnly = platform::LoadLittleEndian<std::int16_t>(block + kFirstTextSwitchAt) == 1;
  const bool schemeOne = record.charAt(discount_file::kScheme.offset) == '1';
  for (std::size_t b = 0; b < discount_file::kBands; ++b) {
    const std::size_t at = kBandStride * b;
    PutBlockFloat(block, kBandFloorAt + at, TextValue(record.text(discount_file::BandFloorText(b))));
    const float mc = firstTextOnly ? TextValue(record.text(discount_file::BandBreakText(schemeOne ? 0 : b, 0)))
                                   : TextValue(record.text(discount_file::BandMcDiscountText(b)));
    PutBlockFloat(block, kBandMcAt + at, mc);
    for (std::size_t j = 0; j < DiscountEntryCount(record); ++j) {
      const std::string_view entry = record.text(discount_file::Entry(j));
      const std::int64_t weight =
          platform::LeadingInteger(platform::UntilNul(entry.substr(discount_file::kEntryWeightOffset))).value;
      const std::int64_t lower =
          platform::LeadingInteger(
              platform::UntilNul(
                  record.text(context::RawWeightRecord(j)).substr(kWgtLowerBound.offset, kWgtLowerBound.width)))
              .value;
      if (weight < lower) continue;
      const float value = TextValue(record.text(discount_file::BandBreakText(b, firstTextOnly ? 0 : j)));
      PutBlockFloat(block, kBandBreaksAt + at + 4 * j, value);
    }
  }
}

}  // namespace

std::int16_t LoadLaneDiscounts(RatingContextView& record, std::uint8_t* block, int mode) {
  if (mode != 0) {
    if (block == nullptr) return 0;
    FillBandBlock(record, block);
    return ZipPairsInUse(record) && ApplyZipPairDiscounts(record) ? 1 : 0;
  }
  ClearDiscounts(record);
  if (ShortField(record, profile_record::Current(profile_record::kClassBandDiscountsInUse)) != 0)
    ApplyClassBandDiscounts(record);
  if (ShortField(record, profile_record::Current(profile_record::kTypedDiscountInUse)) != 0)
    ApplyTypedDiscounts(record);
  return ZipPairsInUse(record) && ApplyZipPairDiscounts(record) ? 1 : 0;
}

}  // namespace ratekit
