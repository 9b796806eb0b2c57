// Dialog items by id, dialog units and centring.
#include <algorithm>
#include <charconv>
#include <string>

#include "dialog_state.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/dialog.h"
#include "platform/ui/metrics.h"
#include "platform/ui/window.h"

namespace platform::ui {

WindowHandle DialogItem(WindowHandle dialog, int id) { return ChildWithId(dialog, id); }

LResult SendDialogItemMessage(WindowHandle dialog, int id, MessageId message, WParam wParam, LParam lParam) {
  return SendMessage(DialogItem(dialog, id), message, wParam, lParam);
}

std::string DialogItemText(WindowHandle dialog, int id) { return WindowText(DialogItem(dialog, id)); }

bool SetDialogItemText(WindowHandle dialog, int id, std::string_view text) {
  return SetWindowText(DialogItem(dialog, id), text);
}

std::optional<long long> DialogItemInt(WindowHandle dialog, int id, bool isSigned) {
  const WindowHandle item = DialogItem(dialog, id);
  if (item == nullptr) return std::nullopt;
  const std::string text = WindowText(item);
  std::string_view digits = text;
  while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
  bool negative = false;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    if (!isSigned) return std::nullopt;
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty()) return std::nullopt;
  unsigned long long magnitude = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  const unsigned long long limit = isSigned ? (negative ? 0x80000000ull : 0x7FFFFFFFull) : 0xFFFFFFFFull;
  if (magnitude > limit) return std::nullopt;
  return negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
}

bool SetDialogItemInt(WindowHandle dialog, int id, long long value) {
  return SetDialogItemText(dialog, id, std::to_string(value));
}

bool CheckDialogButton(WindowHandle dialog, int id, WParam state) {
  const WindowHandle item = DialogItem(dialog, id);
  if (item == nullptr) return false;
  SendMessage(item, button::SetCheck, state);
  return true;
}

WParam DialogButtonCheck(WindowHandle dialog, int id) {
  return static_cast<WParam>(SendDialogItemMessage(dialog, id, button::GetCheck));
}

bool CheckRadioButton(WindowHandle dialog, int firstId, int lastId, int checkId) {
  if (!IsWindow(dialog) || firstId > lastId) return false;
  for (int id = firstId; id <= lastId; ++id)
    if (const WindowHandle item = DialogItem(dialog, id))
      SendMessage(item, button::SetCheck, id == checkId ? button::Checked : button::Unchecked);
  return true;
}

bool CenterWindow(WindowHandle window, WindowHandle reference) {
  if (!IsWindow(window)) return false;
  const WindowHandle parent = ParentWindow(window);
  if (reference == nullptr) reference = parent ? parent : OwnerWindow(window);
  const Rect screen{0, 0, GetSystemMetric(SystemMetric::ScreenWidth), GetSystemMetric(SystemMetric::ScreenHeight)};
  const Rect around =
      reference && IsWindowVisible(reference) && !IsMinimized(reference) ? WindowRect(reference) : screen;
  const Rect own = WindowRect(window);
  Point at{around.left + (around.width() - own.width()) / 2, around.top + (around.height() - own.height()) / 2};
  if (parent == nullptr) {
    at.x = std::max(screen.left, std::min(at.x, screen.right - own.width()));
    at.y = std::max(screen.top, std::min(at.y, screen.bottom - own.height()));
  } else {
    at = ScreenToClient(parent, at);
  }
  return SetWindowPosition(window, nullptr, Rect::FromSize(at.x, at.y, own.width(), own.height()),
                           position::NoSize | position::NoZOrder | position::NoActivate);
}

Size DialogBaseUnits(WindowHandle dialog) {
  const detail::DialogState* state = detail::StateOf<detail::DialogState>(dialog);
  return state ? state->baseUnits : SystemDialogBaseUnits();
}

Size SystemDialogBaseUnits() {
  const FontMetrics metrics = MeasureFont(DefaultGuiFont());
  return {metrics.averageCharWidth, metrics.height};
}

Rect DialogUnitsToPixels(Size baseUnits, Rect dialogUnits) {
  return {MulDiv(dialogUnits.left, baseUnits.width, 4), MulDiv(dialogUnits.top, baseUnits.height, 8),
          MulDiv(dialogUnits.right, baseUnits.width, 4), MulDiv(dialogUnits.bottom, baseUnits.height, 8)};
}

Rect MapDialogRect(WindowHandle dialog, Rect dialogUnits) {
  return DialogUnitsToPixels(DialogBaseUnits(dialog), dialogUnits);
}

}  // namespace platform::ui
