#include "platform/kernel/named_mutex.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "platform/testing/temp_directory.h"

namespace platform {
namespace {

using namespace std::chrono_literals;
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

// A child process takes the mutex, tells the parent, then waits for one
// command byte: 'r' releases and exits, 'k' stays until it is killed.
class ProcessHolder {
 public:
  ProcessHolder(const std::string& dir) {
    int toParent[2], toChild[2];
    if (::pipe(toParent) != 0 || ::pipe(toChild) != 0) std::abort();
    pid_ = ::fork();
    if (pid_ == 0) {
      NamedMutex m("CrossProcess", dir);
      char ok = IsOwned(m.wait(5s)) ? 'y' : 'n';
      if (::write(toParent[1], &ok, 1) != 1) ::_exit(2);
      char command = 0;
      if (::read(toChild[0], &command, 1) != 1) ::_exit(3);
      if (command == 'r') m.release();
      else ::pause();
      ::_exit(0);
    }
    ::close(toParent[1]);
    ::close(toChild[0]);
    fromChild_ = toParent[0];
    toChild_ = toChild[1];
  }
  ~ProcessHolder() {
    ::close(fromChild_);
    ::close(toChild_);
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  bool holds() {
    char ok = 0;
    return ::read(fromChild_, &ok, 1) == 1 && ok == 'y';
  }
  void releaseAndExit() {
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

TEST_F(NamedMutexTest, AnotherProcessIsExcludedUntilItReleases) {
  ProcessHolder child(dir());
  ASSERT_TRUE(child.holds());
  NamedMutex m("CrossProcess", dir());
  EXPECT_EQ(m.wait(50ms), MutexWait::TimedOut);
  child.releaseAndExit();
  EXPECT_EQ(m.wait(1s), MutexWait::Obtained);
  EXPECT_TRUE(m.release());
}

TEST_F(NamedMutexTest, AProcessThatDiesHoldingItLeavesItAbandoned) {
  ProcessHolder child(dir());
  ASSERT_TRUE(child.holds());
  NamedMutex m("CrossProcess", dir());
  EXPECT_EQ(m.wait(20ms), MutexWait::TimedOut);
  child.kill();
  EXPECT_EQ(m.wait(1s), MutexWait::Abandoned);
  EXPECT_TRUE(m.release());
}

TEST_F(NamedMutexTest, AForkedChildDoesNotInheritItsParentsOwnership) {
  NamedMutex m("Inherited", dir());
  ASSERT_EQ(m.wait(0ms), MutexWait::Obtained);
  pid_t pid = ::fork();
  if (pid == 0) {
    NamedMutex c("Inherited", dir());
    ::_exit(c.wait(20ms) == MutexWait::TimedOut ? 0 : 1);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_TRUE(m.release());
}

}  // namespace
}  // namespace platform
