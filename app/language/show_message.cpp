#include "language/show_message.h"

#include "dialogs/question_dialog.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_box.h"
#include "shell/qiv_session.h"

namespace qiv {

using namespace platform::ui;

int ShowMessage(QivSession& session, WindowHandle ownerDialog, int type, WindowHandle ownerWindow) {
  if (type < 0 || type > 2 || !session.context) return 0;
  const std::int32_t number = session.context->lastErrorCode();
  const std::string text = session.text(number, kMessageTextLimit);
  const RatekitBindings& bindings = session.bindings;
  switch (static_cast<MessageType>(type)) {
    case MessageType::Warning: {
      const std::string caption = session.text(100, kMessageCaptionLimit);
      if (bindings.warning != nullptr) bindings.warning(text.c_str(), caption.c_str(), number, ownerWindow);
      return 1;
    }
    case MessageType::Fatal: {
      const std::string caption = session.text(123, kMessageCaptionLimit);
      if (bindings.fatal != nullptr) bindings.fatal(text.c_str(), caption.c_str(), number);
      return 1;
    }
    case MessageType::Question: break;
  }
  QuestionDialog question(session, ownerDialog, text, std::string(), number);
  return question.doModal() == command_id::Ok ? 1 : 0;
}

}  // namespace qiv
