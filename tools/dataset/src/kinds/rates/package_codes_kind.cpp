// NAME.Tss of a package tariff: its package codes, 38-byte records the
// engine reads in file order, at most 31 of them: a kind digit ('1' a
// packaging code, '2' a drop-off code, '3' a service), its 3-character
// code, a blank, 30 characters of detail, a blank and CR LF. A service's
// detail begins with the tiers it allows, one digit each; the rest of every
// detail is text for the caller.
#include <algorithm>
#include <set>

#include "kinds/rates/tariff_record_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;

constexpr std::string_view kSettingKeys[] = {tariff::kTariff, tariff::kLetter, tariff::kSuffix};
constexpr RecordField kFields[] = {
    {"kind", {0, 1}, F::Exact, "1"sv},     {"code", {1, 3}, F::Text, "OUR"sv},
    {"gap", {4, 1}, F::Exact, " "sv},      {"detail", {5, 30}, F::Text, "                              "sv},
    {"end", {35, 3}, F::Exact, " \r\n"sv},
};
static_assert(IsWholeLayout(kFields, 38));
constexpr RecordLayout kLayout(kFields);
constexpr std::string_view kItems[] = {"code"};
constexpr std::size_t kMostRecords = 31;  // what the engine reads

class PackageCodesKind final : public TariffRecordKind {
 public:
  PackageCodesKind() : TariffRecordKind("package-codes", "T", kSettingKeys) {}

 protected:
  std::span<const std::string_view> itemKeywords() const override { return kItems; }
  std::string encode(std::string_view, const FieldList& fields, const Settings&,
                     const std::vector<DataRecord>&) const override {
    return kLayout.encode(fields);
  }
  std::optional<ItemLine> decode(std::span<const std::string_view> records, std::size_t index,
                                 const Settings&) const override {
    std::optional<FieldList> fields = kLayout.decode(records[index]);
    if (!fields) return std::nullopt;
    return ItemLine{std::string(kItems[0]), std::move(*fields)};
  }
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return SplitFixedRecords(content, kLayout.recordSize());
  }
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (i == kMostRecords)
        problems.push_back({i, "is record " + std::to_string(i + 1) + "; the engine reads " +
                                   std::to_string(kMostRecords) + " at most"});
      if (!CheckRecordShape(r, i, kLayout, problems)) continue;
      if (!IsOneOf(kLayout.columns(r, "kind"), "123"))
        problems.push_back({i, kLayout.describe("kind") + ": " + Shown(kLayout.columns(r, "kind")) +
                                   " is not 1 (packaging), 2 (drop-off) or 3 (service)"});
      const std::string_view code = kLayout.columns(r, "code");
      if (code.find(' ') != std::string_view::npos)
        problems.push_back(
            {i, kLayout.describe("code") + ": " + Shown(code) + " is not three characters without blanks"});
      if (!seen.insert(r.substr(0, 4)).second) problems.push_back({i, "repeats the kind and code of a record above"});
      const std::string_view detail = kLayout.columns(r, "detail");
      if (r[0] == '3' && (detail.empty() || detail[0] < '1' || detail[0] > '9'))
        problems.push_back({i, "a service's detail begins with the tiers it allows (digits 1-9); " +
                                   Shown(detail.substr(0, 5)) + " lists none"});
    }
  }
};

}  // namespace

const FileKind& PackageCodesFileKind() {
  static const PackageCodesKind kind;
  return kind;
}

}  // namespace dataset
