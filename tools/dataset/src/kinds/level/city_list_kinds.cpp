// The city lists of a level, read by the screen's city lookups and its
// city choice: 37-byte city records {point code 6, state or province 2,
// city 28 blank-padded, one byte not used}, sorted by state and city (the
// lookups binary-search them, comparing without regard to case).
// - us-cities (LEVEL.CTU): codes of five digits;
// - canadian-cities (LEVEL.CTC): postal codes (K1A0B1) or prefixes (K1A);
// - mexican-cities (LEVEL.CMX with LEVEL.MXR): five digits, then a blank
//   or 'M'. The Mexican city list takes the ranges of .MXR, 12 bytes
//   {low key 5, a byte, high key 5, a byte}: a range that holds a point's
//   code names, by its own record number, the .CMX record of its city, and
//   that city is listed when its code begins as the range's low key. So
//   .MXR record i belongs to .CMX record i, and the block writes both: an
//   item "city" makes a .CMX record and its range (low= and high=, by
//   default the code's five digits; range=none for a city without one).
#include <algorithm>
#include <cctype>
#include <string_view>

#include "kinds/level/level_kind.h"
#include "kinds/record_tools.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;

constexpr RecordField kCityFields[] = {
    {"code", {0, 6}, F::Text, "10001 "sv},
    {"state", {6, 2}, F::Exact, "NY"sv},
    {"city", {8, 28}, F::Text, "NEW YORK                    "sv},
    {"unused", {36, 1}, F::Exact, "\0"sv},
};
constexpr RecordField kRangeFields[] = {
    {"low", {0, 5}, F::Exact, "00000"sv},
    {"byte5", {5, 1}, F::Exact, "\0"sv},
    {"high", {6, 5}, F::Exact, "00000"sv},
    {"byte11", {11, 1}, F::Exact, "\0"sv},
};
static_assert(IsWholeLayout(kCityFields, 37), "city record fields must cover bytes 0-36");
static_assert(IsWholeLayout(kRangeFields, 12), ".MXR fields must cover bytes 0-11");
constexpr RecordLayout kCity(kCityFields);
constexpr RecordLayout kRange(kRangeFields);

enum class Country { Us, Canada, Mexico };

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

// True when a code has the shape of the country's points.
bool IsPointCode(std::string_view code, Country country) {
  switch (country) {
    case Country::Us: return IsDigits(code.substr(0, 5)) && code[5] == ' ';
    case Country::Mexico: return IsDigits(code.substr(0, 5)) && (code[5] == ' ' || code[5] == 'M');
    case Country::Canada:
      return IsUpper(code[0]) && IsDigit(code[1]) && IsUpper(code[2]) &&
             ((IsDigit(code[3]) && IsUpper(code[4]) && IsDigit(code[5])) || code.substr(3) == "   ");
  }
  return false;
}

constexpr std::string_view ShapeOf(Country country) {
  switch (country) {
    case Country::Us: return "five digits and a blank";
    case Country::Mexico: return "five digits and a blank or 'M'";
    case Country::Canada: return "a postal code (K1A0B1) or its prefix (K1A)";
  }
  return "";
}

// The lookups' key of a record: state and city, upper-cased.
SortKey SearchKey(std::string_view record) {
  std::string key(record.substr(6, 30));
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return BytesKey(key);
}

void CheckCities(std::span<const std::string_view> records, Country country, KindProblems& problems,
                 std::size_t file = 0) {
  std::vector<std::pair<std::size_t, SortKey>> keys;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string_view r = records[i];
    if (!CheckRecordShape(r, i, kCity, problems)) continue;
    const auto refuse = [&](std::string message) { problems.push_back({i, std::move(message), file}); };
    if (!IsPointCode(kCity.columns(r, "code"), country))
      refuse(kCity.describe("code") + ": " + Shown(kCity.columns(r, "code")) + " is not " +
             std::string(ShapeOf(country)));
    const std::string_view state = kCity.columns(r, "state");
    if (!IsUpper(state[0]) || !IsUpper(state[1]))
      refuse(kCity.describe("state") + ": " + Shown(state) + " is not two capital letters");
    const std::string_view city = kCity.columns(r, "city");
    if (city.find_first_not_of(' ') == std::string_view::npos) refuse(kCity.describe("city") + " is blank");
    if (std::any_of(city.begin(), city.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
      refuse(kCity.describe("city") + ": " + Shown(city) + " holds a control character");
    keys.emplace_back(i, SearchKey(r));
  }
  std::size_t before = problems.size();
  CheckSortOrder(keys, true, "state and city, without regard to case, as the lookups search", problems);
  for (std::size_t p = before; p < problems.size(); ++p) problems[p].file = file;
}

class CityListKind final : public level::LevelLayoutKind {
 public:
  CityListKind(std::string_view keyword, std::string_view extension, Country country)
      : LevelLayoutKind(keyword, extension, "city", kCity), country_(country) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    CheckCities(records, country_, problems);
  }
  Country country_;
};

