// The dialog manager's keyboard navigation: tab order, groups, the default
// push button, Enter and Esc.
#include <algorithm>
#include <vector>

#include "platform/ui/backend.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/keys.h"
#include "platform/ui/window.h"
#include "windows/window_system.h"

namespace platform::ui {

namespace {

// The dialog's controls in z-order; the children of a control with
// exstyle::ControlParent stand in its place.
void CollectControls(WindowHandle parent, std::vector<WindowHandle>& controls) {
  for (WindowHandle child : ChildWindows(parent)) {
    if (WindowExStyle(child) & exstyle::ControlParent)
      CollectControls(child, controls);
    else
      controls.push_back(child);
  }
}

std::vector<WindowHandle> ControlsOf(WindowHandle dialog) {
  std::vector<WindowHandle> controls;
  CollectControls(dialog, controls);
  return controls;
}

// Visible and enabled up to the dialog.
bool TakesInput(WindowHandle dialog, WindowHandle control) {
  for (WindowHandle at = control; at != nullptr && at != dialog; at = ParentWindow(at))
    if (!(WindowStyle(at) & style::Visible) || (WindowStyle(at) & style::Disabled)) return false;
  return true;
}

// The position of the control, or of the one holding it, in the list.
std::ptrdiff_t IndexOf(const std::vector<WindowHandle>& controls, WindowHandle control) {
  for (WindowHandle at = control; at != nullptr; at = ParentWindow(at)) {
    auto it = std::find(controls.begin(), controls.end(), at);
    if (it != controls.end()) return it - controls.begin();
  }
  return -1;
}

LResult DialogCodeOf(WindowHandle control, Message* message) {
  return SendMessage(control, msg::GetDialogCode, message ? message->wParam : 0, reinterpret_cast<LParam>(message));
}

bool IsStaticLike(WindowHandle control) { return (DialogCodeOf(control, nullptr) & dialog_code::Static) != 0; }

// The button that stands for a command id, and whether pressing it may go
// ahead (a disabled one beeps instead).
bool PressCommand(WindowHandle dialog, int id, WindowHandle button) {
  if (button == nullptr) button = DialogItem(dialog, id);
  if (button != nullptr && !IsWindowUsable(button)) {
    MessageBeep(0);
    return false;
  }
  SendMessage(dialog, msg::Command, CommandParam(id, button::Clicked), HandleToParam(button));
  return true;
}

void PressEnter(WindowHandle dialog, WindowHandle focus, LResult focusCode) {
  if (focus != nullptr && (focusCode & (dialog_code::DefaultPushButton | dialog_code::PushButton)) &&
      IsWindowUsable(focus)) {
    PressCommand(dialog, WindowId(focus), focus);
    return;
  }
  const auto answer = static_cast<std::uintptr_t>(SendMessage(dialog, msg::DialogGetDefaultId));
  const int id = HighWord(answer) == kHasDefaultId ? static_cast<int>(LowWord(answer)) : command_id::Ok;
  PressCommand(dialog, id, nullptr);
}

// A dialog that is a control of another (a child with
// exstyle::ControlParent, such as a property sheet's page) leaves the
// keyboard to the dialog it lies in: navigation runs there, so that one
// tab order covers both.
WindowHandle NavigationRoot(WindowHandle dialog) {
  WindowHandle root = dialog;
  while ((WindowStyle(root) & style::Child) && (WindowExStyle(root) & exstyle::ControlParent)) {
    const WindowHandle parent = ParentWindow(root);
    if (parent == nullptr) break;
    root = parent;
  }
  return root;
}

// A control parent between the focus and the dialog may claim a key
// (answering dialog_code::WantMessage to msg::GetDialogCode): a property
// sheet takes Ctrl+Tab wherever the focus is inside it. The key-down then
// goes to it.
bool OfferToControlParents(WindowHandle dialog, WindowHandle from, Message& message) {
  for (WindowHandle at = from ? ParentWindow(from) : nullptr; at != nullptr && at != dialog; at = ParentWindow(at)) {
    if (!(WindowExStyle(at) & exstyle::ControlParent)) continue;
    if (DialogCodeOf(at, &message) & dialog_code::WantMessage) {
      SendMessage(at, message.message, message.wParam, message.lParam);
      return true;
    }
  }
  return false;
}

}  // namespace

WindowHandle NextDialogTabItem(WindowHandle dialog, WindowHandle control, bool previous) {
  if (!IsWindow(dialog)) return nullptr;
  const std::vector<WindowHandle> controls = ControlsOf(dialog);
  const auto count = static_cast<std::ptrdiff_t>(controls.size());
  if (count == 0) return nullptr;
  const std::ptrdiff_t at = IndexOf(controls, control);
  const std::ptrdiff_t step = previous ? -1 : 1;
  std::ptrdiff_t index = at >= 0 ? at : (previous ? 0 : count - 1);
  for (std::ptrdiff_t n = 0; n < count; ++n) {
    index = (index + step + count) % count;
    const WindowHandle candidate = controls[static_cast<std::size_t>(index)];
    if ((WindowStyle(candidate) & style::TabStop) && TakesInput(dialog, candidate)) return candidate;
  }
  return nullptr;
}

WindowHandle NextDialogGroupItem(WindowHandle dialog, WindowHandle control, bool previous) {
  if (!IsWindow(dialog)) return nullptr;
  const std::vector<WindowHandle> controls = ControlsOf(dialog);
  const std::ptrdiff_t at = IndexOf(controls, control);
  if (at < 0) return nullptr;
  std::ptrdiff_t first = at;
  while (first > 0 && !(WindowStyle(controls[static_cast<std::size_t>(first)]) & style::Group)) --first;
  std::ptrdiff_t end = at + 1;
  while (end < static_cast<std::ptrdiff_t>(controls.size()) &&
         !(WindowStyle(controls[static_cast<std::size_t>(end)]) & style::Group))
    ++end;
  const std::ptrdiff_t size = end - first;
  const std::ptrdiff_t step = previous ? -1 : 1;
  std::ptrdiff_t index = at - first;
  for (std::ptrdiff_t n = 1; n < size; ++n) {
    index = (index + step + size) % size;
    const WindowHandle candidate = controls[static_cast<std::size_t>(first + index)];
    if (TakesInput(dialog, candidate) && !IsStaticLike(candidate)) return candidate;
  }
  return controls[static_cast<std::size_t>(at)];
}

void SetDialogFocus(WindowHandle control) {
  if (!IsWindow(control)) return;
  if (DialogCodeOf(control, nullptr) & dialog_code::HasSetSelection) SendMessage(control, edit::SetSelection, 0, -1);
  SetFocus(control);
}

bool IsDialogMessage(WindowHandle dialog, Message& message) {
  if (!IsWindow(dialog)) return false;
  dialog = NavigationRoot(dialog);
  if (message.window != dialog && !IsDescendant(dialog, message.window)) return false;
  if (message.message == msg::KeyDown) {
    const LResult code = DialogCodeOf(message.window, &message);
    const WindowHandle focus = GetFocus();
    const WindowHandle from = IsDescendant(dialog, focus) ? focus : nullptr;
    if (!(code & dialog_code::WantMessage)) {
      switch (message.wParam) {
        case key::Tab:
          if (code & dialog_code::WantTab) break;
          if (IsKeyDown(key::Control) && OfferToControlParents(dialog, from, message)) return true;
          if (const WindowHandle next = NextDialogTabItem(dialog, from, IsKeyDown(key::Shift))) SetDialogFocus(next);
          return true;
        case key::Left:
        case key::Up:
        case key::Right:
        case key::Down: {
          if (code & dialog_code::WantArrows) break;
          if (from == nullptr) return true;
          const bool back = message.wParam == key::Left || message.wParam == key::Up;
          const WindowHandle next = NextDialogGroupItem(dialog, from, back);
          if (next == nullptr || next == from) return true;
          SetDialogFocus(next);
          if (IsWindowOfClass(next, button::kClassName) &&
              button::TypeOf(WindowStyle(next)) == button::AutoRadioButton && GetFocus() == next)
            SendMessage(next, button::Click);
          return true;
        }
        case key::Enter:
          PressEnter(dialog, from, from == message.window ? code : DialogCodeOf(from, nullptr));
          return true;
        case key::Escape: PressCommand(dialog, command_id::Cancel, nullptr); return true;
        default: break;
      }
    }
  }
  TranslateMessage(message);
  DispatchMessage(message);
  return true;
}

}  // namespace platform::ui
