// The gallery rendered by the cairo backend: the image is kept as a build
// artifact, and the pixels that must hold are checked (the edges of the
// 3-D frames, the colour of disabled text, the caret in the focused edit).
#include <gtest/gtest.h>

#include <filesystem>

#include "gallery.h"
#include "platform/ui/cairo/rendering.h"
#include "platform/ui/color.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/paint.h"
#include "platform/ui/recording_surface.h"
#include "platform/ui/window.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

class GalleryImage : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ResetWindowSystem();
    backend_.setScreenDpi(screenDpi());
    gallery_ = gallery::OpenGallery();
    ASSERT_NE(gallery_, nullptr);
    DispatchPendingMessages();
  }
  void TearDown() override {
    gallery::CloseGallery(gallery_);
    testing::ResetWindowSystem();
  }
  // A control's rectangle in the gallery image.
  Rect placeOf(int id) const {
    const Rect outer = WindowRect(gallery_);
    return WindowRect(DialogItem(gallery_, id)).offsetBy(-outer.left, -outer.top);
  }
  // The client area inside a control's frame (and bevel: inset), in the
  // gallery image.
  Rect insideOf(int id, int inset) const {
    const WindowHandle control = DialogItem(gallery_, id);
    const Rect outer = WindowRect(gallery_);
    const Point corner = ClientToScreen(control, {0, 0});
    return ClientRect(control).offsetBy(corner.x - outer.left, corner.y - outer.top).inflatedBy(-inset, -inset);
  }
  std::unique_ptr<cairo::ImageSurface> render() { return cairo::RenderWindow(gallery_); }
  virtual int screenDpi() const { return 96; }

  cairo::ScopedRenderingBackend backend_;
  WindowHandle gallery_ = nullptr;
};

ColorRef Sys(SystemColor color) { return GetSystemColor(color); }

TEST_F(GalleryImage, ThreeDimensionalFramesHaveTheirLightAndDarkEdges) {
  const auto image = render();
  // A push button: raised, light outside at the top-left, dark outside at
  // the bottom-right, white and grey inside them.
  const Rect cancel = placeOf(gallery::item::Cancel);
  EXPECT_EQ(image->pixel(cancel.left, cancel.top), Sys(SystemColor::Light));
  EXPECT_EQ(image->pixel(cancel.left + 1, cancel.top + 1), Sys(SystemColor::ButtonHighlight));
  EXPECT_EQ(image->pixel(cancel.right - 1, cancel.bottom - 1), Sys(SystemColor::DarkShadow));
  EXPECT_EQ(image->pixel(cancel.right - 2, cancel.bottom - 2), Sys(SystemColor::ButtonShadow));
  EXPECT_EQ(image->pixel(cancel.left + cancel.width() / 2, cancel.bottom - 1), Sys(SystemColor::DarkShadow));
  // The default button has one black line around that.
  const Rect ok = placeOf(gallery::item::Ok);
  EXPECT_EQ(image->pixel(ok.left, ok.top), Sys(SystemColor::WindowFrame));
  EXPECT_EQ(image->pixel(ok.left + 1, ok.top + 1), Sys(SystemColor::Light));
  // A field's sunken client edge: grey and black outside-in at the top-left,
  // white and light at the bottom-right.
  const Rect name = placeOf(gallery::item::Name);
  EXPECT_EQ(image->pixel(name.left, name.top + 5), Sys(SystemColor::ButtonShadow));
  EXPECT_EQ(image->pixel(name.left + 1, name.top + 5), Sys(SystemColor::DarkShadow));
  EXPECT_EQ(image->pixel(name.right - 1, name.top + 5), Sys(SystemColor::ButtonHighlight));
  EXPECT_EQ(image->pixel(name.right - 2, name.top + 5), Sys(SystemColor::Light));
  // The dialog's raised frame and its caption.
  EXPECT_EQ(image->pixel(0, 0), Sys(SystemColor::Light));
  const Rect whole = WindowRect(gallery_);
  EXPECT_EQ(image->pixel(whole.width() - 1, whole.height() - 1), Sys(SystemColor::DarkShadow));
  EXPECT_EQ(image->pixel(whole.width() - 10, 8), Sys(SystemColor::ActiveCaption));
}

// Counts the pixels of the rectangle that have the colour, and those
// darker than it in every channel.
struct Census {
  int exact = 0;
  int darker = 0;
};
Census CountPixels(const cairo::ImageSurface& image, const Rect& rect, ColorRef color) {
  Census census;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x) {
      const ColorRef p = image.pixel(x, y);
      if (p == color) ++census.exact;
      if (RedOf(p) < RedOf(color) && GreenOf(p) < GreenOf(color) && BlueOf(p) < BlueOf(color)) ++census.darker;
    }
  return census;
}

