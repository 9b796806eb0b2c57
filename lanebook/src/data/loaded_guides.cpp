#include "data/loaded_guides.h"

#include <map>
#include <mutex>
#include <vector>

#include "data/statuses.h"
#include "platform/kernel/file.h"
#include "platform/kernel/path.h"

namespace lanebook {
namespace {

struct Loaded {
  platform::FileStamp stamp;
  SharedGuide data;
};

struct Cache {
  std::mutex mutex;
  std::map<std::string, Loaded> byPath;
};

Cache& Guides() {
  static Cache cache;
  return cache;
}

}  // namespace

int CheckNotExpired(const GuideData& data) { return Today() > data.expiry ? code::kGuideDataExpired : 0; }

std::variant<SharedGuide, int> LoadGuide(const std::string& folder) {
  const std::string path = platform::WithTrailingSeparator(folder) + std::string(guide_file::kFileName);
  std::optional<platform::File> file = platform::File::OpenReadOnly(path);
  if (!file) return code::kGuideCantOpenLibraryData;
  const std::optional<platform::FileStamp> stamp = file->stamp();
  if (!stamp) return code::kGuideCantOpenLibraryData;

  Cache& cache = Guides();
  std::lock_guard lock(cache.mutex);
  if (auto it = cache.byPath.find(file->path()); it != cache.byPath.end() && it->second.stamp == *stamp) {
    if (const int expired = CheckNotExpired(*it->second.data)) return expired;
    return it->second.data;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stamp->size));
  if (file->readAt(0, bytes) != static_cast<std::ptrdiff_t>(bytes.size())) return code::kGuideCantReadLibraryData;
  std::variant<GuideData, int> parsed =
      ParseGuideFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), Today());
  if (const int* refused = std::get_if<int>(&parsed)) return *refused;
  auto data = std::make_shared<const GuideData>(std::move(std::get<GuideData>(parsed)));
  cache.byPath[file->path()] = Loaded{*stamp, data};
  return SharedGuide(data);
}

}  // namespace lanebook
