// TDZ.BIN: the ZIP ranges, 12-byte records: the packed last and first code
// of the range (bytes 0-2 and 3-5), the first version (inclusive) and the
// end version (exclusive), the region code (a TDA state number), the table
// code (with the region, the key of a TDT row), a byte the engine does not
// read, and the sub-code. The engine binary-searches the file with a ZIP
// and a version, so the ranges ascend without overlapping; one range may
// appear several times, with version ranges that ascend apart.
#include <string_view>

#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"
#include "kinds/zip_keys.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;

constexpr RecordField kFields[] = {
    {"high", {0, 3}, F::PackedZip, "\x09\x99\x99"sv},  // 99999
    {"low", {3, 3}, F::PackedZip, "\x00\x00\x00"sv},   // 00000
    {"first", {6, 1}, F::Signed, "\x01"sv},
    {"end", {7, 1}, F::Signed, "\x63"sv},     // 99
    {"region", {8, 1}, F::Signed, "\x24"sv},  // 36
    {"table", {9, 1}, F::Unsigned, "\x01"sv},
    {"byte10", {10, 1}, F::Unsigned, "\x00"sv},
    {"sub", {11, 1}, F::Signed, "\x00"sv},
};
static_assert(IsWholeLayout(kFields, 12), "TDZ fields must cover bytes 0-11");

constexpr RecordLayout kLayout(kFields);

// The record's range and versions, or nothing after reporting what is wrong.
struct Versioned {
  ZipRange range;
  std::int64_t first, end;
};

std::optional<Versioned> ReadRange(std::string_view r, std::size_t index, KindProblems& problems) {
  if (!CheckRecordShape(r, index, kLayout, problems)) return std::nullopt;
  const std::optional<ZipRange> range = ReadZipRange(r, index, kLayout, problems);
  if (!range) return std::nullopt;
  Versioned record{*range, kLayout.number(r, "first"), kLayout.number(r, "end")};
  if (record.first < 0 || record.first >= record.end) {
    problems.push_back({index, "versions " + std::to_string(record.first) + " to " + std::to_string(record.end) +
                                   " (end excluded) hold no version 0 or above, so the record never matches"});
    return std::nullopt;
  }
  return record;
}

class TdzKind final : public LayoutFileKind {
 public:
  TdzKind() : LayoutFileKind("tdz", "TDZ.BIN", "range", kLayout, Split::FixedSize) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    std::optional<std::pair<std::size_t, Versioned>> previous;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::optional<Versioned> record = ReadRange(records[i], i, problems);
      if (!record) continue;
      if (previous) {
        const Versioned& before = previous->second;
        const std::string after = " record " + std::to_string(previous->first);
        const bool sameRange = record->range.low == before.range.low && record->range.high == before.range.high;
        if (sameRange && record->first < before.end) {
          problems.push_back(
              {i, "repeats the range of" + after +
                      " with versions that do not follow its versions (the search needs them ascending apart)"});
        } else if (!sameRange && record->range.low <= before.range.high) {
          problems.push_back({i, (record->range.low < before.range.low ? "is out of order after" : "overlaps") + after +
                                     " (the ranges must ascend without overlapping for the engine's search)"});
        }
      }
      previous.emplace(i, *record);
    }
  }
};

}  // namespace

const FileKind& TdzFileKind() {
  static const TdzKind kind;
  return kind;
}

}  // namespace dataset
