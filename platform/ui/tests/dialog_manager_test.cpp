// The dialog manager over compiled templates: tab and group navigation,
// Enter and Esc, modal runs that nest and end on a quit, modeless dialogs,
// dialog items, dialog units and centring.
#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "platform/ui/controls/button.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_object.h"
#include "platform/ui/focus.h"
#include "platform/ui/input.h"
#include "platform/ui/metrics.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

using testing::CreateRecorder;
using ::testing::ElementsAre;

constexpr int kEntryForm = 100;
constexpr int kNoDefault = 101;
constexpr int kInner = 102;

int FocusId() { return WindowId(GetFocus()); }

class DialogManager : public testing::WindowSystemTest {
 protected:
  // Runs the steps one by one, each when the dialog's loop is idle.
  void script(std::initializer_list<std::function<void()>> steps) {
    for (const auto& step : steps) backend_.whenIdle(step);
  }
  // A step that presses a key and records where the focus went.
  std::function<void()> press(VirtualKey key, unsigned modifiers = modifier::None) {
    return [this, key, modifiers] {
      focusAfter_.push_back(FocusId());
      InjectKeyPress(key, modifiers);
    };
  }
  std::vector<int> focusAfter_;
};

// A dialog that records its commands.
class FormDialog : public Dialog {
 public:
  explicit FormDialog(int id = kEntryForm, WindowHandle parent = nullptr) : Dialog(id, parent) {
    messageMap().onCommandRange(100, 300, [this](int command) { commands.push_back(command); });
  }
  void onCommand(int id, std::function<void()> handler) { messageMap().onCommand(id, std::move(handler)); }
  std::vector<int> commands;
  bool initialised = false;
  std::function<void(FormDialog&)> atInit;

 protected:
  bool onInitDialog() override {
    initialised = true;
    if (atInit) atInit(*this);
    return Dialog::onInitDialog();
  }
};

TEST_F(DialogManager, TabAndShiftTabGoOverTheTemplatesEnabledVisibleTabStopsAndWrap) {
  FormDialog dialog;
  script({press(key::Tab), press(key::Tab), press(key::Tab), press(key::Tab), press(key::Tab), press(key::Tab),
          press(key::Tab, modifier::Shift), press(key::Tab, modifier::Shift), press(key::Tab, modifier::Shift), [&] {
            focusAfter_.push_back(FocusId());
            dialog.endDialog(7);
          }});
  EXPECT_EQ(dialog.doModal(), 7);
  EXPECT_TRUE(dialog.initialised);
  // Disabled 103 and hidden 104 are passed over; the radio group is one
  // stop (its first radio); after Cancel the order starts again.
  EXPECT_EQ(focusAfter_, (std::vector<int>{101, 102, 110, 120, 1, 2, 101, 2, 1, 120}));
  EXPECT_FALSE(backend_.starved());
}

TEST_F(DialogManager, ArrowKeysMoveWithinAGroupAndCheckAutomaticRadios) {
  FormDialog dialog;
  std::vector<int> checked;
  auto radios = [&] {
    int which = 0;
    for (int id : {110, 111, 112})
      if (DialogButtonCheck(dialog.handle(), id) == button::Checked) which = id;
    checked.push_back(which);
  };
  script({[&] {
            SetDialogFocus(dialog.item(110));
            radios();
            InjectKeyPress(key::Down);
          },
          [&] {
            radios();
            InjectKeyPress(key::Right);
          },
          [&] {
            radios();
            InjectKeyPress(key::Down);  // wraps within the group
          },
          [&] {
            radios();
            InjectKeyPress(key::Up);
          },
          [&] {
            radios();
            focusAfter_.push_back(FocusId());
            // The checked radio is now the group's tab stop.
            focusAfter_.push_back(WindowId(NextDialogTabItem(dialog.handle(), dialog.item(102), false)));
            dialog.endDialog(0);
          }});
  dialog.doModal();
  EXPECT_EQ(checked, (std::vector<int>{0, 111, 112, 110, 112}));
  EXPECT_EQ(focusAfter_, (std::vector<int>{112, 112}));
  // Each arrow move clicked the radio it reached.
  EXPECT_EQ(dialog.commands, (std::vector<int>{111, 112, 110, 112}));
}

TEST_F(DialogManager, EnterPressesTheDefaultButtonOrTheFocusedPushButtonAndEscCancels) {
  {
    FormDialog dialog;
    script({[] { InjectText("Smith"); }, [] { InjectKeyPress(key::Enter); }});
    EXPECT_EQ(dialog.doModal(), command_id::Ok);
  }
  {
    FormDialog dialog;
    script({[&] { SetDialogFocus(dialog.item(2)); }, [] { InjectKeyPress(key::Enter); }});
    EXPECT_EQ(dialog.doModal(), command_id::Cancel);
  }
  {
    FormDialog dialog;
    script({[] { InjectKeyPress(key::Escape); }});
    EXPECT_EQ(dialog.doModal(), command_id::Cancel);
  }
  {
    // A disabled default button makes Enter do nothing.
    FormDialog dialog;
    script({[&] {
              EnableWindow(dialog.item(1), false);
              InjectKeyPress(key::Enter);
            },
            [&] { dialog.endDialog(9); }});
    EXPECT_EQ(dialog.doModal(), 9);
    EXPECT_EQ(backend_.beeps().size(), 1u);
  }
}

