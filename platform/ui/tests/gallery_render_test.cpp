// The gallery rendered by the cairo backend: the image is kept as a build
// artifact, and the pixels that must hold are checked (the edges of the
// 3-D frames, the colour of disabled text, the caret in the focused edit,
// the icon, bitmap and menu bar of its resources).
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "gallery.h"
#include "platform/ui/cairo/rendering.h"
#include "platform/ui/color.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/tool_tip.h"
#include "platform/ui/controls/toolbar.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/gdi.h"
#include "platform/ui/input.h"
#include "platform/ui/menu.h"
#include "platform/ui/paint.h"
#include "platform/ui/recording_surface.h"
#include "platform/ui/resource.h"
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

// The gallery at the usual density and at a dense screen's.
class GalleryAtDensity : public GalleryImage, public ::testing::WithParamInterface<int> {
 protected:
  int screenDpi() const override { return GetParam(); }
};

// Every text the window and its children show lies inside the clip of the
// control that draws it: across, its advance (a glyph may overhang its
// advance by a pixel, as a bold t does); up and down, its glyphs. A text
// wholly outside (a scrolling view's line below its bottom) shows nothing
// and is passed over. The number of texts checked.
int ExpectNoTextClipped(WindowHandle window) {
  const Rect outer = WindowRect(window);
  RecordingSurface surface({outer.width(), outer.height()});
  PaintWindowTree(window, surface);
  int texts = 0;
  for (const DrawCall& call : surface.texts()) {
    const Rect ink = cairo::InkOfTextWithPango(call.font, call.text).offsetBy(call.from.x, call.from.y);
    const int advance = cairo::MeasureTextWithPango(call.font, call.text);
    const Rect extent{call.from.x, ink.top, call.from.x + advance, ink.bottom};
    if (ink.isEmpty() || extent.intersectedWith(call.clip).isEmpty()) continue;
    ++texts;
    EXPECT_EQ(extent.intersectedWith(call.clip), extent)
        << '"' << call.text << "\" clipped in \"" << WindowText(window) << "\" at "
        << GetSystemMetric(SystemMetric::ScreenDpi) << " dpi: " << extent.left << "," << extent.top << "-"
        << extent.right << "," << extent.bottom << ", clip " << call.clip.left << "," << call.clip.top << "-"
        << call.clip.right << "," << call.clip.bottom;
  }
  return texts;
}

// The image kept (gallery.png, gallery-144dpi.png) shows both dialogs as a
// user sees them with the mouse resting on the toolbar's Help button (hot,
// its tip shown) and the Options menu open on Settings, past a check, a
// separator and a grayed item. No text of the dialogs, the tip or the menu
// is cut by its control.
TEST_P(GalleryAtDensity, IsKeptAsAnArtifactWithItsPopUpsOpenAndNoTextClipped) {
  std::filesystem::create_directories(QIV_ARTIFACT_DIR);
  const std::string name = GetParam() == 96 ? "gallery.png" : "gallery-" + std::to_string(GetParam()) + "dpi.png";
  const std::string path = std::string(QIV_ARTIFACT_DIR) + "/" + name;
  const WindowHandle bar = DialogItem(gallery_, gallery::item::Toolbar);
  Rect help;
  ASSERT_TRUE(SendMessage(bar, toolbar::GetItemRect,
                          static_cast<WParam>(SendMessage(bar, toolbar::CommandToIndex, gallery::command::Help)),
                          reinterpret_cast<LParam>(&help)));
  InjectMouseMove(ClientToScreen(bar, {help.left + help.width() / 2, help.top + help.height() / 2}));
  DispatchPendingMessages();
  backend_.advanceClock(tool_tip::kInitialDelay);
  DispatchPendingMessages();
  const WindowHandle tip = HandleFromParam<WindowHandle>(SendMessage(bar, toolbar::GetToolTips));
  ASSERT_TRUE(IsWindowVisible(tip));
  EXPECT_EQ(WindowText(tip), "Contents");
  bool written = false;
  WindowHandle menu = nullptr;
  int texts = 0;
  backend_.whenIdle([&] {
    menu = CurrentMenuTracking().popupWindow;
    written = cairo::RenderWindowWithPopupsToPng(gallery_, path);
    for (WindowHandle shown : {gallery_, gallery::SecondDialog(), tip, menu}) texts += ExpectNoTextClipped(shown);
    InjectKeyPress(key::Escape);
    InjectKeyPress(key::Escape);
  });
  InjectKeyPress(key::F10);
  for (int i = 0; i < 4; ++i) InjectKeyPress(key::Down);  // opens Options; past the separator to Settings
  DispatchPendingMessages();
  ASSERT_TRUE(written);
  EXPECT_NE(menu, nullptr);
  EXPECT_FALSE(IsWindow(menu));  // gone with the menu
  EXPECT_GT(std::filesystem::file_size(path), 1000u);
  EXPECT_GT(texts, 50);
}

