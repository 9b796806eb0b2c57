// QIV32.LNG: the program's numbered texts in English and Spanish, a group
// of four lines per text: the key (a decimal number), a comment the
// program skips, the English text and the Spanish text, each line ending
// in CR LF. The file is Windows-1252; the description is UTF-8 and the
// encoder converts it, refusing characters the code page lacks.
//
// The program takes the first group of a key, reads each line up to 1999
// characters and copies a text into a buffer of the size its use allows
// (a caption, a button, a tool tip, a status-bar pane), so the checks
// refuse keys that are no number, repeated keys (the later group is never
// shown), long lines and texts longer than the buffer of their key.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <string_view>

#include "codecs/windows_1252.h"
#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"

namespace dataset {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kLinesPerGroup = 4;
constexpr std::size_t kMostLineLength = 1999;  // what the program reads of a line
constexpr std::string_view kItem = "text";
constexpr std::string_view kItems[] = {kItem};
constexpr std::string_view kLineNames[kLinesPerGroup] = {"key", "comment", "en", "es"};

// The longest text the program shows of the keys first..last, and why.
struct TextLimit {
  long first, last;
  std::size_t most;
  std::string_view use;
};
constexpr TextLimit kLimits[] = {
    {15, 15, 29, "a city text"},
    {50, 51, 24, "a service label"},
    {100, 100, 14, "a warning caption"},
    {123, 123, 14, "a fatal-error caption"},
    {152, 152, 49, "a question caption"},
    {251, 252, 11, "a question button"},
    {101, 999, 179, "a message text"},
    {32770, 32845, 79, "a command's tool tip"},
    {40000, 99999, 126, "a status-bar text"},
};

const TextLimit* LimitOf(long key) {
  for (const TextLimit& l : kLimits) {
    if (key >= l.first && key <= l.last) return &l;  // the first that holds the key: the narrow ones come first
  }
  return nullptr;
}

// A group's lines, each with its line end; fewer than four at the end of the file.
std::vector<std::string_view> LinesOf(std::string_view group) { return SplitAtLineFeeds(group); }

std::string_view WithoutLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  return line;
}

// The key as the program reads it: a decimal number, or nothing.
std::optional<long> KeyNumber(std::string_view key) {
  if (!IsDigits(key) || key.size() > 9 || (key.size() > 1 && key[0] == '0')) return std::nullopt;
  return std::stol(std::string(key));
}

std::string EncodeLine(const FieldList& fields, std::string_view name) {
  std::string value;
  for (const Field& f : fields) {
    if (f.key == name) value = f.value;
  }
  const std::string line = Utf8ToWindows1252(value, "field '" + std::string(name) + "'");
  if (line.find_first_of("\r\n") != std::string::npos)
    throw FieldError("field '" + std::string(name) + "' holds a line end; a text is one line");
  return line + std::string(kLineEnd);
}

class LanguageKind final : public FixedNameKind {
 public:
  std::string_view keyword() const override { return "language"; }

 private:
  std::string_view fixedName() const override { return "QIV32.LNG"; }
  std::span<const std::string_view> itemKeywords() const override { return kItems; }

  std::string encodeItem(std::string_view, const FieldList& fields, const Settings&) const override {
    for (const Field& f : fields) {
      if (std::find(std::begin(kLineNames), std::end(kLineNames), f.key) == std::end(kLineNames))
        throw FieldError("unknown field '" + f.key + "' (fields: key, comment, en, es)");
    }
    if (std::none_of(fields.begin(), fields.end(), [](const Field& f) { return f.key == "key"; }))
      throw FieldError("a text names its key: key=<number>");
    std::string group;
    for (std::string_view name : kLineNames) group += EncodeLine(fields, name);
    return group;
  }

