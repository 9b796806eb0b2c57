// Programs started, waited for, polled and forgotten.
#include "platform/kernel/process.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/testing/process_table.h"
#include "platform/testing/temp_directory.h"

namespace platform {
namespace {

using platform::testing::ChildrenOfThisProcess;
using platform::testing::ReadFileText;
using platform::testing::TempDirectory;
using platform::testing::WaitUntilNoChildren;
namespace fs = std::filesystem;

constexpr ProcessEnd Exited(int code) { return {ProcessEnd::Kind::Exited, code}; }
constexpr ProcessEnd Signalled(int signal) { return {ProcessEnd::Kind::Signalled, signal}; }

ProgramStart Probe(std::vector<std::string> arguments) { return {.program = PROCESS_PROBE, .arguments = std::move(arguments)}; }

std::vector<std::string> SplitAt(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
    parts.push_back(text.substr(start, end - start));
  return parts;
}

// Whether the child is a zombie, as /proc shows it.
bool IsZombie(pid_t pid) {
  for (const auto& child : ChildrenOfThisProcess())
    if (child.pid == pid) return child.state == 'Z';
  return false;
}

class Processes : public ::testing::Test {
 protected:
  // A probe that runs until release() closes the FIFO it reads.
  Process StartWaiting() {
    const fs::path fifo = dir_ / ("fifo" + std::to_string(fifos_++));
    EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ProcessStartResult started = StartProcess(Probe({"wait", fifo.string()}));
    EXPECT_TRUE(started.ok());
    waiting_.push_back(fifo);
    return std::move(started.process);
  }
  // Lets every waiting probe end.
  void release() {
    for (const fs::path& fifo : waiting_) ::close(::open(fifo.c_str(), O_WRONLY));
    waiting_.clear();
  }
  void TearDown() override { release(); }

