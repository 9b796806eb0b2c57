// The selection over 100,000 rows: moved by message and by key, kept while
// it is scrolled out of view and brought back, and the texts found by the
// parent.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/ui/controls/list_box.h"
#include "platform/ui/keys.h"
#include "support/rowpane_harness.h"

namespace rowpane::testing {
namespace {

namespace ui = platform::ui;

LResult Key(const Parent& parent, ui::VirtualKey key) { return ui::SendMessage(parent.inner(), ui::msg::KeyDown, key); }

class Selection : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(parent.createControl(), nullptr);
    parent.clearLog();
  }
  ui::ScopedHeadlessBackend backend;
  Parent parent;
};

TEST_F(Selection, ClearingAnswersMinusOne) {
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_GOTO, 4), 0);
  EXPECT_EQ(parent.selectedLine(), 4);
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_GOTO, -1), -1);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), -1);
  EXPECT_EQ(parent.selectedLine(), -1);
}

TEST_F(Selection, AnItemOutOfViewIsBroughtIntoView) {
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_GOTO, 5000), 0);
  EXPECT_EQ(parent.shownText(0), "ROW005000");
  EXPECT_EQ(parent.selectedLine(), 0);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 5000);

  // Scrolled away the selection stays, and comes back with its page.
  parent.send(ui::msg::VScroll, ui::scroll::Top);
  EXPECT_EQ(parent.selectedLine(), -1);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 5000);
  // Down brings its page back, then moves one on.
  EXPECT_EQ(ui::SendMessage(parent.control(), ui::msg::VKeyToItem, ui::key::Down, 0), -2);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 5001);
  EXPECT_EQ(parent.shownText(0), "ROW005001");
  EXPECT_EQ(parent.selectedLine(), 0);
  // The parent heard of the change as the control's own notice.
  ASSERT_FALSE(parent.notices.empty());
  const Notice& last = parent.notices.back();
  EXPECT_EQ(last.message, ui::msg::Command);
  EXPECT_EQ(ui::LowWord(last.wParam), 4321u);
  EXPECT_EQ(last.lParam, ui::HandleToParam(parent.control()));
}

TEST_F(Selection, PagingCarriesTheSelectedRow) {
  parent.send(RPB_SETCURSEL, RPBN_GOTO, 3);
  parent.send(ui::msg::VScroll, ui::scroll::PageDown);
  EXPECT_EQ(parent.selectedLine(), -1);
  parent.send(ui::msg::VScroll, ui::scroll::PageUp);
  EXPECT_EQ(parent.selectedLine(), 3);
  parent.send(ui::msg::VScroll, ui::scroll::LineDown);
  EXPECT_EQ(parent.selectedLine(), 2);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 3);
}

TEST_F(Selection, KeysMoveAndScroll) {
  parent.send(RPB_SETCURSEL, RPBN_GOTO, 9);  // the last line
  Key(parent, ui::key::Down);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 10);
  EXPECT_EQ(parent.selectedLine(), 9);
  EXPECT_EQ(parent.shownText(0), "ROW000001");
  Key(parent, ui::key::Up);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 9);
  // Page Down from line s: the page moves s lines and the last line is selected.
  parent.send(RPB_SETCURSEL, RPBN_GOTO, 4);  // line 3
  Key(parent, ui::key::PageDown);
  EXPECT_EQ(parent.shownText(0), "ROW000004");
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 13);
  Key(parent, ui::key::PageUp);  // from the last line: to the page's top
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 4);
  Key(parent, ui::key::PageUp);  // from line 0: a page up
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 0);
  EXPECT_EQ(parent.selectedLine(), 0);
  Key(parent, ui::key::Up);  // at the very top nothing moves
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 0);
  Key(parent, ui::key::End);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 99999);
  EXPECT_EQ(parent.selectedLine(), 9);
  Key(parent, ui::key::Down);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 99999);
  Key(parent, ui::key::Home);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 0);
  // Other keys are the list's own.
  EXPECT_EQ(ui::SendMessage(parent.control(), ui::msg::VKeyToItem, ui::key::Left, 0), -1);
}

