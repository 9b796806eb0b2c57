// The desktop opener run against a stub xdg-open on a search path of the test's.
#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/desktop/opener.h"
#include "platform/testing/process_table.h"
#include "stub_programs.h"

namespace platform::desktop {
namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;

const std::string kOpener = "xdg-open";

class DesktopOpenerTest : public ::testing::Test {
 protected:
  DesktopOpener opener(std::chrono::milliseconds verdictWait = std::chrono::minutes(1)) const {
    return DesktopOpener({.searchPath = stubs_.searchPath(), .verdictWait = verdictWait});
  }
  StubPrograms stubs_;
};

TEST_F(DesktopOpenerTest, AWebAddressReachesTheOpenerAsOneArgument) {
  stubs_.add(kOpener);
  const std::pair<std::string, std::string> cases[] = {
      {"https://example.com/rates?lane=1&class=50;x=1", "https://example.com/rates?lane=1&class=50;x=1"},
      {"http://example.com/a b/'single' \"double\" $HOME `id` *",
       "http://example.com/a b/'single' \"double\" $HOME `id` *"},
      {"  www.example.com/fuel?a=1&b=2\r\n", "http://www.example.com/fuel?a=1&b=2"},
      {"mailto:rates@example.com", "mailto:rates@example.com"},
  };
  for (const auto& [address, passed] : cases) {
    EXPECT_EQ(opener().openAddress(address), (DesktopResult{.program = kOpener}));
    EXPECT_EQ(stubs_.arguments(kOpener), Arguments{passed});
  }
  EXPECT_EQ(opener().openAddress(" \r\n"), (DesktopResult{.outcome = DesktopOutcome::Failed, .code = EINVAL}));
}

TEST_F(DesktopOpenerTest, TheOpenersAnswerBecomesTheResult) {
  using enum DesktopOutcome;
  const std::pair<const char*, DesktopResult> cases[] = {
      {"exit 3", {.outcome = NoProgram, .code = 3, .program = kOpener}},
      {"exit 4", {.outcome = Failed, .code = 4, .program = kOpener}},
      {"kill -9 $$", {.outcome = Failed, .code = 128 + 9, .program = kOpener}},
      {nullptr, {.outcome = NoProgram, .code = ENOENT, .program = kOpener}},  // none installed
  };
  for (const auto& [script, result] : cases) {
    SCOPED_TRACE(script ? script : "none");
    fs::remove(stubs_.dir() / "bin" / kOpener);
    if (script) stubs_.add(kOpener, script);
    EXPECT_EQ(opener().openAddress("https://example.com/"), result);
    EXPECT_TRUE(platform::testing::ChildrenOfThisProcess().empty());
  }
}

TEST_F(DesktopOpenerTest, DocumentsAreOpenedByTheirAbsolutePathWhenTheyExist) {
  stubs_.add(kOpener);
  const fs::path rules = stubs_.dir().write("Data/-RULES.PDF", "%PDF");
  const fs::path previous = fs::current_path();
  fs::current_path(stubs_.dir().path());
  // Another case, the other separator, relative: a leading '-' must not
  // reach the opener as an option.
  EXPECT_TRUE(opener().openDocument("data\\-rules.pdf").ok());
  EXPECT_EQ(stubs_.arguments(kOpener), Arguments{rules.string()});
  fs::remove(stubs_.dir() / (kOpener + ".args"));
  EXPECT_EQ(opener().openDocument("Data/NONE.PDF"),
            (DesktopResult{.outcome = DesktopOutcome::NotFound, .code = ENOENT}));
  EXPECT_EQ(stubs_.arguments(kOpener), std::nullopt);
  fs::current_path(previous);
}

TEST_F(DesktopOpenerTest, AnOpenerStillRunningCountsAsOpenedAndLeavesNoZombie) {
  const fs::path fifo = stubs_.dir() / "shown";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  stubs_.add(kOpener, "read line < '" + fifo.string() + "'");
  EXPECT_EQ(opener(std::chrono::milliseconds(0)).openAddress("https://example.com/"),
            (DesktopResult{.program = kOpener}));
  ::close(::open(fifo.c_str(), O_WRONLY));  // the viewer closes
  EXPECT_TRUE(platform::testing::WaitUntilNoChildren());
}

}  // namespace
}  // namespace platform::desktop