TEST_F(GalleryImage, DisabledControlsShowGreyText) {
  const auto image = render();
  for (int id : {gallery::item::DisabledLabel, gallery::item::DisabledEdit, gallery::item::DisabledButton}) {
    SCOPED_TRACE(id);
    const int bevel = id == gallery::item::DisabledButton ? 2 : 0;
    const Census census = CountPixels(*image, insideOf(id, bevel), Sys(SystemColor::GrayText));
    EXPECT_GT(census.exact, 5);
    EXPECT_EQ(census.darker, 0);  // nothing in the text colour of an enabled control
  }
  // An enabled label is drawn in the button text colour.
  EXPECT_GT(CountPixels(*image, placeOf(gallery::item::NameLabel), Sys(SystemColor::ButtonText)).exact, 5);
}

TEST_F(GalleryImage, TheFocusedEditShowsItsCaret) {
  ASSERT_EQ(GetFocus(), DialogItem(gallery_, gallery::item::Name));
  const CaretInfo caret = CurrentCaret();
  ASSERT_EQ(caret.owner, DialogItem(gallery_, gallery::item::Name));
  ASSERT_TRUE(caret.visible);
  // The caret stands after the text (all of it selected on the focus).
  const Rect outer = WindowRect(gallery_);
  const Point corner = ClientToScreen(caret.owner, {0, 0});
  const Rect onImage = caret.rect.offsetBy(corner.x - outer.left, corner.y - outer.top);
  EXPECT_EQ(onImage.width(), 1);
  EXPECT_EQ(onImage.height(), MeasureFont(reinterpret_cast<FontHandle>(SendMessage(caret.owner, msg::GetFont))).height);
  const auto shown = render();
  HideCaret(caret.owner);
  const auto hidden = render();
  for (int y : {onImage.top, onImage.bottom - 1}) {
    EXPECT_EQ(shown->pixel(onImage.left, y), Rgb(0, 0, 0)) << y;
    EXPECT_EQ(hidden->pixel(onImage.left, y), Sys(SystemColor::Window)) << y;
  }
  // The selected text is on the highlight colour.
  const Rect name = placeOf(gallery::item::Name);
  EXPECT_GT(CountPixels(*shown, name, Sys(SystemColor::Highlight)).exact, 20);
}

// The gallery at the usual density and at a dense screen's: kept as
// artifacts (gallery.png, gallery-144dpi.png), and no text cut by the clip
// of the control that draws it.
class GalleryAtDensity : public GalleryImage, public ::testing::WithParamInterface<int> {
 protected:
  int screenDpi() const override { return GetParam(); }
};

TEST_P(GalleryAtDensity, IsKeptAsAnArtifactWithNothingClipped) {
  std::filesystem::create_directories(QIV_ARTIFACT_DIR);
  const std::string name = GetParam() == 96 ? "gallery.png" : "gallery-" + std::to_string(GetParam()) + "dpi.png";
  const std::string path = std::string(QIV_ARTIFACT_DIR) + "/" + name;
  ASSERT_TRUE(cairo::RenderWindowToPng(gallery_, path));
  EXPECT_GT(std::filesystem::file_size(path), 1000u);

  const Rect outer = WindowRect(gallery_);
  RecordingSurface surface({outer.width(), outer.height()});
  PaintWindowTree(gallery_, surface);
  int texts = 0;
  for (const DrawCall& call : surface.texts()) {
    const Rect ink = cairo::InkOfTextWithPango(call.font, call.text).offsetBy(call.from.x, call.from.y);
    if (ink.isEmpty()) continue;
    ++texts;
    // Across, the advance (a glyph may overhang its advance by a pixel, as
    // a bold t does); up and down, the glyphs.
    const int advance = cairo::MeasureTextWithPango(call.font, call.text);
    const Rect extent{call.from.x, ink.top, call.from.x + advance, ink.bottom};
    EXPECT_EQ(extent.intersectedWith(call.clip), extent)
        << '"' << call.text << "\" clipped at " << GetParam() << " dpi: " << extent.left << "," << extent.top << "-"
        << extent.right << "," << extent.bottom << ", clip " << call.clip.left << "," << call.clip.top << "-"
        << call.clip.right << "," << call.clip.bottom;
  }
  EXPECT_GT(texts, 25);
}

INSTANTIATE_TEST_SUITE_P(Densities, GalleryAtDensity, ::testing::Values(96, 144));

// The model's text is Windows-1252; pango is given the characters it
// stands for.
TEST(CairoText, WindowsCodePageTextIsDrawnAsItsCharacters) {
  const FontSpec font{"MS Sans Serif", -11, 400, false, false, 0, 0};
  // n and its tilde form are one advance wide; the euro sign (0x80) is a
  // character of its own, not a replacement mark.
  EXPECT_EQ(cairo::MeasureTextWithPango(font, "Ma\xF1" "ana"), cairo::MeasureTextWithPango(font, "Manana"));
  EXPECT_GT(cairo::MeasureTextWithPango(font, "\x80"), 0);
  cairo::ImageSurface image({40, 16});
  image.drawText({2, 1}, font, Rgb(0, 0, 0), "\xF1\x80");
  int dark = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 40; ++x) dark += image.pixel(x, y) != Rgb(255, 255, 255);
  EXPECT_GT(dark, 10);
}

}  // namespace
}  // namespace platform::ui
