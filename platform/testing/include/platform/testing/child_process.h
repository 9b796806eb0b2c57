// Test support: a forked child process that runs a function and talks to the
// test over two pipes, one byte at a time.
#pragma once

#include <functional>
#include <sys/types.h>

namespace platform::testing {

class ChildProcess {
 public:
  // The child's ends of the pipes.
  class Channel {
   public:
    void send(char c);
    char receive();  // 0 when the parent has gone
   private:
    friend class ChildProcess;
    int in_ = -1;
    int out_ = -1;
  };

  // Forks; the child runs body and exits without running the parent's exit
  // handlers.
  explicit ChildProcess(const std::function<void(Channel&)>& body);
  // Kills the child when it still runs.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  void send(char c);
  char receive();  // 0 when the child has gone
  // Waits for the child to end.
  void wait();
  void kill();

 private:
  pid_t pid_ = -1;
  int toChild_ = -1;
  int fromChild_ = -1;
};

}  // namespace platform::testing
