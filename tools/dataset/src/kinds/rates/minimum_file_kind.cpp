// NAME.Mss in its keyed form: minimum-charge records of 10 + 3n bytes, a
// 10-byte key compared with the head of the lane's rate record, then n
// 24-bit little-endian entries. The first record is the header: entry 0 the
// entry count n, entry 1 the number of distance groups, byte 9 the mode
// letter ('A', 'B', or a blank for none); its key bytes 0-8 are blanks so
// that it sorts below every record's key. The engine scans the file from
// its start for the first record whose key does not sort below the rate
// record's head, so the records after the header must ascend by key.
// (The headerless 384-byte tier table of the same letter is written with a
// lettered block.)
#include <algorithm>

#include "kinds/rates/tariff_record_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"

namespace dataset {
namespace {

constexpr std::string_view kSettingKeys[] = {tariff::kTariff, tariff::kLetter, tariff::kSuffix};
constexpr std::string_view kItems[] = {"header", "minimum"};
constexpr std::string_view kHeaderFields[] = {"entries", "groups", "mode"};
constexpr std::string_view kMinimumFields[] = {"key", "values"};
constexpr std::size_t kKeySize = 10;
constexpr std::size_t kModeByte = 9;
constexpr std::int64_t kMaxEntries = 128;  // the engine's record area holds 128 entries
constexpr std::uint32_t kMaxEntry = 0xFFFFFF;

std::size_t RecordLength(std::size_t entries) { return kKeySize + 3 * entries; }

// The entry count the header record gives (nothing when it is too short).
std::optional<std::size_t> HeaderEntries(std::string_view header) {
  if (header.size() < kKeySize + 3) return std::nullopt;
  return Load24(header, kKeySize);
}

std::string EncodeHeader(const FieldList& fields) {
  OnlyFields(fields, kHeaderFields, "header");
  const std::size_t n = static_cast<std::size_t>(IntegerField(fields, "entries", 1, kMaxEntries, 4));
  if (n < 2) throw FieldError("field 'entries': the header's own two entries need a count of at least 2");
  const std::int64_t groups = IntegerField(fields, "groups", 0, kMaxEntry, 0);
  const std::string mode = TextField(fields, "mode", " ");
  if (mode.size() != 1) throw FieldError("field 'mode': " + Shown(mode) + " is not one character");
  std::string record(RecordLength(n), '\0');
  record.replace(0, kKeySize, std::string(kKeySize, ' '));
  record[kModeByte] = mode.front();
  Store24(record, kKeySize, static_cast<std::uint32_t>(n));
  Store24(record, kKeySize + 3, static_cast<std::uint32_t>(groups));
  return record;
}

std::string EncodeMinimum(const FieldList& fields, const std::vector<DataRecord>& before) {
  OnlyFields(fields, kMinimumFields, "minimum");
  if (before.empty()) throw FieldError("a minimum item needs the header item before it (it gives the entry count)");
  const std::optional<std::size_t> n = HeaderEntries(before.front().bytes);
  if (!n) throw FieldError("the first record is not a header of at least 13 bytes");
  const std::string key = TextField(fields, "key", "");
  if (key.size() != kKeySize) throw FieldError("field 'key': " + Shown(key) + " is not 10 characters");
  std::string record(RecordLength(*n), '\0');
  record.replace(0, kKeySize, key);
  const std::string valueText = TextField(fields, "values", "");
  const std::vector<std::string_view> values = Words(valueText);
  if (values.size() > *n)
    throw FieldError("field 'values': " + std::to_string(values.size()) + " entries; the header gives " +
                     std::to_string(*n));
  for (std::size_t i = 0; i < values.size(); ++i)
    Store24(record, kKeySize + 3 * i, static_cast<std::uint32_t>(ParseInteger("values", values[i], 0, kMaxEntry)));
  return record;
}

class MinimumsKind final : public TariffRecordKind {
 public:
  MinimumsKind() : TariffRecordKind("minimums", "M", kSettingKeys) {}

 protected:
  std::span<const std::string_view> itemKeywords() const override { return kItems; }

  std::string encode(std::string_view keyword, const FieldList& fields, const Settings&,
                     const std::vector<DataRecord>& before) const override {
    if (keyword == "header") {
      if (!before.empty()) throw FieldError("the header item must be the block's first");
      return EncodeHeader(fields);
    }
    return EncodeMinimum(fields, before);
  }

  std::optional<ItemLine> decode(std::span<const std::string_view> records, std::size_t index,
                                 const Settings&) const override {
    const std::string_view r = records[index];
    const std::optional<std::size_t> n = HeaderEntries(records.front());
    if (!n || r.size() != RecordLength(*n)) return std::nullopt;
    FieldList fields;
    if (index == 0) {
      if (r.substr(0, kModeByte) != std::string(kModeByte, ' ')) return std::nullopt;
      fields.push_back({"entries", std::to_string(*n)});
      if (const std::uint32_t groups = Load24(r, kKeySize + 3)) fields.push_back({"groups", std::to_string(groups)});
      if (r[kModeByte] != ' ') fields.push_back({"mode", std::string(1, r[kModeByte])});
      return ItemLine{"header", std::move(fields)};
    }
    fields.push_back({"key", std::string(r.substr(0, kKeySize))});
    std::size_t count = *n;
    while (count > 0 && Load24(r, kKeySize + 3 * (count - 1)) == 0) --count;
    std::string values;
    for (std::size_t i = 0; i < count; ++i) values += (i ? " " : "") + std::to_string(Load24(r, kKeySize + 3 * i));
    if (!values.empty()) fields.push_back({"values", values});
    return ItemLine{"minimum", std::move(fields)};
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    const std::optional<std::size_t> n = HeaderEntries(content);
    if (!n || *n == 0 || *n > static_cast<std::size_t>(kMaxEntries)) return std::nullopt;
    return SplitFixedRecords(content, RecordLength(*n));
  }

  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    if (records.empty()) {
      problems.push_back({0, "is missing: the file begins with its header record"});
      return;
    }
    const std::optional<std::size_t> n = HeaderEntries(records.front());
    if (!n || *n < 2 || *n > static_cast<std::size_t>(kMaxEntries)) {
      problems.push_back(
          {0, "is not a header whose first entry counts 2 to " + std::to_string(kMaxEntries) + " entries a record"});
      return;
    }
    const std::size_t length = RecordLength(*n);
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (r.size() != length) {
        problems.push_back({i, "is " + std::to_string(r.size()) + " bytes, not the " + std::to_string(length) + " of " +
                                   std::to_string(*n) + " entries"});
        continue;
      }
      if (i == 0) continue;
      // The scan stops at the first key that does not sort below the rate
      // record's head: a record at or below the one before it is never met.
      if (r.substr(0, kKeySize) <= records[i - 1].substr(0, kKeySize))
        problems.push_back({i, "does not sort above the record before it (keys ascend after the header)"});
    }
  }
};

}  // namespace

const FileKind& MinimumsFileKind() {
  static const MinimumsKind kind;
  return kind;
}

}  // namespace dataset
