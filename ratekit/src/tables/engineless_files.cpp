#include "tables/engineless_files.h"

#include <algorithm>
#include <new>
#include <vector>

#include "context/context_fields.h"
#include "context/descriptor_slots.h"
#include "context/token_table.h"
#include "files/data_set_files.h"
#include "messages/message_numbers.h"
#include "tables/record_tables.h"

namespace ratekit {
namespace {

constexpr std::int32_t kLongBseHeaderVersion = 21;  // above it the header is the long one
constexpr std::size_t kBseDataOffsetAt = 32, kBseDataSizeAt = 36;
constexpr std::size_t kTwinRecordSize = 10;
constexpr std::size_t kTableNameRecordSize = 18;
constexpr std::size_t kTableNameWidth = 15;

// Opens the file into its slot and reads consecutive pieces of it into
// fields of the record; the fields are written only when every piece was
// read whole.
std::optional<std::int32_t> LoadImages(RatingContextView& record, std::string_view extension, platform::FieldSpan slot,
                                       std::initializer_list<platform::FieldSpan> pieces,
                                       const message::FileNumbers& numbers) {
  const std::optional<std::string> path = FindDataSetFile(record, extension);
  if (!path || OpenDescriptorSlot(record, slot, *path) < 0) {
    CloseDescriptorSlot(record, slot);
    return numbers.open;
  }
  std::vector<std::uint8_t> bytes;
  for (const platform::FieldSpan piece : pieces) bytes.resize(bytes.size() + piece.width);
  if (ReadSlotAt(record, slot, 0, bytes) != static_cast<std::ptrdiff_t>(bytes.size())) {
    CloseDescriptorSlot(record, slot);
    return numbers.read;
  }
  std::size_t at = 0;
  for (const platform::FieldSpan piece : pieces) {
    std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(at),
              bytes.begin() + static_cast<std::ptrdiff_t>(at + piece.width), record.data() + piece.offset);
    at += piece.width;
  }
  return std::nullopt;
}

// A 12-byte table, or its 10-byte twin widened.
std::optional<std::int32_t> LoadWideTable(RatingContextView& record, std::string_view extension, std::string_view twin,
                                          const RecordTableSlots& slots, const message::FileNumbers& numbers) {
  if (const std::optional<std::string> path = FindDataSetFile(record, extension))
    return LoadRecordTable(record, path, slots, numbers);
  ClearSlot(record, slots.token);
  SetIntField(record, slots.count, 0);
  const FileContent file = ReadWholeFile(FindDataSetFile(record, twin));
  if (auto failure = ReadFailure(file.outcome, numbers)) return failure;
  const std::size_t n = file.bytes.size() / kTwinRecordSize;
  std::vector<std::uint8_t> wide;
  try {
    wide.resize(n * slots.recordSize);
  } catch (const std::bad_alloc&) {
    return numbers.allocation;
  }
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t* from = file.bytes.data() + kTwinRecordSize * i;
    std::uint8_t* to = wide.data() + slots.recordSize * i;
    std::copy(from, from + 8, to);
    platform::StoreLittleEndian<std::int32_t>(to + 8, platform::LoadLittleEndian<std::int16_t>(from + 8));
  }
  if (!StoreTable(record, slots.token, wide)) return numbers.allocation;
  SetIntField(record, slots.count, static_cast<std::int32_t>(n));
  return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> LoadFac(RatingContextView& record) {
  return LoadImages(record, ".FAC", context::kFacFile, {context::kFacImage}, message::kFactorFile);
}

std::optional<std::int32_t> LoadFcc(RatingContextView& record) {
  return LoadImages(record, ".FCC", context::kFccFile, {context::kFccImage}, message::kFactorFile);
}

std::optional<std::int32_t> LoadBsc(RatingContextView& record) {
  return LoadImages(record, ".BSC", context::kBscFile, {context::kBscImage1, context::kBscImage2, context::kBscImage3},
                    message::kBscFile);
}

std::optional<std::int32_t> LoadBse(RatingContextView& record) {
  const bool longHeader = IntField(record, context::kTariffDataVersion) > kLongBseHeaderVersion;
  const platform::FieldSpan header = longHeader ? context::kBseLongHeader : context::kBseShortHeader;
  if (auto failure = LoadImages(record, ".BSE", context::kBseFile, {header}, message::kBseFile)) return failure;
  const std::int32_t offset = IntField(record, {header.offset + kBseDataOffsetAt, 4});
  const std::int32_t size = IntField(record, {header.offset + kBseDataSizeAt, 4});
  std::vector<std::uint8_t> data(
      size >= 0 && static_cast<std::size_t>(size) <= context::kBseData.width ? static_cast<std::size_t>(size) : 0);
  if (data.size() != static_cast<std::size_t>(size) || ReadSlotAt(record, context::kBseFile, offset, data) != size) {
    CloseDescriptorSlot(record, context::kBseFile);
    return message::kBseFile.read;
  }
  std::copy(data.begin(), data.end(), record.data() + context::kBseData.offset);
  return std::nullopt;
}

std::optional<std::int32_t> LoadMch(RatingContextView& record) {
  ClearSlot(record, context::kMchTable);
  const FileContent file = ReadWholeFile(FindDataSetFile(record, ".MCH"));
  if (auto failure = ReadFailure(file.outcome, message::kMchFile)) return failure;
  if (!StoreTable(record, context::kMchTable, file.bytes, 2)) return message::kMchFile.allocation;
  return std::nullopt;
}

std::optional<std::int32_t> LoadLa(RatingContextView& record) {
  return LoadRecordTable(record, FindDataSetFile(record, ".LA "), kLaTable, message::kLaFile);
}

std::optional<std::int32_t> LoadRba(RatingContextView& record) {
  return LoadRecordTable(record, FindDataSetFile(record, ".RBA"), kRbaTable, message::kRbaFile);
}

std::optional<std::int32_t> LoadLmc(RatingContextView& record) {
  return LoadWideTable(record, ".LMC", ".MC ", kLmcTable, message::kLmcFile);
}

std::optional<std::int32_t> LoadLca(RatingContextView& record) {
  return LoadWideTable(record, ".LCA", ".MCA", kLcaTable, message::kLcaFile);
}

std::optional<std::int32_t> LoadTableNames(RatingContextView& record) {
  const FileContent file = ReadWholeFile(FindDataSetFile(record, ".TBL"));
  if (auto failure = ReadFailure(file.outcome, message::kTableNameFile)) return failure;
  const std::size_t names = std::min(file.bytes.size() / kTableNameRecordSize, context::kTableNameCount);
  for (std::size_t i = 0; i < names; ++i) {
    const std::string_view r(reinterpret_cast<const char*>(file.bytes.data()) + kTableNameRecordSize * i,
                             kTableNameWidth);
    record.setText(context::TableName(i), r, '\0');
  }
  return std::nullopt;
}

}  // namespace ratekit
