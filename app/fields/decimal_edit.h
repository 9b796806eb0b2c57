// CDecimalEdit: a field of digits with at most a number of decimals. Typing
// takes digits, '-' and (with decimals) one '.', cuts the integer part and
// the fraction to their lengths; leaving pads the fraction with zeros ("7"
// leaves as "7.00", an empty field as ".00"). Its run-time class record
// names the edit-control object as its base, not CCaptionEdit.
#pragma once

#include <string>

#include "fields/caption_edit.h"

namespace qiv {

class CDecimalEdit : public CCaptionEdit {
 public:
  static const platform::ui::RuntimeClass kRuntimeClass;
  const platform::ui::RuntimeClass& runtimeClass() const override { return kRuntimeClass; }

  using CCaptionEdit::CCaptionEdit;
  ~CDecimalEdit() override;

  using CCaptionEdit::attachItem;
  // Attaches with the length and decimals; a length above 0 is sent to the
  // control as its text limit before it is subclassed.
  virtual bool attachItem(int id, platform::ui::WindowHandle dialog, int maximumLength, int decimals);
  // Keeps both and sends the length as a text limit (which the field keeps).
  void setLimits(int maximumLength, int decimals);

  // The text cut as typing cuts it: the integer part to the length left
  // for it, the fraction to the decimals, the point kept.
  static std::string CutToLimits(const std::string& text, int maximumLength, int decimals);
  // The text as leaving the field leaves it: the fraction padded with zeros.
  static std::string PaddedFraction(const std::string& text, int decimals);

 protected:
  void onChar(const platform::ui::CharEvent& event) override;
  void onKillFocus(const platform::ui::FocusEvent& event) override;
  // Typing from the "SpecialChar" on: the new text, refused with a beep
  // when it holds two points, cut and placed.
  void typeNumberCharacter(char character);
};

}  // namespace qiv
