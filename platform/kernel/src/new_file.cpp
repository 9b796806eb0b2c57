#include "platform/kernel/new_file.h"

#include <cerrno>
#include <sys/stat.h>

#include "descriptor_io.h"
#include "temporary_file.h"

namespace platform {

NewFile::NewFile(std::string folder, std::unique_ptr<detail::TemporaryFile> file)
    : folder_(std::move(folder)), file_(std::move(file)) {}

NewFile::NewFile(NewFile&& other) noexcept = default;
NewFile& NewFile::operator=(NewFile&& other) noexcept = default;
NewFile::~NewFile() = default;

std::optional<NewFile> NewFile::Create(std::string_view folder, std::string_view name, const NewFileMode& mode) {
  std::string path(folder);
  if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
  path += name.empty() ? std::string_view("new") : name;
  const std::optional<detail::TargetPath> target = detail::ResolveTarget(path);
  if (!target) return std::nullopt;
  // Only the folder matters: a file of the hint's name is never touched.
  const std::string folderForSystem = target->folder.empty() ? "." : target->folder;
  struct stat st;
  if (::stat(folderForSystem.c_str(), &st) != 0) return std::nullopt;
  if (!S_ISDIR(st.st_mode) || !detail::AllowsWriting(folderForSystem, st)) {
    errno = S_ISDIR(st.st_mode) ? EACCES : ENOTDIR;
    return std::nullopt;
  }
  auto file = std::make_unique<detail::TemporaryFile>(*target, mode);
  if (const int error = file->createError()) {
    errno = error;
    return std::nullopt;
  }
  return NewFile(target->folder, std::move(file));
}

bool NewFile::write(std::span<const std::uint8_t> data) {
  if (writeError_ != 0 || !file_) return false;
  writeError_ = detail::WriteWhole(file_->fd(), data);
  return writeError_ == 0;
}

std::optional<std::string> NewFile::placeUnderFreeName(const std::function<std::string(int)>& nameFor, int limit) {
  const auto fail = [this](int error) -> std::optional<std::string> {
    discard();
    errno = error;
    return std::nullopt;
  };
  if (!file_) return fail(EBADF);
  if (writeError_ != 0) return fail(writeError_);
  if (const int error = file_->flushAndClose()) return fail(error);
  for (int number = 1; number <= limit; ++number) {
    const std::optional<detail::TargetPath> target = detail::ResolveTarget(folder_ + nameFor(number));
    if (!target) return fail(errno);
    if (target->exists) continue;
    const int placed = file_->placeIfAbsent(*target);
    if (placed == EEXIST) continue;
    if (placed != 0) return fail(placed);
    file_.reset();
    detail::FlushFolder(target->folder);
    return target->path();
  }
  return fail(EEXIST);
}

void NewFile::discard() { file_.reset(); }

}  // namespace platform
