#include "platform/kernel/named_mutex.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <optional>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace platform {

struct NamedMutex::State {
  std::string lockPath;
  std::mutex mutex;
  std::condition_variable released;
  std::optional<std::thread::id> owner;  // set while a thread owns or is acquiring
  std::atomic<bool> claimed{false};      // owner is set (read without the mutex)
  int count = 0;                         // ownerships of the owner
  // The lock file, kept open between ownerships (unlocked while nobody in
  // the process owns the mutex), and the file it was opened as.
  int fd = -1;
  dev_t device = 0;
  ino_t inode = 0;
  std::uint32_t pid = 0;  // this process, as the holder it records
  // The handles that have a descriptor of their own for shared holds.
  std::vector<NamedMutex*> sharedHandles;

  ~State() {
    if (fd >= 0) ::close(fd);
  }
  // In a forked child: none of the parent's ownerships or shared holds is
  // the child's; its copies of the descriptors are dropped without unlocking
  // the parent's.
  void dropInChild() {
    if (fd >= 0) ::close(fd);
    fd = -1;  // the child opens its own when it waits
    owner.reset();
    claimed = false;
    count = 0;
    for (NamedMutex* handle : sharedHandles) {
      ::close(handle->sharedFd_);
      handle->sharedFd_ = -1;
    }
    sharedHandles.clear();
  }
};

namespace {

using Clock = std::chrono::steady_clock;

// Every state of this process, by lock-file path.
struct Registry {
  std::mutex mutex;
  std::map<std::string, std::weak_ptr<NamedMutex::State>> states;
};

Registry& TheRegistry() {
  static Registry registry;
  static std::once_flag forkHandler;
  std::call_once(forkHandler, [] {
    ::pthread_atfork(nullptr, nullptr, [] {
      Registry& reg = TheRegistry();
      for (auto& [path, weak] : reg.states)
        if (std::shared_ptr<NamedMutex::State> s = weak.lock()) s->dropInChild();
    });
  });
  return registry;
}

// The states the calling thread owns, abandoned when the thread ends.
struct ThreadOwnerships {
  std::vector<std::shared_ptr<NamedMutex::State>> owned;
  ~ThreadOwnerships();
};
thread_local ThreadOwnerships tOwnerships;

std::uint32_t ReadHolder(int fd) {
  std::uint8_t bytes[4] = {};
  if (::pread(fd, bytes, 4, 0) != 4) return 0;
  return static_cast<std::uint32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                                    static_cast<std::uint32_t>(bytes[3]) << 24);
}

void WriteHolder(int fd, std::uint32_t pid) {
  const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(pid), static_cast<std::uint8_t>(pid >> 8),
                                 static_cast<std::uint8_t>(pid >> 16), static_cast<std::uint8_t>(pid >> 24)};
  // A read-only lock file cannot record its holder; the lock still works.
  [[maybe_unused]] ssize_t n = ::pwrite(fd, bytes, 4, 0);
}

int OpenLockFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd >= 0) {
    ::fchmod(fd, 0666);  // so that other users' processes can share it
    return fd;
  }
  return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

// The lock file of the state (called by the thread that claimed it): the
// descriptor kept open, as long as it is still the file at the lock path
// (one removed or replaced is opened again, so that every process locks the
// same file), else a new one; -1 when it cannot be opened.
int LockFileOf(NamedMutex::State& s) {
  struct stat st;
  if (s.fd >= 0) {
    if (::stat(s.lockPath.c_str(), &st) == 0 && st.st_dev == s.device && st.st_ino == s.inode) return s.fd;
    ::close(s.fd);
    s.fd = -1;
  }
  const int fd = OpenLockFile(s.lockPath);
  if (fd < 0) return -1;
  if (::fstat(fd, &st) != 0) {
    ::close(fd);
    return -1;
  }
  s.fd = fd;
  s.device = st.st_dev;
  s.inode = st.st_ino;
  s.pid = static_cast<std::uint32_t>(::getpid());
  return fd;
}

// Gives up the ownership of a state held by the calling thread (mutex held).
// An abandoning holder leaves its process id in the lock file, which tells
// the next owner that the mutex was abandoned.
void Unlock(NamedMutex::State& s, bool abandon) {
  if (s.fd >= 0) {
    if (!abandon) WriteHolder(s.fd, 0);
    ::flock(s.fd, LOCK_UN);
  }
  s.owner.reset();
  s.claimed = false;
  s.count = 0;
  s.released.notify_one();
}

bool OwnedByCallingThread(const std::shared_ptr<NamedMutex::State>& state) {
  const auto& owned = tOwnerships.owned;
  return std::find(owned.begin(), owned.end(), state) != owned.end();
}

