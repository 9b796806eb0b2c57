#include "platform/kernel/path.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstdlib>
#include <vector>

#include "platform/kernel/fixed_format.h"

namespace platform {
namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

std::string_view TrimComponent(std::string_view component) {
  while (!component.empty() && component.back() == ' ') component.remove_suffix(1);
  return component;
}

// The entry of directory whose name equals name without regard to case.
std::optional<std::string> FindEntryIgnoringCase(const std::string& directory, std::string_view name) {
  DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
  if (dir == nullptr) return std::nullopt;
  std::optional<std::string> found;
  while (dirent* entry = ::readdir(dir)) {
    std::string_view candidate = entry->d_name;
    if (candidate.size() == name.size() && ::strncasecmp(candidate.data(), name.data(), name.size()) == 0) {
      found = std::string(candidate);
      break;
    }
  }
  ::closedir(dir);
  return found;
}

}  // namespace

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

bool EndsWithPathSeparator(std::string_view path) { return !path.empty() && IsPathSeparator(path.back()); }

PathParts SplitPath(std::string_view path) {
  PathParts parts;
  if (path.size() >= 2 && path[1] == ':') {
    parts.drive = std::string(path.substr(0, 2));
    path.remove_prefix(2);
  }
  std::size_t lastSeparator = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i)
    if (IsPathSeparator(path[i])) lastSeparator = i;
  std::string_view last = path;
  if (lastSeparator != std::string_view::npos) {
    parts.directory = std::string(path.substr(0, lastSeparator + 1));
    last = path.substr(lastSeparator + 1);
  }
  const std::size_t dot = last.rfind('.');
  if (dot == std::string_view::npos) {
    parts.name = std::string(last);
  } else {
    parts.name = std::string(last.substr(0, dot));
    parts.extension = std::string(last.substr(dot));
  }
  return parts;
}

std::string DriveAndDirectory(std::string_view path) {
  const PathParts parts = SplitPath(TrimTrailingBlanks(path));
  return WithTrailingSeparator(parts.drive + parts.directory);
}

std::string WithTrailingSeparator(std::string path) {
  if (!path.empty() && !EndsWithPathSeparator(path)) path.push_back(kPathSeparator);
  return path;
}

std::string NativePath(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') path.remove_prefix(2);
  std::string out;
  out.reserve(path.size());
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = start;
    while (end < path.size() && !IsPathSeparator(path[end])) ++end;
    out += TrimComponent(path.substr(start, end - start));
    if (end == path.size()) break;
    out.push_back('/');
    start = end + 1;
  }
  return out;
}

std::optional<std::string> FindExistingPath(std::string_view path) {
  std::string native = NativePath(path);
  if (native.empty()) return std::nullopt;
  if (Exists(native)) return native;

  // Walk the components, matching each one that does not exist as written.
  std::vector<std::string_view> components;
  std::string_view rest = native;
  const bool absolute = rest.front() == '/';
  std::size_t start = absolute ? 1 : 0;
  while (start < rest.size()) {
    std::size_t end = rest.find('/', start);
    if (end == std::string_view::npos) end = rest.size();
    if (end > start) components.push_back(rest.substr(start, end - start));
    start = end + 1;
  }
  std::string current = absolute ? "/" : "";
  for (std::size_t i = 0; i < components.size(); ++i) {
    std::string candidate = current + std::string(components[i]);
    if (!Exists(candidate)) {
      std::optional<std::string> entry = FindEntryIgnoringCase(current, components[i]);
      if (!entry) return std::nullopt;
      candidate = current + *entry;
    }
    current = i + 1 < components.size() ? candidate + "/" : candidate;
  }
  if (EndsWithPathSeparator(native) && !EndsWithPathSeparator(current)) current.push_back('/');
  return current;
}

std::string ResolvePath(std::string_view path) {
  if (std::optional<std::string> existing = FindExistingPath(path)) return *existing;
  return NativePath(path);
}

std::string SystemSettingsDirectory() {
  const char* dir = std::getenv("ZQ_SYSTEM_DIR");
  if (dir != nullptr && *dir != '\0') return WithTrailingSeparator(dir);
  return "/etc/zq/";
}

}  // namespace platform
