// The program on a copy of the sample data set, with the libraries its
// LIBNAME.FIL names: the screen ready on its level, Exit saving the
// settings images with the screen's language, or reporting that it cannot
// and closing all the same.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <sys/stat.h>

#include "dialogs/dialog_ids.h"
#include "platform/desktop/recording_services.h"
#include "platform/testing/temp_directory.h"
#include "platform/ui/cairo/rendering.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"
#include "sample_copy.h"
#include "screen/screen_ids.h"
#include "screen_driver.h"
#include "screen_probe.h"
#include "shell/qiv_program.h"

namespace qiv {
namespace {

using namespace platform::ui;

using testing::SampleCopy;

TEST(SampleScreen, OpensReadyOnTheSampleDataSetAndExitSavesItsSettings) {
  testing::SampleCopy sample;
  testing::ScreenDriver driver(true);
  driver.chooseLevels();
  driver.onScreen([](WindowHandle screen) {
    std::filesystem::create_directories(QIV_ARTIFACT_DIR);
    EXPECT_TRUE(
        platform::ui::cairo::RenderWindowToPng(screen, std::string(QIV_ARTIFACT_DIR) + "/rating-screen-sample.png"));
    EXPECT_FALSE(WindowText(screen).empty());
    EXPECT_EQ(testing::MenuTitles(screen).size(), 4u);
    // The profile the settings name, among them "Default".
    EXPECT_FALSE(testing::SelectedComboText(screen, screen_id::ProfileCombo).empty());
    EXPECT_GE(SendDialogItemMessage(screen, screen_id::ProfileCombo, combo_box::FindStringExact,
                                    static_cast<WParam>(-1), reinterpret_cast<LParam>("Default")),
              0);
    EXPECT_TRUE(testing::IsShown(screen, screen_id::TariffList) || testing::IsShown(screen, screen_id::SingleTariff));
    EXPECT_FALSE(testing::StatusPane(screen, 0).empty());
    SendMessage(screen, msg::Command, CommandParam(command::Spanish, 0));
  });
  driver.exitScreen();
  EXPECT_EQ(sample.run(driver), 0) << sample.diagnostics.str() << testing::SeenWindows(driver);
  ASSERT_EQ(driver.boxes().size(), 1u);  // the question, answered Yes
  EXPECT_TRUE(driver.boxes()[0].question);
  // The settings images in the current directory, the Mexico image saying
  // that the screen was Spanish when it closed.
  const std::string def = platform::testing::ReadFileText(sample.work() / "SAMPLE01.DEF");
  const std::string mef = platform::testing::ReadFileText(sample.work() / "SAMPLE01.MEF");
  EXPECT_EQ(def.size(), 346u);
  ASSERT_EQ(mef.size(), 350u);
  EXPECT_EQ(mef[2], 'Y');
}

TEST(SampleScreen, AReadOnlyCurrentDirectoryKeepsTheOldSettingsWhileClosingGoesOn) {
  testing::SampleCopy sample;
  testing::ScreenDriver first;
  first.chooseLevels();
  first.exitScreen();
  ASSERT_EQ(sample.run(first), 0);
  std::map<std::string, std::string> saved;
  for (const auto& entry : std::filesystem::directory_iterator(sample.work()))
    saved[entry.path().filename().string()] = platform::testing::ReadFileText(entry.path());
  ASSERT_FALSE(saved.empty());

  testing::ScreenDriver second;
  second.chooseLevels();
  second.exitScreen();
  ::chmod(sample.work().c_str(), 0555);
  const int code = sample.run(second);
  ::chmod(sample.work().c_str(), 0755);
  EXPECT_EQ(code, 0);
  ASSERT_GE(second.boxes().size(), 2u);  // the question, then what could not be written
  EXPECT_FALSE(second.boxes()[1].question);
  for (const auto& [name, contents] : saved)
    EXPECT_EQ(platform::testing::ReadFileText(sample.work() / name), contents) << name;
}

}  // namespace
}  // namespace qiv
