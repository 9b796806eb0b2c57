#include "files/settings_images.h"

#include "context/context_fields.h"
#include "files/data_set_files.h"
#include "files/written_files.h"
#include "messages/message_numbers.h"
#include "platform/kernel/digits.h"

namespace ratekit {
namespace {

std::optional<std::int32_t> ReadNumbered(RatingContextView& record, const std::optional<std::string>& path,
                                         platform::FieldSpan image, const message::FileNumbers& numbers) {
  switch (ReadImage(record, path, image)) {
    case ReadOutcome::Read: return std::nullopt;
    case ReadOutcome::Missing: return numbers.open;
    default: return numbers.read;
  }
}

std::span<const std::uint8_t> ImageBytes(const RatingContextView& record, platform::FieldSpan image) {
  return std::span(record.data() + image.offset, image.width);
}

}  // namespace

std::optional<std::int32_t> ReadTariffSettings(RatingContextView& record) {
  if (auto failure =
          ReadNumbered(record, FindDataSetFile(record, ".SET"), context::kTariffSettingsImage, message::kSettingsFile))
    return failure;
  const platform::DigitRun version = platform::ConcatenatedDigits(record.text(tariff_settings::kVersion));
  SetIntField(record, context::kTariffDataVersion, static_cast<std::int32_t>(version.value));
  for (const platform::FieldSpan flag : tariff_settings::kYesNoFlags)
    if (record.charAt(flag.offset) != 'Y') record.setChar(flag.offset, 'N');
  return std::nullopt;
}

void ReadMexicoImages(RatingContextView& record) {
  const bool defaults =
      ReadImage(record, FindWrittenImageFile(record, ".MEF"), context::kMexicoDefaultsImage) == ReadOutcome::Read;
  const bool settings =
      ReadImage(record, FindDataSetFile(record, ".MET"), context::kMexicoSettingsImage) == ReadOutcome::Read;
  SetIntField(record, context::kMexicoFilesLoaded, defaults && settings ? 1 : 0);
}

std::optional<std::int32_t> ReadRatingDefaults(RatingContextView& record) {
  if (auto failure = ReadNumbered(record, FindWrittenImageFile(record, ".DEF"), context::kRatingDefaultsImage,
                                  message::kDefaultsFileRead))
    return failure;
  if (ShortField(record, rating_defaults::kInitialised) == 0) {
    record.setInteger<std::int16_t>(rating_defaults::kInitialised.offset, 1);
    record.setFloat(rating_defaults::kTlSurchargePercent.offset,
                    record.floatAt(rating_defaults::kLtlSurchargePercent.offset));
    record.setChar(rating_defaults::kTlFromBreak.offset, '6');
  }
  return std::nullopt;
}

std::optional<std::int32_t> WriteRatingDefaults(const RatingContextView& record) {
  if (auto failure = WriteStartupFile(record, ".DEF", ImageBytes(record, context::kRatingDefaultsImage),
                                      message::kDefaultsFileWrite))
    return failure;
  if (IntField(record, context::kMexicoFilesLoaded) != 0) return WriteMexicoDefaults(record);
  return std::nullopt;
}

std::optional<std::int32_t> WriteMexicoDefaults(const RatingContextView& record) {
  return WriteStartupFile(record, ".MEF", ImageBytes(record, context::kMexicoDefaultsImage), message::kMexicoFileWrite);
}

std::optional<std::int32_t> ReadDiscountFile(RatingContextView& record) {
  if (auto failure =
          ReadNumbered(record, FindDataSetFile(record, ".DIS"), context::kDiscountFileImage, message::kDiscountFile))
    return failure;
  std::int32_t entries = 0;
  while (entries < static_cast<std::int32_t>(discount_file::kEntries)) {
    const char first = record.charAt(discount_file::Entry(static_cast<std::size_t>(entries)).offset);
    if (first == ' ' || first == '\0') break;
    ++entries;
  }
  SetIntField(record, context::kDiscountEntryCount, entries);
  return std::nullopt;
}

}  // namespace ratekit
