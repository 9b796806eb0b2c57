#include "files/data_set_files.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "context/context_fields.h"
#include "context/token_table.h"
#include "platform/kernel/file.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/path.h"

namespace ratekit {
namespace {

// The extensions the open routine looks for in the current directory first.
constexpr std::array<std::string_view, 3> kCurrentDirectoryFirst{".DIS", ".PRS", ".ACC"};

std::optional<std::string> Existing(const std::string& path) {
  if (platform::File::OpenReadOnly(path)) return path;
  return std::nullopt;
}

}  // namespace

std::string StartupDirectory(const RatingContextView& record) {
  return std::string(platform::UntilNul(record.text(context::kStartupDirectory)));
}

std::string DataSetFileName(const RatingContextView& record, std::string_view extension) {
  const std::string_view base = platform::TrimTrailingBlanks(platform::UntilNul(record.text(context::kTariffBaseName)));
  return std::string(base) + std::string(extension);
}

std::optional<std::string> FindDataSetFile(const RatingContextView& record, std::string_view extension) {
  const std::string name = DataSetFileName(record, extension);
  if (std::find(kCurrentDirectoryFirst.begin(), kCurrentDirectoryFirst.end(), extension) !=
      kCurrentDirectoryFirst.end())
    if (std::optional<std::string> here = Existing(name)) return here;
  return Existing(DataDirectory(record) + name);
}

std::optional<std::string> FindWrittenImageFile(const RatingContextView& record, std::string_view extension) {
  const std::string name = DataSetFileName(record, extension);
  if (std::optional<std::string> startup = Existing(StartupDirectory(record) + name)) return startup;
  return Existing(DataDirectory(record) + name);
}

FileContent ReadWholeFile(const std::optional<std::string>& path) {
  FileContent content;
  if (!path) return content;
  std::optional<platform::File> file = platform::File::OpenReadOnly(*path);
  if (!file) return content;
  const std::optional<std::int64_t> size = file->size();
  if (!size) {
    content.outcome = ReadOutcome::Failed;
    return content;
  }
  try {
    content.bytes.resize(static_cast<std::size_t>(*size));
  } catch (const std::bad_alloc&) {
    content.outcome = ReadOutcome::Unallocated;
    return content;
  } catch (const std::length_error&) {
    content.outcome = ReadOutcome::Unallocated;
    return content;
  }
  std::size_t filled = 0;
  while (filled < content.bytes.size()) {
    const std::ptrdiff_t n = file->read(std::span(content.bytes).subspan(filled));
    if (n < 0) {
      content.outcome = ReadOutcome::Failed;
      return content;
    }
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  // A file that shrank while it was read is what was read of it.
  content.bytes.resize(filled);
  content.outcome = ReadOutcome::Read;
  return content;
}

ReadOutcome ReadImage(RatingContextView& record, const std::optional<std::string>& path, platform::FieldSpan field) {
  if (!path) return ReadOutcome::Missing;
  std::optional<platform::File> file = platform::File::OpenReadOnly(*path);
  if (!file) return ReadOutcome::Missing;
  std::vector<std::uint8_t> image(field.width);
  std::size_t filled = 0;
  while (filled < image.size()) {
    const std::ptrdiff_t n = file->read(std::span(image).subspan(filled));
    if (n <= 0) return ReadOutcome::Failed;
    filled += static_cast<std::size_t>(n);
  }
  std::memcpy(record.data() + field.offset, image.data(), image.size());
  return ReadOutcome::Read;
}

bool StoreTable(RatingContextView& record, platform::FieldSpan slot, std::span<const std::uint8_t> bytes,
                std::size_t zeros) {
  ClearSlot(record, slot);
  const Token token = Tokens().makeBuffer(record.data(), bytes.size() + zeros);
  if (token == 0) return false;
  if (!bytes.empty()) std::memcpy(Tokens().buffer(record.data(), token)->data, bytes.data(), bytes.size());
  record.setInteger<std::uint32_t>(slot.offset, token);
  return true;
}

}  // namespace ratekit
