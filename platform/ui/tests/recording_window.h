// Test support: a window class whose procedure records every message it is
// sent (by window name) and can be given a handler per message.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/dialog_object.h"
#include "platform/ui/headless.h"
#include "platform/ui/input.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/window.h"

namespace platform::ui::testing {

inline constexpr const char* kRecorderClass = "Recorder";

struct LoggedMessage {
  std::string window;
  MessageId message;
  WParam wParam;
  LParam lParam;
};

class MessageLog {
 public:
  static MessageLog& Get();
  void name(WindowHandle window, std::string name) { names_[window] = std::move(name); }
  std::string nameOf(WindowHandle window) const;
  void record(WindowHandle window, MessageId message, WParam wParam, LParam lParam);
  // Forgets the entries (handlers stay).
  void clear() { entries_.clear(); }
  // Forgets entries, names and handlers.
  void reset();
  const std::vector<LoggedMessage>& entries() const { return entries_; }
  // "window:message" for each entry whose message is in the list, in order.
  std::vector<std::string> of(std::initializer_list<MessageId> messages) const;

  // A handler for the message to the named window; its answer is returned
  // instead of the default.
  using Handler = std::function<LResult(WindowHandle, WParam, LParam)>;
  void on(const std::string& window, MessageId message, Handler handler) { handlers_[{window, message}] = handler; }
  const Handler* handlerFor(WindowHandle window, MessageId message) const;

 private:
  std::map<WindowHandle, std::string> names_;
  std::vector<LoggedMessage> entries_;
  std::map<std::pair<std::string, MessageId>, Handler> handlers_;
};

std::string MessageName(MessageId message);

void RegisterRecorderClass();

// A dialog that records every command and notification it receives, and
// every notice (msg::Notify, by the sender's id and the code), and then
// handles it as any dialog does.
class RecordingDialog : public Dialog {
 public:
  using Dialog::Dialog;
  struct Notice {
    int id;
    unsigned code;
    friend bool operator==(const Notice&, const Notice&) = default;
  };
  std::vector<Notice> notices;
  // The codes received from one control, in order.
  std::vector<unsigned> codesFrom(int id) const;
  void clear() { notices.clear(); }
  // Makes the dialog modeless and shows it.
  void open();
  using Dialog::messageMap;

 protected:
  LResult windowProcedure(const Message& message) override;
};

// Puts the window system back to an empty desktop between tests: every
// top-level window destroyed, the queues drained, the key state released.
void ResetWindowSystem();

// A fixture base that starts each test on an empty desktop with a headless
// backend and an empty log.
class WindowSystemTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  MessageLog& log() { return MessageLog::Get(); }
  // Runs the steps one by one, each when a loop is idle.
  void whenIdle(std::initializer_list<std::function<void()>> steps) {
    for (const auto& step : steps) backend_.whenIdle(step);
  }
  // Processes the injected input and everything else that is pending.
  void run() { DispatchPendingMessages(); }
  void press(VirtualKey key, unsigned modifiers = 0) {
    InjectKeyPress(key, modifiers);
    run();
  }
  void type(std::string_view text) {
    InjectText(text);
    run();
  }
  ScopedHeadlessBackend backend_;
};
// A recorder window, named for the log.
WindowHandle CreateRecorder(const std::string& name, WindowHandle parent, StyleBits style, Rect rect, int id = 0);

// A fixture with a modeless dialog of the template open (the focus where
// its initialisation put it) and its notices so far forgotten.
template <class DialogClass = RecordingDialog>
class OpenDialogTest : public WindowSystemTest {
 protected:
  explicit OpenDialogTest(int templateId) : dialog_(templateId) {}
  void SetUp() override {
    WindowSystemTest::SetUp();
    dialog_.open();
    dialog_.clear();
  }
  WindowHandle item(int id) { return dialog_.item(id); }
  DialogClass dialog_;
};

}  // namespace platform::ui::testing
