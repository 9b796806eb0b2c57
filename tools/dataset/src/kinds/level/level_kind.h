// The files of a level (the tariff base name a level list names, up to 8
// characters), read by the rating-function library and the rating screen:
// named LEVEL.<ext>, "SAMPLE01.CTU". An extension that ends in a blank
// (".SC ", ".LA ", ".MC ") names a file whose name on disk has no trailing
// blank, as the library finds it. The kinds of a level's files derive from
// the bases below; a kind that writes more than one file (the Mexican
// cities with their ranges) names them through RecogniseName and FileName.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"
#include "layout/record_layout.h"

namespace dataset::level {

inline constexpr std::string_view kLevel = "level";

// The settings a file name gives when it is a level's file of the
// extension: level=.
std::optional<Settings> RecogniseName(std::string_view fileName, std::string_view extension);

// Throws FieldError unless level= names a level.
void CheckLevel(const Settings& settings, std::string_view keyword);

// "SAMPLE01.SC": the level and the extension without its trailing blanks.
std::string FileName(const Settings& settings, std::string_view extension);

// A level's file whose block builds the file as a whole (an image, a table
// with a computed header).
class LevelFileBase : public FileKind {
 public:
  LevelFileBase(std::string_view keyword, std::string_view extension) : keyword_(keyword), extension_(extension) {}
  std::string_view keyword() const override { return keyword_; }
  std::span<const std::string_view> settingKeys() const override;
  std::optional<Settings> recognise(std::string_view name) const override { return RecogniseName(name, extension_); }
  Settings settle(Settings given, const Neighbours& neighbours) const override;
  std::vector<std::string> fileNames(const Settings& settings) const override {
    return {FileName(settings, extension_)};
  }

 private:
  std::string_view keyword_, extension_;
};

// A level's file whose block writes one record per item.
class LevelRecordKind : public RecordFileKind {
 public:
  LevelRecordKind(std::string_view keyword, std::string_view extension) : keyword_(keyword), extension_(extension) {}
  std::string_view keyword() const override { return keyword_; }
  std::span<const std::string_view> settingKeys() const override;
  std::optional<Settings> recognise(std::string_view name) const override { return RecogniseName(name, extension_); }
  Settings settle(Settings given, const Neighbours& neighbours) const override;

 protected:
  std::string fileName(const Settings& settings) const override { return FileName(settings, extension_); }
  std::string_view extension() const { return extension_; }

 private:
  std::string_view keyword_, extension_;
};

// A level's file of fixed-size records that follow one layout under one
// item keyword.
class LevelLayoutKind : public LevelRecordKind {
 public:
  LevelLayoutKind(std::string_view keyword, std::string_view extension, std::string_view item,
                  const RecordLayout& layout)
      : LevelRecordKind(keyword, extension), items_{item}, layout_(layout) {}

 protected:
  const RecordLayout& layout() const { return layout_; }
  std::span<const std::string_view> itemKeywords() const override { return items_; }
  std::string encodeItem(std::string_view, const FieldList& fields, const Settings&) const override {
    return layout_.encode(fields);
  }
  std::optional<ItemLine> decodeItem(std::string_view record, std::size_t, const Settings&) const override;
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override;

 private:
  std::string_view items_[1];
  const RecordLayout& layout_;
};

// Reports a range whose low bound lies above its high bound.
void CheckBounds(std::string_view record, std::size_t index, const RecordLayout& layout, std::string_view low,
                 std::string_view high, KindProblems& problems);

}  // namespace dataset::level
