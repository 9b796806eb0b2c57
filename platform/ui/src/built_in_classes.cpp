#include "window_system.h"

namespace platform::ui::detail {

void RegisterBuiltInClasses() {}

bool IsDialogWindow(WindowHandle) { return false; }

}  // namespace platform::ui::detail
