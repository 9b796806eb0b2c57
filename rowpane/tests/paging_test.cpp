// One window's worth of rows over a parent of 100,000 sorted rows: the
// first page, line and page scrolling at both ends, home and end, the
// thumb, the rows announced as they leave, and re-laying on a resize.
#include <gtest/gtest.h>

#include "platform/ui/controls/list_box.h"
#include "platform/ui/font.h"
#include "platform/ui/keys.h"
#include "platform/ui/paint.h"
#include "support/rowpane_harness.h"

namespace rowpane::testing {
namespace {

namespace ui = platform::ui;

std::vector<std::string> RowsFrom(int first, int count) {
  std::vector<std::string> texts;
  for (int i = first; i < first + count; ++i) texts.push_back(TextOf(i));
  return texts;
}

LResult Scroll(const Parent& parent, unsigned request, int position = 0) {
  return parent.send(ui::msg::VScroll, ui::MakeLong(request, static_cast<unsigned>(position)));
}

class Paging : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(parent.createControl(), nullptr);
    parent.clearLog();
  }
  ui::ScopedHeadlessBackend backend;
  Parent parent;
};

TEST(PagingStart, InitialiseFillsTheFirstPage) {
  ui::ScopedHeadlessBackend backend;
  Parent fresh;
  fresh.createControl(0, 130, false);
  fresh.send(RPB_INITIALIZE);
  EXPECT_EQ(fresh.requests.front(), RPBN_GETCOUNT);
  EXPECT_EQ(fresh.send(RPB_GETCOUNT), 100000);
  EXPECT_EQ(fresh.send(RPB_GETLINES), 10);
  EXPECT_EQ(fresh.shownTexts(), RowsFrom(0, 10));
  EXPECT_EQ(fresh.send(RPB_GETTOPINDEX), 0);
  EXPECT_EQ(fresh.send(RPB_GETCURSEL), -1);
  EXPECT_EQ(fresh.freeAllCount(), 1);
  const Thumb thumb = ThumbOf(fresh.inner());
  EXPECT_TRUE(thumb.visible);
  EXPECT_EQ(thumb.position, 0);
  // Each row carries its data value.
  EXPECT_EQ(ui::SendMessage(fresh.inner(), ui::list_box::GetItemData, 3), DataOf(3));
}

TEST_F(Paging, LineScrollingAtBothEnds) {
  EXPECT_EQ(Scroll(parent, ui::scroll::LineUp), -1);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(0, 10));
  EXPECT_TRUE(parent.freedItems().empty());

  EXPECT_EQ(Scroll(parent, ui::scroll::LineDown), 1);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(1, 10));
  EXPECT_EQ(parent.freedItems(), std::vector<LParam>{0});
  EXPECT_EQ(parent.send(RPB_GETTOPINDEX), 1);

  Scroll(parent, ui::scroll::Bottom);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(99990, 10));
  EXPECT_EQ(ThumbOf(parent.inner()).position, 100);
  parent.clearLog();
  EXPECT_EQ(Scroll(parent, ui::scroll::LineDown), -1);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(99990, 10));
  EXPECT_TRUE(parent.freedItems().empty());

  EXPECT_EQ(Scroll(parent, ui::scroll::LineUp), 1);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(99989, 10));
  EXPECT_EQ(parent.freedItems(), std::vector<LParam>{99999});
  EXPECT_EQ(parent.send(RPB_GETTOPINDEX), 99989);
}

TEST_F(Paging, PageScrollingAtBothEnds) {
  EXPECT_EQ(Scroll(parent, ui::scroll::PageUp), -1);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(0, 10));

  Scroll(parent, ui::scroll::PageDown);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(10, 10));
  EXPECT_EQ(parent.freedItems(), (std::vector<LParam>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  Scroll(parent, ui::scroll::PageUp);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(0, 10));

  // A page adjusted by a line less.
  EXPECT_EQ(parent.send(RPB_PAGEDOWN, static_cast<WParam>(-1)), 1);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(9, 10));
  EXPECT_EQ(parent.send(RPB_PAGEUP, 2), 1);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(0, 10));

  // Near the end a page down stops at the last row; at the end nothing moves.
  EXPECT_EQ(parent.send(RPB_SETTOPINDEX, 0, 99985), 1);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(99985, 10));
  Scroll(parent, ui::scroll::PageDown);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(99990, 10));
  parent.clearLog();
  EXPECT_EQ(Scroll(parent, ui::scroll::PageDown), -1);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(99990, 10));
  EXPECT_TRUE(parent.freedItems().empty());
  Scroll(parent, ui::scroll::PageUp);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(99980, 10));
}

