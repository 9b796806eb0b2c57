// A new file that never takes the place of an existing one: written under a
// temporary name in its folder while it grows, then given the first of a
// series of names that no file holds (under any case). A file dropped, or
// one whose writing failed, is removed and leaves nothing behind.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/kernel/replace_file.h"

namespace platform {

namespace detail {
class TemporaryFile;
}

class NewFile {
 public:
  // An empty file of a unique temporary name in the folder ("" for the
  // current one, matched without regard to case), named after `name` for
  // whoever lists the folder meanwhile. Nothing (errno set) when the folder
  // takes no new file.
  static std::optional<NewFile> Create(std::string_view folder, std::string_view name, const NewFileMode& mode = {});

  NewFile(NewFile&& other) noexcept;
  NewFile& operator=(NewFile&& other) noexcept;
  ~NewFile();  // removes a file not placed

  // Appends data whole. False when this or an earlier write failed; later
  // writes are then ignored and the file is never placed.
  bool write(std::span<const std::uint8_t> data);
  // The errno of the write that failed, 0 while none has.
  int writeError() const { return writeError_; }

  // Flushes the file to disk and gives it the first name nameFor(1),
  // nameFor(2), ... nameFor(limit) that no file of the folder holds. The
  // path it now has; nothing (errno set: EEXIST when every name was taken)
  // when a write had failed or it could not be placed, and the file is then
  // removed.
  std::optional<std::string> placeUnderFreeName(const std::function<std::string(int)>& nameFor, int limit);
  // Removes the file.
  void discard();

 private:
  NewFile(std::string folder, std::unique_ptr<detail::TemporaryFile> file);
  std::string folder_;  // "" or ending in '/'
  std::unique_ptr<detail::TemporaryFile> file_;
  int writeError_ = 0;
};

}  // namespace platform
