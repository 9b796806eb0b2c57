// The desktop opener run against a stub xdg-open on a search path of the test's.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/desktop/opener.h"
#include "platform/testing/process_table.h"
#include "stub_programs.h"

namespace platform::desktop {
namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;

constexpr const char* kOpener = "xdg-open";

class DesktopOpenerTest : public ::testing::Test {
 protected:
  DesktopOpener opener(std::chrono::milliseconds verdictWait = std::chrono::minutes(1)) const {
    return DesktopOpener({.searchPath = stubs_.searchPath(), .verdictWait = verdictWait});
  }
  StubPrograms stubs_;
};

TEST_F(DesktopOpenerTest, AWebAddressReachesTheOpenerAsOneArgument) {
  stubs_.add(kOpener);
  const struct {
    std::string address;
    std::string passed;
  } cases[] = {
      {"https://example.com/rates?lane=1&class=50;x=1", "https://example.com/rates?lane=1&class=50;x=1"},
      {"http://example.com/a b/'single' \"double\" $HOME `id` *", "http://example.com/a b/'single' \"double\" $HOME `id` *"},
      {"  https://example.com/fuel\r\n", "https://example.com/fuel"},
      {"www.example.com/q?a=1&b=2", "http://www.example.com/q?a=1&b=2"},
      {"WWW.EXAMPLE.COM", "http://WWW.EXAMPLE.COM"},
      {"mailto:rates@example.com", "mailto:rates@example.com"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    EXPECT_EQ(opener().openAddress(c.address), (DesktopResult{.program = kOpener}));
    EXPECT_EQ(stubs_.arguments(kOpener), Arguments{c.passed});
  }
  EXPECT_EQ(opener().openAddress(" \r\n"), (DesktopResult{.outcome = DesktopOutcome::Failed, .code = EINVAL}));
}

TEST_F(DesktopOpenerTest, TheOpenersAnswerBecomesTheResult) {
  const struct {
    const char* name;
    const char* script;  // nothing: no xdg-open at all; "unrunnable": one that cannot run
    DesktopResult result;
  } cases[] = {
      {"opened", "", {.program = kOpener}},
      {"syntax error", "exit 1", {.outcome = DesktopOutcome::Failed, .code = 1, .program = kOpener}},
      {"file not found", "exit 2", {.outcome = DesktopOutcome::NotFound, .code = 2, .program = kOpener}},
      {"no program for the type", "exit 3", {.outcome = DesktopOutcome::NoProgram, .code = 3, .program = kOpener}},
      {"action failed", "exit 4", {.outcome = DesktopOutcome::Failed, .code = 4, .program = kOpener}},
      {"killed", "kill -9 $$", {.outcome = DesktopOutcome::Failed, .code = 128 + 9, .program = kOpener}},
      {"no opener installed", nullptr, {.outcome = DesktopOutcome::NoProgram, .code = ENOENT, .program = kOpener}},
      {"an opener that cannot run", "unrunnable", {.outcome = DesktopOutcome::Failed, .code = ENOEXEC, .program = kOpener}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(stubs_.dir() / "bin" / kOpener);
    if (c.script && std::string_view(c.script) == "unrunnable")
      stubs_.addUnrunnable(kOpener);
    else if (c.script)
      stubs_.add(kOpener, c.script);
    EXPECT_EQ(opener().openAddress("https://example.com/"), c.result);
    EXPECT_TRUE(platform::testing::ChildrenOfThisProcess().empty());
  }
}

TEST_F(DesktopOpenerTest, DocumentsAreOpenedByTheirAbsolutePathWhenTheyExist) {
  stubs_.add(kOpener);
  const fs::path rules = stubs_.dir().write("Data/-RULES.PDF", "%PDF");
  const fs::path previous = fs::current_path();
  fs::current_path(stubs_.dir().path());

  // Named under another case, with the other separator, and relative (a
  // leading '-' must not reach the opener as an option).
  EXPECT_TRUE(opener().openDocument("data\\-rules.pdf").ok());
  EXPECT_EQ(stubs_.arguments(kOpener), Arguments{rules.string()});

  fs::remove(stubs_.dir() / (std::string(kOpener) + ".args"));
  EXPECT_EQ(opener().openDocument("Data/NONE.PDF"), (DesktopResult{.outcome = DesktopOutcome::NotFound, .code = ENOENT}));
  EXPECT_EQ(opener().openDocument(""), (DesktopResult{.outcome = DesktopOutcome::NotFound, .code = ENOENT}));
  EXPECT_FALSE(stubs_.ran(kOpener));
  fs::current_path(previous);
}

TEST_F(DesktopOpenerTest, AnOpenerStillRunningCountsAsOpenedAndLeavesNoZombie) {
  const fs::path fifo = stubs_.dir() / "shown";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  stubs_.add(kOpener, "read line < '" + fifo.string() + "'");
  EXPECT_EQ(opener(std::chrono::milliseconds(0)).openAddress("https://example.com/"), (DesktopResult{.program = kOpener}));
  ::close(::open(fifo.c_str(), O_WRONLY));  // the viewer closes
  EXPECT_TRUE(platform::testing::WaitUntilNoChildren());
  EXPECT_EQ(stubs_.arguments(kOpener), Arguments{"https://example.com/"});
}

}  // namespace
}  // namespace platform::desktop