constexpr std::string_view kSettingKeys[] = {level::kLevel};
constexpr std::string_view kCityItem = "city", kRangeItem = "range", kRawRangeItem = "raw-range";
constexpr std::string_view kMexicanItems[] = {kCityItem, kRangeItem, kRawRangeItem};
constexpr std::string_view kNoRange = "none";

// A city item's .CMX record and, unless range=none, its .MXR record.
std::pair<std::string, std::optional<std::string>> EncodeMexicanCity(const FieldList& fields) {
  FieldList city, range;
  bool ranged = true;
  for (const Field& f : fields) {
    if (f.key == "range") {
      if (f.value != kNoRange) throw FieldError("field 'range': only range=none (a city without a range record)");
      ranged = false;
    } else if (kRange.find(f.key)) {
      range.push_back(f);
    } else {
      city.push_back(f);
    }
  }
  std::string record = kCity.encode(city);
  if (!ranged) {
    if (!range.empty()) throw FieldError("range=none takes no " + range.front().key + "=");
    return {std::move(record), std::nullopt};
  }
  const auto given = [&](std::string_view key) {
    return std::any_of(range.begin(), range.end(), [&](const Field& f) { return f.key == key; });
  };
  FieldList withDefaults;
  if (!given("low")) withDefaults.push_back({"low", record.substr(0, 5)});
  withDefaults.insert(withDefaults.end(), range.begin(), range.end());
  if (!given("high")) {
    const std::string encoded = kRange.encode(withDefaults);
    withDefaults.push_back({"high", std::string(kRange.columns(encoded, "low"))});
  }
  return {std::move(record), kRange.encode(withDefaults)};
}

class MexicanCitiesKind final : public FileKind {
 public:
  std::string_view keyword() const override { return "mexican-cities"; }
  std::span<const std::string_view> settingKeys() const override { return kSettingKeys; }

  std::optional<Settings> recognise(std::string_view name) const override {
    if (std::optional<Settings> s = level::RecogniseName(name, ".CMX")) return s;
    return level::RecogniseName(name, ".MXR");
  }

  Settings settle(Settings given, const Neighbours& neighbours) const override {
    Settings settled = FileKind::settle(std::move(given), neighbours);
    level::CheckLevel(settled, keyword());
    return settled;
  }

