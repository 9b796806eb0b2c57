#include "platform/kernel/profile_file.h"

#include <cctype>
#include <cstdint>
#include <limits>
#include <strings.h>

#include "platform/kernel/file.h"
#include "platform/kernel/path.h"

namespace platform {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::optional<std::string> FindValue(std::string_view file, std::string_view section, std::string_view key) {
  std::optional<std::vector<std::uint8_t>> content = ReadWholeFile(ProfileFilePath(file));
  if (!content) return std::nullopt;
  std::string_view text(reinterpret_cast<const char*>(content->data()), content->size());
  bool inSection = false;
  for (std::string_view raw : SplitLines(text)) {
    std::string_view line = Trim(raw);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      if (close == std::string_view::npos) continue;
      inSection = EqualsIgnoringCase(Trim(line.substr(1, close - 1)), Trim(section));
      continue;
    }
    if (!inSection) continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    if (!EqualsIgnoringCase(Trim(line.substr(0, equals)), Trim(key))) continue;
    std::string_view value = Trim(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    return std::string(value);
  }
  return std::nullopt;
}

}  // namespace

std::string ProfileFilePath(std::string_view file) {
  const PathParts parts = SplitPath(file);
  if (!parts.drive.empty() || !parts.directory.empty()) return std::string(file);
  return SystemSettingsDirectory() + std::string(file);
}

std::string ReadProfileString(std::string_view file, std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t capacity) {
  std::string value;
  if (std::optional<std::string> found = FindValue(file, section, key)) {
    value = std::move(*found);
  } else {
    while (!defaultValue.empty() && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
    value = std::string(defaultValue);
  }
  const std::size_t limit = capacity == 0 ? 0 : capacity - 1;
  if (value.size() > limit) value.resize(limit);
  return value;
}

int ReadProfileInt(std::string_view file, std::string_view section, std::string_view key, int defaultValue) {
  std::optional<std::string> found = FindValue(file, section, key);
  if (!found) return defaultValue;
  std::string_view value = *found;
  bool negative = false;
  if (!value.empty() && (value.front() == '-' || value.front() == '+')) {
    negative = value.front() == '-';
    value.remove_prefix(1);
  }
  int base = 10;
  if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
    base = 16;
    value.remove_prefix(2);
  }
  std::int64_t result = 0;
  std::size_t digits = 0;
  for (char c : value) {
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      break;
    result = result * base + digit;
    if (result > std::numeric_limits<int>::max()) result = std::numeric_limits<int>::max();
    ++digits;
  }
  if (digits == 0) return defaultValue;
  return static_cast<int>(negative ? -result : result);
}

}  // namespace platform
