// The rates dialog (541, Display Rates/Alternation): the rates of every
// class and weight break of the lane, or the alternation weights between
// breaks, with the charge lists. Switching discounts or the Mexican table
// rates the shipment again. The discount basis it changes while open is
// set back whenever its window goes, however it closes.
#pragma once

#include <functional>
#include <string>

#include "dialogs/qiv_dialog.h"
#include "display/rate_table_lines.h"

namespace qiv {

class PrintWriter;

struct RateResultsTexts {
  std::string origin;  // the origin entry
  std::string destination;
  std::string originPoint;  // the screen's point statics
  std::string destinationPoint;
};

class RateResultsDialog : public QivDialog {
 public:
  // rate: rates the shipment again with the main window (reporting a failure).
  RateResultsDialog(QivSession& session, RateResultsTexts texts, std::function<void()> rate, PrintWriter& writer,
                    platform::ui::WindowHandle parent);

  bool preTranslateMessage(platform::ui::Message& message) override;

 protected:
  bool onInitDialog() override;
  void onDestroy() override;

 private:
  void placeHeadings();
  void fillCharges();
  void fillTable();
  void onView(bool rates);
  void onDiscounts(bool yes);
  void onChoice(RateTableChoice choice);
  void onPrint();
  void enableChoices(bool enabled);

  RateResultsTexts texts_;
  std::function<void()> rate_;
  PrintWriter& writer_;
  bool ratesView_ = true;
  bool discounts_ = false;
  RateTableChoice choice_ = RateTableChoice::Combined;
  char savedBasis_ = 0;
  bool opened_ = false;
};

}  // namespace qiv
