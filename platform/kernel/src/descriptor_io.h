// Whole writes on file descriptors and the write-permission rule shared by
// the file classes and the file replacement helpers.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <sys/stat.h>

namespace platform::detail {

// Writes all of data, at the current position or at offset, retrying after
// interruptions and short writes. 0, or the errno of the write that failed.
int WriteWhole(int fd, std::span<const std::uint8_t> data, std::optional<std::int64_t> offset = std::nullopt);

// Whether a file or folder may be written: the process has write permission
// and the mode has at least one write bit. A mode without any counts as
// read-only even for root, whom the permission check lets write anything.
bool AllowsWriting(const std::string& path, const struct stat& st);

}  // namespace platform::detail
