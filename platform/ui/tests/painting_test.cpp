// Window painting on the headless backend: the order of the paint
// messages and what needs painting, the control colours a parent chooses,
// the caret, the clipboard commands of edits, the cursor, and the layout
// of the gallery on the headless metrics (dialog units, tabbed list text).
#include <gtest/gtest.h>

#include <algorithm>
#include <gmock/gmock.h>

#include "gallery.h"
#include "platform/ui/cairo/image_surface.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/cursor.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/gdi.h"
#include "platform/ui/menu.h"
#include "platform/ui/metrics.h"
#include "platform/ui/paint.h"
#include "platform/ui/recording_surface.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

using testing::CreateRecorder;
using ::testing::ElementsAre;

const Rect kTopRect = Rect::FromSize(100, 100, 200, 120);

class Painting : public testing::WindowSystemTest {
 protected:
  RecordingSurface surface_{{200, 120}};
};

TEST_F(Painting, ParentsPaintBeforeChildrenAndOnlyWhatNeedsIt) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup | style::Visible, kTopRect);
  const WindowHandle child = CreateRecorder("child", top, style::Child | style::Visible, {10, 10, 50, 30});
  Rect painted;
  log().on("child", msg::Paint, [&](WindowHandle window, WParam, LParam) {
    PaintInfo info;
    BeginPaint(window, info);
    painted = info.paint;
    EndPaint(window, info);
    return LResult{0};
  });
  log().clear();
  PaintWindowTree(top, surface_);
  EXPECT_THAT(log().of({msg::EraseBackground, msg::Paint}),
              ElementsAre("top:erase", "top:paint", "child:erase", "child:paint"));
  EXPECT_EQ(painted, (Rect{0, 0, 40, 20}));
  EXPECT_FALSE(TreeNeedsPainting(top));

  // A part of the child alone, without erasing.
  const Rect corner{0, 0, 5, 5};
  InvalidateRect(child, &corner, false);
  EXPECT_EQ(UpdateRect(child), corner);
  EXPECT_TRUE(TreeNeedsPainting(top));
  log().clear();
  UpdateWindow(top);
  EXPECT_THAT(log().of({msg::EraseBackground, msg::Paint}), ElementsAre("child:paint"));
  EXPECT_EQ(painted, corner);

  // The parent's area over a child takes the child along.
  const Rect area{0, 0, 20, 20};
  InvalidateRect(top, &area);
  EXPECT_EQ(UpdateRect(child), (Rect{0, 0, 10, 10}));
  ValidateRect(top);
  ValidateRect(child);
  // Hiding a child asks for its parent's area under it; its text too.
  ShowWindow(child, ShowCommand::Hide);
  EXPECT_EQ(UpdateRect(top), (Rect{10, 10, 50, 30}));
  ValidateRect(top);
  SetWindowText(top, "renamed");
  EXPECT_EQ(UpdateRect(top), (Rect{0, 0, 200, 120}));
}

// A backend with a screen: every top-level window shows on one recording
// surface, painted when the loop is idle.
class RecordingScreen : public HeadlessBackend {
 public:
  Surface* windowSurface(WindowHandle) override { return &surface; }
  void presentWindow(WindowHandle) override { ++presented; }
  bool framesWindow(WindowHandle) override { return framed; }
  RecordingSurface surface{{200, 120}};
  int presented = 0;
  bool framed = false;  // the desktop draws borders and captions
};

