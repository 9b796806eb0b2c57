// The menu loop: the menu bar worked from the keyboard or with the mouse,
// its highlight reported through the message-filter hooks, and its
// geometry.
#include <algorithm>
#include <utility>

#include "menu_popup.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/keys.h"
#include "platform/ui/menu.h"
#include "platform/ui/messages.h"
#include "platform/ui/metrics.h"
#include "windows/window_system.h"

namespace platform::ui {

namespace {

constexpr int kBarPadding = 12;

MenuTracking& Tracking() {
  static MenuTracking tracking;
  return tracking;
}

bool IsSeparator(MenuHandle menu, int position) {
  return (MenuItemFlags(menu, position, MenuLookup::ByPosition) & menu_flag::Separator) != 0;
}

Rect BarRect(WindowHandle window) {
  detail::WindowRecord* record = detail::Find(window);
  if (record == nullptr || record->menu == nullptr) return {};
  const detail::FrameInsets insets = detail::ComputeFrameInsets(*record);
  const Rect outer = WindowRect(window);
  const int bottom = outer.top + insets.top;
  return {outer.left + insets.left, bottom - GetSystemMetric(SystemMetric::MenuBarHeight), outer.right - insets.right,
          bottom};
}

class MenuLoop {
 public:
  MenuLoop(WindowHandle window, MenuHandle bar) : window_(window), bar_(bar) {}

  void run(int openPosition, bool byKeyboard) {
    MenuTracking& tracking = Tracking();
    tracking = {true, window_, -1, false, -1};
    // The loop has the mouse: no activation or clicks reach other windows.
    SetCapture(window_);
    SendMessage(window_, msg::EnterMenuLoop, 0, 0);
    SendMessage(window_, msg::InitMenu, reinterpret_cast<WParam>(bar_), 0);
    if (byKeyboard) {
      highlightBar(std::max(0, openPosition));
    } else {
      const int position = openPosition >= 0 ? openPosition : barItemAt(CursorPosition());
      if (position < 0)
        done_ = true;
      else
        openPopup(position);
    }
    while (!done_ && IsWindow(window_) && IsMenu(bar_)) {
      Message message;
      if (!GetMessage(message)) {
        PostQuitMessage(static_cast<int>(message.wParam));
        break;
      }
      if (CallMessageFilter(message, filter_code::Menu)) continue;
      if (message.message >= msg::KeyFirst && message.message <= msg::KeyLast)
        key(message);
      else if (message.message >= msg::MouseFirst && message.message <= msg::MouseLast)
        mouse(message);
      else if (message.message == msg::NcMouseMove || message.message == msg::NcLeftButtonDown ||
               message.message == msg::NcLeftButtonUp)
        mouse(message);
      else
        DispatchMessage(message);
    }
    closePopupWindow();
    tracking = {};
    if (GetCapture() == window_) ReleaseCapture();
    if (!IsWindow(window_)) return;
    redrawBar();
    SendMessage(window_, msg::MenuSelect, MakeLong(0, 0xFFFF), 0);
    SendMessage(window_, msg::ExitMenuLoop, 0, 0);
    if (helpFor_ != 0) {
      HelpInfo info;
      info.source = HelpInfo::Source::MenuItem;
      info.controlId = helpFor_;
      info.menu = helpMenu_;
      info.mouse = CursorPosition();
      SendMessage(window_, msg::Help, 0, reinterpret_cast<LParam>(&info));
    }
    if (chosen_ != 0 && IsWindow(window_)) PostMessage(window_, msg::Command, CommandParam(chosen_, 0), 0);
  }

 private:
  MenuHandle popup() const { return SubMenu(bar_, Tracking().barPosition); }

