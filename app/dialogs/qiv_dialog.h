// The base of every dialog of the program: a dialog of the class library
// that shares the session, relabels itself in the screen's language, gives
// its children the application font, reports keys and clicks to the status
// bar and answers help requests from the help-topic table.
#pragma once

#include "platform/ui/dialog_object.h"
#include "shell/qiv_session.h"

namespace qiv {

class QivDialog : public platform::ui::Dialog {
 public:
  QivDialog(QivSession& session, int dialogId, platform::ui::WindowHandle parent);

  // DialogPreTranslateMessage: a left-button release, a key release, or any
  // message whose wParam is Tab, Up or Down sends "UpdateStatus"(0, 0) to
  // the main window; then the dialog manager's own pre-translation.
  bool preTranslateMessage(platform::ui::Message& message) override;

  // The session of the program's dialog that owns the window, or null.
  static QivSession* SessionOf(platform::ui::WindowHandle window);

 protected:
  // DialogOnHelpInfo: the control's context in the help-topic table, else
  // the default help (the current help file's contents).
  platform::ui::LResult onHelp(const platform::ui::HelpInfo& info) override;

  // ApplyDialogLanguage with the dialog's own id.
  void applyLanguage();
  // SetDialogFont: every child of class Edit, Static or Button (in any
  // case) gets the application font.
  void setDialogFont();
  // The text of a language key in the current language.
  std::string text(std::int32_t key, std::size_t limit = kLanguageLineLimit) const { return session_.text(key, limit); }

  QivSession& session() { return session_; }
  const QivSession& session() const { return session_; }
  int dialogId() const { return dialogId_; }

 private:
  QivSession& session_;
  int dialogId_;
};

// Sends "UpdateStatus"(wParam, lParam) to the main window.
void SendUpdateStatus(const QivSession& session, platform::ui::WParam wParam = 0, platform::ui::LParam lParam = 0);

// SetDialogFont over any window's children.
void SetDialogFont(platform::ui::WindowHandle dialog, platform::ui::FontHandle font);

}  // namespace qiv
