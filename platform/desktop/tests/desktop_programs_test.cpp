// The installation's programs as processes: arguments passed as they are,
// a kept program running until it is seen to end whatever its exit code, a
// program that cannot start leaving nothing behind.
#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <sys/stat.h>

#include "platform/desktop/programs.h"
#include "platform/testing/process_table.h"
#include "stub_programs.h"

namespace platform::desktop {
namespace {

ProgramRequest Request(const StubPrograms& stubs, const std::string& name, std::vector<std::string> arguments = {}) {
  return {.commandLine = name,
          .start = {.program = stubs.searchPath() + "/" + name, .arguments = std::move(arguments)}};
}

TEST(DesktopProgramsTest, WaitedAndForgottenProgramsGetTheirArgumentsAsTheyAre) {
  StubPrograms stubs;
  stubs.add("waybill");
  stubs.add("viewer");
  DesktopPrograms programs;
  const std::vector<std::string> arguments = {"A B", "$(echo x);|*", "-"};
  EXPECT_EQ(programs.runAndWait(Request(stubs, "waybill", arguments)), 0);
  EXPECT_EQ(stubs.arguments("waybill"), arguments);
  EXPECT_EQ(programs.startAndForget(Request(stubs, "viewer", {"x"})), 0);
  EXPECT_TRUE(platform::testing::WaitUntilNoChildren());
  EXPECT_EQ(stubs.arguments("viewer"), std::vector<std::string>{"x"});
  int error = 0;
  EXPECT_EQ(programs.runAndWait(Request(stubs, "missing")), ENOENT);
  EXPECT_EQ(programs.start(Request(stubs, "missing"), error), nullptr);
  EXPECT_EQ(error, ENOENT);
  EXPECT_EQ(programs.startAndForget(Request(stubs, "missing")), ENOENT);
}

TEST(DesktopProgramsTest, AKeptProgramRunsUntilSeenToEndWhateverItsExitCode) {
  // The stub waits for a line on a pipe of the test's, then ends with the
  // code it reads (259 ends as 3: an exit code is one byte).
  StubPrograms stubs;
  const std::string fifo = (stubs.dir().path() / "go").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  stubs.add("sheet", "read code < '" + fifo + "'; exit $code");
  DesktopPrograms programs;
  int error = -1;
  std::unique_ptr<StartedProgram> sheet = programs.start(Request(stubs, "sheet"), error);
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(error, 0);
  EXPECT_TRUE(sheet->running());
  std::ofstream(fifo) << "259\n";
  while (sheet->running()) {}
  EXPECT_FALSE(sheet->running());
  EXPECT_TRUE(platform::testing::WaitUntilNoChildren());
}

}  // namespace
}  // namespace platform::desktop
