// Mexican Prompts (dialog 3140): the IVA tax and the insurance of a
// Mexican shipment, each offered when the profile asks for it and the
// settings do not turn it off. OK (the button or Enter) stores both
// amounts as "%7.2f" texts, an empty field as 0; Cancel stores nothing.
#pragma once

#include <string>

#include "dialogs/qiv_dialog.h"
#include "fields/decimal_edit.h"

namespace qiv {

class MexicanPromptsDialog : public QivDialog {
 public:
  // The screen's IVA tax and insurance texts, written on OK.
  MexicanPromptsDialog(QivSession& session, platform::ui::WindowHandle parent, std::string& ivaTax,
                       std::string& insurance);

 protected:
  bool onInitDialog() override;
  void onOK() override;

 private:
  std::string& ivaTax_;
  std::string& insurance_;
  CDecimalEdit ivaField_;
  CDecimalEdit insuranceField_;
};

}  // namespace qiv
