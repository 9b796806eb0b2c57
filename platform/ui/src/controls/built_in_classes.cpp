// The window classes every process has: the dialog class and the standard
// controls. They are registered when the window system starts, so that
// any code (the program, or a control library it loads) can create them.
#include "platform/ui/messages.h"
#include "windows/window_system.h"

namespace platform::ui::detail {

void RegisterBuiltInClasses() {
  RegisterDialogClass();
  RegisterButtonClass();
  RegisterStaticClass();
  RegisterEditClass();
  RegisterListBoxClass();
  RegisterComboBoxClass();
}

bool HandleFontMessage(ControlState& state, MessageId message, WParam wParam, LResult& result) {
  if (message == msg::SetFont) {
    state.font = reinterpret_cast<FontHandle>(wParam);
    result = 0;
    return true;
  }
  if (message == msg::GetFont) {
    result = HandleToParam(state.font);
    return true;
  }
  return false;
}

void NotifyParent(WindowHandle control, unsigned code) {
  const WindowHandle parent = ParentWindow(control);
  if (parent == nullptr) return;
  SendMessage(parent, msg::Command, CommandParam(WindowId(control), code), HandleToParam(control));
}

}  // namespace platform::ui::detail
