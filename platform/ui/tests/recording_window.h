// Test support: a window class whose procedure records every message it is
// sent (by window name) and can be given a handler per message.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/headless.h"
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
  void clear() { entries_.clear(); }
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
// A recorder window, named for the log.
WindowHandle CreateRecorder(const std::string& name, WindowHandle parent, StyleBits style, Rect rect, int id = 0);

}  // namespace platform::ui::testing
