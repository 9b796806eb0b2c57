// The service-guide bridge's exports.
#include "context/context_fields.h"
#include "exports/export.h"
#include "guide/service_guide.h"
#include "ratekit/ratekit32.h"

using namespace ratekit;

RATEKIT_EXPORT int GetJYAddresses(void* context, void*) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  const std::int32_t missing = BindServiceGuide(record);
  if (missing == 0) return 1;
  SetLastError(record, missing);
  return 0;
}

RATEKIT_EXPORT int InitializeJYdll(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return OpenServiceGuide(record);
}

RATEKIT_EXPORT int GetService(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return AskServiceOfLane(record);
}

RATEKIT_EXPORT int GetTerminals(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return AskTerminals(record);
}

RATEKIT_EXPORT int EndJYdll(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return CloseServiceGuide(record);
}
