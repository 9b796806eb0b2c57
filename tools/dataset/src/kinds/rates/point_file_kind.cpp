// A tariff's point files (letters P, Q and Y):
// - points: 14-byte records {low ZIP 5, high ZIP 5 (text; a postal prefix
//   in the first 3 characters, blank-padded), i16 point number, i16 add-on},
//   16 bytes with a second add-on (record-size=16, or the tariff's
//   point-file flag 'Y' in EFCREC column 45); a width item ends the file
//   with the 32-bit matrix width that a destination file gives;
// - zones: 5-byte zone-list records {packed ZIP span: 3 bytes little-endian,
//   the high 17 bits the first ZIP, the low 7 bits the count of further
//   ZIPs; u16: low 10 bits the point number, high 6 bits the add-on}.
// The engine binary-searches both by ZIP: ranges ascend without overlapping.
#include <cctype>
#include <cstdio>
#include <tuple>

#include "kinds/rates/tariff_record_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"

namespace dataset {
namespace {

constexpr std::string_view kRecordSize = "record-size";
constexpr std::string_view kPointKeys[] = {tariff::kTariff, tariff::kLetter, tariff::kSuffix, kRecordSize};
constexpr std::string_view kZoneKeys[] = {tariff::kTariff, tariff::kLetter, tariff::kSuffix};
constexpr std::string_view kPointItems[] = {"point", "width"};
constexpr std::string_view kZoneItems[] = {"zone"};
constexpr std::string_view kPointFields[] = {"low", "high", "number", "addon", "addon2"};
constexpr std::string_view kZoneFields[] = {"low", "high", "number", "addon"};
constexpr std::string_view kWidthFields[] = {"value"};
constexpr std::size_t kWidthSize = 4;
constexpr std::size_t kZoneSize = 5;
constexpr platform::FieldSpan kPointFlagColumn{45, 1};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A ZIP field as the point records hold it: five digits, or a postal
// prefix of three characters (letter, digit, letter) blank-padded to five.
std::string ZipText(std::string_view key, std::string value) {
  for (char& c : value) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (value.size() == 5 && IsDigits(value)) return value;
  if (value.size() == 3 && !IsDigit(value[0]) && IsDigit(value[1]) && !IsDigit(value[2])) return value + "  ";
  throw FieldError("field '" + std::string(key) + "': " + Shown(value) +
                   " is not a ZIP code (5 digits) or a postal prefix (3 characters)");
}

std::string Int16(std::int64_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }
std::int16_t LoadInt16(std::string_view r, std::size_t at) {
  return static_cast<std::int16_t>(static_cast<unsigned char>(r[at]) | static_cast<unsigned char>(r[at + 1]) << 8);
}

std::size_t SizeOf(const Settings& settings) {
  const std::string* size = FindSetting(settings, kRecordSize);
  return size && *size == "16" ? 16 : 14;
}

// Reports ranges out of order or overlapping; ranges holds {record, low, high}.
void CheckAscending(const std::vector<std::tuple<std::size_t, std::string, std::string>>& ranges,
                    KindProblems& problems) {
  for (std::size_t i = 1; i < ranges.size(); ++i) {
    const auto& [before, low0, high0] = ranges[i - 1];
    const auto& [index, low, high] = ranges[i];
    if (low < low0)
      problems.push_back({index, "is out of order after record " + std::to_string(before) +
                                     " (ranges ascend for the engine's search)"});
    else if (low <= high0)
      problems.push_back({index, "overlaps record " + std::to_string(before) + " (ranges ascend without overlapping)"});
  }
}

class PointsKind final : public TariffRecordKind {
 public:
  PointsKind() : TariffRecordKind("points", "PQY", kPointKeys) {}

