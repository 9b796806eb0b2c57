// Programs the desktop tests put on a search path of their own in place of
// the desktop's: shell scripts that record their arguments.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/testing/temp_directory.h"

namespace platform::desktop {

class StubPrograms {
 public:
  std::string searchPath() const { return (dir_ / "bin").string(); }
  // A stub that records its arguments, then runs rest (and ends with 0
  // unless rest ends it otherwise).
  void add(const std::string& name, const std::string& rest = "") const;
  // The arguments the stub was last started with; nothing when it never ran.
  std::optional<std::vector<std::string>> arguments(const std::string& name) const;
  const platform::testing::TempDirectory& dir() const { return dir_; }

 private:
  platform::testing::TempDirectory dir_;
};

}  // namespace platform::desktop
