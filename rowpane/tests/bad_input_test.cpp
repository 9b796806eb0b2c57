// Bad input gets a defined answer: a parent that answers nothing, counts
// of 0, -1 and -2, items outside the list, null pointers, and messages
// before the control is initialised.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/ui/controls/list_box.h"
#include "support/rowpane_harness.h"

namespace rowpane::testing {
namespace {

namespace ui = platform::ui;

LResult Scroll(const Parent& parent, unsigned request) { return parent.send(ui::msg::VScroll, request); }

// Nothing a caller can ask of a control without rows reaches a row.
void ExpectNothingShown(Parent& parent) {
  EXPECT_EQ(parent.rows(), 0);
  EXPECT_EQ(Scroll(parent, ui::scroll::LineDown), -1);
  EXPECT_EQ(Scroll(parent, ui::scroll::PageUp), -1);
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_GOTO, 3), -1);
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_FIRST, 0), -1);
  EXPECT_EQ(parent.send(RPB_GETCURSEL), -1);
  CallerRequest text(3, "ROW000003");
  EXPECT_EQ(parent.send(RPB_GETTEXT, 0, text.param()), -1);
  EXPECT_EQ(parent.send(RPB_SELECTSTRING, 0, text.param()), -1);
  EXPECT_EQ(parent.send(RPB_SETTOPINDEX, 0, 3), -1);
  EXPECT_EQ(ui::SendMessage(parent.control(), ui::msg::VKeyToItem, 0x28 /* down */, 0), -2);
  EXPECT_EQ(parent.rows(), 0);
}

TEST(BadParent, AParentThatAnswersNothing) {
  ui::ScopedHeadlessBackend backend;
  Parent parent({.answers = false});
  parent.createControl();
  EXPECT_EQ(parent.send(RPB_GETCOUNT), kCountUnknown);
  ExpectNothingShown(parent);
  EXPECT_EQ(parent.send(RPB_UPDATE), -1);
}

TEST(BadParent, ACountOfZeroAsksForNoRows) {
  ui::ScopedHeadlessBackend backend;
  Parent parent({.countAnswer = 0});
  parent.createControl();
  EXPECT_EQ(parent.send(RPB_GETCOUNT), 0);
  EXPECT_EQ(std::count(parent.requests.begin(), parent.requests.end(), RPBN_FIRST), 0);
  ExpectNothingShown(parent);
  parent.clearLog();
  EXPECT_EQ(parent.send(RPB_UPDATE), 1);
  EXPECT_EQ(parent.freeAllCount(), 1);
  EXPECT_EQ(parent.send(RPB_RESETCONTENT), 0);
}

TEST(BadParent, NegativeCountsMeanUnknown) {
  for (const int answered : {-1, -2, -77}) {
    ui::ScopedHeadlessBackend backend;
    Parent parent({.countAnswer = answered});
    parent.createControl();
    EXPECT_EQ(parent.send(RPB_GETCOUNT), kCountUnknown) << answered;
    EXPECT_EQ(ThumbOf(parent.inner()).position, 50);
    EXPECT_EQ(parent.rows(), 10);
    ui::DestroyWindow(parent.control());
  }
}

TEST(BadParent, NullTextsShowEmptyRows) {
  ui::ScopedHeadlessBackend backend;
  Parent parent({.nullTexts = true});
  parent.createControl();
  EXPECT_EQ(parent.rows(), 10);
  EXPECT_EQ(parent.shownText(0), "");
  CallerRequest far(5000);
  EXPECT_EQ(parent.send(RPB_GETTEXT, 0, far.param()), -1);
}

TEST(BadCaller, ItemsOutsideTheListAndNullPointers) {
  ui::ScopedHeadlessBackend backend;
  Parent parent;
  parent.createControl();
  parent.clearLog();
  for (const int item : {100000, 250000, -5}) {
    EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_GOTO, item), -1) << item;
    EXPECT_EQ(parent.send(RPB_SETTOPINDEX, 0, item), -1) << item;
    CallerRequest request(item);
    EXPECT_EQ(parent.send(RPB_GETTEXT, 0, request.param()), -1) << item;
    EXPECT_EQ(parent.send(RPB_GETITEMDATA, 0, request.param()), -1) << item;
  }
  EXPECT_EQ(parent.shownText(0), "ROW000000");
  EXPECT_EQ(parent.freeAllCount(), 0);

  // Null requests, buffers and search texts: refused without asking.
  parent.clearLog();
  for (const MessageId message : {RPB_GETTEXT, RPB_GETTEXTLEN, RPB_SELECTSTRING, RPB_FINDSTRING, RPB_FINDSTRINGEXACT,
                                  RPB_GETITEMRECT, RPB_GETITEMDATA, RPB_SETITEMDATA})
    EXPECT_EQ(parent.send(message, 0, 0), -1) << message;
  CallerRequest noBuffer(50000);
  noBuffer.request.text = nullptr;
  EXPECT_EQ(parent.send(RPB_GETTEXT, 0, noBuffer.param()), -1);
  EXPECT_EQ(parent.send(RPB_GETITEMRECT, 0, noBuffer.param()), -1);
  EXPECT_EQ(parent.send(RPB_SELECTSTRING, 0, noBuffer.param()), -1);
  EXPECT_TRUE(parent.requests.empty());
}

TEST(BadCaller, NothingIsAskedBeforeInitialise) {
  ui::ScopedHeadlessBackend backend;
  Parent parent;
  parent.createControl(0, 130, false);
  EXPECT_EQ(parent.send(RPB_GETCOUNT), kCountNotAsked);
  EXPECT_EQ(Scroll(parent, ui::scroll::LineDown), -1);
  EXPECT_EQ(Scroll(parent, ui::scroll::Bottom), -1);
  EXPECT_EQ(parent.send(RPB_SETCURSEL, RPBN_GOTO, 5), -1);
  CallerRequest find(0, "ROW000005");
  EXPECT_EQ(parent.send(RPB_SELECTSTRING, 0, find.param()), -1);
  ui::MoveWindow(parent.control(), {10, 10, 210, 100});
  EXPECT_TRUE(parent.requests.empty());
  EXPECT_TRUE(parent.notices.empty());
}

TEST(BadCaller, MessagesAfterDestructionAnswerZero) {
  ui::ScopedHeadlessBackend backend;
  Parent parent;
  const WindowHandle control = parent.createControl();
  ui::DestroyWindow(control);
  EXPECT_EQ(ui::SendMessage(control, RPB_GETCOUNT), 0);
  EXPECT_EQ(ui::SendMessage(control, RPB_GETCURSEL), 0);
}

}  // namespace
}  // namespace rowpane::testing
