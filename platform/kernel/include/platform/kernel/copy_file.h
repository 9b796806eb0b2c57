// A copy that never replaces an existing file, not even one created while
// the copy is being made.
#pragma once

#include <string_view>

#include "platform/kernel/replace_file.h"

namespace platform {

enum class CopyOutcome {
  Copied,        // the target was created with the source's contents
  TargetExists,  // a file of the target's name exists (under any case); nothing was written
  Failed,        // the source could not be read or the copy not written; nothing is left behind
};

struct CopyResult {
  CopyOutcome outcome = CopyOutcome::Failed;
  // For Failed, errno of the step that failed. For Copied, nonzero when the
  // folder could not be flushed afterwards: the copy is in place but may not
  // survive a crash.
  int error = 0;
};

// Copies the file at from (matched without regard to case) to a new file at
// to. The copy is written whole to a temporary file beside the target,
// flushed, then given the target's name only if no file holds that name at
// that moment. A file of another case created in the instant between the
// check and the move is not seen: the kernel compares names exactly.
CopyResult CopyFileIfAbsent(std::string_view from, std::string_view to, const NewFileMode& mode = {});

}  // namespace platform
