// Style 0x4000: a sunken 3-D frame drawn round the control on its parent,
// and button-face colours for the rows; off on a screen of few colours.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/ui/color.h"
#include "platform/ui/gdi.h"
#include "platform/ui/paint.h"
#include "platform/ui/recording_surface.h"
#include "support/rowpane_harness.h"

namespace rowpane::testing {
namespace {

namespace ui = platform::ui;

// A headless screen that shows every window on one recording surface, with
// the colour depth given.
class RecordingScreen : public ui::HeadlessBackend {
 public:
  explicit RecordingScreen(int bitsPerPixel = 24) : bits_(bitsPerPixel), previous_(ui::InstallBackend(this)) {}
  ~RecordingScreen() override { ui::InstallBackend(previous_); }
  int systemMetric(ui::SystemMetric metric) override {
    if (metric == ui::SystemMetric::ScreenBitsPerPixel) return bits_;
    return ui::HeadlessSystemMetric(metric);
  }
  ui::Surface* windowSurface(WindowHandle) override { return &surface; }
  ui::RecordingSurface surface{{400, 300}};

 private:
  int bits_;
  ui::Backend* previous_;
};

bool Filled(const ui::RecordingSurface& surface, const ui::Rect& rect, ui::ColorRef color) {
  return std::any_of(surface.calls().begin(), surface.calls().end(), [&](const ui::DrawCall& call) {
    return call.kind == ui::DrawCall::Kind::Fill && call.rect == rect && call.color == color;
  });
}

void PaintControl(Parent& parent, RecordingScreen& screen) {
  screen.surface.clear();
  ui::InvalidateRect(parent.control());
  ui::UpdateWindow(parent.control());
}

TEST(Frame3d, SunkenFrameRoundTheControlOnTheParent) {
  RecordingScreen screen;
  Parent parent;
  parent.createControl(style::Frame3d);  // at 10,10, 200 x 130
  PaintControl(parent, screen);
  const auto& s = screen.surface;
  const ui::ColorRef frame = ui::GetSystemColor(ui::SystemColor::WindowFrame);
  const ui::ColorRef face = ui::GetSystemColor(ui::SystemColor::ButtonFace);
  const ui::ColorRef shadow = ui::GetSystemColor(ui::SystemColor::ButtonShadow);
  const ui::ColorRef light = ui::GetSystemColor(ui::SystemColor::ButtonHighlight);
  // Inner frame just outside the control: left and top dark, right and bottom face.
  EXPECT_TRUE(Filled(s, {9, 9, 10, 141}, frame));
  EXPECT_TRUE(Filled(s, {9, 9, 211, 10}, frame));
  EXPECT_TRUE(Filled(s, {210, 9, 211, 141}, face));
  EXPECT_TRUE(Filled(s, {9, 140, 211, 141}, face));
  // Outer frame a pixel further out: shadow above and left, highlight below and right.
  EXPECT_TRUE(Filled(s, {8, 8, 9, 142}, shadow));
  EXPECT_TRUE(Filled(s, {8, 8, 212, 9}, shadow));
  EXPECT_TRUE(Filled(s, {211, 8, 212, 142}, light));
  EXPECT_TRUE(Filled(s, {8, 141, 212, 142}, light));
}

TEST(Frame3d, ButtonFaceColoursForTheRows) {
  RecordingScreen screen;
  Parent parent;
  parent.createControl(style::Frame3d);
  ui::DcHandle dc = ui::GetDC(parent.inner());
  const LResult brush = ui::SendMessage(parent.control(), ui::msg::CtlColorListBox, reinterpret_cast<WParam>(dc),
                                        ui::HandleToParam(parent.inner()));
  const auto color = ui::BrushColor(ui::HandleFromParam<ui::BrushHandle>(brush));
  ASSERT_TRUE(color.has_value());
  EXPECT_EQ(*color, ui::GetSystemColor(ui::SystemColor::ButtonFace));
  EXPECT_EQ(ui::TextColorOf(dc), ui::GetSystemColor(ui::SystemColor::ButtonText));
  EXPECT_EQ(ui::BackgroundColorOf(dc), ui::GetSystemColor(ui::SystemColor::ButtonFace));
  ui::ReleaseDC(parent.inner(), dc);
}

TEST(Frame3d, TheSharedBrushesOutliveOneOfTwoControls) {
  RecordingScreen screen;
  Parent parent;
  const WindowHandle first = parent.createControl(style::Frame3d);
  const WindowHandle second = parent.createControl(style::Frame3d, 100);
  ui::DestroyWindow(first);
  ui::DcHandle dc = ui::GetDC(parent.window());
  const LResult brush = ui::SendMessage(second, ui::msg::CtlColorListBox, reinterpret_cast<WParam>(dc), 0);
  EXPECT_TRUE(ui::BrushColor(ui::HandleFromParam<ui::BrushHandle>(brush)).has_value());
  ui::ReleaseDC(parent.window(), dc);
}

TEST(Frame3d, OffOnAScreenOfFewColours) {
  RecordingScreen screen(1);
  Parent parent;
  parent.createControl(style::Frame3d);
  PaintControl(parent, screen);
  EXPECT_FALSE(Filled(screen.surface, {9, 9, 211, 10}, ui::GetSystemColor(ui::SystemColor::WindowFrame)));
  // The rows keep the classic colours.
  ui::DcHandle dc = ui::GetDC(parent.inner());
  ui::SendMessage(parent.control(), ui::msg::CtlColorListBox, reinterpret_cast<WParam>(dc),
                  ui::HandleToParam(parent.inner()));
  EXPECT_EQ(ui::BackgroundColorOf(dc), ui::GetSystemColor(ui::SystemColor::Window));
  ui::ReleaseDC(parent.inner(), dc);
}

TEST(Frame3d, NoFrameWithoutTheStyle) {
  RecordingScreen screen;
  Parent parent;
  parent.createControl();
  PaintControl(parent, screen);
  EXPECT_FALSE(Filled(screen.surface, {8, 8, 212, 9}, ui::GetSystemColor(ui::SystemColor::ButtonShadow)));
}

}  // namespace
}  // namespace rowpane::testing
