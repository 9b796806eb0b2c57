// Help pages chosen by language and context, shown through the opener.
#include <gtest/gtest.h>

#include <cerrno>

#include "platform/desktop/help.h"
#include "platform/desktop/recording_services.h"
#include "platform/testing/temp_directory.h"

namespace platform::desktop {
namespace {

TEST(HtmlHelpTest, TheLanguagesHelpIsShownAtTheContextsPageOrItsContents) {
  platform::testing::TempDirectory data;
  for (const char* page :
       {"QivHelp/index.html", "QivHelp/context-26.html", "QIVAYUDA/INDEX.HTML", "QIVAYUDA/CONTEXT-26.HTML"})
    data.write(std::string("Data/") + page, "<html>");
  data.write("Data/EMPTY/notes.txt", "no contents page");
  const std::string in = data.withSeparator() + "Data/";
  // As the settings name them: another case, the data directory's separator.
  const HelpFiles files{.english = data.withSeparator() + "DATA\\QIVHELP.HLP", .spanish = in + "qivayuda.hlp"};
  const std::tuple<HelpLanguage, std::optional<std::uint32_t>, std::string> cases[] = {
      {HelpLanguage::English, 26, in + "QivHelp/context-26.html"},
      {HelpLanguage::English, std::nullopt, in + "QivHelp/index.html"},
      {HelpLanguage::Spanish, 26, in + "QIVAYUDA/CONTEXT-26.HTML"},
      {HelpLanguage::Spanish, 1, in + "QIVAYUDA/INDEX.HTML"},  // a context without a page
  };
  for (const auto& [language, context, page] : cases) {
    SCOPED_TRACE(page);
    RecordingOpener opener;
    opener.answer = {.outcome = DesktopOutcome::NoProgram, .code = 3, .program = "xdg-open"};
    HtmlHelp help(opener);
    const std::string& file = files.of(language);
    EXPECT_EQ(context ? help.showContext(file, *context) : help.showContents(file), opener.answer);
    EXPECT_EQ(opener.requests, (std::vector<RecordingOpener::Request>{{RecordingOpener::Kind::Document, page}}));
  }

  RecordingOpener opener;
  HtmlHelp help(opener);
  const DesktopResult missing{.outcome = DesktopOutcome::NotFound, .code = ENOENT};
  EXPECT_EQ(help.showContext(in + "NONE.HLP", 5), missing);
  EXPECT_EQ(help.showContents(in + "EMPTY.HLP"), missing);
  EXPECT_EQ(help.showContents(""), missing);
  EXPECT_TRUE(opener.requests.empty());
}

}  // namespace
}  // namespace platform::desktop
