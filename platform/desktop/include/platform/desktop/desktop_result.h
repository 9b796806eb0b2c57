// What became of a request to a desktop service, for its caller to decide
// what the user sees.
#pragma once

#include <string>

namespace platform::desktop {

enum class DesktopOutcome {
  Done,       // handed to the program that shows it
  NoProgram,  // nothing installed that can do it: no opener, no program for the document's type, no calculator
  NotFound,   // the document or help page does not exist
  Failed,     // the program is there but could not do it
};

struct DesktopResult {
  DesktopOutcome outcome = DesktopOutcome::Done;
  // The program's exit status as a shell gives it (128 + the signal for a
  // signal), or the errno of a start that failed; 0 when Done.
  int code = 0;
  std::string program = {};  // the program asked, for messages; empty when none was
  bool ok() const { return outcome == DesktopOutcome::Done; }
  friend bool operator==(const DesktopResult&, const DesktopResult&) = default;
};

}  // namespace platform::desktop
