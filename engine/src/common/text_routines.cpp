#include "common/text_routines.h"

#include <algorithm>

#include "platform/kernel/fixed_format.h"

namespace vorn {

void BlanksToNuls(std::span<char> field) { std::replace(field.begin(), field.end(), ' ', '\0'); }

void NulsToBlanks(std::span<char> field) { std::replace(field.begin(), field.end(), '\0', ' '); }

std::optional<std::string_view> NextToken(std::optional<std::string_view>& cursor, std::string_view delimiters) {
  if (!cursor) return std::nullopt;
  std::string_view text = platform::UntilNul(*cursor);
  const std::size_t start = text.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos) {
    cursor.reset();
    return std::nullopt;
  }
  text.remove_prefix(start);
  const std::size_t end = text.find_first_of(delimiters);
  if (end == std::string_view::npos) {
    cursor.reset();
    return text;
  }
  cursor = text.substr(end + 1);
  return text.substr(0, end);
}

std::vector<std::string_view> SplitTokens(std::string_view text, std::string_view delimiters) {
  std::vector<std::string_view> tokens;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = text.find_first_not_of(delimiters, at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(text.find_first_of(delimiters, start), text.size());
    tokens.push_back(text.substr(start, end - start));
    at = end;
  }
  return tokens;
}

}  // namespace vorn
