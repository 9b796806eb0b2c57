#include "platform/kernel/kept_file.h"

#include <cerrno>
#include <sys/stat.h>

#include "platform/kernel/file.h"

namespace platform {

std::optional<KeptFile::Stamp> KeptFile::StampOf(const std::string& native) {
  struct stat st;
  if (::stat(native.c_str(), &st) != 0) return std::nullopt;
  if (S_ISDIR(st.st_mode)) {  // no file to read, as it opens none
    errno = EISDIR;
    return std::nullopt;
  }
  Stamp stamp;
  stamp.entry =
      FolderStamp{static_cast<std::uint64_t>(st.st_dev),        static_cast<std::uint64_t>(st.st_ino),
                  static_cast<std::int64_t>(st.st_mtim.tv_sec), static_cast<std::int64_t>(st.st_mtim.tv_nsec),
                  static_cast<std::int64_t>(st.st_ctim.tv_sec), static_cast<std::int64_t>(st.st_ctim.tv_nsec)};
  stamp.size = static_cast<std::int64_t>(st.st_size);
  return stamp;
}

const std::vector<std::uint8_t>* KeptFile::contents(std::string_view path) {
  if (path != given_) {
    given_ = path;
    native_ = NativePath(path);
    kept_.reset();
  }
  // The name as written first; only a name that is not there is looked
  // for under another case (the file is then read under that name).
  std::string found;
  std::optional<Stamp> now = native_.empty() ? std::nullopt : StampOf(native_);
  if (!now && !native_.empty() && (errno == ENOENT || errno == ENOTDIR)) {
    if (std::optional<std::string> other = FindUnderAnotherCase(native_)) {
      found = std::move(*other);
      now = StampOf(found);
    }
  }
  if (!now) {
    kept_.reset();
    contents_.reset();
    return nullptr;
  }
  if (kept_ == now && contents_) return &*contents_;

  // Judged before the read: a change made after this moment carries a time
  // later than a settled stamp's, however coarse the file system's times.
  const bool settled = IsSettled(now->entry);
  contents_ = ReadWholeFile(found.empty() ? native_ : found);
  ++reads_;
  kept_.reset();
  if (contents_ && settled) kept_ = now;
  return contents_ ? &*contents_ : nullptr;
}

}  // namespace platform
