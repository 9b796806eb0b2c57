// The settings profiles' exports.
#include <cstring>

#include "exports/export.h"
#include "messages/message_numbers.h"
#include "profiles/colt_options.h"
#include "profiles/profile_file.h"
#include "profiles/profile_ranges.h"
#include "profiles/profile_settings.h"
#include "ratekit/ratekit32.h"

using namespace ratekit;

RATEKIT_EXPORT int ReadProfileFile(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return Answer(record, EnsureProfileFile(record));
}

RATEKIT_EXPORT int GetProfileSize(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  const std::optional<std::int32_t> count = ProfileCount(record);
  if (!count) return Answer(record, message::kProfileFileOpen);
  return *count;
}

RATEKIT_EXPORT int GetProfileKey(void* context, int i, char* name31) {
  if (context == nullptr || name31 == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return Answer(record, ProfileName(record, i, name31));
}

RATEKIT_EXPORT int GetProfileRecord(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return Answer(record, LoadCurrentProfile(record));
}

RATEKIT_EXPORT int LoadProfileSettings(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  ApplyProfileSettings(record);
  return 1;
}

RATEKIT_EXPORT int LoadProfileZP6(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return Answer(record, LoadZipRangesInForce(record));
}

RATEKIT_EXPORT int ReadColtOpt(const char* path, char* record1792, const char* name) {
  if (name == nullptr) return 0;
  return FindOptionRecord(path, record1792, std::string_view(name, strnlen(name, kOptionRecordSize)));
}
