// Focus, activation, capture, key state and the injected input: the order
// of focus messages, the key-down / character / key-up sequence, mouse
// activation and hit testing.
#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "platform/ui/focus.h"
#include "platform/ui/headless.h"
#include "platform/ui/input.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/messages.h"
#include "platform/ui/window.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

using testing::CreateRecorder;
using ::testing::ElementsAre;
using testing::MessageLog;

class FocusAndInput : public testing::WindowSystemTest {
 protected:
  void SetUp() override {
    WindowSystemTest::SetUp();
    top_ = CreateRecorder("top", nullptr, style::Popup | style::Visible, Rect::FromSize(100, 100, 300, 200));
    a_ = CreateRecorder("a", top_, style::Child | style::Visible, Rect::FromSize(10, 10, 100, 20), 1);
    b_ = CreateRecorder("b", top_, style::Child | style::Visible, Rect::FromSize(10, 40, 100, 20), 2);
    c_ = CreateRecorder("c", top_, style::Child | style::Visible, Rect::FromSize(10, 70, 100, 20), 3);
    SetFocus(a_);
    log().clear();
  }
  WindowHandle top_ = nullptr;
  WindowHandle a_ = nullptr;
  WindowHandle b_ = nullptr;
  WindowHandle c_ = nullptr;
};

// ---- focus

TEST_F(FocusAndInput, KillFocusGoesToTheOldWindowBeforeSetFocusToTheNew) {
  WindowHandle focusDuringKill = nullptr;
  log().on("a", msg::KillFocus, [&](WindowHandle, WParam gaining, LParam) {
    focusDuringKill = GetFocus();
    EXPECT_EQ(reinterpret_cast<WindowHandle>(gaining), b_);
    return LResult{0};
  });
  EXPECT_EQ(SetFocus(b_), a_);
  EXPECT_THAT(log().of({msg::KillFocus, msg::SetFocus}), ElementsAre("a:killfocus", "b:setfocus"));
  EXPECT_EQ(focusDuringKill, b_);  // GetFocus already names the new window
  EXPECT_EQ(GetFocus(), b_);
  EXPECT_EQ(log().entries().back().wParam, reinterpret_cast<WParam>(a_));  // set-focus names the loser
}

TEST_F(FocusAndInput, AFocusChangeMadeDuringKillFocusSupersedesTheOneUnderWay) {
  // The old window's handler puts the focus back on itself: the window that
  // was to gain the focus never hears of it.
  log().on("a", msg::KillFocus, [&](WindowHandle self, WParam, LParam) {
    SetFocus(self);
    return LResult{0};
  });
  SetFocus(b_);
  EXPECT_THAT(log().of({msg::KillFocus, msg::SetFocus}), ElementsAre("a:killfocus", "a:setfocus"));
  EXPECT_EQ(GetFocus(), a_);

  // Moving the focus elsewhere from inside kill-focus goes there instead.
  log().clear();
  log().on("a", msg::KillFocus, [&](WindowHandle, WParam, LParam) {
    SetFocus(c_);
    return LResult{0};
  });
  SetFocus(b_);
  EXPECT_THAT(log().of({msg::KillFocus, msg::SetFocus}), ElementsAre("a:killfocus", "c:setfocus"));
  EXPECT_EQ(GetFocus(), c_);
}

TEST_F(FocusAndInput, DisabledOrHiddenWindowsGiveUpTheFocusAndCannotTakeIt) {
  EnableWindow(b_, false);
  EXPECT_EQ(SetFocus(b_), nullptr);
  EXPECT_EQ(GetFocus(), a_);
  // Disabling the focused window moves the focus to its parent.
  EnableWindow(a_, false);
  EXPECT_EQ(GetFocus(), top_);
  EnableWindow(a_, true);
  SetFocus(a_);
  ShowWindow(a_, ShowCommand::Hide);
  EXPECT_EQ(GetFocus(), top_);
  // Destroying it too, without a message to the dead window.
  SetFocus(c_);
  log().clear();
  DestroyWindow(c_);
  EXPECT_EQ(GetFocus(), top_);
  EXPECT_THAT(log().of({msg::KillFocus, msg::SetFocus}), ElementsAre("c:killfocus", "top:setfocus"));
}

