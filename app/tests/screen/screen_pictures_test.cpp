// The rating screen of the sample set with a shipment rated: its Options
// menu open, and the rates dialog over it, whose re-ratings leave the
// screen's own figures and discount basis as they were once it closes; the
// sample level's tariff text and service map.
#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/qiv_dialog.h"
#include "display/display_ids.h"
#include "platform/ui/cairo/rendering.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/input.h"
#include "platform/ui/keys.h"
#include "platform/ui/menu.h"
#include "platform/ui/window.h"
#include "sample_copy.h"
#include "screen/screen_ids.h"
#include "screen_driver.h"
#include "screen_probe.h"
#include "shell/qiv_session.h"

namespace qiv {
namespace {

using namespace platform::ui;

TEST(ScreenPictures, OptionsMenuOpenAndTheRatesDialogOverASampleShipment) {
  const std::string artifacts = QIV_ARTIFACT_DIR;
  std::filesystem::create_directories(artifacts);
  testing::SampleCopy sample;
  testing::ScreenDriver driver(true);
  driver.chooseLevels();
  driver.onScreen([&](WindowHandle screen) {
    ASSERT_TRUE(testing::ChooseProfile(screen, "Default"));
    SetFocus(DialogItem(screen, screen_id::OriginField));
    InjectText("10001\t");
  });
  driver.onScreen([](WindowHandle) { InjectText("60601\t"); });
  driver.onScreen([](WindowHandle) { InjectText("85\t1200\t"); });
  driver.onScreen([](WindowHandle) { InjectText("125\t350\t"); });
  driver.onScreen([](WindowHandle screen) {
    const Rect options = MenuBarItemRect(screen, 1);
    const Point centre{options.left + options.width() / 2, options.top + options.height() / 2};
    InjectMouseButton(MouseButton::Left, true, centre);
    InjectMouseButton(MouseButton::Left, false, centre);
  });
  std::string totalBefore, totalAfter;
  char basisBefore = 0, basisAfter = 0;
  driver.onScreen([&](WindowHandle screen) {
    EXPECT_TRUE(CurrentMenuTracking().popupOpen);
    EXPECT_TRUE(cairo::RenderWindowWithPopupsToPng(screen, artifacts + "/screen-options-menu.png"));
    InjectKeyPress(key::Escape);
    InjectKeyPress(key::Escape);
  });
  driver.onScreen([&](WindowHandle screen) {
    totalBefore = DialogItemText(screen, screen_id::TotalChargesValue);
    basisBefore = QivDialog::SessionOf(screen)->context->charAt(fields::kDiscountMode);
    // The route rated, the command is offered: its accelerator opens it.
    EXPECT_FALSE(testing::MenuFlags(screen, command::DisplayRates) & menu_flag::Grayed);
    InjectKeyPress(static_cast<VirtualKey>('T'), modifier::Control);
  });
  std::vector<std::string> rates;
  driver.onWindowCaptionStarting("Rates", [&](WindowHandle dialog) {
    const WindowHandle list = DialogItem(dialog, display_id::RatesList);
    for (int i = 0; i < static_cast<int>(SendMessage(list, list_box::GetCount)); ++i) {
      char line[256] = {};
      SendMessage(list, list_box::GetText, static_cast<WParam>(i), reinterpret_cast<LParam>(line));
      rates.emplace_back(line);
    }
    EXPECT_TRUE(cairo::RenderWindowWithPopupsToPng(ParentWindow(dialog) ? ParentWindow(dialog) : dialog,
                                                   artifacts + "/rates-dialog-sample.png"));
    EXPECT_TRUE(cairo::RenderWindowToPng(dialog, artifacts + "/rates-dialog-sample-alone.png"));
    // The alternation view rates the shipment again in the dialog.
    CheckRadioButton(dialog, display_id::RatesView, display_id::AlternationView, display_id::AlternationView);
    SendMessage(dialog, msg::Command, CommandParam(display_id::AlternationView, 0));
    SendMessage(dialog, msg::Command, CommandParam(display_id::RatesOk, 0));
  });
  driver.onScreen([&](WindowHandle screen) {
    totalAfter = DialogItemText(screen, screen_id::TotalChargesValue);
    basisAfter = QivDialog::SessionOf(screen)->context->charAt(fields::kDiscountMode);
  });
  driver.cancelScreen();
  EXPECT_EQ(sample.run(driver), 0) << sample.diagnostics.str() << testing::SeenWindows(driver);
  EXPECT_FALSE(rates.empty());
  EXPECT_EQ(totalBefore, "$748.81");
  EXPECT_EQ(totalAfter, totalBefore);
  EXPECT_EQ(basisAfter, basisBefore);
}

TEST(ScreenPictures, TheSampleLevelsTariffTextAndServiceMap) {
  const std::string artifacts = QIV_ARTIFACT_DIR;
  std::filesystem::create_directories(artifacts);
  testing::SampleCopy sample;
  testing::ScreenDriver driver(true);
  driver.chooseLevels();
  bool offered = false;
  driver.onScreen([&](WindowHandle screen) {
    offered = testing::MenuFlags(screen, command::TariffDisplay) != ~0u &&
              testing::MenuFlags(screen, command::ServiceMap) != ~0u &&
              testing::MenuFlags(screen, command::Website) != ~0u;
    PostMessage(screen, msg::Command, CommandParam(command::TariffDisplay, 0));
  });
  std::vector<std::string> text;
  driver.onWindow("Tariff Display", [&](WindowHandle dialog) {
    const WindowHandle list = DialogItem(dialog, display_id::TariffText);
    for (int i = 0; i < static_cast<int>(SendMessage(list, list_box::GetCount)); ++i) {
      char line[256] = {};
      SendMessage(list, list_box::GetText, static_cast<WParam>(i), reinterpret_cast<LParam>(line));
      text.emplace_back(line);
    }
    EXPECT_TRUE(cairo::RenderWindowToPng(dialog, artifacts + "/tariff-display-sample.png"));
    EXPECT_EQ(testing::CutTexts(dialog), std::vector<int>{});
    SendMessage(dialog, msg::Command, CommandParam(display_id::TariffOk, 0));
  });
  driver.onScreen([](WindowHandle screen) { PostMessage(screen, msg::Command, CommandParam(command::ServiceMap, 0)); });
  driver.onWindow("Service Map", [&](WindowHandle viewer) {
    EXPECT_TRUE(cairo::RenderWindowToPng(viewer, artifacts + "/service-map-sample.png"));
    SendMessage(viewer, msg::Command, CommandParam(command_id::Ok, 0));
  });
  driver.cancelScreen();
  EXPECT_EQ(sample.run(driver), 0) << sample.diagnostics.str() << testing::SeenWindows(driver);
  EXPECT_TRUE(offered);
  // Lines over 45 characters go on in the next list line, none dropped.
  ASSERT_GE(text.size(), 4u);
  for (const std::string& line : text) EXPECT_LE(line.size(), 45u) << line;
  EXPECT_EQ(text[0], "SAMPLE TARIFF SAMPLE01 - RULES AND NOTES OF T");
  EXPECT_EQ(text[1], "HE SAMPLE LEVEL");
  EXPECT_EQ(text[2], "");
}

}  // namespace
}  // namespace qiv
