#include "platform/ui/backend.h"

#include <ctime>

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

CalendarDate Backend::today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return kFirstDate;
  return ClampDate({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}, kFirstDate, kLastDate);
}

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