TEST_F(FocusAndInput, FocusInAnotherTopLevelWindowActivatesIt) {
  const WindowHandle other =
      CreateRecorder("other", nullptr, style::Popup | style::Visible, Rect::FromSize(0, 0, 50, 50));
  ASSERT_EQ(GetActiveWindow(), other);
  const WindowHandle inner =
      CreateRecorder("inner", other, style::Child | style::Visible, Rect::FromSize(0, 0, 10, 10));
  SetFocus(a_);
  log().clear();
  EXPECT_EQ(GetActiveWindow(), top_);
  SetFocus(inner);
  EXPECT_THAT(log().of({msg::KillFocus, msg::SetFocus, msg::Activate}),
              ElementsAre("a:killfocus", "inner:setfocus", "top:activate", "other:activate"));
  EXPECT_EQ(GetActiveWindow(), other);
}

// ---- keys

TEST_F(FocusAndInput, TheCharacterIsTranslatedAfterTheKeyDownHandlerAndGoesToTheNewFocus) {
  // The key-down handler moves the focus on Tab, as a field does.
  log().on("a", msg::KeyDown, [&](WindowHandle, WParam key, LParam) {
    if (key == key::Tab) SetFocus(b_);
    return LResult{0};
  });
  InjectKeyPress(key::Tab);
  run();
  EXPECT_THAT(log().of({msg::KeyDown, msg::Char, msg::KeyUp, msg::KillFocus, msg::SetFocus}),
              ElementsAre("a:keydown", "a:killfocus", "b:setfocus", "b:char", "b:keyup"));
  for (const auto& entry : log().entries()) {
    if (entry.message == msg::Char) {
      EXPECT_EQ(entry.wParam, WParam{'\t'});
    }
  }
}

TEST_F(FocusAndInput, KeyStateFollowsTheMessagesAsTheyAreRetrieved) {
  std::vector<bool> shiftDuringTab;
  log().on("a", msg::KeyDown, [&](WindowHandle, WParam key, LParam) {
    if (key == key::Tab) shiftDuringTab.push_back(IsKeyDown(key::Shift));
    return LResult{0};
  });
  InjectKeyPress(key::Tab, modifier::Shift);
  EXPECT_FALSE(IsKeyDown(key::Shift));  // injected, not yet retrieved
  run();
  InjectKeyPress(key::Tab);
  run();
  EXPECT_EQ(shiftDuringTab, (std::vector<bool>{true, false}));
  EXPECT_FALSE(IsKeyDown(key::Shift));
}

TEST_F(FocusAndInput, TextIsTypedKeyByKeyWithShiftWhereTheLayoutNeedsIt) {
  InjectText("aZ9$ .");
  run();
  std::string typed;
  for (const auto& entry : log().entries())
    if (entry.message == msg::Char && entry.window == "a") typed += static_cast<char>(entry.wParam);
  EXPECT_EQ(typed, "aZ9$ .");
  // Control with a letter types a control character; Alt makes system keys.
  log().clear();
  InjectKeyPress('C', modifier::Control);
  InjectKeyPress('F', modifier::Alt);
  run();
  std::vector<std::string> chars;
  for (const auto& entry : log().entries())
    if (entry.message == msg::Char || entry.message == msg::SysChar)
      chars.push_back(testing::MessageName(entry.message) + " " + std::to_string(entry.wParam));
  EXPECT_EQ(chars, (std::vector<std::string>{"char 3", "syschar 102"}));
}

TEST_F(FocusAndInput, WithoutAFocusKeysGoToTheActiveWindowAsSystemKeys) {
  SetFocus(nullptr);
  log().clear();
  InjectKeyPress('X');
  run();
  EXPECT_THAT(log().of({msg::KeyDown, msg::SysKeyDown, msg::SysChar}), ElementsAre("top:syskeydown", "top:syschar"));
}

// ---- characters typed by the desktop's keyboard layout

class DesktopLayout : public FocusAndInput {
 protected:
  void SetUp() override {
    FocusAndInput::SetUp();
    backend_.setTypesCharacters(true);
  }
  // "window:message wParam" for every key and character message.
  std::vector<std::string> keys() const {
    std::vector<std::string> result;
    for (const auto& entry : MessageLog::Get().entries())
      if (entry.message >= msg::KeyDown && entry.message <= msg::SysChar)
        result.push_back(entry.window + ":" + testing::MessageName(entry.message) + " " + std::to_string(entry.wParam));
    return result;
  }
};

