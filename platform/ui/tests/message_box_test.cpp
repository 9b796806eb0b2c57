// Message boxes: their buttons, answers and keys, the modal run, and a box
// opened from a kill-focus handler that puts the focus back without a loop.
#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

using ::testing::ElementsAre;

constexpr int kFields = 110;

class MessageBoxes : public testing::WindowSystemTest {
 protected:
  // The ids of the open box's buttons, in tab order.
  static std::vector<int> ButtonIds(WindowHandle box) {
    std::vector<int> ids;
    for (WindowHandle child : ChildWindows(box))
      if (IsWindowOfClass(child, "Button")) ids.push_back(WindowId(child));
    return ids;
  }
};

TEST_F(MessageBoxes, TheStyleGivesTheButtonsTheDefaultAndTheAnswer) {
  std::vector<int> buttons;
  std::string caption;
  std::string text;
  LParam icon = 0;
  int focused = 0;
  whenIdle({[&] {
    const WindowHandle box = GetActiveWindow();
    buttons = ButtonIds(box);
    caption = WindowText(box);
    text = DialogItemText(box, message_box::kTextId);
    icon = SendDialogItemMessage(box, message_box::kIconId, static_control::GetImage);
    focused = WindowId(GetFocus());
    InjectKeyPress(key::Enter);
  }});
  EXPECT_EQ(MessageBox(nullptr, "Replace the profile?", "Settings",
                       message_box::YesNoCancel | message_box::IconQuestion | message_box::DefaultButton2),
            command_id::No);
  EXPECT_EQ(buttons, (std::vector<int>{command_id::Yes, command_id::No, command_id::Cancel}));
  EXPECT_EQ(caption, "Settings");
  EXPECT_EQ(text, "Replace the profile?");
  EXPECT_EQ(icon, static_cast<LParam>(message_box::IconQuestion));
  EXPECT_EQ(focused, command_id::No);
  EXPECT_TRUE(ChildWindows(nullptr).empty());  // the box is gone

  // Tab moves between the buttons; Enter presses the focused one.
  whenIdle({[] { InjectKeyPress(key::Tab); }, [] { InjectKeyPress(key::Enter); }});
  EXPECT_EQ(MessageBox(nullptr, "Retry?", "", message_box::RetryCancel), command_id::Cancel);
}

TEST_F(MessageBoxes, EscAnswersCancelOrTheOnlyOkAndOtherwiseDoesNothing) {
  whenIdle({[] { InjectKeyPress(key::Escape); }});
  EXPECT_EQ(MessageBox(nullptr, "Done", "Info", message_box::Ok), command_id::Ok);
  whenIdle({[] { InjectKeyPress(key::Escape); }});
  EXPECT_EQ(MessageBox(nullptr, "Go on?", "Info", message_box::OkCancel), command_id::Cancel);
  bool stillOpen = false;
  whenIdle({[] { InjectKeyPress(key::Escape); },
            [&] {
              stillOpen = IsWindow(GetActiveWindow());
              InjectKeyPress(key::Tab);
            },
            [] { InjectKeyPress(key::Space); }});
  EXPECT_EQ(MessageBox(nullptr, "Delete?", "Question", message_box::YesNo | message_box::IconQuestion), command_id::No);
  EXPECT_TRUE(stillOpen);
}

TEST_F(MessageBoxes, LongTextIsWrappedAndLineBreaksAreKept) {
  const std::string longText(60, 'w');
  std::string shown;
  Rect textRect;
  whenIdle({[&] {
    const WindowHandle box = GetActiveWindow();
    shown = DialogItemText(box, message_box::kTextId);
    textRect = WindowRectInParent(DialogItem(box, message_box::kTextId));
    InjectKeyPress(key::Enter);
  }});
  // Five eighths of 1024 pixels is 640: 106 six-pixel characters a line.
  const std::string words = longText + " " + longText + "\nFAKE class 55";
  MessageBox(nullptr, words, "Warning", message_box::IconWarning);
  EXPECT_EQ(shown, longText + "\n" + longText + "\nFAKE class 55");
  EXPECT_EQ(textRect.height(), 3 * 13);
}

