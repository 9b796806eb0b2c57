#include "shell/data_directory.h"

#include <strings.h>

#include "platform/kernel/path.h"

namespace qiv {

std::optional<std::string> DataDirectoryOf(std::string_view programPath) {
  std::string path(programPath);
  static constexpr std::string_view kRelease = "RELEASE";
  static constexpr std::string_view kData = "ZQDATA";
  for (std::size_t at = 0; at + 1 + kRelease.size() <= path.size(); ++at) {
    if (!platform::IsPathSeparator(path[at])) continue;
    if (::strncasecmp(path.data() + at + 1, kRelease.data(), kRelease.size()) != 0) continue;
    path.replace(at + 1, kRelease.size(), kData);
  }
  std::string directory = platform::DriveAndDirectory(path);
  if (directory.empty()) return std::nullopt;
  return directory;
}

}  // namespace qiv
