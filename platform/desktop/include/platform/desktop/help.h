// Help shown by context number, or at its contents, in the language of the
// screen.
//
// Help documents are HTML pages, one folder per help file. The help file a
// setting names ("QIVHELP.HLP", say) stands for the folder beside it with
// the same name and no extension ("QIVHELP/"), both matched without regard
// to case. The folder holds index.html, the contents, and context-N.html,
// the page of context number N (context-26.html for 26). A page of its own
// per context, rather than anchors in one page, because xdg-open drops the
// fragment of a file address on some desktops. A context without a page
// shows the contents. Pages are opened through the desktop's opener.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/desktop/desktop_result.h"
#include "platform/desktop/opener.h"

namespace platform::desktop {

enum class HelpLanguage { English, Spanish };

// The help files of the two languages, as the settings name them.
struct HelpFiles {
  std::string english;
  std::string spanish;
  const std::string& of(HelpLanguage language) const { return language == HelpLanguage::Spanish ? spanish : english; }
};

class Help {
 public:
  virtual ~Help() = default;
  // Shows the help of a context number.
  virtual DesktopResult showContext(std::string_view helpFile, std::uint32_t context) = 0;
  // Shows the help file's contents.
  virtual DesktopResult showContents(std::string_view helpFile) = 0;
};

class HtmlHelp final : public Help {
 public:
  // opener: shows the pages; it must outlive the help.
  explicit HtmlHelp(Opener& opener) : opener_(opener) {}
  DesktopResult showContext(std::string_view helpFile, std::uint32_t context) override;
  DesktopResult showContents(std::string_view helpFile) override;

 private:
  DesktopResult show(std::string_view helpFile, std::optional<std::uint32_t> context);
  Opener& opener_;
};

}  // namespace platform::desktop
