// The city files of a tariff:
// - city-points (NAME.Ess): a code's cities and the code of each city's
//   rating point, sorted by key (several records share one). form=zip (the
//   default): 25 bytes {packed key 3, the city's packed ZIP 3, state 2,
//   city 17}; form=code: 31 bytes {key 6, the city's code 6, state 2, city
//   17}. A state "**" stands for every city of the key.
// - city-addons (NAME.Oss): 18-byte heading records up to and including the
//   first that begins with '*' (their layout is the rate-basis ranges',
//   given as text), then 28-byte add-on records {code 5, a character at 5,
//   a character at 6, direction letter ('B' both ways), value (one byte),
//   state 2, city 17}, sorted by code, then the character at 6, then the
//   one at 5.
#include <string_view>

#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"
#include "kinds/zip_keys.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;

constexpr std::string_view kForm = "form";
constexpr std::string_view kPointKeys[] = {tariff::kTariff, tariff::kSuffix, kForm};
constexpr std::string_view kAddOnKeys[] = {tariff::kTariff, tariff::kSuffix};
constexpr std::string_view kCityItems[] = {"city"};
constexpr std::string_view kAddOnItems[] = {"heading", "addon"};

constexpr RecordField kZipCityFields[] = {
    {"key", {0, 3}, F::PackedZip, "\x00\x00\x01"sv},  // 00001
    {"zip", {3, 3}, F::PackedZip, "\x00\x00\x01"sv},
    {"state", {6, 2}, F::Text, "**"sv},
    {"city", {8, 17}, F::Text, "                 "sv},
};
constexpr RecordField kCodeCityFields[] = {
    {"key", {0, 6}, F::Text, "00001 "sv},
    {"code", {6, 6}, F::Text, "00001 "sv},
    {"state", {12, 2}, F::Text, "**"sv},
    {"city", {14, 17}, F::Text, "                 "sv},
};
constexpr RecordField kHeadingFields[] = {
    {"text", {0, 18}, F::Text, "*                 "sv},
};
constexpr RecordField kAddOnFields[] = {
    {"code", {0, 5}, F::Text, "00001"sv},
    {"char5", {5, 1}, F::Text, " "sv},
    {"char6", {6, 1}, F::Text, " "sv},
    {"direction", {7, 1}, F::Text, "B"sv},
    {"value", {8, 1}, F::Unsigned, "\x00"sv},
    {"state", {9, 2}, F::Text, "  "sv},
    {"city", {11, 17}, F::Text, "                 "sv},
};
static_assert(IsWholeLayout(kZipCityFields, 25) && IsWholeLayout(kCodeCityFields, 31),
              "city-point fields must cover the record");
static_assert(IsWholeLayout(kHeadingFields, 18) && IsWholeLayout(kAddOnFields, 28),
              "city add-on fields must cover the record");

constexpr RecordLayout kZipCity(kZipCityFields);
constexpr RecordLayout kCodeCity(kCodeCityFields);
constexpr RecordLayout kHeading(kHeadingFields);
constexpr RecordLayout kAddOn(kAddOnFields);

class CityPointsKind final : public RecordFileKind {
 public:
  std::string_view keyword() const override { return "city-points"; }
  std::span<const std::string_view> settingKeys() const override { return kPointKeys; }
  std::optional<Settings> recognise(std::string_view name) const override { return tariff::RecogniseName(name, 'E'); }
  bool readsNeighbours() const override { return true; }

  Settings settle(Settings given, const Neighbours& neighbours) const override {
    const std::string* form = FindSetting(given, kForm);
    if (form && *form != "zip" && *form != "code")
      throw FieldError("field 'form': " + Shown(*form) + " is not zip or code");
    if (!form) PutSetting(given, kForm, "zip");
    tariff::SettleName(given, 'E', neighbours);
    return FileKind::settle(std::move(given), neighbours);
  }

