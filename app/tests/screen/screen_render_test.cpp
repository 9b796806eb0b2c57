// The rating screen as the user sees it, drawn by the cairo backend in
// English and in Spanish: its images are kept in artifacts/, no label,
// field or title is cut by its control in either language, and no two
// shown controls cover each other.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ui/cairo/rendering.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/font.h"
#include "platform/ui/menu.h"
#include "platform/ui/window.h"
#include "qiv_data_set.h"
#include "screen/screen_ids.h"
#include "screen_probe.h"
#include "shell/rating_context_fields.h"

namespace qiv {
namespace {

using namespace platform::ui;
using testing::CutTexts;

// The pairs of visible controls of the screen that cover each other.
std::vector<std::pair<int, int>> OverlappingControls(WindowHandle screen) {
  std::vector<WindowHandle> shown;
  // (The focus sentinels, 1 x 1 at the corner, show nothing.)
  constexpr int kSentinelId = 0xFFFF;
  for (WindowHandle child : ChildWindows(screen))
    if (IsWindowVisible(child) && !WindowRectInParent(child).isEmpty() && WindowId(child) != kSentinelId)
      shown.push_back(child);
  std::vector<std::pair<int, int>> overlaps;
  for (std::size_t a = 0; a < shown.size(); ++a)
    for (std::size_t b = a + 1; b < shown.size(); ++b)
      if (!WindowRectInParent(shown[a]).intersectedWith(WindowRectInParent(shown[b])).isEmpty())
        overlaps.emplace_back(WindowId(shown[a]), WindowId(shown[b]));
  return overlaps;
}

TEST(ScreenLook, TheScreenInEnglishThenSpanishNothingCut) {
  // The sample set's texts: the labels as the user reads them.
  testing::QivDataSet data;
  const std::filesystem::path sample = QIV_DATA_DIR;
  data.languageFile = platform::testing::ReadFileText(sample / "QIV32.LNG");
  for (const char* picture : {"HEADLINE.bmp", "QIV.ICO"})
    std::filesystem::copy_file(sample / picture, data.data() / picture);
  data.setText(fields::kIconFileRoom, "QIV.ICO");
  data.setMexicoOption(true);
  data.libraryNames = "YSTANDIN.STANDENG.STANDGDE";
  data.setText(fields::kTerminalInformationOption, "Y");
  data.setText(fields::kTerminalsShown, "Y");
  data.setText(fields::kServiceDaysShown, "Y");
  data.setShort(fields::kShipmentIdPrompt, 1);
  data.setShort(fields::kBasePointDisplay, 1);
  data.standIn = "effective TSTFRT01 20240101\neffective TSTFRT02 20240601\n";
  testing::QivRun run(data, true);
  const std::string artifacts = QIV_ARTIFACT_DIR;
  std::filesystem::create_directories(artifacts);
  std::vector<int> cutEnglish, cutSpanish;
  std::vector<std::pair<int, int>> overlaps;
  run.driver.onScreen([&](WindowHandle screen) {
    cutEnglish = CutTexts(screen);
    overlaps = OverlappingControls(screen);
    EXPECT_TRUE(cairo::RenderWindowToPng(screen, artifacts + "/rating-screen-english.png"));
    SendMessage(screen, msg::Command, CommandParam(command::English, 0));
  });
  run.driver.onScreen([&](WindowHandle screen) {
    EXPECT_TRUE(testing::MenuFlags(screen, command::Spanish) & menu_flag::Checked);
    cutSpanish = CutTexts(screen);
    EXPECT_TRUE(cairo::RenderWindowToPng(screen, artifacts + "/rating-screen-spanish.png"));
  });
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
  EXPECT_EQ(cutEnglish, std::vector<int>{});
  EXPECT_EQ(overlaps, (std::vector<std::pair<int, int>>{}));
  EXPECT_EQ(cutSpanish, std::vector<int>{});
}

}  // namespace
}  // namespace qiv
