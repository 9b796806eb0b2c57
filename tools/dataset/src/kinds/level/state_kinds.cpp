// The state and range files of a level:
//   .SCC  8 bytes {state or province 2, low prefix 3, high prefix 3}: the
//         province of a postal code's first three characters, searched by
//         binary search, so the ranges ascend without overlapping;
//   ".SC " (SAMPLE01.SC on disk) 3996 bytes: 999 entries of 4 {state 2,
//         first flag, territory letter} for ZIP prefixes 001..999; items
//         `prefixes low=100 high=149 state=NY flag=Y territory=B` set a run
//         of prefixes, the others stay zero;
//   .ZP6  12-character lines {from 5, to 5, CR LF} ascending: a level's
//         ZIP ranges (`level=`), or a profile's (`profile=`, up to 30
//         characters), whose file ends with the byte 0x1A.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "description/block_reader.h"
#include "kinds/level/level_kind.h"
#include "kinds/record_tools.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;

constexpr RecordField kProvinceFields[] = {
    {"state", {0, 2}, F::Exact, "ON"sv}, {"low", {2, 3}, F::Exact, "K0A"sv}, {"high", {5, 3}, F::Exact, "P9Z"sv}};
constexpr RecordField kRangeFields[] = {{"from", {0, 5}, F::Exact, "00000"sv}, {"to", {5, 5}, F::Exact, "99999"sv}};
constexpr RecordField kStateEntryFields[] = {{"state", {0, 2}, F::Exact, "\0\0"sv},
                                             {"flag", {2, 1}, F::NulText, "\0"sv},
                                             {"territory", {3, 1}, F::NulText, "\0"sv}};
static_assert(IsWholeLayout(kProvinceFields, 8) && IsWholeLayout(kRangeFields, 10) &&
              IsWholeLayout(kStateEntryFields, 4));
constexpr RecordLayout kProvinces(kProvinceFields);
constexpr RecordLayout kRanges(kRangeFields, "\r\n");
constexpr RecordLayout kStateEntry(kStateEntryFields);

constexpr std::size_t kPrefixes = 999;
constexpr std::string_view kEndMark = "\x1A";

// Reports records that are out of order or overlap the one before (the
// bounds compared as bytes).
void CheckAscending(std::span<const std::string_view> records, const RecordLayout& layout, std::string_view low,
                    std::string_view high, KindProblems& problems) {
  std::optional<std::size_t> previous;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (!CheckRecordShape(records[i], i, layout, problems)) continue;
    level::CheckBounds(records[i], i, layout, low, high, problems);
    if (previous && layout.columns(records[i], low) <= layout.columns(records[*previous], high))
      problems.push_back({i, (layout.columns(records[i], low) < layout.columns(records[*previous], low)
                                  ? "is out of order after record "
                                  : "overlaps record ") +
                                 std::to_string(*previous) + " (the ranges must ascend without overlapping)"});
    previous = i;
  }
}

class ProvincePrefixesKind final : public level::LevelLayoutKind {
 public:
  ProvincePrefixesKind() : LevelLayoutKind("province-prefixes", ".SCC", "province", kProvinces) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    CheckAscending(records, kProvinces, "low", "high", problems);
  }
};

class ZipStatesKind final : public level::LevelFileBase {
 public:
  ZipStatesKind() : LevelFileBase("zip-states", ".SC ") {}

  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings&) const override {
    std::string table(4 * kPrefixes, '\0');
    std::vector<DataRecord> raw;
    for (const ItemText& item : items) {
      if (item.keyword == kRawItem) {
        raw.push_back(RawItemRecord(item));
        continue;
      }
      if (item.keyword != "prefixes") RefuseItem(item, keyword(), kItems);
      AtItemLine(item, [&] {
        FieldList entry;
        std::int64_t low = 0, high = -1;
        for (const Field& f : item.fields) {
          if (f.key == "low")
            low = ParseInteger("low", f.value, 1, kPrefixes);
          else if (f.key == "high")
            high = ParseInteger("high", f.value, 1, kPrefixes);
          else
            entry.push_back(f);
        }
        if (high < 0) high = low;
        if (low == 0 || high < low) throw FieldError("a prefixes item takes low= (1 to 999) and a high= not below it");
        const std::string bytes = kStateEntry.encode(entry);
        for (std::int64_t v = low; v <= high; ++v) table.replace(4 * static_cast<std::size_t>(v - 1), 4, bytes);
      });
    }
    if (!raw.empty()) return {std::move(raw)};
    return {{DataRecord{std::move(table), items.empty() ? 0 : items.front().line}}};
  }

  std::optional<std::vector<std::string_view>> splitRecords(std::size_t, std::string_view content,
                                                            const Settings&) const override {
    return SplitFixedRecords(content, 4);
  }

  void check(std::span<const FileRecords> files, const Settings&, KindProblems& problems) const override {
    const std::string_view content = files.front().content;
    if (content.size() != 4 * kPrefixes)
      problems.push_back(
          {std::nullopt, "is " + std::to_string(content.size()) + " bytes, not 3996 (999 entries of 4, read whole)"});
  }

  std::string describe(std::span<const std::string_view> contents, const Settings&) const override {
    const std::string_view table = contents.front();
    if (table.size() != 4 * kPrefixes) return table.empty() ? std::string() : RawItemLine(table) + "\n";
    std::string out;
    for (std::size_t v = 1; v <= kPrefixes;) {
      const std::string_view entry = table.substr(4 * (v - 1), 4);
      std::size_t end = v;
      while (end < kPrefixes && table.substr(4 * end, 4) == entry) ++end;
      if (entry != "\0\0\0\0"sv) {
        std::optional<FieldList> fields = kStateEntry.decode(entry);
        if (!fields || kStateEntry.encode(*fields) != entry) return RawItemLine(table) + "\n";
        FieldList line{{"low", std::to_string(v)}};
        if (end > v) line.push_back({"high", std::to_string(end)});
        line.insert(line.end(), fields->begin(), fields->end());
        out += FormatItem("prefixes", line) + "\n";
      }
      v = end + 1;
    }
    return out;
  }

 private:
  static constexpr std::string_view kItems[] = {"prefixes"};
};

