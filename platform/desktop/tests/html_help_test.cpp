// Help pages chosen by language and context, shown through the opener.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/desktop/help.h"
#include "platform/desktop/recording_services.h"
#include "platform/testing/temp_directory.h"

namespace platform::desktop {
namespace {

using Kind = RecordingOpener::Kind;

TEST(HtmlHelpTest, TheLanguagesHelpIsShownAtTheContextsPageOrItsContents) {
  platform::testing::TempDirectory data;
  data.write("Data/QivHelp/index.html", "contents");
  data.write("Data/QivHelp/context-26.html", "accessorials");
  data.write("Data/QivHelp/context-1.html", "rules");
  data.write("Data/QIVAYUDA/INDEX.HTML", "contenido");
  data.write("Data/QIVAYUDA/CONTEXT-26.HTML", "accesorios");
  const std::string in = data.withSeparator() + "Data/";
  // As the settings name them: upper case, the data directory's separator.
  const HelpFiles files{.english = data.withSeparator() + "DATA\\QIVHELP.HLP", .spanish = in + "qivayuda.hlp"};

  const struct {
    const char* name;
    HelpLanguage language;
    std::optional<std::uint32_t> context;  // nothing: the contents
    std::string page;
  } cases[] = {
      {"English context", HelpLanguage::English, 26, in + "QivHelp/context-26.html"},
      {"English context 1", HelpLanguage::English, 1, in + "QivHelp/context-1.html"},
      {"English contents", HelpLanguage::English, std::nullopt, in + "QivHelp/index.html"},
      {"Spanish context", HelpLanguage::Spanish, 26, in + "QIVAYUDA/CONTEXT-26.HTML"},
      {"Spanish contents", HelpLanguage::Spanish, std::nullopt, in + "QIVAYUDA/INDEX.HTML"},
      {"a context without a page", HelpLanguage::Spanish, 1, in + "QIVAYUDA/INDEX.HTML"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingOpener opener;
    HtmlHelp help(opener);
    const std::string& file = files.of(c.language);
    EXPECT_TRUE((c.context ? help.showContext(file, *c.context) : help.showContents(file)).ok());
    EXPECT_EQ(opener.requests, (std::vector<RecordingOpener::Request>{{Kind::Document, c.page}}));
  }
}

TEST(HtmlHelpTest, MissingHelpIsReportedAndTheOpenersAnswerPassesThrough) {
  platform::testing::TempDirectory data;
  data.write("EMPTY/readme.txt", "no contents page");
  data.write("QIVHELP/index.html", "contents");
  RecordingOpener opener;
  HtmlHelp help(opener);
  const DesktopResult missing{.outcome = DesktopOutcome::NotFound, .code = ENOENT};
  EXPECT_EQ(help.showContext(data.withSeparator() + "NONE.HLP", 5), missing);
  EXPECT_EQ(help.showContents(data.withSeparator() + "EMPTY.HLP"), missing);
  EXPECT_EQ(help.showContents(""), missing);
  EXPECT_TRUE(opener.requests.empty());

  opener.answer = {.outcome = DesktopOutcome::NoProgram, .code = 3, .program = "xdg-open"};
  EXPECT_EQ(help.showContext(data.withSeparator() + "QIVHELP.HLP", 5), opener.answer);
}

}  // namespace
}  // namespace platform::desktop
