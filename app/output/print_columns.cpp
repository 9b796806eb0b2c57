#include "output/print_columns.h"

#include <algorithm>

#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"

namespace qiv {

std::string BlankLine() { return std::string(kLineColumns, ' '); }

void PlaceAt(std::string& line, std::size_t column, std::string_view text) {
  if (column >= line.size()) return;
  line.replace(column, std::min(text.size(), line.size() - column), text.substr(0, line.size() - column));
}

void PlaceEndingAt(std::string& line, std::size_t lastColumn, std::string_view text) {
  const std::size_t end = lastColumn + 1;
  if (text.size() > end) text.remove_prefix(text.size() - end);
  PlaceAt(line, end - text.size(), text);
}

std::string Centred(std::string_view text, std::size_t columns) {
  const std::size_t blanks = text.size() < columns ? (columns - text.size()) / 2 : 0;
  return std::string(blanks, ' ') + std::string(text);
}

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string AmountText(std::string_view text, int width) {
  return platform::DecimalText(platform::LeadingDecimalValue(text), width, 2);
}

}  // namespace qiv
