// The queue, the loops, registered messages, timers and message-filter
// hooks.
#include "platform/ui/message_loop.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "platform/ui/backend.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/window_object.h"
#include "windows/window_system.h"

namespace platform::ui {

using detail::WindowSystem;

namespace {

constexpr unsigned kMinimumTimerInterval = 10;

void Stamp(Message& message) {
  message.time = CurrentBackend().now();
  message.point = WindowSystem::Get().cursor;
}

// The due timer that has waited longest, if any.
bool TakeDueTimer(Message& message) {
  WindowSystem& system = WindowSystem::Get();
  const std::uint64_t now = CurrentBackend().now();
  detail::TimerRecord* due = nullptr;
  for (auto& timer : system.timers)
    if (timer.due <= now && (due == nullptr || timer.due < due->due)) due = &timer;
  if (due == nullptr) return false;
  due->due = now + due->interval;
  message = {};
  message.window = due->window;
  message.message = due->message;
  message.wParam = due->id;
  Stamp(message);
  return true;
}

std::optional<std::uint64_t> NextTimerDue() {
  std::optional<std::uint64_t> next;
  for (const auto& timer : WindowSystem::Get().timers)
    if (!next || timer.due < *next) next = timer.due;
  return next;
}

bool TakeNext(Message& message) {
  WindowSystem& system = WindowSystem::Get();
  if (!system.posted.empty()) {
    message = system.posted.front();
    system.posted.pop_front();
    Stamp(message);
    return true;
  }
  if (!system.characters.empty()) {
    const unsigned character = system.characters.front();
    system.characters.pop_front();
    detail::RetrieveCharacter(message, character);
    Stamp(message);
    return true;
  }
  while (!system.input.empty()) {
    if (detail::RetrieveInput(message)) {
      Stamp(message);
      return true;
    }
  }
  if (system.quitPending) {
    system.quitPending = false;
    message = {};
    message.message = msg::Quit;
    message.wParam = static_cast<WParam>(system.quitCode);
    Stamp(message);
    return true;
  }
  return TakeDueTimer(message);
}

unsigned AddTimer(WindowHandle window, unsigned id, unsigned intervalMs, MessageId kind) {
  if (!IsWindow(window) || id == 0) return 0;
  WindowSystem& system = WindowSystem::Get();
  const unsigned interval = std::max(intervalMs, kMinimumTimerInterval);
  const std::uint64_t due = CurrentBackend().now() + interval;
  for (auto& timer : system.timers) {
    if (timer.window == window && timer.id == id && timer.message == kind) {
      timer.interval = interval;
      timer.due = due;
      return id;
    }
  }
  system.timers.push_back({window, id, interval, due, kind});
  return id;
}

bool RemoveTimer(WindowHandle window, unsigned id, MessageId kind) {
  auto& timers = WindowSystem::Get().timers;
  const auto before = timers.size();
  timers.erase(std::remove_if(
                   timers.begin(), timers.end(),
                   [&](const detail::TimerRecord& t) { return t.window == window && t.id == id && t.message == kind; }),
               timers.end());
  return timers.size() != before;
}

class CurrentMessageScope {
 public:
  explicit CurrentMessageScope(const Message& message) { WindowSystem::Get().currentMessages.push_back(&message); }
  ~CurrentMessageScope() { WindowSystem::Get().currentMessages.pop_back(); }
  CurrentMessageScope(const CurrentMessageScope&) = delete;
  CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;
};

}  // namespace

bool PostMessage(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  if (!IsWindow(window)) return false;
  Message posted;
  posted.window = window;
  posted.message = message;
  posted.wParam = wParam;
  posted.lParam = lParam;
  WindowSystem::Get().posted.push_back(posted);
  return true;
}

void PostQuitMessage(int exitCode) {
  WindowSystem& system = WindowSystem::Get();
  system.quitPending = true;
  system.quitCode = exitCode;
}

bool IsQuitPending() { return WindowSystem::Get().quitPending; }

bool GetMessage(Message& message) {
  for (;;) {
    if (TakeNext(message)) return message.message != msg::Quit;
    detail::PaintWindowsOnScreen();
    if (!CurrentBackend().waitForInput(NextTimerDue())) {
      // Nothing can ever arrive: end the loop as a quit would.
      message = {};
      message.message = msg::Quit;
      message.wParam = static_cast<WParam>(-1);
      Stamp(message);
      return false;
    }
  }
}

bool PeekMessage(Message& message) { return TakeNext(message); }

LResult DispatchMessage(const Message& message) {
  if (!IsWindow(message.window)) return 0;
  CurrentMessageScope scope(message);
  return SendMessage(message.window, message.message, message.wParam, message.lParam);
}

const Message* CurrentMessage() {
  const auto& stack = WindowSystem::Get().currentMessages;
  return stack.empty() ? nullptr : stack.back();
}

void ProcessMessage(Message& message, int filterCode) { detail::ProcessMessageFor(message, filterCode, nullptr); }

bool RunMessageLoop(const std::function<bool()>& done, int filterCode) {
  return detail::RunLoopFor(done, filterCode, nullptr);
}

void DispatchPendingMessages() {
  Message message;
  while (PeekMessage(message)) {
    if (message.message == msg::Quit) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    ProcessMessage(message, filter_code::DialogBox);
  }
}

MessageId RegisterWindowMessage(std::string_view name) {
  if (name.empty()) return 0;
  WindowSystem& system = WindowSystem::Get();
  const std::string key = detail::UpperCase(name);
  auto it = system.registeredMessages.find(key);
  if (it != system.registeredMessages.end()) return it->second;
  if (system.nextRegistered > msg::LastRegistered) return 0;
  const MessageId id = system.nextRegistered++;
  system.registeredMessages.emplace(key, id);
  return id;
}

unsigned SetTimer(WindowHandle window, unsigned id, unsigned intervalMs) {
  return AddTimer(window, id, intervalMs, msg::Timer);
}

bool KillTimer(WindowHandle window, unsigned id) { return RemoveTimer(window, id, msg::Timer); }

int AddMessageFilterHook(MessageFilterHook hook) {
  if (!hook) return 0;
  WindowSystem& system = WindowSystem::Get();
  const int id = system.nextHookId++;
  system.hooks.emplace_back(id, std::move(hook));
  return id;
}

bool RemoveMessageFilterHook(int hookId) {
  auto& hooks = WindowSystem::Get().hooks;
  const auto before = hooks.size();
  hooks.erase(std::remove_if(hooks.begin(), hooks.end(), [&](const auto& h) { return h.first == hookId; }),
              hooks.end());
  return hooks.size() != before;
}

bool CallMessageFilter(Message& message, int code) {
  // A copy, so that a hook may add or remove hooks while it runs.
  const auto hooks = WindowSystem::Get().hooks;
  for (auto it = hooks.rbegin(); it != hooks.rend(); ++it)
    if (it->second(code, message)) return true;
  return false;
}

void SetApplicationMainWindow(WindowHandle window) { WindowSystem::Get().mainWindow = window; }

WindowHandle ApplicationMainWindow() {
  WindowSystem& system = WindowSystem::Get();
  if (!IsWindow(system.mainWindow)) system.mainWindow = nullptr;
  return system.mainWindow;
}

}  // namespace platform::ui

namespace platform::ui::detail {

void ProcessMessageFor(Message& message, int filterCode, WindowHandle dialog) {
  if (CallMessageFilter(message, filterCode)) return;
  if (PreTranslateChain(message)) return;
  if (dialog != nullptr && Window::FromHandle(dialog) == nullptr && IsDialogMessage(dialog, message)) return;
  TranslateMessage(message);
  DispatchMessage(message);
}

bool RunLoopFor(const std::function<bool()>& done, int filterCode, WindowHandle dialog) {
  while (!done()) {
    Message message;
    if (!GetMessage(message)) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    ProcessMessageFor(message, filterCode, dialog);
  }
  return true;
}

unsigned SetSystemTimer(WindowHandle window, unsigned id, unsigned intervalMs) {
  return AddTimer(window, id, intervalMs, msg::SystemTimer);
}

bool KillSystemTimer(WindowHandle window, unsigned id) { return RemoveTimer(window, id, msg::SystemTimer); }

}  // namespace platform::ui::detail
