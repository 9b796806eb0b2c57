// Test support: a stand-in for the engine (and for a service-guide library)
// that Ratekit32 binds like the real one: the same exported names, its
// answers set by the test through FakeEngine_Control(). Built in variants
// that leave one name out (FAKE_ENGINE_OMIT = its place: 1..10 the
// engine's names in binding order, 11..16 the service guide's).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ratekit::testing {

struct FakeEngineControl {
  void* handle = reinterpret_cast<void*>(0x5A5A);  // what Vorn_InitializeVornEx answers
  std::int16_t tableSize = 0;                      // Vorn_GetEffectiveTableSizeEx
  std::vector<std::string> entries;                // 17-byte effective entries
  int missingEntry = -1;                           // Vorn_GetEffectiveTableEx answers null from here on
  int endResult = 0;                               // Vorn_EndVornEx
  std::string errorText;                           // written from byte 4 by Vorn_GetErrorStringEx
  // Called for each Vorn_RateShipment2Ex with the record, the candidates
  // block and the call's number (from 0).
  std::function<void(char* record, void* candidates, int call)> rate;
  // What the library was asked.
  bool keepRequests = true;            // off: requests are not kept (a benchmark's many)
  std::vector<std::string> requests;   // each request as it came in
  std::vector<std::string> dataPaths;  // Vorn_InitializeVornEx and Vorn_Set_VorndataEx
  int initializeCalls = 0, endCalls = 0, stateCalls = 0;
};

using FakeEngineControlFunction = FakeEngineControl* (*)();

}  // namespace ratekit::testing
