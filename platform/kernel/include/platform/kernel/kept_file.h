// A small file read whole at every use, as fresh as if it were read anew each
// time, without reading it each time: its contents are kept from one use to
// the next, and each use looks at the file once (one stat) and reads it
// again unless the stamp is the one the kept copy was read under.
//
// The stamp: device, inode, size, modification and change times. Writing
// the file in place moves both times; replacing it by rename brings another
// inode; a copy that puts the old modification time back still moves the
// change time. Time stamps are coarse (a clock tick on local file systems,
// up to two seconds on others), so a change made in the same tick as the one
// before the copy was read would keep the stamp: a copy is therefore used
// again only when both times lay more than two seconds in the past just
// before it was read (IsSettled); any later change then carries a later
// time. A file changed more recently is read at every use.
//
// Names are matched without regard to case, as File::OpenReadOnly matches
// them. One caller at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/kernel/path.h"

namespace platform {

class KeptFile {
 public:
  // The whole file as it is now; null when there is no such file or it
  // cannot be read. Valid until the next call.
  const std::vector<std::uint8_t>* contents(std::string_view path);

  // How many times the file was read, for tests of the bookkeeping.
  std::uint64_t reads() const { return reads_; }

 private:
  // What identifies one state of the file: the device, inode and both times
  // of its entry, and its size.
  struct Stamp {
    FolderStamp entry;
    std::int64_t size = 0;
    friend bool operator==(const Stamp&, const Stamp&) = default;
  };
  static std::optional<Stamp> StampOf(const std::string& native);

  std::string given_;          // the path as last asked for
  std::string native_;         // its native form
  std::optional<Stamp> kept_;  // the settled stamp the contents were read under
  std::optional<std::vector<std::uint8_t>> contents_;
  std::uint64_t reads_ = 0;
};

}  // namespace platform
