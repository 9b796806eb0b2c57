// PROFILE.FIL: the settings profiles, 17,897-byte records sorted by name
// without regard to case (the program's profile store keeps that order).
// A `profile` item starts a record, its fields named as below; the
// `zip-discount` items after it fill its list of 117-byte ZIP- and
// state-pair discounts {origin from 7, origin to 7, destination from 7,
// destination to 7 (a from of blanks: that side is the state in the first
// two characters of to), ten values of 8, a floor of 9}, whose count is
// written unless the profile gives zip-discount-count=. `bytes at= text=`
// sets any bytes of the current record.
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "description/block_reader.h"
#include "kinds/level/sparse_fields.h"
#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"
#include "platform/kernel/byte_record.h"

namespace dataset {
namespace {

using F = FieldForm;

constexpr std::size_t kRecordSize = 17897, kEntriesAt = 243, kEntrySize = 117, kEntryRoom = 150, kCountAt = 17793;
constexpr std::string_view kFileName = "PROFILE.FIL";
constexpr std::string_view kProfile = "profile", kZipDiscount = "zip-discount", kBytes = "bytes";
constexpr std::string_view kItems[] = {kProfile, kZipDiscount, kBytes};

const std::vector<SparseField>& ProfileFields() {
  static const std::vector<SparseField> fields{
      {"name", {0, 31}, F::NulText},
      {"class-map-in-use", {31, 4}, F::Signed},
      {"class-map", {35, 4}, F::NulText, 18},
      {"surcharge-in-use", {107, 2}, F::Signed},
      {"ltl-surcharge", {109, 4}, F::Float},
      {"tl-surcharge", {113, 4}, F::Float},
      {"class-in-use", {117, 2}, F::Signed},
      {"class", {119, 5}, F::NulText},
      {"second-class", {124, 5}, F::NulText},
      {"origin-zip-in-use", {129, 2}, F::Signed},
      {"origin-zip", {131, 7}, F::NulText},
      {"destination-zip-in-use", {138, 2}, F::Signed},
      {"destination-zip", {140, 7}, F::NulText},
      {"discount-kind", {147, 1}, F::NulText},
      {"typed-discounts", {149, 2}, F::Signed},
      {"class-bands", {151, 2}, F::Signed},
      {"zip-pairs", {153, 2}, F::Signed},
      {"band0", {155, 4}, F::Float, 11},  // nine breaks, the MC discount, the floor
      {"band1", {199, 4}, F::Float, 11},
      {"zip-discount-count", {kCountAt, 4}, F::Signed},
      {"prompted-surcharge", {17797, 2}, F::Signed},
      {"prompted-ltl", {17799, 4}, F::Float},
      {"prompted-tl", {17803, 4}, F::Float},
      {"prompt1", {17807, 2}, F::Signed},
      {"prompt2", {17809, 2}, F::Signed},
  };
  return fields;
}

const std::vector<SparseField>& EntryFields() {
  static const std::vector<SparseField> fields = [] {
    std::vector<SparseField> f{{"origin-from", {0, 7}, F::Text},
                               {"origin-to", {7, 7}, F::Text},
                               {"destination-from", {14, 7}, F::Text},
                               {"destination-to", {21, 7}, F::Text}};
    for (std::size_t v = 0; v < 10; ++v) f.push_back({"value" + std::to_string(v), {28 + 8 * v, 8}, F::NulText});
    f.push_back({"floor", {108, 9}, F::NulText});
    return f;
  }();
  return fields;
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::string_view NameOf(std::string_view record) {
  const std::string_view name = record.substr(0, 31);
  return name.substr(0, name.find('\0'));
}

std::int32_t CountOf(std::string_view record) {
  return platform::LoadLittleEndian<std::int32_t>(reinterpret_cast<const std::uint8_t*>(record.data() + kCountAt));
}

bool HasField(const FieldList& fields, std::string_view key) {
  return std::any_of(fields.begin(), fields.end(), [&](const Field& f) { return f.key == key; });
}

class ProfilesKind final : public FileKind {
 public:
  std::string_view keyword() const override { return "profiles"; }
  std::optional<Settings> recognise(std::string_view name) const override {
    if (SameName(name, kFileName)) return Settings{};
    return std::nullopt;
  }
  std::vector<std::string> fileNames(const Settings&) const override { return {std::string(kFileName)}; }

  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings&) const override {
    std::vector<DataRecord> records;
    std::size_t entries = 0;
    bool countGiven = false;
    auto close = [&] {
      if (!records.empty() && !countGiven)
        platform::StoreLittleEndian(reinterpret_cast<std::uint8_t*>(records.back().bytes.data() + kCountAt),
                                    static_cast<std::int32_t>(entries));
    };
    for (const ItemText& item : items) {
      if (item.keyword == kRawItem) {
        records.push_back(RawItemRecord(item));
        entries = 0;
        countGiven = true;
        continue;
      }
      if (item.keyword == kProfile) {
        close();
        records.push_back({std::string(kRecordSize, '\0'), item.line});
        AtItemLine(item, [&] { ApplyFields(records.back().bytes, ProfileFields(), item.fields, "a profile"); });
        entries = 0;
        countGiven = HasField(item.fields, "zip-discount-count");
        continue;
      }
      if (records.empty() || records.back().bytes.size() != kRecordSize)
        throw DescriptionError(item.line, "a " + item.keyword + " item belongs to a profile item before it");
      if (item.keyword == kBytes) {
        AtItemLine(item, [&] { ApplyBytes(records.back().bytes, item.fields); });
      } else if (item.keyword == kZipDiscount) {
        if (entries == kEntryRoom)
          throw DescriptionError(item.line, "a profile holds at most 150 zip-discount entries");
        std::string entry(kEntrySize, '\0');
        AtItemLine(item, [&] { ApplyFields(entry, EntryFields(), ZipDefaults(item.fields), "a zip-discount"); });
        records.back().bytes.replace(kEntriesAt + kEntrySize * entries++, kEntrySize, entry);
      } else {
        RefuseItem(item, keyword(), kItems);
      }
    }
    close();
    return {std::move(records)};
  }

  std::optional<std::vector<std::string_view>> splitRecords(std::size_t, std::string_view content,
                                                            const Settings&) const override {
    return SplitFixedRecords(content, kRecordSize);
  }

  void check(std::span<const FileRecords> files, const Settings&, KindProblems& problems) const override {
    const std::vector<std::string_view>& records = files.front().records;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (r.size() != kRecordSize) {
        problems.push_back({i, "is " + std::to_string(r.size()) + " bytes, not 17897"});
        continue;
      }
      if (r.substr(0, 31).find('\0') == std::string_view::npos)
        problems.push_back({i, "its name fills all 31 bytes (a name has 30 at most)"});
      if (NameOf(r).empty()) problems.push_back({i, "has no name"});
      const std::int32_t count = CountOf(r);
      if (count < 0 || count > static_cast<std::int32_t>(kEntryRoom))
        problems.push_back({i, "its zip-discount count " + std::to_string(count) + " lies outside 0 to 150"});
      if (i > 0 && records[i - 1].size() == kRecordSize) {
        const std::string before = Upper(NameOf(records[i - 1])), name = Upper(NameOf(r));
        if (name < before)
          problems.push_back({i, "is out of order after record " + std::to_string(i - 1) +
                                     " (sorted by name, without regard to case)"});
        if (name == before) problems.push_back({i, "repeats the name of record " + std::to_string(i - 1)});
      }
    }
  }

