// The service guide's eight functions, exported by VORN32 so that a program
// that loads only the engine can use the guide the engine loaded. Each
// makes the guide usable on the calling thread first: when it is off, the
// status is "0700" and the answer false; when the thread can have no engine,
// the answer is false and the status untouched. Then the library's own
// function answers. Null pointers answer false and write nothing.
#include <cstring>
#include <span>

#include "errors/engine_codes.h"
#include "guide/service_guide_library.h"
#include "interface/engine_slots.h"
#include "platform/kernel/fixed_format.h"
#include "vorn32/vorn32.h"

#define VORN_EXPORT extern "C" __attribute__((visibility("default")))

namespace vorn {
namespace {

namespace ef = lanebook::engine_form;

// Runs call once the guide is usable on the thread.
template <class Call>
std::uint8_t PassThrough(char* status, char* record, Call&& call) {
  if (status == nullptr || record == nullptr) return 0;
  try {
    bool engineMissing = false;
    if (!ServiceGuideForThread(&engineMissing)) {
      if (!engineMissing)
        platform::FormatZeroPadded(std::span<char>(status, ef::kStatusSize), code::kServiceGuideNotInitialised);
      return 0;
    }
    return call(TheServiceGuide().functions());
  } catch (...) {
    return 0;
  }
}

}  // namespace
}  // namespace vorn

using namespace vorn;

// The thread's initialisation as the library answered it, and "1001".
VORN_EXPORT std::uint8_t Lanebook_Initialize(char* statusArea, char* record) {
  return PassThrough(statusArea, record, [&](const ServiceGuideFunctions&) {
    const ServiceGuideThread& thread = AttachThread()->serviceGuide;
    std::memcpy(record, thread.record.data(), thread.record.size());
    platform::FormatZeroPadded(std::span<char>(statusArea, ef::kStatusSize), code::kServiceGuideDone);
    return std::uint8_t{1};
  });
}

// The library is terminated for each thread when the thread ends.
VORN_EXPORT std::uint8_t Lanebook_Terminate() { return 1; }

VORN_EXPORT std::uint8_t Lanebook_GetCarrierTypes(char* status, char* record) {
  return PassThrough(status, record, [&](const ServiceGuideFunctions& f) { return f.getCarrierTypes(status, record); });
}

VORN_EXPORT std::uint8_t Lanebook_GetServGuideData(char* control, char* data) {
  return PassThrough(control, data, [&](const ServiceGuideFunctions& f) { return f.getServGuideData(control, data); });
}

VORN_EXPORT std::uint8_t Lanebook_GetTerminals(char* status, char* record) {
  return PassThrough(status, record, [&](const ServiceGuideFunctions& f) { return f.getTerminals(status, record); });
}

VORN_EXPORT std::uint8_t Lanebook_GetTermToTermDays(char* status, char* record) {
  return PassThrough(status, record,
                     [&](const ServiceGuideFunctions& f) { return f.getTermToTermDays(status, record); });
}

VORN_EXPORT std::uint8_t Lanebook_GetCarriers(char* status, char* record) {
  return PassThrough(status, record, [&](const ServiceGuideFunctions& f) { return f.getCarriers(status, record); });
}

VORN_EXPORT std::uint8_t Lanebook_SetCarrierDataPath(char* status, char* record) {
  return PassThrough(status, record,
                     [&](const ServiceGuideFunctions& f) { return f.setCarrierDataPath(status, record); });
}
