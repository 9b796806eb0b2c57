#include "interface/process_state.h"

#include "guide/service_guide_library.h"
#include "platform/kernel/module_loader.h"
#include "platform/kernel/path.h"
#include "platform/kernel/profile_file.h"
#include "platform/kernel/thread_slot.h"

namespace vorn {
namespace {

void AttachProcess(ProcessState& state) {
  state.modulePath = platform::ModulePathOf(reinterpret_cast<const void*>(&Process));
  state.moduleDirectory = platform::DriveAndDirectory(state.modulePath);
  // The service guide, when ktq_qkdll.ini names its folder and its library
  // is there with every function.
  TheServiceGuide().load(platform::ReadProfileString(kServiceGuideSettingsFile, "Product", "Path",
                                                     kServiceGuideNotInstalled, kServiceGuideFolderWidth));
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