void Forget(const std::shared_ptr<NamedMutex::State>& state) {
  auto& owned = tOwnerships.owned;
  owned.erase(std::remove(owned.begin(), owned.end(), state), owned.end());
}

ThreadOwnerships::~ThreadOwnerships() {
  for (const std::shared_ptr<NamedMutex::State>& s : owned) {
    std::lock_guard lock(s->mutex);
    if (s->owner == std::this_thread::get_id()) Unlock(*s, /*abandon=*/true);
  }
}

}  // namespace

NamedMutex::NamedMutex(std::string_view name, std::string_view lockDirectory) {
  std::string path(lockDirectory);
  if (!path.empty() && path.back() != '/') path.push_back('/');
  path += name;
  path += ".lock";
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  std::weak_ptr<State>& slot = registry.states[path];
  state_ = slot.lock();
  if (!state_) {
    state_ = std::make_shared<State>();
    state_->lockPath = path;
    slot = state_;
  }
}

NamedMutex::~NamedMutex() { closeSharedFile(); }

MutexWait NamedMutex::wait(std::chrono::milliseconds timeout) {
  State& s = *state_;
  const auto deadline = Clock::now() + timeout;
  const std::thread::id me = std::this_thread::get_id();
  std::unique_lock lock(s.mutex);
  if (s.owner == me && s.count > 0) {
    ++s.count;
    return MutexWait::Obtained;
  }
  if (!s.released.wait_until(lock, deadline, [&] { return !s.owner.has_value(); })) return MutexWait::TimedOut;
  s.owner = me;  // claimed within the process; now win it across processes
  s.claimed = true;
  lock.unlock();

  const int fd = LockFileOf(s);
  auto giveUp = [&](MutexWait result) {
    std::lock_guard relock(s.mutex);
    s.owner.reset();
    s.claimed = false;
    s.released.notify_one();
    return result;
  };
  if (fd < 0) return giveUp(MutexWait::Failed);
  auto pause = std::chrono::microseconds(200);
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) return giveUp(MutexWait::Failed);
    const auto now = Clock::now();
    if (now >= deadline) return giveUp(MutexWait::TimedOut);
    std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
    pause = std::min<std::chrono::microseconds>(pause * 2, std::chrono::milliseconds(10));
  }
  const bool holderDied = ReadHolder(fd) != 0;
  WriteHolder(fd, s.pid);

  lock.lock();
  s.count = 1;
  lock.unlock();
  tOwnerships.owned.push_back(state_);
  return holderDied ? MutexWait::Abandoned : MutexWait::Obtained;
}

bool NamedMutex::release() {
  State& s = *state_;
  std::unique_lock lock(s.mutex);
  if (s.owner != std::this_thread::get_id() || s.count == 0) return false;
  if (--s.count > 0) return true;
  Unlock(s, /*abandon=*/false);
  lock.unlock();
  Forget(state_);
  return true;
}

bool NamedMutex::isOwnedByCallingThread() const {
  std::lock_guard lock(state_->mutex);
  return state_->owner == std::this_thread::get_id() && state_->count > 0;
}

bool NamedMutex::openSharedFile() {
  const int fd = OpenLockFile(state_->lockPath);
  struct stat st;
  if (fd < 0 || ::fstat(fd, &st) != 0) {
    if (fd >= 0) ::close(fd);
    return false;
  }
  std::lock_guard lock(state_->mutex);
  sharedFd_ = fd;
  sharedDevice_ = st.st_dev;
  sharedInode_ = st.st_ino;
  state_->sharedHandles.push_back(this);
  return true;
}

void NamedMutex::closeSharedFile() {
  std::lock_guard lock(state_->mutex);
  if (sharedFd_ >= 0) ::close(sharedFd_);
  sharedFd_ = -1;
  auto& handles = state_->sharedHandles;
  handles.erase(std::remove(handles.begin(), handles.end(), this), handles.end());
}

bool NamedMutex::holdShared() {
  // The calling thread's ownership would exclude its own shared hold.
  if (OwnedByCallingThread(state_)) return false;
  // A lock file removed or replaced since it was opened is not the one the
  // others lock: the one at the path is opened and locked instead.
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (sharedFd_ < 0 && !openSharedFile()) return false;
    if (::flock(sharedFd_, LOCK_SH | LOCK_NB) != 0) return false;
    struct stat st;
    if (::stat(state_->lockPath.c_str(), &st) == 0 && static_cast<std::uint64_t>(st.st_dev) == sharedDevice_ &&
        static_cast<std::uint64_t>(st.st_ino) == sharedInode_)
      return true;
    ::flock(sharedFd_, LOCK_UN);
    closeSharedFile();
  }
  return false;
}

void NamedMutex::releaseShared() {
  if (sharedFd_ >= 0) ::flock(sharedFd_, LOCK_UN);
}

}  // namespace platform
