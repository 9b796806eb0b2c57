// ShowMessage: the message whose number is the RatingContext's
// LastErrorCode, in the current language, shown as
//   type 0  a warning (caption: text 100) through Ratekit32's `warning`,
//           owned by the owner window; answers 1;
//   type 1  a fatal error (caption: text 123) through Ratekit32's `fatal`,
//           which posts the quit with the number as its code; answers 1;
//   type 2  a question (QuestionDialog): 1 for Yes, 0 for No;
//   other   nothing; answers 0.
// The text is cut to 179 characters and the caption to 14. An empty text
// leaves the choice of text to Ratekit32 (its own text for the number) or
// to the question (which looks the number up again).
#pragma once

#include "platform/ui/types.h"

namespace qiv {

struct QivSession;

enum class MessageType { Warning = 0, Fatal = 1, Question = 2 };

int ShowMessage(QivSession& session, platform::ui::WindowHandle ownerDialog, int type,
                platform::ui::WindowHandle ownerWindow);
inline int ShowMessage(QivSession& session, platform::ui::WindowHandle owner, MessageType type) {
  return ShowMessage(session, owner, static_cast<int>(type), owner);
}

inline constexpr std::size_t kMessageTextLimit = 179;
inline constexpr std::size_t kMessageCaptionLimit = 14;

}  // namespace qiv
