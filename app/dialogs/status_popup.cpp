#include "dialogs/status_popup.h"

#include "dialogs/dialog_ids.h"
#include "platform/ui/dialog.h"
#include "platform/ui/paint.h"
#include "platform/ui/window.h"

namespace qiv {

using namespace platform::ui;

StatusPopup::StatusPopup(QivSession& session, std::string caption, WindowHandle parent)
    : QivDialog(session, dialog_id::StatusPopup, parent), caption_(std::move(caption)) {}

bool StatusPopup::open() {
  if (!createModeless()) return false;
  ShowWindow(handle(), ShowCommand::ShowNoActivate);
  UpdateWindow(handle());
  return true;
}

bool StatusPopup::onInitDialog() {
  Dialog::onInitDialog();
  setDialogFont();
  setText(caption_);
  SetDialogItemText(handle(), control_id::StatusText, "");
  CenterWindow(handle(), parent());
  return true;
}

}  // namespace qiv
