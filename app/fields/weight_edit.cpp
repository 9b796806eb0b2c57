#include "fields/weight_edit.h"

#include "fields/class_edit.h"
#include "fields/field_screen.h"
#include "platform/kernel/digits.h"
#include "platform/ui/focus.h"
#include "platform/ui/window.h"
#include "shell/qiv_session.h"

namespace qiv {

using namespace platform::ui;
namespace lines = ratekit::shipment_lines;

namespace {
constexpr int kLastLine = static_cast<int>(lines::kLines) - 1;
}  // namespace

const RuntimeClass CWeightEdit::kRuntimeClass{"CWeightEdit", &CDecimalEdit::kRuntimeClass,
                                              &CreateFieldObject<CWeightEdit>};

bool CWeightEdit::validate() {
  FieldScreen* s = screen();
  if (s == nullptr || !session().context) return CCaptionEdit::validate();
  RatingContext& context = *session().context;
  if (lineIndex_ >= 0 && lineIndex_ <= kLastLine)
    context.view().fill(lines::WeightText(static_cast<std::size_t>(lineIndex_)), '\0');
  const std::string weight = text();
  CClassEdit& classField = s->classField();
  const bool constant = context.shortAt(fields::kConstantClassInUse) != 0;
  if (weight.empty() || platform::LeadingInteger(weight).value == 0) {
    EmptyShipmentLines(session(), lineIndex_);
    classField.setText("");
    setText("");
    EnableWindow(classField.handle(), false);
    EnableWindow(handle(), false);
    s->displayRates();
    s->setLineEntry(false);
    return true;
  }
  s->setReRate(true);
  if (lineIndex_ >= kLastLine)
    s->setLineEntry(false);
  else
    EnableWindow(constant ? handle() : classField.handle(), true);
  if (context.shortAt(fields::kAccessorialPrompt) == 1) context.view().fill(fields::kAccessorialTotalText, '\0');
  s->displayRates();
  if (const int count = s->lineListCount(); count < kLastLine + 1) lineIndex_ = count;
  return true;
}

void CWeightEdit::onChar(const CharEvent& event) {
  if (FieldScreen* s = screen()) s->setLastWeightCharacter(static_cast<char>(event.character));
  if (event.character == '.') {
    Beep();
    return;
  }
  CDecimalEdit::onChar(event);
}

void CWeightEdit::onSetFocus(const FocusEvent& event) {
  CCaptionEdit::onSetFocus(event);
  FieldScreen* s = screen();
  if (s == nullptr || !IsWindow(handle()) || !session().context) return;
  RatingContext& context = *session().context;
  if (context.shortAt(fields::kConstantClassInUse) == 0) return;
  CClassEdit& classField = s->classField();
  if (classField.checkClass(context.textAt(fields::kConstantClass), lineIndex_)) return;
  // The constant class is not one of the tariff's: the option goes off.
  context.setShort(fields::kConstantClassInUse, 0);
  context.view().fill(fields::kConstantClass, '\0');
  EnableWindow(classField.handle(), true);
  SetFocus(classField.handle());
  EnableWindow(handle(), false);
}

}  // namespace qiv