  // Reports the highlight: to the hooks, then to the window.
  void report(MenuHandle menu, int position) {
    const unsigned flags = MenuItemFlags(menu, position, MenuLookup::ByPosition);
    const MenuHandle sub = SubMenu(menu, position);
    const int item = sub != nullptr ? position : MenuItemId(menu, position);
    Message select;
    select.window = window_;
    select.message = msg::MenuSelect;
    select.wParam = MakeLong(static_cast<unsigned>(item), (flags | menu_flag::Highlighted) & 0xFFFF);
    select.lParam = HandleToParam(menu);
    select.point = CursorPosition();
    if (CallMessageFilter(select, filter_code::Menu)) return;
    SendMessage(window_, msg::MenuSelect, select.wParam, select.lParam);
  }

  // The bar's titles are drawn with the frame.
  void redrawBar() {
    if (detail::WindowRecord* record = detail::Find(window_)) record->frameInvalid = record->redraw;
  }

  void closePopupWindow() {
    MenuTracking& tracking = Tracking();
    if (tracking.popupWindow != nullptr) DestroyWindow(std::exchange(tracking.popupWindow, nullptr));
  }

  void highlightBar(int position) {
    MenuTracking& tracking = Tracking();
    closePopupWindow();
    tracking.barPosition = position;
    tracking.popupOpen = false;
    tracking.popupItem = -1;
    redrawBar();
    report(bar_, position);
  }

  void openPopup(int position) {
    highlightBar(position);
    MenuHandle sub = popup();
    if (sub == nullptr) return;
    SendMessage(window_, msg::InitMenuPopup, reinterpret_cast<WParam>(sub),
                MakeLong(static_cast<unsigned>(position), 0));
    if (!IsWindow(window_) || !IsMenu(sub)) return;
    MenuTracking& tracking = Tracking();
    tracking.popupOpen = true;
    tracking.popupItem = -1;
    const Rect title = MenuBarItemRect(window_, position);
    tracking.popupWindow = detail::ShowMenuPopup(window_, sub, {title.left, title.bottom}, -1);
    redrawBar();
  }

  void highlightItem(int item) {
    MenuTracking& tracking = Tracking();
    tracking.popupItem = item;
    if (tracking.popupWindow != nullptr) detail::HighlightMenuPopupItem(tracking.popupWindow, item);
    if (item >= 0) report(popup(), item);
  }

  // The next item of the open pop-up that is not a separator.
  int step(int from, int direction) const {
    const int count = MenuItemCount(popup());
    if (count <= 0) return -1;
    int at = from;
    for (int n = 0; n < count; ++n) {
      at = (at + direction + count) % count;
      if (!IsSeparator(popup(), at)) return at;
    }
    return -1;
  }

  void choose(int item) {
    const MenuHandle menu = popup();
    const unsigned flags = MenuItemFlags(menu, item, MenuLookup::ByPosition);
    if (flags & (menu_flag::Grayed | menu_flag::Disabled | menu_flag::Separator | menu_flag::Popup)) return;
    chosen_ = MenuItemId(menu, item);
    done_ = true;
  }

  void key(const Message& message) {
    if (message.message != msg::KeyDown && message.message != msg::SysKeyDown) return;
    MenuTracking& tracking = Tracking();
    const int bars = MenuItemCount(bar_);
    switch (message.wParam) {
      case key::Left:
      case key::Right: {
        const int next = (tracking.barPosition + (message.wParam == key::Left ? -1 : 1) + bars) % bars;
        if (tracking.popupOpen) {
          openPopup(next);
          highlightItem(step(-1, 1));
        } else {
          highlightBar(next);
        }
        break;
      }
      case key::Down:
      case key::Up:
        if (!tracking.popupOpen) {
          openPopup(tracking.barPosition);
          highlightItem(message.wParam == key::Down ? step(-1, 1) : step(0, -1));
        } else {
          highlightItem(step(tracking.popupItem < 0 && message.wParam == key::Up ? 0 : tracking.popupItem,
                             message.wParam == key::Down ? 1 : -1));
        }
        break;
      case key::Enter:
        if (!tracking.popupOpen) {
          openPopup(tracking.barPosition);
          highlightItem(step(-1, 1));
        } else if (tracking.popupItem >= 0) {
          choose(tracking.popupItem);
        }
        break;
      case key::Escape:
        if (tracking.popupOpen)
          highlightBar(tracking.barPosition);
        else
          done_ = true;
        break;
      case key::Alt:
      case key::F10: done_ = true; break;
      case key::F1:
        if (tracking.popupOpen && tracking.popupItem >= 0) {
          helpFor_ = MenuItemId(popup(), tracking.popupItem);
          helpMenu_ = popup();
        } else {
          helpFor_ = tracking.barPosition;
          helpMenu_ = bar_;
        }
        done_ = true;
        break;
      default: break;
    }
  }

