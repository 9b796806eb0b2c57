// Lists a level's files hold, one record per item:
//   LEVEL.LVL (any name ending .LVL: `levels file=LITE.LVL`): 18-byte text
//         records {level 8, effective date YYYYMMDD, CR LF}; the first
//         record's date is the program's shipment date, so one is needed;
//   .COZ  6-character origin codes, in the order offered;
//   .ACC  AccessorialEntry records of 123 bytes, at most 100 read;
//   .CLS  5-character class codes, at most 20 read;
//   .WGT  21 characters {label 5, upper weight 8, lower weight 8}, at most 9
//         read; the breaks ascend without overlapping;
//   .TBL  table names of 18 bytes {name 15, 3} as the rating-function
//         library reads them, or of 16 {name 13, 3} (`record-size=16`) as
//         the program's tariff basis reads them; 25 names are kept.
#include <algorithm>
#include <string>
#include <string_view>

#include "kinds/level/level_kind.h"
#include "kinds/record_tools.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;
using level::LevelLayoutKind;

constexpr RecordField kLevelFields[] = {{"level", {0, 8}, F::Text, "LEVEL001"sv},
                                        {"date", {8, 8}, F::Date, "20250101"sv}};
constexpr RecordField kOriginFields[] = {{"code", {0, 6}, F::Text, "      "sv}};
constexpr RecordField kAccessorialFields[] = {
    {"selection", {0, 1}, F::Character, " "sv},
    {"group", {1, 1}, F::Character, " "sv},
    {"code", {2, 5}, F::Text, "     "sv},
    {"description", {7, 50}, F::Text, "                                                  "sv},
    {"kind", {57, 1}, F::Character, "f"sv},
    {"rate", {58, 4}, F::Float, "\0\0\0\0"sv},
    {"unit", {62, 4}, F::Float, "\0\0\0\0"sv},
    {"minimum", {66, 4}, F::Float, "\0\0\0\0"sv},
    {"maximum", {70, 4}, F::Float, "\0\0\0\0"sv},
    {"rate2", {74, 4}, F::Float, "\0\0\0\0"sv},
    {"rate3", {78, 4}, F::Float, "\0\0\0\0"sv},
    {"value", {82, 4}, F::Float, "\0\0\0\0"sv},
    {"charge", {86, 4}, F::Float, "\0\0\0\0"sv},
    {"unit-label", {90, 30}, F::Text, "                              "sv},
    {"reserved", {120, 3}, F::NulText, "\0\0\0"sv},
};
constexpr RecordField kClassFields[] = {{"code", {0, 5}, F::Text, "100  "sv}};
constexpr RecordField kWeightFields[] = {{"label", {0, 5}, F::Text, "L5C  "sv},
                                         {"upper", {5, 8}, F::Number, "00000499"sv},
                                         {"lower", {13, 8}, F::Number, "00000000"sv}};
constexpr RecordField kTableName18[] = {{"name", {0, 15}, F::Text, "               "sv},
                                        {"rest", {15, 3}, F::Text, "   "sv}};
constexpr RecordField kTableName16[] = {{"name", {0, 13}, F::Text, "             "sv},
                                        {"rest", {13, 3}, F::Text, "   "sv}};
static_assert(IsWholeLayout(kLevelFields, 16) && IsWholeLayout(kOriginFields, 6) &&
              IsWholeLayout(kAccessorialFields, 123) && IsWholeLayout(kClassFields, 5) &&
              IsWholeLayout(kWeightFields, 21) && IsWholeLayout(kTableName18, 18) && IsWholeLayout(kTableName16, 16));

constexpr RecordLayout kLevels(kLevelFields, "\r\n");
constexpr RecordLayout kOrigins(kOriginFields);
constexpr RecordLayout kAccessorials(kAccessorialFields);
constexpr RecordLayout kClasses(kClassFields);
constexpr RecordLayout kWeights(kWeightFields);
constexpr RecordLayout kNames18(kTableName18);
constexpr RecordLayout kNames16(kTableName16);

constexpr std::string_view kAccessorialKinds = "%fgphs45673$<>";

void CheckShapes(std::span<const std::string_view> records, const RecordLayout& layout, KindProblems& problems) {
  for (std::size_t i = 0; i < records.size(); ++i) CheckRecordShape(records[i], i, layout, problems);
}

// The level list: named by its file= setting (LEVEL.LVL when left out).
class LevelListKind final : public RecordFileKind {
 public:
  std::string_view keyword() const override { return "levels"; }
  std::span<const std::string_view> settingKeys() const override {
    static constexpr std::string_view keys[] = {"file"};
    return keys;
  }
  std::optional<Settings> recognise(std::string_view name) const override {
    if (name.size() <= 4 || !SameName(name.substr(name.size() - 4), ".LVL")) return std::nullopt;
    return Settings{{"file", std::string(name)}};
  }

