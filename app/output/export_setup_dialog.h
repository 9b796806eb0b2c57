// Export setup (dialog 544): automatic export or export on request, the
// export file's name (given the extension .PRN), appending to it or
// starting it anew (Replace deletes it when the dialog closes), and
// comma-separated or fixed-width records. Cancel puts the four export
// settings back.
#pragma once

#include "output/output_setup_dialog.h"

namespace qiv {

class ExportSetupDialog : public OutputSetupDialog {
 public:
  ExportSetupDialog(QivSession& session, platform::ui::WindowHandle parent);

 protected:
  bool onInitDialog() override;
  void onOK() override;
  void onCancel() override;
};

// The Export Setup command: the dialog, modal; its end code.
platform::ui::LResult RunExportSetup(QivSession& session, platform::ui::WindowHandle owner);

}  // namespace qiv
