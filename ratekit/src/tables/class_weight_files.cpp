#include "tables/class_weight_files.h"

#include <algorithm>
#include <array>
#include <string>

#include "context/context_fields.h"
#include "files/data_set_files.h"
#include "messages/message_numbers.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/file.h"
#include "platform/kernel/fixed_format.h"

namespace ratekit {
namespace {

constexpr std::size_t kClassCodeSize = 5;
constexpr std::size_t kWeightRecords = 9;
constexpr platform::FieldSpan kWeightLabel{0, 5}, kUpperWeight{5, 8}, kLowerWeight{13, 8};
constexpr std::int32_t kUnboundedWeight = 9999999;
constexpr std::string_view kBreakNotInUse = "XXX";

// A number of a text field as atoi reads it, held to the int range.
std::int32_t TextNumber(std::string_view field) {
  return static_cast<std::int32_t>(platform::LeadingInteger(platform::UntilNul(field), INT32_MAX).value);
}

// Reads whole records of `size` bytes in turn until one comes short.
template <class Take>
std::optional<std::int32_t> ReadRecords(const std::optional<std::string>& path, std::size_t size, std::size_t most,
                                        const message::FileNumbers& numbers, bool& shortRead, Take take) {
  shortRead = false;
  std::optional<platform::File> file = path ? platform::File::OpenReadOnly(*path) : std::nullopt;
  if (!file) return numbers.open;
  std::array<std::uint8_t, 32> buffer{};
  const std::span<std::uint8_t> one(buffer.data(), size);
  for (std::size_t i = 0; i < most; ++i) {
    std::size_t filled = 0;
    while (filled < size) {
      const std::ptrdiff_t n = file->read(one.subspan(filled));
      if (n < 0) return numbers.read;
      if (n == 0) break;
      filled += static_cast<std::size_t>(n);
    }
    if (filled < size) {
      shortRead = true;
      break;
    }
    take(i, std::string_view(reinterpret_cast<const char*>(buffer.data()), size));
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> LoadClassTable(RatingContextView& record) {
  record.fill(context::kClassCodes, '\0');
  std::int32_t count = 0;
  bool shortRead = false;
  auto failure = ReadRecords(FindDataSetFile(record, ".CLS"), kClassCodeSize, context::kClassSlots, message::kClassFile,
                             shortRead, [&](std::size_t i, std::string_view code) {
                               std::string slot(code);
                               std::replace(slot.begin(), slot.end(), ' ', '\0');
                               record.setText(context::ClassCode(i), slot, '\0');
                               count = static_cast<std::int32_t>(i + 1);
                             });
  SetIntField(record, context::kClassCount, count);
  if (failure) return failure;
  if (count == 0) return message::kClassFile.read;
  return std::nullopt;
}

std::optional<std::int32_t> LoadWeightBreaks(RatingContextView& record) {
  std::int32_t count = 0;
  bool shortRead = false;
  auto failure = ReadRecords(
      FindDataSetFile(record, ".WGT"), context::kWeightRecordSize, kWeightRecords, message::kWeightFile, shortRead,
      [&](std::size_t i, std::string_view r) {
        record.setText(context::RawWeightRecord(i), r);
        record.setText(context::BreakLabel(i), r.substr(kWeightLabel.offset, kWeightLabel.width), '\0');
        SetIntField(record, context::BreakUpperBound(i), TextNumber(r.substr(kUpperWeight.offset, kUpperWeight.width)));
        SetIntField(record, context::BreakLowerBound(i), TextNumber(r.substr(kLowerWeight.offset, kLowerWeight.width)));
        count = static_cast<std::int32_t>(i + 1);
      });
  if (failure) {
    SetIntField(record, context::kBreakCount, count);
    return failure;
  }
  if (shortRead) SetLastError(record, message::kWeightFile.read);
  if (record.charAt(rating_defaults::kBreaksToHide.offset) != '\0') {
    const std::int32_t v = TextNumber(record.text(rating_defaults::kTlFromBreak));
    const std::int32_t h = TextNumber(record.text(rating_defaults::kBreaksToHide));
    if (v >= 0 && h >= 1 && v < count && h < count - v) {
      SetIntField(record, context::BreakUpperBound(static_cast<std::size_t>(v + h - 1)), kUnboundedWeight);
      record.setText(context::BreakLabel(static_cast<std::size_t>(v + h)), kBreakNotInUse, '\0');
      count = v + h;
    }
  }
  SetIntField(record, context::kBreakCount, count);
  if (count == 0) return message::kNoWeightBreak;
  return std::nullopt;
}

}  // namespace ratekit
