#include "dialogs/level_list.h"

#include <algorithm>
#include <filesystem>
#include <strings.h>

#include "platform/kernel/path.h"
#include "platform/kernel/replace_file.h"

namespace qiv {
namespace {

std::string_view Field(std::span<const std::uint8_t> record, platform::FieldSpan field) {
  return std::string_view(reinterpret_cast<const char*>(record.data()) + field.offset, field.width);
}

// "%N.Ns" of a fixed field: at most N characters, up to the first NUL, padded
// to N with blanks on the left.
std::string Padded(std::string_view text) {
  const std::size_t width = text.size();
  text = text.substr(0, text.find('\0'));
  return std::string(width - text.size(), ' ') + std::string(text);
}

// The field as it is cut from a line (short lines give what they have).
std::string Piece(std::string_view line, std::size_t at, std::size_t width) {
  if (at >= line.size()) return std::string(width, ' ');
  std::string piece(line.substr(at, width));
  piece.resize(width, ' ');
  return piece;
}

}  // namespace

std::string LevelListLine(std::span<const std::uint8_t, level_record::kSize> record) {
  using namespace level_record;
  return Padded(Field(record, kName)) + "\t" + Padded(Field(record, kMonth)) + "/" + Padded(Field(record, kDay)) + "/" +
         Padded(Field(record, kYear));
}

std::vector<std::string> LevelListLines(std::span<const std::uint8_t> table, std::size_t count) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < count && (i + 1) * level_record::kSize <= table.size(); ++i)
    lines.push_back(LevelListLine(table.subspan(i * level_record::kSize).first<level_record::kSize>()));
  return lines;
}

std::string LevelNameOfLine(std::string_view line) { return Piece(line, 0, 8); }

std::string LevelRecordOfLine(std::string_view line) {
  const std::size_t tab = line.find('\t');
  const std::size_t slash = line.find('/');
  const std::string year = line.size() >= 4 ? std::string(line.substr(line.size() - 4)) : Piece(line, 0, 4);
  const std::string month = tab == std::string_view::npos ? std::string(2, ' ') : Piece(line, tab + 1, 2);
  const std::string day = slash == std::string_view::npos ? std::string(2, ' ') : Piece(line, slash + 1, 2);
  return LevelNameOfLine(line) + year + month + day + "\r\n";
}

bool RewriteLevelFile(const std::string& path, const std::vector<std::string>& lines) {
  std::string contents;
  for (const std::string& line : lines) contents += LevelRecordOfLine(line);
  return platform::ReplaceFile(path, contents).ok();
}

std::vector<std::string> DeleteLevelFiles(const std::string& dataDirectory, std::string_view levelName,
                                          std::string_view levelFile) {
  std::string name(levelName.substr(0, levelName.find('\0')));
  while (!name.empty() && name.back() == ' ') name.pop_back();
  std::vector<std::string> removed;
  if (name.empty() || name.find_first_of("/\\*?.") != std::string::npos) return removed;
  std::error_code error;
  const std::filesystem::path directory(platform::NativePath(dataDirectory));
  for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
    if (!entry.is_regular_file(error)) continue;
    const std::string file = entry.path().filename().string();
    if (file.size() <= name.size() || file[name.size()] != '.') continue;
    if (::strncasecmp(file.c_str(), name.c_str(), name.size()) != 0) continue;
    if (::strcasecmp(file.c_str(), std::string(levelFile).c_str()) == 0) continue;
    if (std::filesystem::remove(entry.path(), error)) removed.push_back(file);
  }
  std::sort(removed.begin(), removed.end());
  return removed;
}

}  // namespace qiv
