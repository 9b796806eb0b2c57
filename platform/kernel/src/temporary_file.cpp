#include "temporary_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "descriptor_io.h"
#include "platform/kernel/path.h"

namespace platform::detail {
namespace {

std::string FolderForSystem(const std::string& folder) { return folder.empty() ? "." : folder; }

int OpenNew(const std::string& path, mode_t mode) {
  int fd;
  do {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// Names long enough to pass the system's limit once the suffix is added are
// cut; the suffix alone makes the name unique.
constexpr std::size_t kNameKept = 200;

}  // namespace

std::optional<TargetPath> ResolveTarget(std::string_view path) {
  const std::string native = NativePath(path);
  if (native.empty() || EndsWithPathSeparator(native)) {
    errno = EISDIR;
    return std::nullopt;
  }
  TargetPath target;
  std::string spelled = native;
  if (std::optional<std::string> existing = FindExistingPath(native)) {
    spelled = std::move(*existing);
    target.exists = true;
  }
  const std::size_t slash = spelled.rfind('/');
  target.folder = slash == std::string::npos ? std::string() : spelled.substr(0, slash + 1);
  target.name = spelled.substr(slash == std::string::npos ? 0 : slash + 1);
  if (!target.exists && !target.folder.empty()) {
    if (std::optional<std::string> folder = FindExistingPath(target.folder))
      target.folder = WithTrailingSeparator(*folder);
  }
  return target;
}

int CheckWritable(const TargetPath& target) {
  struct stat st;
  const std::string folder = FolderForSystem(target.folder);
  if (::stat(folder.c_str(), &st) != 0) return errno;
  if (!S_ISDIR(st.st_mode)) return ENOTDIR;
  if (!AllowsWriting(folder, st)) return EACCES;
  const std::string path = target.path();
  if (::stat(path.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
  if (S_ISDIR(st.st_mode)) return EISDIR;
  return AllowsWriting(path, st) ? 0 : EACCES;
}

TemporaryFile::TemporaryFile(const TargetPath& target, const NewFileMode& mode) {
  static std::atomic<unsigned> counter{0};
  const std::string stem =
      target.folder + "." + target.name.substr(0, kNameKept) + "." + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    path_ = stem + std::to_string(counter.fetch_add(1)) + ".tmp";
    fd_ = OpenNew(path_, mode.exact ? S_IRUSR | S_IWUSR : 0666);
    if (fd_ >= 0 || errno != EEXIST) break;
  }
  if (fd_ < 0) {
    createError_ = errno;
    return;
  }
  created_ = true;
  if (mode.exact && ::fchmod(fd_, static_cast<mode_t>(*mode.exact & 07777)) != 0) createError_ = errno;
}

TemporaryFile::~TemporaryFile() {
  if (fd_ >= 0) ::close(fd_);
  if (created_ && !placed_) ::unlink(path_.c_str());
}

int TemporaryFile::flushAndClose() {
  int error = ::fsync(fd_) == 0 ? 0 : errno;
  if (::close(fd_) != 0 && error == 0) error = errno;
  fd_ = -1;
  return error;
}

int TemporaryFile::replace(const TargetPath& target) {
  if (::rename(path_.c_str(), target.path().c_str()) != 0) return errno;
  placed_ = true;
  return 0;
}

int TemporaryFile::placeIfAbsent(const TargetPath& target) {
  const std::string path = target.path();
  if (::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) {
    placed_ = true;
    return 0;
  }
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // A file system without the exclusive rename: a hard link is made only
  // when the name is free, too.
  if (::link(path_.c_str(), path.c_str()) != 0) return errno;
  ::unlink(path_.c_str());
  placed_ = true;
  return 0;
}

int FlushFolder(const std::string& folder) {
  const int fd = ::open(FolderForSystem(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int error = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return error;
}

}  // namespace platform::detail
