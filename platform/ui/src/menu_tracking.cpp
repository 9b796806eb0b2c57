#include "window_system.h"

namespace platform::ui::detail {

void TrackMenuBar(WindowHandle, int, bool) {}

}  // namespace platform::ui::detail
