// Keyboard focus, activation, capture and hit testing.
#include "platform/ui/focus.h"

#include <algorithm>
#include <utility>

#include "platform/ui/messages.h"
#include "platform/ui/window.h"
#include "windows/window_system.h"

namespace platform::ui {

using detail::Find;
using detail::WindowRecord;
using detail::WindowSystem;

namespace {

bool IsLiving(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record && !record->destroying;
}

void RememberFocusIn(WindowHandle window) {
  if (WindowRecord* top = Find(TopLevelWindow(window))) top->lastFocus = window;
}

WindowHandle Activate(WindowHandle window, bool byClick) {
  WindowSystem& system = WindowSystem::Get();
  if (window != nullptr) {
    window = TopLevelWindow(window);
    if (!IsLiving(window)) return nullptr;
  }
  const WindowHandle old = system.active;
  if (old == window) return old;
  system.active = window;
  // Both captions show the change.
  for (WindowHandle changed : {old, window})
    if (WindowRecord* record = Find(changed)) record->frameInvalid = record->redraw;
  if (window != nullptr) {
    auto& order = system.topLevel;
    order.erase(std::remove(order.begin(), order.end(), window), order.end());
    order.insert(order.begin(), window);
  }
  if (IsWindow(old))
    SendMessage(old, msg::Activate, MakeLong(activation::Inactive, IsMinimized(old) ? 1 : 0), HandleToParam(window));
  if (system.active != window) return old;
  if (window != nullptr)
    SendMessage(window, msg::Activate,
                MakeLong(byClick ? activation::ClickActive : activation::Active, IsMinimized(window) ? 1 : 0),
                HandleToParam(old));
  return old;
}

}  // namespace

WindowHandle SetFocus(WindowHandle window) {
  WindowSystem& system = WindowSystem::Get();
  if (window != nullptr && (!IsLiving(window) || !IsWindowUsable(window))) return nullptr;
  const WindowHandle previous = system.focus;
  if (window == previous) return previous;
  system.focus = window;
  const std::uint64_t serial = ++system.focusSerial;
  if (window != nullptr) RememberFocusIn(window);
  WindowHandle losing = nullptr;
  if (system.notified != nullptr && system.notified != window) {
    losing = std::exchange(system.notified, nullptr);
    SendMessage(losing, msg::KillFocus, reinterpret_cast<WParam>(window), 0);
  }
  // A change made while the old window let go of the focus wins.
  if (system.focusSerial != serial) return previous;
  if (window != nullptr && IsWindow(window)) {
    system.notified = window;
    SendMessage(window, msg::SetFocus, reinterpret_cast<WParam>(losing ? losing : previous), 0);
    if (system.focusSerial == serial && IsWindow(window)) {
      const WindowHandle top = TopLevelWindow(window);
      if (top != system.active) Activate(top, false);
    }
  }
  return previous;
}

WindowHandle GetFocus() {
  WindowSystem& system = WindowSystem::Get();
  return IsWindow(system.focus) ? system.focus : nullptr;
}

WindowHandle SetActiveWindow(WindowHandle window) { return Activate(window, false); }

WindowHandle GetActiveWindow() {
  WindowSystem& system = WindowSystem::Get();
  return IsWindow(system.active) ? system.active : nullptr;
}

WindowHandle SetCapture(WindowHandle window) {
  WindowSystem& system = WindowSystem::Get();
  if (!IsLiving(window)) return nullptr;
  const WindowHandle previous = system.capture;
  system.capture = window;
  if (previous != nullptr && previous != window && IsWindow(previous))
    SendMessage(previous, msg::CaptureChanged, 0, HandleToParam(window));
  return previous;
}

bool ReleaseCapture() {
  WindowSystem& system = WindowSystem::Get();
  const WindowHandle previous = std::exchange(system.capture, nullptr);
  if (IsWindow(previous)) SendMessage(previous, msg::CaptureChanged, 0, 0);
  return true;
}

WindowHandle GetCapture() {
  WindowSystem& system = WindowSystem::Get();
  return IsWindow(system.capture) ? system.capture : nullptr;
}

bool IsKeyDown(VirtualKey key) { return WindowSystem::Get().keyDown[key & 0xFF]; }

Point CursorPosition() { return WindowSystem::Get().cursor; }

WindowHandle ChildWindowFromPoint(WindowHandle parent, Point point, unsigned skip) {
  WindowRecord* record = Find(parent);
  if (record == nullptr || !ClientRect(parent).contains(point)) return nullptr;
  for (WindowHandle child : record->children) {
    WindowRecord* childRecord = Find(child);
    if (childRecord == nullptr || !childRecord->rect.contains(point)) continue;
    if ((skip & child_from_point::SkipInvisible) && !(childRecord->style & style::Visible)) continue;
    if ((skip & child_from_point::SkipDisabled) && (childRecord->style & style::Disabled)) continue;
    return child;
  }
  return parent;
}

namespace {

WindowHandle DeepestAt(WindowHandle window, Point screenPoint) {
  for (WindowHandle child : ChildWindows(window)) {
    WindowRecord* record = Find(child);
    if (record == nullptr || !(record->style & style::Visible) || !WindowRect(child).contains(screenPoint)) continue;
    if (record->style & style::Disabled) return window;
    if (SendMessage(child, msg::NcHitTest, 0, PointToParam(screenPoint)) == hit::Transparent) continue;
    return DeepestAt(child, screenPoint);
  }
  return window;
}

}  // namespace

WindowHandle WindowFromPoint(Point screenPoint) {
  for (WindowHandle top : WindowSystem::Get().topLevel) {
    WindowRecord* record = Find(top);
    if (record && (record->style & style::Visible) && record->rect.contains(screenPoint))
      return DeepestAt(top, screenPoint);
  }
  return nullptr;
}

}  // namespace platform::ui

