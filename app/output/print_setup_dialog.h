// Print setup (dialog 543): automatic printing or printing on request, and
// the output: the printer of the program run (the print dialog chooses it)
// or a print file, whose name gets the extension .PRT. A file that exists
// is appended to or replaced (FileExistsDialog); Replace deletes it when
// the dialog closes. Cancel puts the four print settings back.
#pragma once

#include "output/output_setup_dialog.h"

namespace qiv {

class PrintWriter;

class PrintSetupDialog : public OutputSetupDialog {
 public:
  PrintSetupDialog(PrintWriter& writer, platform::ui::WindowHandle parent);

 protected:
  bool onInitDialog() override;
  void onOK() override;
  void onCancel() override;

 private:
  void onFileClicked();
  void onPrinterClicked();

  PrintWriter& writer_;
};

// The file-exists question (dialog 551): Replace, Append or Cancel set the
// print file answer to 'R', 'A' or ' '; the end code is the button's id.
class FileExistsDialog : public QivDialog {
 public:
  FileExistsDialog(QivSession& session, platform::ui::WindowHandle parent);

 protected:
  bool onInitDialog() override;
  void onCancel() override;

 private:
  void answer(int buttonId, char letter);
};

// The Print Setup command: the dialog, modal; its end code.
platform::ui::LResult RunPrintSetup(PrintWriter& writer, platform::ui::WindowHandle owner);

}  // namespace qiv
