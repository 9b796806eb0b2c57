// The window model: classes, creation and destruction, the tree and its
// z-order, subclassing, extra bytes, send and post, registered messages,
// timers, hooks and loops.
#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include "platform/ui/focus.h"
#include "platform/ui/headless.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/messages.h"
#include "platform/ui/window.h"
#include "platform/ui/window_object.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

using testing::CreateRecorder;
using ::testing::ElementsAre;
using testing::MessageLog;

class WindowModel : public testing::WindowSystemTest {};

const Rect kTopRect = Rect::FromSize(100, 100, 300, 200);

TEST_F(WindowModel, ClassesAreFoundWithoutRegardToCaseAndCannotGoWhileWindowsLive) {
  testing::RegisterRecorderClass();
  EXPECT_NE(FindWindowClass("RECORDER"), nullptr);
  EXPECT_FALSE(RegisterWindowClass({"recorder", &DefaultWindowProcedure, 0, 0}));
  EXPECT_FALSE(RegisterWindowClass({"", &DefaultWindowProcedure, 0, 0}));
  EXPECT_FALSE(RegisterWindowClass({"NoProcedure", nullptr, 0, 0}));

  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup, kTopRect);
  EXPECT_EQ(WindowClassName(top), "Recorder");
  EXPECT_TRUE(IsWindowOfClass(top, "rEcOrDeR"));
  EXPECT_FALSE(UnregisterWindowClass("Recorder"));
  DestroyWindow(top);
  EXPECT_TRUE(UnregisterWindowClass("RECORDER"));
  EXPECT_EQ(FindWindowClass("Recorder"), nullptr);
  EXPECT_EQ(CreateRecorder("again", nullptr, style::Popup, kTopRect) != nullptr, true);  // registered anew
}

TEST_F(WindowModel, CreationSendsNcCreateCreateSizeMoveThenShows) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup | style::Visible, kTopRect);
  ASSERT_NE(top, nullptr);
  EXPECT_THAT(log().of({msg::NcCreate, msg::Create, msg::Size, msg::Move, msg::ShowWindow}),
              ElementsAre("top:nccreate", "top:create", "top:size", "top:move", "top:show"));
  EXPECT_TRUE(IsWindowVisible(top));
  EXPECT_EQ(WindowText(top), "top");
  EXPECT_EQ(GetActiveWindow(), top);
}

TEST_F(WindowModel, ARefusedCreationLeavesNoWindow) {
  log().on("refuses", msg::NcCreate, [](WindowHandle, WParam, LParam) { return LResult{0}; });
  EXPECT_EQ(CreateRecorder("refuses", nullptr, style::Popup, kTopRect), nullptr);
  EXPECT_THAT(log().of({msg::NcCreate, msg::Create, msg::NcDestroy}),
              ElementsAre("refuses:nccreate", "refuses:ncdestroy"));

  log().clear();
  log().on("fails", msg::Create, [](WindowHandle, WParam, LParam) { return LResult{-1}; });
  EXPECT_EQ(CreateRecorder("fails", nullptr, style::Popup, kTopRect), nullptr);
  EXPECT_THAT(log().of({msg::Create, msg::Destroy, msg::NcDestroy}),
              ElementsAre("fails:create", "fails:destroy", "fails:ncdestroy"));
  EXPECT_TRUE(ChildWindows(nullptr).empty());

  // A child needs a parent.
  EXPECT_EQ(CreateRecorder("orphan", nullptr, style::Child, kTopRect), nullptr);
}

