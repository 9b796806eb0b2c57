// CWeightEdit: the rating screen's weight field (3308). It takes digits
// (no point: weights are whole pounds or kilograms), keeps the last
// character typed on the screen, and when the focus leaves it rates the
// line it completes (a weight of 0 or none ends the line entry). With a
// constant class it checks that class when it gets the focus.
#pragma once

#include "fields/decimal_edit.h"

namespace qiv {

class CWeightEdit : public CDecimalEdit {
 public:
  static const platform::ui::RuntimeClass kRuntimeClass;
  const platform::ui::RuntimeClass& runtimeClass() const override { return kRuntimeClass; }

  using CDecimalEdit::CDecimalEdit;

  int lineIndex() const { return lineIndex_; }
  void setLineIndex(int line) { lineIndex_ = line; }

  bool validate() override;

 protected:
  void onChar(const platform::ui::CharEvent& event) override;
  void onSetFocus(const platform::ui::FocusEvent& event) override;

 private:
  int lineIndex_ = 0;
};

}  // namespace qiv
