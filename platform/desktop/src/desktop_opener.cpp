#include <cerrno>
#include <filesystem>
#include <strings.h>

#include "platform/desktop/opener.h"
#include "platform/kernel/path.h"
#include "platform/kernel/process.h"

namespace platform::desktop {
namespace {

constexpr const char* kOpenerProgram = "xdg-open";

// xdg-open's exit codes (its manual): 1 a syntax error, 2 a file that does
// not exist, 3 a tool it needs is missing, 4 the action failed.
DesktopResult ResultOf(const ProcessEnd& end) {
  if (end.kind == ProcessEnd::Kind::Exited && end.code == 0) return {.program = kOpenerProgram};
  const int code = end.kind == ProcessEnd::Kind::Signalled ? 128 + end.code : end.code;
  DesktopOutcome outcome = DesktopOutcome::Failed;
  if (end.kind == ProcessEnd::Kind::Exited && end.code == 2) outcome = DesktopOutcome::NotFound;
  if (end.kind == ProcessEnd::Kind::Exited && end.code == 3) outcome = DesktopOutcome::NoProgram;
  return {.outcome = outcome, .code = code, .program = kOpenerProgram};
}

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

DesktopOpener::DesktopOpener(DesktopOpenerOptions options) : options_(std::move(options)) {}

DesktopResult DesktopOpener::openDocument(std::string_view path) {
  const std::optional<std::string> existing = FindExistingPath(path);
  if (!existing) return {.outcome = DesktopOutcome::NotFound, .code = ENOENT};
  // Absolute, so that no name is taken for an option.
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(*existing, error);
  return open(error ? *existing : absolute.string());
}

DesktopResult DesktopOpener::openAddress(std::string_view address) {
  const std::string_view trimmed = Trimmed(address);
  if (trimmed.empty()) return {.outcome = DesktopOutcome::Failed, .code = EINVAL};
  if (trimmed.size() > 4 && ::strncasecmp(trimmed.data(), "www.", 4) == 0)
    return open("http://" + std::string(trimmed));
  return open(std::string(trimmed));
}

DesktopResult DesktopOpener::open(const std::string& target) {
  ProcessStartResult started = StartProcess({.program = kOpenerProgram,
                                             .arguments = {target},
                                             .lookup = ProgramLookup::SearchPath,
                                             .searchPath = options_.searchPath});
  if (!started.ok()) {
    const DesktopOutcome outcome = started.error == ENOENT ? DesktopOutcome::NoProgram : DesktopOutcome::Failed;
    return {.outcome = outcome, .code = started.error, .program = kOpenerProgram};
  }
  const std::optional<ProcessEnd> end = started.process.waitFor(options_.verdictWait);
  if (!end) {
    started.process.forget();
    return {.program = kOpenerProgram};
  }
  return ResultOf(*end);
}

}  // namespace platform::desktop
