#include <cerrno>

#include "platform/desktop/help.h"
#include "platform/kernel/path.h"

namespace platform::desktop {
namespace {

// The page shown for a context (nothing: the contents); nothing when
// neither it nor the contents exists.
std::optional<std::string> PageOf(std::string_view helpFile, std::optional<std::uint32_t> context) {
  const PathParts parts = SplitPath(helpFile);
  if (parts.name.empty()) return std::nullopt;
  const std::string folder = parts.drive + parts.directory + parts.name + "/";
  if (context) {
    if (std::optional<std::string> page = FindExistingPath(folder + "context-" + std::to_string(*context) + ".html"))
      return page;
  }
  return FindExistingPath(folder + "index.html");
}

}  // namespace

DesktopResult HtmlHelp::showContext(std::string_view helpFile, std::uint32_t context) {
  return show(helpFile, context);
}

DesktopResult HtmlHelp::showContents(std::string_view helpFile) { return show(helpFile, std::nullopt); }

DesktopResult HtmlHelp::show(std::string_view helpFile, std::optional<std::uint32_t> context) {
  const std::optional<std::string> page = PageOf(helpFile, context);
  if (!page) return {.outcome = DesktopOutcome::NotFound, .code = ENOENT};
  return opener_.openDocument(*page);
}

}  // namespace platform::desktop
