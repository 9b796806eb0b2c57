#include "tables/zip_index_files.h"

#include <vector>

#include "context/context_fields.h"
#include "context/descriptor_slots.h"
#include "context/token_table.h"
#include "files/data_set_files.h"
#include "messages/message_numbers.h"

namespace ratekit {
namespace {

struct ZipIndexFile {
  std::string_view extension;
  platform::FieldSpan slot, count, keys;
  platform::FieldSpan entries;  // in the record; width 0: in the .ZF2 block
  std::size_t entrySize;
  platform::FieldSpan dataOffsetAndLength;
  message::FileNumbers numbers;
};

constexpr ZipIndexFile kZf1{".ZF1",
                            context::kZf1File,
                            context::kZf1IndexCount,
                            context::kZf1Keys,
                            context::kZf1Entries,
                            3,
                            context::kZf1DataOffsetAndLength,
                            message::kZf1File};
constexpr ZipIndexFile kZfm{".ZFM",
                            context::kZfmFile,
                            context::kZfmIndexCount,
                            context::kZfmKeys,
                            context::kZfmEntries,
                            3,
                            context::kZfmDataOffsetAndLength,
                            message::kZfmFile};
constexpr ZipIndexFile kZf2{".ZF2",
                            context::kZf2File,
                            context::kZf2IndexCount,
                            context::kZf2Keys,
                            {0, 0},
                            6,
                            context::kZf2DataOffsetAndLength,
                            message::kZf2File};

bool ReadExactly(const RatingContextView& record, platform::FieldSpan slot, std::int64_t offset,
                 std::span<std::uint8_t> into) {
  return ReadSlotAt(record, slot, offset, into) == static_cast<std::ptrdiff_t>(into.size());
}

std::optional<std::int32_t> Load(RatingContextView& record, const ZipIndexFile& f) {
  SetIntField(record, f.count, 0);
  const std::optional<std::string> path = FindDataSetFile(record, f.extension);
  if (!path || OpenDescriptorSlot(record, f.slot, *path) < 0) {
    CloseDescriptorSlot(record, f.slot);
    return f.numbers.open;
  }
  auto fail = [&] {
    CloseDescriptorSlot(record, f.slot);
    if (f.entries.width == 0) ClearSlot(record, context::kZf2IndexBlock);
    return f.numbers.read;
  };
  std::uint8_t countBytes[2];
  if (!ReadExactly(record, f.slot, 0, countBytes)) return fail();
  const std::size_t n = platform::LoadLittleEndian<std::uint16_t>(countBytes);
  if (2 * n > f.keys.width) return fail();
  std::vector<std::uint8_t> keys(2 * n), entries(f.entrySize * n);
  if (!ReadExactly(record, f.slot, 2, keys) ||
      !ReadExactly(record, f.slot, static_cast<std::int64_t>(6 * n + 2), entries))
    return fail();
  const std::optional<std::int64_t> length = SlotFileSize(record, f.slot);
  if (!length) return fail();
  std::copy(keys.begin(), keys.end(), record.data() + f.keys.offset);
  if (f.entries.width != 0) {
    std::copy(entries.begin(), entries.end(), record.data() + f.entries.offset);
  } else if (!StoreTable(record, context::kZf2IndexBlock, entries)) {
    return fail();
  }
  SetIntField(record, f.count, static_cast<std::int32_t>(n));
  SetIntField(record, {f.dataOffsetAndLength.offset, 4}, static_cast<std::int32_t>((6 + f.entrySize) * n + 2));
  SetIntField(record, {f.dataOffsetAndLength.offset + 4, 4},
              static_cast<std::int32_t>(std::min<std::int64_t>(*length, INT32_MAX)));
  return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> LoadZf1(RatingContextView& record) { return Load(record, kZf1); }
std::optional<std::int32_t> LoadZfm(RatingContextView& record) { return Load(record, kZfm); }
std::optional<std::int32_t> LoadZf2(RatingContextView& record) { return Load(record, kZf2); }

}  // namespace ratekit
