// A click away from the field that has the focus: the field is checked
// first, and the click passes, is eaten, or moves the focus on by the
// table of the route entry, by which field has the focus and what was
// clicked. A pending focus-forward window takes the focus on to its
// partner instead.
#include <algorithm>
#include <initializer_list>

#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/window.h"
#include "screen/rating_dialog.h"

namespace qiv {

using namespace platform::ui;

namespace {

constexpr LResult kPass = mouse_activate::Activate;
constexpr LResult kEat = mouse_activate::NoActivateAndEat;

// The option fields of the screen.
constexpr int kOptionFields[] = {screen_id::ShipmentId,     screen_id::Discount,         screen_id::Floor,
                                 screen_id::LtlSurcharge,   screen_id::TlSurcharge,      screen_id::Accessorial,
                                 screen_id::SingleShipment, screen_id::IntrastateNotice, screen_id::McDiscount};
// What a click passes to while the origin has the focus: the route, the
// lists, the picker, the SCAC, and two windows of the frame.
constexpr int kOriginPasses[] = {screen_id::OriginField,
                                 screen_id::OriginCombo,
                                 screen_id::TariffList,
                                 screen_id::Scac,
                                 screen_id::DatePicker,
                                 screen_id::LineList,
                                 screen_id::ProfileCombo,
                                 32777,
                                 57670};

bool In(int id, std::initializer_list<int> ids) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }
template <std::size_t N>
bool In(int id, const int (&ids)[N]) {
  return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}
bool Reachable(WindowHandle window) { return window != nullptr && IsWindowEnabled(window) && IsWindowVisible(window); }

}  // namespace

WindowHandle RatingDialog::childAtCursor() const {
  return ChildWindowFromPoint(handle(), ScreenToClient(handle(), CursorPosition()));
}

int RatingDialog::controlIdAtCursor() const { return controlIdOf(childAtCursor()); }

int RatingDialog::controlIdOf(WindowHandle window) const {
  if (originIsCombo_ && window != nullptr && ParentWindow(window) == originCombo_.handle())
    return screen_id::OriginCombo;
  return WindowId(window);
}

LResult RatingDialog::onMouseActivate(const MouseActivateEvent&) { return onClickAway(); }

LResult RatingDialog::onClickAway() {
  if (!session().context) return kPass;
  const WindowHandle focus = GetFocus();
  const WindowHandle clicked = childAtCursor();
  if (focus == nullptr || clicked == nullptr || clicked == handle() || WindowId(clicked) == screen_id::Toolbar)
    return kPass;
  if (focusForwardWindow_ != nullptr) {
    auto* field = dynamic_cast<CCaptionEdit*>(Window::FromHandle(focus));
    if (field == nullptr || field->validate()) followFocusForward();
    return kEat;
  }
  // A hidden control under the cursor is no control for the table.
  const int clickedId = IsWindowVisible(clicked) ? controlIdOf(clicked) : 0;
  const bool onOrigin =
      focus == originField_.handle() || (originIsCombo_ && controlIdOf(focus) == screen_id::OriginCombo);
  if (onOrigin) return clickAwayFromOrigin(clicked, clickedId);
  if (focus == destinationField_.handle()) return clickAwayFromDestination(clicked, clickedId);
  if (focus == classField_.handle() || focus == weightField_.handle())
    return clickAwayFromLine(focus, clicked, clickedId);
  if (In(WindowId(focus), kOptionFields)) return clickAwayFromOption(focus, clicked, clickedId);
  return kPass;
}

bool RatingDialog::validateFocused(WindowHandle focus) {
  auto* field = dynamic_cast<CCaptionEdit*>(Window::FromHandle(focus));
  return field == nullptr || field->validate();
}

bool RatingDialog::validateRoute() {
  const bool origin = originIsCombo_ ? originCombo_.validate() : originField_.validate();
  return origin && !released_ && destinationField_.validate();
}

void RatingDialog::reachViaSentinel(WindowHandle target) {
  tabStopSentinel_.partner = target;
  SetFocus(tabStopSentinel_.handle());
}

// "SpecialChar"(1), then the route checked: the target reached through the
// sentinel, or the entry reset.
LResult RatingDialog::leaveRouteFor(WindowHandle target) {
  SendMessage(handle(), session().specialCharMessage, 1, 0);
  if (released_) return kEat;
  if (validateRoute() && !released_) {
    reachViaSentinel(target);
  } else if (!released_) {
    SendMessage(handle(), session().specialCharMessage, 27, 0);
  }
  return kEat;
}

// The line entry's field a click on the class or weight field reaches.
WindowHandle RatingDialog::lineEntryField() {
  const bool constant = session().context->shortAt(fields::kConstantClassInUse) != 0;
  CCaptionEdit& field = constant ? static_cast<CCaptionEdit&>(weightField_) : static_cast<CCaptionEdit&>(classField_);
  EnableWindow(field.handle(), true);
  ShowWindow(field.handle(), ShowCommand::Show);
  return field.handle();
}

