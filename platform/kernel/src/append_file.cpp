#include "platform/kernel/append_file.h"

#include <cerrno>

#include "platform/kernel/file.h"
#include "platform/kernel/path.h"

namespace platform {

namespace {

AppendResult MadeAnew(std::string_view path, std::span<const std::uint8_t> data, const AppendOptions& options) {
  const ReplaceResult made = ReplaceFile(path, data, {.mode = options.mode, .faults = options.newFileFaults});
  AppendResult result{.path = made.path};
  // A folder that could not be flushed holds the file all the same.
  if (made.ok() || made.failedStep == ReplaceStep::FolderFlush) {
    result.created = true;
    return result;
  }
  result.failedStep = made.failedStep == ReplaceStep::Create ? AppendStep::Create : AppendStep::Write;
  result.error = made.error;
  return result;
}

}  // namespace

AppendResult AppendToFile(std::string_view path, std::span<const std::uint8_t> data, const AppendOptions& options) {
  const std::optional<std::string> existing = FindExistingPath(path);
  if (!existing) return MadeAnew(path, data, options);
  AppendResult result{.path = *existing};
  const auto fail = [&result](AppendStep step, int error) {
    result.failedStep = step;
    result.error = error;
    return result;
  };
  std::optional<File> file = File::OpenReadWrite(*existing);
  if (!file) return fail(AppendStep::Open, errno);
  const std::optional<std::int64_t> size = file->size();
  if (!size) return fail(AppendStep::Open, errno);
  if (data.empty()) return result;
  std::int64_t at = *size;
  std::uint8_t last = 0;
  if (options.endMark && at > 0 && file->readAt(at - 1, std::span(&last, 1)) == 1 && last == *options.endMark) --at;

  bool written;
  int error = 0;
  if (options.shortWriteAfter && *options.shortWriteAfter < data.size()) {
    file->writeAt(at, data.first(*options.shortWriteAfter));
    written = false;
    error = ENOSPC;
  } else {
    written = file->writeAt(at, data);
    if (!written) error = errno;
  }
  if (written) return result;
  // Put the file back as it was: its size, and the mark the data began on.
  const bool undone = file->truncate(*size) && (at == *size || file->writeAt(at, std::span(&last, 1)));
  return fail(undone ? AppendStep::Write : AppendStep::Undo, error);
}

AppendResult AppendToFile(std::string_view path, std::string_view data, const AppendOptions& options) {
  return AppendToFile(path, std::span(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()), options);
}

}  // namespace platform
