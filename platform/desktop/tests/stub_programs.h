// Programs the desktop tests put on a search path of their own, in place of
// the desktop's: shell scripts that record how they were started.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/testing/temp_directory.h"

namespace platform::desktop {

class StubPrograms {
 public:
  // The search path that holds the stubs (and nothing else).
  std::string searchPath() const { return (dir_ / "bin").string(); }
  // A stub that writes its arguments where arguments() reads them, then runs
  // the rest of its script (ended with "exit 0" unless the rest says otherwise).
  void add(std::string_view name, std::string_view rest = "") const;
  // A file in bin/ that is not a program this system can run.
  void addUnrunnable(std::string_view name) const;
  // The arguments the stub was last started with; empty when it never ran.
  std::vector<std::string> arguments(std::string_view name) const;
  bool ran(std::string_view name) const;
  const platform::testing::TempDirectory& dir() const { return dir_; }

 private:
  platform::testing::TempDirectory dir_;
};

}  // namespace platform::desktop
