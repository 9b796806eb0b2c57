// What every standard control is built on. A control is a class derived
// from Control: the state its window keeps, and small handlers its
// messages arrive at as the typed events of window_object.h. Its window
// procedure (the one its descriptor names) is Control::ProcedureOf<T>:
//
//   - the control's object is made at msg::NcCreate and freed with the
//     window (a window of another class gets the default procedure);
//   - each standard message goes to the handler named for it; a handler
//     the control does not override does what the default window
//     procedure does, and an override that wants that as well calls
//     defaultProcedure();
//   - the control's own messages (those of its header) and any other
//     message go to onControlMessage;
//   - msg::Paint opens the control's paint (its font selected, its
//     parent's colours asked for) and calls paint(), which draws every
//     bevel through StylePainter;
//   - after a message that may change how the control looks (ChangesLook,
//     or the control's changesLook) the control is invalidated.
//
// A handler may outlive its window (a notification can make the parent
// destroy the control): the object stays valid until the message is
// done, but after any call that sends a message, the handler checks
// alive() before it touches the window again.
#pragma once

#include <memory>
#include <optional>

#include "platform/ui/window_object.h"
#include "windows/window_system.h"

namespace platform::ui::detail {

// What a control's paint starts with: the paint context with the
// control's font selected and the colours its parent chose (paint.h) set
// on it, the background brush, and whether the control is enabled.
struct ControlPaint {
  PaintInfo info;
  DcHandle dc = nullptr;
  BrushHandle background = nullptr;
  Rect client;
  bool enabled = true;
};
ControlPaint BeginControlPaint(WindowHandle window, FontHandle font);
void EndControlPaint(WindowHandle window, ControlPaint& paint);

// True when the message may change how a control looks: focus, text,
// font, the enabled state, keys, clicks (mouse moves only while the
// control holds the capture).
bool ChangesLook(WindowHandle window, MessageId message);

// Sends the parent msg::Command with the control's id and the code.
void NotifyParent(WindowHandle control, unsigned code);

class Control : public ClassState {
 public:
  // The window procedure of the control class whose object is a T.
  template <class T>
  static LResult ProcedureOf(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
    WindowRecord* record = Find(window);
    if (record == nullptr) return DefaultWindowProcedure(window, message, wParam, lParam);
    if (message == msg::NcCreate && !record->classState) {
      auto made = std::make_shared<T>();
      made->window_ = window;
      record->classState = std::move(made);
    }
    // Held for the whole message, so that the object outlives a window
    // destroyed under it.
    const std::shared_ptr<T> control = std::dynamic_pointer_cast<T>(record->classState);
    if (!control) return DefaultWindowProcedure(window, message, wParam, lParam);
    return control->handle(message, wParam, lParam);
  }

  FontHandle font() const { return font_; }

 protected:
  WindowHandle window() const { return window_; }
  bool alive() const { return IsWindow(window_); }
  // The window's record; only while alive().
  WindowRecord& record() const { return *Find(window_); }
  StyleBits style() const { return WindowStyle(window_); }
  void notifyParent(unsigned code) const { NotifyParent(window_, code); }

  // The message being handled, to the default window procedure, or to
  // another window; its answer is the message's answer unless the handler
  // returns another.
  LResult defaultProcedure();
  LResult forwardTo(WindowHandle other);
  // The message being handled, as it came.
  const Message& message() const { return *current_; }

  // ---- creation and destruction, size, font, enabled state
  virtual LResult onNcCreate(const WindowCreation*) { return defaultProcedure(); }
  virtual LResult onCreate() { return defaultProcedure(); }  // -1 fails the creation
  virtual void onDestroy() { defaultProcedure(); }
  virtual void onSize(Size) { defaultProcedure(); }
  // Keeps the font (msg::GetFont answers it).
  virtual void onSetFont(FontHandle font) { font_ = font; }
  virtual void onEnable(bool) { defaultProcedure(); }

  // ---- text
  virtual LResult onSetText(const char*) { return defaultProcedure(); }
  virtual LResult onGetText(std::size_t, char*) { return defaultProcedure(); }
  virtual LResult onGetTextLength() { return defaultProcedure(); }

  // ---- the dialog manager and the mouse's way in
  virtual LResult onGetDialogCode(const Message*) { return defaultProcedure(); }
  virtual LResult onHitTest(Point) { return defaultProcedure(); }
  virtual LResult onMouseActivate(const MouseActivateEvent&) { return defaultProcedure(); }

  // ---- focus, keys, mouse, timers, scrolling
  virtual void onSetFocus(const FocusEvent&) { defaultProcedure(); }
  virtual void onKillFocus(const FocusEvent&) { defaultProcedure(); }
  virtual void onKeyDown(const KeyEvent&) { defaultProcedure(); }
  virtual void onSysKeyDown(const KeyEvent&) { defaultProcedure(); }
  virtual void onKeyUp(const KeyEvent&) { defaultProcedure(); }
  virtual void onChar(const CharEvent&) { defaultProcedure(); }
  virtual void onLeftButtonDown(const MouseEvent&) { defaultProcedure(); }
  // A double click is a press unless the control tells them apart.
  virtual void onLeftButtonDoubleClick(const MouseEvent& event) { onLeftButtonDown(event); }
  virtual void onLeftButtonUp(const MouseEvent&) { defaultProcedure(); }
  virtual void onMouseMove(const MouseEvent&) { defaultProcedure(); }
  // The mouse left the control after it asked TrackMouseLeave (input.h).
  virtual void onMouseLeave() { defaultProcedure(); }
  virtual void onCaptureChanged() { defaultProcedure(); }
  virtual void onSystemTimer(const TimerEvent&) { defaultProcedure(); }
  virtual void onVScroll(unsigned /*request*/, int /*position*/) { defaultProcedure(); }
  // msg::Command from a child of the control.
  virtual LResult onCommand(WindowHandle /*child*/, unsigned /*code*/) { return defaultProcedure(); }

  // The control's own messages, and any other the handlers above do not
  // take; nothing for the default procedure.
  virtual std::optional<LResult> onControlMessage(MessageId, WParam, LParam) { return std::nullopt; }

  // ---- its look
  virtual void paint(const ControlPaint& paint) = 0;
  // Whether the message, beyond those of ChangesLook, changes the look.
  virtual bool changesLook(MessageId) const { return false; }
  // Marks the control for painting after such a message.
  virtual void invalidate() { InvalidateRect(window_); }

 private:
  LResult handle(MessageId message, WParam wParam, LParam lParam);
  LResult dispatch(const Message& message);

  WindowHandle window_ = nullptr;
  FontHandle font_ = nullptr;
  const Message* current_ = nullptr;
  LResult result_ = 0;  // of the message being handled by a handler without an answer of its own
};

}  // namespace platform::ui::detail
