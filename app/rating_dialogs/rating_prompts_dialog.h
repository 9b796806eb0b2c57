// Rating Prompts (dialog 539): the rating options the screen keeps in the
// RatingDefaultsImage (accessorial prompt, rate adjustment factor,
// shipment id, kilograms, currency exchange, increase factor, breaks whose
// rates are disabled, base-point display, city selection). Groups the
// settings do not offer are hidden and the dialog closes up around them.
//
// OK, the OK button and Enter alike, checks the three numbers first (the
// factor and the exchange rate while their boxes are checked, the increase
// factor while it is offered); the first that is out of range is reported,
// reset, focused and selected, and nothing is stored. Only when all pass is
// everything stored, and the weight breaks read again. Cancel stores
// nothing.
#pragma once

#include "dialogs/qiv_dialog.h"
#include "fields/decimal_edit.h"

namespace qiv {

class RatingPromptsDialog : public QivDialog {
 public:
  // increaseFactor: the command line asked for the increase factor.
  RatingPromptsDialog(QivSession& session, platform::ui::WindowHandle parent, bool increaseFactor);

 protected:
  bool onInitDialog() override;
  void onOK() override;
  bool preTranslateMessage(platform::ui::Message& message) override;

 private:
  void labelRadios();
  void closeUp(std::initializer_list<int> group, int gap);
  void onSetAccessorial();
  // The value of a number field when it lies in low..high; else the
  // failure reported, the field reset, focused and selected.
  bool checkNumber(CDecimalEdit& field, double low, double high, std::int32_t failure, const char* reset,
                   double& value);
  bool checked(int id) const;

  bool increaseFactor_;
  bool setAccessorialShown_ = false;
  bool kilogramsShown_ = false;
  bool currencyShown_ = false;
  bool disableShown_ = false;
  bool cityShown_ = false;
  CDecimalEdit factor_;
  CDecimalEdit rate_;
  CDecimalEdit increase_;
};

}  // namespace qiv
