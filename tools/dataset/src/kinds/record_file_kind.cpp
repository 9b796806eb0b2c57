#include "kinds/record_file_kind.h"

#include <algorithm>

#include "kinds/record_tools.h"

namespace dataset {

std::vector<std::vector<DataRecord>> RecordFileKind::build(std::span<const ItemText> items,
                                                           const Settings& settings) const {
  std::vector<DataRecord> records;
  const std::span<const std::string_view> keywords = itemKeywords();
  for (const ItemText& item : items) {
    if (item.keyword == kRawItem) {
      records.push_back(RawItemRecord(item));
      continue;
    }
    if (std::find(keywords.begin(), keywords.end(), item.keyword) == keywords.end())
      RefuseItem(item, keyword(), keywords);
    records.push_back({AtItemLine(item, [&] { return encodeItem(item.keyword, item.fields, settings); }), item.line});
  }
  return {std::move(records)};
}

std::optional<std::vector<std::string_view>> RecordFileKind::splitRecords(std::size_t, std::string_view content,
                                                                          const Settings& settings) const {
  return split(content, settings);
}

void RecordFileKind::check(std::span<const FileRecords> files, const Settings& settings, KindProblems& problems) const {
  checkRecords(files.front().records, settings, problems);
}

std::string RecordFileKind::describe(std::span<const std::string_view> contents, const Settings& settings) const {
  const std::string_view content = contents.front();
  std::optional<std::vector<std::string_view>> records = split(content, settings);
  if (!records) return content.empty() ? std::string() : RawItemLine(content) + "\n";
  std::string out;
  for (std::size_t i = 0; i < records->size(); ++i) {
    const std::string_view record = (*records)[i];
    std::string line = RawItemLine(record);
    if (std::optional<ItemLine> item = decodeItem(record, i, settings)) {
      try {
        if (encodeItem(item->keyword, item->fields, settings) == record) line = FormatItem(item->keyword, item->fields);
      } catch (const FieldError&) {
        // not expressible by fields after all: described raw
      }
    }
    out += line + "\n";
  }
  return out;
}

std::optional<Settings> FixedNameKind::recognise(std::string_view name) const {
  if (SameName(name, fixedName())) return Settings{};
  return std::nullopt;
}

std::string LayoutFileKind::encodeItem(std::string_view, const FieldList& fields, const Settings&) const {
  return layout_.encode(fields);
}

std::optional<ItemLine> LayoutFileKind::decodeItem(std::string_view record, std::size_t, const Settings&) const {
  std::optional<FieldList> fields = layout_.decode(record);
  if (!fields) return std::nullopt;
  return ItemLine{std::string(items_[0]), std::move(*fields)};
}

std::optional<std::vector<std::string_view>> LayoutFileKind::split(std::string_view content, const Settings&) const {
  if (split_ == Split::AtLineFeeds) return SplitAtLineFeeds(content);
  return SplitFixedRecords(content, layout_.recordSize());
}

}  // namespace dataset