TEST_F(Painting, AScreenIsPaintedWhenTheLoopIsIdleFramesIncluded) {
  RecordingScreen screen;
  Backend* previous = InstallBackend(&screen);
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup | style::Visible, kTopRect);
  const WindowHandle child =
      CreateRecorder("child", top, style::Child | style::Visible | style::Border, {10, 10, 50, 30});
  screen.whenIdle([] { PostQuitMessage(0); });
  Message message;
  while (GetMessage(message)) DispatchMessage(message);
  EXPECT_EQ(screen.presented, 1);
  EXPECT_FALSE(TreeNeedsPainting(top));
  // The parent painted over the child's border alone: the border is drawn
  // again, the child's inside is not.
  screen.surface.clear();
  log().clear();
  const Rect border{10, 10, 11, 30};
  InvalidateRect(top, &border);
  EXPECT_EQ(UpdateRect(child), std::nullopt);
  EXPECT_TRUE(TreeNeedsPainting(top));
  UpdateWindow(top);
  EXPECT_THAT(log().of({msg::Paint}), ElementsAre("top:paint"));
  const auto& calls = screen.surface.calls();
  EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [](const DrawCall& call) {
    return call.kind == DrawCall::Kind::Fill && call.rect == Rect{10, 10, 11, 30} &&
           call.color == GetSystemColor(SystemColor::WindowFrame);
  }));
  InstallBackend(previous);
}

TEST_F(Painting, UnderADesktopsFrameTheModelDrawsNoBorderOrCaptionButKeepsItsMenuBar) {
  RecordingScreen screen;
  Backend* previous = InstallBackend(&screen);
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup | style::Caption | style::Visible, kTopRect);
  const MenuHandle menu = CreateMenu();
  AppendMenuItem(menu, 1, "File");
  SetMenu(top, menu);
  // Inside a 3-pixel dialog border and an 18-pixel caption; the menu bar
  // and the client area below it are unchanged.
  EXPECT_EQ(InsideDesktopFrame(top), (Rect{103, 121, 297, 217}));
  EXPECT_EQ(ClientToScreen(top, {0, 0}), (Point{103, 140}));
  auto paintedColours = [&](bool framed) {
    screen.framed = framed;
    screen.surface.clear();
    PaintWindowTree(top, screen.surface);
    std::vector<ColorRef> colours;
    for (const DrawCall& call : screen.surface.calls())
      if (call.kind == DrawCall::Kind::Fill && call.rect.top < 21) colours.push_back(call.color);
    return colours;
  };
  const ColorRef caption = GetSystemColor(SystemColor::ActiveCaption);
  const ColorRef light = GetSystemColor(SystemColor::Light);
  EXPECT_THAT(paintedColours(false), ::testing::AllOf(::testing::Contains(caption), ::testing::Contains(light)));
  EXPECT_THAT(paintedColours(true), ::testing::IsEmpty());
  const auto& calls = screen.surface.calls();
  EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [](const DrawCall& call) {
    return call.kind == DrawCall::Kind::Fill && call.rect.top == 21 && call.color == GetSystemColor(SystemColor::Menu);
  }));
  DestroyWindow(top);
  DestroyMenu(menu);
  InstallBackend(previous);
}

TEST_F(Painting, AChildCanDrawOnItsParentsContextWhilePainting) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup | style::Visible, kTopRect);
  CreateRecorder("child", top, style::Child | style::Visible, {10, 10, 50, 30});
  log().on("child", msg::Paint, [&](WindowHandle window, WParam, LParam) {
    PaintInfo info;
    BeginPaint(window, info);
    EndPaint(window, info);
    // A frame one pixel outside the child, on the parent's context.
    const DcHandle dc = GetDC(top);
    FrameRect(dc, {9, 9, 51, 31}, GetSystemColorBrush(SystemColor::WindowFrame));
    ReleaseDC(top, dc);
    return LResult{0};
  });
  PaintWindowTree(top, surface_);
  const DrawCall& last = surface_.calls().back();
  EXPECT_EQ(last.rect, (Rect{50, 9, 51, 31}));
  EXPECT_EQ(last.clip, (Rect{0, 0, 200, 120}));  // the parent's client area, not the child's
}

