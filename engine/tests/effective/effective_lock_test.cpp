// The lock exports take the machine-wide mutex "VornEffectiveMutexObject":
// recursive for the thread that holds it, exclusive across threads and
// processes, and taken over from a holder that died.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "platform/testing/child_process.h"
#include "support/engine_library.h"

namespace vorn {
namespace {

using namespace std::chrono_literals;
using platform::testing::ChildProcess;
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

// A child process that takes the lock and answers 'y', then releases it on
// 'r' or holds it until it is killed.
std::unique_ptr<ChildProcess> LockInChild(const EngineLibrary& engine) {
  return std::make_unique<ChildProcess>([&engine](ChildProcess::Channel& channel) {
    channel.send(engine->LockEffective() == 1 ? 'y' : 'n');
    if (channel.receive() == 'r') engine->UnlockEffective();
  });
}

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
  auto child = LockInChild(engine);
  ASSERT_EQ(child->receive(), 'y');
  WaitingLocker waiter(engine);
  std::this_thread::sleep_for(150ms);
  EXPECT_FALSE(waiter.done());
  child->send('r');
  child->wait();
  EXPECT_EQ(waiter.finish(), 1);
}

TEST(EffectiveLock, AProcessThatDiesHoldingTheLockLeavesItToTheNextWaiter) {
  EngineLibrary engine;
  auto child = LockInChild(engine);
  ASSERT_EQ(child->receive(), 'y');
  WaitingLocker waiter(engine);
  std::this_thread::sleep_for(150ms);
  EXPECT_FALSE(waiter.done());
  child->kill();
  EXPECT_EQ(waiter.finish(), 1);  // abandoned counts as obtained
}

}  // namespace
}  // namespace vorn
