#include "screen/route_fields.h"

#include "platform/ui/controls/static_control.h"
#include "platform/ui/window.h"
#include "screen/rating_dialog.h"

namespace qiv {

using namespace platform::ui;

namespace {
constexpr int kSentinelId = 0xFFFF;
}  // namespace

bool OriginZipField::validate() { return screen_.validateOrigin(text()); }

bool DestinationZipField::validate() { return screen_.verifyDestinationAndRate(text()); }

bool FocusSentinel::createAfter(WindowHandle parent, WindowHandle after) {
  WindowCreation creation;
  creation.className = static_control::kClassName;
  creation.style = style::Child | style::Visible | style::TabStop;
  creation.rect = Rect::FromSize(0, 0, 1, 1);
  creation.parent = parent;
  creation.id = kSentinelId;
  if (!create(creation)) return false;
  if (after != nullptr) SetWindowPosition(handle(), after, {}, position::NoMove | position::NoSize);
  return true;
}

void FocusSentinel::onSetFocus(const FocusEvent&) {
  defaultProcedure();
  if (onFocus_) onFocus_();
}

}  // namespace qiv