TEST_F(Painting, AParentChoosesTheColoursOfItsControls) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup | style::Visible, kTopRect);
  WindowCreation label;
  label.className = static_control::kClassName;
  label.text = "Total";
  label.style = style::Child | style::Visible;
  label.rect = {0, 0, 60, 13};
  label.parent = top;
  label.id = 7;
  const WindowHandle stat = CreateWindow(label);
  const BrushHandle yellow = CreateSolidBrush(Rgb(255, 255, 0));
  log().on("top", msg::CtlColorStatic, [&](WindowHandle, WParam wParam, LParam lParam) {
    if (HandleFromParam<WindowHandle>(lParam) != stat) return LResult{0};
    SetTextColor(reinterpret_cast<DcHandle>(wParam), Rgb(0x25, 0x42, 0x8A));
    return HandleToParam(yellow);
  });
  PaintWindowTree(top, surface_);
  auto texts = surface_.texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "Total");
  EXPECT_EQ(texts[0].color, 0x8A4225u);
  const auto fill = std::find_if(surface_.calls().begin(), surface_.calls().end(), [](const DrawCall& call) {
    return call.kind == DrawCall::Kind::Fill && call.rect == Rect{0, 0, 60, 13};
  });
  ASSERT_NE(fill, surface_.calls().end());
  EXPECT_EQ(fill->color, Rgb(255, 255, 0));
  // Answered nothing: the classic colours; disabled: grey with its light
  // shadow.
  log().on("top", msg::CtlColorStatic, [](WindowHandle, WParam, LParam) { return LResult{0}; });
  EnableWindow(stat, false);
  surface_.clear();
  PaintWindowTree(top, surface_);
  texts = surface_.texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].color, GetSystemColor(SystemColor::ButtonHighlight));
  EXPECT_EQ(texts[0].from, (Point{1, 1}));
  EXPECT_EQ(texts[1].color, GetSystemColor(SystemColor::GrayText));
  DeleteBrush(yellow);
}

// The caption shows the small icon, or else the big one scaled; the
// window only holds the icons, so one deleted shows nothing.
TEST_F(Painting, TheCaptionShowsTheWindowsSmallIconOrElseItsBigOne) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup | style::Caption | style::Visible, kTopRect);
  SetWindowText(top, "");  // nothing of a caption text where the icon goes
  const auto solid = [](int side, std::uint32_t argb) {
    Image image;
    image.width = image.height = side;
    image.pixels.assign(static_cast<std::size_t>(side * side), argb);
    return CreateBitmap(std::move(image));
  };
  const BitmapHandle big = solid(32, 0xFF0000FFu);
  const BitmapHandle small = solid(16, 0xFFFF0000u);
  EXPECT_EQ(SendMessage(top, msg::SetIcon, icon_size::Big, HandleToParam(big)), 0);
  EXPECT_EQ(SendMessage(top, msg::GetIcon, icon_size::Big), HandleToParam(big));
  EXPECT_EQ(SendMessage(top, msg::GetIcon, icon_size::Small), 0);
  // The caption is 17 pixels inside the one-pixel border (the frame of
  // a popup with a caption); the icon 2 pixels in, the text 3 after it.
  const Point icon{1 + 2 + 8, 1 + 8};
  const auto pixelOfIcon = [&] {
    cairo::ImageSurface image({kTopRect.width(), kTopRect.height()});
    PaintWindowTree(top, image);
    return image.pixel(icon.x, icon.y);
  };
  EXPECT_EQ(pixelOfIcon(), Rgb(0, 0, 255));
  SendMessage(top, msg::SetIcon, icon_size::Small, HandleToParam(small));
  EXPECT_EQ(pixelOfIcon(), Rgb(255, 0, 0));
  DeleteBitmap(small);
  EXPECT_EQ(pixelOfIcon(), Rgb(0, 0, 255));
  DeleteBitmap(big);
  EXPECT_EQ(pixelOfIcon(), GetSystemColor(SystemColor::ActiveCaption));
}

