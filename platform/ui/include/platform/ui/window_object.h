// The class library over the window model: an object attached to a window
// receives its messages through a virtual windowProcedure, which looks in
// the object's message map, then calls the typed event handlers below (each
// handed a small event object), and passes the rest to the procedure the
// window had before (defaultProcedure). A handler that wants the default
// behaviour as well calls the base class's handler or defaultProcedure().
//
// An object either creates its window (and destroys it when the object
// goes) or subclasses an existing one (and gives it back when it goes).
//
// The pre-translation chain: before a retrieved message is translated and
// dispatched, the objects of the target window and of each of its parents
// up to the top-level window are offered it (preTranslateMessage); the
// application's main window gets a last chance at messages for other
// top-level windows while it is enabled (never under one of its modal
// dialogs, which disable it).
//
// Run-time class records: every object reports a record (runtimeClass)
// that names its class and the record of its base, for the class
// library's type test (isKindOf) and for creating an object from its
// record. A record names the base the class reports, which need not be
// its C++ base: a class may name an ancestor further up on purpose, so
// that the type test for its C++ base is false for it.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/keys.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/messages.h"
#include "platform/ui/window.h"

namespace platform::ui {

class Window;

struct RuntimeClass {
  const char* name;
  const RuntimeClass* base;  // null for the root record
  Window* (*create)();       // null: not dynamically creatable
  // This record or one of the bases it names is `other`.
  bool isDerivedFrom(const RuntimeClass& other) const;
  // A new object of the class; null when the class is not creatable.
  std::unique_ptr<Window> createObject() const;
};

namespace detail {
void AttachObjectAtCreation(Window* object, WindowHandle window);
void DetachObjectAtDestruction(Window* object);
}  // namespace detail

struct KeyEvent {
  VirtualKey key = 0;
  bool wasDown = false;  // an auto-repeat
  LParam bits = 0;       // the message's lParam
};

struct CharEvent {
  unsigned character = 0;
  LParam bits = 0;
};

struct FocusEvent {
  WindowHandle other = nullptr;  // the window gaining (kill) or losing (set) the focus
};

struct MouseEvent {
  Point point;  // client coordinates
  WParam keys = 0;
};

struct MouseActivateEvent {
  WindowHandle topLevel = nullptr;
  LResult hitTest = 0;
  MessageId mouseMessage = 0;
};

struct TimerEvent {
  unsigned id = 0;
};

// An update-command request for one menu item (see MessageMap).
class CommandUpdate {
 public:
  CommandUpdate(MenuHandle menu, int id) : menu_(menu), id_(id) {}
  int id() const { return id_; }
  void enable(bool enabled);
  void setCheck(bool checked);

 private:
  MenuHandle menu_;
  int id_;
};

// Handlers by message, by command id and by control notification. The
// first matching entry wins; commands are msg::Command with notification
// code 0 (a menu item or a button click) or 1 (an accelerator).
class MessageMap {
 public:
  using Handler = std::function<LResult(const Message&)>;
  void onMessage(MessageId message, Handler handler);
  void onCommand(int id, std::function<void()> handler);
  void onCommandRange(int first, int last, std::function<void(int id)> handler);
  void onNotification(int controlId, unsigned code, std::function<void()> handler);
  // Runs when a pop-up menu holding the command opens.
  void onUpdateCommand(int id, std::function<void(CommandUpdate&)> handler);

  std::optional<LResult> dispatch(const Message& message) const;
  bool updateCommand(CommandUpdate& update) const;

 private:
  struct Entry {
    enum class Kind { Message, Command, Notification } kind;
    MessageId message = 0;
    int first = 0;
    int last = 0;
    unsigned code = 0;
    Handler handler;
  };
  std::vector<Entry> entries_;
  std::vector<std::pair<int, std::function<void(CommandUpdate&)>>> updates_;
};

class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  WindowHandle handle() const { return handle_; }
  // The object attached to the window, or null.
  static Window* FromHandle(WindowHandle window);

  // The record of the root class, "Window".
  static const RuntimeClass kRuntimeClass;
  virtual const RuntimeClass& runtimeClass() const { return kRuntimeClass; }
  bool isKindOf(const RuntimeClass& record) const { return runtimeClass().isDerivedFrom(record); }

