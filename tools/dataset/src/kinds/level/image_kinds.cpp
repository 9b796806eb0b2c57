// The settings images of a level: byte images of blocks of the rating
// context, one file each, LEVEL.<ext>:
//   .SET  283 bytes, the tariff's settings (written by the data publisher);
//   .DEF  346 bytes, the rating defaults (written back by the program);
//   .DIS  605 bytes, the discount file: the scheme, nine entries of 25 bytes
//         from 112 (a break label of 11, a weight number from byte 11), four
//         bands of 67 bytes from 337 (nine 6-character break discounts, an
//         MC discount of 6 at band byte 54, a floor of 7 at 60);
//   .MEF  350 bytes, the Mexico defaults, which the screen writes back at
//         exit: 'Y' at 0 weights in kilograms, at 2 Spanish texts at start;
//   .MET  283 bytes, the Mexico settings: 'Y' at 4 View Shipment Detail
//         offered, at 6 and 8 the tax and insurance prompts off, at 10, 12
//         and 14 the combined, U.S. and Mexican rate tables offered; at 18
//         the Spanish help file's name.
// The Mexico option is on only when both images read whole. File names (the
// help files, the window icon) are NUL-padded: the screen appends them to
// the data directory as they stand.
// Items: `set` lines name fields by their keys (any number a line, a later
// value winning), `bytes at=N text="..."` write bytes at an offset; every
// other byte is zero, or the field's default where it has one (the Mexico
// flags). A dump names each field that differs from that and reads back
// the same, and gives the rest as bytes.
#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "description/block_reader.h"
#include "kinds/level/level_kind.h"
#include "kinds/level/sparse_fields.h"
#include "kinds/record_tools.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using F = FieldForm;
using namespace std::string_view_literals;

constexpr std::string_view kSet = "set", kBytes = "bytes";
constexpr std::string_view kItems[] = {kSet, kBytes};
constexpr std::size_t kFieldsPerLine = 4;

using ImageField = SparseField;

using ImageCheck = std::function<void(std::string_view image, KindProblems&)>;

struct ImageSpec {
  std::string_view keyword, extension;
  std::size_t size;
  std::vector<ImageField> fields;
  ImageCheck check;
};

class ImageKind final : public level::LevelFileBase {
 public:
  explicit ImageKind(ImageSpec spec) : LevelFileBase(spec.keyword, spec.extension), spec_(std::move(spec)) {}

  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings&) const override {
    std::string image = DefaultImage(spec_.size, spec_.fields);
    int line = items.empty() ? 0 : items.front().line;
    std::vector<DataRecord> raw;
    for (const ItemText& item : items) {
      if (item.keyword == kRawItem) {
        raw.push_back(RawItemRecord(item));
      } else if (item.keyword == kSet) {
        AtItemLine(
            item, [&] { ApplyFields(image, spec_.fields, item.fields, "a " + std::string(spec_.keyword) + " image"); });
      } else if (item.keyword == kBytes) {
        AtItemLine(item, [&] { ApplyBytes(image, item.fields); });
      } else {
        RefuseItem(item, keyword(), kItems);
      }
    }
    if (!raw.empty()) return {std::move(raw)};
    return {{DataRecord{std::move(image), line}}};
  }

  std::optional<std::vector<std::string_view>> splitRecords(std::size_t, std::string_view content,
                                                            const Settings&) const override {
    if (content.empty()) return std::vector<std::string_view>{};
    return std::vector<std::string_view>{content};
  }

  void check(std::span<const FileRecords> files, const Settings&, KindProblems& problems) const override {
    const std::string_view content = files.front().content;
    if (content.size() != spec_.size) {
      problems.push_back({std::nullopt, "is " + std::to_string(content.size()) + " bytes, not " +
                                            std::to_string(spec_.size) + " (the image is read whole or not at all)"});
      return;
    }
    if (spec_.check) spec_.check(content, problems);
  }

  std::string describe(std::span<const std::string_view> contents, const Settings&) const override {
    const std::string_view image = contents.front();
    if (image.size() != spec_.size) return image.empty() ? std::string() : RawItemLine(image) + "\n";
    std::vector<bool> covered(image.size(), false);
    const std::string defaults = DefaultImage(spec_.size, spec_.fields);
    const FieldList named = NamedFields(image, spec_.fields, covered, defaults);
    std::string out;
    for (std::size_t i = 0; i < named.size(); i += kFieldsPerLine)
      out += FormatItem(kSet, FieldList(named.begin() + static_cast<std::ptrdiff_t>(i),
                                        named.begin() +
                                            static_cast<std::ptrdiff_t>(std::min(named.size(), i + kFieldsPerLine)))) +
             "\n";
    for (const FieldList& run : LeftoverBytes(image, covered, defaults)) out += FormatItem(kBytes, run) + "\n";
    return out;
  }

 private:
  ImageSpec spec_;
};

// Fields of a kind: key, offset, width, form.
std::vector<ImageField> Fields(std::initializer_list<ImageField> list) { return list; }

std::string_view At(std::string_view image, std::size_t offset, std::size_t width) {
  return image.substr(offset, width);
}

