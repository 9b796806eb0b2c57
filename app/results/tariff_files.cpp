#include "results/tariff_files.h"

#include <string_view>

#include "platform/kernel/digits.h"
#include "platform/kernel/file.h"
#include "platform/kernel/fixed_format.h"

namespace qiv {

namespace {
constexpr std::size_t kTableRecordSize = 16, kTableNameLength = 13;
constexpr std::size_t kTableNamesKept = ratekit::context::kTableNames.width / kTableRecordSize;  // 25
constexpr std::size_t kZipSize = 5, kFeeSize = 12;
}  // namespace

bool ReadTariffBasisTable(RatingContext& context, const std::string& basePath) {
  const auto file = platform::ReadWholeFile(basePath + ".TBL");
  if (!file) return false;
  // The names kept: 25 (a 26th would run over the effective-table slots).
  for (std::size_t i = 0; i < kTableNamesKept; ++i) {
    const FieldSpan slot = ratekit::context::TableName(i);
    context.view().fill(slot, '\0');
    if ((i + 1) * kTableRecordSize > file->size()) continue;
    const std::string_view name(reinterpret_cast<const char*>(file->data()) + i * kTableRecordSize, kTableNameLength);
    context.view().setText({slot.offset, kTableNameLength}, name.substr(0, name.find('\0')), '\0');
  }
  auto name = [&](std::size_t i) { return context.textAt(ratekit::context::TableName(i)); };
  std::string title(15, ' ');
  const std::string number = context.textAt(fields::kRateBaseNumber);
  const auto formatted = [&] {
    return platform::DecimalText(static_cast<double>(platform::LeadingDigits(number.substr(0, 6)).value), 6, 0);
  };
  switch (const char letter = context.charAt(fields::kRateBaseKindLetter); letter) {
    case 'A':
    case 'L':
    case 'N':
      context.setTerminatedText(fields::kRateBaseNumber, formatted());
      title = name(0);
      break;
    case 'B': title = name(1); break;
    case 'C': title = name(2); break;
    case 'D':
    case 'E':
    case 'F':
    case 'G':
    case 'H':
    case 'J': {
      context.setTerminatedText(fields::kRateBaseNumber, formatted());
      const std::size_t index = letter == 'J' ? 8 : static_cast<std::size_t>(letter - 'D') + 3;
      title = "KTQ519 " + name(index).substr(0, 8);
      break;
    }
    default: break;
  }
  context.view().setText(fields::kRateBaseTitle, title.substr(0, fields::kRateBaseTitle.width), ' ');
  return true;
}

std::int32_t LookupCoastalFee(const RatingContext& context, const std::string& basePath) {
  const auto zips = platform::ReadWholeFile(basePath + ".ZCT");
  const auto fees = platform::ReadWholeFile(basePath + ".VAL");
  if (!zips || !fees) return 0;
  auto listed = [&](std::size_t end) {
    const std::string code =
        context.textAt(ratekit::shipment_point::Of(end, ratekit::shipment_point::kCode)).substr(0, 5);
    for (std::size_t at = 0; at + kZipSize <= zips->size(); at += kZipSize)
      if (std::string_view(reinterpret_cast<const char*>(zips->data()) + at, 5) == code) return true;
    return false;
  };
  const bool origin = listed(0), destination = listed(1);
  if (!origin && !destination) return 0;
  const auto weight = [&](FieldSpan field) {
    return static_cast<std::int64_t>(platform::LeadingDecimalValue(context.textAt(field)));
  };
  const std::int64_t billed =
      weight(ratekit::rating_totals::kDeficitWeight) + weight(ratekit::rating_totals::kActualWeight);
  for (std::size_t at = 0; at + kFeeSize <= fees->size(); at += kFeeSize) {
    const std::int32_t threshold = platform::LoadLittleEndian<std::int32_t>(fees->data() + at);
    if (threshold < billed) continue;
    return platform::LoadLittleEndian<std::int32_t>(fees->data() + at + (origin && destination ? 8 : 4));
  }
  return 0;
}

}  // namespace qiv
