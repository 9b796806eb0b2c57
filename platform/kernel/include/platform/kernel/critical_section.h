// A process-wide lock that the owning thread may enter again; each enter
// needs its leave.
#pragma once

#include <mutex>

namespace platform {

class CriticalSection {
 public:
  void enter() { mutex_.lock(); }
  bool tryEnter() { return mutex_.try_lock(); }
  void leave() { mutex_.unlock(); }

 private:
  std::recursive_mutex mutex_;
};

// Holds a critical section for a scope; an empty guard holds nothing.
class CriticalSectionGuard {
 public:
  explicit CriticalSectionGuard(CriticalSection* section) : section_(section) {
    if (section_ != nullptr) section_->enter();
  }
  ~CriticalSectionGuard() {
    if (section_ != nullptr) section_->leave();
  }
  CriticalSectionGuard(const CriticalSectionGuard&) = delete;
  CriticalSectionGuard& operator=(const CriticalSectionGuard&) = delete;

 private:
  CriticalSection* section_;
};

}  // namespace platform
