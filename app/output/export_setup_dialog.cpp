#include "output/export_setup_dialog.h"

#include "language/show_message.h"
#include "output/output_ids.h"
#include "output/output_messages.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/window.h"

namespace qiv {

using namespace platform::ui;
namespace of = output_fields;

namespace {
constexpr std::string_view kExportExtension = ".PRN";
}  // namespace

ExportSetupDialog::ExportSetupDialog(QivSession& session, WindowHandle parent)
    : OutputSetupDialog(session, output_id::ExportSetup, parent, kExportSettings, output_id::ExportFileName,
                        of::kExportFileName) {
  messageMap().onCommand(output_id::ExportOk, [this] { onOK(); });
  messageMap().onCommand(output_id::ExportCancel, [this] { onCancel(); });
}

bool ExportSetupDialog::onInitDialog() {
  Dialog::onInitDialog();
  prepare();
  const RatingContext& context = *session().context;
  check(output_id::ExportAll, context.charAt(of::kExportMode) == 'A');
  check(output_id::CommaSeparated, context.shortAt(of::kCommaSeparated) != 0);
  const std::string name = context.textAt(of::kExportFileName);
  CheckRadioButton(handle(), output_id::AppendToFile, output_id::ReplaceFile,
                   OutputFileExists(name) ? output_id::AppendToFile : output_id::ReplaceFile);
  showName(name);
  CenterWindow(handle(), parent());
  SetFocus(item(output_id::ExportAll));
  SendUpdateStatus(session());
  return false;
}

void ExportSetupDialog::onOK() {
  RatingContext& context = *session().context;
  const std::string typed = typedName();
  context.setChar(of::kExportMode, checked(output_id::ExportAll) ? 'A' : 'S');
  context.setShort(of::kCommaSeparated, checked(output_id::CommaSeparated) ? 1 : 0);
  const std::string name = ForcedOutputName(session(), typed, kExportExtension);
  context.setTerminatedText(of::kExportFileName, name);
  showName(name);
  if (!OutputFileExists(name)) {
    context.setChar(of::kExportFileAnswer, 'N');
  } else if (checked(output_id::AppendToFile)) {
    context.setChar(of::kExportFileAnswer, 'A');
  } else {
    context.setChar(of::kExportFileAnswer, 'R');
    if (!DeleteOutputFile(name)) {
      // A file left in place would be appended to: the dialog stays open.
      context.setLastErrorCode(output_message::kExportFileNotWritten);
      ShowMessage(session(), handle(), MessageType::Warning);
      SetFocus(item(output_id::ExportFileName));
      return;
    }
  }
  endDialog(command_id::Ok);
}

void ExportSetupDialog::onCancel() {
  restoreSettings();
  endDialog(command_id::Cancel);
}

LResult RunExportSetup(QivSession& session, WindowHandle owner) {
  ExportSetupDialog dialog(session, owner);
  return dialog.doModal();
}

}  // namespace qiv
