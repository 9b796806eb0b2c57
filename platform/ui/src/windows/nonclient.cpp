// The frame around a window's client area: borders, caption, menu bar and
// scroll bars, and what a point on the window hits.
#include <algorithm>

#include "platform/ui/backend.h"
#include "platform/ui/messages.h"
#include "platform/ui/metrics.h"
#include "platform/ui/scroll_bar.h"
#include "windows/window_system.h"

namespace platform::ui::detail {

namespace {

// The window's own border: thick, dialog or thin.
int BorderWidthOf(const WindowRecord& record) {
  if (record.style & style::ThickFrame) return GetSystemMetric(SystemMetric::ThickFrameWidth);
  if ((record.style & style::DialogFrame) || (record.exStyle & exstyle::DialogModalFrame))
    return GetSystemMetric(SystemMetric::DialogFrameWidth);
  if (record.style & style::Border) return GetSystemMetric(SystemMetric::BorderWidth);
  return 0;
}

}  // namespace

FrameInsets ComputeFrameInsets(const WindowRecord& record) {
  int frame = BorderWidthOf(record);
  if (record.exStyle & exstyle::ClientEdge) frame += GetSystemMetric(SystemMetric::ClientEdgeWidth);
  if (record.exStyle & exstyle::StaticEdge) frame += GetSystemMetric(SystemMetric::StaticEdgeWidth);
  FrameInsets insets{frame, frame, frame, frame};
  if ((record.style & style::Caption) == style::Caption) insets.top += GetSystemMetric(SystemMetric::CaptionHeight);
  if (record.parent == nullptr && record.menu != nullptr) insets.top += GetSystemMetric(SystemMetric::MenuBarHeight);
  if (record.style & style::VScroll) insets.right += GetSystemMetric(SystemMetric::VerticalScrollWidth);
  if (record.style & style::HScroll) insets.bottom += GetSystemMetric(SystemMetric::HorizontalScrollHeight);
  return insets;
}

Size ClientSizeOf(WindowHandle window) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return {};
  const FrameInsets insets = ComputeFrameInsets(*record);
  return {std::max(0, record->rect.width() - insets.left - insets.right),
          std::max(0, record->rect.height() - insets.top - insets.bottom)};
}

void NotifyClientSizeChange(WindowHandle window, Size before) {
  const Size after = ClientSizeOf(window);
  if (after == before) return;
  const WParam kind = IsMinimized(window) ? size_type::Minimized : size_type::Restored;
  SendMessage(window, msg::Size, kind, static_cast<LParam>(MakeLong(after.width, after.height)));
}

LResult DefaultHitTest(WindowHandle window, Point screenPoint) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return hit::Nowhere;
  const Rect outer = WindowRect(window);
  if (!outer.contains(screenPoint)) return hit::Nowhere;
  const Point local{screenPoint.x - outer.left, screenPoint.y - outer.top};
  if (GetScrollBarLayout(window, ScrollBar::Vertical).bar.contains(local)) return hit::VerticalScroll;
  if (GetScrollBarLayout(window, ScrollBar::Horizontal).bar.contains(local)) return hit::HorizontalScroll;
  const FrameInsets insets = ComputeFrameInsets(*record);
  const Rect client{insets.left, insets.top, outer.width() - insets.right, outer.height() - insets.bottom};
  if (client.contains(local)) return hit::Client;
  int frame = insets.left;
  if (record->style & style::VScroll) frame = std::min(frame, insets.right);
  int top = frame;
  if ((record->style & style::Caption) == style::Caption) {
    const int caption = GetSystemMetric(SystemMetric::CaptionHeight);
    if (local.y >= top && local.y < top + caption && local.x >= frame && local.x < outer.width() - frame)
      return hit::Caption;
    top += caption;
  }
  if (record->parent == nullptr && record->menu != nullptr) {
    const int menuBar = GetSystemMetric(SystemMetric::MenuBarHeight);
    if (local.y >= top && local.y < top + menuBar && local.x >= frame && local.x < outer.width() - frame)
      return hit::Menu;
  }
  return hit::Border;
}

}  // namespace platform::ui::detail

namespace platform::ui {

Rect InsideDesktopFrame(WindowHandle topLevel) {
  const detail::WindowRecord* record = detail::Find(topLevel);
  if (record == nullptr) return {};
  const int border = detail::BorderWidthOf(*record);
  const int caption =
      (record->style & style::Caption) == style::Caption ? GetSystemMetric(SystemMetric::CaptionHeight) : 0;
  const Rect outer = WindowRect(topLevel);
  return {outer.left + border, outer.top + border + caption, outer.right - border, outer.bottom - border};
}

}  // namespace platform::ui
