// Documents and web addresses shown by the programs the desktop associates
// with them.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "platform/desktop/desktop_result.h"

namespace platform::desktop {

class Opener {
 public:
  virtual ~Opener() = default;
  // Opens a document (a PDF file, say; the name is matched without regard
  // to case) with the program for its type.
  virtual DesktopResult openDocument(std::string_view path) = 0;
  // Opens a web address in the browser.
  virtual DesktopResult openAddress(std::string_view address) = 0;
};

struct DesktopOpenerOptions {
  // Where xdg-open is looked up (as PATH); nothing: the environment's PATH.
  std::optional<std::string> searchPath = std::nullopt;
  // How long to wait for xdg-open's answer. Some desktops keep it running as
  // long as the document is shown: still running then counts as opened.
  std::chrono::milliseconds verdictWait{2000};
};

// The opener of the desktop: xdg-open, started with the document's absolute
// path or the address as its one argument, never through a shell. Blanks
// and line ends around an address are dropped, and one written without a
// scheme but beginning "www." is given "http://" (xdg-open would take it for
// a file name).
class DesktopOpener final : public Opener {
 public:
  explicit DesktopOpener(DesktopOpenerOptions options = {});
  DesktopResult openDocument(std::string_view path) override;
  DesktopResult openAddress(std::string_view address) override;

 private:
  DesktopResult open(const std::string& target);
  DesktopOpenerOptions options_;
};

}  // namespace platform::desktop