TEST_F(WindowModel, DestructionGoesParentFirstThenFreesChildrenFirstAndOwnedWindowsBefore) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup, kTopRect);
  const WindowHandle a = CreateRecorder("a", top, style::Child, Rect::FromSize(0, 0, 10, 10));
  CreateRecorder("a1", a, style::Child, Rect::FromSize(0, 0, 5, 5));
  const WindowHandle owned = CreateRecorder("owned", top, style::Popup, kTopRect);
  EXPECT_EQ(OwnerWindow(owned), top);
  EXPECT_EQ(ParentWindow(owned), nullptr);
  log().clear();

  EXPECT_TRUE(DestroyWindow(top));
  EXPECT_THAT(log().of({msg::Destroy, msg::NcDestroy}),
              ElementsAre("owned:destroy", "owned:ncdestroy", "top:destroy", "a:destroy", "a1:destroy", "a1:ncdestroy",
                          "a:ncdestroy", "top:ncdestroy"));
  EXPECT_FALSE(IsWindow(top));
  EXPECT_FALSE(IsWindow(a));
  EXPECT_FALSE(DestroyWindow(top));
  // A stale handle reaches nothing, and handles are not reused.
  EXPECT_EQ(SendMessage(top, msg::User), 0);
  const WindowHandle next = CreateRecorder("next", nullptr, style::Popup, kTopRect);
  EXPECT_NE(next, top);
  EXPECT_NE(next, a);
}

TEST_F(WindowModel, ChildrenKeepTheirOrderAndCanBeReordered) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup, kTopRect);
  const WindowHandle a = CreateRecorder("a", top, style::Child, {}, 1);
  const WindowHandle b = CreateRecorder("b", top, style::Child, {}, 2);
  const WindowHandle c = CreateRecorder("c", top, style::Child, {}, 3);
  EXPECT_EQ(ChildWindows(top), (std::vector<WindowHandle>{a, b, c}));
  EXPECT_EQ(RelatedWindow(top, Relation::FirstChild), a);
  EXPECT_EQ(RelatedWindow(a, Relation::Next), b);
  EXPECT_EQ(RelatedWindow(a, Relation::Previous), nullptr);
  EXPECT_EQ(RelatedWindow(b, Relation::Last), c);
  EXPECT_EQ(ChildWithId(top, 2), b);

  SetWindowPosition(c, a, {}, position::NoMove | position::NoSize);
  EXPECT_EQ(ChildWindows(top), (std::vector<WindowHandle>{a, c, b}));
  SetWindowPosition(a, InsertAtBottom, {}, position::NoMove | position::NoSize);
  EXPECT_EQ(ChildWindows(top), (std::vector<WindowHandle>{c, b, a}));
  SetWindowPosition(a, InsertAtTop, {}, position::NoMove | position::NoSize);
  EXPECT_EQ(ChildWindows(top), (std::vector<WindowHandle>{a, c, b}));
  // NoZOrder keeps the order while the window moves.
  SetWindowPosition(b, InsertAtTop, Rect::FromSize(5, 6, 7, 8), position::NoZOrder);
  EXPECT_EQ(ChildWindows(top), (std::vector<WindowHandle>{a, c, b}));
  EXPECT_EQ(WindowRectInParent(b), Rect::FromSize(5, 6, 7, 8));
}

TEST_F(WindowModel, ClientAreasAndCoordinatesFollowTheFrame) {
  const WindowHandle top =
      CreateRecorder("top", nullptr, style::Popup | style::Caption | style::VScroll, Rect::FromSize(100, 50, 200, 150));
  // Dialog frame 3 on each side, caption 18, vertical scroll bar 16.
  EXPECT_EQ(ClientRect(top), Rect::FromSize(0, 0, 200 - 6 - 16, 150 - 6 - 18));
  EXPECT_EQ(ClientToScreen(top, {0, 0}), (Point{103, 71}));
  const WindowHandle child = CreateRecorder("child", top, style::Child | style::Border, Rect::FromSize(10, 20, 30, 40));
  EXPECT_EQ(WindowRect(child), Rect::FromSize(113, 91, 30, 40));
  EXPECT_EQ(ClientRect(child), Rect::FromSize(0, 0, 28, 38));
  EXPECT_EQ(ScreenToClient(child, {114, 92}), (Point{0, 0}));

  log().clear();
  MoveWindow(child, Rect::FromSize(0, 0, 50, 40));
  EXPECT_THAT(log().of({msg::Move, msg::Size}), ElementsAre("child:move", "child:size"));
}

