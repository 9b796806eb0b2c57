// The small notices: the notice before the rules document (dialog 3144,
// with its "do not show again" box kept in the .DEF image), and the two
// notices that the price-sheet (572) or bill-of-lading (538) option is not
// part of this installation.
#pragma once

#include "dialogs/qiv_dialog.h"

namespace qiv {

class NoticeDialog : public QivDialog {
 public:
  NoticeDialog(QivSession& session, platform::ui::WindowHandle parent);

 protected:
  bool onInitDialog() override;
  void onOK() override;
};

class PriceSheetDialog : public QivDialog {
 public:
  PriceSheetDialog(QivSession& session, platform::ui::WindowHandle parent);
};

// Relabels itself from the language texts.
class BillOfLadingDialog : public QivDialog {
 public:
  BillOfLadingDialog(QivSession& session, platform::ui::WindowHandle parent);

 protected:
  bool onInitDialog() override;
};

}  // namespace qiv
