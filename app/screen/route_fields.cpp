#include "screen/route_fields.h"

#include "dialogs/list_items.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/paint.h"
#include "platform/ui/window.h"
#include "screen/rating_dialog.h"

namespace qiv {

using namespace platform::ui;

namespace {
constexpr int kSentinelId = 0xFFFF;
}  // namespace

bool OriginZipField::validate() { return screen_.validateOrigin(text()); }

bool DestinationZipField::validate() { return screen_.verifyDestinationAndRate(text()); }

bool OriginPointCombo::attachItem(int id, WindowHandle dialog) {
  if (handle() != nullptr) return true;
  const WindowHandle item = ChildWithId(dialog, id);
  if (item == nullptr) return false;
  itemRect_ = ClientRect(item);
  return subclass(item);
}

std::string OriginPointCombo::selectedText() const {
  const int selected = static_cast<int>(send(combo_box::GetCurrentSelection));
  return selected < 0 ? std::string() : ComboLine(handle(), selected);
}

void OriginPointCombo::selectWholeText() const {
  send(combo_box::SetEditSelection, 0, static_cast<LParam>(MakeLong(0, 0xFFFF)));
}

bool OriginPointCombo::validate() { return screen_.verifyOriginFromCombo(selectedText()); }

void OriginPointCombo::onSetFocus(const FocusEvent&) {
  screen_.recordFocusedField(handle());
  screen_.updateCityLookup();
  SendUpdateStatus(session_);
  defaultProcedure();
  if (handle() == nullptr) return;
  InvalidateRect(handle());
  selectWholeText();
}

void OriginPointCombo::onKillFocus(const FocusEvent&) {
  defaultProcedure();
  if (handle() != nullptr) setText(text());
}

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
