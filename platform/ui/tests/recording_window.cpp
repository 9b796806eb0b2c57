#include "recording_window.h"

#include "platform/ui/focus.h"
#include "platform/ui/input.h"
#include "platform/ui/messages.h"
#include "platform/ui/notify.h"

namespace platform::ui::testing {

MessageLog& MessageLog::Get() {
  static MessageLog log;
  return log;
}

void MessageLog::reset() {
  entries_.clear();
  names_.clear();
  handlers_.clear();
}

std::string MessageLog::nameOf(WindowHandle window) const {
  auto it = names_.find(window);
  return it == names_.end() ? "?" : it->second;
}

void MessageLog::record(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  entries_.push_back({nameOf(window), message, wParam, lParam});
}

std::vector<std::string> MessageLog::of(std::initializer_list<MessageId> messages) const {
  std::vector<std::string> result;
  for (const LoggedMessage& entry : entries_)
    for (MessageId m : messages)
      if (entry.message == m) result.push_back(entry.window + ":" + MessageName(m));
  return result;
}

const MessageLog::Handler* MessageLog::handlerFor(WindowHandle window, MessageId message) const {
  auto it = handlers_.find({nameOf(window), message});
  return it == handlers_.end() ? nullptr : &it->second;
}

std::string MessageName(MessageId message) {
  switch (message) {
    case msg::Create: return "create";
    case msg::Destroy: return "destroy";
    case msg::Move: return "move";
    case msg::Size: return "size";
    case msg::Activate: return "activate";
    case msg::SetFocus: return "setfocus";
    case msg::KillFocus: return "killfocus";
    case msg::Enable: return "enable";
    case msg::ShowWindow: return "show";
    case msg::Paint: return "paint";
    case msg::EraseBackground: return "erase";
    case msg::CtlColorStatic: return "ctlcolorstatic";
    case msg::NcCreate: return "nccreate";
    case msg::NcDestroy: return "ncdestroy";
    case msg::MouseActivate: return "mouseactivate";
    case msg::KeyDown: return "keydown";
    case msg::KeyUp: return "keyup";
    case msg::Char: return "char";
    case msg::SysKeyDown: return "syskeydown";
    case msg::SysKeyUp: return "syskeyup";
    case msg::SysChar: return "syschar";
    case msg::Command: return "command";
    case msg::Timer: return "timer";
    case msg::LeftButtonDown: return "lbuttondown";
    case msg::LeftButtonUp: return "lbuttonup";
    case msg::LeftButtonDoubleClick: return "lbuttondblclk";
    case msg::MouseMove: return "mousemove";
    case msg::CaptureChanged: return "capturechanged";
    case msg::MouseLeave: return "mouseleave";
    case msg::User: return "user";
    default: return std::to_string(message);
  }
}

namespace {

LResult RecorderProcedure(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  MessageLog& log = MessageLog::Get();
  if (message == msg::NcCreate)  // the window is named by its text
    log.name(window, std::string(reinterpret_cast<const WindowCreation*>(lParam)->text));
  log.record(window, message, wParam, lParam);
  if (const MessageLog::Handler* handler = log.handlerFor(window, message)) return (*handler)(window, wParam, lParam);
  return DefaultWindowProcedure(window, message, wParam, lParam);
}

}  // namespace

void RegisterRecorderClass() {
  if (FindWindowClass(kRecorderClass) == nullptr)
    RegisterWindowClass({kRecorderClass, &RecorderProcedure, 0, static_cast<int>(2 * sizeof(LParam))});
}

WindowHandle CreateRecorder(const std::string& name, WindowHandle parent, StyleBits style, Rect rect, int id) {
  RegisterRecorderClass();
  WindowCreation creation;
  creation.className = kRecorderClass;
  creation.text = name;
  creation.style = style;
  creation.rect = rect;
  creation.parent = parent;
  creation.id = id;
  return CreateWindow(creation);
}

std::vector<unsigned> RecordingDialog::codesFrom(int id) const {
  std::vector<unsigned> codes;
  for (const Notice& notice : notices)
    if (notice.id == id) codes.push_back(notice.code);
  return codes;
}

void RecordingDialog::open() {
  ASSERT_TRUE(createModeless());
  ShowWindow(handle(), ShowCommand::Show);
}

LResult RecordingDialog::windowProcedure(const Message& message) {
  if (message.message == msg::Command)
    notices.push_back({static_cast<int>(LowWord(message.wParam)), HighWord(message.wParam)});
  if (message.message == msg::Notify && message.lParam != 0)
    notices.push_back({NotifyHeaderOf(message.lParam).id, NotifyHeaderOf(message.lParam).code});
  return Dialog::windowProcedure(message);
}

void ResetWindowSystem() {
  for (WindowHandle top : ChildWindows(nullptr)) DestroyWindow(top);
  ReleaseCapture();
  Message message;
  while (PeekMessage(message)) {}
  // Release every key and button still held.
  for (int code = 1; code < 256; ++code)
    if (IsKeyDown(static_cast<VirtualKey>(code))) InjectKeyUp(static_cast<VirtualKey>(code));
  InjectMouseButton(MouseButton::Left, false, {-1, -1});
  InjectMouseButton(MouseButton::Right, false, {-1, -1});
  InjectMouseButton(MouseButton::Middle, false, {-1, -1});
  while (PeekMessage(message)) {}
  SetApplicationMainWindow(nullptr);
}

void WindowSystemTest::SetUp() {
  ResetWindowSystem();
  MessageLog::Get().reset();
}

void WindowSystemTest::TearDown() { ResetWindowSystem(); }

}  // namespace platform::ui::testing