TEST_F(WindowModel, SubclassingReplacesTheProcedureAndCanCallThePreviousOne) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup, kTopRect);
  static WindowProcedure previous = nullptr;
  static int swallowed = 0;
  previous = SubclassWindow(top, [](WindowHandle w, MessageId m, WParam wp, LParam lp) -> LResult {
    if (m == msg::User) {
      ++swallowed;
      return 7;
    }
    return CallWindowProcedure(previous, w, m, wp, lp);
  });
  ASSERT_NE(previous, nullptr);
  log().clear();
  EXPECT_EQ(SendMessage(top, msg::User), 7);
  EXPECT_EQ(swallowed, 1);
  SetWindowText(top, "renamed");
  EXPECT_EQ(WindowText(top), "renamed");
  EXPECT_THAT(log().of({msg::User, msg::SetText}), ElementsAre("top:" + std::to_string(msg::SetText)));
}

TEST_F(WindowModel, ExtraBytesHoldPointerSizedValues) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup, kTopRect);
  int target = 0;
  const LParam pointer = reinterpret_cast<LParam>(&target);
  EXPECT_EQ(SetWindowExtra(top, 0, pointer), 0);
  EXPECT_EQ(WindowExtra(top, 0), pointer);
  EXPECT_EQ(SetWindowExtra(top, sizeof(LParam), -1), 0);
  EXPECT_EQ(WindowExtra(top, sizeof(LParam)), -1);
  // Outside the class's bytes nothing is stored.
  EXPECT_EQ(SetWindowExtra(top, 2 * sizeof(LParam), 5), 0);
  EXPECT_EQ(WindowExtra(top, 2 * sizeof(LParam)), 0);
  EXPECT_EQ(WindowExtra(top, -1), 0);
  EXPECT_EQ(WindowExtra(top, 1), pointer >> 8 == 0 ? 0 : WindowExtra(top, 1));  // unaligned reads are allowed
}

TEST_F(WindowModel, TextIsCutToTheCallersBuffer) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup, kTopRect);
  SetWindowText(top, "Rates and charges");
  char buffer[6];
  EXPECT_EQ(SendMessage(top, msg::GetText, sizeof buffer, reinterpret_cast<LParam>(buffer)), 5);
  EXPECT_STREQ(buffer, "Rates");
  EXPECT_EQ(SendMessage(top, msg::GetTextLength), 17);
  EXPECT_EQ(SendMessage(top, msg::GetText, 0, reinterpret_cast<LParam>(buffer)), 0);
  EXPECT_EQ(WindowText(nullptr), "");
}

TEST_F(WindowModel, PostedMessagesComeInOrderAndNeverToAGoneWindow) {
  const WindowHandle a = CreateRecorder("a", nullptr, style::Popup, kTopRect);
  const WindowHandle b = CreateRecorder("b", nullptr, style::Popup, kTopRect);
  log().clear();
  EXPECT_TRUE(PostMessage(a, msg::User, 1));
  EXPECT_TRUE(PostMessage(b, msg::User, 2));
  EXPECT_TRUE(PostMessage(a, msg::User, 3));
  EXPECT_TRUE(log().of({msg::User}).empty());  // nothing runs before a loop takes them
  DestroyWindow(b);
  DispatchPendingMessages();
  std::vector<WParam> delivered;
  for (const auto& entry : log().entries())
    if (entry.message == msg::User) delivered.push_back(entry.wParam);
  EXPECT_EQ(delivered, (std::vector<WParam>{1, 3}));
  EXPECT_FALSE(PostMessage(b, msg::User));
}

