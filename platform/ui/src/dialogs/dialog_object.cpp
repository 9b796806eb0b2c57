#include "platform/ui/dialog_object.h"

#include <utility>

namespace platform::ui {

Dialog::Dialog(int templateId, WindowHandle parent) : templateId_(templateId), parent_(parent) {}

Dialog::Dialog(DialogTemplate dialogTemplate, WindowHandle parent)
    : templateId_(dialogTemplate.id), ownTemplate_(std::move(dialogTemplate)), parent_(parent) {}

const DialogTemplate* Dialog::findTemplate() const {
  return ownTemplate_ ? &*ownTemplate_ : FindDialogTemplate(templateId_);
}

LResult Dialog::doModal() {
  const DialogTemplate* dialogTemplate = findTemplate();
  if (dialogTemplate == nullptr || handle() != nullptr) return -1;
  return DialogBox(*dialogTemplate, parent_, this, 0, filterCode_);
}

bool Dialog::createModeless() {
  const DialogTemplate* dialogTemplate = findTemplate();
  if (dialogTemplate == nullptr || handle() != nullptr) return false;
  return CreateDialogWindow(*dialogTemplate, parent_, this) != nullptr;
}

void Dialog::endDialog(LResult result) { EndDialog(handle(), result); }

bool Dialog::preTranslateMessage(Message& message) { return IsDialogMessage(handle(), message); }

LResult Dialog::windowProcedure(const Message& message) {
  if (std::optional<LResult> handled = messageMap().dispatch(message)) return *handled;
  if (message.message == msg::InitDialog) return onInitDialog() ? 1 : 0;
  if (message.message == msg::Command && HighWord(message.wParam) <= 1) {
    const int id = static_cast<int>(LowWord(message.wParam));
    if (id == command_id::Ok) {
      onOK();
      return 0;
    }
    if (id == command_id::Cancel) {
      onCancel();
      return 0;
    }
  }
  return dispatchTyped(message);
}

}  // namespace platform::ui
