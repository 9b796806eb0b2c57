// Programs started as processes of their own: waited for, polled while they
// run, or started and forgotten.
//
// A program is started with an argument list, never through a shell, so no
// character of an argument has a meaning of its own. The child inherits the
// standard input, output and error (or descriptors the caller gives in
// place of the first two) and no other descriptor, the environment, and
// default signal handling. A program that cannot be started (missing,
// not runnable, refused by exec) gives an error and leaves no process
// behind. Children are only ever reaped by their own process id: whatever
// else the program has started is left to its owner.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace platform {

// How the file of a program is found.
enum class ProgramLookup {
  // The program is a path (relative ones from the current directory),
  // found the way libraries are: a name ending in ".EXE" stands for the file
  // without the extension, and names are matched without regard to case.
  Path,
  // A name without '/' is looked up, exactly as written, in the directories
  // of the search path in their order; a name with '/' is a path as above.
  SearchPath,
};

struct ProgramStart {
  std::string program;                      // also the child's first argument, as written
  std::vector<std::string> arguments = {};  // the arguments after it, each passed as it is
  ProgramLookup lookup = ProgramLookup::Path;
  // The directories searched, separated by ':' as in PATH (an empty entry
  // is the current directory); nothing: the environment's PATH.
  std::optional<std::string> searchPath = std::nullopt;
  // Descriptors of this process the child gets as its standard input and
  // output (a pipe's ends, an open file); nothing: this process's own.
  std::optional<int> standardInput = std::nullopt;
  std::optional<int> standardOutput = std::nullopt;
};

// The runnable file a program stands for: a regular file that this process
// may execute. Nothing when there is none.
std::optional<std::string> FindProgram(std::string_view program, ProgramLookup lookup,
                                       const std::optional<std::string>& searchPath = std::nullopt);

// How a process ended.
struct ProcessEnd {
  enum class Kind {
    Exited,     // it returned or called exit: code is its exit code (0-255)
    Signalled,  // a signal ended it: code is the signal's number
    Unknown,    // it was reaped elsewhere, so how it ended is not known
  };
  Kind kind = Kind::Unknown;
  int code = 0;
  friend bool operator==(const ProcessEnd&, const ProcessEnd&) = default;
};

struct ProcessStartResult;

// A started child process. An empty Process (the default) stands for none.
class Process {
 public:
  Process() = default;
  // A child that has not been seen to end is forgotten (see forget()).
  ~Process();
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool started() const { return pid_ > 0; }
  pid_t id() const { return pid_; }

  // Nothing while the child runs. Once it has ended, the child is reaped and
  // its end kept: every later poll or wait answers the same. An empty
  // Process answers an Unknown end.
  std::optional<ProcessEnd> poll();
  // Blocks until the child ends (at once when it has already been seen to).
  ProcessEnd wait();
  // Waits at most limit for the child to end; nothing when it still runs.
  std::optional<ProcessEnd> waitFor(std::chrono::milliseconds limit);
  // Whether the child still runs (polls it).
  bool running() { return started() && !poll(); }

  // Leaves the child to run on: a thread of its own reaps it when it ends,
  // so no zombie stays behind. The Process becomes empty.
  void forget();

 private:
  friend ProcessStartResult StartProcess(const ProgramStart& start);
  explicit Process(pid_t pid) : pid_(pid) {}
  pid_t pid_ = 0;
  std::optional<ProcessEnd> end_;
};

struct ProcessStartResult {
  Process process = {};  // empty when the program could not be started
  int error = 0;         // errno of the failure: ENOENT no such program, EACCES not runnable, ...
  bool ok() const { return error == 0; }
};

// Starts the program. The result comes back once the child runs the
// program, or with the reason exec refused it (the child is then reaped).
ProcessStartResult StartProcess(const ProgramStart& start);

// Starts the program and forgets it (see Process::forget). 0 when it
// started, else the errno as for StartProcess.
int StartAndForget(const ProgramStart& start);

}  // namespace platform
