// NAME.Dss: a tariff's point-service file, 7-byte records. The first is a
// header whose byte 6 is the service letter of points without a record;
// the others are ranges: packed low key, packed high key (ZIP codes or
// postal prefixes), service letter ('D' direct, 'I' indirect, other letters
// passed on). The engine binary-searches the ranges, so they ascend without
// overlapping; the header's keys (zeros unless given) sort below them, so
// that a search over the whole file stays sound.
#include <string_view>

#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"
#include "kinds/zip_keys.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;

constexpr RecordField kHeaderFields[] = {
    {"low", {0, 3}, F::PackedZip, "\x00\x00\x00"sv},
    {"high", {3, 3}, F::PackedZip, "\x00\x00\x00"sv},
    {"letter", {6, 1}, F::Character, "I"sv},
};
constexpr RecordField kRangeFields[] = {
    {"low", {0, 3}, F::PackedZip, "\x00\x00\x01"sv},   // 00001
    {"high", {3, 3}, F::PackedZip, "\x09\x99\x99"sv},  // 99999
    {"letter", {6, 1}, F::Character, "D"sv},
};
static_assert(IsWholeLayout(kHeaderFields, 7) && IsWholeLayout(kRangeFields, 7), ".D fields must cover bytes 0-6");

constexpr RecordLayout kHeader(kHeaderFields);
constexpr RecordLayout kRange(kRangeFields);
constexpr std::string_view kSettingKeys[] = {tariff::kTariff, tariff::kSuffix};
constexpr std::string_view kItems[] = {"header", "range"};
constexpr char kLetter = 'D';

bool IsServiceLetter(char c) { return c >= 'A' && c <= 'Z'; }

class PointServiceKind final : public RecordFileKind {
 public:
  std::string_view keyword() const override { return "points-service"; }
  std::span<const std::string_view> settingKeys() const override { return kSettingKeys; }
  std::optional<Settings> recognise(std::string_view name) const override {
    return tariff::RecogniseName(name, kLetter);
  }
  bool readsNeighbours() const override { return true; }

  Settings settle(Settings given, const Neighbours& neighbours) const override {
    tariff::SettleName(given, kLetter, neighbours);
    return FileKind::settle(std::move(given), neighbours);
  }

 private:
  std::string fileName(const Settings& settings) const override { return tariff::FileName(settings, kLetter); }
  std::span<const std::string_view> itemKeywords() const override { return kItems; }

  std::string encodeItem(std::string_view keyword, const FieldList& fields, const Settings&) const override {
    return (keyword == "header" ? kHeader : kRange).encode(fields);
  }

  std::optional<ItemLine> decodeItem(std::string_view record, std::size_t index, const Settings&) const override {
    std::optional<FieldList> fields = (index == 0 ? kHeader : kRange).decode(record);
    if (!fields) return std::nullopt;
    return ItemLine{index == 0 ? "header" : "range", std::move(*fields)};
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return SplitFixedRecords(content, kRange.recordSize());
  }

  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    // The header at least: the engine reads it at open for the default letter.
    CheckRecordCount(records.size(), 1, SIZE_MAX, "records", problems);
    std::optional<std::pair<std::size_t, ZipRange>> previous;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string_view r = records[i];
      const RecordLayout& layout = i == 0 ? kHeader : kRange;
      if (!CheckRecordShape(r, i, layout, problems)) continue;
      const char letter = r[6];
      if (!(IsServiceLetter(letter) || (i == 0 && letter == ' ')))
        problems.push_back({i, layout.describe("letter") + ": " + Shown(r.substr(6, 1)) +
                                   (i == 0 ? " is not a service letter (an upper-case letter, or blank)"
                                           : " is not a service letter (an upper-case letter)")});
      const std::optional<ZipRange> keys = ReadZipRange(r, i, layout, problems);
      if (!keys) continue;
      if (previous && keys->low <= previous->second.high) {
        const std::string before = std::to_string(previous->first);
        const std::string what = previous->first == 0               ? "lies at or below the header's keys"
                                 : keys->low < previous->second.low ? "is out of order after record " + before
                                                                    : "overlaps record " + before;
        problems.push_back({i, what + " (the ranges must ascend without overlapping for the engine's search)"});
      }
      previous.emplace(i, *keys);
    }
  }
};

}  // namespace

const FileKind& PointServiceFileKind() {
  static const PointServiceKind kind;
  return kind;
}

}  // namespace dataset
