// The zone files of a level, by which the rating screen finds the data-set
// kind of a lane before it looks up the base points of its two ends; each
// is searched from its start for the first record that fits, so none need
// be sorted:
//   .BSU  10 characters {lowest ZIP prefix 3, highest 3, zone 4}: the zone
//         of a U.S. end on a U.S. lane;
//   .BUU  the same layout: the zone of the U.S. end of a Canadian lane;
//   .BUC  9 characters {lowest postal prefix 3, highest 3, zone 3}: the
//         zone of the Canadian end;
//   .UST  9 characters {the two U.S. zones, the smaller (byte by byte)
//         first, 4 + 4; kind 1}: the kind of a U.S. lane;
//   .CNT  8 characters {Canadian zone 3, U.S. zone 4, kind 1}: the kind of
//         a Canadian lane;
// and the coastal-fee files of the result display:
//   .ZCT  5 characters: the ZIP codes that carry the fee;
//   .VAL  12 bytes {three little-endian 32-bit ints: a threshold, the fee in
//         cents when one end is listed, the fee when both are}; the first
//         record whose threshold reaches the shipment's figure gives the
//         fee, so the thresholds ascend.
#include <algorithm>
#include <cctype>
#include <string_view>

#include "kinds/level/level_kind.h"
#include "kinds/record_tools.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;
using level::CheckBounds;
using level::LevelLayoutKind;

constexpr RecordField kUsZoneFields[] = {
    {"low", {0, 3}, F::Exact, "000"sv}, {"high", {3, 3}, F::Exact, "999"sv}, {"zone", {6, 4}, F::Exact, "0001"sv}};
constexpr RecordField kCanadianZoneFields[] = {
    {"low", {0, 3}, F::Exact, "A0A"sv}, {"high", {3, 3}, F::Exact, "Z9Z"sv}, {"zone", {6, 3}, F::Exact, "001"sv}};
constexpr RecordField kZoneKindFields[] = {
    {"first", {0, 4}, F::Exact, "0001"sv}, {"second", {4, 4}, F::Exact, "0001"sv}, {"kind", {8, 1}, F::Exact, "A"sv}};
constexpr RecordField kBorderKindFields[] = {
    {"canadian", {0, 3}, F::Exact, "001"sv}, {"us", {3, 4}, F::Exact, "0001"sv}, {"kind", {7, 1}, F::Exact, "A"sv}};
constexpr RecordField kCoastalZipFields[] = {{"zip", {0, 5}, F::Exact, "00000"sv}};
constexpr RecordField kCoastalFeeFields[] = {{"threshold", {0, 4}, F::Signed, "\0\0\0\0"sv},
                                             {"one-end", {4, 4}, F::Signed, "\0\0\0\0"sv},
                                             {"both-ends", {8, 4}, F::Signed, "\0\0\0\0"sv}};
static_assert(IsWholeLayout(kUsZoneFields, 10) && IsWholeLayout(kCanadianZoneFields, 9));
static_assert(IsWholeLayout(kZoneKindFields, 9) && IsWholeLayout(kBorderKindFields, 8));
static_assert(IsWholeLayout(kCoastalZipFields, 5) && IsWholeLayout(kCoastalFeeFields, 12));

constexpr RecordLayout kUsZones(kUsZoneFields);
constexpr RecordLayout kCanadianZones(kCanadianZoneFields);
constexpr RecordLayout kZoneKinds(kZoneKindFields);
constexpr RecordLayout kBorderKinds(kBorderKindFields);
constexpr RecordLayout kCoastalZips(kCoastalZipFields);
constexpr RecordLayout kCoastalFees(kCoastalFeeFields);

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsPostalPrefix(std::string_view p) {
  auto letter = [](char c) { return c >= 'A' && c <= 'Z'; };
  return p.size() == 3 && letter(p[0]) && p[1] >= '0' && p[1] <= '9' && letter(p[2]);
}

void CheckPrefixes(std::string_view record, std::size_t i, const RecordLayout& layout, bool postal,
                   KindProblems& problems) {
  for (std::string_view key : {"low"sv, "high"sv}) {
    const std::string_view prefix = layout.columns(record, key);
    if (postal ? !IsPostalPrefix(prefix) : !AllDigits(prefix))
      problems.push_back(
          {i, layout.describe(key) + ": " + Shown(prefix) +
                  (postal ? " is not a postal prefix (letter, digit, letter)" : " is not a three-digit ZIP prefix")});
  }
  CheckBounds(record, i, layout, "low", "high", problems);
}