 protected:
  void settleExtra(Settings& settings, const Neighbours& neighbours) const override {
    if (const std::string* size = FindSetting(settings, kRecordSize)) {
      if (*size != "14" && *size != "16") throw FieldError("field 'record-size': " + Shown(*size) + " is not 14 or 16");
      return;
    }
    const std::optional<std::string> flag =
        TariffRecordColumn(settings, neighbours, kPointFlagColumn, "point-file flags");
    PutSetting(settings, kRecordSize, flag && *flag == "Y" ? "16" : "14");
  }
  std::span<const std::string_view> itemKeywords() const override { return kPointItems; }

  std::string encode(std::string_view keyword, const FieldList& fields, const Settings& settings,
                     const std::vector<DataRecord>&) const override {
    if (keyword == "width") {
      OnlyFields(fields, kWidthFields, "width");
      const std::int64_t v = IntegerField(fields, "value", 0, 0x7FFFFFFF, 0);
      return Int16(v) + Int16(v >> 16);
    }
    OnlyFields(fields, kPointFields, "point");
    const std::size_t size = SizeOf(settings);
    const std::string low = ZipText("low", TextField(fields, "low", "00000"));
    const std::string high = ZipText("high", TextField(fields, "high", TextField(fields, "low", "00000")));
    std::string r = low + high + Int16(IntegerField(fields, "number", -32768, 32767, 0)) +
                    Int16(IntegerField(fields, "addon", -32768, 32767, 0));
    if (size == 16)
      r += Int16(IntegerField(fields, "addon2", -32768, 32767, 0));
    else if (TextField(fields, "addon2", "").size())
      throw FieldError("field 'addon2': 14-byte point records have no second add-on (record-size=16)");
    return r;
  }

  std::optional<ItemLine> decode(std::span<const std::string_view> records, std::size_t index,
                                 const Settings& settings) const override {
    const std::string_view r = records[index];
    if (r.size() == kWidthSize && index + 1 == records.size())
      return ItemLine{"width",
                      {{"value", std::to_string(static_cast<std::uint32_t>(static_cast<unsigned char>(r[0]) |
                                                                           static_cast<unsigned char>(r[1]) << 8 |
                                                                           static_cast<unsigned char>(r[2]) << 16) |
                                                static_cast<std::uint32_t>(static_cast<unsigned char>(r[3])) << 24)}}};
    if (r.size() != SizeOf(settings)) return std::nullopt;
    auto zip = [](std::string_view z) { return std::string(z.substr(0, z.find_last_not_of(' ') + 1)); };
    FieldList fields{
        {"low", zip(r.substr(0, 5))}, {"high", zip(r.substr(5, 5))}, {"number", std::to_string(LoadInt16(r, 10))}};
    if (LoadInt16(r, 12) != 0) fields.push_back({"addon", std::to_string(LoadInt16(r, 12))});
    if (r.size() == 16 && LoadInt16(r, 14) != 0) fields.push_back({"addon2", std::to_string(LoadInt16(r, 14))});
    return ItemLine{"point", std::move(fields)};
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content,
                                                     const Settings& settings) const override {
    const std::size_t size = SizeOf(settings);
    const bool width = content.size() % size == kWidthSize;
    std::vector<std::string_view> records =
        SplitFixedRecords(content.substr(0, content.size() - (width ? kWidthSize : 0)), size);
    if (width) records.push_back(content.substr(content.size() - kWidthSize));
    return records;
  }

