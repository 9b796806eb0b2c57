// NAME.Rss: a tariff's rate file, records of the tariff type's rate-record
// length (type= or record-size=, else the tariff's EFCREC.TBL type; type 'N'
// takes its base type). A record is a 10-byte head, then 24-bit
// little-endian entries from byte 10:
//   0-2 group code, 3 a character, 4-8 five-digit rate-basis number (bytes
//   3-8 " 00000": no sub-records; bytes 5-8 the four-digit key), 9 kind
//   letter; a byte left over after the last entry (types '5' and '6') is a
//   blank.
// An index item writes the 700-byte index the engine reads from the end of
// the file: the "***" mark, then {group code, offset of its first record}
// for each group in record order, then {"***", end of the records}, 7
// bytes an entry; records of an indexed file must be sorted by their head.
#include <algorithm>

#include "kinds/efcrec_columns.h"
#include "kinds/rates/tariff_record_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"

namespace dataset {
namespace {

constexpr std::string_view kType = "type";
constexpr std::string_view kRecordSize = "record-size";
constexpr std::string_view kSettingKeys[] = {tariff::kTariff, tariff::kLetter, tariff::kSuffix, kType, kRecordSize};
constexpr std::string_view kItems[] = {"record", "index"};
constexpr std::string_view kRecordFields[] = {"head", "group", "char", "number", "letter", "entries"};
constexpr std::size_t kHeadSize = 10;
constexpr std::size_t kIndexSize = 700;
constexpr std::size_t kIndexEntries = 100;
constexpr std::uint32_t kMaxEntry = 0xFFFFFF;
constexpr std::string_view kIndexMark = "***";
constexpr platform::FieldSpan kBaseTypeColumn{15, 1};

std::size_t LengthOf(const Settings& settings) {
  const std::string* size = FindSetting(settings, kRecordSize);
  return size ? std::stoul(*size) : 0;
}

bool IsIndexTail(std::string_view record) { return record.size() == kIndexSize && record.substr(0, 3) == kIndexMark; }

// The index of these records (all records before the index item).
std::string IndexOf(const std::vector<std::string_view>& records) {
  std::vector<std::pair<std::string, std::uint32_t>> entries{{std::string(kIndexMark), 0}};
  std::uint32_t offset = 0;
  for (std::string_view r : records) {
    const std::string group(r.substr(0, 3));
    if (entries.size() == 1 || entries.back().first != group) entries.emplace_back(group, offset);
    offset += static_cast<std::uint32_t>(r.size());
  }
  if (entries.size() > kIndexEntries - 1)
    throw FieldError("the index holds at most " + std::to_string(kIndexEntries - 2) + " groups");
  while (entries.size() < kIndexEntries) entries.emplace_back(std::string(kIndexMark), offset);
  std::string out;
  for (const auto& [key, at] : entries) {
    out += key;
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((at >> (8 * i)) & 0xFF));
  }
  return out;
}

std::string EncodeRecord(const FieldList& fields, std::size_t length) {
  OnlyFields(fields, kRecordFields, "record");
  if (length < kHeadSize)
    throw FieldError("a record of " + std::to_string(length) + " bytes has no room for its 10-byte head");
  std::string head = TextField(fields, "head", "");
  if (head.empty()) {
    const std::string group = TextField(fields, "group", "001"), c = TextField(fields, "char", " "),
                      number = TextField(fields, "number", "00000"), letter = TextField(fields, "letter", "A");
    if (group.size() != 3) throw FieldError("field 'group': " + Shown(group) + " is not 3 characters");
    if (c.size() != 1) throw FieldError("field 'char': " + Shown(c) + " is not one character");
    if (number.size() != 5 || !IsDigits(number))
      throw FieldError("field 'number': " + Shown(number) + " is not five digits");
    if (letter.size() != 1) throw FieldError("field 'letter': " + Shown(letter) + " is not one character");
    head = group + c + number + letter;
  } else if (head.size() != kHeadSize) {
    throw FieldError("field 'head': " + Shown(head) + " is not 10 characters");
  }
  std::string record(length, ' ');
  record.replace(0, kHeadSize, head);
  const std::size_t capacity = (length - kHeadSize) / 3;
  for (std::size_t i = 0; i < capacity; ++i) Store24(record, kHeadSize + 3 * i, 0);
  const std::string entryText = TextField(fields, "entries", "");
  const std::vector<std::string_view> entries = Words(entryText);
  if (entries.size() > capacity)
    throw FieldError("field 'entries': " + std::to_string(entries.size()) + " entries; a record holds " +
                     std::to_string(capacity));
  for (std::size_t i = 0; i < entries.size(); ++i)
    Store24(record, kHeadSize + 3 * i, static_cast<std::uint32_t>(ParseInteger("entries", entries[i], 0, kMaxEntry)));
  return record;
}

class RatesKind final : public TariffRecordKind {
 public:
  RatesKind() : TariffRecordKind("rates", "R", kSettingKeys) {}

