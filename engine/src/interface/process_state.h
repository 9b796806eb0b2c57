// What the library keeps once per process, shared by every thread's engine:
// its own location, the settings read at each initialisation and the rating
// lock. The process-attach work runs once, on the first call into the
// library; it loads the service guide (guide/service_guide_library.h).
#pragma once

#include <atomic>
#include <mutex>
#include <string>

#include "platform/kernel/critical_section.h"

namespace vorn {

class ProcessState {
 public:
  // The library's full file name and its directory (with a separator).
  std::string modulePath;
  std::string moduleDirectory;

  // Written by every initialisation, read by every thread.
  std::atomic<int> useCriticalSection{1};
  void setSettingsFile(std::string path);
  std::string settingsFile() const;

  platform::CriticalSection ratingLock;

 private:
  mutable std::mutex mutex_;
  std::string settingsFile_;
};

// The process state, after the process-attach work has run.
ProcessState& Process();

// Where the service guide's folder is named ([Product] Path).
inline constexpr const char* kServiceGuideSettingsFile = "ktq_qkdll.ini";

}  // namespace vorn