 private:
  std::string fileName(const Settings& settings) const override {
    const std::string* file = FindSetting(settings, "file");
    return file ? *file : "LEVEL.LVL";
  }
  std::span<const std::string_view> itemKeywords() const override {
    static constexpr std::string_view items[] = {"level"};
    return items;
  }
  std::string encodeItem(std::string_view, const FieldList& fields, const Settings&) const override {
    return kLevels.encode(fields);
  }
  std::optional<ItemLine> decodeItem(std::string_view record, std::size_t, const Settings&) const override {
    std::optional<FieldList> fields = kLevels.decode(record);
    if (!fields) return std::nullopt;
    return ItemLine{"level", std::move(*fields)};
  }
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return SplitFixedRecords(content, kLevels.recordSize());
  }
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    if (records.empty())
      problems.push_back({std::nullopt, "holds no level (the first level's date is the shipment date)"});
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (!CheckRecordShape(records[i], i, kLevels, problems)) continue;
      if (!IsCalendarDate(kLevels.columns(records[i], "date")))
        problems.push_back({i, kLevels.describe("date") + " " + Shown(kLevels.columns(records[i], "date")) +
                                   " is not a date YYYYMMDD"});
    }
  }
};

class OriginCodesKind final : public LevelLayoutKind {
 public:
  OriginCodesKind() : LevelLayoutKind("origin-codes", ".COZ", "code", kOrigins) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    CheckShapes(records, kOrigins, problems);
  }
};

class AccessorialsKind final : public LevelLayoutKind {
 public:
  AccessorialsKind() : LevelLayoutKind("accessorials", ".ACC", "accessorial", kAccessorials) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    CheckRecordCount(records.size(), 1, 100, "accessorials", problems);
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (!CheckRecordShape(records[i], i, kAccessorials, problems)) continue;
      if (!IsOneOf(kAccessorials.columns(records[i], "kind"), kAccessorialKinds))
        problems.push_back({i, kAccessorials.describe("kind") + " " + Shown(kAccessorials.columns(records[i], "kind")) +
                                   " is not a calculation kind (" + std::string(kAccessorialKinds) + ")"});
      if (!IsOneOf(kAccessorials.columns(records[i], "selection"), "* t"))
        problems.push_back({i, kAccessorials.describe("selection") + " is not '*', a blank or 't'"});
    }
  }
};

class ClassesKind final : public LevelLayoutKind {
 public:
  ClassesKind() : LevelLayoutKind("classes", ".CLS", "class", kClasses) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    CheckRecordCount(records.size(), 1, 20, "classes", problems);
    CheckShapes(records, kClasses, problems);
  }
};

class WeightBreaksKind final : public LevelLayoutKind {
 public:
  WeightBreaksKind() : LevelLayoutKind("weight-breaks", ".WGT", "break", kWeights) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    CheckRecordCount(records.size(), 1, 9, "breaks", problems);
    std::optional<std::size_t> previous;
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (!CheckRecordShape(records[i], i, kWeights, problems)) continue;
      level::CheckBounds(records[i], i, kWeights, "lower", "upper", problems);
      if (previous && kWeights.columns(records[i], "lower") <= kWeights.columns(records[*previous], "upper"))
        problems.push_back({i, "does not begin above break " + std::to_string(*previous) +
                                   " (the breaks ascend without overlapping)"});
      previous = i;
    }
  }
};

class TableNamesKind final : public level::LevelRecordKind {
 public:
  TableNamesKind() : LevelRecordKind("table-names", ".TBL") {}
  std::span<const std::string_view> settingKeys() const override {
    static constexpr std::string_view keys[] = {level::kLevel, "record-size"};
    return keys;
  }
  Settings settle(Settings given, const Neighbours& neighbours) const override {
    Settings settled = LevelRecordKind::settle(std::move(given), neighbours);
    const std::string* size = FindSetting(settled, "record-size");
    if (size != nullptr && *size != "18" && *size != "16") throw FieldError("record-size= is 18 or 16");
    return settled;
  }

 private:
  static const RecordLayout& Layout(const Settings& s) {
    const std::string* size = FindSetting(s, "record-size");
    return size != nullptr && *size == "16" ? kNames16 : kNames18;
  }
  std::span<const std::string_view> itemKeywords() const override {
    static constexpr std::string_view items[] = {"table"};
    return items;
  }
  std::string encodeItem(std::string_view, const FieldList& fields, const Settings& s) const override {
    return Layout(s).encode(fields);
  }
  std::optional<ItemLine> decodeItem(std::string_view record, std::size_t, const Settings& s) const override {
    std::optional<FieldList> fields = Layout(s).decode(record);
    if (!fields) return std::nullopt;
    return ItemLine{"table", std::move(*fields)};
  }
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings& s) const override {
    return SplitFixedRecords(content, Layout(s).recordSize());
  }
  void checkRecords(std::span<const std::string_view> records, const Settings& s,
                    KindProblems& problems) const override {
    CheckRecordCount(records.size(), 0, 25, "names (the rating context keeps 25)", problems);
    CheckShapes(records, Layout(s), problems);
  }
};

}  // namespace

const FileKind& LevelListFileKind() {
  static const LevelListKind kind;
  return kind;
}
const FileKind& OriginCodesFileKind() {
  static const OriginCodesKind kind;
  return kind;
}
const FileKind& AccessorialsFileKind() {
  static const AccessorialsKind kind;
  return kind;
}
const FileKind& ClassesFileKind() {
  static const ClassesKind kind;
  return kind;
}
const FileKind& WeightBreaksFileKind() {
  static const WeightBreaksKind kind;
  return kind;
}
const FileKind& TableNamesFileKind() {
  static const TableNamesKind kind;
  return kind;
}

}  // namespace dataset
