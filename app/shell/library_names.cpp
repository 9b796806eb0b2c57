#include "shell/library_names.h"

#include <algorithm>

#include "platform/kernel/file.h"
#include "platform/kernel/path.h"

namespace qiv {

LibraryNames ParseLibraryNames(std::string_view line) {
  line = line.substr(0, kLibraryNamesLineLimit);
  LibraryNames names;
  if (line.empty()) return names;
  names.engineInUse = line.front() == 'Y';
  const std::string_view rest = line.substr(1);
  const std::size_t firstPoint = rest.find('.');
  if (firstPoint == std::string_view::npos) {
    names.functionLibrary = std::string(rest) + ".DLL";
    return names;
  }
  names.functionLibrary = std::string(rest.substr(0, firstPoint)) + ".DLL";
  std::string_view after = rest.substr(firstPoint + 1);
  if (names.engineInUse) {
    const std::size_t nextPoint = after.find('.');
    if (nextPoint == std::string_view::npos) {
      names.engine = std::string(after) + ".DLL";
      return names;
    }
    names.engine = std::string(after.substr(0, nextPoint));
    after = after.substr(nextPoint + 1);
  }
  if (!after.empty()) names.serviceGuide = std::string(after);
  return names;
}

std::optional<LibraryNames> ReadLibNameFile(std::string_view dataDirectory) {
  const std::optional<std::vector<std::uint8_t>> bytes =
      platform::ReadWholeFile(std::string(dataDirectory) + kLibraryNamesFile);
  if (!bytes || bytes->empty()) return std::nullopt;
  std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  text = text.substr(0, std::min(text.find('\n'), text.find('\0')));
  text = text.substr(0, kLibraryNamesLineLimit);
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  return ParseLibraryNames(text);
}

bool IsPlainLibraryName(std::string_view name) {
  return !name.empty() && name.front() != '.' && std::none_of(name.begin(), name.end(), platform::IsPathSeparator);
}

}  // namespace qiv
