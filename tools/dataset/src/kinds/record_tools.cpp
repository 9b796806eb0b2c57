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

DataRecord RawItemRecord(const ItemText& item) {
  if (item.fields.size() != 1 || item.fields.front().key != "text")
    throw DescriptionError(item.line, "a raw item takes one field: text=\"...\" (the record's bytes as they stand)");
  return {item.fields.front().value, item.line};
}

void RefuseItem(const ItemText& item, std::string_view blockKeyword, std::span<const std::string_view> keywords) {
  std::string list;
  for (std::string_view k : keywords) list += std::string(k) + ", ";
  throw DescriptionError(item.line, "unknown item '" + item.keyword + "' in a " + std::string(blockKeyword) +
                                        " block (items: " + list + std::string(kRawItem) + ")");
}

std::string RawItemLine(std::string_view bytes) { return FormatItem(kRawItem, {{"text", std::string(bytes)}}); }

bool CheckRecordShape(std::string_view record, std::size_t index, const RecordLayout& layout, KindProblems& problems) {
  if (record.size() != layout.recordSize()) {
    problems.push_back(
        {index, "is " + std::to_string(record.size()) + " bytes, not " + std::to_string(layout.recordSize())});
    return false;
  }
  if (record.substr(layout.fieldsWidth()) != layout.terminator()) {
    problems.push_back({index, "does not end in " + Shown(layout.terminator())});
    return false;
  }
  return true;
}

bool CheckRecordSize(std::string_view record, std::size_t index, std::size_t size, KindProblems& problems) {
  if (record.size() == size) return true;
  problems.push_back({index, "is " + std::to_string(record.size()) + " bytes, not " + std::to_string(size)});
  return false;
}

void CheckRecordCount(std::size_t count, std::size_t least, std::size_t most, std::string_view what,
                      KindProblems& problems) {
  if (count < least)
    problems.push_back({std::nullopt, "holds " + std::to_string(count) + " " + std::string(what) + "; at least " +
                                          std::to_string(least) + " needed"});
  if (count > most)
    problems.push_back({std::nullopt, "holds " + std::to_string(count) + " " + std::string(what) + "; at most " +
                                          std::to_string(most) + " are read"});
}

SortKey BytesKey(std::string_view bytes) {
  SortKey key;
  for (char c : bytes) key.push_back(static_cast<unsigned char>(c));
  return key;
}

void CheckSortOrder(std::span<const std::pair<std::size_t, SortKey>> keys, bool repeats, std::string_view order,
                    KindProblems& problems) {
  for (std::size_t i = 1; i < keys.size(); ++i) {
    const auto& [previous, before] = keys[i - 1];
    const auto& [index, key] = keys[i];
    if (key < before) {
      problems.push_back({index, "is out of order after record " + std::to_string(previous) +
                                     " (the records must be sorted by " + std::string(order) + ")"});
    } else if (key == before && !repeats) {
      problems.push_back(
          {index, "repeats the key of record " + std::to_string(previous) + " (" + std::string(order) + ")"});
    }
  }
}

std::int64_t ParseInteger(std::string_view key, std::string_view value, std::int64_t least, std::int64_t most) {
  const bool negative = value.starts_with('-');
  const std::string_view digits = negative ? value.substr(1) : value;
  const bool fits = IsDigits(digits) && digits.size() <= 12;  // every range here lies well inside 12 digits
  std::int64_t number = 0;
  for (char c : fits ? digits : std::string_view()) number = number * 10 + (c - '0');
  if (negative) number = -number;
  if (!fits || number < least || number > most)
    throw FieldError("field '" + std::string(key) + "': '" + std::string(value) + "' is not a whole number from " +
                     std::to_string(least) + " to " + std::to_string(most));
  return number;
}

std::vector<std::string_view> Words(std::string_view value) {
  std::vector<std::string_view> words;
  std::size_t pos = 0;
  while (pos < value.size()) {
    const std::size_t start = value.find_first_not_of(" \t", pos);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(value.find_first_of(" \t", start), value.size());
    words.push_back(value.substr(start, end - start));
    pos = end;
  }
  return words;
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
