#include "dialogs/pdf_document.h"

#include "platform/ui/message_box.h"
#include "shell/qiv_session.h"

namespace qiv {

using namespace platform::ui;

bool OpenPdfDocument(const QivSession& session, std::string_view path, WindowHandle owner) {
  platform::desktop::Opener* opener = session.environment.opener;
  const platform::desktop::DesktopResult result =
      opener != nullptr ? opener->openDocument(path)
                        : platform::desktop::DesktopResult{platform::desktop::DesktopOutcome::NoProgram};
  if (result.ok()) return true;
  if (result.outcome == platform::desktop::DesktopOutcome::NoProgram) {
    MessageBox(owner, kNoPdfReaderText, kNoPdfReaderCaption, message_box::IconExclamation);
    return false;
  }
  const std::string text = "Adobe Acrobat failed to start. - " + std::to_string(result.code) + " " + result.program;
  MessageBox(owner, text, "WARNING", message_box::Ok);
  return false;
}

}  // namespace qiv