  std::string describe(std::span<const std::string_view> contents, const Settings&) const override {
    std::string out;
    for (std::string_view r : SplitFixedRecords(contents.front(), kRecordSize)) {
      const std::int32_t count = CountOf(r);
      if (r.size() != kRecordSize || count < 0 || count > static_cast<std::int32_t>(kEntryRoom)) {
        out += RawItemLine(r) + "\n";
        continue;
      }
      std::string head(r);
      head.replace(kEntriesAt, kEntrySize * kEntryRoom, kEntrySize * kEntryRoom, '\0');
      if (count != 0) head.replace(kCountAt, 4, 4, '\0');
      std::vector<bool> covered(head.size(), false);
      out += FormatItem(kProfile, NamedFields(head, ProfileFields(), covered)) + "\n";
      for (const FieldList& run : LeftoverBytes(head, covered)) out += FormatItem(kBytes, run) + "\n";
      for (std::int32_t e = 0; e < count; ++e) {
        const std::string_view entry = r.substr(kEntriesAt + kEntrySize * static_cast<std::size_t>(e), kEntrySize);
        std::vector<bool> entryCovered(kEntrySize, false);
        FieldList fields = NamedFields(entry, EntryFields(), entryCovered);
        std::erase_if(fields, [](const Field& f) { return f.value.empty(); });  // blank point fields are the default
        std::string rebuilt(kEntrySize, '\0');
        ApplyFields(rebuilt, EntryFields(), ZipDefaults(fields), "a zip-discount");
        if (rebuilt != entry) {
          out += RawItemLine(r) + "\n";
          break;
        }
        out += FormatItem(kZipDiscount, fields) + "\n";
      }
    }
    return out;
  }

 private:
  // The four point fields are blank when left out.
  static FieldList ZipDefaults(FieldList fields) {
    for (std::string_view key : {"origin-from", "origin-to", "destination-from", "destination-to"})
      if (!HasField(fields, key)) fields.push_back({std::string(key), ""});
    return fields;
  }
};

}  // namespace

const FileKind& ProfilesFileKind() {
  static const ProfilesKind kind;
  return kind;
}

}  // namespace dataset