// The zone of a prefix: .BSU and .BUU (U.S. prefixes) or .BUC (postal prefixes).
class ZoneRangesKind final : public LevelLayoutKind {
 public:
  ZoneRangesKind(std::string_view keyword, std::string_view extension, const RecordLayout& layout, bool postal)
      : LevelLayoutKind(keyword, extension, "zone", layout), postal_(postal) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    for (std::size_t i = 0; i < records.size(); ++i)
      if (CheckRecordShape(records[i], i, layout(), problems))
        CheckPrefixes(records[i], i, layout(), postal_, problems);
  }
  bool postal_;
};

void CheckKind(std::string_view record, std::size_t i, const RecordLayout& layout, KindProblems& problems) {
  const char kind = layout.columns(record, "kind").front();
  if (kind == ' ' || kind == '\0')
    problems.push_back({i, layout.describe("kind") + " is blank: a lane of no data-set kind finds no base points"});
}

class ZoneKindsKind final : public LevelLayoutKind {
 public:
  ZoneKindsKind() : LevelLayoutKind("zone-kinds", ".UST", "pair", kZoneKinds) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (!CheckRecordShape(records[i], i, kZoneKinds, problems)) continue;
      if (kZoneKinds.columns(records[i], "first") > kZoneKinds.columns(records[i], "second"))
        problems.push_back(
            {i, "names its larger zone first: the screen looks the pair up with the smaller zone first"});
      CheckKind(records[i], i, kZoneKinds, problems);
    }
  }
};

class BorderKindsKind final : public LevelLayoutKind {
 public:
  BorderKindsKind() : LevelLayoutKind("border-zone-kinds", ".CNT", "pair", kBorderKinds) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    for (std::size_t i = 0; i < records.size(); ++i)
      if (CheckRecordShape(records[i], i, kBorderKinds, problems)) CheckKind(records[i], i, kBorderKinds, problems);
  }
};

class CoastalZipsKind final : public LevelLayoutKind {
 public:
  CoastalZipsKind() : LevelLayoutKind("coastal-zips", ".ZCT", "zip", kCoastalZips) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    for (std::size_t i = 0; i < records.size(); ++i)
      if (CheckRecordShape(records[i], i, kCoastalZips, problems) && !AllDigits(records[i]))
        problems.push_back({i, Shown(records[i]) + " is not a five-digit ZIP code"});
  }
};

class CoastalFeesKind final : public LevelLayoutKind {
 public:
  CoastalFeesKind() : LevelLayoutKind("coastal-fees", ".VAL", "fee", kCoastalFees) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    std::vector<std::pair<std::size_t, SortKey>> keys;
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (!CheckRecordShape(records[i], i, kCoastalFees, problems)) continue;
      for (std::string_view key : {"one-end"sv, "both-ends"sv})
        if (kCoastalFees.number(records[i], key) < 0)
          problems.push_back({i, kCoastalFees.describe(key) + " is a negative fee"});
      keys.push_back({i, {kCoastalFees.number(records[i], "threshold")}});
    }
    CheckSortOrder(keys, false, "threshold, as the first record that reaches the figure gives the fee", problems);
  }
};

}  // namespace

const FileKind& BaseZonesFileKind() {
  static const ZoneRangesKind kind("base-zones", ".BSU", kUsZones, false);
  return kind;
}

const FileKind& BorderUsZonesFileKind() {
  static const ZoneRangesKind kind("border-us-zones", ".BUU", kUsZones, false);
  return kind;
}

const FileKind& BorderCanadianZonesFileKind() {
  static const ZoneRangesKind kind("border-canadian-zones", ".BUC", kCanadianZones, true);
  return kind;
}

const FileKind& ZoneKindsFileKind() {
  static const ZoneKindsKind kind;
  return kind;
}

const FileKind& BorderZoneKindsFileKind() {
  static const BorderKindsKind kind;
  return kind;
}

const FileKind& CoastalZipsFileKind() {
  static const CoastalZipsKind kind;
  return kind;
}

const FileKind& CoastalFeesFileKind() {
  static const CoastalFeesKind kind;
  return kind;
}

}  // namespace dataset
