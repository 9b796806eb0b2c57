#include "tables/record_tables.h"

#include <algorithm>

#include "context/context_fields.h"
#include "context/token_table.h"

namespace ratekit {

std::optional<std::int32_t> ReadFailure(ReadOutcome outcome, const message::FileNumbers& numbers) {
  switch (outcome) {
    case ReadOutcome::Read: return std::nullopt;
    case ReadOutcome::Missing: return numbers.open;
    case ReadOutcome::Unallocated: return numbers.allocation != 0 ? numbers.allocation : numbers.read;
    case ReadOutcome::Failed: return numbers.read;
  }
  return numbers.read;
}

std::optional<std::int32_t> LoadRecordTable(RatingContextView& record, const std::optional<std::string>& path,
                                            const RecordTableSlots& slots, const message::FileNumbers& numbers) {
  ClearSlot(record, slots.token);
  SetIntField(record, slots.count, 0);
  const FileContent file = ReadWholeFile(path);
  if (auto failure = ReadFailure(file.outcome, numbers)) return failure;
  if (!StoreTable(record, slots.token, file.bytes)) return ReadFailure(ReadOutcome::Unallocated, numbers);
  SetIntField(record, slots.count,
              static_cast<std::int32_t>(std::min<std::size_t>(file.bytes.size() / slots.recordSize, INT32_MAX)));
  return std::nullopt;
}

std::string_view TableRecords(const RatingContextView& record, const RecordTableSlots& slots) {
  const std::optional<ResolvedBuffer> buffer = SlotBuffer(record, slots.token);
  if (!buffer) return {};
  const std::size_t held = buffer->size / slots.recordSize;
  const std::size_t count = static_cast<std::size_t>(
      std::clamp<std::int64_t>(IntField(record, slots.count), 0, static_cast<std::int64_t>(held)));
  return std::string_view(reinterpret_cast<const char*>(buffer->data), count * slots.recordSize);
}

}  // namespace ratekit
