#include "dialogs/qiv_dialog.h"

#include <strings.h>

#include "language/dialog_language.h"
#include "language/help_requests.h"
#include "platform/ui/keys.h"
#include "platform/ui/window.h"

namespace qiv {

using namespace platform::ui;

QivDialog::QivDialog(QivSession& session, int dialogId, WindowHandle parent)
    : Dialog(dialogId, parent), session_(session), dialogId_(dialogId) {}

bool QivDialog::preTranslateMessage(Message& message) {
  if (message.message == msg::LeftButtonUp || message.message == msg::KeyUp || message.wParam == key::Tab ||
      message.wParam == key::Up || message.wParam == key::Down)
    SendUpdateStatus(session_);
  return Dialog::preTranslateMessage(message);
}

QivSession* QivDialog::SessionOf(WindowHandle window) {
  for (WindowHandle at = window; at != nullptr; at = ParentWindow(at) != nullptr ? ParentWindow(at) : OwnerWindow(at))
    if (auto* dialog = dynamic_cast<QivDialog*>(Window::FromHandle(at))) return &dialog->session_;
  return nullptr;
}

LResult QivDialog::onHelp(const HelpInfo& info) { return ShowHelpForId(session_, info.controlId, handle()); }

void QivDialog::applyLanguage() {
  if (session_.languageTable)
    ApplyDialogLanguage(dialogId_, handle(), session_.language, *session_.languageTable, session_.mainWindow);
}

void QivDialog::setDialogFont() { SetDialogFont(handle(), session_.applicationFont); }

void SendUpdateStatus(const QivSession& session, WParam wParam, LParam lParam) {
  if (session.mainWindow != nullptr && session.updateStatusMessage != 0)
    SendMessage(session.mainWindow, session.updateStatusMessage, wParam, lParam);
}

void SetDialogFont(WindowHandle dialog, FontHandle font) {
  if (font == nullptr) return;
  const WindowHandle first = RelatedWindow(dialog, Relation::FirstChild);
  for (WindowHandle child = first; child != nullptr;) {
    const std::string className = WindowClassName(child);
    if (::strcasecmp(className.c_str(), "Edit") == 0 || ::strcasecmp(className.c_str(), "Static") == 0 ||
        ::strcasecmp(className.c_str(), "Button") == 0)
      SendMessage(child, msg::SetFont, reinterpret_cast<WParam>(font), 1);
    child = RelatedWindow(child, Relation::Next);
    if (child == first) break;
  }
}

}  // namespace qiv
