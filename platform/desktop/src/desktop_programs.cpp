#include "platform/desktop/programs.h"

namespace platform::desktop {

namespace {

class StartedProcess final : public StartedProgram {
 public:
  explicit StartedProcess(Process process) : process_(std::move(process)) {}
  // A process still running when the program lets go of it runs on and is
  // reaped when it ends.
  ~StartedProcess() override { process_.forget(); }
  bool running() override { return process_.running(); }

 private:
  Process process_;
};

}  // namespace

int DesktopPrograms::runAndWait(const ProgramRequest& request) {
  ProcessStartResult started = StartProcess(request.start);
  if (!started.ok()) return started.error;
  started.process.wait();
  return 0;
}

std::unique_ptr<StartedProgram> DesktopPrograms::start(const ProgramRequest& request, int& error) {
  ProcessStartResult started = StartProcess(request.start);
  error = started.error;
  if (!started.ok()) return nullptr;
  return std::make_unique<StartedProcess>(std::move(started.process));
}

int DesktopPrograms::startAndForget(const ProgramRequest& request) { return StartAndForget(request.start); }

}  // namespace platform::desktop
