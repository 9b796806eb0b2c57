#include "output/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "dataset/errors.h"

namespace dataset {
namespace {

std::string SystemError(const std::string& what, const std::filesystem::path& file) {
  return what + " " + file.string() + ": " + std::strerror(errno);
}

// Writes all of content to fd; false on an error.
bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t n = ::write(fd, content.data(), content.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    content.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::string ReadFileBytes(const std::filesystem::path& file) {
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) throw Error("cannot read " + file.string() + ": it is a directory");
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw Error(SystemError("cannot read", file));
  std::string content;
  char buffer[65536];
  while (true) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const std::string message = SystemError("cannot read", file);
      ::close(fd);
      throw Error(message);
    }
    if (n == 0) break;
    content.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return content;
}

void ReplaceFile(const std::filesystem::path& file, std::string_view content) {
  std::filesystem::path dir = file.parent_path().empty() ? "." : file.parent_path();
  std::string hidden = ".";
  hidden += file.filename().string();
  hidden += ".XXXXXX";
  std::string temp = (dir / hidden).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) throw Error(SystemError("cannot write in", dir));
  bool ok = WriteAll(fd, content) && ::fchmod(fd, 0644) == 0;
  int error = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    errno = error;
    throw Error(SystemError("cannot write", file));
  }
  if (::rename(temp.c_str(), file.c_str()) != 0) {
    const std::string message = SystemError("cannot replace", file);
    ::unlink(temp.c_str());
    throw Error(message);
  }
}

}  // namespace dataset
