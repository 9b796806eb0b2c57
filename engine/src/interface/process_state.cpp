#include "interface/process_state.h"

#include "platform/kernel/module_loader.h"
#include "platform/kernel/path.h"
#include "platform/kernel/profile_file.h"
#include "platform/kernel/thread_slot.h"

namespace vorn {
namespace {

void AttachProcess(ProcessState& state) {
  state.modulePath = platform::ModulePathOf(reinterpret_cast<const void*>(&Process));
  state.moduleDirectory = platform::DriveAndDirectory(state.modulePath);
  state.serviceGuideLetter = 'N';
  // The service guide's folder; its library is bound only when it is
  // installed there.
  state.serviceGuideFolder =
      platform::ReadProfileString(kServiceGuideSettingsFile, "Product", "Path", kServiceGuideNotFound, 260);
}

}  // namespace

void ProcessState::setSettingsFile(std::string path) {
  std::lock_guard lock(mutex_);
  settingsFile_ = std::move(path);
}

std::string ProcessState::settingsFile() const {
  std::lock_guard lock(mutex_);
  return settingsFile_;
}

ProcessState& Process() {
  // Destroyed when the library is unloaded, as at process detach.
  static ProcessState state;
  static platform::OncePerProcess attached;
  attached.run([] { AttachProcess(state); });
  return state;
}

}  // namespace vorn