  std::optional<ItemLine> decodeItem(std::string_view group, std::size_t, const Settings&) const override {
    const std::vector<std::string_view> lines = LinesOf(group);
    if (lines.size() != kLinesPerGroup) return std::nullopt;
    FieldList fields;
    for (std::size_t i = 0; i < kLinesPerGroup; ++i) {
      if (!lines[i].ends_with(kLineEnd)) return std::nullopt;
      std::optional<std::string> text = Windows1252ToUtf8(lines[i].substr(0, lines[i].size() - kLineEnd.size()));
      if (!text) return std::nullopt;
      if (!text->empty() || i == 0) fields.push_back({std::string(kLineNames[i]), std::move(*text)});
    }
    return ItemLine{std::string(kItem), std::move(fields)};
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    std::vector<std::string_view> groups;
    const std::vector<std::string_view> lines = SplitAtLineFeeds(content);
    for (std::size_t i = 0; i < lines.size(); i += kLinesPerGroup) {
      const std::size_t count = std::min(kLinesPerGroup, lines.size() - i);
      const std::size_t start = static_cast<std::size_t>(lines[i].data() - content.data());
      std::size_t length = 0;
      for (std::size_t j = i; j < i + count; ++j) length += lines[j].size();
      groups.push_back(content.substr(start, length));
    }
    return groups;
  }

  void checkRecords(std::span<const std::string_view> groups, const Settings&, KindProblems& problems) const override {
    std::map<long, std::size_t> firstGroupOf;
    for (std::size_t i = 0; i < groups.size(); ++i) {
      const std::vector<std::string_view> lines = LinesOf(groups[i]);
      if (lines.size() < kLinesPerGroup)
        problems.push_back({i, "the file ends after " + std::to_string(lines.size()) +
                                   " of the group's 4 lines, so its texts are empty"});
      for (std::size_t j = 0; j < lines.size(); ++j) checkLine(lines[j], kLineNames[j], i, problems);
      const std::string_view key = WithoutLineEnd(lines.front());
      const std::optional<long> number = KeyNumber(key);
      if (!number || *number == 0) {
        problems.push_back(
            {i, "key " + Shown(key) +
                    " is not a number from 1 up written without leading zeros; the program reads it as " +
                    std::to_string(std::atol(std::string(key).c_str())) +
                    " and never finds the text where it is meant"});
        continue;
      }
      if (auto [earlier, added] = firstGroupOf.emplace(*number, i); !added) {
        problems.push_back({i, "repeats key " + std::string(key) + " of group " + std::to_string(earlier->second) +
                                   "; the first group of a key wins, so this one is never shown"});
        continue;
      }
      if (const TextLimit* limit = LimitOf(*number)) {
        for (std::size_t j = 2; j < lines.size(); ++j) {
          const std::size_t length = WithoutLineEnd(lines[j]).size();
          if (length > limit->most)
            problems.push_back({i, "the " + std::string(kLineNames[j]) + " text is " + std::to_string(length) +
                                       " characters; " + std::string(limit->use) + " shows at most " +
                                       std::to_string(limit->most)});
        }
      }
    }
  }

  static void checkLine(std::string_view line, std::string_view name, std::size_t group, KindProblems& problems) {
    if (!line.ends_with(kLineEnd))
      problems.push_back({group, "the " + std::string(name) + " line does not end in CR LF"});
    const std::string_view text = WithoutLineEnd(line);
    if (text.size() > kMostLineLength)
      problems.push_back({group, "the " + std::string(name) + " line is " + std::to_string(text.size()) +
                                     " characters; the program reads " + std::to_string(kMostLineLength)});
    if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
      problems.push_back({group, "the " + std::string(name) + " line holds a control character"});
    if (!Windows1252ToUtf8(text))
      problems.push_back({group, "the " + std::string(name) + " line holds a byte that Windows-1252 leaves undefined"});
  }
};

}  // namespace

const FileKind& LanguageFileKind() {
  static const LanguageKind kind;
  return kind;
}

}  // namespace dataset
