#include "platform/kernel/process.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>

#include "program_lookup.h"

namespace platform {
namespace {

// Closes every descriptor from 3 up except keep (the pipe that reports a
// failed exec; it closes itself when exec succeeds).
void CloseInheritedDescriptors(int keep) {
  bool closed = false;
  if (keep < 3)
    closed = ::close_range(3, ~0U, 0) == 0;
  else
    closed = (keep == 3 || ::close_range(3, static_cast<unsigned>(keep - 1), 0) == 0) &&
             ::close_range(static_cast<unsigned>(keep + 1), ~0U, 0) == 0;
  if (closed) return;
  // Without close_range: every possible descriptor in turn.
  struct rlimit limit;
  const rlim_t top =
      ::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY ? limit.rlim_cur : 65536;
  for (rlim_t fd = 3; fd < top; ++fd)
    if (static_cast<int>(fd) != keep) ::close(static_cast<int>(fd));
}

[[noreturn]] void ReportAndExit(int report, int error) {
  [[maybe_unused]] const ssize_t ignored = ::write(report, &error, sizeof error);
  ::_exit(127);
}

// The descriptors given in place of the standard input and output (-1:
// the inherited one) put in place. An output given as descriptor 0 is
// moved out of the way first, so that the input does not replace it.
bool PlaceStandardDescriptors(int input, int output) {
  if (output == STDIN_FILENO && input >= 0 && input != STDIN_FILENO) {
    output = ::fcntl(output, F_DUPFD_CLOEXEC, 3);
    if (output < 0) return false;
  }
  if (input >= 0 && input != STDIN_FILENO && ::dup2(input, STDIN_FILENO) < 0) return false;
  if (output >= 0 && output != STDOUT_FILENO && ::dup2(output, STDOUT_FILENO) < 0) return false;
  return true;
}

// The child's side of a start: only calls that are safe between fork and
// exec. Signal handling is reset (an ignored signal would stay ignored in
// the program), the standard descriptors are put in place and the others
// closed, the program runs; when exec refuses it, the reason goes back
// through the report pipe.
[[noreturn]] void RunProgram(const char* path, char* const argv[], int input, int output, int report) {
  sigset_t none;
  ::sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  struct sigaction byDefault = {};
  byDefault.sa_handler = SIG_DFL;
  for (int signal = 1; signal < NSIG; ++signal)
    if (signal != SIGKILL && signal != SIGSTOP) ::sigaction(signal, &byDefault, nullptr);
  if (!PlaceStandardDescriptors(input, output)) ReportAndExit(report, errno);
  CloseInheritedDescriptors(report);
  ::execv(path, argv);
  ReportAndExit(report, errno);
}

// The errno the child reported, or 0 when the pipe closed without one (the
// program runs).
int ReadStartReport(int report) {
  int error = 0;
  std::size_t got = 0;
  while (got < sizeof error) {
    const ssize_t n = ::read(report, reinterpret_cast<char*>(&error) + got, sizeof error - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  return got == sizeof error ? error : 0;
}

ProcessEnd EndOf(int status) {
  if (WIFEXITED(status)) return {ProcessEnd::Kind::Exited, WEXITSTATUS(status)};
  if (WIFSIGNALED(status)) return {ProcessEnd::Kind::Signalled, WTERMSIG(status)};
  return {};
}

// waitpid for one child, retried after interruptions. Nothing while it runs
// (only when not blocking); an Unknown end when it is no longer ours.
std::optional<ProcessEnd> WaitForChild(pid_t pid, bool block) {
  for (;;) {
    int status = 0;
    const pid_t reaped = ::waitpid(pid, &status, block ? 0 : WNOHANG);
    if (reaped == pid) return EndOf(status);
    if (reaped == 0) return std::nullopt;
    if (errno != EINTR) return ProcessEnd{};
  }
}

}  // namespace

Process::~Process() { forget(); }

Process::Process(Process&& other) noexcept
    : pid_(std::exchange(other.pid_, 0)), end_(std::exchange(other.end_, std::nullopt)) {}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    forget();
    pid_ = std::exchange(other.pid_, 0);
    end_ = std::exchange(other.end_, std::nullopt);
  }
  return *this;
}

std::optional<ProcessEnd> Process::poll() {
  if (pid_ <= 0) return ProcessEnd{};
  if (!end_) end_ = WaitForChild(pid_, false);
  return end_;
}

ProcessEnd Process::wait() {
  if (pid_ <= 0) return {};
  if (!end_) end_ = WaitForChild(pid_, true);
  return *end_;
}

std::optional<ProcessEnd> Process::waitFor(std::chrono::milliseconds limit) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + limit;
  // Short naps first, so that a quick program is answered quickly.
  std::chrono::milliseconds nap(1);
  for (;;) {
    if (std::optional<ProcessEnd> end = poll()) return end;
    const Clock::time_point now = Clock::now();
    if (now >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::min<Clock::duration>(nap, deadline - now));
    nap = std::min(nap * 2, std::chrono::milliseconds(20));
  }
}

void Process::forget() {
  const pid_t pid = std::exchange(pid_, 0);
  const bool ended = std::exchange(end_, std::nullopt).has_value();
  if (pid <= 0 || ended || WaitForChild(pid, false)) return;
  try {
    std::thread([pid] { WaitForChild(pid, true); }).detach();
  } catch (const std::system_error&) {
    // No thread to spare: the child stays a zombie once it ends, until this
    // process ends. Nothing else may reap it, so nothing better is possible.
  }
}

ProcessStartResult StartProcess(const ProgramStart& start) {
  const detail::LocatedProgram located = detail::LocateProgram(start.program, start.lookup, start.searchPath);
  if (located.error != 0) return {.error = located.error};
  std::vector<char*> argv;
  argv.reserve(start.arguments.size() + 2);
  argv.push_back(const_cast<char*>(start.program.c_str()));
  for (const std::string& argument : start.arguments) {
    if (argument.find('\0') != std::string::npos) return {.error = EINVAL};  // it cannot be passed whole
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);

  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return {.error = errno};
  const pid_t pid = ::fork();
  if (pid == 0)
    RunProgram(located.path.c_str(), argv.data(), start.standardInput.value_or(-1), start.standardOutput.value_or(-1),
               report[1]);
  const int forkError = errno;
  ::close(report[1]);
  if (pid < 0) {
    ::close(report[0]);
    return {.error = forkError};
  }
  const int error = ReadStartReport(report[0]);
  ::close(report[0]);
  if (error != 0) {
    WaitForChild(pid, true);
    return {.error = error};
  }
  return {.process = Process(pid)};
}

int StartAndForget(const ProgramStart& start) {
  ProcessStartResult started = StartProcess(start);
  started.process.forget();
  return started.error;
}

}  // namespace platform