namespace platform::ui::detail {

WindowHandle ActivateByClick(WindowHandle window) { return Activate(window, true); }

FocusState SaveFocusState() {
  WindowSystem& system = WindowSystem::Get();
  return {system.focus, system.notified, system.focusSerial};
}

void RestoreFocusState(const FocusState& state) {
  WindowSystem& system = WindowSystem::Get();
  const WindowHandle target = IsLiving(state.focus) ? state.focus : nullptr;
  const WindowHandle current = system.notified;
  system.focus = target;
  const std::uint64_t serial = ++system.focusSerial;
  if (current != nullptr && current != state.notified) {
    system.notified = nullptr;
    SendMessage(current, msg::KillFocus, reinterpret_cast<WParam>(target), 0);
    if (system.focusSerial != serial) return;
  }
  system.focusSerial = state.serial;
  if (target == nullptr) return;
  RememberFocusIn(target);
  if (state.notified == target && system.notified != target) {
    system.notified = target;
    SendMessage(target, msg::SetFocus, reinterpret_cast<WParam>(current), 0);
  }
}

void MoveFocusOutOf(WindowHandle window) {
  WindowSystem& system = WindowSystem::Get();
  const WindowHandle focus = system.focus;
  if (focus == nullptr || (focus != window && !IsDescendant(window, focus))) return;
  const WindowHandle parent = ParentWindow(window);
  if (parent != nullptr && IsLiving(parent) && IsWindowUsable(parent))
    SetFocus(parent);
  else
    SetFocus(nullptr);
}

void ActivateAfterLosing(WindowHandle window) {
  WindowSystem& system = WindowSystem::Get();
  auto usable = [&](WindowHandle candidate) {
    return candidate != window && IsLiving(candidate) && IsWindowVisible(candidate) && IsWindowEnabled(candidate);
  };
  WindowHandle next = OwnerWindow(window);
  if (!usable(next)) {
    next = nullptr;
    for (WindowHandle top : system.topLevel)
      if (usable(top)) {
        next = top;
        break;
      }
  }
  Activate(next, false);
}

void ForgetWindow(WindowHandle window) {
  WindowSystem& system = WindowSystem::Get();
  auto inside = [&](WindowHandle other) { return other == window || IsDescendant(window, other); };
  system.timers.erase(std::remove_if(system.timers.begin(), system.timers.end(),
                                     [&](const TimerRecord& t) { return inside(t.window); }),
                      system.timers.end());
  for (WindowHandle top : system.topLevel)
    if (WindowRecord* record = Find(top); record && inside(record->lastFocus)) record->lastFocus = nullptr;
  if (inside(system.notified)) system.notified = nullptr;
  if (inside(system.focus)) system.focus = nullptr;
  if (inside(system.mainWindow)) system.mainWindow = nullptr;
  if (inside(system.lastClick.window)) system.lastClick.valid = false;
}

}  // namespace platform::ui::detail