  std::vector<std::string> fileNames(const Settings& settings) const override {
    return {level::FileName(settings, ".CMX"), level::FileName(settings, ".MXR")};
  }

  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings&) const override {
    std::vector<DataRecord> cities, ranges;
    for (const ItemText& item : items) {
      if (item.keyword == kRawItem) {
        cities.push_back(RawItemRecord(item));
      } else if (item.keyword == kRawRangeItem) {
        ranges.push_back({RawItemRecord(item).bytes, item.line});
      } else if (item.keyword == kRangeItem) {
        ranges.push_back({AtItemLine(item, [&] { return kRange.encode(item.fields); }), item.line});
      } else if (item.keyword == kCityItem) {
        auto [city, range] = AtItemLine(item, [&] { return EncodeMexicanCity(item.fields); });
        cities.push_back({std::move(city), item.line});
        if (range) ranges.push_back({std::move(*range), item.line});
      } else {
        RefuseItem(item, keyword(), kMexicanItems);
      }
    }
    return {std::move(cities), std::move(ranges)};
  }

  std::optional<std::vector<std::string_view>> splitRecords(std::size_t file, std::string_view content,
                                                            const Settings&) const override {
    return SplitFixedRecords(content, file == 0 ? kCity.recordSize() : kRange.recordSize());
  }

  void check(std::span<const FileRecords> files, const Settings&, KindProblems& problems) const override {
    const std::span<const std::string_view> cities = files[0].records, ranges = files[1].records;
    CheckCities(cities, Country::Mexico, problems);
    for (std::size_t i = 0; i < ranges.size(); ++i) {
      const std::string_view r = ranges[i];
      const std::size_t before = problems.size();
      const bool shaped = CheckRecordShape(r, i, kRange, problems);
      for (std::size_t p = before; p < problems.size(); ++p) problems[p].file = 1;
      if (!shaped) continue;
      const auto refuse = [&](std::string message) { problems.push_back({i, std::move(message), 1}); };
      const std::string_view low = kRange.columns(r, "low"), high = kRange.columns(r, "high");
      if (!IsDigits(low) || !IsDigits(high))
        refuse("its keys " + Shown(low) + " and " + Shown(high) + " are not five digits each");
      if (low > high)
        refuse(kRange.describe("low") + " " + Shown(low) + " lies above " + kRange.describe("high") + " " +
               Shown(high));
      if (i >= cities.size()) {
        refuse("names .CMX record " + std::to_string(i) + ", past the end of .CMX (" + std::to_string(cities.size()) +
               " records)");
      } else if (cities[i].size() >= 4 && cities[i].substr(0, 4) != low.substr(0, 4)) {
        refuse("its .CMX record " + std::to_string(i) + " has the code " + Shown(cities[i].substr(0, 6)) +
               ", which does not begin as its low key " + Shown(low) + ", so the city is never listed");
      }
    }
  }

  std::string describe(std::span<const std::string_view> contents, const Settings&) const override {
    const std::vector<std::string_view> cities = SplitFixedRecords(contents[0], kCity.recordSize());
    const std::vector<std::string_view> ranges = SplitFixedRecords(contents[1], kRange.recordSize());
    std::string out;
    for (std::size_t i = 0; i < std::max(cities.size(), ranges.size()); ++i) {
      const std::optional<std::string_view> city = i < cities.size() ? std::optional(cities[i]) : std::nullopt;
      const std::optional<std::string_view> range = i < ranges.size() ? std::optional(ranges[i]) : std::nullopt;
      if (std::optional<std::string> line = describeCity(city, range)) {
        out += *line + "\n";
        continue;
      }
      if (city) out += RawItemLine(*city) + "\n";
      if (range) out += describeRange(*range) + "\n";
    }
    return out;
  }

 private:
  // The city item that builds a .CMX record with its .MXR record (or a
  // .MXR record alone), or nothing.
  static std::optional<std::string> describeCity(std::optional<std::string_view> city,
                                                 std::optional<std::string_view> range) {
    if (!city) return std::nullopt;
    std::optional<FieldList> fields = kCity.decode(*city);
    if (!fields) return std::nullopt;
    if (!range) {
      fields->push_back({"range", std::string(kNoRange)});
    } else {
      std::optional<FieldList> rangeFields = kRange.decode(*range);
      if (!rangeFields) return std::nullopt;
      const std::string_view low = kRange.columns(*range, "low"), high = kRange.columns(*range, "high");
      if (low != city->substr(0, 5)) fields->push_back({"low", std::string(low)});
      if (high != low) fields->push_back({"high", std::string(high)});
      for (Field& f : *rangeFields) {
        if (f.key != "low" && f.key != "high") fields->push_back(std::move(f));
      }
    }
    try {
      auto [cityBytes, rangeBytes] = EncodeMexicanCity(*fields);
      if (cityBytes != *city || rangeBytes != (range ? std::optional<std::string>(*range) : std::nullopt))
        return std::nullopt;
    } catch (const FieldError&) {
      return std::nullopt;
    }
    return FormatItem(kCityItem, *fields);
  }

  static std::string describeRange(std::string_view range) {
    if (std::optional<FieldList> fields = kRange.decode(range)) return FormatItem(kRangeItem, *fields);
    return FormatItem(kRawRangeItem, {{"text", std::string(range)}});
  }
};

}  // namespace

const FileKind& UsCitiesFileKind() {
  static const CityListKind kind("us-cities", ".CTU", Country::Us);
  return kind;
}

const FileKind& CanadianCitiesFileKind() {
  static const CityListKind kind("canadian-cities", ".CTC", Country::Canada);
  return kind;
}

const FileKind& MexicanCitiesFileKind() {
  static const MexicanCitiesKind kind;
  return kind;
}

}  // namespace dataset
