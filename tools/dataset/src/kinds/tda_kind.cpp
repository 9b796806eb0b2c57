// TDA.SEQ: the state table, one 6-byte line per state: a two-digit state
// number, a code of up to three characters whose first two are the state or
// province abbreviation (blank-padded), and a line feed. The engine counts
// the lines as the file size divided by 6 and binary-searches them by state
// number, so the lines are sorted by number.
#include <cctype>
#include <cstdint>

#include "kinds/file_kind.h"
#include "kinds/record_tools.h"
#include "layout/text_layout.h"

namespace dataset {
namespace {

using F = FieldForm;

constexpr TextField kFields[] = {
    {"number", {0, 2}, F::Number, "36"},
    {"code", {2, 3}, F::Text, "NY "},
};
static_assert(IsWholeLayout(kFields, 5), "TDA fields must cover columns 0-4");

constexpr TextRecordLayout kLayout(kFields, "\n");

bool IsUpper(char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; }

class TdaKind final : public FileKind {
 public:
  std::string_view keyword() const override { return "tda"; }
  std::string_view fileName() const override { return "TDA.SEQ"; }
  std::string_view itemKeyword() const override { return "state"; }

  std::string encodeItem(const FieldList& fields) const override { return kLayout.encode(fields); }
  std::optional<FieldList> decodeItem(std::string_view record) const override { return kLayout.decode(record); }

  std::vector<std::string_view> splitRecords(std::string_view content) const override {
    return SplitFixedRecords(content, kLayout.recordSize());
  }

  void check(std::span<const std::string_view> records, KindProblems& problems) const override {
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
        problems.push_back({i, kLayout.describe("code") + ": " + Shown(code) + " does not begin with a two-letter abbreviation"});
      if (!previous.empty() && number <= previous)
        problems.push_back({i, "state " + std::string(number) + (number == previous ? " appears twice" : " is out of order after state " + std::string(previous)) +
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
