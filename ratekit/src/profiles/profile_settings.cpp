#include "profiles/profile_settings.h"

#include <string>

#include "context/context_fields.h"
#include "platform/kernel/fixed_format.h"
#include "rating/default_tables.h"

namespace ratekit {
namespace {

namespace pr = profile_record;
namespace rd = rating_defaults;
namespace df = discount_file;

constexpr std::size_t kMapSlots = 18, kMapEntryWidth = 4;
constexpr std::size_t kProfileBands = 2;
constexpr std::size_t kBandMcAt = 36, kBandFloorAt = 40;  // in a profile band of 11 floats

void CopyField(RatingContextView& record, platform::FieldSpan from, platform::FieldSpan to) {
  const std::string bytes(record.text(from));
  record.setText(to, bytes);
}

// The text of value in the field, or the field emptied when it does not fit.
void PutBandText(RatingContextView& record, platform::FieldSpan field, float value, int width) {
  const std::string text = platform::DecimalText(static_cast<double>(value), width, 2);
  if (text.size() <= field.width) {
    record.setText(field, text, '\0');
  } else {
    record.fill(field, '\0');
  }
}

platform::FieldSpan ProfileBand(std::size_t band) { return pr::Current(band == 0 ? pr::kBand0 : pr::kBand1); }

}  // namespace

void MakeDefaultProfile(RatingContextView& record) {
  record.setInteger<std::int16_t>(rd::kCurrentProfileIndex.offset, 0);
  record.fill(context::kCurrentProfile, '\0');
  record.setText(pr::Current(pr::kName), "Default", '\0');
  const bool engine = IntField(record, context::kEngineInUse) != 0;
  for (std::size_t i = 0; i < kMapSlots; ++i) {
    const platform::FieldSpan slot = pr::Current({pr::kClassMap.offset + kMapEntryWidth * i, kMapEntryWidth});
    if (engine) {
      record.setText(slot, kDefaultClasses[i], '\0');
    } else {
      record.setText(slot, record.text(context::ClassCode(i)).substr(0, kMapEntryWidth));
    }
  }
  CopyField(record, rd::kSurchargeInUse, pr::Current(pr::kConstantSurchargeInUse));
  CopyField(record, rd::kLtlSurchargePercent, pr::Current(pr::kLtlSurchargePercent));
  CopyField(record, rd::kTlSurchargePercent, pr::Current(pr::kTlSurchargePercent));
  CopyField(record, rd::kConstantClassInUse, pr::Current(pr::kConstantClassInUse));
  CopyField(record, rd::kConstantClass, pr::Current(pr::kConstantClass));
  CopyField(record, rd::kSecondConstantClass, pr::Current(pr::kSecondConstantClass));
  CopyField(record, rd::kConstantOriginZipInUse, pr::Current(pr::kConstantOriginZipInUse));
  CopyField(record, rd::kConstantOriginZip, pr::Current(pr::kConstantOriginZip));
  CopyField(record, rd::kConstantDestinationZipInUse, pr::Current(pr::kConstantDestinationZipInUse));
  CopyField(record, rd::kConstantDestinationZip, pr::Current(pr::kConstantDestinationZip));
  CopyField(record, rd::kDiscountKind, pr::Current(pr::kDiscountKind));
}

void ApplyProfileSettings(RatingContextView& record) {
  auto surcharge = [&](platform::FieldSpan inUse, platform::FieldSpan ltl, platform::FieldSpan tl) {
    if (ShortField(record, pr::Current(inUse)) == 0) return;
    CopyField(record, pr::Current(inUse), rd::kSurchargeInUse);
    CopyField(record, pr::Current(ltl), rd::kLtlSurchargePercent);
    CopyField(record, pr::Current(tl), rd::kTlSurchargePercent);
  };
  surcharge(pr::kPromptedSurchargeInUse, pr::kPromptedLtlPercent, pr::kPromptedTlPercent);
  surcharge(pr::kConstantSurchargeInUse, pr::kLtlSurchargePercent, pr::kTlSurchargePercent);

  CopyField(record, pr::Current(pr::kConstantClassInUse), rd::kConstantClassInUse);
  CopyField(record, pr::Current(pr::kConstantClass), rd::kConstantClass);
  CopyField(record, pr::Current(pr::kSecondConstantClass), rd::kSecondConstantClass);
  CopyField(record, pr::Current(pr::kConstantOriginZipInUse), rd::kConstantOriginZipInUse);
  CopyField(record, pr::Current(pr::kConstantOriginZip), rd::kConstantOriginZip);
  CopyField(record, pr::Current(pr::kConstantDestinationZipInUse), rd::kConstantDestinationZipInUse);
  CopyField(record, pr::Current(pr::kConstantDestinationZip), rd::kConstantDestinationZip);
  CopyField(record, pr::Current(pr::kDiscountKind), rd::kDiscountKind);

  const std::int16_t typed = ShortField(record, pr::Current(pr::kTypedDiscountInUse));
  for (const platform::FieldSpan f : {rd::kClassBandSwitch6, rd::kClassBandSwitch8, rd::kClassBandSwitch252})
    record.setInteger<std::int16_t>(f.offset, typed);

  const std::int16_t classBands = ShortField(record, pr::Current(pr::kClassBandDiscountsInUse));
  if (classBands != 0) record.setInteger<std::int16_t>(df::kClassBandState.offset, 2);
  record.setChar(rd::kClassBandLetter.offset, classBands != 0 ? 'M' : 'N');

  for (std::size_t b = 0; b < df::kBands; ++b) {
    const bool fromProfile = b < kProfileBands;
    const std::size_t band = ProfileBand(b).offset;
    for (std::size_t i = 0; i < context::kDiscountBreaks; ++i) {
      if (fromProfile) {
        PutBandText(record, df::BandBreakText(b, i), record.floatAt(band + 4 * i), 5);
      } else {
        record.fill(df::BandBreakText(b, i), '\0');
      }
    }
    if (fromProfile) {
      PutBandText(record, df::BandMcDiscountText(b), record.floatAt(band + kBandMcAt), 5);
      PutBandText(record, df::BandFloorText(b), record.floatAt(band + kBandFloorAt), 6);
    } else {
      record.fill(df::BandMcDiscountText(b), '\0');
      record.fill(df::BandFloorText(b), '\0');
    }
  }

  CopyField(record, pr::Current(pr::kZipPairDiscountsInUse), rd::kZipPairDiscounts);

  SetIntField(record, context::kDiscountsWithdrawn, 0);
  const bool anyDiscount =
      typed != 0 || classBands != 0 || ShortField(record, pr::Current(pr::kZipPairDiscountsInUse)) != 0;
  if (!anyDiscount && ShortField(record, rd::kDiscountsInUse) != 0)
    SetIntField(record, context::kDiscountsWithdrawn, 1);
  record.setInteger<std::int16_t>(rd::kDiscountsInUse.offset, anyDiscount ? 1 : 0);
}

}  // namespace ratekit
