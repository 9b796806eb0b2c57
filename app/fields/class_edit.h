// CClassEdit: the rating screen's class field (3307). It takes letters
// (upper-cased) and digits, checks the class of the line it enters when the
// focus leaves it (an empty class ends the line entry), re-rates the lines
// when it gets the focus, and on a click passes the focus on to a pending
// focus-forward window's partner. It paints itself.
#pragma once

#include <string>

#include "fields/decimal_edit.h"

namespace qiv {

class CClassEdit : public CDecimalEdit {
 public:
  static const platform::ui::RuntimeClass kRuntimeClass;
  const platform::ui::RuntimeClass& runtimeClass() const override { return kRuntimeClass; }

  using CDecimalEdit::CDecimalEdit;

  int lineIndex() const { return lineIndex_; }
  void setLineIndex(int line) { lineIndex_ = line; }

  bool validate() override;
  // The class check of a line: true when the class is known (its weight
  // field enabled), or the text is empty (the lines from here on emptied
  // and the line entry ended).
  bool checkClass(const std::string& text, int line);

 protected:
  void onChar(const platform::ui::CharEvent& event) override;
  void onSetFocus(const platform::ui::FocusEvent& event) override;
  platform::ui::LResult onMouseActivate(const platform::ui::MouseActivateEvent& event) override;

 private:
  int lineIndex_ = 0;
};

// Empties lines from..7 of the shipment (class, flag and weight).
struct QivSession;
void EmptyShipmentLines(QivSession& session, int from);

}  // namespace qiv