TEST_F(Selection, MovesByMessage) {
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_LAST, 0), 0);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 99999);
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_PREV, 99999), 0);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 99998);
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_NEXT, 99999), -1);
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_FIRST, 0), 0);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 0);
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_PREV, 0), -1);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 0);
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_NEXT, 9), 0);  // past the last line: a line down
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 10);
  EXPECT_EQ(parent.selectedLine(), 9);
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_NEXT, 70000), 0);  // out of view: brought in first
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 70001);
  EXPECT_EQ(parent.send(RPB_SETCURSEL, 9999 /* no such mode */, 5), -1);
}

TEST_F(Selection, TheParentFindsTexts) {
  CallerRequest exact(0, "ROW054321");
  EXPECT_EQ(parent.send(RPB_SELECTSTRING, 0, exact.param()), 54321);
  EXPECT_EQ(parent.shownText(parent.selectedLine()), "ROW054321");
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 54321);
  // A shown row is selected where it is.
  parent.clearLog();
  CallerRequest shown(0, "ROW054325");
  EXPECT_EQ(parent.send(RPB_SELECTSTRING, 0, shown.param()), 54325);
  EXPECT_EQ(parent.freeAllCount(), 0);
  EXPECT_EQ(parent.selectedLine(), 4);

  CallerRequest prefix(0, "ROW0999");
  EXPECT_EQ(parent.send(RPB_FINDSTRING, 0, prefix.param()), 99900);
  EXPECT_EQ(parent.send(RPB_FINDSTRINGEXACT, 0, prefix.param()), -1);
  CallerRequest five(0, "ROW000005");
  EXPECT_EQ(parent.send(RPB_FINDSTRINGEXACT, 0, five.param()), 5);
  // Finding selects nothing and moves nothing.
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 54325);
  EXPECT_EQ(parent.shownText(0), "ROW054321");
  CallerRequest missing(0, "ZZZ");
  EXPECT_EQ(parent.send(RPB_SELECTSTRING, 0, missing.param()), -1);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 54325);
}

TEST_F(Selection, ItemsShownAndFarAway) {
  CallerRequest far(77777);
  EXPECT_EQ(parent.send(RPB_GETTEXT, 0, far.param()), 9);
  EXPECT_STREQ(far.buffer, "ROW077777");
  EXPECT_EQ(parent.send(RPB_GETTEXTLEN, 0, far.param()), 9);
  EXPECT_EQ(parent.send(RPB_GETITEMDATA, 0, far.param()), DataOf(77777));
  ui::Rect rect;
  far.request.rect = &rect;
  EXPECT_EQ(parent.send(RPB_GETITEMRECT, 0, far.param()), -1);
  EXPECT_EQ(parent.send(RPB_SETITEMDATA, 0, far.param()), -1);

  CallerRequest near(2);
  EXPECT_EQ(parent.send(RPB_GETTEXT, 0, near.param()), 9);
  EXPECT_STREQ(near.buffer, "ROW000002");
  EXPECT_EQ(parent.send(RPB_GETITEMDATA, 0, near.param()), DataOf(2));
  near.request.rect = &rect;
  EXPECT_EQ(parent.send(RPB_GETITEMRECT, 0, near.param()), 1);
  EXPECT_EQ(rect.top, 2 * parent.send(RPB_GETITEMHEIGHT));
  CallerRequest setData(2);
  setData.request.index = 2;
  EXPECT_GE(parent.send(RPB_SETITEMDATA, 0, setData.param()), 0);
  // The shown rows never asked the parent.
  EXPECT_EQ(std::count(parent.requests.begin(), parent.requests.end(), RPBN_GETTEXT), 1);
}

}  // namespace
}  // namespace rowpane::testing
