// The status bar: its place along the bottom of its parent after every
// resize, its panes by their right edges with a text each, its font, and
// part counts it refuses.
#include "platform/ui/controls/status_bar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/font.h"
#include "platform/ui/paint.h"
#include "platform/ui/recording_surface.h"
#include "platform/ui/style_painter.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

namespace sb = status_bar;

// A parent that passes its size on to the bar and sets the three panes
// the rating screen sets on a resize: right edges 3w, 6w and 9w for a
// ninth w of the width.
class StatusBars : public testing::WindowSystemTest {
 protected:
  void SetUp() override {
    WindowSystemTest::SetUp();
    parent_ = testing::CreateRecorder("parent", nullptr, style::Popup | style::Visible, {0, 0, 450, 300});
    log().on("parent", msg::Size, [this](WindowHandle, WParam wParam, LParam lParam) {
      if (bar_ == nullptr) return LResult{0};
      SendMessage(bar_, msg::Size, wParam, lParam);
      const int w = static_cast<int>(LowWord(static_cast<WParam>(lParam))) / 9;
      const int edges[] = {3 * w, 6 * w, 9 * w};
      SendMessage(bar_, sb::SetParts, 3, reinterpret_cast<LParam>(edges));
      return LResult{0};
    });
    bar_ = sb::CreateStatusBar(0, "First Pane Text", parent_, 502);
    ASSERT_NE(bar_, nullptr);
  }
  LResult send(MessageId message, WParam wParam = 0, LParam lParam = 0) {
    return SendMessage(bar_, message, wParam, lParam);
  }
  Rect pane(int index) {
    Rect rect;
    return send(sb::GetRect, static_cast<WParam>(index), reinterpret_cast<LParam>(&rect)) ? rect : Rect{-1, -1, -1, -1};
  }
  std::vector<int> parts() {
    std::vector<int> edges(sb::kMaxParts + 1, 0);
    edges.resize(static_cast<std::size_t>(send(sb::GetParts, edges.size(), reinterpret_cast<LParam>(edges.data()))));
    return edges;
  }
  std::string text(int index) {
    char buffer[128] = {};
    send(sb::GetText, static_cast<WParam>(index), reinterpret_cast<LParam>(buffer));
    return buffer;
  }
  WindowHandle parent_ = nullptr;
  WindowHandle bar_ = nullptr;
};

TEST_F(StatusBars, TheBarLiesAlongTheBottomOfItsParentAndItsPanesFollowAResize) {
  // The 8-point font's 13-pixel cell and the bar's 6.
  const int height = 13 + sb::kExtraHeight;
  EXPECT_EQ(WindowRectInParent(bar_), (Rect{0, 300 - height, 450, 300}));
  EXPECT_EQ(parts(), (std::vector<int>{-1}));
  EXPECT_EQ(WindowText(bar_), "First Pane Text");
  EXPECT_EQ(text(0), "First Pane Text");
  MoveWindow(parent_, {0, 0, 630, 400});
  EXPECT_EQ(WindowRectInParent(bar_), (Rect{0, 400 - height, 630, 400}));
  EXPECT_EQ(parts(), (std::vector<int>{210, 420, 630}));
  const int top = sb::kTopGap;
  EXPECT_EQ(pane(0), (Rect{0, top, 210, height}));
  EXPECT_EQ(pane(1), (Rect{212, top, 420, height}));
  EXPECT_EQ(pane(2), (Rect{422, top, 630, height}));
  // Narrower again: the edges past the bar end at the bar's end.
  MoveWindow(parent_, {0, 0, 100, 400});
  EXPECT_EQ(parts(), (std::vector<int>{33, 66, 99}));
  EXPECT_EQ(pane(2), (Rect{68, top, 99, height}));
}

TEST_F(StatusBars, EachPaneHasItsTextAndTheSizeGripTakesTheCornerFromTheLastPane) {
  const int edges[] = {100, 200, -1};
  ASSERT_EQ(send(sb::SetParts, 3, reinterpret_cast<LParam>(edges)), 1);
  EXPECT_EQ(text(0), "First Pane Text");  // kept
  EXPECT_EQ(send(sb::SetText, 1, reinterpret_cast<LParam>("Discounts in use")), 1);
  EXPECT_EQ(send(sb::SetText, 2, reinterpret_cast<LParam>("Bureau Rbno: 10")), 1);
  EXPECT_EQ(send(sb::SetText, 0, reinterpret_cast<LParam>(" ")), 1);
  EXPECT_EQ(WindowText(bar_), " ");
  EXPECT_EQ(send(sb::SetText, 3, reinterpret_cast<LParam>("no such pane")), 0);
  EXPECT_EQ(send(sb::GetTextLength, 1), 16);
  EXPECT_EQ(send(sb::GetTextLength, 3), -1);
  EXPECT_EQ(send(sb::GetText, 3, 0), -1);
  // Each text is drawn inside its pane's border, cut to the pane.
  RecordingSurface surface({450, 300});
  PaintWindowTree(bar_, surface);
  const std::vector<DrawCall> texts = surface.texts();
  ASSERT_EQ(texts.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const Rect inside = pane(i).inflatedBy(-1, -1);
    EXPECT_EQ(texts[static_cast<std::size_t>(i)].from.x, inside.left + 2);
    EXPECT_EQ(texts[static_cast<std::size_t>(i)].clip.right, inside.right - 2);
  }
  EXPECT_EQ(texts[1].text, "Discounts in use");
  EXPECT_EQ(texts[1].color, GetSystemColor(SystemColor::ButtonText));
  // With the grip the last pane stops short of the corner.
  SetWindowStyle(bar_, WindowStyle(bar_) | sb::SizeGrip);
  EXPECT_EQ(pane(2).right, 450 - StylePainter::kSizeGripSize);
}

TEST_F(StatusBars, PartCountsOutsideOneTo256AreRefusedAndTheFontSetsTheHeight) {
  const int edges[] = {100, 200, -1};
  send(sb::SetParts, 3, reinterpret_cast<LParam>(edges));
  send(sb::SetText, 2, reinterpret_cast<LParam>("kept"));
  std::vector<int> many(300, -1);
  for (const WParam count : {WParam{0}, WParam{257}, WParam{300}}) {
    EXPECT_EQ(send(sb::SetParts, count, reinterpret_cast<LParam>(many.data())), 0) << count;
    EXPECT_EQ(parts(), (std::vector<int>{100, 200, -1})) << count;
  }
  EXPECT_EQ(send(sb::SetParts, 2, 0), 0);
  EXPECT_EQ(text(2), "kept");
  // The most it takes: every pane but the first empty at the end.
  ASSERT_EQ(send(sb::SetParts, sb::kMaxParts, reinterpret_cast<LParam>(many.data())), 1);
  EXPECT_EQ(parts().size(), 256u);
  EXPECT_EQ(send(sb::SetText, 255, reinterpret_cast<LParam>("last")), 1);
  EXPECT_TRUE(pane(255).isEmpty());
  RecordingSurface surface({450, 300});
  PaintWindowTree(bar_, surface);
  // A bigger font, a taller bar, still at the bottom.
  const FontHandle big = CreateFont({"MS Sans Serif", -16, 700, false, false, 0x21, 0});
  SendMessage(bar_, msg::SetFont, reinterpret_cast<WParam>(big), 1);
  const int height = MeasureFont(big).height + sb::kExtraHeight;
  EXPECT_EQ(WindowRectInParent(bar_), (Rect{0, 300 - height, 450, 300}));
  DestroyWindow(bar_);
  DeleteFont(big);
}

}  // namespace
}  // namespace platform::ui
