// The fake engine's exports (see fake_engine.h).
#include "support/fake_engine.h"

#include <cstring>

#include "vorn32/vorn32.h"

#ifndef FAKE_ENGINE_OMIT
#define FAKE_ENGINE_OMIT 0
#endif
#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

using ratekit::testing::FakeEngineControl;

namespace {
FakeEngineControl& Control() {
  static FakeEngineControl control;
  return control;
}
}  // namespace

FAKE_EXPORT FakeEngineControl* FakeEngine_Control() { return &Control(); }

#if FAKE_ENGINE_OMIT != 1
FAKE_EXPORT char* Vorn_GetStateEx(VornHandle, char* state, const char* code) {
  ++Control().stateCalls;
  if (std::strncmp(code, "10001", 5) != 0) return nullptr;
  std::memcpy(state, "NY", 2);
  return state;
}
#endif
#if FAKE_ENGINE_OMIT != 2
FAKE_EXPORT char* Vorn_GetErrorStringEx(VornHandle, char* buffer) {
  std::memcpy(buffer + 4, Control().errorText.c_str(), Control().errorText.size() + 1);
  return buffer;
}
#endif
#if FAKE_ENGINE_OMIT != 3
FAKE_EXPORT VornHandle Vorn_InitializeVornEx(const char* dataPath) {
  ++Control().initializeCalls;
  Control().dataPaths.emplace_back(dataPath);
  return Control().handle;
}
#endif
#if FAKE_ENGINE_OMIT != 4
FAKE_EXPORT int Vorn_Set_VorndataEx(VornHandle, const char* path) {
  Control().dataPaths.emplace_back(path);
  return 1;
}
#endif
#if FAKE_ENGINE_OMIT != 5
FAKE_EXPORT char* Vorn_GetEffectiveTableEx(VornHandle, char* entry, int index) {
  const FakeEngineControl& c = Control();
  if (index < 0 || static_cast<std::size_t>(index) >= c.entries.size() ||
      (c.missingEntry >= 0 && index >= c.missingEntry))
    return nullptr;
  std::memcpy(entry, c.entries[static_cast<std::size_t>(index)].data(), 17);
  return entry;
}
#endif
#if FAKE_ENGINE_OMIT != 6
FAKE_EXPORT int16_t Vorn_GetEffectiveTableSizeEx(VornHandle) { return Control().tableSize; }
#endif
#if FAKE_ENGINE_OMIT != 7
FAKE_EXPORT int Vorn_GetTablesEx(VornHandle, char*) { return 0; }
#endif
#if FAKE_ENGINE_OMIT != 8
FAKE_EXPORT void Vorn_RateShipment2Ex(VornHandle, char* record, void* candidates) {
  FakeEngineControl& c = Control();
  const int call = static_cast<int>(c.requests.size());
  if (c.keepRequests) c.requests.emplace_back(record, VORN_SHIPMENT_RECORD_SIZE);
  if (c.rate) c.rate(record, candidates, call);
}
#endif
#if FAKE_ENGINE_OMIT != 9
FAKE_EXPORT int Vorn_disp_verEx(VornHandle, char* text) {
  std::memset(text, 0, VORN_VERSION_TEXT_SIZE);
  std::memcpy(text, "Fake Engine", 11);
  std::memcpy(text + 20, "7", 1);
  std::memcpy(text + 23, "3b", 2);
  std::memcpy(text + 76, "7", 1);
  std::memcpy(text + 79, "3b", 2);
  std::memcpy(text + 84, "123456789012345678901", 21);
  return 0;
}
#endif
#if FAKE_ENGINE_OMIT != 10
FAKE_EXPORT int Vorn_EndVornEx(VornHandle) {
  ++Control().endCalls;
  return Control().endResult;
}
#endif

// The service guide's names (those the engine passes through with its
// signatures); bound, never called.
#if FAKE_ENGINE_OMIT != 11
FAKE_EXPORT uint8_t Lanebook_GetTermToTermDays(char*, char*) { return 0; }
#endif
#if FAKE_ENGINE_OMIT != 12
FAKE_EXPORT uint8_t Lanebook_Initialize(char*, char*) { return 0; }
#endif
#if FAKE_ENGINE_OMIT != 13
FAKE_EXPORT void Lanebook_Set_JYDataPath() {}
#endif
#if FAKE_ENGINE_OMIT != 14
FAKE_EXPORT uint8_t Lanebook_GetServGuideData(char*, char*) { return 0; }
#endif
#if FAKE_ENGINE_OMIT != 15
FAKE_EXPORT void Lanebook_GetTerminalDetail() {}
#endif
#if FAKE_ENGINE_OMIT != 16
FAKE_EXPORT uint8_t Lanebook_Terminate() { return 0; }
#endif
