#include "kinds/level/level_kind.h"

#include "kinds/record_tools.h"
#include "platform/kernel/fixed_format.h"

namespace dataset::level {
namespace {

constexpr std::size_t kMaxLevelName = 8;
constexpr std::string_view kSettingKeys[] = {kLevel};

std::string_view OnDisk(std::string_view extension) { return platform::TrimTrailingBlanks(extension); }

}  // namespace

std::optional<Settings> RecogniseName(std::string_view name, std::string_view extension) {
  const std::string_view ext = OnDisk(extension);
  name = platform::TrimTrailingBlanks(name);
  if (name.size() <= ext.size() || !SameName(name.substr(name.size() - ext.size()), ext)) return std::nullopt;
  const std::string_view levelName = name.substr(0, name.size() - ext.size());
  if (levelName.size() > kMaxLevelName || levelName.find_first_of("./\\") != std::string_view::npos)
    return std::nullopt;
  return Settings{{std::string(kLevel), std::string(levelName)}};
}

void CheckLevel(const Settings& settings, std::string_view keyword) {
  const std::string* level = FindSetting(settings, kLevel);
  if (level == nullptr || level->empty() || level->size() > kMaxLevelName ||
      level->find_first_of("./\\ ") != std::string::npos)
    throw FieldError("a " + std::string(keyword) + " block names its level: level= and up to 8 characters");
}

std::string FileName(const Settings& settings, std::string_view extension) {
  return *FindSetting(settings, kLevel) + std::string(OnDisk(extension));
}

std::span<const std::string_view> LevelFileBase::settingKeys() const { return kSettingKeys; }

Settings LevelFileBase::settle(Settings given, const Neighbours& neighbours) const {
  Settings settled = FileKind::settle(std::move(given), neighbours);
  CheckLevel(settled, keyword_);
  return settled;
}

std::span<const std::string_view> LevelRecordKind::settingKeys() const { return kSettingKeys; }

Settings LevelRecordKind::settle(Settings given, const Neighbours& neighbours) const {
  Settings settled = FileKind::settle(std::move(given), neighbours);
  CheckLevel(settled, keyword_);
  return settled;
}

std::optional<ItemLine> LevelLayoutKind::decodeItem(std::string_view record, std::size_t, const Settings&) const {
  std::optional<FieldList> fields = layout_.decode(record);
  if (!fields) return std::nullopt;
  return ItemLine{std::string(items_[0]), std::move(*fields)};
}

std::optional<std::vector<std::string_view>> LevelLayoutKind::split(std::string_view content, const Settings&) const {
  return SplitFixedRecords(content, layout_.recordSize());
}

void CheckBounds(std::string_view r, std::size_t i, const RecordLayout& layout, std::string_view low,
                 std::string_view high, KindProblems& problems) {
  if (layout.columns(r, low) > layout.columns(r, high))
    problems.push_back({i, layout.describe(low) + " " + Shown(layout.columns(r, low)) + " lies above " +
                               layout.describe(high) + " " + Shown(layout.columns(r, high)) +
                               " (no code would lie in the range)"});
}

}  // namespace dataset::level