TEST_F(Painting, BothCaptionsAreDrawnAgainWhenTheActiveWindowChanges) {
  const WindowHandle first = CreateRecorder("first", nullptr, style::Popup | style::Caption | style::Visible, kTopRect);
  const WindowHandle second =
      CreateRecorder("second", nullptr, style::Popup | style::Caption | style::Visible, kTopRect.offsetBy(250, 0));
  for (WindowHandle activated : {first, second}) {
    UpdateWindow(first);
    UpdateWindow(second);
    ASSERT_FALSE(TreeNeedsPainting(first) || TreeNeedsPainting(second));
    SetActiveWindow(activated);
    EXPECT_TRUE(TreeNeedsPainting(first)) << WindowText(activated);
    EXPECT_TRUE(TreeNeedsPainting(second)) << WindowText(activated);
    EXPECT_EQ(UpdateRect(first), std::nullopt);  // the frames alone
  }
}

TEST_F(Painting, TheCaretIsDrawnOverItsOwnerWhileShownAndGoesWithIt) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup | style::Visible, kTopRect);
  const WindowHandle child = CreateRecorder("child", top, style::Child | style::Visible, {10, 10, 50, 30});
  auto inverted = [&] {
    surface_.clear();
    PaintWindowTree(top, surface_);
    std::vector<Rect> rects;
    for (const DrawCall& call : surface_.calls())
      if (call.kind == DrawCall::Kind::Invert) rects.push_back(call.rect);
    return rects;
  };
  EXPECT_FALSE(ShowCaret(child));  // no caret yet
  ASSERT_TRUE(CreateCaret(child, 1, 13));
  SetCaretPosition({4, 2});
  EXPECT_TRUE(inverted().empty());  // created hidden
  ShowCaret(child);
  ShowCaret(child);
  HideCaret(child);
  EXPECT_THAT(inverted(), ElementsAre(Rect{14, 12, 15, 25}));
  EXPECT_TRUE(CurrentCaret().visible);
  HideCaret(child);
  EXPECT_FALSE(CurrentCaret().visible);
  EXPECT_TRUE(inverted().empty());
  DestroyWindow(child);
  EXPECT_EQ(CurrentCaret().owner, nullptr);
  EXPECT_FALSE(DestroyCaret());
}

class EditClipboard : public testing::WindowSystemTest {
 protected:
  void SetUp() override {
    WindowSystemTest::SetUp();
    top_ = CreateRecorder("top", nullptr, style::Popup | style::Visible, kTopRect);
    field_ = make(0);
  }
  WindowHandle make(StyleBits extra) {
    WindowCreation creation;
    creation.className = edit::kClassName;
    creation.style = style::Child | style::Visible | edit::AutoHScroll | extra;
    creation.rect = {0, 0, 100, 20};
    creation.parent = top_;
    creation.id = static_cast<int>(10 + extra);
    return CreateWindow(creation);
  }
  void select(WindowHandle field, int from, int to) {
    SendMessage(field, edit::SetSelection, static_cast<WParam>(from), to);
  }
  WindowHandle top_ = nullptr;
  WindowHandle field_ = nullptr;
};

TEST_F(EditClipboard, CopyCutAndPasteGoThroughTheClipboard) {
  SetWindowText(field_, "hello world");
  select(field_, 0, 5);
  SendMessage(field_, msg::Copy);
  EXPECT_EQ(ClipboardText(), "hello");
  select(field_, 11, 11);
  SendMessage(field_, msg::Paste);
  EXPECT_EQ(WindowText(field_), "hello worldhello");
  select(field_, 5, 11);
  SendMessage(field_, msg::Cut);
  EXPECT_EQ(WindowText(field_), "hellohello");
  EXPECT_EQ(ClipboardText(), " world");
  // The keys, in the field that has the focus; a single-line field takes
  // the first line of a pasted text.
  SetClipboardText("one\r\ntwo");
  SetFocus(field_);
  select(field_, 0, 10);
  press('V', modifier::Control);
  EXPECT_EQ(WindowText(field_), "one");
  select(field_, 0, 2);
  press('C', modifier::Control);
  EXPECT_EQ(ClipboardText(), "on");
}

