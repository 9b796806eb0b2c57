// The desktop calculator found on a search path of the test's, or not.
#include <gtest/gtest.h>

#include <cerrno>

#include "platform/desktop/calculator.h"
#include "platform/testing/process_table.h"
#include "stub_programs.h"

namespace platform::desktop {
namespace {

TEST(DesktopCalculatorTest, TheFirstInstalledCalculatorStartsAndNoneInstalledSaysSo) {
  const std::pair<std::vector<std::string>, DesktopResult> cases[] = {
      {{"xcalc", "kcalc", "gnome-calculator"}, {.program = "gnome-calculator"}},
      {{}, {.outcome = DesktopOutcome::NoProgram, .code = ENOENT}},
  };
  for (const auto& [installed, result] : cases) {
    SCOPED_TRACE(result.program);
    StubPrograms stubs;
    for (const std::string& program : installed) stubs.add(program);
    EXPECT_EQ(DesktopCalculator({.searchPath = stubs.searchPath()}).start(), result);
    // Started and forgotten: it ends on its own and leaves no zombie.
    EXPECT_TRUE(platform::testing::WaitUntilNoChildren());
    for (const std::string& program : installed)
      EXPECT_EQ(stubs.arguments(program),
                program == result.program ? std::optional(std::vector<std::string>{}) : std::nullopt);
  }
}

}  // namespace
}  // namespace platform::desktop
