#include "platform/testing/process_table.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace platform::testing {

std::vector<ChildState> ChildrenOfThisProcess() {
  std::vector<ChildState> children;
  const pid_t self = ::getpid();
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
    const std::string name = entry.path().filename().string();
    if (name.empty() || !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
    std::ifstream in(entry.path() / "stat");
    std::string line;
    if (!std::getline(in, line)) continue;  // it ended meanwhile
    // "pid (name) state ppid ...": the name may hold blanks and parentheses.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 1));
    char state = '?';
    pid_t parent = 0;
    if (rest >> state >> parent && parent == self) children.push_back({static_cast<pid_t>(std::stoi(name)), state});
  }
  return children;
}

bool WaitUntilNoChildren(pid_t except) {
  for (int attempt = 0; attempt < 3000; ++attempt) {
    const std::vector<ChildState> children = ChildrenOfThisProcess();
    if (std::all_of(children.begin(), children.end(), [except](const ChildState& c) { return c.pid == except; }))
      return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

}  // namespace platform::testing
