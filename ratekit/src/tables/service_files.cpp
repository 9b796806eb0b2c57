#include "tables/service_files.h"

#include <algorithm>
#include <array>

#include "context/context_fields.h"
#include "context/descriptor_slots.h"
#include "context/token_table.h"
#include "files/data_set_files.h"
#include "messages/message_numbers.h"
#include "platform/kernel/fixed_format.h"

namespace ratekit {
namespace {

constexpr platform::FieldSpan kZpsDirectLabel{1, 9};
constexpr platform::FieldSpan kZpsIndirectLabel{11, 9};
constexpr std::string_view kPartner = "PARTNER";
constexpr std::string_view kPartnership = "PARTNERSHIP";

bool OpenSlot(RatingContextView& record, platform::FieldSpan slot, std::string_view extension) {
  const std::optional<std::string> path = FindDataSetFile(record, extension);
  if (!path) {
    CloseDescriptorSlot(record, slot);
    return false;
  }
  return OpenDescriptorSlot(record, slot, *path) >= 0;
}

void PutLabel(RatingContextView& record, platform::FieldSpan label, std::string_view text) {
  record.setText(label, text.starts_with(kPartner) ? kPartnership : text, '\0');
}

}  // namespace

bool AllocateZpsHeader(RatingContextView& record) {
  ClearSlot(record, context::kZpsHeader);
  const Token token = Tokens().makeBuffer(record.data(), kZpsHeaderSize);
  record.setInteger<std::uint32_t>(context::kZpsHeader.offset, token);
  return token != 0;
}

std::optional<std::int32_t> OpenServiceRanges(RatingContextView& record) {
  if (!OpenSlot(record, context::kZpsFile, ".ZPS")) return std::nullopt;
  SetIntField(record, context::kZpsLoaded, 1);
  const std::optional<ResolvedBuffer> header = SlotBuffer(record, context::kZpsHeader);
  if (!header || header->size < kZpsHeaderSize) return message::kServiceRangeFile.read;
  std::array<std::uint8_t, kZpsHeaderSize> bytes{};
  if (ReadSlotAt(record, context::kZpsFile, 0, bytes) != static_cast<std::ptrdiff_t>(bytes.size()))
    return message::kServiceRangeFile.read;
  std::copy(bytes.begin(), bytes.end(), header->data);
  for (const platform::FieldSpan label : context::kServiceLabels) record.fill(label, '\0');
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  PutLabel(record, context::kDirectServiceLabel,
           platform::UntilNul(text.substr(kZpsDirectLabel.offset, kZpsDirectLabel.width)));
  PutLabel(record, context::kIndirectServiceLabel,
           platform::UntilNul(text.substr(kZpsIndirectLabel.offset, kZpsIndirectLabel.width)));
  return std::nullopt;
}

std::optional<std::int32_t> OpenPostalServices(RatingContextView& record, bool& opened) {
  opened = OpenSlot(record, context::kBsvFile, ".BSV");
  if (!opened) return std::nullopt;
  SetIntField(record, context::kBsvLoaded, 1);
  std::array<std::uint8_t, kBsvHeaderSize> bytes{};
  if (ReadSlotAt(record, context::kBsvFile, 0, bytes) != static_cast<std::ptrdiff_t>(bytes.size()))
    return message::kPostalServiceFile.read;
  std::copy(bytes.begin(), bytes.end(), record.data() + context::kBsvHeader.offset);
  for (std::size_t i = 0; i < context::kServiceLabels.size(); ++i) {
    std::string label(record.text(context::BsvHeaderLabel(i)));
    std::replace(label.begin(), label.end(), '*', ' ');
    record.setText(context::kServiceLabels[i], label);
  }
  SetIntField(record, context::kZpsNotNeeded, record.charAt(context::kBsvZpsNotUsed.offset) != ' ' ? 1 : 0);
  return std::nullopt;
}

}  // namespace ratekit
