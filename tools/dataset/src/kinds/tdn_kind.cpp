// TDN.IDX and TDN.IDA: the exception names of ZIP codes, written together
// by one block. TDN.IDX holds 11-byte records: the packed ZIP, the tariff
// kind, the first (inclusive) and end (exclusive) version, and the offset
// of the name in TDN.IDA. The engine binary-searches TDN.IDX by ZIP, kind
// and version, and walks on through the records of the same ZIP and kind,
// so the records are sorted by (ZIP, kind, first version).
//
// TDN.IDA holds the names: at each offset a length byte and the name. The
// engine reads 20 bytes there and pads a name of fewer than 19 characters
// with blanks, so the builder writes every entry as 20 bytes, the name
// blank-padded, and the check wants 20 bytes at every offset.
//
// Items: "entry" makes an index record and its name entry (an entry given
// offset= instead of name= points where it says and writes no name);
// "raw text=" is an index record as it stands, "ida text=" bytes written
// into TDN.IDA as they stand.
#include <algorithm>
#include <string_view>

#include "kinds/record_tools.h"
#include "kinds/zip_keys.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;

constexpr RecordField kIndexFields[] = {
    {"zip", {0, 3}, F::PackedZip, "\x01\x00\x01"sv},  // 10001
    {"kind", {3, 2}, F::Signed, "\x01\x00"sv},
    {"first", {5, 1}, F::Signed, "\x00"sv},
    {"end", {6, 1}, F::Signed, "\x63"sv},  // 99
    {"offset", {7, 4}, F::Unsigned, "\x00\x00\x00\x00"sv},
};
static_assert(IsWholeLayout(kIndexFields, 11), "TDN.IDX fields must cover bytes 0-10");
constexpr RecordLayout kIndex(kIndexFields);

constexpr std::size_t kNameEntrySize = 20;  // what the engine reads at an offset
constexpr std::size_t kMostNameLength = kNameEntrySize - 1;
constexpr std::string_view kDefaultName = "TEST CITY";
constexpr std::string_view kEntry = "entry", kIdaText = "ida";
constexpr std::string_view kItems[] = {kEntry, kIdaText};

