// Test support: a service-guide library that records what the engine asks
// of it and answers as the test sets it (built as Lanebook32.so in
// variants: every name, one without Lanebook_SetCarrierDataPath, one whose
// initialisation answers false). The test reaches the instance the engine
// loaded by loading the same file: RecordingGuide_Control() answers it.
#pragma once

#include <array>
#include <mutex>
#include <string>
#include <vector>

namespace vorn::testing {

struct RecordingGuideState {
  int initializeCalls = 0;
  int terminateCalls = 0;
  std::vector<std::string> calls;                          // the names of the other functions, in order
  std::string initialiseFolder;                            // the folder of the last initialisation
  std::vector<std::pair<std::string, std::string>> lanes;  // GetServGuideData's control and data records

  // GetServGuideData's answer.
  std::string status = "1001";
  char originLetter = 'D', destinationLetter = 'D';
  std::string days = "02";
};

struct RecordingGuideControl : RecordingGuideState {
  std::mutex mutex;
  void reset() {
    std::lock_guard lock(mutex);
    static_cast<RecordingGuideState&>(*this) = {};
  }
};

using RecordingGuideControlFunction = RecordingGuideControl* (*)();

}  // namespace vorn::testing
