// Owner-drawn items (owner_draw.h): the messages to the owner.
#include "owner_drawn_items.h"

#include "platform/ui/gdi.h"
#include "platform/ui/window.h"

namespace platform::ui::detail {

int MeasureOwnerDrawnItem(WindowHandle owner, MeasureItemInfo info, int fallback) {
  info.itemHeight = fallback;
  SendMessage(owner, msg::MeasureItem, static_cast<WParam>(info.controlId), reinterpret_cast<LParam>(&info));
  return info.itemHeight >= 1 && info.itemHeight <= 255 ? info.itemHeight : fallback;
}

bool DrawOwnerDrawnItem(WindowHandle owner, DrawItemInfo& info) {
  SaveDC(info.dc);
  const LResult drawn =
      SendMessage(owner, msg::DrawItem, static_cast<WParam>(info.controlId), reinterpret_cast<LParam>(&info));
  RestoreDC(info.dc);
  return drawn != 0;
}

void TellOwnerOfDeletedItem(WindowHandle owner, DeleteItemInfo& info) {
  SendMessage(owner, msg::DeleteItem, static_cast<WParam>(info.controlId), reinterpret_cast<LParam>(&info));
}

}  // namespace platform::ui::detail
