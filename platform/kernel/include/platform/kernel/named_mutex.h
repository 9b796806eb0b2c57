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
// lock file stays open (unlocked) between ownerships. Waiters of the process
// sleep until the owner releases it.
//
// Readers that only need nobody to own the mutex while they read hold it
// shared instead: a shared flock on the same file through a descriptor of
// their handle's own, which excludes owners (of any process) but not other
// readers, so that readers never wait for one another.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

enum class MutexWait {
  Obtained,   // the mutex was free or released
  Abandoned,  // its holder ended without releasing; the caller owns it now
  TimedOut,
  Failed,  // the lock file cannot be opened
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

  // Holds the mutex shared, when nobody owns it: true while no thread or
  // process can own it, other readers holding it shared too. False at once
  // when it is owned, by the calling thread or another (wait() then takes it
  // again or waits for it), or when the lock file cannot be opened. A handle
  // has at most one shared hold at a time, released by releaseShared().
  bool holdShared();
  void releaseShared();

  static constexpr std::string_view kDefaultLockDirectory = "/tmp";

  struct State;

 private:
  bool openSharedFile();
  void closeSharedFile();

  std::shared_ptr<State> state_;
  // The handle's own descriptor of the lock file for shared holds (-1 until
  // the first), and the file it was opened as.
  int sharedFd_ = -1;
  std::uint64_t sharedDevice_ = 0;
  std::uint64_t sharedInode_ = 0;
};

}  // namespace platform
