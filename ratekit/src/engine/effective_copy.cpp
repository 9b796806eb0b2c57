#include "engine/effective_copy.h"

#include <cstring>
#include <string_view>

#include "context/context_fields.h"
#include "context/token_table.h"
#include "messages/message_numbers.h"
#include "vorn32/effective_entry.h"

namespace ratekit {
namespace {

using vorn::kEffectiveEntrySize;
namespace entry = vorn::effective_entry;

// Room after the entries, so that a count forced to 1 reads zeros.
constexpr std::size_t kSpareBytes = 34;
constexpr std::string_view kBureau = "Bureau";

// The key's parts: name 0..7, year 9..12, month 14..15, day 17..18.
constexpr std::size_t kKeyLength = 19;
constexpr platform::FieldSpan kKeyName{0, 8}, kKeyYear{9, 4}, kKeyMonth{14, 2}, kKeyDay{17, 2};

bool Same(const char* key, platform::FieldSpan keyPart, const std::uint8_t* e, platform::FieldSpan entryPart) {
  return std::memcmp(key + keyPart.offset, e + entryPart.offset, keyPart.width) == 0;
}

}  // namespace

std::optional<std::int32_t> CopyEffectiveTable(RatingContextView& record, const EngineEntryPoints& engine,
                                               VornHandle handle, std::int16_t n) {
  if (SlotToken(record, context::kEffectiveTableCopy) != 0) {
    ClearSlot(record, context::kCurrentEffectiveEntry);
    ClearSlot(record, context::kEffectiveTableCopy);
  }
  const std::size_t count = static_cast<std::size_t>(n);
  const Token token = Tokens().makeBuffer(record.data(), count * kEffectiveEntrySize + kSpareBytes);
  if (token == 0) return message::kEffectiveTableAllocation;
  record.setInteger<std::uint32_t>(context::kEffectiveTableCopy.offset, token);
  const ResolvedBuffer copy = *Tokens().buffer(record.data(), token);
  SetIntField(record, context::kEffectiveEntriesKept, n);
  SetIntField(record, context::kEffectiveEntriesSkipped, 0);
  std::int32_t appended = 0, skipped = 0;
  for (std::size_t i = 0; i < count; ++i) {
    char entryText[kEffectiveEntrySize];
    if (engine.getEffectiveEntry(handle, entryText, static_cast<int>(i)) == nullptr)
      return message::kEffectiveTableRead;
    if (std::string_view(entryText, kBureau.size()) == kBureau) {
      SetIntField(record, context::kEffectiveEntriesSkipped, ++skipped);
      continue;
    }
    std::memcpy(copy.data + kEffectiveEntrySize * static_cast<std::size_t>(appended++), entryText, kEffectiveEntrySize);
  }
  const bool oneTariff = record.charAt(tariff_settings::kStateLookup.offset) == '2' ||
                         record.charAt(context::kLaneTariffTablesLoaded.offset) == 'Y';
  SetIntField(record, context::kEffectiveEntriesSkipped, oneTariff ? 0 : skipped);
  SetIntField(record, context::kEffectiveEntriesKept, oneTariff ? 1 : appended);
  return std::nullopt;
}

char* FindEffectiveEntry(RatingContextView& record, const char* key) {
  if (key == nullptr || strnlen(key, kKeyLength) < kKeyLength) return nullptr;
  const std::optional<ResolvedBuffer> copy = SlotBuffer(record, context::kEffectiveTableCopy);
  if (!copy) return nullptr;
  const std::int32_t kept = IntField(record, context::kEffectiveEntriesKept);
  const std::size_t searched =
      kept <= 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(kept), copy->size / kEffectiveEntrySize);
  for (std::size_t i = 0; i < searched; ++i) {
    std::uint8_t* e = copy->data + kEffectiveEntrySize * i;
    if (Same(key, kKeyName, e, entry::kName) && Same(key, kKeyYear, e, entry::kYear) &&
        Same(key, kKeyMonth, e, entry::kMonth) && Same(key, kKeyDay, e, entry::kDay))
      return reinterpret_cast<char*>(e);
  }
  return nullptr;
}

}  // namespace ratekit
