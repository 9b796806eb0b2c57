#include "platform/testing/child_process.h"

#include <cstdlib>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform::testing {

void ChildProcess::Channel::send(char c) {
  if (::write(out_, &c, 1) != 1) ::_exit(2);
}

char ChildProcess::Channel::receive() {
  char c = 0;
  return ::read(in_, &c, 1) == 1 ? c : 0;
}

ChildProcess::ChildProcess(const std::function<void(Channel&)>& body) {
  int down[2], up[2];
  if (::pipe(down) != 0 || ::pipe(up) != 0) std::abort();
  pid_ = ::fork();
  if (pid_ < 0) std::abort();
  if (pid_ == 0) {
    ::close(down[1]);
    ::close(up[0]);
    Channel channel;
    channel.in_ = down[0];
    channel.out_ = up[1];
    body(channel);
    ::_exit(0);
  }
  ::close(down[0]);
  ::close(up[1]);
  toChild_ = down[1];
  fromChild_ = up[0];
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0) kill();
  ::close(toChild_);
  ::close(fromChild_);
}

void ChildProcess::send(char c) {
  if (::write(toChild_, &c, 1) != 1) std::abort();
}

char ChildProcess::receive() {
  char c = 0;
  return ::read(fromChild_, &c, 1) == 1 ? c : 0;
}

void ChildProcess::wait() {
  if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

void ChildProcess::kill() {
  if (pid_ > 0) ::kill(pid_, SIGKILL);
  wait();
}

}  // namespace platform::testing
