// The gallery's date pickers, month calendar, licence text, tab control
// and property sheet, filled and in the states worth seeing.
#pragma once

#include "platform/ui/types.h"

namespace platform::ui::gallery {

// Fills the controls of the gallery dialog and makes its property sheet.
void OpenSheetControls(WindowHandle gallery);
// Lets go of what OpenSheetControls made (the gallery is gone).
void CloseSheetControls();

}  // namespace platform::ui::gallery
