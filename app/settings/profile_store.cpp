#include "settings/profile_store.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include "platform/kernel/file.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/path.h"

namespace qiv::settings {
namespace {

namespace pr = ratekit::profile_record;
namespace ze = ratekit::zip_discount_entry;
constexpr std::size_t kRecordSize = pr::kSize;
using Record = std::span<const std::uint8_t>;

std::string StartupFile(const RatingContextView& context, std::string_view name) {
  return platform::WithTrailingSeparator(std::string(platform::UntilNul(context.text(fields::kStartupDirectory)))) +
         std::string(name);
}

std::string_view NameOf(Record record) {
  return platform::UntilNul(std::string_view(reinterpret_cast<const char*>(record.data()), pr::kName.width));
}

std::span<std::uint8_t> CurrentProfile(RatingContextView& context) {
  return std::span(context.data() + ratekit::context::kCurrentProfile.offset, kRecordSize);
}
Record CurrentProfile(const RatingContextView& context) {
  return std::span<const std::uint8_t>(context.data() + ratekit::context::kCurrentProfile.offset, kRecordSize);
}

std::string CurrentName(const RatingContextView& context) { return std::string(NameOf(CurrentProfile(context))); }

// PROFILE.FIL as it stands: its bytes, nothing when it does not exist, or a
// failure when it cannot be opened for writing, read whole, or does not
// hold whole records.
struct StoredProfiles {
  bool exists = false;
  bool readable = false;
  std::vector<std::uint8_t> bytes;
  std::size_t count() const { return bytes.size() / kRecordSize; }
  Record record(std::size_t i) const { return std::span(bytes).subspan(i * kRecordSize, kRecordSize); }
};

StoredProfiles ReadStoredProfiles(const std::string& path) {
  StoredProfiles stored;
  if (!platform::FindExistingPath(path)) return stored;
  stored.exists = true;
  std::optional<platform::File> file = platform::File::OpenReadWrite(path);
  if (!file) return stored;
  const std::optional<std::int64_t> size = file->size();
  if (!size || *size % static_cast<std::int64_t>(kRecordSize) != 0) return stored;
  stored.bytes.resize(static_cast<std::size_t>(*size));
  if (file->readAt(0, stored.bytes) != static_cast<std::ptrdiff_t>(stored.bytes.size())) return stored;
  stored.readable = true;
  return stored;
}

// Replaces PROFILE.FIL with the records, one write each.
bool WriteProfiles(const std::string& path, const std::vector<Record>& records, const platform::ReplaceFaults& faults) {
  const platform::ReplaceResult result = platform::ReplaceFile(path,
                                                               [&](platform::ContentWriter& out) {
                                                                 for (Record r : records) out.write(r);
                                                               },
                                                               {.faults = faults});
  // A folder that could not be flushed after the rename still holds the new file.
  return result.ok() || result.failedStep == platform::ReplaceStep::FolderFlush;
}

// Puts PROFILE.FIL back as it was before a save whose range file failed.
void RestoreProfiles(const std::string& path, const StoredProfiles& before) {
  if (before.exists) {
    platform::ReplaceFile(path, std::span<const std::uint8_t>(before.bytes));
  } else if (const std::optional<std::string> made = platform::FindExistingPath(path)) {
    std::remove(made->c_str());
  }
}

bool BeginsWithLetter(std::span<const std::uint8_t> text) { return std::isalpha(text[0]) != 0; }

std::string RangeFilePath(const RatingContextView& context) {
  return StartupFile(context, CurrentName(context) + std::string(kProfileRangeExtension));
}

bool PostalCodesRefused(const RatingContextView& context) {
  return context.charAt(fields::kCanadianCodesFlag.offset) == 'Y';
}

}  // namespace

int CompareProfileNames(std::string_view a, std::string_view b) {
  a = platform::UntilNul(a.substr(0, pr::kName.width));
  b = platform::UntilNul(b.substr(0, pr::kName.width));
  for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
    const int x = std::tolower(static_cast<unsigned char>(a[i]));
    const int y = std::tolower(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::vector<CodeRange> ProfileZipLines(const ProfileStore& store) {
  const Record profile = CurrentProfile(store.context);
  std::int32_t stored = 0;
  std::memcpy(&stored, profile.data() + pr::kZipDiscountCount.offset, sizeof stored);
  const std::size_t count = static_cast<std::size_t>(std::clamp<std::int32_t>(stored, 0, ze::kPerProfile));
  std::vector<CodeRange> items;
  for (std::size_t i = 0; i < count; ++i) {
    const Record entry = profile.subspan(pr::kZipDiscounts.offset + i * ze::kSize, ze::kSize);
    auto side = [&](platform::FieldSpan from, platform::FieldSpan to) {
      const Record f = entry.subspan(from.offset, from.width), t = entry.subspan(to.offset, to.width);
      if (!BeginsWithLetter(f) || !BeginsWithLetter(t)) return;
      auto code = [](Record r) { return MakeRangeCode(std::string_view(reinterpret_cast<const char*>(r.data()), 5)); };
      items.push_back({code(f), code(t)});
    };
    side(ze::kOriginFrom, ze::kOriginTo);
    side(ze::kDestinationFrom, ze::kDestinationTo);
  }
  return MergeZipRanges(std::move(items), store.tariff);
}

bool WriteProfileZipFile(const ProfileStore& store) {
  if (PostalCodesRefused(store.context)) return true;
  if (!platform::IsPlainFileName(CurrentName(store.context)) || store.postalTableEmpty) return false;
  const std::vector<CodeRange> lines = ProfileZipLines(store);
  const platform::ReplaceResult result =
      platform::ReplaceFile(RangeFilePath(store.context),
                            [&](platform::ContentWriter& out) {
                              for (const CodeRange& line : lines) {
                                std::string text(line.from.begin(), line.from.end());
                                text.append(line.to.begin(), line.to.end());
                                out.write(text + "\r\n");
                              }
                              out.write(std::string(1, static_cast<char>(kEndOfFileByte)));
                            },
                            {.faults = store.faults.rangeFile});
  return result.ok() || result.failedStep == platform::ReplaceStep::FolderFlush;
}

void DeleteProfileZipFile(const ProfileStore& store) {
  if (PostalCodesRefused(store.context) || !platform::IsPlainFileName(CurrentName(store.context))) return;
  if (const std::optional<std::string> path = platform::FindExistingPath(RangeFilePath(store.context)))
    std::remove(path->c_str());
}

SaveOutcome SaveProfile(ProfileStore& store, bool adding) {
  const std::string path = StartupFile(store.context, kProfileFileName);
  const StoredProfiles stored = ReadStoredProfiles(path);
  if (stored.exists && !stored.readable) return SaveOutcome::Failed;

  const std::vector<std::uint8_t> current(CurrentProfile(store.context).begin(), CurrentProfile(store.context).end());
  const std::string_view name = NameOf(current);
  std::vector<Record> records;
  std::optional<std::size_t> index;
  for (std::size_t i = 0; i < stored.count(); ++i) {
    const Record r = stored.record(i);
    if (index) {
      records.push_back(r);
      continue;
    }
    const int order = CompareProfileNames(NameOf(r), name);
    if (order < 0) {
      records.push_back(r);
      continue;
    }
    index = i;
    if (order == 0 && adding && !store.replaceExisting(NameOf(r))) {
      // The stored profile stays, and becomes the current one.
      std::copy(r.begin(), r.end(), CurrentProfile(store.context).begin());
      store.context.setInteger<std::int16_t>(fields::kCurrentProfileIndex.offset, static_cast<std::int16_t>(i));
      return SaveOutcome::KeptStored;
    }
    records.push_back(current);
    if (order > 0) records.push_back(r);
  }
  if (!index) {
    index = stored.count();
    records.push_back(current);
  }

  if (!WriteProfiles(path, records, store.faults.profileFile)) return SaveOutcome::Failed;
  if (!WriteProfileZipFile(store)) {
    RestoreProfiles(path, stored);
    return SaveOutcome::Failed;
  }
  store.context.setInteger<std::int16_t>(fields::kCurrentProfileIndex.offset,
                                         static_cast<std::int16_t>(std::min<std::size_t>(*index, INT16_MAX)));
  return SaveOutcome::Saved;
}

DeleteOutcome DeleteProfile(ProfileStore& store) {
  const std::string path = StartupFile(store.context, kProfileFileName);
  const StoredProfiles stored = ReadStoredProfiles(path);
  if (!stored.readable) return DeleteOutcome::Failed;
  const Record current = CurrentProfile(store.context);
  std::optional<std::size_t> found;
  for (std::size_t i = 0; i < stored.count() && !found; ++i) {
    if (std::equal(current.begin(), current.begin() + pr::kName.width, stored.record(i).begin())) found = i;
  }
  if (!found) return DeleteOutcome::NotFound;
  if (stored.count() == 1) return DeleteOutcome::OnlyProfile;

  std::vector<Record> records;
  for (std::size_t i = 0; i < stored.count(); ++i) {
    if (i != *found) records.push_back(stored.record(i));
  }
  if (!WriteProfiles(path, records, store.faults.profileFile)) return DeleteOutcome::Failed;
  DeleteProfileZipFile(store);
  const std::size_t next = *found < records.size() ? *found : 0;
  std::copy(records[next].begin(), records[next].end(), CurrentProfile(store.context).begin());
  store.context.setInteger<std::int16_t>(fields::kCurrentProfileIndex.offset,
                                         static_cast<std::int16_t>(std::min<std::size_t>(next, INT16_MAX)));
  return DeleteOutcome::Deleted;
}

}  // namespace qiv::settings
