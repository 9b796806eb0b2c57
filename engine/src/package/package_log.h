// The text log's block of a package rating (written by the plain export
// only): the request and each of its fields before, the result and each of
// its fields after; each block ends with its "_End" tag and a line feed.
#pragma once

#include "logs/text_log.h"

namespace vorn {

// count: the packages the request names (their weights and charges are
// logged; 0 for a count that is no number).
void LogPackageRequest(TextDebugLog& log, const char* request, int count);
void LogPackageResult(TextDebugLog& log, const char* result, int count);

}  // namespace vorn