TEST_F(DialogManager, WithoutADefaultButtonEnterSendsTheOkCommand) {
  FormDialog dialog(kNoDefault);
  dialog.atInit = [](FormDialog& d) { EXPECT_EQ(SendMessage(d.handle(), msg::DialogGetDefaultId), 0); };
  script({[] { InjectKeyPress(key::Enter); }});
  EXPECT_EQ(dialog.doModal(), command_id::Ok);
  // The default id can be set, and the button styles follow it.
  FormDialog other(kEntryForm);
  other.atInit = [](FormDialog& d) {
    SendMessage(d.handle(), msg::DialogSetDefaultId, 2);
    EXPECT_EQ(button::TypeOf(WindowStyle(d.item(1))), button::PushButton);
    EXPECT_EQ(button::TypeOf(WindowStyle(d.item(2))), button::DefPushButton);
  };
  script({[] { InjectKeyPress(key::Enter); }});
  EXPECT_EQ(other.doModal(), command_id::Cancel);
}

TEST_F(DialogManager, AModalDialogDisablesItsOwnerAndGivesTheFocusBackAfterwards) {
  const WindowHandle owner =
      CreateRecorder("owner", nullptr, style::Popup | style::Visible, Rect::FromSize(0, 0, 400, 300));
  const WindowHandle field =
      CreateRecorder("field", owner, style::Child | style::Visible, Rect::FromSize(5, 5, 50, 20));
  SetFocus(field);
  log().clear();
  FormDialog dialog(kInner, field);  // a child as the parent: its top-level window owns the dialog
  bool ownerEnabledInside = true;
  script({[&] {
    ownerEnabledInside = IsWindowEnabled(owner);
    EXPECT_EQ(OwnerWindow(dialog.handle()), owner);
    EXPECT_EQ(GetActiveWindow(), dialog.handle());
    EXPECT_EQ(FocusId(), 301);
    InjectKeyPress(key::Enter);
  }});
  EXPECT_EQ(dialog.doModal(), command_id::Ok);
  EXPECT_FALSE(ownerEnabledInside);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetFocus(), field);
  EXPECT_EQ(GetActiveWindow(), owner);
  EXPECT_THAT(log().of({msg::KillFocus, msg::SetFocus}), ElementsAre("field:killfocus", "field:setfocus"));
  // The dialog is placed from the owner's client area.
  EXPECT_EQ(dialog.handle(), nullptr);
}

TEST_F(DialogManager, ADialogMayEndItselfInsideItsInitialisation) {
  const WindowHandle owner =
      CreateRecorder("owner", nullptr, style::Popup | style::Visible, Rect::FromSize(0, 0, 400, 300));
  FormDialog dialog(kInner, owner);
  dialog.atInit = [](FormDialog& d) { d.endDialog(42); };
  EXPECT_EQ(dialog.doModal(), 42);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_FALSE(backend_.starved());  // no loop ran
  // So may a dialog without an owner, before any window is shown.
  FormDialog orphan(kInner);
  orphan.atInit = [](FormDialog& d) { d.endDialog(3); };
  EXPECT_EQ(orphan.doModal(), 3);
  EXPECT_EQ(FormDialog(999).doModal(), -1);  // no such template
}

TEST_F(DialogManager, ANestedModalDialogEndedByAPostedQuitEndsTheOuterOneToo) {
  FormDialog outer;
  FormDialog inner(kInner);
  LResult innerResult = 0;
  bool innerRan = false;
  script({[&] {
            // Opens the inner dialog from inside a handler of the outer one.
            PostMessage(outer.handle(), msg::Command, CommandParam(400, 0));
          },
          [&] {
            innerRan = IsWindow(inner.handle());
            PostQuitMessage(5);
          }});
  outer.onCommand(400, [&] { innerResult = inner.doModal(); });
  EXPECT_EQ(outer.doModal(), -1);
  EXPECT_TRUE(innerRan);
  EXPECT_EQ(innerResult, -1);
  // The quit is still there for the program's own loop.
  Message message;
  EXPECT_FALSE(GetMessage(message));
  EXPECT_EQ(message.wParam, 5u);
  EXPECT_EQ(ChildWindows(nullptr).size(), 0u);
}

TEST_F(DialogManager, AModelessDialogNavigatesThroughThePreTranslationChain) {
  const WindowHandle owner =
      CreateRecorder("owner", nullptr, style::Popup | style::Visible, Rect::FromSize(0, 0, 400, 300));
  FormDialog dialog(kEntryForm, owner);
  ASSERT_TRUE(dialog.createModeless());
  EXPECT_FALSE(IsWindowVisible(dialog.handle()));  // its template is not visible
  ShowWindow(dialog.handle(), ShowCommand::Show);
  EXPECT_EQ(FocusId(), 101);
  EXPECT_TRUE(IsWindowEnabled(owner));
  InjectKeyPress(key::Tab);
  DispatchPendingMessages();
  EXPECT_EQ(FocusId(), 102);
  // Focus comes back to that control when the dialog is activated again.
  SetActiveWindow(owner);
  SetFocus(owner);
  SetActiveWindow(dialog.handle());
  EXPECT_EQ(FocusId(), 102);
  // EndDialog hides a modeless dialog; its object destroys it.
  dialog.endDialog(1);
  EXPECT_FALSE(IsWindowVisible(dialog.handle()));
}