// Both kinds of .ZP6: a level's (level=) or a profile's (profile=).
class ZipRangesKind final : public RecordFileKind {
 public:
  std::string_view keyword() const override { return "zip-ranges"; }
  std::span<const std::string_view> settingKeys() const override {
    static constexpr std::string_view keys[] = {level::kLevel, "profile"};
    return keys;
  }
  std::optional<Settings> recognise(std::string_view name) const override {
    if (std::optional<Settings> level = level::RecogniseName(name, ".ZP6")) return level;
    if (name.size() > 4 && SameName(name.substr(name.size() - 4), ".ZP6"))
      return Settings{{"profile", std::string(name.substr(0, name.size() - 4))}};
    return std::nullopt;
  }
  Settings settle(Settings given, const Neighbours& neighbours) const override {
    Settings settled = FileKind::settle(std::move(given), neighbours);
    const std::string* profile = FindSetting(settled, "profile");
    if (profile == nullptr) {
      level::CheckLevel(settled, keyword());
    } else if (FindSetting(settled, level::kLevel) != nullptr || profile->empty() || profile->size() > 30 ||
               profile->find_first_of("/\\") != std::string::npos) {
      throw FieldError(
          "a zip-ranges block names a level (level=) or a profile (profile=, up to 30 characters, no separators)");
    }
    return settled;
  }

 private:
  static bool ForProfile(const Settings& s) { return FindSetting(s, "profile") != nullptr; }
  std::string fileName(const Settings& s) const override {
    return ForProfile(s) ? *FindSetting(s, "profile") + ".ZP6" : level::FileName(s, ".ZP6");
  }
  std::span<const std::string_view> itemKeywords() const override {
    static constexpr std::string_view items[] = {"range", "end"};
    return items;
  }
  std::string encodeItem(std::string_view keyword, const FieldList& fields, const Settings&) const override {
    if (keyword == "end") {
      if (!fields.empty()) throw FieldError("an end item takes no fields");
      return std::string(kEndMark);
    }
    return kRanges.encode(fields);
  }
  std::optional<ItemLine> decodeItem(std::string_view record, std::size_t, const Settings&) const override {
    if (record == kEndMark) return ItemLine{"end", {}};
    std::optional<FieldList> fields = kRanges.decode(record);
    if (!fields) return std::nullopt;
    return ItemLine{"range", std::move(*fields)};
  }
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return SplitFixedRecords(content, kRanges.recordSize());
  }
  void checkRecords(std::span<const std::string_view> records, const Settings& s,
                    KindProblems& problems) const override {
    std::vector<std::string_view> ranges(records.begin(), records.end());
    const bool marked = !ranges.empty() && ranges.back() == kEndMark;
    if (marked) ranges.pop_back();
    if (ForProfile(s) && !marked)
      problems.push_back(
          {std::nullopt, "does not end with the byte 0x1A a profile's range file ends with (an end item)"});
    if (!ForProfile(s) && marked)
      problems.push_back({records.size() - 1, "is the end mark of a profile's range file, in a level's"});
    for (std::size_t i = 0; i < ranges.size(); ++i) {
      if (ranges[i].size() != kRanges.recordSize()) continue;
      for (std::string_view key : {"from"sv, "to"sv})
        if (!IsDigits(kRanges.columns(ranges[i], key)))
          problems.push_back({i, kRanges.describe(key) + " is not a five-digit ZIP"});
    }
    CheckAscending(ranges, kRanges, "from", "to", problems);
  }
};

}  // namespace

const FileKind& ProvincePrefixesFileKind() {
  static const ProvincePrefixesKind kind;
  return kind;
}
const FileKind& ZipStatesFileKind() {
  static const ZipStatesKind kind;
  return kind;
}
const FileKind& ZipRangesFileKind() {
  static const ZipRangesKind kind;
  return kind;
}

}  // namespace dataset
