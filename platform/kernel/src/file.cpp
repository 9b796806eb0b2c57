#include "platform/kernel/file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "descriptor_io.h"
#include "platform/kernel/path.h"

namespace platform {

File::~File() { close(); }

File::File(File&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      path_(std::move(other.path_)),
      opened_(other.opened_),
      held_(std::exchange(other.held_, Held::kNothing)),
      contents_(std::move(other.contents_)),
      heldSize_(other.heldSize_),
      position_(other.position_) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
    opened_ = other.opened_;
    held_ = std::exchange(other.held_, Held::kNothing);
    contents_ = std::move(other.contents_);
    heldSize_ = other.heldSize_;
    position_ = other.position_;
  }
  return *this;
}

namespace {

FileStamp StampOf(const struct stat& st) {
  return FileStamp{static_cast<std::int64_t>(st.st_mtim.tv_sec), static_cast<std::int64_t>(st.st_mtim.tv_nsec),
                   static_cast<std::int64_t>(st.st_ctim.tv_sec), static_cast<std::int64_t>(st.st_ctim.tv_nsec),
                   static_cast<std::int64_t>(st.st_size),        static_cast<std::uint64_t>(st.st_ino)};
}

int OpenWithFlags(const std::string& path, int flags) {
  int fd;
  do {
    fd = ::open(path.c_str(), flags | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

}  // namespace

std::optional<File> File::OpenReadOnly(std::string_view path) { return OpenExisting(path, false); }

std::optional<File> File::OpenReadWrite(std::string_view path) { return OpenExisting(path, true); }

std::optional<File> File::OpenExisting(std::string_view path, bool forWriting) {
  // The name as written is tried first; only a name that is not there is
  // looked for under another case.
  const int flags = forWriting ? O_RDWR : O_RDONLY;
  std::string native = NativePath(path);
  if (native.empty()) return std::nullopt;
  int fd = OpenWithFlags(native, flags);
  if (fd < 0) {
    if (errno != ENOENT && errno != ENOTDIR) return std::nullopt;
    std::optional<std::string> existing = FindUnderAnotherCase(native);
    if (!existing) return std::nullopt;
    native = std::move(*existing);
    fd = OpenWithFlags(native, flags);
    if (fd < 0) return std::nullopt;
  }
  struct stat st;
  int refusal = 0;
  if (::fstat(fd, &st) != 0)
    refusal = errno;
  else if (S_ISDIR(st.st_mode))
    refusal = EISDIR;
  else if (forWriting && !detail::AllowsWriting(native, st))
    refusal = EACCES;
  if (refusal != 0) {
    ::close(fd);
    errno = refusal;
    return std::nullopt;
  }
  File file(fd, std::move(native));
  file.opened_ = StampOf(st);
  return file;
}

void File::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  releaseContents();
}

bool File::holdContents(std::size_t limit) {
  if (held_ != Held::kNothing) return held_ == Held::kWhole;
  if (fd_ < 0) return false;
  // One read of one byte more than the limit tells whether the file fits.
  thread_local std::vector<std::uint8_t> scratch;
  scratch.resize(limit + 1);
  ssize_t n;
  do {
    n = ::pread(fd_, scratch.data(), scratch.size(), 0);
  } while (n < 0 && errno == EINTR);
  if (n < 0) return false;
  if (static_cast<std::size_t>(n) <= limit) {
    contents_.assign(scratch.begin(), scratch.begin() + n);
    held_ = Held::kWhole;
    return true;
  }
  const std::optional<std::int64_t> measured = size();
  if (!measured) return false;
  heldSize_ = *measured;
  held_ = Held::kSizeOnly;
  return false;
}

void File::releaseContents() {
  held_ = Held::kNothing;
  contents_.clear();
}

std::ptrdiff_t File::read(std::span<std::uint8_t> buffer) {
  const std::ptrdiff_t n = readAt(position_, buffer);
  if (n > 0) position_ += n;
  return n;
}

std::ptrdiff_t File::readAt(std::int64_t offset, std::span<std::uint8_t> buffer) const {
  if (offset < 0) return -1;
  if (held_ == Held::kWhole) {
    if (offset >= static_cast<std::int64_t>(contents_.size())) return 0;
    const std::size_t n = std::min(buffer.size(), contents_.size() - static_cast<std::size_t>(offset));
    std::memcpy(buffer.data(), contents_.data() + offset, n);
    return static_cast<std::ptrdiff_t>(n);
  }
  std::size_t total = 0;
  while (total < buffer.size()) {
    const ssize_t n = ::pread(fd_, buffer.data() + total, buffer.size() - total,
                              static_cast<off_t>(offset) + static_cast<off_t>(total));
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) break;
    total += static_cast<std::size_t>(n);
  }
  return static_cast<std::ptrdiff_t>(total);
}

bool File::write(std::span<const std::uint8_t> data) {
  // (the position is the file's own, kept here: reads and writes are
  // positioned, so held contents need no seek of the descriptor)
  if (!writeAt(position_, data)) return false;
  position_ += static_cast<std::int64_t>(data.size());
  return true;
}

bool File::writeAt(std::int64_t offset, std::span<const std::uint8_t> data) {
  const int error = detail::WriteWhole(fd_, data, offset);
  if (error != 0) errno = error;
  return error == 0;
}

bool File::seek(std::int64_t offset) {
  if (offset < 0 || fd_ < 0) return false;
  position_ = offset;
  return true;
}

bool File::truncate(std::int64_t size) {
  if (size < 0 || fd_ < 0) return false;
  int result;
  do {
    result = ::ftruncate(fd_, static_cast<off_t>(size));
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

std::optional<std::int64_t> File::size() const {
  if (held_ == Held::kWhole) return static_cast<std::int64_t>(contents_.size());
  if (held_ == Held::kSizeOnly) return heldSize_;
  struct stat st;
  if (::fstat(fd_, &st) != 0) return std::nullopt;
  return static_cast<std::int64_t>(st.st_size);
}

std::optional<FileStamp> File::stamp() const {
  struct stat st;
  if (::fstat(fd_, &st) != 0) return std::nullopt;
  return StampOf(st);
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(std::string_view path) {
  std::optional<File> file = File::OpenReadOnly(path);
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> content;
  std::uint8_t chunk[65536];
  for (;;) {
    const std::ptrdiff_t n = file->read(chunk);
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    content.insert(content.end(), chunk, chunk + n);
  }
  return content;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const bool last = end == std::string_view::npos;
    if (last) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace platform
