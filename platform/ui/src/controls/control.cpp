// What every standard control is built on (see control.h): the messages
// decoded into the typed events, the paint, and the invalidation after a
// message.
#include "control.h"

#include <utility>

#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/paint.h"

namespace platform::ui::detail {

ControlPaint BeginControlPaint(WindowHandle window, FontHandle font) {
  ControlPaint paint;
  paint.dc = BeginPaint(window, paint.info);
  SelectFont(paint.dc, font ? font : DefaultGuiFont());
  paint.background = RequestControlColors(window, paint.dc);
  paint.client = ClientRect(window);
  paint.enabled = IsWindowEnabled(window);
  return paint;
}

void EndControlPaint(WindowHandle window, ControlPaint& paint) { EndPaint(window, paint.info); }

bool ChangesLook(WindowHandle window, MessageId message) {
  switch (message) {
    case msg::SetText:
    case msg::SetFont:
    case msg::Enable:
    case msg::SetFocus:
    case msg::KillFocus:
    case msg::KeyDown:
    case msg::KeyUp:
    case msg::Char:
    case msg::LeftButtonDown:
    case msg::LeftButtonUp:
    case msg::LeftButtonDoubleClick:
    case msg::CaptureChanged:
    case msg::SystemTimer:
    case msg::VScroll:
    case msg::HScroll: return true;
    case msg::MouseMove: return GetCapture() == window;
    default: return false;
  }
}

void NotifyParent(WindowHandle control, unsigned code) {
  const WindowHandle parent = ParentWindow(control);
  if (parent == nullptr) return;
  SendMessage(parent, msg::Command, CommandParam(WindowId(control), code), HandleToParam(control));
}

LResult Control::defaultProcedure() {
  const Message& m = *current_;
  result_ = DefaultWindowProcedure(window_, m.message, m.wParam, m.lParam);
  return result_;
}

LResult Control::forwardTo(WindowHandle other) {
  const Message& m = *current_;
  result_ = SendMessage(other, m.message, m.wParam, m.lParam);
  return result_;
}

LResult Control::handle(MessageId message, WParam wParam, LParam lParam) {
  Message m;
  m.window = window_;
  m.message = message;
  m.wParam = wParam;
  m.lParam = lParam;
  const Message* outerMessage = std::exchange(current_, &m);
  const LResult outerResult = std::exchange(result_, 0);
  const LResult result = dispatch(m);
  current_ = outerMessage;
  result_ = outerResult;
  if (alive() && (ChangesLook(window_, message) || changesLook(message))) invalidate();
  return result;
}

LResult Control::dispatch(const Message& m) {
  const auto mouse = [&m] { return MouseEvent{PointFromParam(m.lParam), m.wParam}; };
  const auto key = [&m](bool wasDown) { return KeyEvent{static_cast<VirtualKey>(m.wParam), wasDown, m.lParam}; };
  const bool repeat = (m.lParam & (LParam{1} << 30)) != 0;
  switch (m.message) {
    case msg::NcCreate: return onNcCreate(reinterpret_cast<const WindowCreation*>(m.lParam));
    case msg::Create: return onCreate();
    case msg::Destroy: onDestroy(); break;
    case msg::Size:
      onSize({static_cast<int>(LowWord(static_cast<WParam>(m.lParam))),
              static_cast<int>(HighWord(static_cast<WParam>(m.lParam)))});
      break;
    case msg::SetFont: onSetFont(reinterpret_cast<FontHandle>(m.wParam)); break;
    case msg::GetFont: return HandleToParam(font_);
    case msg::Enable: onEnable(m.wParam != 0); break;
    case msg::SetText: return onSetText(reinterpret_cast<const char*>(m.lParam));
    case msg::GetText: return onGetText(static_cast<std::size_t>(m.wParam), reinterpret_cast<char*>(m.lParam));
    case msg::GetTextLength: return onGetTextLength();
    case msg::GetDialogCode: return onGetDialogCode(reinterpret_cast<const Message*>(m.lParam));
    case msg::NcHitTest: return onHitTest(PointFromParam(m.lParam));
    case msg::MouseActivate:
      return onMouseActivate({reinterpret_cast<WindowHandle>(m.wParam),
                              static_cast<LResult>(static_cast<std::int16_t>(LowWord(static_cast<WParam>(m.lParam)))),
                              HighWord(static_cast<WParam>(m.lParam))});
    case msg::SetFocus: onSetFocus({reinterpret_cast<WindowHandle>(m.wParam)}); break;
    case msg::KillFocus: onKillFocus({reinterpret_cast<WindowHandle>(m.wParam)}); break;
    case msg::KeyDown: onKeyDown(key(repeat)); break;
    case msg::SysKeyDown: onSysKeyDown(key(repeat)); break;
    case msg::KeyUp: onKeyUp(key(true)); break;
    case msg::Char: onChar({static_cast<unsigned>(m.wParam), m.lParam}); break;
    case msg::LeftButtonDown: onLeftButtonDown(mouse()); break;
    case msg::LeftButtonDoubleClick: onLeftButtonDoubleClick(mouse()); break;
    case msg::LeftButtonUp: onLeftButtonUp(mouse()); break;
    case msg::MouseMove: onMouseMove(mouse()); break;
    case msg::MouseLeave: onMouseLeave(); break;
    case msg::CaptureChanged: onCaptureChanged(); break;
    case msg::SystemTimer: onSystemTimer({static_cast<unsigned>(m.wParam)}); break;
    case msg::VScroll: onVScroll(LowWord(m.wParam), static_cast<int>(HighWord(m.wParam))); break;
    case msg::Command: return onCommand(HandleFromParam<WindowHandle>(m.lParam), HighWord(m.wParam));
    case msg::Paint: {
      ControlPaint paint = BeginControlPaint(window_, font_);
      this->paint(paint);
      EndControlPaint(window_, paint);
      return 0;
    }
    default:
      if (std::optional<LResult> answer = onControlMessage(m.message, m.wParam, m.lParam)) return *answer;
      return defaultProcedure();
  }
  return result_;
}

}  // namespace platform::ui::detail
