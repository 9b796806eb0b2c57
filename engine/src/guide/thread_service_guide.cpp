#include "guide/thread_service_guide.h"

#include <algorithm>
#include <cstring>

#include "guide/service_guide_library.h"

namespace vorn {

namespace ef = lanebook::engine_form;

bool InitialiseServiceGuideForThread(ServiceGuideThread& thread) {
  ServiceGuideLibrary& library = TheServiceGuide();
  if (library.letter() != 'Y') return false;
  if (thread.initialised) return true;
  std::array<char, ef::kStatusAreaSize> status{};
  std::array<char, ef::kInitialiseRecordSize> record{};
  const std::string& folder = library.folder();
  std::memcpy(record.data() + ef::kInitialiseFolder.offset, folder.data(),
              std::min(folder.size(), ef::kInitialiseFolder.width));
  if (library.functions().initialize(status.data(), record.data()) == 0) {
    library.turnOff();
    return false;
  }
  thread.record = record;
  thread.initialised = true;
  return true;
}

void TerminateServiceGuideForThread(const ServiceGuideThread& thread) {
  const ServiceGuideLibrary& library = TheServiceGuide();
  if (thread.initialised && library.letter() == 'Y') library.functions().terminate();
}

}  // namespace vorn