bool IsPrintable(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

std::string NameEntry(std::string_view name) {
  if (name.size() > kMostNameLength)
    throw FieldError("field 'name': '" + std::string(name) + "' is longer than " + std::to_string(kMostNameLength) +
                     " characters");
  if (!IsPrintable(name)) throw FieldError("field 'name': " + Shown(name) + " holds characters that are not printable");
  std::string entry(kNameEntrySize, ' ');
  entry[0] = static_cast<char>(name.size());
  entry.replace(1, name.size(), name);
  return entry;
}

// The name of a 20-byte entry the builder writes, or nothing.
std::optional<std::string> NameOfEntry(std::string_view entry) {
  const std::size_t length = static_cast<unsigned char>(entry[0]);
  if (entry.size() != kNameEntrySize || length > kMostNameLength) return std::nullopt;
  const std::string_view name = entry.substr(1, length), padding = entry.substr(1 + length);
  if (!IsPrintable(name) || padding.find_first_not_of(' ') != std::string_view::npos) return std::nullopt;
  return std::string(name);
}

std::string TextField(const ItemText& item) {
  if (item.fields.size() != 1 || item.fields.front().key != "text")
    throw DescriptionError(item.line, "an " + std::string(kIdaText) +
                                          " item takes one field: text=\"...\" (bytes of TDN.IDA as they stand)");
  return item.fields.front().value;
}

// The index record of an entry item; its name entry goes on the end of ida.
std::string EncodeEntry(const FieldList& fields, std::string& ida) {
  FieldList index;
  std::optional<std::string> name, offset;
  for (const Field& f : fields) {
    if (f.key == "name") {
      name = f.value;
    } else if (f.key == "offset") {
      offset = f.value;
    } else {
      index.push_back(f);
    }
  }
  if (name && offset)
    throw FieldError("an entry takes name= (written into TDN.IDA) or offset= (pointing at bytes there), not both");
  if (!offset) {
    ida += NameEntry(name.value_or(std::string(kDefaultName)));
    offset = std::to_string(ida.size() - kNameEntrySize);
  }
  index.push_back({"offset", *offset});
  return kIndex.encode(index);
}

class TdnKind final : public FileKind {
 public:
  std::string_view keyword() const override { return "tdn"; }

  std::optional<Settings> recognise(std::string_view name) const override {
    if (SameName(name, "TDN.IDX") || SameName(name, "TDN.IDA")) return Settings{};
    return std::nullopt;
  }

  std::vector<std::string> fileNames(const Settings&) const override { return {"TDN.IDX", "TDN.IDA"}; }

  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings&) const override {
    std::vector<DataRecord> index, names;
    std::string ida;  // the names so far
    for (const ItemText& item : items) {
      if (item.keyword == kRawItem) {
        index.push_back(RawItemRecord(item));
      } else if (item.keyword == kIdaText) {
        names.push_back({TextField(item), item.line});
        ida += names.back().bytes;
      } else if (item.keyword == kEntry) {
        const std::size_t before = ida.size();
        index.push_back({AtItemLine(item, [&] { return EncodeEntry(item.fields, ida); }), item.line});
        if (ida.size() > before) names.push_back({ida.substr(before), item.line});
      } else {
        RefuseItem(item, keyword(), kItems);
      }
    }
    return {std::move(index), std::move(names)};
  }

  std::optional<std::vector<std::string_view>> splitRecords(std::size_t file, std::string_view content,
                                                            const Settings&) const override {
    return SplitFixedRecords(content, file == 0 ? kIndex.recordSize() : kNameEntrySize);
  }

  void check(std::span<const FileRecords> files, const Settings&, KindProblems& problems) const override {
    const std::string_view ida = files[1].content;
    std::vector<std::pair<std::size_t, SortKey>> keys;
    for (std::size_t i = 0; i < files[0].records.size(); ++i) {
      const std::string_view r = files[0].records[i];
      if (!CheckRecordShape(r, i, kIndex, problems)) continue;
      std::optional<SortKey> key = ReadZipKey(r, i, kIndex, "zip", problems);
      if (!key) continue;
      const std::int64_t first = kIndex.number(r, "first"), end = kIndex.number(r, "end");
      if (first < 0 || first >= end)
        problems.push_back({i, "versions " + std::to_string(first) + " to " + std::to_string(end) +
                                   " (end excluded) hold no version 0 or above, so the record never matches"});
      checkName(ida, static_cast<std::size_t>(kIndex.number(r, "offset")), i, problems);
      key->insert(key->end(), {kIndex.number(r, "kind"), first});
      keys.push_back({i, std::move(*key)});
    }
    CheckSortOrder(keys, true, "packed ZIP, kind, first version", problems);
  }

  std::string describe(std::span<const std::string_view> contents, const Settings&) const override {
    const std::string_view ida = contents[1];
    std::size_t written = 0;  // TDN.IDA bytes that the entries so far write
    std::string out;
    for (std::string_view r : SplitFixedRecords(contents[0], kIndex.recordSize())) {
      std::optional<FieldList> fields = kIndex.decode(r);
      if (!fields) {
        out += RawItemLine(r) + "\n";
        continue;
      }
      std::erase_if(*fields, [](const Field& f) { return f.key == "offset"; });
      const std::size_t offset = static_cast<std::size_t>(kIndex.number(r, "offset"));
      std::optional<std::string> name;
      if (offset == written && ida.size() >= written + kNameEntrySize)
        name = NameOfEntry(ida.substr(written, kNameEntrySize));
      if (name) {
        if (*name != kDefaultName) fields->push_back({"name", *name});
        written += kNameEntrySize;
      } else {
        fields->push_back({"offset", std::to_string(offset)});
      }
      out += FormatItem(kEntry, *fields) + "\n";
    }
    if (written < ida.size()) out += FormatItem(kIdaText, {{"text", std::string(ida.substr(written))}}) + "\n";
    return out;
  }

 private:
  static void checkName(std::string_view ida, std::size_t offset, std::size_t index, KindProblems& problems) {
    if (offset > ida.size() || ida.size() - offset < kNameEntrySize) {
      problems.push_back({index, kIndex.describe("offset") + ": the engine reads " + std::to_string(kNameEntrySize) +
                                     " bytes at offset " + std::to_string(offset) + ", past the end of TDN.IDA (" +
                                     std::to_string(ida.size()) + " bytes)"});
      return;
    }
    const std::size_t length = static_cast<unsigned char>(ida[offset]);
    if (length > kMostNameLength) {
      problems.push_back({index, "its name at offset " + std::to_string(offset) + " claims " + std::to_string(length) +
                                     " characters; at most " + std::to_string(kMostNameLength) + " are read"});
    } else if (!IsPrintable(ida.substr(offset + 1, length))) {
      problems.push_back({index, "its name at offset " + std::to_string(offset) + ", " +
                                     Shown(ida.substr(offset + 1, length)) +
                                     ", holds characters that are not printable"});
    }
  }
};

}  // namespace

const FileKind& TdnFileKind() {
  static const TdnKind kind;
  return kind;
}

}  // namespace dataset
