// The recording service guide's exports (see recording_guide.h).
#include "support/recording_guide.h"

#include <cstdint>
#include <cstring>

#define GUIDE_EXPORT extern "C" __attribute__((visibility("default")))

using vorn::testing::RecordingGuideControl;

namespace {

RecordingGuideControl& Control() {
  static RecordingGuideControl control;
  return control;
}

std::uint8_t Record(const char* name) {
  std::lock_guard lock(Control().mutex);
  Control().calls.emplace_back(name);
  return 1;
}

}  // namespace

GUIDE_EXPORT RecordingGuideControl* RecordingGuide_Control() { return &Control(); }

GUIDE_EXPORT std::uint8_t Lanebook_Initialize(char* status, char* record) {
  RecordingGuideControl& c = Control();
  std::lock_guard lock(c.mutex);
  ++c.initializeCalls;
  c.initialiseFolder = std::string(record + 17, strnlen(record + 17, 260));
#ifdef RECORDING_GUIDE_REFUSES
  std::memcpy(status, "1010", 4);
  return 0;
#else
  std::memcpy(status, "1001", 4);
  std::memcpy(record, "INITIALISED", 11);
  return 1;
#endif
}

GUIDE_EXPORT std::uint8_t Lanebook_Terminate() {
  std::lock_guard lock(Control().mutex);
  ++Control().terminateCalls;
  return 1;
}

GUIDE_EXPORT std::uint8_t Lanebook_GetServGuideData(char* control, char* data) {
  RecordingGuideControl& c = Control();
  std::lock_guard lock(c.mutex);
  c.lanes.emplace_back(std::string(control, 12), std::string(data, 80));
  std::memcpy(control, c.status.data(), 4);
  data[72] = c.originLetter;
  data[73] = c.destinationLetter;
  std::memcpy(data + 75, c.days.data(), 2);
  return c.status == "1001";
}

GUIDE_EXPORT std::uint8_t Lanebook_GetCarrierTypes(char*, char*) { return Record("Lanebook_GetCarrierTypes"); }
GUIDE_EXPORT std::uint8_t Lanebook_GetTerminals(char*, char*) { return Record("Lanebook_GetTerminals"); }
GUIDE_EXPORT std::uint8_t Lanebook_GetTermToTermDays(char*, char*) { return Record("Lanebook_GetTermToTermDays"); }
GUIDE_EXPORT std::uint8_t Lanebook_GetCarriers(char*, char*) { return Record("Lanebook_GetCarriers"); }
#ifndef RECORDING_GUIDE_WITHOUT_DATA_PATH
GUIDE_EXPORT std::uint8_t Lanebook_SetCarrierDataPath(char*, char*) { return Record("Lanebook_SetCarrierDataPath"); }
#endif
