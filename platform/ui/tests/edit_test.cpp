// The edit control: typing with a length limit, caret moves, selection,
// Backspace and Delete; the order of kill-focus, set-focus and the edit's
// notifications; subclassed fields that swallow characters or move the
// focus on a key-down; the multi-line read-only field.
#include "platform/ui/controls/edit.h"

#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

using ::testing::ElementsAre;

constexpr int kFields = 110;

class EditField : public testing::OpenDialogTest<> {
 protected:
  EditField() : OpenDialogTest(kFields) {}
  std::string text(int id) { return WindowText(item(id)); }
  std::pair<int, int> selection(int id) {
    int start = -1;
    int end = -1;
    SendMessage(item(id), edit::GetSelection, reinterpret_cast<WParam>(&start), reinterpret_cast<LParam>(&end));
    return {start, end};
  }
};

TEST_F(EditField, TypingStopsAtTheLimitAndEditsAtTheCaretAndTheSelection) {
  ASSERT_EQ(GetFocus(), item(501));
  SendMessage(item(501), edit::LimitText, 6);
  EXPECT_EQ(SendMessage(item(501), edit::GetLimitText), 6);
  type("abcdefgh");
  EXPECT_EQ(text(501), "abcdef");
  EXPECT_EQ(backend_.beeps().size(), 2u);  // g and h refused
  const auto codes = dialog_.codesFrom(501);
  EXPECT_EQ(std::count(codes.begin(), codes.end(), edit::MaxText), 2);
  EXPECT_EQ(std::count(codes.begin(), codes.end(), edit::Change), 6);

  press(key::Home);
  press(key::Right);
  press(key::Right);
  EXPECT_EQ(selection(501), (std::pair{2, 2}));
  press(key::Right, modifier::Shift);
  press(key::Right, modifier::Shift);
  EXPECT_EQ(selection(501), (std::pair{2, 4}));
  type("X");  // replaces "cd": one character fewer, so it fits
  EXPECT_EQ(text(501), "abXef");
  EXPECT_EQ(selection(501), (std::pair{3, 3}));
  type("YZ");  // Y fits, Z would go over the limit
  EXPECT_EQ(text(501), "abXYef");
  EXPECT_EQ(backend_.beeps().size(), 3u);

  press(key::Backspace);
  EXPECT_EQ(text(501), "abXef");
  press(key::Delete);
  EXPECT_EQ(text(501), "abXf");
  press(key::Left);
  press(key::Left, modifier::Shift);
  EXPECT_EQ(selection(501), (std::pair{1, 2}));
  press(key::Left);  // collapses to the selection's start
  EXPECT_EQ(selection(501), (std::pair{1, 1}));
  press(key::End, modifier::Shift);
  press(key::Delete);
  EXPECT_EQ(text(501), "a");
  press(key::Backspace);
  press(key::Backspace);  // nothing left: nothing happens
  EXPECT_EQ(text(501), "");
  EXPECT_EQ(backend_.beeps().size(), 3u);
}

TEST_F(EditField, SetTextIsNotLimitedAndReadOnlyFieldsRefuseTyping) {
  SendMessage(item(501), edit::LimitText, 3);
  SetWindowText(item(501), "0123456789");
  EXPECT_EQ(text(501), "0123456789");
  EXPECT_EQ(selection(501), (std::pair{0, 0}));
  EXPECT_EQ(dialog_.codesFrom(501), (std::vector<unsigned>{edit::Update, edit::Change}));

  SendMessage(item(501), edit::SetReadOnly, 1);
  press(key::End);
  type("x");
  press(key::Backspace);
  EXPECT_EQ(text(501), "0123456789");
  EXPECT_EQ(backend_.beeps().size(), 2u);
  // EM_SETSEL with -1: to the end, or no selection.
  SendMessage(item(501), edit::SetSelection, 4, -1);
  EXPECT_EQ(selection(501), (std::pair{4, 10}));
  SendMessage(item(501), edit::SetSelection, static_cast<WParam>(-1), 0);
  EXPECT_EQ(selection(501), (std::pair{10, 10}));
  SendMessage(item(501), edit::SetSelection, 2, 99);
  EXPECT_EQ(selection(501), (std::pair{2, 10}));
}

TEST_F(EditField, TabSelectsTheWholeTextOfTheFieldItReaches) {
  SetWindowText(item(502), "Toronto");
  press(key::Tab);
  EXPECT_EQ(GetFocus(), item(502));
  EXPECT_EQ(selection(502), (std::pair{0, 7}));
  type("M");
  EXPECT_EQ(text(502), "M");
}

TEST_F(EditField, AClickPutsTheCaretAndADragSelects) {
  SetWindowText(item(502), "abcdef");
  // 6 pixels a character: x = 13 is nearest to the boundary after "ab".
  InjectMouseButton(MouseButton::Left, true, ClientToScreen(item(502), {13, 5}));
  run();
  EXPECT_EQ(GetFocus(), item(502));
  EXPECT_EQ(selection(502), (std::pair{2, 2}));
  InjectMouseMove(ClientToScreen(item(502), {31, 5}));
  InjectMouseButton(MouseButton::Left, false, ClientToScreen(item(502), {31, 5}));
  run();
  EXPECT_EQ(selection(502), (std::pair{2, 5}));
  EXPECT_EQ(GetCapture(), nullptr);
}

