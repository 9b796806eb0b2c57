// What the library keeps once per process, shared by every thread's engine:
// its own location, the service-guide state, the settings read at each
// initialisation and the rating lock. The process-attach work runs once, on
// the first call into the library.
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

  // The service guide: 'Y' when its library is bound, else 'N'; the folder
  // named in ktq_qkdll.ini.
  std::atomic<char> serviceGuideLetter{'N'};
  std::string serviceGuideFolder;

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

inline constexpr const char* kServiceGuideSettingsFile = "ktq_qkdll.ini";
inline constexpr const char* kServiceGuideNotFound = "NOT FOUND";

}  // namespace vorn
