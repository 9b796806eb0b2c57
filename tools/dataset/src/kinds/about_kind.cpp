// about.fil and aboutsp.fil: the English and the Spanish text of the About
// box, 20 lines of 92 bytes (1840 bytes). The program reads the 1840
// bytes, ends each line at its byte 91 and removes trailing blanks, so a
// line is its text blank-padded to 91 characters and a line feed at byte
// 91. The file is Windows-1252; the description is UTF-8.
#include <algorithm>
#include <string_view>

#include "codecs/windows_1252.h"
#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"

namespace dataset {
namespace {

constexpr std::size_t kLineSize = 92;
constexpr std::size_t kTextWidth = kLineSize - 1;
constexpr std::size_t kMostLines = 20;
constexpr std::string_view kLanguage = "language";
constexpr std::string_view kSettingKeys[] = {kLanguage};
constexpr std::string_view kItem = "line";
constexpr std::string_view kItems[] = {kItem};

struct AboutFile {
  std::string_view language, name;
};
constexpr AboutFile kFiles[] = {{"english", "about.fil"}, {"spanish", "aboutsp.fil"}};

bool HasControl(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

class AboutKind final : public RecordFileKind {
 public:
  std::string_view keyword() const override { return "about"; }
  std::span<const std::string_view> settingKeys() const override { return kSettingKeys; }

  std::optional<Settings> recognise(std::string_view name) const override {
    for (const AboutFile& f : kFiles) {
      if (SameName(name, f.name)) return Settings{{std::string(kLanguage), std::string(f.language)}};
    }
    return std::nullopt;
  }

  Settings settle(Settings given, const Neighbours& neighbours) const override {
    const std::string* language = FindSetting(given, kLanguage);
    if (!language) PutSetting(given, kLanguage, "english");
    fileName(given);  // refuses another language
    return FileKind::settle(std::move(given), neighbours);
  }

 private:
  std::string fileName(const Settings& settings) const override {
    const std::string* language = FindSetting(settings, kLanguage);
    for (const AboutFile& f : kFiles) {
      if (language && *language == f.language) return std::string(f.name);
    }
    throw FieldError("field 'language': english (about.fil) or spanish (aboutsp.fil)");
  }
  std::span<const std::string_view> itemKeywords() const override { return kItems; }

  std::string encodeItem(std::string_view, const FieldList& fields, const Settings&) const override {
    std::string text;
    for (const Field& f : fields) {
      if (f.key != "text") throw FieldError("unknown field '" + f.key + "' (fields: text)");
      text = Utf8ToWindows1252(f.value, "field 'text'");
    }
    if (text.size() > kTextWidth)
      throw FieldError("field 'text' is " + std::to_string(text.size()) + " characters; a line shows 91");
    if (HasControl(text)) throw FieldError("field 'text' holds a control character");
    text.resize(kTextWidth, ' ');
    return text + "\n";
  }

  std::optional<ItemLine> decodeItem(std::string_view line, std::size_t, const Settings&) const override {
    if (line.size() != kLineSize || line.back() != '\n') return std::nullopt;
    std::string_view text = line.substr(0, kTextWidth);
    text = text.substr(0, text.find_last_not_of(' ') + 1);
    std::optional<std::string> utf8 = Windows1252ToUtf8(text);
    if (!utf8) return std::nullopt;
    FieldList fields;
    if (!utf8->empty()) fields.push_back({"text", std::move(*utf8)});
    return ItemLine{std::string(kItem), std::move(fields)};
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return SplitFixedRecords(content, kLineSize);
  }

  void checkRecords(std::span<const std::string_view> lines, const Settings&, KindProblems& problems) const override {
    if (lines.size() > kMostLines)
      problems.push_back({std::nullopt, "holds " + std::to_string(lines.size()) + " lines; the program reads 20"});
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string_view line = lines[i];
      if (line.size() != kLineSize) {
        problems.push_back({i, "is " + std::to_string(line.size()) + " bytes, not 92"});
        continue;
      }
      const std::string_view text = line.substr(0, kTextWidth);
      if (HasControl(text))
        problems.push_back({i, "holds a control character in its text (a NUL ends the line early)"});
      if (!Windows1252ToUtf8(text)) problems.push_back({i, "holds a byte that Windows-1252 leaves undefined"});
    }
  }
};

}  // namespace

const FileKind& AboutFileKind() {
  static const AboutKind kind;
  return kind;
}

}  // namespace dataset
