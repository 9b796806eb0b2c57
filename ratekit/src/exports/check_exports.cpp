// The shipment checks' exports, and ReadWgtFile.
#include <cstring>
#include <string_view>

#include "checks/line_checks.h"
#include "checks/point_checks.h"
#include "checks/state_codes.h"
#include "exports/export.h"
#include "ratekit/ratekit32.h"
#include "tables/class_weight_files.h"

using namespace ratekit;

namespace {

// A text the program passes, read no further than `most` characters.
std::string_view Text(const char* text, std::size_t most) {
  return text == nullptr ? std::string_view() : std::string_view(text, strnlen(text, most));
}

constexpr std::size_t kCodeWidth = 7, kClassWidth = 6, kWeightWidth = 32, kPrefixWidth = 3;

}  // namespace

RATEKIT_EXPORT int VerOrigZip(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return VerifyPointCode(record, 0);
}

RATEKIT_EXPORT int VerDestZip(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return VerifyPointCode(record, 1);
}

RATEKIT_EXPORT int GetStateCode(void* context, const char* code, char* state2, char* flag1, char* flag2) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return StateOfCode(record, Text(code, kCodeWidth), state2, flag1, flag2);
}

RATEKIT_EXPORT int VerTerritory(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return VerifyTerritory(record);
}

RATEKIT_EXPORT int VerClass(void* context, const char* cls, int line, int fakAllowed) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return VerifyClass(record, Text(cls, kClassWidth), line, fakAllowed);
}

RATEKIT_EXPORT int VerWeight(void* context, const char* weight, int line) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return VerifyWeight(record, Text(weight, kWeightWidth), line);
}

RATEKIT_EXPORT int ValidWeight(void* context, int i) {
  if (context == nullptr) return 0;
  return BreakInUse(ContextOf(context), i);
}

RATEKIT_EXPORT int GetZipcIndex(void* context, const char* prefix3) {
  if (context == nullptr) return -1;
  return ProvinceIndex(ContextOf(context), Text(prefix3, kPrefixWidth));
}

RATEKIT_EXPORT int ReadWgtFile(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return Answer(record, LoadWeightBreaks(record));
}