  int barItemAt(Point screen) const {
    const int count = MenuItemCount(bar_);
    for (int i = 0; i < count; ++i)
      if (MenuBarItemRect(window_, i).contains(screen)) return i;
    return -1;
  }

  int popupItemAt(Point screen) const {
    const MenuTracking& tracking = Tracking();
    if (!tracking.popupOpen) return -1;
    const int count = MenuItemCount(popup());
    for (int i = 0; i < count; ++i)
      if (PopupItemRect(window_, tracking.barPosition, i).contains(screen)) return i;
    return -1;
  }

  void mouse(const Message& message) {
    MenuTracking& tracking = Tracking();
    const Point at = message.point;
    const int barItem = barItemAt(at);
    const int item = popupItemAt(at);
    switch (message.message) {
      case msg::MouseMove:
      case msg::NcMouseMove:
        if (barItem >= 0 && barItem != tracking.barPosition && tracking.popupOpen) openPopup(barItem);
        if (item >= 0 && item != tracking.popupItem && !IsSeparator(popup(), item)) highlightItem(item);
        break;
      case msg::LeftButtonDown:
      case msg::NcLeftButtonDown:
        if (barItem >= 0) {
          if (tracking.popupOpen && barItem == tracking.barPosition)
            done_ = true;  // a second press on the open pop-up's title closes the menu
          else
            openPopup(barItem);
        } else if (item < 0) {
          done_ = true;  // a press outside the menu closes it (and is eaten)
        }
        break;
      case msg::LeftButtonUp:
      case msg::NcLeftButtonUp:
        if (item >= 0) {
          if (item != tracking.popupItem) highlightItem(item);
          choose(item);
        }
        break;
      default: break;
    }
  }

  WindowHandle window_;
  MenuHandle bar_;
  bool done_ = false;
  int chosen_ = 0;
  int helpFor_ = 0;
  MenuHandle helpMenu_ = nullptr;
};

}  // namespace

Rect MenuBarItemRect(WindowHandle window, int position) {
  const MenuHandle bar = GetMenu(window);
  if (bar == nullptr || position < 0 || position >= MenuItemCount(bar)) return {};
  const Rect barRect = BarRect(window);
  int left = barRect.left;
  for (int i = 0;; ++i) {
    const int width = MeasureTextWidth(DefaultGuiFont(), MenuItemText(bar, i, MenuLookup::ByPosition)) + kBarPadding;
    if (i == position) return {left, barRect.top, left + width, barRect.bottom};
    left += width;
  }
}

Rect PopupItemRect(WindowHandle window, int barPosition, int item) {
  const MenuHandle popup = SubMenu(GetMenu(window), barPosition);
  if (popup == nullptr || item < 0 || item >= MenuItemCount(popup)) return {};
  const Rect title = MenuBarItemRect(window, barPosition);
  return detail::LayOutPopupItems(popup, {title.left, title.bottom})[static_cast<std::size_t>(item)];
}

MenuTracking CurrentMenuTracking() { return Tracking(); }

}  // namespace platform::ui

namespace platform::ui::detail {

void TrackMenuBar(WindowHandle window, int openPosition, bool byKeyboard) {
  const MenuHandle bar = GetMenu(window);
  if (bar == nullptr || MenuItemCount(bar) <= 0 || Tracking().active) return;
  MenuLoop(window, bar).run(openPosition, byKeyboard);
}

}  // namespace platform::ui::detail