 protected:
  void settleExtra(Settings& settings, const Neighbours& neighbours) const override {
    if (const std::string* size = FindSetting(settings, kRecordSize)) {
      PutSetting(settings, kRecordSize, std::to_string(ParseInteger(kRecordSize, *size, 1, 4096)));
      return;
    }
    std::string type;
    if (const std::string* given = FindSetting(settings, kType)) {
      type = *given;
    } else {
      type = TariffRecordColumn(settings, neighbours, efcrec::kType, "tariff types").value_or("");
      if (type == "N")
        type = TariffRecordColumn(settings, neighbours, kBaseTypeColumn, "base tariff types").value_or("");
    }
    if (type.empty()) return;
    const std::optional<TariffTypeSizes> sizes = type.size() == 1 ? TariffTypeSizesOf(type.front()) : std::nullopt;
    if (!sizes)
      throw FieldError("field 'type': " + Shown(type) + " is not a tariff type of the type table: give record-size=");
    PutSetting(settings, kRecordSize, std::to_string(sizes->rateRecordLength));
  }

  std::span<const std::string_view> itemKeywords() const override { return kItems; }

  std::string encode(std::string_view keyword, const FieldList& fields, const Settings& settings,
                     const std::vector<DataRecord>& before) const override {
    const std::size_t length = LengthOf(settings);
    if (length == 0)
      throw FieldError(
          "the record length of the rate file is not known: give type= or record-size=, or describe the tariff in an "
          "efcrec block");
    if (keyword == "index") {
      OnlyFields(fields, {}, "index");
      std::vector<std::string_view> records;
      for (const DataRecord& r : before) records.push_back(r.bytes);
      return IndexOf(records);
    }
    return EncodeRecord(fields, length);
  }

  std::optional<ItemLine> decode(std::span<const std::string_view> records, std::size_t index,
                                 const Settings& settings) const override {
    const std::string_view r = records[index];
    if (index + 1 == records.size() && IsIndexTail(r)) return ItemLine{"index", {}};
    if (r.size() != LengthOf(settings)) return std::nullopt;
    FieldList fields;
    const std::string_view head = r.substr(0, kHeadSize);
    if (IsDigits(head.substr(4, 5))) {
      if (head.substr(0, 3) != "001") fields.push_back({"group", std::string(head.substr(0, 3))});
      if (head[3] != ' ') fields.push_back({"char", std::string(1, head[3])});
      if (head.substr(4, 5) != "00000") fields.push_back({"number", std::string(head.substr(4, 5))});
      if (head[9] != 'A') fields.push_back({"letter", std::string(1, head[9])});
    } else {
      fields.push_back({"head", std::string(head)});
    }
    std::size_t count = (r.size() - kHeadSize) / 3;
    while (count > 0 && Load24(r, kHeadSize + 3 * (count - 1)) == 0) --count;
    std::string entries;
    for (std::size_t i = 0; i < count; ++i) entries += (i ? " " : "") + std::to_string(Load24(r, kHeadSize + 3 * i));
    if (!entries.empty()) fields.push_back({"entries", entries});
    return ItemLine{"record", std::move(fields)};
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content,
                                                     const Settings& settings) const override {
    const std::size_t length = LengthOf(settings);
    if (length == 0) return std::nullopt;
    const bool indexed = content.size() >= kIndexSize && (content.size() - kIndexSize) % length == 0 &&
                         IsIndexTail(content.substr(content.size() - kIndexSize));
    std::vector<std::string_view> records =
        SplitFixedRecords(content.substr(0, indexed ? content.size() - kIndexSize : content.size()), length);
    if (indexed) records.push_back(content.substr(content.size() - kIndexSize));
    return records;
  }

  void checkRecords(std::span<const std::string_view> records, const Settings& settings,
                    KindProblems& problems) const override {
    const std::size_t length = LengthOf(settings);
    if (length == 0) return;
    const bool indexed = !records.empty() && IsIndexTail(records.back());
    const std::size_t count = records.size() - (indexed ? 1 : 0);
    std::vector<std::string_view> data;
    for (std::size_t i = 0; i < count; ++i) {
      const std::string_view r = records[i];
      if (r.size() != length) {
        problems.push_back(
            {i, "is " + std::to_string(r.size()) + " bytes, not the record length " + std::to_string(length)});
        continue;
      }
      // The byte after the last entry, when there is one, is a blank.
      if ((length - kHeadSize) % 3 != 0 &&
          r.substr(kHeadSize + 3 * ((length - kHeadSize) / 3)).find_first_not_of(' ') != std::string_view::npos)
        problems.push_back({i, "ends in bytes that no entry holds and that are not blank"});
      if (indexed && !data.empty() && r.substr(0, kHeadSize) < data.back().substr(0, kHeadSize))
        problems.push_back({i, "is out of order after record " + std::to_string(i - 1) +
                                   " (an indexed rate file is sorted by its 10-byte heads)"});
      data.push_back(r);
    }
    if (!indexed) return;
    try {
      if (IndexOf(data) != records.back())
        problems.push_back({records.size() - 1, "is an index that does not match the records before it"});
    } catch (const FieldError& e) {
      problems.push_back({records.size() - 1, e.what()});
    }
  }
};

}  // namespace

const FileKind& RatesFileKind() {
  static const RatesKind kind;
  return kind;
}

}  // namespace dataset
