// The behaviour every window shares, for what its own procedure passes on.
#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/ui/focus.h"
#include "platform/ui/gdi.h"
#include "platform/ui/keys.h"
#include "platform/ui/messages.h"
#include "platform/ui/paint.h"
#include "platform/ui/window.h"
#include "scroll_bar_tracking.h"
#include "windows/window_system.h"

namespace platform::ui {

using detail::Find;
using detail::WindowRecord;

namespace {

LResult CopyTextOut(const std::string& text, WParam capacity, LParam buffer) {
  if (buffer == 0 || capacity == 0) return 0;
  const std::size_t count = std::min<std::size_t>(text.size(), capacity - 1);
  char* out = reinterpret_cast<char*>(buffer);
  std::memcpy(out, text.data(), count);
  out[count] = '\0';
  return static_cast<LResult>(count);
}

void SendHelpFor(WindowHandle window) {
  HelpInfo info;
  info.source = HelpInfo::Source::Window;
  info.controlId = WindowId(window);
  info.window = window;
  info.mouse = CursorPosition();
  SendMessage(window, msg::Help, 0, reinterpret_cast<LParam>(&info));
}

}  // namespace

LResult DefaultWindowProcedure(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return 0;
  switch (message) {
    case msg::NcCreate: {
      const auto* creation = reinterpret_cast<const WindowCreation*>(lParam);
      if (creation != nullptr) record->text = std::string(creation->text);
      return 1;
    }
    case msg::SetText:
      record->text = lParam ? std::string(reinterpret_cast<const char*>(lParam)) : std::string();
      InvalidateRect(window);
      return 1;
    case msg::EraseBackground:
      // A top-level window is cleared to the window colour; a child shows
      // its parent's background.
      if (record->parent != nullptr) return 0;
      FillRect(reinterpret_cast<DcHandle>(wParam), ClientRect(window), GetSystemColorBrush(SystemColor::Window));
      return 1;
    case msg::Paint: {
      PaintInfo info;
      BeginPaint(window, info);
      EndPaint(window, info);
      return 0;
    }
    case msg::CtlColorEdit:
    case msg::CtlColorListBox:
    case msg::CtlColorStatic:
    case msg::CtlColorButton:
    case msg::CtlColorDialog:
    case msg::CtlColorScrollBar: {
      const auto dc = reinterpret_cast<DcHandle>(wParam);
      const bool field = message == msg::CtlColorEdit || message == msg::CtlColorListBox;
      SetTextColor(dc, GetSystemColor(field ? SystemColor::WindowText : SystemColor::ButtonText));
      SetBackgroundColor(dc, GetSystemColor(field ? SystemColor::Window : SystemColor::ButtonFace));
      return HandleToParam(GetSystemColorBrush(field ? SystemColor::Window : SystemColor::ButtonFace));
    }
    case msg::GetText: return CopyTextOut(record->text, wParam, lParam);
    case msg::GetTextLength: return static_cast<LResult>(record->text.size());
    case msg::SetIcon: {
      BitmapHandle& icon = wParam == icon_size::Big ? record->bigIcon : record->smallIcon;
      const BitmapHandle before = std::exchange(icon, HandleFromParam<BitmapHandle>(lParam));
      // The caption shows the small icon.
      if (record->parent == nullptr) record->frameInvalid = record->redraw;
      return HandleToParam(before);
    }
    case msg::GetIcon: return HandleToParam(wParam == icon_size::Big ? record->bigIcon : record->smallIcon);
    case msg::SetRedraw: record->redraw = wParam != 0; return 0;
    case msg::Close: DestroyWindow(window); return 0;
    case msg::MouseActivate:
      if (record->parent != nullptr) {
        const LResult answer = SendMessage(record->parent, msg::MouseActivate, wParam, lParam);
        if (answer != 0) return answer;
      }
      return mouse_activate::Activate;
    case msg::Activate:
      if (LowWord(wParam) != activation::Inactive && !IsMinimized(window)) {
        const WindowHandle focus = GetFocus();
        if (focus != window && !IsDescendant(window, focus)) SetFocus(window);
      }
      return 0;
    case msg::NcHitTest: return detail::DefaultHitTest(window, PointFromParam(lParam));
    case msg::NcLeftButtonDown:
      if (static_cast<LResult>(wParam) == hit::VerticalScroll)
        detail::TrackScrollBarClick(window, ScrollBar::Vertical, PointFromParam(lParam));
      else if (static_cast<LResult>(wParam) == hit::HorizontalScroll)
        detail::TrackScrollBarClick(window, ScrollBar::Horizontal, PointFromParam(lParam));
      else if (static_cast<LResult>(wParam) == hit::Menu)
        detail::TrackMenuBar(window, -1, false);
      return 0;
    case msg::KeyDown:
    case msg::SysKeyDown:
      if (wParam == key::F1) SendHelpFor(window);
      return 0;
    case msg::SysKeyUp:
      // Alt on its own, or F10, opens the menu bar of the top-level window.
      if ((wParam == key::Alt && detail::WindowSystem::Get().altAlone) || wParam == key::F10)
        SendMessage(TopLevelWindow(window), msg::SysCommand, system_command::KeyMenu, 0);
      return 0;
    case msg::SysCommand:
      if ((wParam & 0xFFF0) == system_command::Close) SendMessage(window, msg::Close);
      if ((wParam & 0xFFF0) == system_command::KeyMenu) detail::TrackMenuBar(window, 0, true);
      return 0;
    case msg::Help:
      // Unanswered help goes to the parent, or a top-level window's owner.
      if (record->parent != nullptr) return SendMessage(record->parent, msg::Help, wParam, lParam);
      if (record->owner != nullptr) return SendMessage(record->owner, msg::Help, wParam, lParam);
      return 0;
    case msg::MouseWheel: return record->parent != nullptr ? SendMessage(record->parent, message, wParam, lParam) : 0;
    case msg::VKeyToItem:
    case msg::CharToItem: return -1;
    default: return 0;
  }
}

}  // namespace platform::ui
