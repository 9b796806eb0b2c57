// Test support: the children of this process as /proc shows them, to find
// children left running or left as zombies.
#pragma once

#include <sys/types.h>
#include <vector>

namespace platform::testing {

struct ChildState {
  pid_t pid = 0;
  char state = '?';  // as /proc/<pid>/stat gives it: 'R', 'S', 'Z' (a zombie), ...
};

std::vector<ChildState> ChildrenOfThisProcess();

// Waits until this process has no child but except (none listed, neither
// running nor a zombie). False when one is still listed after a bound only a
// fault reaches.
bool WaitUntilNoChildren(pid_t except = 0);

}  // namespace platform::testing
