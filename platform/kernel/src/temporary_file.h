// A new file beside a target, which the file writers fill and then move into
// the target's place; removed when it goes unless it was moved.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/kernel/replace_file.h"

namespace platform::detail {

// Where a file is to be written: its folder ("" or ending in '/') and name,
// in their existing spellings when they exist under another case.
struct TargetPath {
  std::string folder;
  std::string name;
  bool exists = false;  // a file of that name exists (under any case)
  std::string path() const { return folder + name; }
};

// The target for path, or nothing (errno set) when path names no file.
std::optional<TargetPath> ResolveTarget(std::string_view path);

// 0 when a new file may be made as target (its folder takes new files and
// an existing target may be written), else the errno that says why not.
int CheckWritable(const TargetPath& target);

class TemporaryFile {
 public:
  // Creates a new, empty file of a unique name in the target's folder.
  TemporaryFile(const TargetPath& target, const NewFileMode& mode);
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // 0, or the errno that kept the file from being created.
  int createError() const { return createError_; }
  int fd() const { return fd_; }

  // Flushes the contents to disk and closes the file: 0 or errno.
  int flushAndClose();
  // Renames the file over the target: 0 or errno.
  int replace(const TargetPath& target);
  // Gives the file the target's name only if no file holds it: 0, EEXIST
  // when one does, or another errno.
  int placeIfAbsent(const TargetPath& target);

 private:
  std::string path_;
  int fd_ = -1;
  int createError_ = 0;
  bool created_ = false;
  bool placed_ = false;
};

// Flushes a folder's entries to disk: 0 or errno.
int FlushFolder(const std::string& folder);

}  // namespace platform::detail
