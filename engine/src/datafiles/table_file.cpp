#include "datafiles/table_file.h"

#include <string>

namespace vorn {

std::optional<platform::File> OpenTableFile(std::string_view folder, std::string_view name, const BinaryDebugLog& log) {
  std::optional<platform::File> file = platform::File::OpenReadOnly(std::string(folder) + std::string(name));
  if (file) log.fileOpened(file->path());
  return file;
}

std::optional<std::vector<std::uint8_t>> OpenTableStream(std::string_view folder, std::string_view name,
                                                         const BinaryDebugLog& log) {
  std::optional<platform::File> file = OpenTableFile(folder, name, log);
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> content;
  std::uint8_t chunk[8192];
  for (;;) {
    const std::ptrdiff_t n = file->read(chunk);
    if (n < 0) return std::nullopt;
    if (n == 0) return content;
    content.insert(content.end(), chunk, chunk + n);
  }
}

}  // namespace vorn
