#include "shell/qiv_program.h"

#include "platform/ui/dialog.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/window.h"
#include "screen/rating_dialog.h"
#include "shell/qiv_session.h"

namespace qiv {

using namespace platform::ui;

namespace {

// A quit posted during the start-up (by a fatal message) is not for any
// loop after the screen: it is taken away with what else is left queued.
void DiscardPendingMessages() {
  Message message;
  while (PeekMessage(message)) {}
}

}  // namespace

int RunQiv(QivEnvironment environment) {
  QivSession session(std::move(environment));
  session.applicationFont = session.environment.createFont(ApplicationFontSpec());
  if (session.applicationFont == nullptr) {
    session.reportSilentEnd("the application font cannot be made");
    return kExitFailed;
  }
  LResult end = -1;
  bool startupFailed = false;
  {
    RatingDialog screen(session);
    // MenuSelectHook: the highlighted item's status text while a menu is open.
    const int hook = AddMessageFilterHook([&session](int code, Message& message) {
      if (code == filter_code::Menu && message.message == msg::MenuSelect && session.mainWindow != nullptr &&
          session.updateStatusMessage != 0)
        SendMessage(session.mainWindow, session.updateStatusMessage, 4, LowWord(message.wParam));
      return false;
    });
    end = screen.doModal();
    RemoveMessageFilterHook(hook);
    screen.releaseLibraries();
    startupFailed = screen.startupFailed();
  }
  SetApplicationMainWindow(nullptr);
  DiscardPendingMessages();
  DeleteFont(session.applicationFont);
  if (startupFailed) return kExitFailed;
  return end == command_id::Ok || end == command_id::Cancel ? kExitOk : kExitFailed;
}

}  // namespace qiv
