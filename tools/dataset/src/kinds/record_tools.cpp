#include "kinds/record_tools.h"

#include "description/line_tokens.h"

namespace dataset {

std::vector<std::string_view> SplitFixedRecords(std::string_view content, std::size_t size) {
  std::vector<std::string_view> records;
  for (std::size_t pos = 0; pos < content.size(); pos += size) records.push_back(content.substr(pos, size));
  return records;
}

std::vector<std::string_view> SplitAtLineFeeds(std::string_view content) {
  std::vector<std::string_view> lines;
  std::size_t pos = 0;
  while (pos < content.size()) {
    std::size_t end = content.find('\n', pos);
    end = end == std::string_view::npos ? content.size() : end + 1;
    lines.push_back(content.substr(pos, end - pos));
    pos = end;
  }
  return lines;
}

bool CheckRecordShape(std::string_view record, std::size_t index, const TextRecordLayout& layout, KindProblems& problems) {
  if (record.size() != layout.recordSize()) {
    problems.push_back({index, "is " + std::to_string(record.size()) + " bytes, not " + std::to_string(layout.recordSize())});
    return false;
  }
  if (record.substr(layout.textWidth()) != layout.terminator()) {
    problems.push_back({index, "does not end in " + Shown(layout.terminator())});
    return false;
  }
  return true;
}

void CheckRecordCount(std::size_t count, std::size_t least, std::size_t most, std::string_view what, KindProblems& problems) {
  if (count < least)
    problems.push_back({std::nullopt, "holds " + std::to_string(count) + " " + std::string(what) + "; at least " + std::to_string(least) + " needed"});
  if (count > most)
    problems.push_back({std::nullopt, "holds " + std::to_string(count) + " " + std::string(what) + "; at most " + std::to_string(most) + " are read"});
}

bool IsOneOf(std::string_view columns, std::string_view allowed) {
  return columns.size() == 1 && allowed.find(columns.front()) != std::string_view::npos;
}

bool IsCalendarDate(std::string_view digits) {
  if (digits.size() != 8 || !IsDigits(digits)) return false;
  auto number = [&](std::size_t pos, std::size_t width) {
    int n = 0;
    for (char c : digits.substr(pos, width)) n = n * 10 + (c - '0');
    return n;
  };
  const int year = number(0, 4), month = number(4, 2), day = number(6, 2);
  if (month < 1 || month > 12 || day < 1) return false;
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::string Shown(std::string_view columns) { return QuotedText(columns); }

}  // namespace dataset
