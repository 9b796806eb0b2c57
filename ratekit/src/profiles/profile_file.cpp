#include "profiles/profile_file.h"

#include <array>
#include <cstring>
#include <vector>

#include "context/context_fields.h"
#include "files/data_set_files.h"
#include "messages/message_numbers.h"
#include "platform/kernel/copy_file.h"
#include "platform/kernel/file.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/path.h"
#include "platform/kernel/replace_file.h"
#include "profiles/profile_settings.h"

namespace ratekit {
namespace {

namespace pr = profile_record;

// The file's whole records, when it can be opened for reading and writing.
std::optional<std::int64_t> RecordsIn(const std::string& path) {
  std::optional<platform::File> file = platform::File::OpenReadWrite(path);
  if (!file) return std::nullopt;
  const std::optional<std::int64_t> size = file->size();
  if (!size) return std::nullopt;
  return *size / static_cast<std::int64_t>(pr::kSize);
}

std::span<const std::uint8_t> CurrentProfileBytes(const RatingContextView& record) {
  return std::span(record.data() + context::kCurrentProfile.offset, pr::kSize);
}

}  // namespace

std::string ProfileFilePath(const RatingContextView& record) {
  return StartupDirectory(record) + std::string(kProfileFileName);
}

std::optional<std::int32_t> EnsureProfileFile(RatingContextView& record) {
  const std::string path = ProfileFilePath(record);
  if (RecordsIn(path).value_or(0) > 0) return std::nullopt;
  const bool present = platform::FindExistingPath(path).has_value();
  const std::string shipped = DataDirectory(record) + std::string(kProfileFileName);
  if (!present && RecordsIn(shipped).value_or(0) > 0) {
    const platform::CopyResult copy = platform::CopyFileIfAbsent(shipped, path);
    if (copy.outcome == platform::CopyOutcome::Copied) return std::nullopt;
    // A file that appeared meanwhile is kept, and used when it holds a profile.
    if (copy.outcome == platform::CopyOutcome::TargetExists && RecordsIn(path).value_or(0) > 0) return std::nullopt;
    return message::kProfileFileNotMade;
  }
  MakeDefaultProfile(record);
  if (!platform::ReplaceFile(path, CurrentProfileBytes(record)).ok()) return message::kProfileFileNotMade;
  return std::nullopt;
}

std::optional<std::int32_t> ProfileCount(const RatingContextView& record) {
  const std::optional<std::int64_t> records = RecordsIn(ProfileFilePath(record));
  if (!records) return std::nullopt;
  return static_cast<std::int32_t>(std::min<std::int64_t>(*records, INT32_MAX));
}

std::optional<std::int32_t> ProfileName(const RatingContextView& record, std::int32_t i, char* name31) {
  std::optional<platform::File> file = platform::File::OpenReadWrite(ProfileFilePath(record));
  if (!file) return message::kProfileFileOpen;
  std::array<std::uint8_t, pr::kSize> one{};
  if (i < 0 || file->readAt(static_cast<std::int64_t>(i) * static_cast<std::int64_t>(pr::kSize), one) !=
                   static_cast<std::ptrdiff_t>(one.size()))
    return message::kProfileFileRead;
  std::memcpy(name31, one.data(), pr::kName.width);
  return std::nullopt;
}

std::optional<std::int32_t> LoadCurrentProfile(RatingContextView& record) {
  std::optional<platform::File> file = platform::File::OpenReadWrite(ProfileFilePath(record));
  if (!file) return message::kProfileFileOpen;
  const std::string wanted(platform::UntilNul(record.text(pr::Current(pr::kName))));
  std::vector<std::uint8_t> one(pr::kSize);
  for (std::int64_t index = 0;; ++index) {
    const std::ptrdiff_t n = file->readAt(index * static_cast<std::int64_t>(pr::kSize), one);
    if (n < 0 || (n > 0 && n < static_cast<std::ptrdiff_t>(one.size()))) return message::kProfileFileRead;
    if (n == 0) return message::kProfileNotFound;
    const std::string_view name(reinterpret_cast<const char*>(one.data()), pr::kName.width);
    if (platform::UntilNul(name) != wanted) continue;
    std::memcpy(record.data() + context::kCurrentProfile.offset, one.data(), one.size());
    record.setInteger<std::int16_t>(rating_defaults::kCurrentProfileIndex.offset,
                                    static_cast<std::int16_t>(std::min<std::int64_t>(index, INT16_MAX)));
    return std::nullopt;
  }
}

}  // namespace ratekit
