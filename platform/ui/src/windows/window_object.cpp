#include "platform/ui/window_object.h"

#include <utility>

#include "platform/ui/controls/edit.h"
#include "platform/ui/menu.h"
#include "windows/window_system.h"

namespace platform::ui {

using detail::Find;
using detail::WindowRecord;

// ---- CommandUpdate

void CommandUpdate::enable(bool enabled) {
  EnableMenuItem(menu_, id_, MenuLookup::ByCommand, enabled ? MenuItemState::Enabled : MenuItemState::Grayed);
}

void CommandUpdate::setCheck(bool checked) { CheckMenuItem(menu_, id_, MenuLookup::ByCommand, checked); }

// ---- MessageMap

void MessageMap::onMessage(MessageId message, Handler handler) {
  entries_.push_back({Entry::Kind::Message, message, 0, 0, 0, std::move(handler)});
}

void MessageMap::onCommand(int id, std::function<void()> handler) {
  entries_.push_back({Entry::Kind::Command, 0, id, id, 0, [h = std::move(handler)](const Message&) {
                        h();
                        return LResult{0};
                      }});
}

void MessageMap::onCommandRange(int first, int last, std::function<void(int)> handler) {
  entries_.push_back({Entry::Kind::Command, 0, first, last, 0, [h = std::move(handler)](const Message& m) {
                        h(static_cast<int>(LowWord(m.wParam)));
                        return LResult{0};
                      }});
}

void MessageMap::onNotification(int controlId, unsigned code, std::function<void()> handler) {
  entries_.push_back(
      {Entry::Kind::Notification, 0, controlId, controlId, code, [h = std::move(handler)](const Message&) {
         h();
         return LResult{0};
       }});
}

void MessageMap::onUpdateCommand(int id, std::function<void(CommandUpdate&)> handler) {
  updates_.emplace_back(id, std::move(handler));
}

std::optional<LResult> MessageMap::dispatch(const Message& message) const {
  const int id = static_cast<int>(LowWord(message.wParam));
  const unsigned code = HighWord(message.wParam);
  for (const Entry& entry : entries_) {
    switch (entry.kind) {
      case Entry::Kind::Message:
        if (entry.message == message.message) return entry.handler(message);
        break;
      case Entry::Kind::Command:
        if (message.message == msg::Command && code <= 1 && id >= entry.first && id <= entry.last)
          return entry.handler(message);
        break;
      case Entry::Kind::Notification:
        if (message.message == msg::Command && entry.first == id && entry.code == code) return entry.handler(message);
        break;
    }
  }
  return std::nullopt;
}

bool MessageMap::updateCommand(CommandUpdate& update) const {
  for (const auto& [id, handler] : updates_) {
    if (id == update.id()) {
      handler(update);
      return true;
    }
  }
  return false;
}

// ---- RuntimeClass

bool RuntimeClass::isDerivedFrom(const RuntimeClass& other) const {
  for (const RuntimeClass* at = this; at != nullptr; at = at->base)
    if (at == &other) return true;
  return false;
}

std::unique_ptr<Window> RuntimeClass::createObject() const {
  return create != nullptr ? std::unique_ptr<Window>(create()) : nullptr;
}

const RuntimeClass Window::kRuntimeClass{"Window", nullptr, nullptr};
const RuntimeClass EditWindow::kRuntimeClass{"EditWindow", &Window::kRuntimeClass, nullptr};

// ---- EditWindow

std::pair<int, int> EditWindow::selection() const {
  const auto both = static_cast<unsigned long>(send(edit::GetSelection));
  return {static_cast<int>(LowWord(both)), static_cast<int>(HighWord(both))};
}

void EditWindow::setSelection(int start, int end) const {
  send(edit::SetSelection, static_cast<WParam>(start), static_cast<LParam>(end));
}

void EditWindow::scrollCaret() const { send(edit::ScrollCaret); }

void EditWindow::limitText(int limit) const { send(edit::LimitText, static_cast<WParam>(limit)); }

// ---- Window

Window::Window() = default;

Window::~Window() {
  if (handle_ == nullptr) return;
  // The object lets go first: the messages of the window's destruction go
  // to the procedure below it, never to an object half destroyed.
  const bool owned = ownsWindow_;
  const WindowHandle window = detach();
  if (owned) DestroyWindow(window);
}

Window* Window::FromHandle(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record ? record->object : nullptr;
}

bool Window::create(const WindowCreation& creation) {
  if (handle_ != nullptr) return false;
  detail::WindowSystem::Get().objectForNextWindow = this;
  const WindowHandle window = CreateWindow(creation);
  detail::WindowSystem::Get().objectForNextWindow = nullptr;
  if (window == nullptr) return false;
  ownsWindow_ = true;
  return true;
}

bool Window::subclass(WindowHandle window) {
  WindowRecord* record = Find(window);
  if (handle_ != nullptr || record == nullptr || record->object != nullptr || record->destroying) return false;
  record->object = this;
  attached(window, std::exchange(record->procedure, &Window::ObjectProcedure));
  ownsWindow_ = false;
  return true;
}

WindowHandle Window::detach() {
  const WindowHandle window = handle_;
  WindowRecord* record = Find(window);
  if (record != nullptr && record->object == this) {
    if (record->procedure == &Window::ObjectProcedure)
      record->procedure = previous_;
    else
      record->detachedPrevious = previous_;
    record->object = nullptr;
  }
  released();
  return window;
}

bool Window::destroy() { return handle_ != nullptr && DestroyWindow(handle_); }

bool Window::preTranslateMessage(Message&) { return false; }

void Window::attached(WindowHandle window, WindowProcedure previous) {
  handle_ = window;
  previous_ = previous;
}

void Window::released() {
  handle_ = nullptr;
  previous_ = nullptr;
  ownsWindow_ = false;
}

LResult Window::ObjectProcedure(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return 0;
  if (record->object == nullptr) {
    // The object let go while another procedure was on top of it.
    return record->detachedPrevious ? record->detachedPrevious(window, message, wParam, lParam)
                                    : DefaultWindowProcedure(window, message, wParam, lParam);
  }
  Message m;
  m.window = window;
  m.message = message;
  m.wParam = wParam;
  m.lParam = lParam;
  if (const Message* retrieved = CurrentMessage();
      retrieved && retrieved->window == window && retrieved->message == message) {
    m.time = retrieved->time;
    m.point = retrieved->point;
  }
  return record->object->handle(m);
}

LResult Window::handle(const Message& message) {
  Frame frame{&message, 0};
  Frame* outer = std::exchange(frame_, &frame);
  const LResult result = windowProcedure(message);
  frame_ = outer;
  return result;
}

LResult Window::windowProcedure(const Message& message) {
  if (std::optional<LResult> handled = map_.dispatch(message)) return *handled;
  return dispatchTyped(message);
}

LResult Window::dispatchTyped(const Message& m) {
  frame_->result = 0;
  switch (m.message) {
    case msg::Destroy: onDestroy(); break;
    case msg::KeyDown:
      onKeyDown({static_cast<VirtualKey>(m.wParam), (m.lParam & (LParam{1} << 30)) != 0, m.lParam});
      break;
    case msg::KeyUp: onKeyUp({static_cast<VirtualKey>(m.wParam), true, m.lParam}); break;
    case msg::Char: onChar({static_cast<unsigned>(m.wParam), m.lParam}); break;
    case msg::SetFocus: onSetFocus({reinterpret_cast<WindowHandle>(m.wParam)}); break;
    case msg::KillFocus: onKillFocus({reinterpret_cast<WindowHandle>(m.wParam)}); break;
    case msg::MouseActivate:
      return onMouseActivate({reinterpret_cast<WindowHandle>(m.wParam),
                              static_cast<LResult>(static_cast<std::int16_t>(LowWord(static_cast<WParam>(m.lParam)))),
                              HighWord(static_cast<WParam>(m.lParam))});
    case msg::LeftButtonDown: onLeftButtonDown({PointFromParam(m.lParam), m.wParam}); break;
    case msg::LeftButtonUp: onLeftButtonUp({PointFromParam(m.lParam), m.wParam}); break;
    case msg::LeftButtonDoubleClick: onLeftButtonDoubleClick({PointFromParam(m.lParam), m.wParam}); break;
    case msg::MouseMove: onMouseMove({PointFromParam(m.lParam), m.wParam}); break;
    case msg::Timer: onTimer({static_cast<unsigned>(m.wParam)}); break;
    case msg::ShowWindow: onShowWindow(m.wParam != 0); break;
    case msg::Size:
      onSize({static_cast<int>(LowWord(static_cast<WParam>(m.lParam))),
              static_cast<int>(HighWord(static_cast<WParam>(m.lParam)))});
      break;
    case msg::Close: onClose(); break;
    case msg::GetDialogCode: return onGetDialogCode(reinterpret_cast<const Message*>(m.lParam));
    case msg::Help: return onHelp(*reinterpret_cast<const HelpInfo*>(m.lParam));
    case msg::InitMenuPopup:
      onInitMenuPopup(reinterpret_cast<MenuHandle>(m.wParam), static_cast<int>(LowWord(static_cast<WParam>(m.lParam))));
      break;
    default: return defaultProcedure();
  }
  return frame_->result;
}

LResult Window::defaultProcedure() {
  if (frame_ == nullptr) return 0;
  const Message& m = *frame_->message;
  frame_->result = callPrevious(m.message, m.wParam, m.lParam);
  return frame_->result;
}

LResult Window::callPrevious(MessageId message, WParam wParam, LParam lParam) {
  if (handle_ == nullptr) return 0;
  if (previous_ == nullptr) return DefaultWindowProcedure(handle_, message, wParam, lParam);
  return CallWindowProcedure(previous_, handle_, message, wParam, lParam);
}

void Window::setResult(LResult result) {
  if (frame_ != nullptr) frame_->result = result;
}

const Message* Window::currentMessage() const { return frame_ ? frame_->message : nullptr; }

void Window::onInitMenuPopup(MenuHandle menu, int) {
  const int count = MenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    const int command = MenuItemId(menu, position);
    if (command <= 0) continue;
    CommandUpdate update(menu, command);
    map_.updateCommand(update);
  }
  defaultProcedure();
}

}  // namespace platform::ui

namespace platform::ui::detail {

void AttachObjectAtCreation(Window* object, WindowHandle window) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return;
  record->object = object;
  object->attached(window, std::exchange(record->procedure, &Window::ObjectProcedure));
  object->ownsWindow_ = true;  // an object that was there from the start owns its window
}

void DetachObjectAtDestruction(Window* object) {
  object->released();
  object->postNcDestroy();
}

bool PreTranslateChain(Message& message) {
  if (!IsWindow(message.window)) return false;
  std::vector<WindowHandle> chain;
  for (WindowHandle at = message.window; at != nullptr; at = ParentWindow(at)) chain.push_back(at);
  for (WindowHandle at : chain) {
    Window* object = Window::FromHandle(at);
    if (object != nullptr && object->preTranslateMessage(message)) return true;
  }
  const WindowHandle main = ApplicationMainWindow();
  if (main != nullptr && chain.back() != main && IsWindowEnabled(main)) {
    Window* object = Window::FromHandle(main);
    if (object != nullptr && object->preTranslateMessage(message)) return true;
  }
  return false;
}

}  // namespace platform::ui::detail
