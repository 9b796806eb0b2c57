#include "platform/ui/backend.h"

#include "platform/ui/headless.h"

namespace platform::ui {

namespace {

HeadlessBackend& BuiltInBackend() {
  static HeadlessBackend* backend = new HeadlessBackend();  // lives to the end of the process
  return *backend;
}

Backend*& Installed() {
  static Backend* installed = nullptr;
  return installed;
}

}  // namespace

Backend* InstallBackend(Backend* backend) {
  Backend* previous = &CurrentBackend();
  Installed() = backend;
  return previous;
}

Backend& CurrentBackend() {
  Backend* installed = Installed();
  return installed ? *installed : BuiltInBackend();
}

void MessageBeep(int type) { CurrentBackend().beep(type); }

bool HeadlessBackend::waitForInput(std::optional<std::uint64_t> deadline) {
  if (!steps_.empty()) {
    std::function<void()> step = std::move(steps_.front());
    steps_.pop_front();
    step();
    return true;
  }
  if (deadline) {
    if (*deadline > clock_) clock_ = *deadline;
    return true;
  }
  starved_ = true;
  return false;
}

}  // namespace platform::ui
