// Buttons, check boxes, radio buttons, group boxes and statics: clicks by
// the mouse, by Space and by message; what the mouse passes through.
#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "platform/ui/controls/button.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

using ::testing::ElementsAre;

constexpr int kEntryForm = 100;

class Buttons : public testing::OpenDialogTest<> {
 protected:
  Buttons() : OpenDialogTest(kEntryForm) {}
  WParam check(int id) { return DialogButtonCheck(dialog_.handle(), id); }
  Point centreOf(int id) {
    const Rect r = WindowRect(item(id));
    return {r.left + r.width() / 2, r.top + r.height() / 2};
  }
};

TEST_F(Buttons, ACheckBoxTogglesOnAClickOnSpaceAndOnTheClickMessage) {
  InjectClick(item(120), {3, 3});
  run();
  EXPECT_EQ(check(120), button::Checked);
  EXPECT_EQ(GetFocus(), item(120));  // a click gives the button the focus
  press(key::Space);
  EXPECT_EQ(check(120), button::Unchecked);
  SendMessage(item(120), button::Click);
  EXPECT_EQ(check(120), button::Checked);
  EXPECT_EQ(dialog_.codesFrom(120), (std::vector<unsigned>(3, button::Clicked)));
  // Setting the check by message notifies nothing.
  SendMessage(item(120), button::SetCheck, button::Unchecked);
  EXPECT_EQ(dialog_.codesFrom(120).size(), 3u);
}

TEST_F(Buttons, ARadioButtonClickedChecksItselfAndClearsItsGroup) {
  CheckRadioButton(dialog_.handle(), 110, 112, 110);
  InjectClick(item(112), {3, 3});
  run();
  EXPECT_EQ(check(110), button::Unchecked);
  EXPECT_EQ(check(112), button::Checked);
  // The check box after the group is left alone.
  CheckDialogButton(dialog_.handle(), 120, button::Checked);
  SendMessage(item(111), button::Click);
  EXPECT_EQ(check(111), button::Checked);
  EXPECT_EQ(check(112), button::Unchecked);
  EXPECT_EQ(check(120), button::Checked);
  // The checked radio is the group's tab stop.
  EXPECT_TRUE(WindowStyle(item(111)) & style::TabStop);
  EXPECT_FALSE(WindowStyle(item(112)) & style::TabStop);
}

TEST_F(Buttons, APushButtonClicksOnlyWhenTheButtonComesUpOverIt) {
  InjectMouseButton(MouseButton::Left, true, centreOf(2));
  InjectMouseMove(centreOf(101));
  InjectMouseButton(MouseButton::Left, false, centreOf(101));
  run();
  EXPECT_TRUE(dialog_.codesFrom(2).empty());
  EXPECT_TRUE(IsWindow(dialog_.handle()));
  EXPECT_EQ(GetCapture(), nullptr);
  // A disabled button takes no click: it lands on the dialog.
  EnableWindow(item(2), false);
  InjectClick(item(2), {3, 3});
  run();
  EXPECT_TRUE(dialog_.codesFrom(2).empty());
  EXPECT_EQ(SendMessage(item(2), button::Click), 0);
  EXPECT_TRUE(dialog_.codesFrom(2).empty());
  EnableWindow(item(2), true);
  InjectClick(item(2), {3, 3});
  run();
  EXPECT_EQ(dialog_.codesFrom(2), (std::vector<unsigned>{button::Clicked}));
  EXPECT_TRUE(IsDialogEnded(dialog_.handle()));  // Cancel ended it
}

TEST_F(Buttons, AClickEatenAtMouseActivationNeverReachesTheButton) {
  // The dialog's mouse-activation handler eats clicks while the focus is on
  // edit 101, as the rating screen's click-away rule does.
  std::vector<int> asked;
  dialog_.messageMap().onMessage(msg::MouseActivate, [&](const Message&) {
    const WindowHandle under =
        ChildWindowFromPoint(dialog_.handle(), ScreenToClient(dialog_.handle(), CursorPosition()));
    asked.push_back(WindowId(under));
    return GetFocus() == item(101) ? mouse_activate::NoActivateAndEat : mouse_activate::Activate;
  });
  ASSERT_EQ(GetFocus(), item(101));
  InjectClick(item(2), {3, 3});
  run();
  EXPECT_EQ(asked, (std::vector<int>{2}));  // asked before the button-down, with the button under the mouse
  EXPECT_TRUE(dialog_.codesFrom(2).empty());
  EXPECT_EQ(GetFocus(), item(101));  // nor did the focus move
  EXPECT_FALSE(IsDialogEnded(dialog_.handle()));
  // Once the focus is elsewhere the same click goes through.
  SetFocus(item(102));
  InjectClick(item(2), {3, 3});
  run();
  EXPECT_EQ(dialog_.codesFrom(2), (std::vector<unsigned>{button::Clicked}));
}

TEST_F(Buttons, GroupBoxesAndStaticsLetTheMousePassThrough) {
  const WindowHandle label = ChildWindows(dialog_.handle())[0];  // "Name:"
  WindowCreation frame;
  frame.className = button::kClassName;
  frame.text = "Mode";
  frame.style = style::Child | style::Visible | button::GroupBox;
  frame.rect = WindowRectInParent(item(110));
  frame.rect.bottom = WindowRectInParent(item(112)).bottom;
  frame.parent = dialog_.handle();
  frame.id = 4771;
  const WindowHandle group = CreateWindow(frame);
  SetWindowPosition(group, InsertAtTop, {}, position::NoMove | position::NoSize);
  EXPECT_EQ(ChildWindowFromPoint(dialog_.handle(), ScreenToClient(dialog_.handle(), centreOf(111))), group);
  EXPECT_EQ(WindowFromPoint(centreOf(111)), item(111));
  EXPECT_EQ(SendMessage(group, msg::GetDialogCode), dialog_code::Static);
  // The label left of edit 101 is a static: the dialog gets the click.
  const Rect edit = WindowRect(item(101));
  EXPECT_EQ(WindowFromPoint({edit.left - 20, edit.top + 6}), dialog_.handle());
  // A static with Notify takes it.
  SetWindowStyle(label, WindowStyle(label) | static_control::Notify);
  EXPECT_EQ(WindowFromPoint({edit.left - 20, edit.top + 6}), label);
}

TEST_F(Buttons, TheButtonStateReportsCheckPushAndFocus) {
  SetFocus(item(120));
  SendMessage(item(120), button::SetCheck, button::Checked);
  SendMessage(item(120), button::SetState, 1);
  EXPECT_EQ(SendMessage(item(120), button::GetState),
            static_cast<LResult>(button::Checked) | button::state::Pushed | button::state::Focused);
  // A check box that is not three-state never becomes indeterminate.
  SendMessage(item(120), button::SetCheck, button::Indeterminate);
  EXPECT_EQ(check(120), button::Checked);
  EXPECT_EQ(SendMessage(item(1), button::GetCheck), 0);  // push buttons have none
}

}  // namespace
}  // namespace platform::ui
