// Finding the file of a program to start, with the reason when there is none.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/kernel/process.h"

namespace platform::detail {

struct LocatedProgram {
  std::string path = {};  // the runnable file, when error is 0
  int error = 0;          // ENOENT: no such file; EACCES: a file of that name that may not be run
};

LocatedProgram LocateProgram(std::string_view program, ProgramLookup lookup,
                             const std::optional<std::string>& searchPath);

}  // namespace platform::detail