TEST_F(Paging, HomeEndAndTheThumb) {
  Scroll(parent, ui::scroll::Bottom);
  EXPECT_EQ(parent.freeAllCount(), 1);
  Scroll(parent, ui::scroll::Top);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(0, 10));
  EXPECT_EQ(parent.freeAllCount(), 2);

  // The thumb at 50 shows the page at half of the room to scroll.
  Scroll(parent, ui::scroll::ThumbPosition, 50);
  const int top = 50 * (100000 - 10 + 1) / 100;
  EXPECT_EQ(parent.shownTexts(), RowsFrom(top, 10));
  EXPECT_EQ(parent.send(RPB_GETTOPINDEX), top);
  EXPECT_EQ(ThumbOf(parent.inner()).position, top * 100 / (100000 - 10 + 1));
  Scroll(parent, ui::scroll::ThumbPosition, 100);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(99990, 10));
  Scroll(parent, ui::scroll::ThumbPosition, 0);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(0, 10));
  EXPECT_EQ(ThumbOf(parent.inner()).position, 0);
  // Tracking the thumb changes nothing until it is let go.
  parent.clearLog();
  Scroll(parent, ui::scroll::ThumbTrack, 70);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(0, 10));
  EXPECT_TRUE(parent.requests.empty());
}

TEST_F(Paging, RedrawOffCounterNests) {
  const WindowHandle inner = parent.inner();
  EXPECT_TRUE(ui::IsRedrawEnabled(inner));
  parent.send(ui::msg::SetRedraw, 0);
  EXPECT_FALSE(ui::IsRedrawEnabled(inner));
  // Paging turns drawing off and on around its work: still off after it.
  Scroll(parent, ui::scroll::PageDown);
  Scroll(parent, ui::scroll::LineDown);
  EXPECT_FALSE(ui::IsRedrawEnabled(inner));
  parent.send(ui::msg::SetRedraw, 0);
  parent.send(ui::msg::SetRedraw, 1);
  EXPECT_FALSE(ui::IsRedrawEnabled(inner));
  ui::ValidateRect(parent.control());
  parent.send(ui::msg::SetRedraw, 1);
  EXPECT_TRUE(ui::IsRedrawEnabled(inner));
  EXPECT_TRUE(ui::UpdateRect(parent.control()).has_value());
  EXPECT_EQ(parent.shownTexts(), RowsFrom(11, 10));
}

TEST_F(Paging, ResizingAnnouncesAndRefillsRows) {
  const ui::Rect rect = ui::WindowRectInParent(parent.control());
  ui::MoveWindow(parent.control(), {rect.left, rect.top, rect.right, rect.bottom - 26});
  EXPECT_EQ(parent.send(RPB_GETLINES), 8);
  EXPECT_EQ(parent.freedItems(), (std::vector<LParam>{9, 8}));
  EXPECT_EQ(parent.shownTexts(), RowsFrom(0, 8));
  // A height between whole lines is cut to whole lines.
  ui::MoveWindow(parent.control(), {rect.left, rect.top, rect.right, rect.bottom - 6});
  EXPECT_EQ(ui::ClientRect(parent.control()).height(), 117);
  EXPECT_EQ(parent.send(RPB_GETLINES), 9);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(0, 9));
}

TEST_F(Paging, AFontChangeReLaysTheLines) {
  const ui::FontHandle font = ui::CreateFont({.face = "MS Sans Serif", .height = 20});
  parent.send(ui::msg::SetFont, reinterpret_cast<WParam>(font), 1);
  const int height = ui::MeasureFont(font).height;
  EXPECT_EQ(ui::ClientRect(parent.control()).height() % height, 0);
  EXPECT_EQ(parent.send(RPB_GETLINES), 130 / height);
  EXPECT_EQ(parent.rows(), 130 / height);
  EXPECT_EQ(parent.send(ui::msg::GetFont), ui::HandleToParam(font));
  EXPECT_EQ(parent.freedItems().back(), 130 / height);
}

TEST(PagingDataOnly, RowsWithoutTextCarryTheirData) {
  ui::ScopedHeadlessBackend backend;
  Parent parent;
  parent.createControl(style::OwnerDrawFixed);
  EXPECT_EQ(parent.rows(), 10);
  EXPECT_EQ(parent.shownText(0), "");
  EXPECT_EQ(ui::SendMessage(parent.inner(), ui::list_box::GetItemData, 4), DataOf(4));
  parent.send(ui::msg::VScroll, ui::scroll::LineDown);
  EXPECT_EQ(ui::SendMessage(parent.inner(), ui::list_box::GetItemData, 0), DataOf(1));
}

TEST(PagingFewRows, ThreeRowsInTenLinesHideTheBar) {
  ui::ScopedHeadlessBackend backend;
  Parent parent({.rows = 3});
  parent.createControl();
  EXPECT_EQ(parent.shownTexts(), RowsFrom(0, 3));
  EXPECT_FALSE(ThumbOf(parent.inner()).visible);
  EXPECT_EQ(Scroll(parent, ui::scroll::LineDown), -1);
  EXPECT_EQ(Scroll(parent, ui::scroll::PageDown), -1);
  Scroll(parent, ui::scroll::Bottom);
  EXPECT_EQ(parent.shownTexts(), RowsFrom(0, 3));
}

TEST(PagingFewRows, DisabledInsteadOfHiddenWithItsStyle) {
  ui::ScopedHeadlessBackend backend;
  Parent parent({.rows = 3});
  parent.createControl(style::DisableNoScroll);
  const Thumb thumb = ThumbOf(parent.inner());
  EXPECT_TRUE(thumb.visible);
  EXPECT_FALSE(thumb.enabled);
}

}  // namespace
}  // namespace rowpane::testing
