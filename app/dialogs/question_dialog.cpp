#include "dialogs/question_dialog.h"

#include "dialogs/dialog_ids.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/dialog.h"

namespace qiv {

using namespace platform::ui;

QuestionDialog::QuestionDialog(QivSession& session, WindowHandle parent, std::string text, std::string caption,
                               std::int32_t number)
    : QivDialog(session, dialog_id::Question, parent),
      text_(text.substr(0, kTextLimit)),
      caption_(caption.substr(0, kCaptionLimit)),
      number_(number) {
  messageMap().onCommand(control_id::QuestionYes, [this] { endDialog(command_id::Ok); });
  messageMap().onCommand(control_id::QuestionNo, [this] { endDialog(command_id::Cancel); });
}

bool QuestionDialog::onInitDialog() {
  Dialog::onInitDialog();
  setDialogFont();
  if (caption_.empty()) caption_ = text(152, kCaptionLimit);
  setText(caption_);
  if (text_.empty()) text_ = text(number_, kTextLimit);
  SetDialogItemText(handle(), control_id::QuestionText, text_);
  SetDialogItemText(handle(), control_id::QuestionNo, text(252, kButtonLimit));
  SetDialogItemText(handle(), control_id::QuestionYes, text(251, kButtonLimit));
  SetDialogFocus(item(control_id::QuestionYes));
  return false;
}

}  // namespace qiv
