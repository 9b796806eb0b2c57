// What the program is started with: its path and command line, the
// desktop's services, and where it reports what ends it silently. Tests
// give their own: a program path in a data set of theirs, recording
// services, and failing allocations or fonts.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "platform/desktop/calculator.h"
#include "platform/desktop/help.h"
#include "platform/desktop/opener.h"
#include "platform/desktop/programs.h"
#include "platform/ui/font.h"
#include "platform/ui/types.h"
#include "shell/rating_context_fields.h"

namespace qiv {

struct QivEnvironment {
  std::string programPath;  // the full path of the program
  std::string commandLine;  // its arguments joined by blanks
  platform::desktop::Help* help = nullptr;
  platform::desktop::Opener* opener = nullptr;
  platform::desktop::Calculator* calculator = nullptr;
  platform::desktop::Programs* programs = nullptr;
  // The settings dialog, shown modally over the owner; its end code (1 OK).
  // None: the program offers no Settings command.
  std::function<platform::ui::LResult(struct QivSession&, platform::ui::WindowHandle owner)> settingsDialog;
  std::ostream* diagnostics = nullptr;  // one line per silent end; null: standard error
  // How the RatingContext and fonts are made (tests make them fail).
  std::function<std::unique_ptr<RatingContext>()> allocateContext = RatingContext::Allocate;
  std::function<platform::ui::FontHandle(const platform::ui::FontSpec&)> createFont = platform::ui::CreateFont;
};

}  // namespace qiv