 private:
  static const RecordLayout& LayoutOf(const Settings& settings) {
    const std::string* form = FindSetting(settings, kForm);
    return form && *form == "code" ? kCodeCity : kZipCity;
  }
  std::string fileName(const Settings& settings) const override { return tariff::FileName(settings, 'E'); }
  std::span<const std::string_view> itemKeywords() const override { return kCityItems; }
  std::string encodeItem(std::string_view, const FieldList& fields, const Settings& settings) const override {
    return LayoutOf(settings).encode(fields);
  }
  std::optional<ItemLine> decodeItem(std::string_view record, std::size_t, const Settings& settings) const override {
    std::optional<FieldList> fields = LayoutOf(settings).decode(record);
    if (!fields) return std::nullopt;
    return ItemLine{"city", std::move(*fields)};
  }
  std::optional<std::vector<std::string_view>> split(std::string_view content,
                                                     const Settings& settings) const override {
    return SplitFixedRecords(content, LayoutOf(settings).recordSize());
  }
  void checkRecords(std::span<const std::string_view> records, const Settings& settings,
                    KindProblems& problems) const override {
    const RecordLayout& layout = LayoutOf(settings);
    const bool packed = &layout == &kZipCity;
    std::vector<std::pair<std::size_t, SortKey>> keys;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (!CheckRecordShape(r, i, layout, problems)) continue;
      if (packed) {
        const std::optional<SortKey> key = ReadZipKey(r, i, layout, "key", problems);
        ReadZipKey(r, i, layout, "zip", problems);
        if (key) keys.emplace_back(i, *key);
      } else {
        keys.emplace_back(i, BytesKey(layout.columns(r, "key")));
      }
    }
    // The engine binary-searches the keys and reads a key's records in order.
    CheckSortOrder(keys, true, "key", problems);
  }
};

class CityAddOnsKind final : public RecordFileKind {
 public:
  std::string_view keyword() const override { return "city-addons"; }
  std::span<const std::string_view> settingKeys() const override { return kAddOnKeys; }
  std::optional<Settings> recognise(std::string_view name) const override { return tariff::RecogniseName(name, 'O'); }
  bool readsNeighbours() const override { return true; }

  Settings settle(Settings given, const Neighbours& neighbours) const override {
    tariff::SettleName(given, 'O', neighbours);
    return FileKind::settle(std::move(given), neighbours);
  }

 private:
  std::string fileName(const Settings& settings) const override { return tariff::FileName(settings, 'O'); }
  std::span<const std::string_view> itemKeywords() const override { return kAddOnItems; }
  std::string encodeItem(std::string_view keyword, const FieldList& fields, const Settings&) const override {
    return (keyword == "heading" ? kHeading : kAddOn).encode(fields);
  }
  std::optional<ItemLine> decodeItem(std::string_view record, std::size_t, const Settings&) const override {
    const bool heading = record.size() == kHeading.recordSize();
    std::optional<FieldList> fields = (heading ? kHeading : kAddOn).decode(record);
    if (!fields) return std::nullopt;
    return ItemLine{heading ? "heading" : "addon", std::move(*fields)};
  }
  // Headings up to the first that begins with '*', then add-on records.
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    std::vector<std::string_view> records;
    std::size_t at = 0;
    bool inHeadings = true;
    while (at < content.size()) {
      const std::size_t size = inHeadings ? kHeading.recordSize() : kAddOn.recordSize();
      const std::string_view record = content.substr(at, size);
      if (inHeadings && record[0] == '*') inHeadings = false;
      records.push_back(record);
      at += record.size();
    }
    return records;
  }
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    std::size_t i = 0;
    bool ended = false;
    for (; i < records.size() && !ended; ++i) {
      if (!CheckRecordShape(records[i], i, kHeading, problems)) continue;
      ended = records[i][0] == '*';
    }
    if (!ended) {
      problems.push_back(
          {std::nullopt, "no heading record begins with '*' (the engine reads the headings up to that one)"});
      return;
    }
    std::vector<std::pair<std::size_t, SortKey>> keys;
    for (; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (!CheckRecordShape(r, i, kAddOn, problems)) continue;
      const char direction = r[7];
      if (direction < 'A' || direction > 'Z')
        problems.push_back(
            {i, kAddOn.describe("direction") + ": " + Shown(r.substr(7, 1)) + " is not a direction letter"});
      keys.emplace_back(i, BytesKey(std::string(r.substr(0, 5)) + r[6] + r[5]));
    }
    CheckSortOrder(keys, true, "code, character 6, character 5", problems);
  }
};

}  // namespace

const FileKind& CityPointsFileKind() {
  static const CityPointsKind kind;
  return kind;
}

const FileKind& CityAddOnsFileKind() {
  static const CityAddOnsKind kind;
  return kind;
}

}  // namespace dataset
