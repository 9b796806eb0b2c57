#include "descriptor_io.h"

#include <cerrno>
#include <unistd.h>

namespace platform::detail {

int WriteWhole(int fd, std::span<const std::uint8_t> data, std::optional<std::int64_t> offset) {
  if (offset && *offset < 0) return EINVAL;
  std::size_t done = 0;
  while (done < data.size()) {
    const std::size_t rest = data.size() - done;
    const ssize_t n =
        offset ? ::pwrite(fd, data.data() + done, rest, static_cast<off_t>(*offset + static_cast<std::int64_t>(done)))
               : ::write(fd, data.data() + done, rest);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return ENOSPC;  // a regular file that takes nothing more
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

bool AllowsWriting(const std::string& path, const struct stat& st) {
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(path.c_str(), W_OK) == 0;
}

}  // namespace platform::detail
