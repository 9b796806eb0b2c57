// Files of a level (the tariff base name the level list names, up to 8
// characters), read by the rating-function library and named LEVEL.<ext>:
//   .NDS  2-byte state codes: a lane within one of them gets no discount;
//         any order;
//   .APP  12 characters {U.S. end low 3, high 3, other end low 3, high 3}:
//         the Canadian lanes the carrier serves; the first record that
//         holds the lane answers, so no order;
//   .CBS  15 characters {low postal key 5, high postal key 5, base code 5}:
//         binary-searched, so the ranges ascend without overlapping;
//   .CMT  18 characters {origin base code 5, destination base code 5,
//         tariff name 8}: binary-searched by the 10-character pair, so the
//         pairs ascend and none repeats.
// Every bound is compared byte by byte, as the library compares it.
#include <algorithm>
#include <string_view>

#include "kinds/level/level_kind.h"
#include "kinds/record_tools.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;
using level::CheckBounds;
using level::LevelLayoutKind;

constexpr RecordField kStateFields[] = {{"code", {0, 2}, F::Exact, "NY"sv}};
constexpr RecordField kApprovalFields[] = {
    {"us-low", {0, 3}, F::Exact, "000"sv},
    {"us-high", {3, 3}, F::Exact, "999"sv},
    {"other-low", {6, 3}, F::Exact, "A0A"sv},
    {"other-high", {9, 3}, F::Exact, "Z9Z"sv},
};
constexpr RecordField kBaseFields[] = {
    {"low", {0, 5}, F::Exact, "00000"sv},
    {"high", {5, 5}, F::Exact, "99999"sv},
    {"code", {10, 5}, F::Exact, "BASE1"sv},
};
constexpr RecordField kTariffFields[] = {
    {"origin", {0, 5}, F::Exact, "BASE1"sv},
    {"destination", {5, 5}, F::Exact, "BASE1"sv},
    {"tariff", {10, 8}, F::Text, "TSTFRT01"sv},
};
static_assert(IsWholeLayout(kStateFields, 2), ".NDS fields must cover bytes 0-1");
static_assert(IsWholeLayout(kApprovalFields, 12), ".APP fields must cover bytes 0-11");
static_assert(IsWholeLayout(kBaseFields, 15), ".CBS fields must cover bytes 0-14");
static_assert(IsWholeLayout(kTariffFields, 18), ".CMT fields must cover bytes 0-17");

constexpr RecordLayout kStates(kStateFields);
constexpr RecordLayout kApprovals(kApprovalFields);
constexpr RecordLayout kBases(kBaseFields);
constexpr RecordLayout kTariffs(kTariffFields);

class NoDiscountStatesKind final : public LevelLayoutKind {
 public:
  NoDiscountStatesKind() : LevelLayoutKind("no-discount-states", ".NDS", "state", kStates) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (!CheckRecordShape(records[i], i, kStates, problems)) continue;
      const std::string_view code = records[i];
      if (!std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
        problems.push_back(
            {i, kStates.describe("code") + ": " + Shown(code) + " is not a two-letter state code (upper case)"});
    }
  }
};

class CanadianLanesKind final : public LevelLayoutKind {
 public:
  CanadianLanesKind() : LevelLayoutKind("canadian-lanes", ".APP", "lane", kApprovals) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (!CheckRecordShape(records[i], i, kApprovals, problems)) continue;
      CheckBounds(records[i], i, kApprovals, "us-low", "us-high", problems);
      CheckBounds(records[i], i, kApprovals, "other-low", "other-high", problems);
    }
  }
};

class BaseCodesKind final : public LevelLayoutKind {
 public:
  BaseCodesKind() : LevelLayoutKind("base-codes", ".CBS", "range", kBases) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    std::optional<std::size_t> previous;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (!CheckRecordShape(r, i, kBases, problems)) continue;
      CheckBounds(r, i, kBases, "low", "high", problems);
      if (previous && kBases.columns(r, "low") <= kBases.columns(records[*previous], "high"))
        problems.push_back(
            {i, (kBases.columns(r, "low") < kBases.columns(records[*previous], "low") ? "is out of order after record "
                                                                                      : "overlaps record ") +
                    std::to_string(*previous) + " (the ranges must ascend without overlapping for the binary search)"});
      previous = i;
    }
  }
};

class LaneTariffsKind final : public LevelLayoutKind {
 public:
  LaneTariffsKind() : LevelLayoutKind("lane-tariffs", ".CMT", "lane", kTariffs) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    std::vector<std::pair<std::size_t, SortKey>> keys;
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (!CheckRecordShape(records[i], i, kTariffs, problems)) continue;
      keys.push_back({i, BytesKey(records[i].substr(0, 10))});
    }
    CheckSortOrder(keys, false, "origin and destination base codes", problems);
  }
};

}  // namespace

const FileKind& NoDiscountStatesFileKind() {
  static const NoDiscountStatesKind kind;
  return kind;
}

const FileKind& CanadianLanesFileKind() {
  static const CanadianLanesKind kind;
  return kind;
}

const FileKind& BaseCodesFileKind() {
  static const BaseCodesKind kind;
  return kind;
}

const FileKind& LaneTariffsFileKind() {
  static const LaneTariffsKind kind;
  return kind;
}

}  // namespace dataset
