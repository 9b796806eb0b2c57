// The lock exports take the machine-wide mutex "VornEffectiveMutexObject":
// recursive for the thread that holds it, exclusive across threads and
// processes, and taken over from a holder that died.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "support/engine_library.h"

namespace vorn {
namespace {

using namespace std::chrono_literals;
using testing::EngineLibrary;

TEST(EffectiveLock, IsRecursiveForItsHolderAndReleasedOncePerLock) {
  EngineLibrary engine;
  EXPECT_EQ(engine->LockEffective(), 1);
  EXPECT_EQ(engine->LockEffectiveEx(nullptr), 1);
  EXPECT_EQ(engine->UnlockEffective(), 1);
  EXPECT_EQ(engine->UnlockEffectiveEx(nullptr), 1);
  EXPECT_EQ(engine->UnlockEffective(), 0);  // not held any more
}

TEST(EffectiveLock, ExcludesAnotherThreadsEngineUntilReleased) {
  EngineLibrary engine;
  ASSERT_EQ(engine->LockEffective(), 1);
  std::atomic<bool> obtained{false};
  std::thread other([&] {
    EXPECT_EQ(engine->UnlockEffective(), 0);  // its engine does not hold it
    obtained = engine->LockEffective() == 1;
    engine->UnlockEffective();
  });
  std::this_thread::sleep_for(100ms);
  EXPECT_FALSE(obtained.load());
  EXPECT_EQ(engine->UnlockEffective(), 1);
  other.join();
  EXPECT_TRUE(obtained.load());
}

// A child process that holds the lock until told to release it ('r') or
// until it is killed.
class LockingChild {
 public:
  explicit LockingChild(const EngineLibrary& engine) {
    int up[2], down[2];
    if (::pipe(up) != 0 || ::pipe(down) != 0) std::abort();
    pid_ = ::fork();
    if (pid_ == 0) {
      char held = engine->LockEffective() == 1 ? 'y' : 'n';
      if (::write(up[1], &held, 1) != 1) ::_exit(2);
      char command = 0;
      if (::read(down[0], &command, 1) == 1 && command == 'r') engine->UnlockEffective();
      ::_exit(0);
    }
    ::close(up[1]);
    ::close(down[0]);
    fromChild_ = up[0];
    toChild_ = down[1];
  }
  ~LockingChild() {
    if (pid_ > 0) kill();
    ::close(fromChild_);
    ::close(toChild_);
  }
  bool holdsTheLock() {
    char held = 0;
    return ::read(fromChild_, &held, 1) == 1 && held == 'y';
  }
  void release() {
    char c = 'r';
    ASSERT_EQ(::write(toChild_, &c, 1), 1);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }
  void kill() {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int fromChild_ = -1;
  int toChild_ = -1;
};

// Takes the lock on another thread of this process, so the test can see
// whether the lock is still being waited for.
class WaitingLocker {
 public:
  explicit WaitingLocker(const EngineLibrary& engine)
      : thread_([this, &engine] {
          result_ = engine->LockEffective();
          done_ = true;
          engine->UnlockEffective();
        }) {}
  ~WaitingLocker() {
    if (thread_.joinable()) thread_.join();
  }
  bool done() const { return done_; }
  int finish() {
    thread_.join();
    return result_;
  }

 private:
  std::atomic<bool> done_{false};
  int result_ = -1;
  std::thread thread_;
};

TEST(EffectiveLock, AnotherProcessBlocksTheLockUntilItReleases) {
  EngineLibrary engine;
  LockingChild child(engine);
  ASSERT_TRUE(child.holdsTheLock());
  WaitingLocker waiter(engine);
  std::this_thread::sleep_for(150ms);
  EXPECT_FALSE(waiter.done());
  child.release();
  EXPECT_EQ(waiter.finish(), 1);
}

TEST(EffectiveLock, AProcessThatDiesHoldingTheLockLeavesItToTheNextWaiter) {
  EngineLibrary engine;
  LockingChild child(engine);
  ASSERT_TRUE(child.holdsTheLock());
  WaitingLocker waiter(engine);
  std::this_thread::sleep_for(150ms);
  EXPECT_FALSE(waiter.done());
  child.kill();
  EXPECT_EQ(waiter.finish(), 1);  // abandoned counts as obtained
}

}  // namespace
}  // namespace vorn
