#include "platform/kernel/copy_file.h"

#include <cerrno>
#include <cstdint>

#include "descriptor_io.h"
#include "platform/kernel/file.h"
#include "temporary_file.h"

namespace platform {

CopyResult CopyFileIfAbsent(std::string_view from, std::string_view to, const NewFileMode& mode) {
  const auto failed = [](int error) { return CopyResult{CopyOutcome::Failed, error}; };
  const std::optional<detail::TargetPath> target = detail::ResolveTarget(to);
  if (!target) return failed(errno);
  if (target->exists) return {CopyOutcome::TargetExists, 0};

  std::optional<File> source = File::OpenReadOnly(from);
  if (!source) return failed(errno);
  if (const int error = detail::CheckWritable(*target)) return failed(error);

  detail::TemporaryFile temporary(*target, mode);
  if (const int error = temporary.createError()) return failed(error);
  std::uint8_t chunk[65536];
  for (;;) {
    const std::ptrdiff_t n = source->read(chunk);
    if (n < 0) return failed(errno);
    if (n == 0) break;
    if (const int error = detail::WriteWhole(temporary.fd(), std::span(chunk, static_cast<std::size_t>(n))))
      return failed(error);
  }
  if (const int error = temporary.flushAndClose()) return failed(error);

  const int placed = temporary.placeIfAbsent(*target);
  if (placed == EEXIST) return {CopyOutcome::TargetExists, 0};
  if (placed != 0) return failed(placed);
  return {CopyOutcome::Copied, detail::FlushFolder(target->folder)};
}

}  // namespace platform
