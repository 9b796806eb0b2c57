// TDS.SEQ: the tariff-selection table, one line per selection: slot
// (1-based), tariff codes A and B, tariff kind, alternate kind, first and
// last version, read by the engine as "%2hd%3hd%3hd%3hd%3hd%2hd%2hd".
// Every number is written zero-padded: scanf skips leading blanks without
// counting them toward a field's width, so a blank-padded line reads as
// different numbers. At most 300 lines are read; slots run from 1 to 50.
#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using F = FieldForm;

constexpr RecordField kFields[] = {
    {"slot", {0, 2}, F::Number, "01"},  {"a", {2, 3}, F::Number, "001"},    {"b", {5, 3}, F::Number, "001"},
    {"kind", {8, 3}, F::Number, "001"}, {"alt", {11, 3}, F::Number, "001"}, {"first", {14, 2}, F::Number, "00"},
    {"last", {16, 2}, F::Number, "99"},
};
static_assert(IsWholeLayout(kFields, 18), "TDS fields must cover columns 0-17");

constexpr RecordLayout kLayout(kFields, "\n");
constexpr std::size_t kMostLines = 300;
constexpr int kMostSlots = 50;

int Number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

bool HasKey(const FieldList& fields, std::string_view key) {
  for (const Field& f : fields) {
    if (f.key == key) return true;
  }
  return false;
}

class TdsKind final : public LayoutFileKind {
 public:
  TdsKind() : LayoutFileKind("tds", "TDS.SEQ", "entry", kLayout, Split::AtLineFeeds) {}

 private:
  // The alternate kind defaults to the kind.
  std::string encodeItem(std::string_view, const FieldList& fields, const Settings&) const override {
    FieldList all = fields;
    if (!HasKey(all, "alt")) {
      for (const Field& f : fields) {
        if (f.key == "kind") all.push_back({"alt", f.value});
      }
    }
    return kLayout.encode(all);
  }

  std::optional<ItemLine> decodeItem(std::string_view record, std::size_t, const Settings&) const override {
    std::optional<FieldList> fields = kLayout.decode(record);
    if (!fields) return std::nullopt;
    const std::string_view kind = kLayout.columns(record, "kind");
    const std::string_view alt = kLayout.columns(record, "alt");
    std::erase_if(*fields, [](const Field& f) { return f.key == "alt"; });
    if (alt != kind) {
      auto at = fields->end() - (HasKey(*fields, "first") ? 1 : 0) - (HasKey(*fields, "last") ? 1 : 0);
      fields->insert(at, {"alt", std::to_string(Number(alt))});
    }
    return ItemLine{"entry", std::move(*fields)};
  }

  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    CheckRecordCount(records.size(), 0, kMostLines, "lines", problems);
    for (std::size_t i = 0; i < records.size(); ++i) {
      std::string_view r = records[i];
      if (r.size() != kLayout.recordSize() || !IsDigits(r.substr(0, kLayout.fieldsWidth())) || r.back() != '\n') {
        problems.push_back({i, Shown(r) + " is not 18 zero-padded digits and a line feed"});
        continue;
      }
      const int slot = Number(kLayout.columns(r, "slot"));
      if (slot < 1 || slot > kMostSlots)
        problems.push_back({i, kLayout.describe("slot") + ": slot " + std::to_string(slot) + " is outside 1-" +
                                   std::to_string(kMostSlots)});
      const int first = Number(kLayout.columns(r, "first"));
      const int last = Number(kLayout.columns(r, "last"));
      if (first > last)
        problems.push_back({i, "first version " + std::to_string(first) + " is above last version " +
                                   std::to_string(last) + ", so the line never matches"});
    }
  }
};

}  // namespace

const FileKind& TdsFileKind() {
  static const TdsKind kind;
  return kind;
}

}  // namespace dataset
