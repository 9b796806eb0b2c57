// Programs started, waited for, polled and forgotten.
#include "platform/kernel/process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <signal.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/testing/process_table.h"
#include "platform/testing/temp_directory.h"

namespace platform {
namespace {

using platform::testing::ChildrenOfThisProcess;
using platform::testing::TempDirectory;
using platform::testing::WaitUntilNoChildren;
namespace fs = std::filesystem;

constexpr ProcessEnd Exited(int code) { return {ProcessEnd::Kind::Exited, code}; }

ProgramStart Probe(std::vector<std::string> arguments) {
  return {.program = PROCESS_PROBE, .arguments = std::move(arguments)};
}

bool IsZombie(pid_t pid) {
  const auto children = ChildrenOfThisProcess();
  return std::any_of(children.begin(), children.end(), [pid](const auto& c) { return c.pid == pid && c.state == 'Z'; });
}

class Processes : public ::testing::Test {
 protected:
  // A probe that runs until the test opens and closes its FIFO.
  Process StartWaiting() {
    const fs::path fifo = dir_ / ("fifo" + std::to_string(fifos_.size()));
    EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fifos_.push_back(fifo);
    return std::move(StartProcess(Probe({"wait", fifo.string()})).process);
  }
  void ReleaseWaiting() {
    for (const fs::path& fifo : fifos_) ::close(::open(fifo.c_str(), O_WRONLY));
    fifos_.clear();
  }
  TempDirectory dir_;
  std::vector<fs::path> fifos_;
};

TEST_F(Processes, WaitAndPollReadHowAChildEndedAndPollingAgainAnswersTheSame) {
  const std::pair<std::vector<std::string>, ProcessEnd> cases[] = {
      {{"exit", "0"}, Exited(0)},
      {{"exit", "255"}, Exited(255)},
      {{"signal", "15"}, {ProcessEnd::Kind::Signalled, SIGTERM}},
  };
  for (const auto& [arguments, end] : cases) {
    SCOPED_TRACE(arguments[1]);
    Process waited = StartProcess(Probe(arguments)).process;
    EXPECT_EQ(waited.wait(), end);
    Process polled = StartProcess(Probe(arguments)).process;
    std::optional<ProcessEnd> seen;
    while (!(seen = polled.poll())) std::this_thread::yield();
    EXPECT_EQ(seen, end);
    // Reaped once: gone from the process table, and its end kept.
    EXPECT_TRUE(ChildrenOfThisProcess().empty());
    EXPECT_EQ(polled.poll(), end);
    EXPECT_EQ(polled.wait(), end);
    EXPECT_EQ(waited.poll(), end);
  }
}

TEST_F(Processes, ForgottenChildrenLeaveNoZombieAndOtherChildrenAreLeftToTheirOwner) {
  // A child of the test's own, ended: nothing here may reap it.
  const pid_t other = ::fork();
  if (other == 0) ::_exit(9);
  while (!IsZombie(other)) std::this_thread::yield();

  Process running = StartWaiting();
  EXPECT_EQ(running.poll(), std::nullopt);
  EXPECT_EQ(running.waitFor(std::chrono::milliseconds(0)), std::nullopt);
  EXPECT_TRUE(running.running());
  running.forget();
  { Process dropped = StartWaiting(); }  // destroyed while it runs
  Process slot = StartWaiting();
  slot = StartWaiting();  // replaced while it runs
  ReleaseWaiting();
  EXPECT_EQ(slot.waitFor(std::chrono::minutes(1)), Exited(0));
  Process ended = StartProcess(Probe({"exit", "0"})).process;
  while (!IsZombie(ended.id())) std::this_thread::yield();
  ended.forget();  // already a zombie
  EXPECT_EQ(StartAndForget(Probe({"exit", "0"})), 0);

  ASSERT_TRUE(WaitUntilNoChildren(other));
  ASSERT_TRUE(IsZombie(other));
  int status = 0;
  ASSERT_EQ(::waitpid(other, &status, 0), other);
  EXPECT_EQ(WEXITSTATUS(status), 9);
}

TEST_F(Processes, AProgramThatCannotStartGivesAnErrorAndLeavesNothingRunning) {
  fs::permissions(dir_.write("plain.txt", "text"), fs::perms(0644));
  fs::permissions(dir_.write("garbage",
                             "\x7f"
                             "ELF in name only"),
                  fs::perms(0755));
  const std::string in = dir_.withSeparator();
  const std::tuple<const char*, ProgramStart, int> cases[] = {
      {"missing", {.program = in + "none"}, ENOENT},
      {"not executable", {.program = in + "plain.txt"}, EACCES},
      {"refused by exec", {.program = in + "garbage"}, ENOEXEC},
      {"an argument holding a NUL", Probe({"exit", std::string("0\0", 2)}), EINVAL},
  };
  for (const auto& [name, start, error] : cases) {
    SCOPED_TRACE(name);
    ProcessStartResult result = StartProcess(start);
    EXPECT_EQ(result.error, error);
    EXPECT_FALSE(result.process.started());
    EXPECT_EQ(StartAndForget(start), error);
    EXPECT_TRUE(ChildrenOfThisProcess().empty());
  }
}

TEST_F(Processes, TheChildGetsItsArgumentsWholeAndOnlyTheStandardDescriptors) {
  const int inheritable = ::open("/dev/null", O_RDONLY);  // without close-on-exec
  ASSERT_GE(inheritable, 3);
  const fs::path out = dir_ / "seen";
  const std::vector<std::string> arguments = {"report", out.string(), "", "a b&c;'d' \"e\" $HOME *"};
  EXPECT_EQ(StartProcess(Probe(arguments)).process.wait(), Exited(0));
  std::string expected = std::string(PROCESS_PROBE) + '\0';
  for (const std::string& argument : arguments) expected += argument + '\0';
  EXPECT_EQ(platform::testing::ReadFileText(out), expected + "descriptors 0 1 2\n");
  ::close(inheritable);
}

// A pipe's end and a file in place of the standard input and output: what
// goes in comes out, and the child still holds the standard descriptors
// only.
TEST_F(Processes, TheStandardInputAndOutputMayBeGivenInPlaceOfTheInheritedOnes) {
  int ends[2];
  ASSERT_EQ(::pipe2(ends, O_CLOEXEC), 0);
  const std::string text = "through the pipe\n";
  ASSERT_EQ(::write(ends[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
  ::close(ends[1]);
  const fs::path copied = dir_ / "copied";
  const int output = ::open(copied.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  ASSERT_GE(output, 0);
  ProgramStart copy = Probe({"copy", "-"});
  copy.standardInput = ends[0];
  copy.standardOutput = output;
  EXPECT_EQ(StartProcess(copy).process.wait(), Exited(0));
  EXPECT_EQ(platform::testing::ReadFileText(copied), text);

  const fs::path seen = dir_ / "seen";
  ProgramStart report = Probe({"report", seen.string()});
  report.standardInput = ends[0];
  report.standardOutput = output;
  EXPECT_EQ(StartProcess(report).process.wait(), Exited(0));
  const std::string said = platform::testing::ReadFileText(seen);
  EXPECT_EQ(said.substr(said.rfind("descriptors")), "descriptors 0 1 2\n");
  ::close(ends[0]);
  ::close(output);
}

TEST_F(Processes, ProgramsAreFoundByPathOrOnTheSearchPathAsTheCallerSays) {
  fs::create_directories(dir_ / "Data");
  fs::create_directories(dir_ / "bin");
  fs::create_symlink(PROCESS_PROBE, dir_ / "Data" / "waybill32");
  fs::create_symlink(PROCESS_PROBE, dir_ / "bin" / "probe");
  fs::permissions(dir_.write("noexec/probe", "text"), fs::perms(0644));
  const std::string in = dir_.withSeparator();
  const std::string searchPath = in + "missing:" + in + "noexec:" + in + "bin";
  const std::tuple<std::string, ProgramLookup, std::optional<std::string>> cases[] = {
      {in + "DATA\\Waybill32.EXE", ProgramLookup::Path, in + "Data/waybill32"},
      {"probe", ProgramLookup::SearchPath, in + "bin/probe"},
      {"PROBE", ProgramLookup::SearchPath, std::nullopt},
  };
  for (const auto& [program, lookup, found] : cases) {
    SCOPED_TRACE(program);
    EXPECT_EQ(FindProgram(program, lookup, searchPath), found);
    Process started =
        StartProcess({.program = program, .arguments = {"exit", "7"}, .lookup = lookup, .searchPath = searchPath})
            .process;
    EXPECT_EQ(started.wait(), found ? Exited(7) : ProcessEnd{});
  }
}

}  // namespace
}  // namespace platform
