// What the control passes on and re-lays: the inner box's notices, keys
// offered to the parent first, the horizontal bar, auto-scrolling while
// the mouse is held, and the focus.
#include <gtest/gtest.h>

#include "platform/ui/controls/list_box.h"
#include "platform/ui/focus.h"
#include "platform/ui/keys.h"
#include "support/rowpane_harness.h"

namespace rowpane::testing {
namespace {

namespace ui = platform::ui;
namespace lb = platform::ui::list_box;

TEST(Notices, TheInnerBoxSelectionIsRecordedAndForwarded) {
  ui::ScopedHeadlessBackend backend;
  Parent parent;
  parent.createControl(style::ForwardCommands);
  parent.clearLog();
  ui::SendMessage(parent.inner(), lb::SetCurrentSelection, 2);
  const LResult answer =
      ui::SendMessage(parent.control(), ui::msg::Command, ui::CommandParam(kInnerListId, lb::SelectionChange),
                      ui::HandleToParam(parent.inner()));
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 2);
  ASSERT_EQ(parent.notices.size(), 1u);
  EXPECT_EQ(parent.notices[0].wParam, ui::CommandParam(4321, lb::SelectionChange));
  EXPECT_EQ(parent.notices[0].lParam, ui::HandleToParam(parent.control()));
  ui::SendMessage(parent.control(), ui::msg::Command, ui::CommandParam(kInnerListId, lb::SelectionCancel),
                  ui::HandleToParam(parent.inner()));
  EXPECT_EQ(parent.send(RPB_GETCURSEL), -1);
}

TEST(Notices, WithoutTheStyleNothingIsForwarded) {
  ui::ScopedHeadlessBackend backend;
  Parent parent;
  parent.createControl();
  parent.clearLog();
  EXPECT_EQ(ui::SendMessage(parent.control(), ui::msg::Command, ui::CommandParam(kInnerListId, lb::SelectionChange),
                            ui::HandleToParam(parent.inner())),
            1);
  EXPECT_TRUE(parent.notices.empty());
  // Characters are the parent's only with their style.
  EXPECT_EQ(ui::SendMessage(parent.control(), ui::msg::CharToItem, 'R', 0), -1);
}

TEST(Notices, TheHorizontalBarTakesALine) {
  ui::ScopedHeadlessBackend backend;
  Parent parent;
  parent.createControl();
  parent.clearLog();
  parent.send(RPB_SETHORIZONTALEXTENT, 500);
  EXPECT_NE(ui::WindowStyle(parent.inner()) & ui::style::HScroll, 0u);
  EXPECT_EQ(parent.send(RPB_GETHORIZONTALEXTENT), 500);
  EXPECT_EQ(parent.send(RPB_GETLINES), 8);
  EXPECT_EQ(parent.freedItems(), (std::vector<LParam>{9, 8}));
  parent.send(RPB_SETHORIZONTALEXTENT, 50);
  EXPECT_EQ(ui::WindowStyle(parent.inner()) & ui::style::HScroll, 0u);
  EXPECT_EQ(parent.send(RPB_GETLINES), 10);
  EXPECT_EQ(parent.rows(), 10);
}

TEST(Notices, AutoScrollAtTheEdgesOfThePage) {
  ui::ScopedHeadlessBackend backend;
  Parent parent;
  parent.createControl();
  parent.send(RPB_SETCURSEL, RPBN_GOTO, 9);
  ui::SendMessage(parent.inner(), ui::msg::SystemTimer, lb::kAutoScrollTimer);
  EXPECT_EQ(parent.shownText(0), "ROW000001");
  parent.send(RPB_SETCURSEL, RPBN_GOTO, 1);
  ui::SendMessage(parent.inner(), ui::msg::SystemTimer, lb::kAutoScrollTimer);
  EXPECT_EQ(parent.shownText(0), "ROW000000");
  // The inner box's scroll requests are the control's.
  ui::SendMessage(parent.inner(), ui::msg::VScroll, ui::scroll::PageDown);
  EXPECT_EQ(parent.shownText(0), "ROW000010");
}

TEST(Notices, FocusGoesToTheInnerBoxUnlessTheSelectionIsAway) {
  ui::ScopedHeadlessBackend backend;
  Parent parent;
  parent.createControl();
  ui::SetFocus(parent.control());
  EXPECT_EQ(ui::GetFocus(), parent.inner());
  parent.send(RPB_SETCURSEL, RPBN_GOTO, 500);
  parent.send(ui::msg::VScroll, ui::scroll::Top);
  ui::SetFocus(parent.window());
  ui::SetFocus(parent.control());
  EXPECT_EQ(ui::GetFocus(), parent.control());
  // A key brings the selection back through the inner box.
  parent.send(ui::msg::KeyDown, ui::key::Down);
  EXPECT_EQ(ui::GetFocus(), parent.inner());
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 501);
}

TEST(Notices, TheParentMayTakeKeysFirst) {
  ui::ScopedHeadlessBackend backend;
  Parent parent;
  parent.createControl(style::ParentKeysFirst);
  parent.send(RPB_SETCURSEL, RPBN_GOTO, 3);
  // The test parent answers the default (-1): the control handles the key.
  EXPECT_EQ(ui::SendMessage(parent.control(), ui::msg::VKeyToItem, ui::key::Down, 0), -2);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), 4);
}

}  // namespace
}  // namespace rowpane::testing