TEST_F(WindowModel, RegisteredMessagesShareANumberPerNameInAnyCase) {
  const MessageId special = RegisterWindowMessage("SpecialChar");
  EXPECT_GE(special, msg::FirstRegistered);
  EXPECT_LE(special, msg::LastRegistered);
  EXPECT_EQ(RegisterWindowMessage("SPECIALCHAR"), special);
  EXPECT_NE(RegisterWindowMessage("UpdateStatus"), special);
  EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

TEST_F(WindowModel, TimersFireOnTheClockAndRestartWhenSetAgain) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup, kTopRect);
  int fired = 0;
  log().on("top", msg::Timer, [&](WindowHandle w, WParam id, LParam) {
    EXPECT_EQ(id, 503u);
    if (++fired == 2) KillTimer(w, 503);
    return LResult{0};
  });
  EXPECT_EQ(SetTimer(top, 503, 2000), 503u);
  backend_.advanceClock(1000);
  EXPECT_EQ(SetTimer(top, 503, 2000), 503u);  // restarted: due 2000 ms from now
  backend_.advanceClock(1500);
  DispatchPendingMessages();
  EXPECT_EQ(fired, 0);
  // A loop with nothing else to do waits for the timer on the virtual clock.
  const std::uint64_t start = backend_.now();
  EXPECT_TRUE(RunMessageLoop([&] { return fired == 2; }, filter_code::DialogBox));
  EXPECT_EQ(backend_.now() - start, 500u + 2000u);
  EXPECT_FALSE(KillTimer(top, 503));
  EXPECT_EQ(SetTimer(nullptr, 1, 10), 0u);
  EXPECT_EQ(SetTimer(top, 0, 10), 0u);
}

TEST_F(WindowModel, FilterHooksSeeLoopMessagesNewestFirstAndMayTakeThem) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup, kTopRect);
  std::vector<std::string> calls;
  const int older = AddMessageFilterHook([&](int code, Message& m) {
    calls.push_back("older " + std::to_string(code) + " " + std::to_string(m.wParam));
    return false;
  });
  const int newer = AddMessageFilterHook([&](int, Message& m) {
    calls.push_back("newer " + std::to_string(m.wParam));
    return m.wParam == 2;  // takes this one
  });
  PostMessage(top, msg::User, 1);
  PostMessage(top, msg::User, 2);
  log().clear();
  DispatchPendingMessages();
  EXPECT_EQ(calls, (std::vector<std::string>{"newer 1", "older 0 1", "newer 2"}));
  EXPECT_EQ(log().of({msg::User}).size(), 1u);
  EXPECT_TRUE(RemoveMessageFilterHook(newer));
  EXPECT_TRUE(RemoveMessageFilterHook(older));
  EXPECT_FALSE(RemoveMessageFilterHook(older));
}

TEST_F(WindowModel, ALoopEndsOnAQuitAndPassesItOutward) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup, kTopRect);
  int depth = 0;
  bool innerEnded = false;
  log().on("top", msg::User, [&](WindowHandle, WParam, LParam) {
    ++depth;
    PostQuitMessage(9);
    innerEnded = !RunMessageLoop([] { return false; }, filter_code::DialogBox);
    return LResult{0};
  });
  PostMessage(top, msg::User);
  EXPECT_FALSE(RunMessageLoop([] { return false; }, filter_code::DialogBox));
  EXPECT_TRUE(innerEnded);
  EXPECT_EQ(depth, 1);
  // The quit is pending again for whoever runs the next loop.
  EXPECT_TRUE(IsQuitPending());
  Message message;
  EXPECT_FALSE(GetMessage(message));
  EXPECT_EQ(message.message, msg::Quit);
  EXPECT_EQ(message.wParam, 9u);
  EXPECT_FALSE(backend_.starved());
}

TEST_F(WindowModel, AHeadlessLoopWithNothingLeftToDoEndsInsteadOfHanging) {
  int steps = 0;
  backend_.whenIdle([&] { ++steps; });
  EXPECT_FALSE(RunMessageLoop([] { return false; }, filter_code::DialogBox));
  EXPECT_EQ(steps, 1);
  EXPECT_TRUE(backend_.starved());
}

// ---- window objects

