#include "shell/data_files.h"

#include <algorithm>

#include "platform/kernel/file.h"
#include "platform/kernel/module_loader.h"
#include "platform/kernel/path.h"
#include "shell/qiv_session.h"

namespace qiv {

std::string DataFileOnDisk(const QivSession& session, std::string_view name) {
  return platform::ResolvePath(platform::ModuleFileName(session.dataFile(name)));
}

bool DataFilePresent(const QivSession& session, std::string_view name) {
  return platform::File::OpenReadOnly(DataFileOnDisk(session, name)).has_value();
}

std::optional<std::string> FirstLine(const std::string& path, std::size_t limit) {
  const auto bytes = platform::ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  std::string line(bytes->begin(), bytes->end());
  line = line.substr(0, std::min(line.find('\n'), line.find('\0')));
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line.substr(0, limit);
}

}  // namespace qiv
