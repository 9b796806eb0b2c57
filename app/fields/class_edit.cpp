#include "fields/class_edit.h"

#include <optional>

#include "fields/field_screen.h"
#include "fields/weight_edit.h"
#include "language/show_message.h"
#include "platform/ui/focus.h"
#include "platform/ui/window.h"
#include "shell/qiv_session.h"

namespace qiv {

using namespace platform::ui;
namespace lines = ratekit::shipment_lines;

namespace {
constexpr std::int32_t kTooManyLines = 580;
constexpr int kLines = static_cast<int>(lines::kLines);

std::string Trimmed(std::string text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
}  // namespace

const RuntimeClass CClassEdit::kRuntimeClass{"CClassEdit", &CDecimalEdit::kRuntimeClass,
                                             &CreateFieldObject<CClassEdit>};

void EmptyShipmentLines(QivSession& session, int from) {
  RatingContextView view = session.context->view();
  for (int line = std::max(from, 0); line < kLines; ++line) {
    const auto i = static_cast<std::size_t>(line);
    view.fill(lines::ClassCode(i), '\0');
    view.fill(lines::ClassFlag(i), '\0');
    view.fill(lines::WeightText(i), '\0');
  }
}

bool CClassEdit::validate() {
  FieldScreen* s = screen();
  if (s == nullptr || !session().context) return CCaptionEdit::validate();
  // A ninth line is refused whatever the clear flag says: the shipment has
  // room for eight.
  if (s->lineListCount() >= kLines) {
    setText("");
    EnableWindow(handle(), false);
    s->displayRates();
    session().context->setLastErrorCode(kTooManyLines);
    ShowMessage(session(), session().mainWindow, MessageType::Warning);
    return true;
  }
  lineIndex_ = s->lineListCount();
  return checkClass(text(), lineIndex_);
}

bool CClassEdit::checkClass(const std::string& typed, int line) {
  FieldScreen* s = screen();
  RatingContext& context = *session().context;
  const RatekitBindings& bind = session().bindings;
  if (line >= 0 && line < kLines) context.view().fill(lines::ClassCode(static_cast<std::size_t>(line)), '\0');
  CWeightEdit& weight = s->weightField();
  if (typed.empty()) {
    EmptyShipmentLines(session(), line);
    setText("");
    weight.setText("");
    EnableWindow(handle(), false);
    s->displayRates();
    s->setLineEntry(false);
    EnableWindow(weight.handle(), false);
    return true;
  }
  const bool constant = context.shortAt(fields::kConstantClassInUse) != 0;
  const int fak = context.intAt(fields::kFakAllowed);
  if (constant) {
    const std::string code = context.textAt(fields::kConstantClass);
    if (bind.VerClass(context.data(), code.c_str(), line, fak) == 0) return false;
    const std::string label = Trimmed(context.textAt(fields::kConstantClassLabel));
    setText(label.empty() ? Trimmed(code) : label);
  } else if (bind.VerClass(context.data(), typed.c_str(), line, fak) == 0) {
    ShowMessage(session(), session().mainWindow, MessageType::Warning);
    return false;
  }
  if (line < kLines && !constant) {
    EnableWindow(weight.handle(), true);
    if (!weight.text().empty()) s->displayRates();
  }
  return true;
}

void CClassEdit::onChar(const CharEvent& event) {
  if (const std::optional<char> typed = typedAlphanumeric(event)) typeNumberCharacter(*typed);
}

void CClassEdit::onSetFocus(const FocusEvent& event) {
  if (FieldScreen* s = screen(); s != nullptr && !s->clearFlag() && s->lineListCount() > 0) {
    s->setReRate(true);
    s->displayRates();
    if (!IsWindow(handle())) return;
  }
  CCaptionEdit::onSetFocus(event);
}

LResult CClassEdit::onMouseActivate(const MouseActivateEvent& event) {
  FieldScreen* s = screen();
  if (s == nullptr || !s->focusForwardPending()) return CCaptionEdit::onMouseActivate(event);
  // A pending focus-forward window: the field that has the focus is left
  // as its Validate allows, and the click is eaten.
  Window* focused = Window::FromHandle(GetFocus());
  if (focused == nullptr || !focused->isKindOf(CCaptionEdit::kRuntimeClass) ||
      static_cast<CCaptionEdit*>(focused)->validate())
    s->followFocusForward();
  return mouse_activate::NoActivateAndEat;
}

}  // namespace qiv
