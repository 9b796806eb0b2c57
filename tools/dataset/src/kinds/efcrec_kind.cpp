// EFCREC.TBL: the effective-tariff list, one 76-byte record per dated
// tariff (columns 0-73 and CR LF), in file order; the engine addresses a
// record by its index in the file, and reads at most 5000.
//
// The item's defaults make the smallest usable tariff: format 'B', kind 001,
// effective 2024-01-01, sequence 01, type '0', tariff TSTFRT01 with suffix
// 01 for every letter, rating version 4.5, interstate ('N'), letter 'N'.
#include <algorithm>
#include <cctype>

#include "kinds/efcrec_columns.h"
#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using F = FieldForm;

constexpr RecordField kFields[] = {
    {"format", {0, 1}, F::Text, "B"},
    {"kind", {1, 3}, F::Number, "001"},
    {"date", {4, 8}, F::Date, "20240101"},
    {"sequence", efcrec::kSequence, F::Number, "01"},
    {"type", efcrec::kType, F::Text, "0"},
    {"base", {15, 1}, F::Text, " "},
    {"lane", {16, 1}, F::Text, " "},
    {"lane-digits", {17, 2}, F::Number, "00"},
    {"name", efcrec::kName, F::Text, "TSTFRT01"},
    {"suffix.I", {27, 2}, F::Exact, "01"},
    {"suffix.R", {29, 2}, F::Exact, "01"},
    {"suffix.T", {31, 2}, F::Exact, "01"},
    {"suffix.P", {33, 2}, F::Exact, "01"},
    {"suffix.E", {35, 2}, F::Exact, "01"},
    {"suffix.F", {37, 2}, F::Exact, "01"},
    {"version", {39, 5}, F::Text, "4.5  "},
    {"flag44", {44, 1}, F::Text, " "},
    {"flag45", {45, 1}, F::Text, " "},
    {"flag46", {46, 1}, F::Text, " "},
    {"country", {47, 1}, F::Text, "N"},
    {"letter", efcrec::kLetter, F::Text, "N"},
    {"filler", {49, 19}, F::Text, "                   "},
    {"flag68", {68, 1}, F::Text, " "},
    {"version-flag", {69, 1}, F::Text, " "},
    {"substitute", {70, 1}, F::Text, " "},
    {"substitute-suffix", {71, 2}, F::Exact, "00"},
    {"flag73", {73, 1}, F::Text, "N"},
};
static_assert(IsWholeLayout(kFields, 74), "EFCREC fields must cover columns 0-73");

constexpr RecordLayout kLayout(kFields, "\r\n");
static_assert(kLayout.recordSize() == efcrec::kRecordSize);
constexpr std::size_t kMostRecords = 5000;

// The six suffix fields of columns 27-38; a file letter names the field
// that holds its suffix ("suffix.M" is "suffix.R").
struct SuffixGroup {
  std::string_view key;
  std::size_t column;
};
constexpr SuffixGroup kSuffixGroups[] = {
    {"suffix.I", 27}, {"suffix.R", 29}, {"suffix.T", 31}, {"suffix.P", 33}, {"suffix.E", 35}, {"suffix.F", 37},
};

constexpr std::string_view kTariffTypes = "01234567ABCDEFGHIJKLMNY";
constexpr std::string_view kSubstituteTypes = "01234567ABCDEFGHIJKLMY ";

// "suffix" for all six, "suffix.<letter>" for one; other fields as given.
FieldList ExpandSuffixes(const FieldList& given) {
  FieldList fields;
  for (const Field& f : given) {
    if (f.key == "suffix") {
      for (const SuffixGroup& g : kSuffixGroups) fields.push_back({std::string(g.key), f.value});
    } else if (f.key.size() == 8 && f.key.starts_with("suffix.")) {
      const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(f.key.back())));
      const std::optional<std::size_t> column = efcrec::SuffixColumn(letter);
      auto group = std::find_if(std::begin(kSuffixGroups), std::end(kSuffixGroups),
                                [&](const SuffixGroup& g) { return g.column == column; });
      if (column == efcrec::kSequence.offset)
        throw FieldError("file letter '" + std::string(1, letter) +
                         "' has no suffix field; the sequence (columns 12-13) stands in (" + f.key + ")");
      if (column && group == std::end(kSuffixGroups))
        throw FieldError("file letter '" + std::string(1, letter) +
                         "' takes its suffix from columns 17-18: set lane-digits (" + f.key + ")");
      if (group == std::end(kSuffixGroups))
        throw FieldError("no file letter '" + std::string(1, letter) + "' has a suffix field (" + f.key + ")");
      fields.push_back({std::string(group->key), f.value});
    } else {
      fields.push_back(f);
    }
  }
  return fields;
}

// The suffixes come back as "suffix=" with their most common value (when it
// is not the default and serves two or more letters), then the others one by one.
void FoldSuffixes(std::string_view record, FieldList& fields) {
  std::string_view common = kLayout.columns(record, kSuffixGroups[0].key);
  int commonCount = 0;
  for (const SuffixGroup& g : kSuffixGroups) {
    const std::string_view value = kLayout.columns(record, g.key);
    const auto count = std::count_if(std::begin(kSuffixGroups), std::end(kSuffixGroups), [&](const SuffixGroup& other) {
      return kLayout.columns(record, other.key) == value;
    });
    if (count > commonCount) {
      common = value;
      commonCount = static_cast<int>(count);
    }
  }
  if (commonCount < 2 || common == kLayout.find(kSuffixGroups[0].key)->defaultBytes) return;
  auto isSuffix = [](const Field& f) { return f.key.starts_with("suffix."); };
  auto at = std::find_if(fields.begin(), fields.end(), isSuffix);
  FieldList suffixes{{"suffix", std::string(common)}};
  for (const SuffixGroup& g : kSuffixGroups) {
    if (kLayout.columns(record, g.key) != common)
      suffixes.push_back({std::string(g.key), std::string(kLayout.columns(record, g.key))});
  }
  at = fields.erase(at, std::find_if_not(at, fields.end(), isSuffix));  // the suffix fields stand together
  fields.insert(at, suffixes.begin(), suffixes.end());
}

