// LEVEL.DSP: the names of the base points, 43-byte records {key 4 (the
// first four characters of a base point), data-set kind 1, label 8,
// description 30}. The screen keeps the file open from start-up (a level
// without one does not start) and reads it from the start while the
// records stay below the point looked up, so they are sorted by kind, then
// key. It may be empty: the names are read only when the base points are
// shown.
#include <string_view>

#include "kinds/level/level_kind.h"
#include "kinds/record_tools.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;

constexpr RecordField kFields[] = {
    {"key", {0, 4}, F::Exact, "0001"sv},
    {"kind", {4, 1}, F::Exact, " "sv},
    {"label", {5, 8}, F::Text, "        "sv},
    {"description", {13, 30}, F::Text, "                              "sv},
};
static_assert(IsWholeLayout(kFields, 43), ".DSP fields must cover bytes 0-42");
constexpr RecordLayout kLayout(kFields);

class BasePointNamesKind final : public level::LevelLayoutKind {
 public:
  BasePointNamesKind() : LevelLayoutKind("base-point-names", ".DSP", "point", kLayout) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    std::vector<std::pair<std::size_t, SortKey>> keys;
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (!CheckRecordShape(records[i], i, kLayout, problems)) continue;
      keys.emplace_back(i, BytesKey(std::string(kLayout.columns(records[i], "kind")) +
                                    std::string(kLayout.columns(records[i], "key"))));
    }
    CheckSortOrder(keys, false, "kind, then key, as the screen reads on until it passes the point", problems);
  }
};

}  // namespace

const FileKind& BasePointNamesFileKind() {
  static const BasePointNamesKind kind;
  return kind;
}

}  // namespace dataset
