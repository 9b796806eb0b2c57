#include "files/level_files.h"

#include "context/context_fields.h"
#include "context/token_table.h"
#include "files/data_set_files.h"
#include "messages/message_numbers.h"

namespace ratekit {
namespace {

constexpr std::size_t kLevelRecordSize = 18;
constexpr platform::FieldSpan kLevelDate{8, 8};  // "YYYYMMDD"
constexpr std::size_t kOriginCodeSize = 6;

}  // namespace

std::optional<std::int32_t> ReadLevelFile(RatingContextView& record, std::string_view fileName) {
  const FileContent file = ReadWholeFile(DataDirectory(record) + std::string(fileName));
  switch (file.outcome) {
    case ReadOutcome::Missing: return message::kLevelFile.open;
    case ReadOutcome::Unallocated: return message::kLevelFile.allocation;
    case ReadOutcome::Failed: return message::kLevelFile.read;
    case ReadOutcome::Read: break;
  }
  // Without a whole record there is no level, and no date to take.
  if (file.bytes.size() < kLevelRecordSize) return message::kLevelFile.read;
  if (!StoreTable(record, context::kLevelTable, file.bytes)) return message::kLevelFile.allocation;
  SetIntField(record, context::kLevelCount, static_cast<std::int32_t>(file.bytes.size() / kLevelRecordSize));
  const std::string_view date(reinterpret_cast<const char*>(file.bytes.data()) + kLevelDate.offset, kLevelDate.width);
  const std::string shipmentDate =
      std::string(date.substr(4, 2)) + "-" + std::string(date.substr(6, 2)) + "-" + std::string(date.substr(0, 4));
  record.setText(context::kShipmentDate, shipmentDate);
  return std::nullopt;
}

std::optional<std::int32_t> ReadOriginCodes(RatingContextView& record) {
  SetIntField(record, context::kCozCount, 0);
  const FileContent file = ReadWholeFile(FindDataSetFile(record, ".COZ"));
  std::int32_t failure = message::kOriginCodeFile.read;
  switch (file.outcome) {
    case ReadOutcome::Missing: failure = message::kOriginCodeFile.open; break;
    case ReadOutcome::Unallocated: failure = message::kOriginCodeFile.allocation; break;
    case ReadOutcome::Failed: break;
    case ReadOutcome::Read:
      if (StoreTable(record, context::kCozTable, file.bytes)) {
        SetIntField(record, context::kCozCount, static_cast<std::int32_t>(file.bytes.size() / kOriginCodeSize));
        return std::nullopt;
      }
      failure = message::kOriginCodeFile.allocation;
      break;
  }
  ClearSlot(record, context::kCozTable);
  return failure;
}

}  // namespace ratekit
