#include "dialogs/notices.h"

#include "dialogs/dialog_ids.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/dialog.h"

namespace qiv {

using namespace platform::ui;

NoticeDialog::NoticeDialog(QivSession& session, WindowHandle parent) : QivDialog(session, dialog_id::Notice, parent) {
  messageMap().onCommand(control_id::NoticeOk, [this] { onOK(); });
}

bool NoticeDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  setDialogFont();
  const bool suppressed = session().context->shortAt(fields::kNoticeSuppressed) != 0;
  CheckDialogButton(handle(), control_id::NoticeCheck, suppressed ? button::Checked : button::Unchecked);
  return true;
}

void NoticeDialog::onOK() {
  const bool checked = DialogButtonCheck(handle(), control_id::NoticeCheck) == button::Checked;
  session().context->setShort(fields::kNoticeSuppressed, checked ? 1 : 0);
  endDialog(command_id::Ok);
}

PriceSheetDialog::PriceSheetDialog(QivSession& session, WindowHandle parent)
    : QivDialog(session, dialog_id::PriceSheetNotice, parent) {}

BillOfLadingDialog::BillOfLadingDialog(QivSession& session, WindowHandle parent)
    : QivDialog(session, dialog_id::BillOfLadingNotice, parent) {}

bool BillOfLadingDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  return true;
}

}  // namespace qiv
