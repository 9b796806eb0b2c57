// The pop-up shown while the screen prints or exports (dialog 548, made
// modeless): its caption says what is happening ("Printing"), its text is
// empty. It is centred on its parent and painted at once, since the work
// it announces runs without a message loop; its owner destroys it.
#pragma once

#include <string>

#include "dialogs/qiv_dialog.h"

namespace qiv {

class StatusPopup : public QivDialog {
 public:
  StatusPopup(QivSession& session, std::string caption, platform::ui::WindowHandle parent);
  // Creates, shows and paints it; false when it cannot be made.
  bool open();

 protected:
  bool onInitDialog() override;

 private:
  std::string caption_;
};

}  // namespace qiv
