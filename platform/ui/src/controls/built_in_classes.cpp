// The window classes every process has: the dialog class and the built-in
// controls (built_in_controls.def), each registered from its descriptor
// when the window system starts, so that any code (the program, or a
// control library it loads) can create them.
#include "platform/ui/control_descriptor.h"
#include "platform/ui/messages.h"
#include "windows/window_system.h"

namespace platform::ui {

#define BUILT_IN_CONTROL(name) namespace name { extern const ControlDescriptor kDescriptor; }
#include "built_in_controls.def"
#undef BUILT_IN_CONTROL

namespace {

#define BUILT_IN_CONTROL(name) &name::kDescriptor,
const ControlDescriptor* const kBuiltInControls[] = {
#include "built_in_controls.def"
};
#undef BUILT_IN_CONTROL

}  // namespace

std::span<const ControlDescriptor* const> BuiltInControls() { return kBuiltInControls; }

const ControlDescriptor* FindBuiltInControl(std::string_view className) {
  for (const ControlDescriptor* control : kBuiltInControls)
    if (detail::EqualsIgnoringCase(control->className, className)) return control;
  return nullptr;
}

}  // namespace platform::ui

namespace platform::ui::detail {

void RegisterBuiltInClasses() {
  RegisterDialogClass();
  for (const ControlDescriptor* control : kBuiltInControls)
    if (RegisterWindowClass({control->className, control->procedure, control->classStyle, 0}))
      WindowSystem::Get().findClass(control->className)->descriptor = control;
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
