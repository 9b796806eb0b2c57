// The window classes every process has: the dialog class and the built-in
// controls (built_in_controls.def), each registered from its descriptor
// when the window system starts, so that any code (the program, or a
// control library it loads) can create them.
#include "platform/ui/control_descriptor.h"
#include "windows/window_system.h"

namespace platform::ui {

#define BUILT_IN_CONTROL(name)                \
  namespace name {                            \
  extern const ControlDescriptor kDescriptor; \
  }
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

}  // namespace platform::ui::detail