class Counter : public Window {
 public:
  Counter() {
    messageMap().onCommand(100, [this] { commands.push_back(100); });
    messageMap().onNotification(200, 5, [this] { commands.push_back(205); });
    messageMap().onMessage(msg::User + 1, [](const Message& m) { return static_cast<LResult>(m.wParam * 2); });
  }
  using Window::messageMap;
  std::vector<int> commands;
  std::vector<std::string> events;
  bool takeKeys = false;
  bool preTranslateMessage(Message& m) override {
    events.push_back("pre " + std::to_string(m.message));
    return takeKeys && m.message == msg::KeyDown;
  }

 protected:
  void onKeyDown(const KeyEvent& e) override {
    events.push_back("key " + std::to_string(e.key));
    Window::onKeyDown(e);
  }
  void onClose() override { events.push_back("close refused"); }
  void postNcDestroy() override { events.push_back("gone"); }
};

TEST_F(WindowModel, ObjectsHandleTheirMapThenTypedEventsThenTheDefault) {
  testing::RegisterRecorderClass();
  Counter counter;
  WindowCreation creation;
  creation.className = testing::kRecorderClass;
  creation.text = "obj";
  creation.style = style::Popup;
  creation.rect = kTopRect;
  ASSERT_TRUE(counter.create(creation));
  EXPECT_EQ(Window::FromHandle(counter.handle()), &counter);
  EXPECT_EQ(log().of({msg::NcCreate}).size(), 1u);  // the class's procedure saw creation too

  counter.send(msg::Command, CommandParam(100, 0));
  counter.send(msg::Command, CommandParam(100, 1));  // an accelerator
  counter.send(msg::Command, CommandParam(200, 5));
  counter.send(msg::Command, CommandParam(200, 6));  // not in the map
  EXPECT_EQ(counter.commands, (std::vector<int>{100, 100, 205}));
  EXPECT_EQ(counter.send(msg::User + 1, 21), 42);
  counter.send(msg::Close);
  EXPECT_TRUE(IsWindow(counter.handle()));  // the handler did not pass it on
  counter.send(msg::KeyDown, 'A');
  EXPECT_EQ(counter.events, (std::vector<std::string>{"close refused", "key 65"}));
  EXPECT_EQ(log().of({msg::KeyDown}).size(), 1u);  // the default reached the class procedure
  counter.destroy();
  EXPECT_EQ(counter.handle(), nullptr);
  EXPECT_EQ(counter.events.back(), "gone");
}

TEST_F(WindowModel, TheObjectOfAWindowItCreatedTakesTheWindowWithIt) {
  WindowHandle created = nullptr;
  {
    Counter counter;
    testing::RegisterRecorderClass();
    WindowCreation creation;
    creation.className = testing::kRecorderClass;
    creation.text = "owned";
    creation.style = style::Popup;
    ASSERT_TRUE(counter.create(creation));
    created = counter.handle();
  }
  EXPECT_FALSE(IsWindow(created));
}

TEST_F(WindowModel, AnObjectGoingAwayHearsNothingOfItsWindowsDestruction) {
  // Its handlers may use members already destroyed; the messages of the
  // destruction go to the class's procedure instead.
  bool heard = false;
  {
    Counter counter;
    testing::RegisterRecorderClass();
    WindowCreation creation;
    creation.className = testing::kRecorderClass;
    creation.text = "dying";
    creation.style = style::Popup;
    ASSERT_TRUE(counter.create(creation));
    counter.messageMap().onMessage(msg::Destroy, [&](const Message&) {
      heard = true;
      return LResult{0};
    });
    log().clear();
  }
  EXPECT_FALSE(heard);
  EXPECT_THAT(log().of({msg::Destroy, msg::NcDestroy}), ElementsAre("dying:destroy", "dying:ncdestroy"));
}

