// The service-guide library the engine loads for itself: once per process,
// from the folder that ktq_qkdll.ini's [Product] Path names, as
// "Lanebook32.dll" (Lanebook32.so here). Its eight functions are bound by
// name in a fixed order; the letter says whether the guide is usable ('Y')
// or off ('N'), process-wide: a thread's failed initialisation turns it off
// for every thread. The library stays loaded until the process ends, so that
// no thread's terminate, at its end or at the engine's unload, calls into a
// library already released, and no library is released while the loader
// finalises the process's libraries.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

#include "lanebook/engine_form.h"
#include "platform/kernel/module_loader.h"

namespace vorn {

struct ServiceGuideFunctions {
  lanebook::engine_form::GetCarrierTypesFunction getCarrierTypes = nullptr;
  lanebook::engine_form::GetServGuideDataFunction getServGuideData = nullptr;
  lanebook::engine_form::GetTerminalsFunction getTerminals = nullptr;
  lanebook::engine_form::GetTermToTermDaysFunction getTermToTermDays = nullptr;
  lanebook::engine_form::GetCarriersFunction getCarriers = nullptr;
  lanebook::engine_form::InitializeFunction initialize = nullptr;
  lanebook::engine_form::TerminateFunction terminate = nullptr;
  lanebook::engine_form::SetCarrierDataPathFunction setCarrierDataPath = nullptr;
};

inline constexpr std::string_view kServiceGuideLibraryName = "Lanebook32.dll";
inline constexpr std::string_view kServiceGuideNotInstalled = "NOT FOUND";
inline constexpr std::size_t kServiceGuideFolderWidth = 260;

class ServiceGuideLibrary {
 public:
  // Loads the library from the folder (kServiceGuideNotInstalled: none) and
  // binds its functions in order. 0 when all are bound (the letter 'Y'),
  // 701 for the first missing name, 700 when the library does not load.
  std::int16_t load(std::string_view folder);

  char letter() const { return letter_; }
  // Turns the guide off for every thread.
  void turnOff() { letter_ = 'N'; }
  // The folder as ktq_qkdll.ini gives it (at most 260 characters).
  const std::string& folder() const { return folder_; }
  const ServiceGuideFunctions& functions() const { return functions_; }

 private:
  void* handle_ = nullptr;  // the loader's, never closed
  std::string folder_;
  ServiceGuideFunctions functions_;
  std::atomic<char> letter_{'N'};
};

// The process's library (never loaded until Process() attaches).
ServiceGuideLibrary& TheServiceGuide();

}  // namespace vorn