// reader: who reads the flag ("the library", "the screen").
void CheckYesNo(std::string_view image, std::initializer_list<std::pair<std::string_view, std::size_t>> flags,
                std::string_view reader, KindProblems& problems) {
  for (const auto& [key, offset] : flags)
    if (!IsOneOf(At(image, offset, 1), "YN"))
      problems.push_back({std::nullopt, "byte " + std::to_string(offset) + " (" + std::string(key) + ") " +
                                            Shown(At(image, offset, 1)) + " is not Y or N (" + std::string(reader) +
                                            " reads it as N)"});
}

ImageSpec TariffSettings() {
  return {"tariff-settings", ".SET", 283,
          Fields({{"version", {4, 5}, F::Text},
                  {"zip-mode", {163, 1}, F::Character},
                  {"engineless-text", {168, 1}, F::Character},
                  {"tariff-display", {172, 1}, F::Character},
                  {"price-sheet", {174, 1}, F::Character},
                  {"help-file", {176, 13}, F::NulText},
                  {"accessorials", {197, 1}, F::Character},
                  {"no-engineless-data", {199, 1}, F::Character},
                  {"flag201", {201, 1}, F::Character},
                  {"load-lca", {203, 1}, F::Character},
                  {"flag205", {205, 1}, F::Character},
                  {"no-postal-codes", {207, 1}, F::Character},
                  {"bse", {209, 1}, F::Character},
                  {"us-city-lookup", {211, 1}, F::Character},
                  {"canadian-city-lookup", {213, 1}, F::Character},
                  {"state-lookup", {215, 1}, F::Character},
                  {"density-calculator", {230, 1}, F::Character},
                  {"surcharge-before-discount", {234, 1}, F::Character},
                  {"fak-page", {236, 1}, F::Character},
                  {"range-features", {238, 1}, F::Character},
                  {"icon-file", {240, 13}, F::NulText},
                  {"mexico-options", {253, 1}, F::Character},
                  {"guide-carrier", {255, 5}, F::Text},
                  {"ltl-service", {260, 1}, F::Character},
                  {"service-days", {268, 1}, F::Character},
                  {"terminals", {270, 1}, F::Character},
                  {"terminal-information", {272, 1}, F::Character}}),
          [](std::string_view image, KindProblems& problems) {
            if (!IsOneOf(At(image, 163, 1), "356"))
              problems.push_back({std::nullopt, "byte 163 (zip-mode) " + Shown(At(image, 163, 1)) +
                                                    " is not 3, 5 or 6 (the digits of a ZIP)"});
            const std::string_view version = At(image, 4, 5);
            if (std::none_of(version.begin(), version.end(), [](char c) { return c >= '0' && c <= '9'; }))
              problems.push_back({std::nullopt, "bytes 4-8 (version) hold no digit: the version number reads 0"});
            CheckYesNo(image, {{"accessorials", 197}, {"no-postal-codes", 207}, {"no-engineless-data", 199}},
                       "the library", problems);
          }};
}

ImageSpec RatingDefaults() {
  return {"rating-defaults", ".DEF", 346,
          Fields({{"shipment-id-prompt", {0, 2}, F::Signed},
                  {"accessorial-prompt", {2, 2}, F::Signed},
                  {"class-band-6", {6, 2}, F::Signed},
                  {"class-band-8", {8, 2}, F::Signed},
                  {"factor-in-use", {10, 2}, F::Signed},
                  {"surcharge-in-use", {12, 2}, F::Signed},
                  {"currency-exchange", {14, 2}, F::Signed},
                  {"discounts-in-use", {16, 2}, F::Signed},
                  {"exchange-rate", {18, 4}, F::Float},
                  {"discount-kind", {31, 1}, F::Character},
                  {"class-band-letter", {33, 1}, F::Character},
                  {"factor", {35, 4}, F::Float},
                  {"ltl-surcharge", {41, 4}, F::Float},
                  {"increase-factor", {45, 4}, F::Float},
                  {"print-output", {75, 4}, F::NulText},
                  {"print-file", {80, 31}, F::NulText},
                  {"print-mode", {111, 1}, F::Character},
                  {"print-file-answer", {112, 1}, F::Character},
                  {"export-file", {115, 31}, F::NulText},
                  {"comma-separated", {146, 2}, F::Signed},
                  {"export-mode", {148, 1}, F::Character},
                  {"export-file-answer", {149, 1}, F::Character},
                  {"origin-zip", {150, 7}, F::NulText},
                  {"origin-code-list", {157, 2}, F::Signed},
                  {"origin-zip-in-use", {159, 2}, F::Signed},
                  {"destination-zip", {161, 7}, F::NulText},
                  {"destination-zip-in-use", {170, 2}, F::Signed},
                  {"class", {172, 5}, F::NulText},
                  {"class-in-use", {179, 2}, F::Signed},
                  {"second-class", {181, 5}, F::NulText},
                  {"class-band-252", {252, 2}, F::Signed},
                  {"zip-pairs", {254, 2}, F::Signed},
                  {"tl-surcharge", {256, 4}, F::Float},
                  {"initialised", {260, 2}, F::Signed},
                  {"tl-from-break", {262, 4}, F::NulText},
                  {"profile-index", {266, 2}, F::Signed},
                  {"breaks-to-hide", {268, 8}, F::NulText},
                  {"base-point-display", {276, 1}, F::Character}}),
          [](std::string_view image, KindProblems& problems) {
            for (const auto& [key, offset, width] :
                 {std::tuple{"tl-from-break"sv, 262u, 4u}, std::tuple{"breaks-to-hide"sv, 268u, 8u}}) {
              const std::string_view text = At(image, offset, width).substr(0, At(image, offset, width).find('\0'));
              if (!text.empty() && !IsDigits(text))
                problems.push_back({std::nullopt, "bytes " + std::to_string(offset) + "-" +
                                                      std::to_string(offset + width - 1) + " (" + std::string(key) +
                                                      ") " + Shown(text) + " is not a number"});
            }
          }};
}

