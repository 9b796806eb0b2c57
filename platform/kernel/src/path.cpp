#include "platform/kernel/path.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <mutex>
#include <sys/stat.h>
#include <unordered_map>
#include <vector>

#include "platform/kernel/fixed_format.h"

namespace platform {
namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

std::string_view TrimComponent(std::string_view component) {
  while (!component.empty() && component.back() == ' ') component.remove_suffix(1);
  return component;
}

// The names of one directory, by their case-folded spelling (the first
// entry read wins), and the directory state they were read from.
struct Listing {
  dev_t device = 0;
  ino_t inode = 0;
  timespec modified{};
  timespec changed{};
  std::unordered_map<std::string, std::string> names;
};

bool SameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

bool Describes(const Listing& listing, const struct stat& st) {
  return listing.device == st.st_dev && listing.inode == st.st_ino && SameTime(listing.modified, st.st_mtim) &&
         SameTime(listing.changed, st.st_ctim);
}

// A directory changed this recently may change again without a new time
// stamp (time stamps are coarse), so its listing is not kept.
constexpr std::int64_t kSettledSeconds = 2;

bool Settled(std::int64_t modifiedSeconds, std::int64_t changedSeconds, const timespec& now) {
  return now.tv_sec - std::max(modifiedSeconds, changedSeconds) > kSettledSeconds;
}

bool Settled(const struct stat& st, const timespec& now) { return Settled(st.st_mtim.tv_sec, st.st_ctim.tv_sec, now); }

std::optional<std::unordered_map<std::string, std::string>> ReadNames(const std::string& directory) {
  DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
  if (dir == nullptr) return std::nullopt;
  std::unordered_map<std::string, std::string> names;
  while (dirent* entry = ::readdir(dir)) names.try_emplace(FoldCase(entry->d_name), entry->d_name);
  ::closedir(dir);
  return names;
}

// Listings of the directories searched without regard to case, so that a
// name looked up again in an unchanged directory is not searched for by
// reading the whole directory again. A listing is used only while the
// directory's device, inode, modification and change times are those it was
// read with; any entry created, removed or renamed in the directory changes
// them, and the directory is read again.
class ListingCache {
 public:
  static ListingCache& Instance() {
    static ListingCache cache;
    return cache;
  }

  // The entry of directory whose name equals name without regard to case;
  // st is the directory's state, taken by the caller.
  std::optional<std::string> find(const std::string& directory, const struct stat& st, std::string_view name) {
    const std::string folded = FoldCase(name);
    {
      std::lock_guard lock(mutex_);
      auto it = listings_.find(directory);
      if (it != listings_.end() && Describes(it->second, st)) return lookUp(it->second, folded);
    }
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::optional<Listing> listing = read(directory, st);
    if (!listing) return std::nullopt;
    std::optional<std::string> found = lookUp(*listing, folded);
    std::lock_guard lock(mutex_);
    if (Settled(st, now)) {
      if (listings_.size() >= kMaxListings) listings_.clear();
      listings_[directory] = std::move(*listing);
    } else {
      listings_.erase(directory);
    }
    return found;
  }

 private:
  static constexpr std::size_t kMaxListings = 64;

  static std::optional<std::string> lookUp(const Listing& listing, const std::string& folded) {
    auto it = listing.names.find(folded);
    if (it == listing.names.end()) return std::nullopt;
    return it->second;
  }

  static std::optional<Listing> read(const std::string& directory, const struct stat& st) {
    std::optional<std::unordered_map<std::string, std::string>> names = ReadNames(directory);
    if (!names) return std::nullopt;
    Listing listing;
    listing.device = st.st_dev;
    listing.inode = st.st_ino;
    listing.modified = st.st_mtim;
    listing.changed = st.st_ctim;
    listing.names = std::move(*names);
    return listing;
  }

