// Programs of the installation started for the user: run and waited for,
// started and kept track of, or started and forgotten.
//
// A request carries the command line as the program composed it (what the
// user's installation would see, kept for messages and tests) and the
// start itself: the program's file and its arguments, never a shell.
#pragma once

#include <memory>
#include <string>

#include "platform/kernel/process.h"

namespace platform::desktop {

struct ProgramRequest {
  std::string commandLine;
  ProgramStart start;
};

// A program started and kept track of.
class StartedProgram {
 public:
  virtual ~StartedProgram() = default;
  // True until the program is seen to have ended (however it ended).
  virtual bool running() = 0;
};

class Programs {
 public:
  virtual ~Programs() = default;
  // Starts the program and waits until it ends; 0, or the errno of a start
  // that failed.
  virtual int runAndWait(const ProgramRequest& request) = 0;
  // Starts the program and hands it over to be polled; null when it could
  // not be started (error then holds the errno).
  virtual std::unique_ptr<StartedProgram> start(const ProgramRequest& request, int& error) = 0;
  // Starts the program and forgets it; 0 or the errno.
  virtual int startAndForget(const ProgramRequest& request) = 0;
};

// The programs as processes of this machine (platform/kernel/process.h).
class DesktopPrograms final : public Programs {
 public:
  int runAndWait(const ProgramRequest& request) override;
  std::unique_ptr<StartedProgram> start(const ProgramRequest& request, int& error) override;
  int startAndForget(const ProgramRequest& request) override;
};

}  // namespace platform::desktop
