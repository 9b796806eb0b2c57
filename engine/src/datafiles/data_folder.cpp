#include "datafiles/data_folder.h"

#include "platform/kernel/fixed_format.h"

namespace vorn {
namespace {

// Handles kept per folder; past this the folder closes them all.
constexpr std::size_t kMaxHandles = 32;

std::string FolderPath(std::string_view folder) {
  return platform::WithTrailingSeparator(platform::NativePath(folder));
}

}  // namespace

DataFolder::DataFolder(std::string folder) : folder_(FolderPath(folder)) {}

void DataFolder::forget() {
  names_.reset();
  stamp_.reset();
  settled_ = false;
  if (!handles_.empty()) ++generation_;
  handles_.clear();
}

bool DataFolder::refresh() {
  if (inRating_ && lookedAt_) return names_.has_value();
  lookedAt_ = inRating_;
  const std::optional<platform::FolderStamp> now = platform::StampFolder(folder_);
  if (now && names_ && stamp_ == now && settled_) return true;
  forget();
  if (!now) return false;
  names_ = platform::ReadFolderNames(folder_);
  stamp_ = now;
  settled_ = platform::IsSettled(*now);
  return names_.has_value();
}

void DataFolder::beginRating() {
  inRating_ = true;
  lookedAt_ = false;
  refresh();
}

void DataFolder::lookAgain() {
  lookedAt_ = false;
  refresh();
}

void DataFolder::endRating() {
  for (auto& [name, file] : handles_) file->releaseContents();
  if (!settled_ || handles_.size() > kMaxHandles) forget();
  inRating_ = false;
  lookedAt_ = false;
}

std::optional<std::string> DataFolder::find(std::string_view name) {
  if (!refresh()) return std::nullopt;
  const auto it = names_->find(platform::FoldCase(platform::TrimTrailingBlanks(name)));
  if (it == names_->end()) return std::nullopt;
  return it->second;
}

std::shared_ptr<platform::File> DataFolder::open(std::string_view name) {
  const std::optional<std::string> entry = find(name);
  if (!entry) return nullptr;
  auto it = handles_.find(*entry);
  if (it == handles_.end()) {
    std::optional<platform::File> file = platform::File::OpenReadOnly(folder_ + *entry);
    if (!file && closeUnusedHandles()) file = platform::File::OpenReadOnly(folder_ + *entry);  // out of descriptors?
    if (!file) return nullptr;
    it = handles_.emplace(*entry, std::make_shared<platform::File>(std::move(*file))).first;
  }
  hold(*it->second);
  return it->second;
}

bool DataFolder::closeUnusedHandles() {
  const std::size_t before = handles_.size();
  std::erase_if(handles_, [](const auto& entry) { return entry.second.use_count() == 1; });
  return handles_.size() < before;
}

void DataFolder::hold(platform::File& file) const {
  if (inRating_) file.holdContents(kHeldFileLimit);
}

DataFolder& DataFolders::at(std::string_view folder) {
  if (const auto named = byGivenName_.find(std::string(folder)); named != byGivenName_.end()) return *named->second;
  const std::string path = FolderPath(folder);
  auto it = folders_.find(path);
  if (it == folders_.end()) {
    it = folders_.emplace(path, std::make_unique<DataFolder>(path)).first;
    if (inRating_) it->second->beginRating();
  }
  byGivenName_.emplace(folder, it->second.get());
  return *it->second;
}

void DataFolders::beginRating() {
  inRating_ = true;
  for (auto& [path, folder] : folders_) folder->beginRating();
}

void DataFolders::endRating() {
  for (auto& [path, folder] : folders_) folder->endRating();
  inRating_ = false;
}

void DataFolders::forget() {
  for (auto& [path, folder] : folders_) folder->forget();
}

}  // namespace vorn
