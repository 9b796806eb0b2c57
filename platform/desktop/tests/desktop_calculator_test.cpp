// The desktop calculator found on a search path of the test's, or not.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/desktop/calculator.h"
#include "platform/testing/process_table.h"
#include "stub_programs.h"

namespace platform::desktop {
namespace {

TEST(DesktopCalculatorTest, TheFirstInstalledCalculatorStartsAndNoneInstalledSaysSo) {
  const struct {
    const char* name;
    std::vector<std::string> installed;
    std::vector<std::string> unrunnable;
    DesktopResult result;
  } cases[] = {
      {"the only one", {"xcalc"}, {}, {.program = "xcalc"}},
      {"the first of the list", {"xcalc", "kcalc", "gnome-calculator"}, {}, {.program = "gnome-calculator"}},
      {"none installed", {}, {}, {.outcome = DesktopOutcome::NoProgram, .code = ENOENT}},
      {"one that cannot run", {}, {"galculator"}, {.outcome = DesktopOutcome::Failed, .code = ENOEXEC, .program = "galculator"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    StubPrograms stubs;
    for (const std::string& program : c.installed) stubs.add(program);
    for (const std::string& program : c.unrunnable) stubs.addUnrunnable(program);
    DesktopCalculator calculator({.searchPath = stubs.searchPath()});
    EXPECT_EQ(calculator.start(), c.result);
    // Started and forgotten: it runs on its own and leaves no zombie.
    EXPECT_TRUE(platform::testing::WaitUntilNoChildren());
    for (const std::string& program : c.installed) {
      EXPECT_EQ(stubs.ran(program), program == c.result.program) << program;
      EXPECT_TRUE(stubs.arguments(program).empty()) << program;
    }
  }
}

}  // namespace
}  // namespace platform::desktop