  TempDirectory dir_;
  std::vector<fs::path> waiting_;
  int fifos_ = 0;
};

TEST_F(Processes, WaitAndPollReadHowAChildEndedAndPollingAgainAnswersTheSame) {
  const struct {
    std::vector<std::string> arguments;
    ProcessEnd end;
  } cases[] = {
      {{"exit", "0"}, Exited(0)},
      {{"exit", "3"}, Exited(3)},
      {{"exit", "255"}, Exited(255)},
      {{"signal", "15"}, Signalled(SIGTERM)},
      {{"signal", "9"}, Signalled(SIGKILL)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments[0] + " " + c.arguments[1]);
    ProcessStartResult waited = StartProcess(Probe(c.arguments));
    ASSERT_TRUE(waited.ok());
    EXPECT_EQ(waited.process.wait(), c.end);
    EXPECT_EQ(waited.process.poll(), c.end);

    ProcessStartResult polled = StartProcess(Probe(c.arguments));
    ASSERT_TRUE(polled.ok());
    std::optional<ProcessEnd> end;
    while (!(end = polled.process.poll())) std::this_thread::yield();
    EXPECT_EQ(end, c.end);
    // Reaped once: gone from the process table, and its end kept.
    EXPECT_TRUE(ChildrenOfThisProcess().empty());
    EXPECT_EQ(polled.process.poll(), c.end);
    EXPECT_EQ(polled.process.poll(), c.end);
    EXPECT_EQ(polled.process.wait(), c.end);
    EXPECT_FALSE(polled.process.running());
  }
}

TEST_F(Processes, ARunningChildPollsAsRunningUntilItEnds) {
  Process process = StartWaiting();
  EXPECT_EQ(process.poll(), std::nullopt);
  EXPECT_EQ(process.waitFor(std::chrono::milliseconds(0)), std::nullopt);
  EXPECT_TRUE(process.running());
  release();
  EXPECT_EQ(process.waitFor(std::chrono::minutes(1)), Exited(0));
  EXPECT_FALSE(process.running());
  EXPECT_EQ(process.poll(), Exited(0));

  // An empty process (a free slot) runs nothing.
  Process none;
  EXPECT_FALSE(none.started());
  EXPECT_FALSE(none.running());
}

TEST_F(Processes, ForgottenChildrenLeaveNoZombieAndOtherChildrenAreLeftToTheirOwner) {
  // A child of the test's own, ended: nothing here may reap it.
  const pid_t other = ::fork();
  if (other == 0) ::_exit(9);
  while (!IsZombie(other)) std::this_thread::yield();

  // Forgotten while it runs, then ended.
  StartWaiting().forget();
  // Destroyed while it runs.
  { Process dropped = StartWaiting(); }
  // Replaced in its slot while it runs.
  Process slot = StartWaiting();
  slot = StartWaiting();
  release();
  // Ended and a zombie already when forgotten.
  ProcessStartResult ended = StartProcess(Probe({"exit", "0"}));
  ASSERT_TRUE(ended.ok());
  while (!IsZombie(ended.process.id())) std::this_thread::yield();
  ended.process.forget();
  EXPECT_FALSE(ended.process.started());
  // Started and forgotten at once.
  EXPECT_EQ(StartAndForget(Probe({"exit", "0"})), 0);
  EXPECT_EQ(slot.wait(), Exited(0));

  ASSERT_TRUE(WaitUntilNoChildren(other));
  const auto children = ChildrenOfThisProcess();
  ASSERT_EQ(children.size(), 1u);
  EXPECT_EQ(children[0].pid, other);
  EXPECT_EQ(children[0].state, 'Z');
  int status = 0;
  ASSERT_EQ(::waitpid(other, &status, 0), other);
  EXPECT_EQ(WEXITSTATUS(status), 9);
}

TEST_F(Processes, AProgramThatCannotStartGivesAnErrorAndLeavesNothingRunning) {
  dir_.write("plain.txt", "not a program");
  fs::permissions(dir_ / "plain.txt", fs::perms(0644));
  dir_.write("garbage", "\x7f" "ELF but nothing a loader takes");
  fs::permissions(dir_ / "garbage", fs::perms(0755));
  dir_.write("orphan-script", "#!/no/such/interpreter\n");
  fs::permissions(dir_ / "orphan-script", fs::perms(0755));
  fs::create_directory(dir_ / "folder");
  const std::string in = dir_.withSeparator();
  const struct {
    const char* name;
    ProgramStart start;
    int error;
  } cases[] = {
      {"missing", {.program = in + "none"}, ENOENT},
      {"empty name", {.program = ""}, ENOENT},
      {"not executable", {.program = in + "plain.txt"}, EACCES},
      {"a folder", {.program = in + "folder"}, EACCES},
      {"refused by exec", {.program = in + "garbage"}, ENOEXEC},
      {"interpreter missing", {.program = in + "orphan-script"}, ENOENT},
      {"not on the search path", {.program = "none", .lookup = ProgramLookup::SearchPath, .searchPath = in}, ENOENT},
      {"only a file that may not run", {.program = "plain.txt", .lookup = ProgramLookup::SearchPath, .searchPath = in}, EACCES},
      {"an argument holding a NUL", Probe({"exit", std::string("0\0", 2)}), EINVAL},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProcessStartResult result = StartProcess(c.start);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, c.error);
    EXPECT_FALSE(result.process.started());
    EXPECT_EQ(StartAndForget(c.start), c.error);
    EXPECT_TRUE(ChildrenOfThisProcess().empty());
  }
}

TEST_F(Processes, TheChildInheritsOnlyTheStandardDescriptors) {
  // Descriptors open without close-on-exec, as a library might leave them.
  const int file = ::open("/dev/null", O_RDONLY);
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  ASSERT_GE(file, 3);
  const fs::path listing = dir_ / "fds";
  ProcessStartResult started = StartProcess(Probe({"fds", listing.string()}));
  ASSERT_TRUE(started.ok());
  EXPECT_EQ(started.process.wait(), Exited(0));
  std::vector<std::string> numbers = SplitAt(ReadFileText(listing), '\n');
  std::sort(numbers.begin(), numbers.end());
  EXPECT_EQ(numbers, (std::vector<std::string>{"0", "1", "2"}));
  ::close(file);
  ::close(pipeEnds[0]);
  ::close(pipeEnds[1]);
}

TEST_F(Processes, EachArgumentArrivesWholeAsWritten) {
  const fs::path out = dir_ / "args";
  const std::vector<std::string> arguments = {
      "args", out.string(), "two words", "a&b;c|d>e", "'single' \"double\" \\", "", "$HOME `id` * ~", "tab\there", "Ma\xf1" "ana",
  };
  ProcessStartResult started = StartProcess(Probe(arguments));
  ASSERT_TRUE(started.ok());
  EXPECT_EQ(started.process.wait(), Exited(0));
  std::vector<std::string> expected = {PROCESS_PROBE};
  expected.insert(expected.end(), arguments.begin(), arguments.end());
  EXPECT_EQ(SplitAt(ReadFileText(out), '\0'), expected);
}

TEST_F(Processes, ProgramsAreFoundByPathOrOnTheSearchPathAsTheCallerSays) {
  fs::create_directories(dir_ / "Data");
  fs::create_directories(dir_ / "empty");
  fs::create_directories(dir_ / "bin");
  fs::create_symlink(PROCESS_PROBE, dir_ / "Data" / "waybill32");
  fs::create_symlink(PROCESS_PROBE, dir_ / "bin" / "probe");
  dir_.write("noexec/probe", "not runnable");
  fs::permissions(dir_ / "noexec" / "probe", fs::perms(0644));
  const std::string in = dir_.withSeparator();
  const std::string searchPath = in + "empty:" + in + "noexec:" + in + "bin";
  const struct {
    const char* name;
    std::string program;
    ProgramLookup lookup;
    std::optional<std::string> searchPath;
    std::optional<std::string> found;
  } cases[] = {
      {"a path naming a program file without regard to case and \".EXE\"", in + "DATA\\Waybill32.EXE", ProgramLookup::Path,
       std::nullopt, in + "Data/waybill32"},
      {"the first runnable file on the search path", "probe", ProgramLookup::SearchPath, searchPath, in + "bin/probe"},
      {"a name with '/' on the search path is a path", in + "bin/probe", ProgramLookup::SearchPath, "/nowhere", in + "bin/probe"},
      {"a bare name as a path is not searched", "probe", ProgramLookup::Path, searchPath, std::nullopt},
      {"a name matched exactly on the search path", "PROBE", ProgramLookup::SearchPath, searchPath, std::nullopt},
      {"an empty search path", "probe", ProgramLookup::SearchPath, "", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FindProgram(c.program, c.lookup, c.searchPath), c.found);
    ProcessStartResult started =
        StartProcess({.program = c.program, .arguments = {"exit", "7"}, .lookup = c.lookup, .searchPath = c.searchPath});
    EXPECT_EQ(started.ok(), c.found.has_value());
    if (started.ok()) {
      EXPECT_EQ(started.process.wait(), Exited(7));
    }
  }
}

}  // namespace
}  // namespace platform
