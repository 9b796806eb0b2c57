// The gallery's second dialog: date pickers, a month calendar, a licence
// text, a tab control and a property sheet, filled and in the states worth
// seeing.
#pragma once

#include "platform/ui/types.h"

namespace platform::ui::gallery {

// Makes the second dialog, owned by the gallery, filled but not shown;
// null when it cannot be made.
WindowHandle OpenSecondDialog(WindowHandle gallery);
// Lets go of what OpenSecondDialog made (the dialog is gone with the
// gallery).
void CloseSecondDialog();

}  // namespace platform::ui::gallery
