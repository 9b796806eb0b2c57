// Asking the owner of an owner-drawn list box, combo box or tab control to
// measure, draw and let go of items (owner_draw.h).
#pragma once

#include "platform/ui/owner_draw.h"

namespace platform::ui::detail {

// The height the owner gives the item; `fallback` when it gives none (or
// one outside 1..255).
int MeasureOwnerDrawnItem(WindowHandle owner, MeasureItemInfo info, int fallback);
// The owner draws the item; the context's state is put back afterwards.
// True when the owner answers that it drew it (non-zero).
bool DrawOwnerDrawnItem(WindowHandle owner, DrawItemInfo& info);
void TellOwnerOfDeletedItem(WindowHandle owner, DeleteItemInfo& info);

}  // namespace platform::ui::detail