constexpr std::size_t kDiscountEntries = 9, kEntryAt = 112, kEntrySize = 25, kBands = 4, kBandAt = 337, kBandSize = 67;

ImageSpec DiscountFile() {
  std::vector<ImageField> fields{
      {"class-band-state", {0, 2}, F::Signed}, {"scheme", {88, 1}, F::Character}, {"label", {90, 22}, F::NulText}};
  for (std::size_t i = 0; i < kDiscountEntries; ++i) {
    const std::size_t at = kEntryAt + kEntrySize * i;
    fields.push_back({"entry" + std::to_string(i) + ".label", {at, 11}, F::NulText});
    fields.push_back({"entry" + std::to_string(i) + ".weight", {at + 11, 14}, F::NulText});
  }
  for (std::size_t b = 0; b < kBands; ++b) {
    const std::size_t at = kBandAt + kBandSize * b;
    const std::string band = "band" + std::to_string(b);
    for (std::size_t i = 0; i < 9; ++i)
      fields.push_back({band + ".break" + std::to_string(i), {at + 6 * i, 6}, F::NulText});
    fields.push_back({band + ".mc", {at + 54, 6}, F::NulText});
    fields.push_back({band + ".floor", {at + 60, 7}, F::NulText});
  }
  return {"discount-file", ".DIS", 605, std::move(fields), [](std::string_view image, KindProblems& problems) {
            const char scheme = image[88];
            if (scheme != '\0' && scheme != ' ' && (scheme < '1' || scheme > '5'))
              problems.push_back({std::nullopt, "byte 88 (scheme) " + Shown(image.substr(88, 1)) +
                                                    " is not a scheme 1 to 5 (band 0 is used)"});
            bool ended = false;
            for (std::size_t i = 0; i < kDiscountEntries; ++i) {
              const char first = image[kEntryAt + kEntrySize * i];
              const bool empty = first == ' ' || first == '\0';
              if (!empty && ended)
                problems.push_back({std::nullopt, "entry " + std::to_string(i) +
                                                      " follows an empty entry: the entries end before it"});
              ended = ended || empty;
            }
          }};
}

ImageSpec MexicoDefaults() {
  return {"mexico-defaults", ".MEF", 350,
          Fields({{"weights-in-kilograms", {0, 1}, F::Character, 1, "N"},
                  {"spanish-at-start", {2, 1}, F::Character, 1, "N"}}),
          [](std::string_view image, KindProblems& problems) {
            CheckYesNo(image, {{"weights-in-kilograms", 0}, {"spanish-at-start", 2}}, "the screen", problems);
          }};
}

ImageSpec MexicoSettings() {
  return {"mexico-settings", ".MET", 283,
          Fields({{"shipment-detail", {4, 1}, F::Character, 1, "Y"},
                  {"tax-prompt-off", {6, 1}, F::Character, 1, "N"},
                  {"insurance-prompt-off", {8, 1}, F::Character, 1, "N"},
                  {"combined-table", {10, 1}, F::Character, 1, "Y"},
                  {"us-table", {12, 1}, F::Character, 1, "Y"},
                  {"mexican-table", {14, 1}, F::Character, 1, "Y"},
                  {"spanish-help-file", {18, 13}, F::NulText}}),
          [](std::string_view image, KindProblems& problems) {
            CheckYesNo(image,
                       {{"shipment-detail", 4},
                        {"tax-prompt-off", 6},
                        {"insurance-prompt-off", 8},
                        {"combined-table", 10},
                        {"us-table", 12},
                        {"mexican-table", 14}},
                       "the screen", problems);
          }};
}

}  // namespace

const FileKind& TariffSettingsFileKind() {
  static const ImageKind kind(TariffSettings());
  return kind;
}
const FileKind& RatingDefaultsFileKind() {
  static const ImageKind kind(RatingDefaults());
  return kind;
}
const FileKind& DiscountImageFileKind() {
  static const ImageKind kind(DiscountFile());
  return kind;
}
const FileKind& MexicoDefaultsFileKind() {
  static const ImageKind kind(MexicoDefaults());
  return kind;
}
const FileKind& MexicoSettingsFileKind() {
  static const ImageKind kind(MexicoSettings());
  return kind;
}

}  // namespace dataset