TEST_F(DesktopLayout, TheDesktopsCharacterComesBetweenItsKeyDownAndKeyUp) {
  // A Spanish n-tilde key (typed after a dead key, which the desktop
  // resolved), then AltGr+E for the euro sign (0x80): AltGr holds Ctrl
  // and Alt, so the keys are not system keys and the euro is a character.
  InjectKeyDown(key::Semicolon);
  InjectCharacter(0xF1);
  InjectKeyUp(key::Semicolon);
  InjectKeyDown(key::Control);
  InjectKeyDown(key::Alt);
  InjectKeyDown('E');
  InjectCharacter(0x80);
  InjectKeyUp('E');
  InjectKeyUp(key::Alt);
  InjectKeyUp(key::Control);
  run();
  EXPECT_THAT(keys(), ElementsAre("a:keydown 186", "a:char 241", "a:keyup 186", "a:keydown 17", "a:keydown 18",
                                  "a:keydown 69", "a:char 128", "a:keyup 69", "a:keyup 18", "a:keyup 17"));
}

TEST_F(DesktopLayout, KeysTranslateOnlyToWhatTheDesktopsTextLeavesOut) {
  // A letter alone types nothing of its own (the desktop's character
  // comes separately); Tab, Enter, Backspace, Esc and Ctrl with a letter
  // are translated as before; with Alt, the desktop's character is a system
  // character.
  InjectKeyPress('Q');
  InjectKeyPress(key::Tab);
  InjectKeyPress(key::Enter);
  InjectKeyPress(key::Backspace);
  InjectKeyPress(key::Escape);
  InjectKeyPress('C', modifier::Control);
  InjectKeyDown(key::Alt);
  InjectKeyDown('F');
  InjectCharacter('f');
  InjectKeyUp('F');
  InjectKeyUp(key::Alt);
  run();
  std::vector<std::string> chars;
  for (const std::string& entry : keys())
    if (entry.find("char") != std::string::npos) chars.push_back(entry);
  EXPECT_THAT(chars, ElementsAre("a:char 9", "a:char 13", "a:char 8", "a:char 27", "a:char 3", "a:syschar 102"));
}

TEST_F(DesktopLayout, TheCharacterGoesToTheFocusOfTheMomentItIsRetrieved) {
  // A key-down handler that moves the focus takes the character with it, as
  // a translated one does.
  log().on("a", msg::KeyDown, [&](WindowHandle, WParam, LParam) {
    SetFocus(b_);
    return LResult{0};
  });
  InjectKeyDown('E');
  InjectCharacter(0xE9);
  InjectKeyUp('E');
  run();
  EXPECT_THAT(keys(), ElementsAre("a:keydown 69", "b:char 233", "b:keyup 69"));
  // Text typed through the input interface comes as the desktop gives it.
  log().clear();
  InjectText("Az\t");
  run();
  EXPECT_THAT(keys(), ElementsAre("b:keydown 16", "b:keydown 65", "b:char 65", "b:keyup 65", "b:keyup 16",
                                  "b:keydown 90", "b:char 122", "b:keyup 90", "b:keydown 9", "b:char 9", "b:keyup 9"));
}

// ---- mouse

TEST_F(FocusAndInput, MouseActivationGoesFromTheClickedChildUpToItsParentBeforeTheButtonDown) {
  InjectClick(b_, {5, 5});
  run();
  EXPECT_THAT(log().of({msg::MouseActivate, msg::LeftButtonDown, msg::LeftButtonUp}),
              ElementsAre("b:mouseactivate", "top:mouseactivate", "b:lbuttondown", "b:lbuttonup"));
}

TEST_F(FocusAndInput, AClickEatenAtMouseActivationNeverReachesTheWindow) {
  log().on("top", msg::MouseActivate, [](WindowHandle, WParam, LParam) { return mouse_activate::NoActivateAndEat; });
  InjectMouseButton(MouseButton::Left, true, ClientToScreen(b_, {5, 5}));
  run();
  EXPECT_THAT(log().of({msg::MouseActivate, msg::LeftButtonDown}), ElementsAre("b:mouseactivate", "top:mouseactivate"));
  EXPECT_EQ(GetFocus(), a_);
}

