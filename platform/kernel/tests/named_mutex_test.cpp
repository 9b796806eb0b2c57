#include "platform/kernel/named_mutex.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <unistd.h>

#include "platform/testing/child_process.h"
#include "platform/testing/temp_directory.h"

namespace platform {
namespace {

using namespace std::chrono_literals;
using platform::testing::ChildProcess;
using platform::testing::TempDirectory;

class NamedMutexTest : public ::testing::Test {
 protected:
  std::string dir() const { return dir_.path().string(); }
  TempDirectory dir_;
};

TEST_F(NamedMutexTest, OwnerMayWaitAgainAndReleasesOncePerWait) {
  NamedMutex m("Recursive", dir());
  EXPECT_EQ(m.wait(0ms), MutexWait::Obtained);
  EXPECT_EQ(m.wait(0ms), MutexWait::Obtained);
  EXPECT_TRUE(m.release());
  EXPECT_TRUE(m.isOwnedByCallingThread());
  EXPECT_TRUE(m.release());
  EXPECT_FALSE(m.isOwnedByCallingThread());
  EXPECT_FALSE(m.release());  // nothing left to release
}

TEST_F(NamedMutexTest, OtherThreadsAreExcludedUntilRelease) {
  NamedMutex mine("Shared", dir());
  ASSERT_EQ(mine.wait(0ms), MutexWait::Obtained);
  std::thread other([&] {
    NamedMutex theirs("Shared", dir());  // a second handle of the same mutex
    EXPECT_EQ(theirs.wait(30ms), MutexWait::TimedOut);
    EXPECT_FALSE(theirs.release());  // a thread that does not own it cannot release it
  });
  other.join();
  EXPECT_TRUE(mine.release());
  std::thread after([&] {
    NamedMutex theirs("Shared", dir());
    EXPECT_EQ(theirs.wait(1s), MutexWait::Obtained);
    EXPECT_TRUE(theirs.release());
  });
  after.join();
}

TEST_F(NamedMutexTest, AThreadThatEndsOwningItLeavesItAbandoned) {
  std::thread holder([&] {
    NamedMutex m("Abandoned", dir());
    ASSERT_EQ(m.wait(0ms), MutexWait::Obtained);
  });
  holder.join();
  NamedMutex m("Abandoned", dir());
  EXPECT_EQ(m.wait(1s), MutexWait::Abandoned);
  EXPECT_TRUE(m.release());
  EXPECT_EQ(m.wait(0ms), MutexWait::Obtained);
  EXPECT_TRUE(m.release());
}

TEST_F(NamedMutexTest, MissingLockDirectoryFailsTheWait) {
  NamedMutex m("Nowhere", dir() + "/missing");
  EXPECT_EQ(m.wait(0ms), MutexWait::Failed);
  EXPECT_FALSE(m.isOwnedByCallingThread());
}

// A child process takes the mutex and answers 'y', then releases it on 'r'
// or holds it until it is killed on any other command.
std::unique_ptr<ChildProcess> HoldInChild(const std::string& dir) {
  return std::make_unique<ChildProcess>([dir](ChildProcess::Channel& channel) {
    NamedMutex m("CrossProcess", dir);
    channel.send(IsOwned(m.wait(5s)) ? 'y' : 'n');
    if (channel.receive() == 'r')
      m.release();
    else
      ::pause();
  });
}

TEST_F(NamedMutexTest, AnotherProcessIsExcludedUntilItReleases) {
  auto child = HoldInChild(dir());
  ASSERT_EQ(child->receive(), 'y');
  NamedMutex m("CrossProcess", dir());
  EXPECT_EQ(m.wait(50ms), MutexWait::TimedOut);
  child->send('r');
  child->wait();
  EXPECT_EQ(m.wait(1s), MutexWait::Obtained);
  EXPECT_TRUE(m.release());
}

TEST_F(NamedMutexTest, AProcessThatDiesHoldingItLeavesItAbandoned) {
  auto child = HoldInChild(dir());
  ASSERT_EQ(child->receive(), 'y');
  NamedMutex m("CrossProcess", dir());
  EXPECT_EQ(m.wait(20ms), MutexWait::TimedOut);
  child->kill();
  EXPECT_EQ(m.wait(1s), MutexWait::Abandoned);
  EXPECT_TRUE(m.release());
}

TEST_F(NamedMutexTest, AForkedChildDoesNotInheritItsParentsOwnership) {
  NamedMutex m("Inherited", dir());
  ASSERT_EQ(m.wait(0ms), MutexWait::Obtained);
  ChildProcess child([this](ChildProcess::Channel& channel) {
    NamedMutex c("Inherited", dir());
    channel.send(c.wait(20ms) == MutexWait::TimedOut ? 't' : 'o');
  });
  EXPECT_EQ(child.receive(), 't');
  EXPECT_TRUE(m.release());
}

// Readers hold the mutex shared: they do not exclude one another, and they
// exclude owners of every thread and process until they let go.
TEST_F(NamedMutexTest, SharedHoldsExcludeOwnersButNotOneAnother) {
  NamedMutex first("Readers", dir());
  NamedMutex second("Readers", dir());
  ASSERT_TRUE(first.holdShared());
  std::thread reader([&] {
    EXPECT_TRUE(second.holdShared());
    second.releaseShared();
  });
  reader.join();
  std::thread owner([&] {
    NamedMutex theirs("Readers", dir());
    EXPECT_EQ(theirs.wait(30ms), MutexWait::TimedOut);
  });
  owner.join();
  ChildProcess child([this](ChildProcess::Channel& channel) {
    NamedMutex c("Readers", dir());
    channel.send(c.wait(20ms) == MutexWait::TimedOut ? 't' : 'o');
  });
  EXPECT_EQ(child.receive(), 't');
  first.releaseShared();
  EXPECT_EQ(second.wait(0ms), MutexWait::Obtained);
  EXPECT_TRUE(second.release());
}

// While anyone owns the mutex a shared hold is refused at once: the caller
// then takes it again (its own) or waits for it.
TEST_F(NamedMutexTest, AnOwnedMutexRefusesSharedHoldsUntilItIsReleased) {
  NamedMutex mine("CrossProcess", dir());
  ASSERT_EQ(mine.wait(0ms), MutexWait::Obtained);
  EXPECT_FALSE(mine.holdShared());  // its owner
  std::thread other([&] {
    NamedMutex theirs("CrossProcess", dir());
    EXPECT_FALSE(theirs.holdShared());  // another thread of the process
  });
  other.join();
  ASSERT_TRUE(mine.release());
  EXPECT_TRUE(mine.holdShared());
  mine.releaseShared();

  auto child = HoldInChild(dir());  // another process
  ASSERT_EQ(child->receive(), 'y');
  EXPECT_FALSE(mine.holdShared());
  child->send('r');
  child->wait();
  EXPECT_TRUE(mine.holdShared());
  mine.releaseShared();
}

// A forked child's copy of a handle does not share its parent's hold, and a
// lock file removed and made again by another process is the one held.
TEST_F(NamedMutexTest, ASharedHoldStaysWithItsProcessAndItsLockFile) {
  NamedMutex m("CrossProcess", dir());
  ASSERT_TRUE(m.holdShared());
  ChildProcess forked([&](ChildProcess::Channel& channel) {
    m.releaseShared();  // the child's copy holds nothing to release
    NamedMutex c("CrossProcess", dir());
    channel.send(c.wait(20ms) == MutexWait::TimedOut ? 't' : 'o');
  });
  EXPECT_EQ(forked.receive(), 't');
  m.releaseShared();

  ASSERT_EQ(::unlink((dir() + "/CrossProcess.lock").c_str()), 0);
  auto holder = HoldInChild(dir());
  ASSERT_EQ(holder->receive(), 'y');
  EXPECT_FALSE(m.holdShared());
  holder->send('r');
  holder->wait();
  EXPECT_TRUE(m.holdShared());
  m.releaseShared();
}

// The lock file stays open between ownerships: unlocked, it excludes no
// one, a child forked meanwhile does not share it, and a lock file removed
// and made again by another process is the one locked.
TEST_F(NamedMutexTest, TheLockFileKeptOpenBetweenOwnershipsStaysTheOneSharedWithOthers) {
  NamedMutex m("CrossProcess", dir());
  ASSERT_EQ(m.wait(0ms), MutexWait::Obtained);
  ASSERT_TRUE(m.release());
  {
    auto child = HoldInChild(dir());
    EXPECT_EQ(child->receive(), 'y');
    child->send('r');
    child->wait();
  }

  ChildProcess forked([this](ChildProcess::Channel& channel) {
    channel.receive();  // the parent owns the mutex now
    NamedMutex c("CrossProcess", dir());
    channel.send(c.wait(20ms) == MutexWait::TimedOut ? 't' : 'o');
  });
  ASSERT_EQ(m.wait(0ms), MutexWait::Obtained);
  forked.send('g');
  EXPECT_EQ(forked.receive(), 't');
  ASSERT_TRUE(m.release());

  ASSERT_EQ(::unlink((dir() + "/CrossProcess.lock").c_str()), 0);
  auto holder = HoldInChild(dir());
  ASSERT_EQ(holder->receive(), 'y');
  EXPECT_EQ(m.wait(30ms), MutexWait::TimedOut);
  holder->send('r');
  holder->wait();
  EXPECT_EQ(m.wait(1s), MutexWait::Obtained);
  EXPECT_TRUE(m.release());
}

}  // namespace
}  // namespace platform
