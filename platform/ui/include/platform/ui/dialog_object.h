// The class-library dialog: a window object (window_object.h) for a dialog
// built from a template, run modally (doModal) or modeless
// (createModeless). Its message map comes first; then msg::InitDialog goes
// to onInitDialog, and the commands command_id::Ok and command_id::Cancel
// (a button, Enter, Esc, or an accelerator) to onOK and onCancel, which end
// the dialog with 1 and 2 unless a subclass overrides them. Its
// pre-translation is the dialog manager's keyboard navigation
// (IsDialogMessage); a subclass that pre-translates more (accelerators,
// say) does so before calling Dialog::preTranslateMessage.
#pragma once

#include <optional>

#include "platform/ui/dialog.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/window_object.h"

namespace platform::ui {

class Dialog : public Window {
 public:
  // A dialog of a registered template (dialog_template.h).
  explicit Dialog(int templateId, WindowHandle parent = nullptr);
  // A dialog of a template built in code.
  explicit Dialog(DialogTemplate dialogTemplate, WindowHandle parent = nullptr);

  // The end code; -1 when the template is missing, the dialog cannot be
  // created or is destroyed, or a quit ended it.
  LResult doModal();
  // False when the template is missing or the dialog cannot be created.
  bool createModeless();
  void endDialog(LResult result);

  WindowHandle item(int id) const { return DialogItem(handle(), id); }
  WindowHandle parent() const { return parent_; }
  bool preTranslateMessage(Message& message) override;

 protected:
  // True puts the focus on the first tab stop; false says the dialog has
  // set the focus itself.
  virtual bool onInitDialog() { return defaultProcedure() != 0; }
  virtual void onOK() { endDialog(command_id::Ok); }
  virtual void onCancel() { endDialog(command_id::Cancel); }
  LResult windowProcedure(const Message& message) override;
  // The code the modal loop gives the message-filter hooks.
  void setLoopFilterCode(int code) { filterCode_ = code; }

 private:
  const DialogTemplate* findTemplate() const;

  int templateId_ = 0;
  std::optional<DialogTemplate> ownTemplate_;
  WindowHandle parent_ = nullptr;
  int filterCode_ = filter_code::DialogBox;
};

}  // namespace platform::ui