TEST_F(EditClipboard, APasswordIsNeverCopiedAndAReadOnlyFieldRefusesPaste) {
  const WindowHandle secret = make(edit::Password);
  SetWindowText(secret, "hidden");
  SetClipboardText("before");
  select(secret, 0, 6);
  SendMessage(secret, msg::Copy);
  SendMessage(secret, msg::Cut);
  EXPECT_EQ(ClipboardText(), "before");
  EXPECT_EQ(WindowText(secret), "hidden");
  const WindowHandle fixed = make(edit::ReadOnly);
  SetWindowText(fixed, "fixed");
  select(fixed, 0, 5);
  SendMessage(fixed, msg::Paste);
  EXPECT_EQ(WindowText(fixed), "fixed");
  EXPECT_EQ(backend_.beeps().size(), 1u);
}

TEST_F(EditClipboard, TheFocusedFieldHasTheCaretAfterItsText) {
  SetWindowText(field_, "abc");
  SetFocus(field_);
  select(field_, 3, 3);
  CaretInfo caret = CurrentCaret();
  EXPECT_EQ(caret.owner, field_);
  EXPECT_TRUE(caret.visible);
  // Three characters of 6 pixels; the line (13 high) centred in 20.
  EXPECT_EQ(caret.rect, (Rect{18, 3, 19, 16}));
  SetFocus(top_);
  EXPECT_EQ(CurrentCaret().owner, nullptr);
}

class RecordingCursor : public HeadlessBackend {
 public:
  void showCursor(CursorShape shape) override { shown.push_back(shape); }
  std::vector<CursorShape> shown;
};

TEST(Cursor, TheWaitCursorShowsAtOnceAndGivesBackTheOneBefore) {
  RecordingCursor backend;
  Backend* previous = InstallBackend(&backend);
  {
    WaitCursor wait;
    EXPECT_EQ(CurrentCursor(), CursorShape::Wait);
  }
  EXPECT_EQ(CurrentCursor(), CursorShape::Arrow);
  EXPECT_THAT(backend.shown, ElementsAre(CursorShape::Wait, CursorShape::Arrow));
  InstallBackend(previous);
}

// ---- the gallery's layout on the headless metrics

class GalleryLayout : public testing::WindowSystemTest {
 protected:
  void SetUp() override {
    WindowSystemTest::SetUp();
    gallery_ = gallery::OpenGallery();
    ASSERT_NE(gallery_, nullptr);
    run();
  }
  void TearDown() override {
    gallery::CloseGallery(gallery_);
    WindowSystemTest::TearDown();
  }
  // Where the control's client corner is on an image of the gallery.
  Point cornerOf(int id) const {
    const Rect outer = WindowRect(gallery_);
    const Point corner = ClientToScreen(DialogItem(gallery_, id), {0, 0});
    return {corner.x - outer.left, corner.y - outer.top};
  }
  const DrawCall* textCall(const RecordingSurface& surface, const std::string& text) const {
    for (const DrawCall& call : surface.calls())
      if (call.kind == DrawCall::Kind::Text && call.text == text) return &call;
    return nullptr;
  }
  Size sizeOfGallery() const { return {WindowRect(gallery_).width(), WindowRect(gallery_).height()}; }
  WindowHandle gallery_ = nullptr;
};

TEST_F(GalleryLayout, DialogUnitsBecomePixelsByTheDialogFont) {
  // The bold 8-point dialog font measures 6 by 13: a dialog unit is 1.5
  // pixels across and 13/8 down, rounded half away from zero.
  EXPECT_EQ(DialogBaseUnits(gallery_), (Size{6, 13}));
  EXPECT_EQ(WindowRectInParent(DialogItem(gallery_, gallery::item::NameLabel)), (Rect{11, 54, 81, 67}));
  EXPECT_EQ(WindowRectInParent(DialogItem(gallery_, gallery::item::Name)), (Rect{84, 50, 195, 70}));
  EXPECT_EQ(ClientRect(gallery_), (Rect{0, 0, 600, 367}));
  // The label's text at its corner, the mnemonic underlined under the N.
  RecordingSurface surface(sizeOfGallery());
  PaintWindowTree(gallery_, surface);
  const DrawCall* label = textCall(surface, "Name:");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->from, cornerOf(gallery::item::NameLabel));
  EXPECT_EQ(label->font.weight, 700);
  const Point corner = cornerOf(gallery::item::NameLabel);
  const bool underlined = std::any_of(surface.calls().begin(), surface.calls().end(), [&](const DrawCall& call) {
    return call.kind == DrawCall::Kind::Fill && call.rect == Rect::FromSize(corner.x, corner.y + 11, 6, 1);
  });
  EXPECT_TRUE(underlined);
}

