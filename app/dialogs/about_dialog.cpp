#include "dialogs/about_dialog.h"

#include "dialogs/about_text.h"
#include "dialogs/dialog_ids.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/dialog.h"
#include "platform/ui/gdi.h"
#include "platform/ui/window.h"
#include "shell/icon_file.h"

namespace qiv {

using namespace platform::ui;

AboutDialog::AboutDialog(QivSession& session, WindowHandle parent) : QivDialog(session, dialog_id::About, parent) {
  messageMap().onCommand(control_id::AboutOk, [this] { endDialog(command_id::Ok); });
}

AboutDialog::~AboutDialog() {
  if (icon_ != nullptr) DeleteBitmap(icon_);
}

bool AboutDialog::onInitDialog() {
  Dialog::onInitDialog();
  setDialogFont();
  applyLanguage();
  SendDialogItemMessage(handle(), control_id::AboutFirstLine, msg::SetFont,
                        reinterpret_cast<WParam>(session().screenFonts[ScreenFont::Heading]), 1);
  icon_ = LoadSettingsIcon(session(), {32, 32});
  if (icon_ != nullptr) {
    WindowCreation creation;
    creation.className = static_control::kClassName;
    creation.style = style::Child | style::Visible | static_control::Icon;
    creation.rect = {32, 22, 64, 54};
    creation.parent = handle();
    creation.id = control_id::AboutIcon;
    if (const WindowHandle iconStatic = CreateWindow(creation))
      SendMessage(iconStatic, static_control::SetImage, 1, HandleToParam(icon_));
  }
  const AboutText lines = LoadAboutText(session().dataDirectory(), session().language);
  for (std::size_t i = 0; i < kAboutLines; ++i) {
    const WindowHandle line = item(control_id::AboutFirstLine + static_cast<int>(i));
    if (lines[i].empty())
      ShowWindow(line, ShowCommand::Hide);
    else
      SetWindowText(line, lines[i]);
  }
  return true;
}

}  // namespace qiv