// "4.5": a digit, a point and digits, left-justified and blank-padded.
bool IsVersionText(std::string_view columns) {
  const std::size_t length = columns.find_last_not_of(' ') + 1;
  std::string_view text = columns.substr(0, length);
  return text.size() >= 3 && std::isdigit(static_cast<unsigned char>(text[0])) && text[1] == '.' &&
         IsDigits(text.substr(2));
}

bool IsPrintable(std::string_view columns) {
  return std::all_of(columns.begin(), columns.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

void CheckColumns(std::string_view r, std::size_t index, KindProblems& problems) {
  auto refuse = [&](std::string_view key, std::string_view why) {
    problems.push_back({index, kLayout.describe(key) + ": " + Shown(kLayout.columns(r, key)) + " " + std::string(why)});
  };
  auto col = [&](std::string_view key) { return kLayout.columns(r, key); };

  if (!IsOneOf(col("format"), "AB")) refuse("format", "is not a record format ('A' or 'B')");
  if (!IsDigits(col("kind"))) refuse("kind", "is not a three-digit tariff kind");
  if (!IsCalendarDate(col("date"))) refuse("date", "is not a date (CCYYMMDD)");
  if (!IsDigits(col("sequence"))) refuse("sequence", "is not a two-digit sequence");
  if (!IsOneOf(col("type"), kTariffTypes)) refuse("type", "is not a tariff type");
  if (col("type") == "N" ? !IsOneOf(col("base"), kTariffTypes) : !IsOneOf(col("base"), std::string(kTariffTypes) + " "))
    refuse("base", col("type") == "N" ? "is not a tariff type (a type-'N' tariff needs its base type)"
                                      : "is not a tariff type or blank");
  if (!IsOneOf(col("lane"), "ACGLTUY "))
    refuse("lane", "is not a lane-adjustment letter (A, C, G, L, T, U, Y or blank)");
  if (!IsDigits(col("lane-digits"))) refuse("lane-digits", "is not two digits");
  if (!efcrec::IsTariffName(col("name")))
    refuse("name", "is not a tariff name (1-8 upper-case letters and digits, left-justified)");
  for (const SuffixGroup& g : kSuffixGroups) {
    if (!efcrec::IsSuffix(col(g.key))) refuse(g.key, "is not a file-name suffix (two letters or digits)");
  }
  if (!IsVersionText(col("version")))
    refuse("version", "is not a rating version (a digit, a point and digits, as 4.5)");
  for (std::string_view flag : {"flag44", "flag45", "flag46", "flag68"}) {
    if (!IsPrintable(col(flag))) refuse(flag, "is not a printable character");
  }
  if (!IsOneOf(col("country"), "YNCM")) refuse("country", "is not a country flag (Y, N, C or M)");
  if (!IsOneOf(col("letter"), "NPSXY")) refuse("letter", "is not a tariff letter (N, P, S, X or Y)");
  if (col("format") == "B" && col("filler").find_first_not_of(' ') != std::string_view::npos)
    refuse("filler", "is not blank, as a format-'B' record has it");
  const char versionFlag = col("version-flag").front();
  if (!(versionFlag == ' ' || versionFlag == '0' || std::isupper(static_cast<unsigned char>(versionFlag))))
    refuse("version-flag", "is not an upper-case letter or blank");
  if (!IsOneOf(col("substitute"), kSubstituteTypes))
    refuse("substitute", "is not a substitute tariff type ('0'-'7', 'A'-'M', 'Y' or blank)");
  if (!IsDigits(col("substitute-suffix"))) refuse("substitute-suffix", "is not two digits (00 for none)");
  if (!IsOneOf(col("flag73"), "N0")) refuse("flag73", "is not 'N' or '0'");
}

class EfcrecKind final : public LayoutFileKind {
 public:
  EfcrecKind() : LayoutFileKind("efcrec", "EFCREC.TBL", "record", kLayout, Split::FixedSize) {}

 private:
  std::string encodeItem(std::string_view, const FieldList& fields, const Settings&) const override {
    return kLayout.encode(ExpandSuffixes(fields));
  }

  std::optional<ItemLine> decodeItem(std::string_view record, std::size_t, const Settings&) const override {
    std::optional<FieldList> fields = kLayout.decode(record);
    if (!fields) return std::nullopt;
    FoldSuffixes(record, *fields);
    return ItemLine{"record", std::move(*fields)};
  }

  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    CheckRecordCount(records.size(), 1, kMostRecords, "records", problems);
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (CheckRecordShape(records[i], i, kLayout, problems)) CheckColumns(records[i], i, problems);
    }
  }
};

}  // namespace

namespace efcrec {

bool IsTariffName(std::string_view columns) {
  const std::size_t length = columns.find_last_not_of(' ') + 1;
  if (length == 0) return false;
  return std::all_of(columns.begin(), columns.begin() + static_cast<std::ptrdiff_t>(length), [](char c) {
    return std::isupper(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c));
  });
}

bool IsSuffix(std::string_view columns) {
  return std::all_of(columns.begin(), columns.end(), [](char c) {
    return std::isupper(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c));
  });
}

}  // namespace efcrec

const FileKind& EfcrecFileKind() {
  static const EfcrecKind kind;
  return kind;
}

}  // namespace dataset
