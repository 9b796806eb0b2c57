// The commands that start the installation's programs, open the rules and
// the web addresses: the command lines exactly as composed, the price
// sheets kept track of (100 at most, a slot freed once its program is seen
// to end), the refusals while one runs, the map's file, the addresses.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "dialogs/qiv_dialog.h"
#include "platform/desktop/programs.h"
#include "platform/testing/process_table.h"
#include "platform/ui/dialog.h"
#include "platform/ui/menu.h"
#include "platform/ui/window.h"
#include "qiv_data_set.h"
#include "screen/screen_ids.h"
#include "screen_probe.h"
#include "shell/qiv_session.h"
#include "shell/rating_context_fields.h"

namespace qiv {
namespace {

using namespace platform::ui;
using testing::QivDataSet;
using testing::QivRun;
using Kind = platform::desktop::RecordingPrograms::Kind;
using Request = platform::desktop::RecordingPrograms::Request;

void Command(WindowHandle screen, int command) { SendMessage(screen, msg::Command, CommandParam(command, 0)); }

RatingContext& ContextOf(WindowHandle screen) { return *QivDialog::SessionOf(screen)->context; }

std::vector<std::string> BoxTexts(const QivRun& run) {
  std::vector<std::string> texts;
  for (const auto& box : run.driver.boxes()) texts.push_back(box.text);
  return texts;
}

// The data set's programs, present as files (the recording services start none).
void AddPrograms(QivDataSet& data) {
  data.setMexicoOption(true);
  for (const char* name : {"Waybill32", "Portlist", "VornMaintenance", "PSHEET"}) data.write(name, "");
  data.write("PSNAME.FIL", "PSheet.EXE\r\n");
  data.setText(fields::kPriceSheetOption, "Y");
}

TEST(StartedPrograms, CommandLinesAsComposedAndStartedWithoutAShell) {
  struct Case {
    const char* name;
    int command;
    bool spanish;
    char canadianFlag;
    Request request;  // commandLine and program given after the data directory
  };
  const std::vector<Case> cases = {
      {"bill of lading with the net charge text",
       command::BillOfLading,
       false,
       'N',
       {Kind::Waited, "Waybill32.EXE  1234.56", "Waybill32", {"1234.56"}}},
      {"border crossing, Spanish, Canadian codes",
       command::BorderCrossingPoints,
       true,
       'Y',
       {Kind::Waited, "Portlist.EXE TESTBASE Y N", "Portlist", {"TESTBASE", "Y", "N"}}},
      {"border crossing, English",
       command::BorderCrossingPoints,
       false,
       'N',
       {Kind::Waited, "Portlist.EXE TESTBASE N Y", "Portlist", {"TESTBASE", "N", "Y"}}},
      {"maintenance", command::Maintenance, false, 'N', {Kind::Waited, "VornMaintenance.exe", "VornMaintenance", {}}},
      {"price sheet, Spanish: upper case, ending S",
       command::PriceSheet,
       true,
       'N',
       {Kind::Kept, "PSHEET.EXE TESTBASE N ABCD 01-15-2024 S", "PSHEET", {"TESTBASE", "N", "ABCD", "01-15-2024", "S"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QivDataSet data;
    AddPrograms(data);
    data.setText(fields::kCanadianCodesFlag, std::string(1, c.canadianFlag));
    QivRun run(data);
    bool hiddenMeanwhile = false;
    run.driver.onScreen([&](WindowHandle screen) {
      if (c.spanish) Command(screen, command::Spanish);
      RatingContext& context = ContextOf(screen);
      context.view().setText({54716, 10}, " 1234.56", '\0');
      context.view().setText(fields::kTariffName, "abcd    ", ' ');
      context.view().setText(fields::kShipmentDate, "01-15-2024", '\0');
      Command(screen, c.command);
      hiddenMeanwhile = IsWindowVisible(screen);
    });
    run.driver.cancelScreen();
    EXPECT_EQ(run.run(), 0);
    EXPECT_TRUE(hiddenMeanwhile);  // shown again afterwards
    ASSERT_EQ(run.programs.requests.size(), 1u);
    Request expected = c.request;
    const std::string directory = data.data().string() + "/";
    expected.commandLine = (c.command == command::PriceSheet ? [&] {
      std::string upper = directory;
      for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      return upper;
    }()
                                                             : directory) +
                           expected.commandLine;
    expected.program = directory + expected.program;
    EXPECT_EQ(run.programs.requests[0], expected);
  }
}

TEST(StartedPrograms, WithoutItsProgramOrOptionACommandShowsItsNoticeAndStartsNothing) {
  QivDataSet data;  // no bill-of-lading program, no price-sheet option
  QivRun run(data);
  std::vector<std::string> notices;
  const auto closeNotice = [&](WindowHandle shown) {
    notices.push_back(WindowText(shown));
    SendMessage(shown, msg::Command, CommandParam(command_id::Ok, 0));
  };
  run.driver.onScreen([&](WindowHandle screen) {
    Command(screen, command::BillOfLading);
    Command(screen, command::PriceSheet);
  });
  run.driver.onWindow("Bill of Lading", closeNotice);
  run.driver.onWindow("PriceSheet", closeNotice);
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
  EXPECT_EQ(notices, (std::vector<std::string>{"Bill of Lading", "PriceSheet"}));
  EXPECT_TRUE(run.programs.requests.empty());
}

TEST(StartedPrograms, AHundredPriceSheetsAtMostASlotFreedOnceItsProgramEnds) {
  QivDataSet data;
  AddPrograms(data);
  QivRun run(data);
  run.driver.onScreen([&](WindowHandle screen) {
    for (int i = 0; i < 101; ++i) Command(screen, command::PriceSheet);
  });
  run.driver.onScreen([&](WindowHandle screen) {
    run.programs.end(37);
    Command(screen, command::PriceSheet);
    Command(screen, command::PriceSheet);
  });
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
  // The 101st is refused, the 102nd takes the freed slot, the 103rd is refused.
  EXPECT_EQ(run.programs.requests.size(), 101u);
  EXPECT_EQ(BoxTexts(run).size(), 2u);
  for (const auto& box : run.driver.boxes()) EXPECT_NE(box.text.find("144"), std::string::npos) << box.text;
}

TEST(StartedPrograms, WhileARealPriceSheetRunsExitSettingsAndBorderCrossingAreRefused) {
  QivDataSet data;
  AddPrograms(data);
  const std::string fifo = (data.work() / "go").string();
  data.write("PSHEET", "#!/bin/sh\nread line < '" + fifo + "'\n");
  std::filesystem::permissions(data.data() / "PSHEET", std::filesystem::perms(0755));
  QivRun run(data);
  platform::desktop::DesktopPrograms programs;
  run.environment.programs = &programs;
  int settingsShown = 0;
  run.environment.settingsDialog = [&](QivSession&, WindowHandle) {
    ++settingsShown;
    return LResult{2};
  };
  run.driver.onScreen([&](WindowHandle screen) {
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    Command(screen, command::PriceSheet);
    Command(screen, command::Exit);
    Command(screen, command::Settings);
    Command(screen, command::BorderCrossingPoints);
  });
  run.driver.onScreen([&](WindowHandle screen) {
    // The price sheet waits on the pipe (a start that failed has no reader:
    // the write fails instead of blocking).
    // It opens the pipe soon after it starts.
    int pipe = -1;
    for (int tries = 0; pipe < 0 && tries < 10000; ++tries)
      if ((pipe = open(fifo.c_str(), O_WRONLY | O_NONBLOCK)) < 0) usleep(1000);
    ASSERT_GE(pipe, 0) << "the price sheet is not running";
    ASSERT_EQ(write(pipe, "done\n", 5), 5);
    close(pipe);
    // The program has ended once it is a zombie waiting to be seen.
    auto running = [] {
      for (const auto& child : platform::testing::ChildrenOfThisProcess())
        if (child.state != 'Z') return true;
      return false;
    };
    while (running()) {}
    Command(screen, command::Settings);
  });
  run.driver.exitScreen();
  EXPECT_EQ(run.run(), 0);  // the screen ended with code 1
  const std::vector<std::string> texts = BoxTexts(run);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_NE(texts[0].find("130"), std::string::npos) << texts[0];
  EXPECT_NE(texts[1].find("146"), std::string::npos) << texts[1];
  EXPECT_NE(texts[2].find("148"), std::string::npos) << texts[2];
  EXPECT_EQ(texts[3], "Exit the rating program?");
  EXPECT_EQ(settingsShown, 1);
}

TEST(ServiceMapCommand, TheMapProgramGetsItsFileTheMapPictureItsViewer) {
  QivDataSet data;
  data.write("Routeview", "");
  data.write("TESTBASE.MAP", "");
  QivRun run(data);
  run.driver.onScreen([&](WindowHandle screen) { Command(screen, command::ServiceMap); });
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
  EXPECT_EQ(platform::testing::ReadFileText(data.work() / "Routeview.FIL"), data.data().string() + "/\r\nTESTBASE\r\n");
  ASSERT_EQ(run.programs.requests.size(), 1u);
  EXPECT_EQ(run.programs.requests[0].kind, Kind::Forgotten);
  EXPECT_EQ(run.programs.requests[0].arguments, std::vector<std::string>{"Routeview.FIL"});

  // Without the tariff's map data the View pop-up grays the item, and the
  // command itself does nothing.
  QivDataSet noMap;
  noMap.write("Routeview", "");
  QivRun second(noMap);
  unsigned flags = 0;
  second.driver.onScreen([&](WindowHandle screen) {
    SendMessage(screen, msg::InitMenuPopup, reinterpret_cast<WParam>(SubMenu(GetMenu(screen), 2)), 2);
    flags = testing::MenuFlags(screen, command::ServiceMap);
    Command(screen, command::ServiceMap);
  });
  second.driver.cancelScreen();
  EXPECT_EQ(second.run(), 0);
  EXPECT_TRUE(flags & menu_flag::Grayed);
  EXPECT_TRUE(second.programs.requests.empty());
  EXPECT_FALSE(std::filesystem::exists(noMap.work() / "Routeview.FIL"));
}

TEST(RulesCommand, HelpContextOneOrTheRulesDocument) {
  for (const char* option : {"H", "P"}) {
    SCOPED_TRACE(option);
    QivDataSet data;
    data.setText(fields::kRulesOption, option);
    data.setShort(fields::kNoticeSuppressed, 1);
    data.write("TESTBASE.rul", "RULES.PDF\r\n");
    QivRun run(data);
    run.driver.onScreen([&](WindowHandle screen) { Command(screen, command::Rules); });
    run.driver.cancelScreen();
    EXPECT_EQ(run.run(), 0);
    if (option[0] == 'P') {
      ASSERT_EQ(run.opener.requests.size(), 1u);
      EXPECT_EQ(run.opener.requests[0].target, data.data().string() + "/RULES.PDF");
      EXPECT_TRUE(run.help.requests.empty());
    } else {
      ASSERT_EQ(run.help.requests.size(), 1u);
      EXPECT_EQ(run.help.requests[0].context, std::optional<std::uint32_t>(1));
    }
  }
}

TEST(WebCommands, TheFirstLineIsTheAddressAndABadOneIsNotOpened) {
  struct Case {
    const char* content;  // nullptr: the file is gone by the time the command runs
    bool openerFails;
    std::vector<std::string> opened;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"http://www.example.test/\r\nsecond\r\n", false, {"http://www.example.test/"}, ""},
      {"www.example.test\n", false, {"www.example.test"}, ""},
      {"", false, {}, "120"},
      {"-remote evil\n", false, {}, "120"},
      {"http://www.example.test/\n", true, {"http://www.example.test/"}, "120"},
      {nullptr, false, {}, "292"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content ? c.content : "(gone)");
    QivDataSet data;
    data.write("WEB.FIL", c.content ? c.content : "x\n");
    QivRun run(data);
    if (c.openerFails) run.opener.answer = {.outcome = platform::desktop::DesktopOutcome::Failed};
    run.driver.onScreen([&](WindowHandle screen) {
      if (!c.content) data.remove("WEB.FIL");
      Command(screen, command::Website);
    });
    run.driver.cancelScreen();
    EXPECT_EQ(run.run(), 0);
    std::vector<std::string> opened;
    for (const auto& request : run.opener.requests) opened.push_back(request.target);
    EXPECT_EQ(opened, c.opened);
    const std::vector<std::string> texts = BoxTexts(run);
    if (c.message.empty()) {
      EXPECT_TRUE(texts.empty());
    } else {
      ASSERT_EQ(texts.size(), 1u);
      EXPECT_NE(texts[0].find(c.message), std::string::npos) << texts[0];
    }
  }
}

}  // namespace
}  // namespace qiv
