#include "tables/text_tables.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>

#include "context/context_fields.h"
#include "context/descriptor_slots.h"
#include "context/token_table.h"
#include "files/data_set_files.h"
#include "messages/message_numbers.h"
#include "platform/kernel/file.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/path.h"

namespace ratekit {
namespace {

constexpr std::size_t kLinesPerBlock = 20;
constexpr std::size_t kLabKeyFrom = 5, kLabKeyWidth = 5;
constexpr std::string_view kLastBlockKey = "ZZZZZ";
constexpr std::size_t kLamFirst = 6, kLamSecond = 3;
constexpr std::size_t kAdjRecordSize = 347;

// Characters from..from+width of a line without its line end, blank-padded.
std::string LineColumns(std::string_view line, std::size_t from, std::size_t width) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  std::string columns(width, ' ');
  if (from < line.size()) line.substr(from, width).copy(columns.data(), width);
  return columns;
}

}  // namespace

std::optional<std::int32_t> LoadLab(RatingContextView& record) {
  ClearSlot(record, context::kLabStream);
  SetIntField(record, context::kLabBlockCount, 0);
  const std::optional<std::string> path = FindDataSetFile(record, ".LAB");
  std::FILE* stream = path ? std::fopen(platform::ResolvePath(*path).c_str(), "rb") : nullptr;
  if (stream == nullptr) return message::kLabFile.open;
  const Token token = Tokens().makeStream(record.data(), stream, Ownership::Ratekit);
  if (token == 0) {
    std::fclose(stream);
    return message::kLabFile.read;
  }
  record.setInteger<std::uint32_t>(context::kLabStream.offset, token);
  auto fail = [&] {
    ClearSlot(record, context::kLabStream);
    return message::kLabFile.read;
  };
  std::array<char, context::kLabLine.width> line{};
  std::size_t blocks = 0;
  for (;;) {
    const long position = std::ftell(stream);
    std::size_t lines = 0;
    while (lines < kLinesPerBlock && std::fgets(line.data(), static_cast<int>(line.size()), stream) != nullptr) {
      ++lines;
      record.setText(context::kLabLine, std::string_view(line.data(), strnlen(line.data(), line.size())), '\0');
    }
    if (std::ferror(stream)) return fail();
    if (lines == 0) break;
    if (blocks == context::kLabBlocks) return fail();
    record.setText(context::LabBlockKey(blocks),
                   LineColumns(platform::UntilNul(record.text(context::kLabLine)), kLabKeyFrom, kLabKeyWidth));
    SetIntField(record, context::LabBlockPosition(blocks), static_cast<std::int32_t>(position));
    ++blocks;
    if (lines < kLinesPerBlock) break;
  }
  if (blocks > 0) record.setText(context::LabBlockKey(blocks - 1), kLastBlockKey);
  SetIntField(record, context::kLabBlockCount, static_cast<std::int32_t>(blocks));
  return std::nullopt;
}

std::optional<std::int32_t> LoadLam(RatingContextView& record) {
  SetIntField(record, context::kLamLineCount, 0);
  const FileContent file = ReadWholeFile(FindDataSetFile(record, ".LAM"));
  if (file.outcome != ReadOutcome::Read) return message::kLamFile.open;
  const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
  const std::vector<std::string_view> lines = platform::SplitLines(text);
  if (lines.size() > context::kLamLineRoom) return message::kLamFile.read;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    record.setText(context::kLamLine, lines[i].substr(0, context::kLamLine.width - 1), '\0');
    record.setText(context::LamLine(i), LineColumns(lines[i], 0, kLamFirst + kLamSecond));
  }
  SetIntField(record, context::kLamLineCount, static_cast<std::int32_t>(lines.size()));
  return std::nullopt;
}

std::optional<std::int32_t> LoadAdj(RatingContextView& record) {
  SetIntField(record, context::kAdjRecordCount, 0);
  const std::optional<std::string> path = FindDataSetFile(record, ".ADJ");
  if (!path || OpenDescriptorSlot(record, context::kAdjFile, *path) < 0) {
    CloseDescriptorSlot(record, context::kAdjFile);
    return message::kAdjFile.open;
  }
  std::array<std::uint8_t, kAdjRecordSize> buffer{};
  std::size_t records = 0;
  for (;; ++records) {
    const std::ptrdiff_t n =
        ReadSlotAt(record, context::kAdjFile, static_cast<std::int64_t>(records * kAdjRecordSize), buffer);
    if (n < 0 || (n == static_cast<std::ptrdiff_t>(kAdjRecordSize) && records == context::kAdjRecordRoom)) {
      CloseDescriptorSlot(record, context::kAdjFile);
      return message::kAdjFile.read;
    }
    if (n < static_cast<std::ptrdiff_t>(kAdjRecordSize)) break;
    std::copy(buffer.begin(), buffer.end(), record.data() + context::kAdjRecord.offset);
    std::copy(buffer.begin(), buffer.begin() + 3, record.data() + context::AdjKey(records).offset);
  }
  SetIntField(record, context::kAdjRecordCount, static_cast<std::int32_t>(records));
  return std::nullopt;
}

}  // namespace ratekit
