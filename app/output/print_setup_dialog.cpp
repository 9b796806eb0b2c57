#include "output/print_setup_dialog.h"

#include "language/show_message.h"
#include "output/output_ids.h"
#include "output/output_messages.h"
#include "output/print_writer.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/window.h"

namespace qiv {

using namespace platform::ui;
namespace of = output_fields;

namespace {

constexpr std::string_view kFileStatus = "Enter Print Filename (extension .PRT)";
constexpr std::string_view kPrinterStatus = "Print Setup";
constexpr std::string_view kPrintExtension = ".PRT";

void SetStatus(const QivSession& session, std::string_view text) {
  const std::string status(text);
  SendUpdateStatus(session, 0, reinterpret_cast<LParam>(status.c_str()));
}

// The field shown, focused and its text selected.
void FocusNameField(WindowHandle field) {
  ShowWindow(field, ShowCommand::Show);
  SetFocus(field);
  SendMessage(field, edit::SetSelection, 0, -1);
}

}  // namespace

PrintSetupDialog::PrintSetupDialog(PrintWriter& writer, WindowHandle parent)
    : OutputSetupDialog(writer.session(), output_id::PrintSetup, parent, kPrintSettings, output_id::PrintFileName,
                        of::kPrintFileName),
      writer_(writer) {
  messageMap().onNotification(output_id::PrintFile, button::Clicked, [this] { onFileClicked(); });
  messageMap().onNotification(output_id::Printer, button::Clicked, [this] { onPrinterClicked(); });
  messageMap().onCommand(output_id::PrintOk, [this] { onOK(); });
  messageMap().onCommand(output_id::PrintCancel, [this] { onCancel(); });
}

bool PrintSetupDialog::onInitDialog() {
  Dialog::onInitDialog();
  prepare();
  RatingContext& context = *session().context;
  check(output_id::PrintAll, context.charAt(of::kPrintMode) == 'A');
  const bool file = context.textAt(of::kPrintOutput) == "FILE";
  CheckRadioButton(handle(), output_id::Printer, output_id::PrintFile,
                   file ? output_id::PrintFile : output_id::Printer);
  ShowWindow(item(output_id::PrintFileName), file ? ShowCommand::Show : ShowCommand::Hide);
  const std::string name = context.textAt(of::kPrintFileName);
  if (PrintFileExists(context, name)) context.setChar(of::kPrintFileAnswer, 'A');
  showName(name);
  CenterWindow(handle(), parent());
  SetFocus(item(output_id::PrintAll));
  SendUpdateStatus(session());
  return false;
}

void PrintSetupDialog::onFileClicked() {
  if (checked(output_id::PrintFile)) {
    FocusNameField(item(output_id::PrintFileName));
    SetStatus(session(), kFileStatus);
  } else {
    ShowWindow(item(output_id::PrintFileName), ShowCommand::Hide);
  }
}

void PrintSetupDialog::onPrinterClicked() {
  if (!checked(output_id::Printer)) {
    FocusNameField(item(output_id::PrintFileName));
    SetStatus(session(), kFileStatus);
    return;
  }
  ShowWindow(item(output_id::PrintFileName), ShowCommand::Hide);
  SetStatus(session(), kPrinterStatus);
  if (writer_.choosePrinter(handle())) return;
  restoreSettings();
  CheckRadioButton(handle(), output_id::Printer, output_id::PrintFile, output_id::PrintFile);
  FocusNameField(item(output_id::PrintFileName));
}

void PrintSetupDialog::onOK() {
  RatingContext& context = *session().context;
  const std::string typed = typedName();
  context.setTerminatedText(of::kPrintFileName, typed);
  context.setChar(of::kPrintMode, checked(output_id::PrintAll) ? 'A' : 'S');
  const bool file = checked(output_id::PrintFile);
  context.setTerminatedText(of::kPrintOutput, file ? "FILE" : "PRTR");
  if (!file) {
    if (writer_.printerContext() == nullptr && !writer_.choosePrinter(handle())) {
      restoreSettings();
      return;
    }
    endDialog(command_id::Ok);
    return;
  }
  const std::string name = ForcedOutputName(session(), typed, kPrintExtension);
  context.setTerminatedText(of::kPrintFileName, name);
  showName(name);
  if (!PrintFileExists(context, name)) {
    endDialog(command_id::Ok);
    return;
  }
  FileExistsDialog question(session(), handle());
  const LResult answer = question.doModal();
  if (answer == output_id::Replace && !DeleteOutputFile(name)) {
    // A file left in place would be appended to: the name is asked again.
    context.setLastErrorCode(output_message::kPrintFileNotWritten);
    ShowMessage(session(), handle(), MessageType::Warning);
  } else if (answer == output_id::Replace || answer == output_id::Append) {
    endDialog(command_id::Ok);
    return;
  }
  FocusNameField(item(output_id::PrintFileName));
}

void PrintSetupDialog::onCancel() {
  restoreSettings();
  endDialog(command_id::Cancel);
}

FileExistsDialog::FileExistsDialog(QivSession& session, WindowHandle parent)
    : QivDialog(session, output_id::FileExists, parent) {
  messageMap().onCommand(output_id::Replace, [this] { answer(output_id::Replace, 'R'); });
  messageMap().onCommand(output_id::Append, [this] { answer(output_id::Append, 'A'); });
  messageMap().onCommand(output_id::KeepFile, [this] { answer(output_id::KeepFile, ' '); });
}

bool FileExistsDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  setDialogFont();
  return true;
}

void FileExistsDialog::onCancel() { answer(output_id::KeepFile, ' '); }

void FileExistsDialog::answer(int buttonId, char letter) {
  session().context->setChar(of::kPrintFileAnswer, letter);
  endDialog(buttonId);
}

LResult RunPrintSetup(PrintWriter& writer, WindowHandle owner) {
  PrintSetupDialog dialog(writer, owner);
  return dialog.doModal();
}

}  // namespace qiv