TEST_F(MessageBoxes, AnOwnedBoxDisablesItsOwnerAndATaskModalOneEveryWindow) {
  const WindowHandle owner =
      testing::CreateRecorder("owner", nullptr, style::Popup | style::Visible, Rect::FromSize(0, 0, 300, 200));
  const WindowHandle other =
      testing::CreateRecorder("other", nullptr, style::Popup | style::Visible, Rect::FromSize(400, 0, 100, 100));
  SetActiveWindow(owner);
  bool ownerEnabled = true;
  bool otherEnabled = false;
  whenIdle({[&] {
    ownerEnabled = IsWindowEnabled(owner);
    otherEnabled = IsWindowEnabled(other);
    EXPECT_EQ(OwnerWindow(GetActiveWindow()), owner);
    InjectKeyPress(key::Enter);
  }});
  MessageBox(owner, "Owned", "Box", message_box::Ok);
  EXPECT_FALSE(ownerEnabled);
  EXPECT_TRUE(otherEnabled);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetActiveWindow(), owner);

  whenIdle({[&] {
    ownerEnabled = IsWindowEnabled(owner);
    otherEnabled = IsWindowEnabled(other);
    InjectKeyPress(key::Enter);
  }});
  MessageBox(nullptr, "FATAL", "FATAL", message_box::IconHand | message_box::TaskModal);
  EXPECT_FALSE(ownerEnabled);
  EXPECT_FALSE(otherEnabled);
  EXPECT_TRUE(IsWindowEnabled(owner) && IsWindowEnabled(other));
  EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(MessageBoxes, ABoxWhileAQuitIsPendingEndsAtOnceAndLeavesTheQuit) {
  PostQuitMessage(385);
  EXPECT_EQ(MessageBox(nullptr, "Late", "Box", message_box::Ok), 0);
  EXPECT_TRUE(IsQuitPending());
  // The hooks saw the box's loop with the message-box code.
  std::vector<int> codes;
  const int hook = AddMessageFilterHook([&](int code, Message&) {
    codes.push_back(code);
    return false;
  });
  Message quit;
  GetMessage(quit);
  whenIdle({[] { InjectKeyPress(key::Enter); }});
  MessageBox(nullptr, "Hooked", "Box", message_box::Ok);
  RemoveMessageFilterHook(hook);
  ASSERT_FALSE(codes.empty());
  EXPECT_TRUE(std::all_of(codes.begin(), codes.end(), [](int c) { return c == filter_code::MessageBox; }));
}

// A field whose kill-focus handler refuses an empty value: it shows a box
// and puts the focus back, as the program's validation does.
class ValidatingDialog : public testing::RecordingDialog {
 public:
  ValidatingDialog() : RecordingDialog(kFields) {
    messageMap().onNotification(501, edit::KillFocusNotify, [this] { validate(501); });
    messageMap().onNotification(502, edit::KillFocusNotify, [this] { validate(502); });
  }
  std::vector<int> boxesFor;

 private:
  void validate(int id) {
    if (!DialogItemText(handle(), id).empty()) return;
    boxesFor.push_back(id);
    MessageBox(handle(), "A value is needed here.", "Warning", message_box::Ok | message_box::IconExclamation);
    SetFocus(item(id));
    SendMessage(item(id), edit::SetSelection, 0, -1);
  }
};

TEST_F(MessageBoxes, ABoxFromAKillFocusHandlerPutsTheFocusBackWithoutALoop) {
  ValidatingDialog dialog;
  dialog.open();
  ASSERT_EQ(WindowId(GetFocus()), 501);
  dialog.clear();
  int focusInBox = 0;
  whenIdle({[&] {
    focusInBox = WindowId(GetFocus());
    InjectKeyPress(key::Enter);
  }});
  press(key::Tab);
  EXPECT_EQ(focusInBox, command_id::Ok);
  EXPECT_EQ(dialog.boxesFor, (std::vector<int>{501}));  // once, and never for 502
  EXPECT_EQ(GetFocus(), dialog.item(501));
  EXPECT_EQ(GetActiveWindow(), dialog.handle());
  // 502 never heard of the focus; 501 lost it once and has it again.
  EXPECT_TRUE(dialog.codesFrom(502).empty());
  EXPECT_EQ(dialog.codesFrom(501), (std::vector<unsigned>{edit::KillFocusNotify, edit::SetFocusNotify}));
  EXPECT_FALSE(backend_.starved());

  // With a value the field lets the focus go.
  type("7");
  press(key::Tab);
  EXPECT_EQ(GetFocus(), dialog.item(502));
  EXPECT_EQ(dialog.boxesFor.size(), 1u);
}

}  // namespace
}  // namespace platform::ui
