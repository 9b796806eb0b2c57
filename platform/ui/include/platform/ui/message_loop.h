// The message queue and the loops that empty it. A retrieved message comes,
// in this order, from: the posted messages, the characters that key
// translation produced, the injected input (routed when it is retrieved:
// keys to the window that has the focus then, the mouse to the window under
// it or holding the capture), a pending quit, and due timers.
//
// Every loop treats a retrieved message the same way (ProcessMessage): the
// message-filter hooks, then the pre-translation chain of the window
// objects (window_object.h), then key translation and dispatch.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/ui/messages.h"
#include "platform/ui/types.h"

namespace platform::ui {

struct Message {
  WindowHandle window = nullptr;
  MessageId message = msg::Null;
  WParam wParam = 0;
  LParam lParam = 0;
  std::uint64_t time = 0;
  Point point;  // the cursor, in screen coordinates, when the message was retrieved
};

bool PostMessage(WindowHandle window, MessageId message, WParam wParam = 0, LParam lParam = 0);
// Asks every loop to end: once the queue holds nothing else, msg::Quit is
// retrieved with the exit code in wParam.
void PostQuitMessage(int exitCode);
bool IsQuitPending();

// Waits for a message. False when it is msg::Quit (or when the backend says
// that nothing can arrive any more; then msg::Quit carries exit code -1).
bool GetMessage(Message& message);
// Takes the next message without waiting; false when there is none.
bool PeekMessage(Message& message);
// For msg::KeyDown and msg::SysKeyDown of a key that types a character:
// queues the character, to be retrieved next by the window that has the
// focus at that time. True when a character was queued.
bool TranslateMessage(const Message& message);
LResult DispatchMessage(const Message& message);
// The message being processed by the innermost loop (null outside one).
const Message* CurrentMessage();

void ProcessMessage(Message& message, int filterCode);
// Runs a loop until done() holds (checked before each message). False when
// a quit ended it; the quit is then posted again so that outer loops end
// too.
bool RunMessageLoop(const std::function<bool()>& done, int filterCode);
// Processes everything that is pending, due timers included, without
// waiting.
void DispatchPendingMessages();

// A number for the name in msg::FirstRegistered..msg::LastRegistered; the
// same name (in any case) gives the same number. 0 for an empty name.
MessageId RegisterWindowMessage(std::string_view name);

// msg::Timer with the id in wParam, every interval (at least 10 ms) once the
// queue has nothing else; setting an existing id again restarts it. Returns
// the id, 0 for an invalid window or a zero id.
unsigned SetTimer(WindowHandle window, unsigned id, unsigned intervalMs);
bool KillTimer(WindowHandle window, unsigned id);

// A message-filter hook sees every message the modal loops retrieve, with
// the code of the loop (filter_code); returning true takes the message
// away. The newest hook is called first; hooks that return false pass the
// message on to the older ones.
using MessageFilterHook = std::function<bool(int code, Message& message)>;
int AddMessageFilterHook(MessageFilterHook hook);
bool RemoveMessageFilterHook(int hookId);
bool CallMessageFilter(Message& message, int code);

// The application's main window; its pre-translation gets a last chance at
// messages for other top-level windows while it is enabled.
void SetApplicationMainWindow(WindowHandle window);
WindowHandle ApplicationMainWindow();

}  // namespace platform::ui