LResult RatingDialog::clickAwayFromOrigin(WindowHandle clicked, int clickedId) {
  if (In(clickedId, kOriginPasses)) return kPass;
  if (clickedId == screen_id::DestinationField) {
    const bool origin = originIsCombo_ ? originCombo_.validate() : originField_.validate();
    if (origin && !released_) SetFocus(destinationField_.handle());
    return kEat;
  }
  if (In(clickedId, kOptionFields)) return Reachable(clicked) ? leaveRouteFor(clicked) : kEat;
  if (In(clickedId, {screen_id::ClassField, screen_id::WeightField})) {
    SendMessage(handle(), session().specialCharMessage, 1, 0);
    if (released_) return kEat;
    if (validateRoute() && !released_)
      reachViaSentinel(lineEntryField());
    else if (!released_)
      SendMessage(handle(), session().specialCharMessage, 27, 0);
    return kEat;
  }
  return kEat;
}

LResult RatingDialog::clickAwayFromDestination(WindowHandle clicked, int clickedId) {
  if (In(clickedId, {screen_id::TariffList, screen_id::DatePicker, screen_id::ProfileCombo})) return kPass;
  if (clickedId == screen_id::OriginField) {
    if (destinationField_.validate() && !released_) SetFocus(originField_.handle());
    return kEat;
  }
  if (In(clickedId, {screen_id::DestinationField, screen_id::OriginCombo, screen_id::Scac})) return kPass;
  if (In(clickedId, {screen_id::ClassField, screen_id::WeightField, screen_id::LineList})) {
    SendMessage(handle(), session().specialCharMessage, 1, 0);
    if (!released_ && validateRoute() && !released_) reachViaSentinel(lineEntryField());
    return kEat;
  }
  if (In(clickedId, kOptionFields)) return Reachable(clicked) ? leaveRouteFor(clicked) : kEat;
  return kEat;
}

// Back to the route from an option or line field: the field checked, the
// shipment rated again, the focus to the clicked route field.
LResult RatingDialog::backToRoute(WindowHandle focus, WindowHandle clicked) {
  if (validateFocused(focus) && !released_) {
    keyHandled_ = false;
    reRate_ = true;
    displayRates();
    SetFocus(clicked);
  }
  return kEat;
}

LResult RatingDialog::clickAwayFromOption(WindowHandle focus, WindowHandle clicked, int clickedId) {
  if (In(clickedId, {screen_id::OriginField, screen_id::DestinationField, screen_id::OriginCombo}))
    return backToRoute(focus, clicked);
  if (clickedId == screen_id::Scac) {
    if (!Reachable(clicked)) return kPass;
    createFocusForwardWindow(clicked, focus);
    SetFocus(clicked);
    return kEat;
  }
  if (In(clickedId, kOptionFields) || In(clickedId, {screen_id::ClassField, screen_id::WeightField})) {
    if (!validateFocused(focus)) return kPass;
    if (!released_) SetFocus(clicked);
    return kEat;
  }
  return kPass;
}

LResult RatingDialog::clickAwayFromLine(WindowHandle focus, WindowHandle clicked, int clickedId) {
  if (In(clickedId, {screen_id::OriginField, screen_id::DestinationField, screen_id::OriginCombo}))
    return backToRoute(focus, clicked);
  if (In(clickedId, {screen_id::TariffList, screen_id::DatePicker, screen_id::LineList, screen_id::ProfileCombo}))
    return kPass;
  if (In(clickedId, kOptionFields) || clickedId == screen_id::Scac) {
    if (Reachable(clicked)) {
      createFocusForwardWindow(clicked, focus);
      SetFocus(clicked);
    }
    return kEat;
  }
  const bool constant = session().context->shortAt(fields::kConstantClassInUse) != 0;
  const bool fromClass = focus == classField_.handle();
  const bool enabled = IsWindowEnabled(clicked);
  auto forward = [&] {
    createFocusForwardWindow(clicked, focus);
    SetFocus(clicked);
    return kEat;
  };
  if (clickedId == screen_id::ClassField && fromClass) {
    // The same field: a disabled one stays shut.
    if (!enabled) return kEat;
    return forward();
  }
  if (clickedId == screen_id::WeightField && fromClass) {
    if (enabled) return forward();
    if (classField_.lineIndex() == weightField_.lineIndex() && !classField_.text().empty() && classField_.validate() &&
        !released_) {
      EnableWindow(weightField_.handle(), true);
      ShowWindow(weightField_.handle(), ShowCommand::Show);
      SetFocus(weightField_.handle());
    }
    return kEat;
  }
  if (clickedId == screen_id::ClassField || clickedId == screen_id::WeightField) {
    // From the weight field.
    if (enabled) return forward();
    const bool nextLineRule = clickedId == screen_id::ClassField ? !constant : constant;
    if (!nextLineRule) return kEat;
    if (classField_.lineIndex() == weightField_.lineIndex() + 1 && weightField_.validate() && !released_) {
      EnableWindow(clicked, true);
      ShowWindow(clicked, ShowCommand::Show);
      SetFocus(clicked);
    }
    return kEat;
  }
  return kEat;
}

void RatingDialog::createFocusForwardWindow(WindowHandle clicked, WindowHandle previous) {
  if (focusForwardWindow_ != nullptr) return;
  // Placed after the clicked field; Tab from there returns to where the
  // entry was.
  focusForwardWindow_ = std::make_unique<FocusSentinel>([this] {
    if (focusForwardWindow_ != nullptr && focusForwardWindow_->partner != nullptr)
      SetFocus(focusForwardWindow_->partner);
  });
  focusForwardWindow_->partner = previous;
  if (!focusForwardWindow_->createAfter(handle(), clicked)) focusForwardWindow_.reset();
}

}  // namespace qiv
