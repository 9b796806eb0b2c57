// The Mexico option's settings images of a level, each one record read
// whole into the screen's working record (the option is on only when both
// read completely):
// - mexico-defaults (LEVEL.MEF, 350 bytes), which the screen writes back
//   at exit: byte 0 'Y' weights in kilograms, byte 2 'Y' Spanish texts at
//   start;
// - mexico-settings (LEVEL.MET, 283 bytes): byte 4 'Y' View Shipment
//   Detail offered, 6 and 8 'Y' the tax and insurance prompts off, 10, 12
//   and 14 'Y' the combined, U.S. and Mexican rate tables offered, and at
//   18 the Spanish help file's name (13 bytes, NUL-padded: the screen
//   appends it to the data directory).
// Bytes no program interprets are carried as they stand (zeros by default).
#include <string_view>

#include "kinds/level_file_kind.h"
#include "kinds/record_tools.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;

constexpr char kZeros[350] = {};
constexpr std::string_view Zeros(std::size_t n) { return std::string_view(kZeros, n); }

constexpr RecordField kDefaultsFields[] = {
    {"kilograms", {0, 1}, F::Exact, "N"sv},
    {"byte1", {1, 1}, F::Exact, Zeros(1)},
    {"spanish", {2, 1}, F::Exact, "N"sv},
    {"rest", {3, 347}, F::Exact, Zeros(347)},
};
constexpr RecordField kSettingsFields[] = {
    {"bytes0-3", {0, 4}, F::Exact, Zeros(4)},
    {"shipment-detail", {4, 1}, F::Exact, "Y"sv},
    {"byte5", {5, 1}, F::Exact, Zeros(1)},
    {"tax-prompt-off", {6, 1}, F::Exact, "N"sv},
    {"byte7", {7, 1}, F::Exact, Zeros(1)},
    {"insurance-prompt-off", {8, 1}, F::Exact, "N"sv},
    {"byte9", {9, 1}, F::Exact, Zeros(1)},
    {"combined-table", {10, 1}, F::Exact, "Y"sv},
    {"byte11", {11, 1}, F::Exact, Zeros(1)},
    {"us-table", {12, 1}, F::Exact, "Y"sv},
    {"byte13", {13, 1}, F::Exact, Zeros(1)},
    {"mexican-table", {14, 1}, F::Exact, "Y"sv},
    {"bytes15-17", {15, 3}, F::Exact, Zeros(3)},
    {"help", {18, 13}, F::Name, Zeros(13)},
    {"rest", {31, 252}, F::Exact, Zeros(252)},
};
static_assert(IsWholeLayout(kDefaultsFields, 350), ".MEF fields must cover bytes 0-349");
static_assert(IsWholeLayout(kSettingsFields, 283), ".MET fields must cover bytes 0-282");
constexpr RecordLayout kDefaults(kDefaultsFields);
constexpr RecordLayout kSettings(kSettingsFields);

class MexicoImageKind final : public LevelFileKind {
 public:
  MexicoImageKind(std::string_view keyword, std::string_view extension, const RecordLayout& layout, std::span<const std::string_view> flags)
      : LevelFileKind(keyword, extension, "image", layout), flags_(flags) {}

 private:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    CheckRecordCount(records.size(), 1, 1, "images (the option needs the whole image, and only it is read)", problems);
    if (records.empty() || !CheckRecordShape(records.front(), 0, layout(), problems)) return;
    for (std::string_view flag : flags_) {
      if (!IsOneOf(layout().columns(records.front(), flag), "YN"))
        problems.push_back({0, layout().describe(flag) + ": " + Shown(layout().columns(records.front(), flag)) + " is not Y or N"});
    }
  }
  std::span<const std::string_view> flags_;
};

constexpr std::string_view kDefaultsFlags[] = {"kilograms", "spanish"};
constexpr std::string_view kSettingsFlags[] = {"shipment-detail", "tax-prompt-off", "insurance-prompt-off", "combined-table", "us-table",
                                               "mexican-table"};

}  // namespace

const FileKind& MexicoDefaultsFileKind() {
  static const MexicoImageKind kind("mexico-defaults", ".MEF", kDefaults, kDefaultsFlags);
  return kind;
}

const FileKind& MexicoSettingsFileKind() {
  static const MexicoImageKind kind("mexico-settings", ".MET", kSettings, kSettingsFlags);
  return kind;
}

}  // namespace dataset
