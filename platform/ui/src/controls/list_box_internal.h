// What the combo box and the list box it drops down say to each other.
#pragma once

#include "platform/ui/types.h"

namespace platform::ui::detail {

// The list box is the drop-down list of the combo: it notifies the combo
// (whatever its styles), never activates, and reports the end of a mouse
// choice with the codes below.
void AttachListToCombo(WindowHandle list, WindowHandle combo);

// Notification codes the drop-down list sends its combo box.
inline constexpr unsigned kComboListChosen = 0x7F01;     // the button came up over an item
inline constexpr unsigned kComboListCancelled = 0x7F02;  // a press outside the list

}  // namespace platform::ui::detail
