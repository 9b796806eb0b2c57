// The state of a dialog window, shared by the files of the dialog manager.
#pragma once

#include "platform/ui/dialog_template.h"
#include "platform/ui/font.h"
#include "windows/window_system.h"

namespace platform::ui::detail {

class DialogState : public ClassState {
 public:
  DialogState(FontHandle font, bool ownsFont, Size baseUnits) : font(font), ownsFont(ownsFont), baseUnits(baseUnits) {}
  ~DialogState() override {
    if (ownsFont) DeleteFont(font);
  }
  DialogState(const DialogState&) = delete;
  DialogState& operator=(const DialogState&) = delete;

  FontHandle font;
  bool ownsFont;
  Size baseUnits;
  int defaultId = 0;  // 0: none
  bool modal = false;
  bool ended = false;
  LResult result = 0;
};

// What CreateWindow hands the dialog class in WindowCreation::createParam.
struct DialogCreation {
  FontHandle font = nullptr;
  Size baseUnits;
  bool fontTaken = false;  // the dialog's state owns the font now
};

}  // namespace platform::ui::detail
