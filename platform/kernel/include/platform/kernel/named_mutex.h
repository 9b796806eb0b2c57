// A machine-wide named mutex. It is owned by one thread at a time, across all
// threads and processes of the machine; the owner may wait for it again and
// must release it once per successful wait. A holder that ends (its thread
// exits or its process dies) without releasing leaves it abandoned: the next
// waiter obtains it and is told so.
//
// Across processes the mutex is an exclusive flock(2) on the lock file
// <directory>/<name>.lock (directory /tmp unless given), created readable and
// writable by everyone. The file also holds the process id of the holder, so
// that a holder that died is recognised. Within a process every handle of one
// name shares one state, so threads exclude each other as processes do; the
// lock file stays open (unlocked) between ownerships.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

enum class MutexWait {
  Obtained,   // the mutex was free or released
  Abandoned,  // its holder ended without releasing; the caller owns it now
  TimedOut,
  Failed,     // the lock file cannot be opened
};

inline bool IsOwned(MutexWait result) { return result == MutexWait::Obtained || result == MutexWait::Abandoned; }

class NamedMutex {
 public:
  // A handle to the mutex of this name (nothing is locked yet).
  explicit NamedMutex(std::string_view name, std::string_view lockDirectory = kDefaultLockDirectory);
  ~NamedMutex();
  NamedMutex(const NamedMutex&) = delete;
  NamedMutex& operator=(const NamedMutex&) = delete;

  MutexWait wait(std::chrono::milliseconds timeout);
  // Releases one ownership of the calling thread; false when the calling
  // thread does not own the mutex.
  bool release();
  bool isOwnedByCallingThread() const;

  static constexpr std::string_view kDefaultLockDirectory = "/tmp";

  struct State;

 private:
  std::shared_ptr<State> state_;
};

}  // namespace platform
