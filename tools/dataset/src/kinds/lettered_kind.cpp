// A tariff file of a letter whose layout this builder does not describe
// field by field: its records are given raw. The block names the letter
// (letter=R), and may give the record size (record-size=), which lets the
// checks, the decoder and the faults tell the records apart.
#include <cctype>

#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"

namespace dataset {
namespace {

constexpr std::string_view kRecordSize = "record-size";
constexpr std::string_view kSettingKeys[] = {tariff::kTariff, tariff::kLetter, tariff::kSuffix, kRecordSize};

// Letters that have blocks of their own.
struct OwnBlock {
  char letter;
  std::string_view keyword;
};
constexpr OwnBlock kOwnBlocks[] = {{'F', "factor"}, {'D', "points-service"}};

char LetterOf(const Settings& settings) {
  const std::string* letter = FindSetting(settings, tariff::kLetter);
  return letter ? letter->front() : '\0';
}

std::optional<std::size_t> RecordSize(const Settings& settings) {
  const std::string* size = FindSetting(settings, kRecordSize);
  if (!size) return std::nullopt;
  return static_cast<std::size_t>(std::stoul(*size));
}

class LetteredKind final : public RecordFileKind {
 public:
  std::string_view keyword() const override { return "lettered"; }
  std::span<const std::string_view> settingKeys() const override { return kSettingKeys; }
  std::optional<Settings> recognise(std::string_view name) const override { return tariff::RecogniseName(name, 0); }
  bool readsNeighbours() const override { return true; }

  Settings settle(Settings given, const Neighbours& neighbours) const override {
    if (const std::string* letter = FindSetting(given, tariff::kLetter)) {
      const char upper =
          letter->size() == 1 ? static_cast<char>(std::toupper(static_cast<unsigned char>(letter->front()))) : '\0';
      if (upper < 'A' || upper > 'Z')
        throw FieldError("field 'letter': '" + *letter + "' is not a file letter (one letter)");
      for (const OwnBlock& own : kOwnBlocks) {
        if (upper == own.letter)
          throw FieldError("letter " + std::string(1, upper) +
                           " files have a block of their own: " + std::string(own.keyword));
      }
      PutSetting(given, tariff::kLetter, std::string(1, upper));
    }
    if (const std::string* size = FindSetting(given, kRecordSize))
      PutSetting(given, kRecordSize, std::to_string(ParseInteger(kRecordSize, *size, 1, 1 << 20)));
    tariff::SettleName(given, LetterOf(given), neighbours);
    return FileKind::settle(std::move(given), neighbours);
  }

 private:
  std::string fileName(const Settings& settings) const override {
    if (!LetterOf(settings)) throw FieldError("a lettered block names its file letter: letter=R");
    return tariff::FileName(settings, LetterOf(settings));
  }

  std::span<const std::string_view> itemKeywords() const override { return {}; }

  std::string encodeItem(std::string_view, const FieldList&, const Settings&) const override {
    throw FieldError("a lettered block takes raw items only");
  }

  std::optional<ItemLine> decodeItem(std::string_view, std::size_t, const Settings&) const override {
    return std::nullopt;
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content,
                                                     const Settings& settings) const override {
    const std::optional<std::size_t> size = RecordSize(settings);
    if (!size) return std::nullopt;
    return SplitFixedRecords(content, *size);
  }

  void checkRecords(std::span<const std::string_view> records, const Settings& settings,
                    KindProblems& problems) const override {
    const std::optional<std::size_t> size = RecordSize(settings);
    if (!size) return;
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (records[i].size() != *size)
        problems.push_back({i, "is " + std::to_string(records[i].size()) + " bytes, not " + std::to_string(*size)});
    }
  }
};

}  // namespace

const FileKind& LetteredFileKind() {
  static const LetteredKind kind;
  return kind;
}

}  // namespace dataset
