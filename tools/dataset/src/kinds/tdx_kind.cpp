// TDX.TBL: the tariff exceptions, 20-byte records: first version
// (inclusive) and end version (exclusive), tariff kind, origin and
// destination codes (region codes; 0 any, 98 and 99 mark the general and
// the kind-pair runs), a group number that chains records, origin and
// destination sub-codes (0 any), origin and destination operators (a blank
// or '=' in a 16-bit word) and the other kind the exception weighs against.
// The engine binary-searches by (kind, origin code, destination code) and
// reads on through runs of equal keys, so the records are sorted by that
// key; repeats are runs.
#include <string_view>

#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;

constexpr RecordField kFields[] = {
    {"first", {0, 1}, F::Signed, "\x00"sv},
    {"end", {1, 1}, F::Signed, "\x63"sv},  // 99
    {"kind", {2, 2}, F::Signed, "\x01\x00"sv},
    {"origin", {4, 2}, F::Signed, "\x00\x00"sv},
    {"group", {6, 2}, F::Signed, "\x00\x00"sv},
    {"destination", {8, 2}, F::Signed, "\x00\x00"sv},
    {"origin-sub", {10, 2}, F::Unsigned, "\x00\x00"sv},
    {"destination-sub", {12, 2}, F::Unsigned, "\x00\x00"sv},
    {"origin-op", {14, 2}, F::Character, "\x20\x00"sv},
    {"destination-op", {16, 2}, F::Character, "\x20\x00"sv},
    {"other-kind", {18, 2}, F::Unsigned, "\x00\x00"sv},
};
static_assert(IsWholeLayout(kFields, 20), "TDX fields must cover bytes 0-19");

constexpr RecordLayout kLayout(kFields);
class TdxKind final : public LayoutFileKind {
 public:
  TdxKind() : LayoutFileKind("tdx", "TDX.TBL", "exception", kLayout, Split::FixedSize) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    std::vector<std::pair<std::size_t, SortKey>> keys;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (!CheckRecordShape(r, i, kLayout, problems)) continue;
      const std::int64_t first = kLayout.number(r, "first"), end = kLayout.number(r, "end");
      if (first < 0 || first >= end)
        problems.push_back({i, "versions " + std::to_string(first) + " to " + std::to_string(end) +
                                   " (end excluded) hold no version 0 or above, so the record never applies"});
      for (std::string_view op : {"origin-op"sv, "destination-op"sv}) {
        const std::string_view word = kLayout.columns(r, op);
        if (word != "\x20\x00"sv && word != "\x3D\x00"sv)
          problems.push_back({i, kLayout.describe(op) + ": " + Shown(word) +
                                     " is not a blank or '=' (0x20 or 0x3D in a 16-bit word)"});
      }
      keys.push_back({i, {kLayout.number(r, "kind"), kLayout.number(r, "origin"), kLayout.number(r, "destination")}});
    }
    CheckSortOrder(keys, true, "kind, origin code, destination code", problems);
  }
};

}  // namespace

const FileKind& TdxFileKind() {
  static const TdxKind kind;
  return kind;
}

}  // namespace dataset
