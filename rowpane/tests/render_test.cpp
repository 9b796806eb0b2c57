// A Rowpane over 100,000 rows drawn by the cairo backend: the image is kept
// as a build artifact, and the pixels that must hold are checked (the
// sunken frame on the parent, the selected row, text in the rows).
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ui/cairo/rendering.h"
#include "platform/ui/color.h"
#include "platform/ui/paint.h"
#include "support/rowpane_harness.h"

namespace rowpane::testing {
namespace {

namespace ui = platform::ui;

// Rendering that also lets a window draw on its parent (GetDC) onto the
// image being painted.
class ImageScreen : public ui::cairo::RenderingBackend {
 public:
  ImageScreen() : previous_(ui::InstallBackend(this)) {}
  ~ImageScreen() override { ui::InstallBackend(previous_); }
  ui::Surface* windowSurface(WindowHandle) override { return &image; }
  ui::cairo::ImageSurface image{{400, 300}};

 private:
  ui::Backend* previous_;
};

ui::ColorRef Sys(ui::SystemColor color) { return ui::GetSystemColor(color); }

TEST(RowpaneImage, FrameRowsAndSelectionOverAHundredThousandRows) {
  ImageScreen screen;
  Parent parent;
  parent.createControl(style::Frame3d, 200);
  parent.send(RPB_SETCURSEL, RPBN_GOTO, 54321);
  parent.send(ui::msg::VScroll, ui::scroll::LineUp);  // the selection on line 1
  ui::PaintWindowTree(parent.window(), screen.image);

  std::filesystem::create_directories(ROWPANE_ARTIFACT_DIR);
  const std::string path = std::string(ROWPANE_ARTIFACT_DIR) + "/rowpane.png";
  ASSERT_TRUE(screen.image.writePng(path));
  EXPECT_GT(std::filesystem::file_size(path), 1000u);

  const ui::Rect place = ui::WindowRectInParent(parent.control());
  // The frame: outer shadow and highlight, inner frame colour and face.
  EXPECT_EQ(screen.image.pixel(place.left - 2, place.top + 20), Sys(ui::SystemColor::ButtonShadow));
  EXPECT_EQ(screen.image.pixel(place.left + 20, place.top - 2), Sys(ui::SystemColor::ButtonShadow));
  EXPECT_EQ(screen.image.pixel(place.left - 1, place.top + 20), Sys(ui::SystemColor::WindowFrame));
  EXPECT_EQ(screen.image.pixel(place.right + 1, place.top + 20), Sys(ui::SystemColor::ButtonHighlight));
  EXPECT_EQ(screen.image.pixel(place.left + 20, place.bottom + 1), Sys(ui::SystemColor::ButtonHighlight));
  EXPECT_EQ(screen.image.pixel(place.right, place.top + 20), Sys(ui::SystemColor::ButtonFace));

  // The selected row (line 1) in the highlight colour, near its right end.
  const int height = static_cast<int>(parent.send(RPB_GETITEMHEIGHT));
  ASSERT_GT(height, 0);
  const int lineOneY = place.top + height + height / 2;
  EXPECT_EQ(screen.image.pixel(place.left + 120, lineOneY), Sys(ui::SystemColor::Highlight));
  // Line 0 holds dark text on the button face.
  int dark = 0;
  for (int x = place.left + 1; x < place.left + 80; ++x)
    for (int y = place.top; y < place.top + height; ++y)
      if (ui::RedOf(screen.image.pixel(x, y)) < 80 && ui::GreenOf(screen.image.pixel(x, y)) < 80) ++dark;
  EXPECT_GT(dark, 20);
  EXPECT_EQ(screen.image.pixel(place.left + 150, place.top + height / 2), Sys(ui::SystemColor::ButtonFace));
}

}  // namespace
}  // namespace rowpane::testing