TEST_F(DialogManager, ADialogWithoutAnObjectIsNavigatedByItsModalLoop) {
  const DialogTemplate* form = FindDialogTemplate(kEntryForm);
  ASSERT_NE(form, nullptr);
  script({press(key::Tab), press(key::Tab), [&] {
            focusAfter_.push_back(FocusId());
            EndDialog(GetActiveWindow(), 11);
          }});
  EXPECT_EQ(DialogBox(*form, nullptr), 11);
  EXPECT_EQ(focusAfter_, (std::vector<int>{101, 102, 110}));
}

TEST_F(DialogManager, DialogItemHelpersReadAndWriteControlsById) {
  FormDialog dialog;
  dialog.atInit = [](FormDialog& d) {
    const WindowHandle h = d.handle();
    EXPECT_TRUE(SetDialogItemInt(h, 102, -250));
    EXPECT_EQ(DialogItemText(h, 102), "-250");
    EXPECT_EQ(DialogItemInt(h, 102), -250);
    EXPECT_EQ(DialogItemInt(h, 102, false), std::nullopt);
    SetDialogItemText(h, 101, " 12 ");
    EXPECT_EQ(DialogItemInt(h, 101), 12);
    SetDialogItemText(h, 101, "12a");
    EXPECT_EQ(DialogItemInt(h, 101), std::nullopt);
    SetDialogItemText(h, 101, "4294967296");
    EXPECT_EQ(DialogItemInt(h, 101, false), std::nullopt);
    EXPECT_EQ(DialogItemInt(h, 999), std::nullopt);

    EXPECT_TRUE(CheckDialogButton(h, 120, button::Checked));
    EXPECT_EQ(DialogButtonCheck(h, 120), button::Checked);
    EXPECT_TRUE(CheckRadioButton(h, 110, 112, 111));
    EXPECT_EQ(DialogButtonCheck(h, 110), button::Unchecked);
    EXPECT_EQ(DialogButtonCheck(h, 111), button::Checked);
    EXPECT_EQ(SendDialogItemMessage(h, 112, button::GetCheck), 0);
    EXPECT_EQ(DialogItem(h, 4242), nullptr);
    d.endDialog(0);
  };
  dialog.doModal();
}

TEST_F(DialogManager, TheDialogFontGivesTheBaseUnitsAndControlsArePlacedInDialogUnits) {
  FormDialog dialog;
  dialog.atInit = [](FormDialog& d) {
    const WindowHandle h = d.handle();
    // 8 points at 96 dpi: a 13-pixel cell, 6 pixels a character.
    EXPECT_EQ(DialogBaseUnits(h), (Size{6, 13}));
    EXPECT_EQ(SystemDialogBaseUnits(), (Size{6, 13}));
    // Edit 101 at 50,7 sized 80 x 12 dialog units.
    EXPECT_EQ(WindowRectInParent(d.item(101)), (Rect{75, 11, 195, 31}));
    EXPECT_EQ(MapDialogRect(h, Rect::FromSize(0, 0, 4, 8)), (Rect{0, 0, 6, 13}));
    // The client area is the template's size (200 x 120 units).
    EXPECT_EQ(ClientRect(h), (Rect{0, 0, 300, 195}));
    EXPECT_EQ(WindowText(h), "Entry form");
    EXPECT_EQ(reinterpret_cast<FontHandle>(SendMessage(d.item(101), msg::GetFont)),
              reinterpret_cast<FontHandle>(SendMessage(h, msg::GetFont)));
    d.endDialog(0);
  };
  dialog.doModal();
}

TEST_F(DialogManager, DialogsAreCentredOnTheScreenOrOnAWindow) {
  FormDialog dialog(kNoDefault);
  dialog.atInit = [](FormDialog& d) {
    const Rect r = WindowRect(d.handle());
    EXPECT_EQ(r.left, (GetSystemMetric(SystemMetric::ScreenWidth) - r.width()) / 2);
    EXPECT_EQ(r.top, (GetSystemMetric(SystemMetric::ScreenHeight) - r.height()) / 2);
    const WindowHandle reference =
        CreateRecorder("ref", nullptr, style::Popup | style::Visible, Rect::FromSize(10, 20, 100, 50));
    CenterWindow(d.handle(), reference);
    const Rect centred = WindowRect(d.handle());
    EXPECT_EQ(centred.left, std::max(0, 10 + (100 - r.width()) / 2));
    EXPECT_EQ(centred.top, std::max(0, 20 + (50 - r.height()) / 2));
    DestroyWindow(reference);
    d.endDialog(0);
  };
  dialog.doModal();
}

}  // namespace
}  // namespace platform::ui
