// The "Static" class.
#include "platform/ui/controls/static_control.h"

#include <memory>
#include <utility>

#include "platform/ui/window.h"
#include "window_system.h"

namespace platform::ui::detail {

namespace {

class StaticState : public ControlState {
 public:
  LParam image = 0;
};

LResult StaticProcedure(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  StaticState* state = ControlStateFor<StaticState>(window, message);
  if (state == nullptr) return DefaultWindowProcedure(window, message, wParam, lParam);
  WindowRecord* record = Find(window);
  if (LResult result = 0; HandleFontMessage(*state, message, wParam, result)) return result;
  switch (message) {
    case msg::GetDialogCode:
      return dialog_code::Static;
    case msg::NcHitTest:
      if (!(record->style & static_control::Notify)) return hit::Transparent;
      return DefaultWindowProcedure(window, message, wParam, lParam);
    case static_control::SetImage:
      return std::exchange(state->image, lParam);
    case static_control::GetImage:
      return state->image;
    default:
      return DefaultWindowProcedure(window, message, wParam, lParam);
  }
}

}  // namespace

void RegisterStaticClass() {
  RegisterWindowClass({static_control::kClassName, &StaticProcedure, class_style::ParentDc, 0});
}

}  // namespace platform::ui::detail