  // Creates a window with this object attached from its first message on;
  // the window goes when the object does.
  bool create(const WindowCreation& creation);
  // Attaches this object to an existing window; it is given back when the
  // object goes. False when the window is invalid or already has an object.
  bool subclass(WindowHandle window);
  // Lets go of the window (its previous procedure is put back) and returns
  // it.
  WindowHandle detach();
  bool destroy();

  // Offered every retrieved message for this window or its children; true
  // takes the message.
  virtual bool preTranslateMessage(Message& message);

  LResult send(MessageId message, WParam wParam = 0, LParam lParam = 0) const {
    return SendMessage(handle_, message, wParam, lParam);
  }
  int id() const { return WindowId(handle_); }
  std::string text() const { return WindowText(handle_); }
  void setText(std::string_view text) const { SetWindowText(handle_, text); }

 protected:
  virtual LResult windowProcedure(const Message& message);
  // The message being handled, given to the previous procedure; its answer
  // becomes the answer to the message unless the handler sets another.
  LResult defaultProcedure();
  // Another message given to the previous procedure.
  LResult callPrevious(MessageId message, WParam wParam, LParam lParam);
  void setResult(LResult result);
  const Message* currentMessage() const;
  MessageMap& messageMap() { return map_; }
  const MessageMap& messageMap() const { return map_; }
  // Called after the window is gone (msg::NcDestroy has been handled).
  virtual void postNcDestroy() {}
  // The typed event handlers below, for a message the map did not take.
  LResult dispatchTyped(const Message& message);

  virtual void onDestroy() { defaultProcedure(); }
  virtual void onKeyDown(const KeyEvent&) { defaultProcedure(); }
  virtual void onKeyUp(const KeyEvent&) { defaultProcedure(); }
  virtual void onChar(const CharEvent&) { defaultProcedure(); }
  virtual void onSetFocus(const FocusEvent&) { defaultProcedure(); }
  virtual void onKillFocus(const FocusEvent&) { defaultProcedure(); }
  virtual LResult onMouseActivate(const MouseActivateEvent&) { return defaultProcedure(); }
  virtual void onLeftButtonDown(const MouseEvent&) { defaultProcedure(); }
  virtual void onLeftButtonUp(const MouseEvent&) { defaultProcedure(); }
  virtual void onLeftButtonDoubleClick(const MouseEvent&) { defaultProcedure(); }
  virtual void onMouseMove(const MouseEvent&) { defaultProcedure(); }
  virtual void onTimer(const TimerEvent&) { defaultProcedure(); }
  virtual void onShowWindow(bool) { defaultProcedure(); }
  virtual void onSize(Size) { defaultProcedure(); }
  virtual void onClose() { defaultProcedure(); }
  virtual LResult onGetDialogCode(const Message*) { return defaultProcedure(); }
  virtual LResult onHelp(const HelpInfo&) { return defaultProcedure(); }
  // Runs the message map's update-command handlers for the pop-up's items.
  virtual void onInitMenuPopup(MenuHandle menu, int position);

 private:
  struct Frame {
    const Message* message;
    LResult result;
  };
  static LResult ObjectProcedure(WindowHandle window, MessageId message, WParam wParam, LParam lParam);
  LResult handle(const Message& message);
  void attached(WindowHandle window, WindowProcedure previous);
  void released();

  WindowHandle handle_ = nullptr;
  WindowProcedure previous_ = nullptr;
  bool ownsWindow_ = false;
  Frame* frame_ = nullptr;
  MessageMap map_;

  friend void detail::AttachObjectAtCreation(Window*, WindowHandle);
  friend void detail::DetachObjectAtDestruction(Window*);
};

// The class library's object for an edit control ("EditWindow", base
// "Window"): its selection, its text limit and its caret's place.
class EditWindow : public Window {
 public:
  static const RuntimeClass kRuntimeClass;
  const RuntimeClass& runtimeClass() const override { return kRuntimeClass; }

  // The selection's start and end (the caret at the end).
  std::pair<int, int> selection() const;
  void setSelection(int start, int end) const;
  void selectAll() const { setSelection(0, -1); }
  void scrollCaret() const;
  void limitText(int limit) const;
};

}  // namespace platform::ui
