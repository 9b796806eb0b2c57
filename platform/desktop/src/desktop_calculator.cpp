#include <cerrno>

#include "platform/desktop/calculator.h"
#include "platform/kernel/process.h"

namespace platform::desktop {

std::vector<std::string> KnownCalculators() {
  return {"gnome-calculator", "kcalc", "mate-calc", "galculator", "qalculate-gtk", "xcalc"};
}

DesktopCalculator::DesktopCalculator(DesktopCalculatorOptions options) : options_(std::move(options)) {}

DesktopResult DesktopCalculator::start() {
  for (const std::string& program : options_.programs) {
    if (!FindProgram(program, ProgramLookup::SearchPath, options_.searchPath)) continue;
    const int error =
        StartAndForget({.program = program, .lookup = ProgramLookup::SearchPath, .searchPath = options_.searchPath});
    if (error != 0) return {.outcome = DesktopOutcome::Failed, .code = error, .program = program};
    return {.program = program};
  }
  return {.outcome = DesktopOutcome::NoProgram, .code = ENOENT};
}

}  // namespace platform::desktop