TEST_F(GalleryLayout, OnADenserScreenFontsAndDialogUnitsGrowTogether) {
  gallery::CloseGallery(gallery_);
  backend_.setScreenDpi(144);
  gallery_ = gallery::OpenGallery();
  ASSERT_NE(gallery_, nullptr);
  // 8 points are 16 pixels at 144 per inch (11 at 96): the headless cell is
  // 19 by 8 (13 by 6), and the dialog units follow the font, the default
  // font's too.
  EXPECT_EQ(FontHeightForPoints(8), -16);
  EXPECT_EQ(DialogBaseUnits(gallery_), (Size{8, 19}));
  EXPECT_EQ(SystemDialogBaseUnits(), (Size{8, 19}));
  // 400 by 226 dialog units: 800 by 537 pixels (600 by 367 at 96); the
  // caption and the menu bar grow with their text.
  EXPECT_EQ(ClientRect(gallery_), (Rect{0, 0, 800, 537}));
  EXPECT_EQ(GetSystemMetric(SystemMetric::CaptionHeight), 27);
  EXPECT_EQ(GetSystemMetric(SystemMetric::MenuBarHeight), 29);
  EXPECT_EQ(WindowRect(gallery_).height(), 537 + 27 + 29 + 2 * GetSystemMetric(SystemMetric::DialogFrameWidth));
  // A label keeps room for as many characters as at 96: 47 dialog units
  // are 94 pixels, 11 characters of 8 (70 at 96, 11 of 6).
  EXPECT_EQ(WindowRectInParent(DialogItem(gallery_, gallery::item::NameLabel)), (Rect{14, 78, 108, 97}));
  RecordingSurface surface(sizeOfGallery());
  PaintWindowTree(gallery_, surface);
  const DrawCall* label = textCall(surface, "Name:");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->font.height, -16);
  EXPECT_EQ(label->from, cornerOf(gallery::item::NameLabel));
}

TEST_F(GalleryLayout, TabbedListTextStandsAtItsTabStops) {
  // Stops 48 and 76 quarters of the list font's 6-pixel width: 72 and 114
  // pixels from the text's left edge, one pixel into the list.
  const WindowHandle list = DialogItem(gallery_, gallery::item::Lines);
  EXPECT_THAT(list_box::TabStopPixels(list), ElementsAre(72, 114));
  RecordingSurface surface(sizeOfGallery());
  PaintWindowTree(gallery_, surface);
  const Point corner = cornerOf(gallery::item::Lines);
  const DrawCall* first = textCall(surface, "Class 50");
  const DrawCall* weight = textCall(surface, "1200");
  const DrawCall* charge = textCall(surface, "48.00");
  ASSERT_TRUE(first && weight && charge);
  EXPECT_EQ(first->from, (Point{corner.x + 1, corner.y}));
  EXPECT_EQ(weight->from, (Point{corner.x + 1 + 72, corner.y}));
  EXPECT_EQ(charge->from, (Point{corner.x + 1 + 114, corner.y}));
  // The second line, selected, one line (13 pixels) down in the highlight
  // text colour.
  const DrawCall* second = textCall(surface, "800");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->from, (Point{corner.x + 1 + 72, corner.y + 13}));
  EXPECT_EQ(second->color, GetSystemColor(SystemColor::HighlightText));
}

}  // namespace
}  // namespace platform::ui
