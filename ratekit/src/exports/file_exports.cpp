// The data-file set's exports: opening and closing it, the settings images,
// the accessorials, the level list and the origin codes.
#include <cstring>

#include "exports/export.h"
#include "files/accessorial_file.h"
#include "files/file_set.h"
#include "files/level_files.h"
#include "files/settings_images.h"
#include "messages/message_numbers.h"
#include "ratekit/ratekit32.h"
#include "utilities/text_utilities.h"

using namespace ratekit;

RATEKIT_EXPORT int OpenAllFiles(void* context, int* stateTablesLoaded) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return Answer(record, OpenFileSet(record, stateTablesLoaded));
}

RATEKIT_EXPORT int CloseAllFiles(void* context) {
  if (context == nullptr) return 1;
  RatingContextView record = ContextOf(context);
  CloseFileSet(record);
  return 1;
}

RATEKIT_EXPORT int ReadDefFile(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return Answer(record, ReadRatingDefaults(record));
}

RATEKIT_EXPORT int WriteDefFile(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return Answer(record, WriteRatingDefaults(record));
}

RATEKIT_EXPORT int WriteMexicoDefFile(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return Answer(record, WriteMexicoDefaults(record));
}

RATEKIT_EXPORT int ReadDiscFile(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return Answer(record, ReadDiscountFile(record));
}

RATEKIT_EXPORT int WriteAccFile(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return Answer(record, WriteAccessorials(record));
}

RATEKIT_EXPORT int OpenLevelFile(void* context, const char* fileName) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  if (fileName == nullptr) return Answer(record, message::kLevelFile.open);
  return Answer(record, ReadLevelFile(record, std::string_view(fileName, strnlen(fileName, kMaxFileName))));
}

RATEKIT_EXPORT int ReadCOZFile(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return Answer(record, ReadOriginCodes(record));
}
