// A file of a level (the tariff base name that the level list names, up
// to 8 characters): the level's name and an extension, "SAMPLE01.CTU".
// LevelFileKind is the common shape of such files whose records all follow
// one layout; level::RecogniseName and level::FileName serve the kinds
// that write more than one file.
#pragma once

#include <string_view>

#include "kinds/record_file_kind.h"
#include "layout/record_layout.h"

namespace dataset {

namespace level {

inline constexpr std::string_view kLevel = "level";
inline constexpr std::size_t kMaxName = 8;

// level=NAME when the file name is a level's name and the extension.
std::optional<Settings> RecogniseName(std::string_view fileName, std::string_view extension);

// Throws FieldError unless the settings name a level of 1 to 8 characters.
void CheckName(const Settings& settings, std::string_view keyword);

// The level's name and the extension.
std::string FileName(const Settings& settings, std::string_view extension);

}  // namespace level

class LevelFileKind : public RecordFileKind {
 public:
  LevelFileKind(std::string_view keyword, std::string_view extension, std::string_view item, const RecordLayout& layout)
      : keyword_(keyword), extension_(extension), items_{item}, layout_(layout) {}

  std::string_view keyword() const override { return keyword_; }
  std::span<const std::string_view> settingKeys() const override;
  std::optional<Settings> recognise(std::string_view name) const override { return level::RecogniseName(name, extension_); }
  Settings settle(Settings given, const Neighbours& neighbours) const override;

 protected:
  const RecordLayout& layout() const { return layout_; }

 private:
  std::string fileName(const Settings& settings) const override { return level::FileName(settings, extension_); }
  std::span<const std::string_view> itemKeywords() const override { return items_; }
  std::string encodeItem(std::string_view, const FieldList& fields, const Settings&) const override { return layout_.encode(fields); }
  std::optional<ItemLine> decodeItem(std::string_view record, std::size_t, const Settings&) const override;
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override;

  std::string_view keyword_, extension_;
  std::string_view items_[1];
  const RecordLayout& layout_;
};

}  // namespace dataset