TEST_F(FocusAndInput, TheChildUnderAPointIsFoundWhenDisabledButTakesNoMouseInput) {
  EnableWindow(b_, false);
  const Point inB{15, 45};
  EXPECT_EQ(ChildWindowFromPoint(top_, inB), b_);
  EXPECT_EQ(ChildWindowFromPoint(top_, inB, child_from_point::SkipDisabled), top_);
  ShowWindow(c_, ShowCommand::Hide);
  EXPECT_EQ(ChildWindowFromPoint(top_, {15, 75}), c_);
  EXPECT_EQ(ChildWindowFromPoint(top_, {15, 75}, child_from_point::SkipInvisible), top_);
  EXPECT_EQ(ChildWindowFromPoint(top_, {-1, 0}), nullptr);
  // The click on the disabled child lands on its parent, which, though
  // active, first hears of the click's activation (and may eat it).
  EXPECT_EQ(WindowFromPoint(ClientToScreen(top_, inB)), top_);
  InjectClick(top_, inB);
  run();
  EXPECT_THAT(log().of({msg::MouseActivate, msg::LeftButtonDown}), ElementsAre("top:mouseactivate", "top:lbuttondown"));
  log().clear();
  log().on("top", msg::MouseActivate, [](WindowHandle, WParam, LParam) { return mouse_activate::NoActivateAndEat; });
  InjectClick(top_, inB);
  run();
  EXPECT_THAT(log().of({msg::MouseActivate, msg::LeftButtonDown}), ElementsAre("top:mouseactivate"));
  // A click on the active window itself, over no disabled control, is no activation.
  log().clear();
  InjectClick(top_, {200, 150});
  run();
  EXPECT_THAT(log().of({msg::MouseActivate, msg::LeftButtonDown}), ElementsAre("top:lbuttondown"));
}

TEST_F(FocusAndInput, TheCaptureTakesTheMouseWhereverItIs) {
  SetCapture(a_);
  InjectClick(top_, {200, 150});  // over no child
  run();
  EXPECT_THAT(log().of({msg::MouseMove, msg::LeftButtonDown, msg::LeftButtonUp, msg::MouseActivate}),
              ElementsAre("a:mousemove", "a:lbuttondown", "a:lbuttonup"));
  const auto& down = log().entries()[1];
  EXPECT_EQ(PointFromParam(down.lParam), (Point{190, 140}));  // a's client coordinates
  log().clear();
  SetCapture(b_);
  EXPECT_THAT(log().of({msg::CaptureChanged}), ElementsAre("a:capturechanged"));
  ReleaseCapture();
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FocusAndInput, TwoClicksInTimeAreADoubleClickOnlyForClassesThatAskForIt) {
  InjectDoubleClick(b_, {5, 5});
  run();
  EXPECT_TRUE(log().of({msg::LeftButtonDoubleClick}).empty());  // the recorder class has no double clicks
  EXPECT_EQ(log().of({msg::LeftButtonDown}).size(), 2u);
}

TEST_F(FocusAndInput, AWindowThatAskedHearsOnceThatTheMouseLeftIt) {
  const auto over = [&](WindowHandle window) {
    InjectMouseMove(ClientToScreen(window, {5, 5}));
    run();
  };
  over(a_);
  EXPECT_TRUE(TrackMouseLeave(a_));
  over(a_);
  over(b_);  // posted, it comes before the next move
  over(a_);
  over(c_);
  EXPECT_THAT(log().of({msg::MouseLeave}), ElementsAre("a:mouseleave"));
  // A press off the window counts as a move; asking for another window
  // tells the first at once.
  log().clear();
  TrackMouseLeave(c_);
  InjectMouseButton(MouseButton::Left, true, ClientToScreen(top_, {250, 150}));
  InjectMouseButton(MouseButton::Left, false, ClientToScreen(top_, {250, 150}));
  run();
  TrackMouseLeave(a_);
  TrackMouseLeave(b_);
  run();
  EXPECT_THAT(log().of({msg::MouseLeave}), ElementsAre("c:mouseleave", "a:mouseleave"));
  // So does the wheel turned with the cursor elsewhere.
  log().clear();
  InjectMouseWheel(ClientToScreen(a_, {5, 5}), kWheelDelta);
  run();
  EXPECT_THAT(log().of({msg::MouseLeave}), ElementsAre("b:mouseleave"));
  EXPECT_FALSE(TrackMouseLeave(nullptr));
}

}  // namespace
}  // namespace platform::ui
