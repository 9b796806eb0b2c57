// A parent that cannot count: the control names rows by their data
// values, places the thumb at the middle and asks the parent for the row
// at a thumb position.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/ui/controls/list_box.h"
#include "support/rowpane_harness.h"

namespace rowpane::testing {
namespace {

namespace ui = platform::ui;

class UnknownCount : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(parent.createControl(), nullptr);
    parent.clearLog();
  }
  ui::ScopedHeadlessBackend backend;
  Parent parent{{.countKnown = false}};
};

TEST_F(UnknownCount, FirstPageAndTheThumbAtTheMiddle) {
  EXPECT_EQ(parent.send(RPB_GETCOUNT), kCountUnknown);
  EXPECT_EQ(parent.shownText(0), "ROW000000");
  EXPECT_EQ(parent.rows(), 10);
  EXPECT_EQ(parent.send(RPB_GETTOPINDEX), DataOf(0));
  EXPECT_EQ(ThumbOf(parent.inner()).position, 50);
  EXPECT_TRUE(ThumbOf(parent.inner()).visible);
}

TEST_F(UnknownCount, ScrollingAnnouncesDataValues) {
  parent.send(ui::msg::VScroll, ui::scroll::LineDown);
  EXPECT_EQ(parent.freedItems(), std::vector<LParam>{DataOf(0)});
  EXPECT_EQ(parent.send(RPB_GETTOPINDEX), DataOf(1));
  parent.send(ui::msg::VScroll, ui::scroll::PageDown);
  EXPECT_EQ(parent.shownText(0), "ROW000011");
  parent.send(ui::msg::VScroll, ui::scroll::Bottom);
  EXPECT_EQ(parent.shownText(9), "ROW099999");
  EXPECT_EQ(parent.shownText(0), "ROW099990");
  EXPECT_EQ(parent.send(ui::msg::VScroll, ui::scroll::LineDown), -1);
  EXPECT_EQ(parent.send(ui::msg::VScroll, ui::scroll::PageDown), -1);
  parent.send(ui::msg::VScroll, ui::scroll::PageUp);
  EXPECT_EQ(parent.shownText(0), "ROW099980");
  EXPECT_EQ(ThumbOf(parent.inner()).position, 50);
  parent.send(ui::msg::VScroll, ui::scroll::Top);
  EXPECT_EQ(parent.shownText(0), "ROW000000");
  EXPECT_EQ(parent.send(ui::msg::VScroll, ui::scroll::LineUp), -1);
}

TEST_F(UnknownCount, TheThumbAsksThePosition) {
  parent.send(ui::msg::VScroll, ui::MakeLong(ui::scroll::ThumbPosition, 50));
  EXPECT_NE(std::find(parent.requests.begin(), parent.requests.end(), RPBN_THUMBPOS), parent.requests.end());
  EXPECT_EQ(parent.shownText(0), TextOf(50 * 99999 / 100));
  EXPECT_EQ(parent.rows(), 10);
}

TEST_F(UnknownCount, SelectionAndSearchNameDataValues) {
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_GOTO, DataOf(777)), 0);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), DataOf(777));
  EXPECT_EQ(parent.shownText(parent.selectedLine()), "ROW000777");
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_NEXT, DataOf(777)), 0);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), DataOf(778));
  CallerRequest find(0, "ROW012345");
  EXPECT_EQ(parent.send(RPB_SELECTSTRING, 0, find.param()), DataOf(12345));
  EXPECT_EQ(parent.send(RPB_GETCURSEL), DataOf(12345));
  CallerRequest text(DataOf(500));
  EXPECT_EQ(parent.send(RPB_GETTEXT, 0, text.param()), 9);
  EXPECT_STREQ(text.buffer, "ROW000500");
  // An item near the end is shown on a full page.
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_GOTO, DataOf(99998)), 0);
  EXPECT_EQ(parent.rows(), 10);
  EXPECT_EQ(parent.shownText(parent.selectedLine()), "ROW099998");
}

TEST(KnownCountDataMode, TheStyleNamesRowsByData) {
  ui::ScopedHeadlessBackend backend;
  Parent parent;
  parent.createControl(style::DataMode);
  EXPECT_EQ(parent.send(RPB_GETCOUNT), 100000);
  EXPECT_EQ(parent.send(RPB_GETTOPINDEX), DataOf(0));
  parent.clearLog();
  parent.send(ui::msg::VScroll, ui::scroll::LineDown);
  EXPECT_EQ(parent.freedItems(), std::vector<LParam>{DataOf(0)});
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_GOTO, DataOf(3)), 0);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), DataOf(3));
}

}  // namespace
}  // namespace rowpane::testing