  std::mutex mutex_;
  std::unordered_map<std::string, Listing> listings_;
};

// The entry of directory whose name equals name without regard to case.
std::optional<std::string> FindEntryIgnoringCase(const std::string& directory, std::string_view name) {
  struct stat st;
  if (::stat(directory.empty() ? "." : directory.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
  return ListingCache::Instance().find(directory, st, name);
}

}  // namespace

std::string FoldCase(std::string_view name) {
  std::string folded(name);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

std::optional<FolderStamp> StampFolder(const std::string& directory) {
  struct stat st;
  if (::stat(directory.empty() ? "." : directory.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
  return FolderStamp{static_cast<std::uint64_t>(st.st_dev),        static_cast<std::uint64_t>(st.st_ino),
                     static_cast<std::int64_t>(st.st_mtim.tv_sec), static_cast<std::int64_t>(st.st_mtim.tv_nsec),
                     static_cast<std::int64_t>(st.st_ctim.tv_sec), static_cast<std::int64_t>(st.st_ctim.tv_nsec)};
}

bool IsSettled(const FolderStamp& stamp) {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return Settled(stamp.modifiedSeconds, stamp.changedSeconds, now);
}

bool IsSettled(const FileStamp& stamp) {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return Settled(stamp.modifiedSeconds, stamp.changedSeconds, now);
}

std::optional<std::unordered_map<std::string, std::string>> ReadFolderNames(const std::string& directory) {
  return ReadNames(directory);
}

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

bool EndsWithPathSeparator(std::string_view path) { return !path.empty() && IsPathSeparator(path.back()); }

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(),
                      [](char c) { return IsPathSeparator(c) || static_cast<unsigned char>(c) < 0x20; });
}

PathParts SplitPath(std::string_view path) {
  PathParts parts;
  if (path.size() >= 2 && path[1] == ':') {
    parts.drive = std::string(path.substr(0, 2));
    path.remove_prefix(2);
  }
  std::size_t lastSeparator = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i)
    if (IsPathSeparator(path[i])) lastSeparator = i;
  std::string_view last = path;
  if (lastSeparator != std::string_view::npos) {
    parts.directory = std::string(path.substr(0, lastSeparator + 1));
    last = path.substr(lastSeparator + 1);
  }
  const std::size_t dot = last.rfind('.');
  if (dot == std::string_view::npos) {
    parts.name = std::string(last);
  } else {
    parts.name = std::string(last.substr(0, dot));
    parts.extension = std::string(last.substr(dot));
  }
  return parts;
}

std::string DriveAndDirectory(std::string_view path) {
  const PathParts parts = SplitPath(TrimTrailingBlanks(path));
  return WithTrailingSeparator(parts.drive + parts.directory);
}

std::string WithTrailingSeparator(std::string path) {
  if (!path.empty() && !EndsWithPathSeparator(path)) path.push_back(kPathSeparator);
  return path;
}

std::string NativePath(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') path.remove_prefix(2);
  std::string out;
  out.reserve(path.size());
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = start;
    while (end < path.size() && !IsPathSeparator(path[end])) ++end;
    out += TrimComponent(path.substr(start, end - start));
    if (end == path.size()) break;
    out.push_back('/');
    start = end + 1;
  }
  return out;
}

std::optional<std::string> FindExistingPath(std::string_view path) {
  std::string native = NativePath(path);
  if (native.empty()) return std::nullopt;
  if (Exists(native)) return native;
  return FindUnderAnotherCase(native);
}

std::optional<std::string> FindUnderAnotherCase(const std::string& native) {
  if (native.empty()) return std::nullopt;

  // Most often only the last component differs (or is missing): when the
  // directory exists as written, only its listing is searched.
  if (!EndsWithPathSeparator(native)) {
    const std::size_t slash = native.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string() : native.substr(0, slash + 1);
    const std::string_view last = std::string_view(native).substr(slash == std::string::npos ? 0 : slash + 1);
    struct stat st;
    if (!last.empty() && ::stat(directory.empty() ? "." : directory.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
      std::optional<std::string> entry = ListingCache::Instance().find(directory, st, last);
      if (!entry) return std::nullopt;
      return directory + *entry;
    }
  }

  // Walk the components, matching each one that does not exist as written.
  std::vector<std::string_view> components;
  std::string_view rest = native;
  const bool absolute = rest.front() == '/';
  std::size_t start = absolute ? 1 : 0;
  while (start < rest.size()) {
    std::size_t end = rest.find('/', start);
    if (end == std::string_view::npos) end = rest.size();
    if (end > start) components.push_back(rest.substr(start, end - start));
    start = end + 1;
  }
  std::string current = absolute ? "/" : "";
  for (std::size_t i = 0; i < components.size(); ++i) {
    std::string candidate = current + std::string(components[i]);
    if (!Exists(candidate)) {
      std::optional<std::string> entry = FindEntryIgnoringCase(current, components[i]);
      if (!entry) return std::nullopt;
      candidate = current + *entry;
    }
    current = i + 1 < components.size() ? candidate + "/" : candidate;
  }
  if (EndsWithPathSeparator(native) && !EndsWithPathSeparator(current)) current.push_back('/');
  return current;
}

std::string ResolvePath(std::string_view path) {
  if (std::optional<std::string> existing = FindExistingPath(path)) return *existing;
  return NativePath(path);
}

std::string SystemSettingsDirectory() {
  const char* dir = std::getenv("ZQ_SYSTEM_DIR");
  if (dir != nullptr && *dir != '\0') return WithTrailingSeparator(dir);
  return "/etc/zq/";
}

}  // namespace platform
