#include "utilities/text_utilities.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/kernel/money_rounding.h"
#include "platform/kernel/path.h"

namespace ratekit {
namespace {

bool IsSpace(char c) {
  switch (c) {
    case ' ':
    case '\t':
    case '\r':
    case '\n':
    case '\v':
    case '\f': return true;
    default: return false;
  }
}

constexpr std::size_t kMaxExtension = 4;

}  // namespace

double RoundHalfUp51(float x, int n) { return platform::RoundMoney(static_cast<double>(x), n); }

void TrimTrailingSpace(char* s) {
  std::size_t n = std::strlen(s);
  while (n > 0 && IsSpace(s[n - 1])) --n;
  s[n] = '\0';
}

void TrimLeadingSpace(char* s) {
  std::size_t skip = 0;
  while (s[skip] != '\0' && IsSpace(s[skip])) ++skip;
  if (skip > 0) std::memmove(s, s + skip, std::strlen(s + skip) + 1);
}

std::string WithForcedExtension(std::string_view name, std::string_view ext) {
  name = name.substr(0, std::min(name.size(), kMaxFileName));
  ext = ext.substr(0, std::min(ext.size(), kMaxExtension));
  std::size_t componentStart = 0;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (platform::IsPathSeparator(name[i])) componentStart = i + 1;
  const std::size_t dot = name.find('.', componentStart);
  std::string result(dot != std::string_view::npos && dot > componentStart ? name.substr(0, dot) : name);
  result += ext;
  if (result.size() > kMaxFileName) result.resize(kMaxFileName);
  return result;
}

std::string FileNameOfPath(std::string_view path) {
  const platform::PathParts parts = platform::SplitPath(path);
  if (parts.name.empty() || parts.extension.empty()) return std::string(path);
  return parts.name + parts.extension;
}

}  // namespace ratekit
