// Three of the display dialogs: the shipment's accessorial detail by
// country (3137), the tariff's text file (3105) and the service guide's
// terminals of the lane (3131). Each relabels itself, tells the main
// window's status bar it has opened and closes with OK.
#pragma once

#include <string>
#include <vector>

#include "dialogs/qiv_dialog.h"
#include "screen/result_tables.h"

namespace qiv {

class ShipmentDetailDialog : public QivDialog {
 public:
  // The detail lines the result display keeps.
  ShipmentDetailDialog(QivSession& session, const ResultTables& tables, platform::ui::WindowHandle parent);

 protected:
  bool onInitDialog() override;

 private:
  const ResultTables& tables_;
};

// The tariff text's list lines: every text line (its line end, LF or CR
// LF, removed) in pieces of 45 characters, none dropped; an empty line
// stays one empty list line.
std::vector<std::string> TariffTextLines(std::string_view text);

class TariffDisplayDialog : public QivDialog {
 public:
  TariffDisplayDialog(QivSession& session, platform::ui::WindowHandle parent);

 protected:
  bool onInitDialog() override;
};

class TerminalInfoDialog : public QivDialog {
 public:
  TerminalInfoDialog(QivSession& session, platform::ui::WindowHandle parent);

 protected:
  bool onInitDialog() override;

 private:
  void fillSide(bool destination);
};

}  // namespace qiv
