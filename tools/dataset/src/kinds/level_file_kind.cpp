#include "kinds/level_file_kind.h"

#include "kinds/record_tools.h"

namespace dataset {

namespace level {

std::optional<Settings> RecogniseName(std::string_view name, std::string_view extension) {
  if (name.size() <= extension.size() || !SameName(name.substr(name.size() - extension.size()), extension)) return std::nullopt;
  const std::string_view levelName = name.substr(0, name.size() - extension.size());
  if (levelName.size() > kMaxName || levelName.find_first_of("./\\") != std::string_view::npos) return std::nullopt;
  return Settings{{std::string(kLevel), std::string(levelName)}};
}

void CheckName(const Settings& settings, std::string_view keyword) {
  const std::string* levelName = FindSetting(settings, kLevel);
  if (levelName == nullptr || levelName->empty() || levelName->size() > kMaxName)
    throw FieldError("a " + std::string(keyword) + " block names its level: level= and up to 8 characters");
}

std::string FileName(const Settings& settings, std::string_view extension) { return *FindSetting(settings, kLevel) + std::string(extension); }

}  // namespace level

namespace {
constexpr std::string_view kSettingKeys[] = {level::kLevel};
}  // namespace

std::span<const std::string_view> LevelFileKind::settingKeys() const { return kSettingKeys; }

Settings LevelFileKind::settle(Settings given, const Neighbours& neighbours) const {
  level::CheckName(given, keyword_);
  return FileKind::settle(std::move(given), neighbours);
}

std::optional<ItemLine> LevelFileKind::decodeItem(std::string_view record, std::size_t, const Settings&) const {
  std::optional<FieldList> fields = layout_.decode(record);
  if (!fields) return std::nullopt;
  return ItemLine{std::string(items_[0]), std::move(*fields)};
}

std::optional<std::vector<std::string_view>> LevelFileKind::split(std::string_view content, const Settings&) const {
  return SplitFixedRecords(content, layout_.recordSize());
}

}  // namespace dataset
