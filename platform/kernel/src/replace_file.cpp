#include "platform/kernel/replace_file.h"

#include <cerrno>

#include "descriptor_io.h"
#include "temporary_file.h"

namespace platform {

bool ContentWriter::write(std::span<const std::uint8_t> data) {
  if (error_ != 0) return false;
  ++writes_;
  error_ = writes_ == failingWrite_ ? EIO : detail::WriteWhole(fd_, data);
  return error_ == 0;
}

bool ContentWriter::write(std::string_view text) {
  return write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

ReplaceResult ReplaceFile(std::string_view path, const std::function<void(ContentWriter&)>& produce,
                          const ReplaceOptions& options) {
  ReplaceResult result;
  auto fail = [&](ReplaceStep step, int error) {
    result.failedStep = step;
    result.error = error;
    return result;
  };
  const std::optional<detail::TargetPath> target = detail::ResolveTarget(path);
  if (!target) return fail(ReplaceStep::Create, errno);
  result.path = target->path();
  if (const int error = detail::CheckWritable(*target)) return fail(ReplaceStep::Create, error);

  detail::TemporaryFile temporary(*target, options.mode);
  if (const int error = temporary.createError()) return fail(ReplaceStep::Create, error);

  ContentWriter writer(temporary.fd(), options.faults.failingWrite);
  produce(writer);
  if (writer.error_ != 0) return fail(ReplaceStep::Write, writer.error_);

  const int flushed = options.faults.failFlush ? EIO : temporary.flushAndClose();
  if (flushed != 0) return fail(ReplaceStep::Flush, flushed);

  const int renamed = options.faults.failRename ? EIO : temporary.replace(*target);
  if (renamed != 0) return fail(ReplaceStep::Rename, renamed);

  const int folderFlushed = options.faults.failFolderFlush ? EIO : detail::FlushFolder(target->folder);
  if (folderFlushed != 0) return fail(ReplaceStep::FolderFlush, folderFlushed);
  return result;
}

ReplaceResult ReplaceFile(std::string_view path, std::span<const std::uint8_t> contents,
                          const ReplaceOptions& options) {
  return ReplaceFile(
      path, [contents](ContentWriter& out) { out.write(contents); }, options);
}

ReplaceResult ReplaceFile(std::string_view path, std::string_view contents, const ReplaceOptions& options) {
  return ReplaceFile(
      path, [contents](ContentWriter& out) { out.write(contents); }, options);
}

}  // namespace platform
