// TDA.SEQ: the state table, one 6-byte line per state: a two-digit state
// number, a code of up to three characters whose first two are the state or
// province abbreviation (blank-padded), and a line feed. The engine counts
// the lines as the file size divided by 6 and binary-searches them by state
// number, so the lines are sorted by number.
#include <cctype>
#include <cstdint>

#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using F = FieldForm;

constexpr RecordField kFields[] = {
    {"number", {0, 2}, F::Number, "36"},
    {"code", {2, 3}, F::Text, "NY "},
};
static_assert(IsWholeLayout(kFields, 5), "TDA fields must cover columns 0-4");

constexpr RecordLayout kLayout(kFields, "\n");

bool IsUpper(char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; }

class TdaKind final : public LayoutFileKind {
 public:
  TdaKind() : LayoutFileKind("tda", "TDA.SEQ", "state", kLayout, Split::FixedSize) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    // One line at least, so that the engine's table is never empty.
    CheckRecordCount(records.size(), 1, SIZE_MAX, "lines", problems);
    std::string_view previous;  // number of the last well-formed line
    for (std::size_t i = 0; i < records.size(); ++i) {
      std::string_view r = records[i];
      if (!CheckRecordShape(r, i, kLayout, problems)) continue;
      std::string_view number = kLayout.columns(r, "number");
      std::string_view code = kLayout.columns(r, "code");
      if (!IsDigits(number)) {
        problems.push_back({i, kLayout.describe("number") + ": " + Shown(number) + " is not a two-digit state number"});
        continue;
      }
      if (!IsUpper(code[0]) || !IsUpper(code[1]) || !(code[2] == ' ' || (code[2] > ' ' && code[2] < 0x7F)))
        problems.push_back(
            {i, kLayout.describe("code") + ": " + Shown(code) + " does not begin with a two-letter abbreviation"});
      if (!previous.empty() && number <= previous)
        problems.push_back(
            {i, "state " + std::string(number) +
                    (number == previous ? " appears twice" : " is out of order after state " + std::string(previous)) +
                    " (the lines must be sorted by state number)"});
      previous = number;
    }
  }
};

}  // namespace

const FileKind& TdaFileKind() {
  static const TdaKind kind;
  return kind;
}

}  // namespace dataset