// As laid out, every control of both dialogs lies inside its dialog and
// clear of the others, a group box around the ones it holds; the dialogs
// stand apart.
TEST_P(GalleryAtDensity, NoControlOverlapsAnotherOrIsCutOff) {
  const WindowHandle second = gallery::SecondDialog();
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(WindowRect(gallery_).intersectedWith(WindowRect(second)).isEmpty());
  const auto isGroupBox = [](WindowHandle window) {
    return IsWindowOfClass(window, button::kClassName) && (WindowStyle(window) & button::TypeMask) == button::GroupBox;
  };
  for (WindowHandle dialog : {gallery_, second}) {
    const Rect client = ClientRect(dialog);
    std::vector<WindowHandle> shown;
    for (WindowHandle child : ChildWindows(dialog))
      if (IsWindowVisible(child)) shown.push_back(child);
    for (WindowHandle child : shown) {
      const Rect rect = WindowRectInParent(child);
      EXPECT_EQ(rect.intersectedWith(client), rect) << WindowId(child) << " is cut off";
      for (WindowHandle other : shown) {
        if (other == child || isGroupBox(child)) continue;
        const Rect common = rect.intersectedWith(WindowRectInParent(other));
        if (isGroupBox(other))
          EXPECT_TRUE(common.isEmpty() || common == rect) << WindowId(child) << " straddles group " << WindowId(other);
        else
          EXPECT_TRUE(common.isEmpty()) << WindowId(child) << " overlaps " << WindowId(other);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Densities, GalleryAtDensity, ::testing::Values(96, 144));

// The model's text is Windows-1252; pango is given the characters it
// stands for.
TEST(CairoText, WindowsCodePageTextIsDrawnAsItsCharacters) {
  const FontSpec font{"MS Sans Serif", -11, 400, false, false, 0, 0};
  // n and its tilde form are one advance wide; the euro sign (0x80) is a
  // character of its own, not a replacement mark.
  EXPECT_EQ(cairo::MeasureTextWithPango(font,
                                        "Ma\xF1"
                                        "ana"),
            cairo::MeasureTextWithPango(font, "Manana"));
  EXPECT_GT(cairo::MeasureTextWithPango(font, "\x80"), 0);
  // A byte the code page leaves unassigned shows as a question mark.
  EXPECT_EQ(cairo::MeasureTextWithPango(font, "a\x81"), cairo::MeasureTextWithPango(font, "a?"));
  cairo::ImageSurface image({40, 16});
  image.drawText({2, 1}, font, Rgb(0, 0, 0), "\xF1\x80");
  int dark = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 40; ++x) dark += image.pixel(x, y) != Rgb(255, 255, 255);
  EXPECT_GT(dark, 10);
}

// Counts the image's pixels not drawn at the corner as they are (opaque
// ones) or as the background (transparent ones).
int PixelsNotDrawn(const cairo::ImageSurface& drawn, Point corner, const Image& image, ColorRef background) {
  int wrong = 0;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.at(x, y);
      const ColorRef expected = (p >> 24) == 0 ? background : Rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
      if (drawn.pixel(corner.x + x, corner.y + y) != expected) ++wrong;
    }
  return wrong;
}

TEST_F(GalleryImage, TheIconTheBitmapAndTheMenuBarComeFromItsResources) {
  const auto image = render();
  const BitmapHandle icon = LoadIconResource(gallery::item::Icon, {16, 16});
  const BitmapHandle bitmap = LoadBitmapResource(gallery::item::Bitmap);
  ASSERT_NE(BitmapImage(icon), nullptr);
  ASSERT_NE(BitmapImage(bitmap), nullptr);
  const Rect iconPlace = insideOf(gallery::item::Icon, 0);
  const Rect bitmapPlace = insideOf(gallery::item::Bitmap, 0);
  const ColorRef face = Sys(SystemColor::ButtonFace);
  EXPECT_EQ(PixelsNotDrawn(*image, {iconPlace.left, iconPlace.top}, *BitmapImage(icon), face), 0);
  EXPECT_EQ(PixelsNotDrawn(*image, {bitmapPlace.left, bitmapPlace.top}, *BitmapImage(bitmap), face), 0);
  DeleteBitmap(icon);
  DeleteBitmap(bitmap);

  // The menu bar: its pop-ups' titles in the menu text colour.
  const MenuHandle bar = GetMenu(gallery_);
  ASSERT_EQ(MenuItemCount(bar), 3);
  EXPECT_EQ(MenuItemText(bar, 2, MenuLookup::ByPosition), "&Help");
  const Rect outer = WindowRect(gallery_);
  for (int position = 0; position < 3; ++position) {
    const Rect title = MenuBarItemRect(gallery_, position).offsetBy(-outer.left, -outer.top);
    EXPECT_GT(CountPixels(*image, title, Sys(SystemColor::MenuText)).exact, 5) << position;
  }
}

}  // namespace
}  // namespace platform::ui
