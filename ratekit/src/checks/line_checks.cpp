#include "checks/line_checks.h"

#include <algorithm>

#include "context/context_fields.h"
#include "messages/message_numbers.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"

namespace ratekit {
namespace {

constexpr std::size_t kMapSlots = 18;
constexpr std::size_t kMapEntryWidth = 4;
constexpr std::string_view kFak = "FAK";
constexpr std::string_view kBreakNotInUse = "XXX";

std::size_t HeldCount(const RatingContextView& record, platform::FieldSpan count, std::size_t room) {
  return static_cast<std::size_t>(
      std::clamp<std::int32_t>(IntField(record, count), 0, static_cast<std::int32_t>(room)));
}

std::string_view ClassEntry(const RatingContextView& record, std::size_t i) {
  return platform::UntilNul(record.text(context::ClassCode(i)));
}

std::optional<std::size_t> FindClass(const RatingContextView& record, std::string_view cls) {
  const std::size_t count = HeldCount(record, context::kClassCount, context::kClassSlots);
  for (std::size_t j = 0; j < count; ++j)
    if (ClassEntry(record, j) == cls) return j;
  return std::nullopt;
}

bool ValidLine(int line) { return line >= 0 && line < static_cast<int>(shipment_lines::kLines); }

}  // namespace

int VerifyClass(RatingContextView& record, std::string_view cls, int line, int fakAllowed) {
  if (!ValidLine(line)) {
    SetLastError(record, message::kInvalidClass);
    return 0;
  }
  const auto l = static_cast<std::size_t>(line);
  record.fill(shipment_lines::ClassFlag(l), '\0');
  const std::size_t count = HeldCount(record, context::kClassCount, context::kClassSlots);
  const bool mapInUse = IntField(record, profile_record::Current(profile_record::kClassMapInUse)) != 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (ClassEntry(record, i) != cls) {
      if (cls == kFak && fakAllowed != 0) return 1;
      continue;
    }
    if (!mapInUse) {
      SetIntField(record, shipment_lines::ClassIndex(l), static_cast<std::int32_t>(i));
      record.setText(shipment_lines::ClassCode(l),
                     record.text(context::ClassCode(i)).substr(0, shipment_lines::ClassCode(l).width));
      return 1;
    }
    const platform::FieldSpan mapSlot =
        profile_record::Current({profile_record::kClassMap.offset + kMapEntryWidth * i, kMapEntryWidth});
    const std::string_view mapped = i < kMapSlots ? platform::UntilNul(record.text(mapSlot)) : cls;
    if (mapped == cls) {
      SetIntField(record, shipment_lines::ClassIndex(l), static_cast<std::int32_t>(i));
      return 1;
    }
    const std::optional<std::size_t> j = FindClass(record, mapped);
    if (!j) break;
    SetIntField(record, shipment_lines::ClassIndex(l), static_cast<std::int32_t>(*j));
    record.setChar(shipment_lines::ClassFlag(l).offset, '*');
    return 1;
  }
  SetLastError(record, message::kInvalidClass);
  return 0;
}

int VerifyWeight(RatingContextView& record, std::string_view weight, int line) {
  if (ValidLine(line)) {
    const std::int64_t w = platform::LeadingInteger(weight).value;
    const std::size_t count = HeldCount(record, context::kBreakCount, context::kBreakSlots);
    for (std::size_t i = 0; i < count; ++i) {
      if (!BreakInUse(record, static_cast<int>(i))) continue;
      if (IntField(record, context::BreakLowerBound(i)) <= w && w <= IntField(record, context::BreakUpperBound(i))) {
        const auto l = static_cast<std::size_t>(line);
        SetIntField(record, shipment_lines::BreakIndex(l), static_cast<std::int32_t>(i));
        record.setText(shipment_lines::WeightText(l), weight.substr(0, shipment_lines::WeightText(l).width), '\0');
        return 1;
      }
    }
  }
  SetLastError(record, message::kInvalidWeight);
  return 0;
}

int BreakInUse(const RatingContextView& record, int i) {
  if (i < 0 || i >= static_cast<int>(context::kBreakSlots)) return 0;
  return platform::UntilNul(record.text(context::BreakLabel(static_cast<std::size_t>(i)))) == kBreakNotInUse ? 0 : 1;
}

}  // namespace ratekit