  void checkRecords(std::span<const std::string_view> records, const Settings& settings,
                    KindProblems& problems) const override {
    const std::size_t size = SizeOf(settings);
    std::vector<std::tuple<std::size_t, std::string, std::string>> ranges;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (r.size() == kWidthSize && i + 1 == records.size()) continue;
      if (r.size() != size) {
        problems.push_back({i, "is " + std::to_string(r.size()) + " bytes, not " + std::to_string(size)});
        continue;
      }
      try {
        const std::string low =
            ZipText("low", std::string(r.substr(0, 5)).substr(0, r.substr(0, 5).find_last_not_of(' ') + 1));
        const std::string high =
            ZipText("high", std::string(r.substr(5, 5)).substr(0, r.substr(5, 5).find_last_not_of(' ') + 1));
        if (IsDigit(low[0]) != IsDigit(high[0]))
          problems.push_back({i, "mixes a ZIP code and a postal prefix"});
        else if (high < low)
          problems.push_back({i, "ends below its start"});
        else
          ranges.emplace_back(i, low, high);
      } catch (const FieldError& e) {
        problems.push_back({i, e.what()});
      }
      if (LoadInt16(r, 10) < 0) problems.push_back({i, "has a negative point number"});
    }
    CheckAscending(ranges, problems);
  }
};

class ZonesKind final : public TariffRecordKind {
 public:
  ZonesKind() : TariffRecordKind("zones", "PQY", kZoneKeys) {}
  // Zone lists share their letters with point files, which the registry
  // lists first: a zone list is named with --as zones.

 protected:
  std::span<const std::string_view> itemKeywords() const override { return kZoneItems; }

  std::string encode(std::string_view, const FieldList& fields, const Settings&,
                     const std::vector<DataRecord>&) const override {
    OnlyFields(fields, kZoneFields, "zone");
    const std::int64_t low = IntegerField(fields, "low", 0, 99999, 0);
    const std::int64_t high = IntegerField(fields, "high", 0, 99999, low);
    if (high < low || high - low > 127)
      throw FieldError("a zone spans at most 128 ZIPs from its low ZIP: " + std::to_string(low) + "-" +
                       std::to_string(high));
    const std::int64_t number = IntegerField(fields, "number", 0, 1023, 0),
                       addon = IntegerField(fields, "addon", 0, 63, 0);
    std::string r(kZoneSize, '\0');
    Store24(r, 0, static_cast<std::uint32_t>(low << 7 | (high - low)));
    const std::uint32_t word = static_cast<std::uint32_t>(number | addon << 10);
    r[3] = static_cast<char>(word & 0xFF);
    r[4] = static_cast<char>(word >> 8);
    return r;
  }

  std::optional<ItemLine> decode(std::span<const std::string_view> records, std::size_t index,
                                 const Settings&) const override {
    const std::string_view r = records[index];
    if (r.size() != kZoneSize) return std::nullopt;
    const std::uint32_t span = Load24(r, 0);
    const std::uint32_t word =
        static_cast<unsigned char>(r[3]) | static_cast<std::uint32_t>(static_cast<unsigned char>(r[4])) << 8;
    FieldList fields{{"low", std::to_string(span >> 7)},
                     {"high", std::to_string((span >> 7) + (span & 0x7F))},
                     {"number", std::to_string(word & 0x3FF)}};
    if (word >> 10) fields.push_back({"addon", std::to_string(word >> 10)});
    return ItemLine{"zone", std::move(fields)};
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return SplitFixedRecords(content, kZoneSize);
  }

  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    std::vector<std::tuple<std::size_t, std::string, std::string>> ranges;
    char text[16];
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (records[i].size() != kZoneSize) {
        problems.push_back({i, "is " + std::to_string(records[i].size()) + " bytes, not 5"});
        continue;
      }
      const std::uint32_t span = Load24(records[i], 0);
      if ((span >> 7) + (span & 0x7F) > 99999) problems.push_back({i, "ends past ZIP 99999"});
      std::snprintf(text, sizeof text, "%06u", span >> 7);
      const std::string low = text;
      std::snprintf(text, sizeof text, "%06u", (span >> 7) + (span & 0x7F));
      ranges.emplace_back(i, low, std::string(text));
    }
    CheckAscending(ranges, problems);
  }
};

}  // namespace

const FileKind& PointsFileKind() {
  static const PointsKind kind;
  return kind;
}

const FileKind& ZonesFileKind() {
  static const ZonesKind kind;
  return kind;
}

}  // namespace dataset
