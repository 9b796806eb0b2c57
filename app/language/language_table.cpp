#include "language/language_table.h"

#include <algorithm>
#include <limits>

#include "platform/kernel/digits.h"
#include "platform/kernel/file.h"

namespace qiv {
namespace {

// Reads the file's lines one by one, each cut to the line limit.
class LineReader {
 public:
  explicit LineReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  // The next line, without its line end; nothing at the end of the file.
  std::optional<std::string> next() {
    if (pos_ >= bytes_.size()) return std::nullopt;
    const auto* begin = bytes_.data() + pos_;
    const auto* end = bytes_.data() + bytes_.size();
    const auto* lineFeed = std::find(begin, end, std::uint8_t{'\n'});
    pos_ = static_cast<std::size_t>(lineFeed - bytes_.data()) + (lineFeed == end ? 0 : 1);
    std::string line(reinterpret_cast<const char*>(begin), static_cast<std::size_t>(lineFeed - begin));
    line = line.substr(0, line.find('\0'));
    if (line.size() > kLanguageLineLimit) line.resize(kLanguageLineLimit);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    return line;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

}  // namespace

std::int32_t LanguageKey(std::string_view line) {
  const platform::IntegerPrefix n =
      platform::LeadingInteger(line, static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()));
  return static_cast<std::int32_t>(n.value);
}

LanguageTable LanguageTable::Parse(std::span<const std::uint8_t> bytes) {
  LanguageTable table;
  LineReader reader(bytes);
  while (std::optional<std::string> key = reader.next()) {
    reader.next();  // the comment
    table.keys_.push_back(LanguageKey(*key));
    table.english_.push_back(reader.next().value_or(std::string()));
    table.spanish_.push_back(reader.next().value_or(std::string()));
  }
  return table;
}

std::optional<LanguageTable> LanguageTable::LoadLanguageFile(std::string_view dataDirectory) {
  const std::optional<std::vector<std::uint8_t>> bytes =
      platform::ReadWholeFile(std::string(dataDirectory) + kLanguageFileName);
  if (!bytes) return std::nullopt;
  return Parse(*bytes);
}

std::string LanguageTable::getLanguageMessage(std::int32_t key, Language language, std::size_t limit) const {
  const auto it = std::find(keys_.begin(), keys_.end(), key);
  if (it == keys_.end()) return {};
  const std::string& found = textAt(static_cast<std::size_t>(it - keys_.begin()), language);
  return found.substr(0, limit);
}

bool LanguageTable::hasKey(std::int32_t key) const { return std::find(keys_.begin(), keys_.end(), key) != keys_.end(); }

}  // namespace qiv
