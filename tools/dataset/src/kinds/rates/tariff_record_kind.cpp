#include "kinds/rates/tariff_record_kind.h"

#include <algorithm>
#include <cctype>

#include "description/block_reader.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"

namespace dataset {
namespace {

struct TypeRow {
  char type;
  std::size_t length;
  int bits;
};

// The rate-record lengths and matrix cell widths of the tariff types.
constexpr TypeRow kTypes[] = {
    {'0', 526, 0}, {'1', 25, 10}, {'2', 40, 11}, {'3', 526, 10}, {'4', 631, 0}, {'5', 257, 0},
    {'6', 593, 8}, {'7', 16, 0},  {'A', 40, 0},  {'B', 40, 0},   {'C', 40, 0},  {'D', 25, 0},
    {'E', 40, 0},  {'F', 52, 0},  {'G', 52, 0},  {'H', 43, 0},   {'I', 52, 0},  {'J', 52, 0},
    {'K', 52, 0},  {'L', 52, 0},  {'M', 52, 0},  {'N', 52, 0},   {'Y', 52, 0},
};

}  // namespace

char TariffRecordKind::LetterOf(const Settings& settings) {
  const std::string* letter = FindSetting(settings, tariff::kLetter);
  return letter && !letter->empty() ? letter->front() : '\0';
}

std::optional<Settings> TariffRecordKind::recognise(std::string_view fileName) const {
  std::optional<Settings> settings = tariff::RecogniseName(fileName, 0);
  if (!settings || letters_.find(LetterOf(*settings)) == std::string_view::npos) return std::nullopt;
  return settings;
}

Settings TariffRecordKind::settle(Settings given, const Neighbours& neighbours) const {
  const std::string* letter = FindSetting(given, tariff::kLetter);
  const char upper =
      letter
          ? (letter->size() == 1 ? static_cast<char>(std::toupper(static_cast<unsigned char>(letter->front()))) : '?')
          : letters_.front();
  if (letters_.find(upper) == std::string_view::npos)
    throw FieldError("field 'letter': a " + std::string(keyword_) + " block writes letter " +
                     std::string(letters_.substr(0, 1)) +
                     (letters_.size() > 1 ? " (or one of " + std::string(letters_) + ")" : std::string()));
  PutSetting(given, tariff::kLetter, std::string(1, upper));
  tariff::SettleName(given, upper, neighbours);
  settleExtra(given, neighbours);
  return FileKind::settle(std::move(given), neighbours);
}

std::vector<std::string> TariffRecordKind::fileNames(const Settings& settings) const {
  return {tariff::FileName(settings, LetterOf(settings))};
}

std::vector<std::vector<DataRecord>> TariffRecordKind::build(std::span<const ItemText> items,
                                                             const Settings& settings) const {
  std::vector<DataRecord> records;
  const std::span<const std::string_view> keywords = itemKeywords();
  for (const ItemText& item : items) {
    if (item.keyword == kRawItem) {
      records.push_back(RawItemRecord(item));
      continue;
    }
    if (std::find(keywords.begin(), keywords.end(), item.keyword) == keywords.end())
      RefuseItem(item, keyword_, keywords);
    records.push_back(
        {AtItemLine(item, [&] { return encode(item.keyword, item.fields, settings, records); }), item.line});
  }
  return {std::move(records)};
}

std::optional<std::vector<std::string_view>> TariffRecordKind::splitRecords(std::size_t, std::string_view content,
                                                                            const Settings& settings) const {
  return split(content, settings);
}

void TariffRecordKind::check(std::span<const FileRecords> files, const Settings& settings,
                             KindProblems& problems) const {
  checkRecords(files.front().records, settings, problems);
}

std::string TariffRecordKind::describe(std::span<const std::string_view> contents, const Settings& settings) const {
  const std::string_view content = contents.front();
  const std::optional<std::vector<std::string_view>> records = split(content, settings);
  if (!records) return content.empty() ? std::string() : RawItemLine(content) + "\n";
  std::string out, raw;
  std::vector<ItemText> items;
  for (std::size_t i = 0; i < records->size(); ++i) {
    raw += RawItemLine((*records)[i]) + "\n";
    std::optional<ItemLine> line = decode(*records, i, settings);
    if (line) {
      out += FormatItem(line->keyword, line->fields) + "\n";
      items.push_back({static_cast<int>(i + 1), line->keyword, std::move(line->fields)});
    } else {
      out += RawItemLine((*records)[i]) + "\n";
      items.push_back({static_cast<int>(i + 1), std::string(kRawItem), {{"text", std::string((*records)[i])}}});
    }
  }
  // The items must build these bytes again; otherwise the records stand raw.
  try {
    std::string rebuilt;
    const std::vector<std::vector<DataRecord>> files = build(items, settings);
    for (const DataRecord& r : files.front()) rebuilt += r.bytes;
    if (rebuilt == content) return out;
  } catch (const Error&) {
  } catch (const FieldError&) {}
  return raw;
}

std::optional<std::string> TariffRecordColumn(const Settings& settings, const Neighbours& neighbours,
                                              platform::FieldSpan span, std::string_view what) {
  const std::string* name = FindSetting(settings, tariff::kTariff);
  if (!name) return std::nullopt;
  const std::vector<std::string> records = tariff::TariffRecords(neighbours, *name);
  return tariff::AgreedValue(
      records, [&](const std::string& r) { return r.substr(span.offset, span.width); }, what, *name);
}

std::optional<TariffTypeSizes> TariffTypeSizesOf(char type) {
  for (const TypeRow& row : kTypes)
    if (row.type == type) return TariffTypeSizes{row.length, row.bits};
  return std::nullopt;
}

std::int64_t IntegerField(const FieldList& fields, std::string_view key, std::int64_t least, std::int64_t most,
                          std::int64_t fallback) {
  std::optional<std::int64_t> value;
  for (const Field& f : fields)
    if (f.key == key) value = ParseInteger(key, f.value, least, most);
  return value.value_or(fallback);
}

std::string TextField(const FieldList& fields, std::string_view key, std::string_view fallback) {
  std::string value(fallback);
  for (const Field& f : fields)
    if (f.key == key) value = f.value;
  return value;
}

void OnlyFields(const FieldList& fields, std::span<const std::string_view> keys, std::string_view item) {
  for (const Field& f : fields) {
    if (std::find(keys.begin(), keys.end(), f.key) != keys.end()) continue;
    std::string list;
    for (std::string_view k : keys) list += (list.empty() ? "" : ", ") + std::string(k);
    throw FieldError("a " + std::string(item) + " item takes no field '" + f.key + "' (fields: " + list + ")");
  }
}

void Store24(std::string& record, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 3; ++i) record[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t Load24(std::string_view record, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 3; ++i)
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(record[offset + i])) << (8 * i);
  return value;
}

}  // namespace dataset
