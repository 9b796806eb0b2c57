// The command line of a program of the installation, as this system
// composes it, made into a start: the line is kept as text; the program is
// its first word after the data directory, found in the data directory by
// the presence tests' own lookup, and its arguments are the rest of the
// line split at runs of blanks. The data directory is never split and no
// shell sees the line, so blanks and shell characters inside an argument's
// text are passed as they are.
#pragma once

#include <string_view>

#include "platform/desktop/programs.h"

namespace qiv {

struct QivSession;

// The request for the data directory followed by `line` (the program's name
// and its arguments); upperCase: the whole command line, arguments
// included, is upper-cased (the program is still found without regard to
// case).
platform::desktop::ProgramRequest DataProgramRequest(const QivSession& session, std::string_view line,
                                                     bool upperCase = false);

}  // namespace qiv
