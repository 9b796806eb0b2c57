// TDV.SEQ: the tariff versions, one line per version: the version number
// and the date it took effect, read as "%2hd%2hd%2hd%2hd%2hd" (version,
// century, year, month, day). Every number is written zero-padded, since
// scanf skips leading blanks without counting them toward a field's width.
// The engine holds 47 versions and sorts them by date itself, so the lines
// may stand in any order; two versions of one date would leave the choice
// to that sort, and are refused.
#include <map>

#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using F = FieldForm;

constexpr RecordField kFields[] = {
    {"number", {0, 2}, F::Number, "01"},
    {"date", {2, 8}, F::Date, "20240101"},
};
static_assert(IsWholeLayout(kFields, 10), "TDV fields must cover columns 0-9");

constexpr RecordLayout kLayout(kFields, "\n");
constexpr std::size_t kMostVersions = 47;
class TdvKind final : public LayoutFileKind {
 public:
  TdvKind() : LayoutFileKind("tdv", "TDV.SEQ", "version", kLayout, Split::AtLineFeeds) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    // One version at least: an empty file leaves no version to rate with.
    CheckRecordCount(records.size(), 1, kMostVersions, "versions", problems);
    std::map<std::string_view, std::size_t> dates;
    for (std::size_t i = 0; i < records.size(); ++i) {
      std::string_view r = records[i];
      if (r.size() != kLayout.recordSize() || !IsDigits(r.substr(0, kLayout.fieldsWidth())) || r.back() != '\n') {
        problems.push_back({i, Shown(r) + " is not 10 zero-padded digits and a line feed"});
        continue;
      }
      const std::string_view date = kLayout.columns(r, "date");
      if (!IsCalendarDate(date)) {
        problems.push_back({i, kLayout.describe("date") + ": " + Shown(date) + " is not a date (CCYYMMDD)"});
        continue;
      }
      if (auto [at, fresh] = dates.emplace(date, i); !fresh)
        problems.push_back({i, "takes effect on the date of record " + std::to_string(at->second) +
                                   ", so the engine's sort picks between them"});
    }
  }
};

}  // namespace

const FileKind& TdvFileKind() {
  static const TdvKind kind;
  return kind;
}

}  // namespace dataset