// The order in which the windows and the dialog hear of a focus change.
std::vector<std::string> gEvents;
WindowProcedure gPrevious501 = nullptr;
WindowProcedure gPrevious502 = nullptr;

LResult Logging501(WindowHandle w, MessageId m, WParam wp, LParam lp) {
  if (m == msg::KillFocus) gEvents.push_back("501 kill-focus");
  if (m == msg::SetFocus) gEvents.push_back("501 set-focus");
  return CallWindowProcedure(gPrevious501, w, m, wp, lp);
}
LResult Logging502(WindowHandle w, MessageId m, WParam wp, LParam lp) {
  if (m == msg::KillFocus) gEvents.push_back("502 kill-focus");
  if (m == msg::SetFocus) gEvents.push_back("502 set-focus");
  return CallWindowProcedure(gPrevious502, w, m, wp, lp);
}

TEST_F(EditField, KillFocusAndItsNotificationComeBeforeTheNewFieldHearsOfTheFocus) {
  gEvents.clear();
  gPrevious501 = SubclassWindow(item(501), &Logging501);
  gPrevious502 = SubclassWindow(item(502), &Logging502);
  WindowHandle focusDuringNotification = nullptr;
  dialog_.messageMap().onNotification(501, edit::KillFocusNotify, [&] {
    gEvents.push_back("dialog: 501 lost the focus");
    focusDuringNotification = GetFocus();
  });
  dialog_.messageMap().onNotification(502, edit::SetFocusNotify,
                                      [] { gEvents.push_back("dialog: 502 has the focus"); });
  press(key::Tab);
  EXPECT_THAT(gEvents, ElementsAre("501 kill-focus", "dialog: 501 lost the focus", "502 set-focus",
                                   "dialog: 502 has the focus"));
  EXPECT_EQ(focusDuringNotification, item(502));
}

WindowProcedure gPreviousDigits = nullptr;
LResult SwallowDigits(WindowHandle w, MessageId m, WParam wp, LParam lp) {
  if (m == msg::Char && wp >= '0' && wp <= '9') return 0;
  return CallWindowProcedure(gPreviousDigits, w, m, wp, lp);
}

TEST_F(EditField, ASubclassedFieldSwallowsTheCharactersItRefuses) {
  gPreviousDigits = SubclassWindow(item(501), &SwallowDigits);
  type("a1b2c3");
  EXPECT_EQ(text(501), "abc");
  EXPECT_TRUE(backend_.beeps().empty());
}

// A field as the program's fields are: it translates and dispatches its
// own keys (the dialog never sees them), moves the focus on Tab itself,
// and swallows Tab and Enter characters.
class MovingField : public Window {
 public:
  WindowHandle next = nullptr;
  std::vector<unsigned> characters;
  bool preTranslateMessage(Message& message) override {
    if (message.message < msg::KeyDown || message.message > msg::Char) return false;
    TranslateMessage(message);
    DispatchMessage(message);
    return true;
  }

 protected:
  void onKeyDown(const KeyEvent& event) override {
    if (event.key == key::Tab && next != nullptr) {
      SetFocus(next);
      return;
    }
    Window::onKeyDown(event);
  }
  void onChar(const CharEvent& event) override {
    characters.push_back(event.character);
    if (event.character == '\t' || event.character == '\r') return;
    Window::onChar(event);
  }
};

TEST_F(EditField, TheTabCharacterArrivesAtTheNextFieldAfterTheKeyDownHandlerMovedTheFocus) {
  MovingField first;
  MovingField second;
  ASSERT_TRUE(first.subclass(item(501)));
  ASSERT_TRUE(second.subclass(item(502)));
  first.next = item(502);
  type("a");
  press(key::Tab);
  EXPECT_EQ(GetFocus(), item(502));
  EXPECT_EQ(first.characters, (std::vector<unsigned>{'a'}));
  EXPECT_EQ(second.characters, (std::vector<unsigned>{'\t'}));  // swallowed there
  EXPECT_EQ(text(502), "");
  type("b");
  EXPECT_EQ(text(502), "b");
}

TEST_F(EditField, AMultiLineReadOnlyFieldCountsAndScrollsItsLines) {
  const WindowHandle notes = item(504);
  SetWindowText(notes, "one\r\ntwo\nthree\r\nfour\nfive\nsix\nseven");
  EXPECT_EQ(SendMessage(notes, edit::GetLineCount), 7);
  EXPECT_EQ(SendMessage(notes, edit::GetFirstVisibleLine), 0);
  EXPECT_EQ(SendMessage(notes, edit::LineScroll, 0, 2), 1);
  EXPECT_EQ(SendMessage(notes, edit::GetFirstVisibleLine), 2);
  SetFocus(notes);
  press(key::Down);
  EXPECT_EQ(SendMessage(notes, edit::GetFirstVisibleLine), 3);
  press(key::Up);
  press(key::Up);
  EXPECT_EQ(SendMessage(notes, edit::GetFirstVisibleLine), 1);
  type("x");
  EXPECT_EQ(backend_.beeps().size(), 1u);
  EXPECT_EQ(text(504), "one\r\ntwo\nthree\r\nfour\nfive\nsix\nseven");
  // Enter and Tab in it still work the dialog.
  press(key::Tab);
  EXPECT_EQ(GetFocus(), item(1));
}

}  // namespace
}  // namespace platform::ui
