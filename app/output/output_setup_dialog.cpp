#include "output/output_setup_dialog.h"

#include "platform/ui/controls/button.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/dialog.h"

namespace qiv {

using namespace platform::ui;

OutputSetupDialog::OutputSetupDialog(QivSession& session, int dialogId, WindowHandle parent,
                                     platform::FieldSpan settings, int nameFieldId, platform::FieldSpan storedName)
    : QivDialog(session, dialogId, parent), saved_(settings), nameFieldId_(nameFieldId), storedName_(storedName) {
  messageMap().onNotification(nameFieldId, edit::KillFocusNotify, [this] { onNameLeft(); });
}

void OutputSetupDialog::prepare() {
  applyLanguage();
  setDialogFont();
  SendDialogItemMessage(handle(), nameFieldId_, edit::LimitText, kOutputNameLimit);
  saved_.save(*session().context);
}

bool OutputSetupDialog::checked(int id) const { return DialogButtonCheck(handle(), id) == button::Checked; }

void OutputSetupDialog::check(int id, bool on) {
  CheckDialogButton(handle(), id, on ? button::Checked : button::Unchecked);
}

std::string OutputSetupDialog::typedName() const {
  return DialogItemText(handle(), nameFieldId_).substr(0, kOutputNameLimit);
}

void OutputSetupDialog::showName(const std::string& name) { SetDialogItemText(handle(), nameFieldId_, name); }

void OutputSetupDialog::restoreSettings() { saved_.restore(*session().context); }

void OutputSetupDialog::onNameLeft() {
  const std::string typed = DialogItemText(handle(), nameFieldId_);
  const std::string kept = NameLeftInField(typed, session().context->textAt(storedName_));
  if (kept != typed) showName(kept);
}

}  // namespace qiv