TEST_F(WindowModel, ASubclassedWindowIsGivenBackWhenItsObjectGoes) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup, kTopRect);
  const WindowProcedure original = WindowProcedureOf(top);
  {
    Counter counter;
    ASSERT_TRUE(counter.subclass(top));
    EXPECT_FALSE(Counter().subclass(top));  // one object per window
    counter.send(msg::Command, CommandParam(100, 0));
    EXPECT_EQ(counter.commands.size(), 1u);
  }
  EXPECT_TRUE(IsWindow(top));
  EXPECT_EQ(WindowProcedureOf(top), original);
  EXPECT_EQ(Window::FromHandle(top), nullptr);
}

TEST_F(WindowModel, AnObjectThatLetsGoUnderAnotherSubclassKeepsTheChainWhole) {
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup, kTopRect);
  static WindowProcedure below = nullptr;
  {
    Counter counter;
    ASSERT_TRUE(counter.subclass(top));
    below = SubclassWindow(top, [](WindowHandle w, MessageId m, WParam wp, LParam lp) {
      return CallWindowProcedure(below, w, m, wp, lp);
    });
  }
  log().clear();
  SendMessage(top, msg::User + 1, 3);  // passes the former object's place to the class procedure
  EXPECT_EQ(log().of({msg::User + 1}).size(), 1u);
}

TEST_F(WindowModel, PreTranslationRunsFromTheTargetUpToItsTopLevelWindow) {
  Counter outer;
  Counter inner;
  const WindowHandle top = CreateRecorder("top", nullptr, style::Popup | style::Visible, kTopRect);
  const WindowHandle child = CreateRecorder("child", top, style::Child | style::Visible, Rect::FromSize(0, 0, 10, 10));
  ASSERT_TRUE(outer.subclass(top));
  ASSERT_TRUE(inner.subclass(child));
  PostMessage(child, msg::KeyDown, 'B');
  outer.takeKeys = true;
  DispatchPendingMessages();
  EXPECT_EQ(inner.events, (std::vector<std::string>{"pre 256"}));
  EXPECT_EQ(outer.events, (std::vector<std::string>{"pre 256"}));  // taken here: never dispatched
  EXPECT_TRUE(log().of({msg::KeyDown}).empty());
}

// Three classes in one C++ line of descent, the last reporting its
// grandparent as its base: the type test follows the records, not C++.
class Field : public EditWindow {
 public:
  static const RuntimeClass kRuntimeClass;
  const RuntimeClass& runtimeClass() const override { return kRuntimeClass; }
};
class NumberField : public Field {
 public:
  static const RuntimeClass kRuntimeClass;
  const RuntimeClass& runtimeClass() const override { return kRuntimeClass; }
};
const RuntimeClass Field::kRuntimeClass{"Field", &EditWindow::kRuntimeClass,
                                        [] { return static_cast<Window*>(new Field); }};
const RuntimeClass NumberField::kRuntimeClass{"NumberField", &EditWindow::kRuntimeClass, nullptr};

TEST_F(WindowModel, RuntimeClassRecordsNameTheBaseTheClassReports) {
  const Field field;
  const NumberField number;
  const Counter plain;
  struct Case {
    const Window& object;
    const RuntimeClass& record;
    bool kind;
  };
  const Case cases[] = {
      {field, Field::kRuntimeClass, true},        {field, EditWindow::kRuntimeClass, true},
      {field, Window::kRuntimeClass, true},       {number, NumberField::kRuntimeClass, true},
      {number, Field::kRuntimeClass, false},      {number, EditWindow::kRuntimeClass, true},
      {plain, EditWindow::kRuntimeClass, false},  {plain, Window::kRuntimeClass, true},
      {field, NumberField::kRuntimeClass, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.object.isKindOf(c.record), c.kind) << c.object.runtimeClass().name << " of " << c.record.name;
  const std::unique_ptr<Window> made = Field::kRuntimeClass.createObject();
  ASSERT_NE(made, nullptr);
  EXPECT_STREQ(made->runtimeClass().name, "Field");
  EXPECT_EQ(NumberField::kRuntimeClass.createObject(), nullptr);
}

}  // namespace
}  // namespace platform::ui
