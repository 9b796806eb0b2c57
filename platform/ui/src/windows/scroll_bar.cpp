// The scroll bars in a window's frame: their state, their layout, and what
// a click on them sends.
#include "platform/ui/scroll_bar.h"

#include <algorithm>
#include <utility>

#include "platform/ui/focus.h"
#include "platform/ui/messages.h"
#include "platform/ui/metrics.h"
#include "scroll_bar_tracking.h"
#include "windows/window_system.h"

namespace platform::ui {

using detail::Find;
using detail::WindowRecord;

namespace {

ScrollInfo* InfoOf(WindowRecord& record, ScrollBar bar) {
  return bar == ScrollBar::Vertical ? &record.vertical : &record.horizontal;
}

StyleBits StyleBitOf(ScrollBar bar) { return bar == ScrollBar::Vertical ? style::VScroll : style::HScroll; }

int HighestPosition(const ScrollInfo& info) {
  return std::max(info.minimum, info.maximum - (info.page > 0 ? info.page - 1 : 0));
}

}  // namespace

ScrollInfo GetScrollInfo(WindowHandle window, ScrollBar bar) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return {};
  ScrollInfo info = *InfoOf(*record, bar);
  info.visible = (record->style & StyleBitOf(bar)) != 0;
  return info;
}

bool SetScrollRange(WindowHandle window, ScrollBar bar, int minimum, int maximum) {
  WindowRecord* record = Find(window);
  if (record == nullptr || maximum < minimum) return false;
  ScrollInfo& info = *InfoOf(*record, bar);
  info.minimum = minimum;
  info.maximum = maximum;
  info.position = std::clamp(info.position, info.minimum, HighestPosition(info));
  return true;
}

bool SetScrollPage(WindowHandle window, ScrollBar bar, int page) {
  WindowRecord* record = Find(window);
  if (record == nullptr || page < 0) return false;
  ScrollInfo& info = *InfoOf(*record, bar);
  info.page = page;
  info.position = std::clamp(info.position, info.minimum, HighestPosition(info));
  return true;
}

int SetScrollPosition(WindowHandle window, ScrollBar bar, int position) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return 0;
  ScrollInfo& info = *InfoOf(*record, bar);
  return std::exchange(info.position, std::clamp(position, info.minimum, HighestPosition(info)));
}

int ScrollPosition(WindowHandle window, ScrollBar bar) { return GetScrollInfo(window, bar).position; }

bool ShowScrollBar(WindowHandle window, ScrollBar bar, bool show) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return false;
  const StyleBits bit = StyleBitOf(bar);
  if (((record->style & bit) != 0) == show) return true;
  const Size before = detail::ClientSizeOf(window);
  record->style = show ? (record->style | bit) : (record->style & ~bit);
  detail::NotifyClientSizeChange(window, before);
  return true;
}

bool EnableScrollBar(WindowHandle window, ScrollBar bar, bool enable) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return false;
  InfoOf(*record, bar)->enabled = enable;
  return true;
}

ScrollBarLayout GetScrollBarLayout(WindowHandle window, ScrollBar bar) {
  WindowRecord* record = Find(window);
  if (record == nullptr || (record->style & StyleBitOf(bar)) == 0) return {};
  const detail::FrameInsets insets = detail::ComputeFrameInsets(*record);
  const int width = record->rect.width();
  const int height = record->rect.height();
  const bool vertical = bar == ScrollBar::Vertical;
  ScrollBarLayout layout;
  if (vertical) {
    const int thickness = GetSystemMetric(SystemMetric::VerticalScrollWidth);
    layout.bar = {width - insets.right, insets.top, width - insets.right + thickness, height - insets.bottom};
  } else {
    const int thickness = GetSystemMetric(SystemMetric::HorizontalScrollHeight);
    layout.bar = {insets.left, height - insets.bottom, width - insets.right, height - insets.bottom + thickness};
  }
  if (layout.bar.isEmpty()) return layout;
  const Rect& b = layout.bar;
  const int length = vertical ? b.height() : b.width();
  const int thickness = vertical ? b.width() : b.height();
  const int arrow = std::min(thickness, length / 2);
  if (vertical) {
    layout.lineUp = {b.left, b.top, b.right, b.top + arrow};
    layout.lineDown = {b.left, b.bottom - arrow, b.right, b.bottom};
  } else {
    layout.lineUp = {b.left, b.top, b.left + arrow, b.bottom};
    layout.lineDown = {b.right - arrow, b.top, b.right, b.bottom};
  }
  const ScrollInfo& info = *InfoOf(*record, bar);
  const int track = length - 2 * arrow;
  const int span = info.maximum - info.minimum + 1;
  int thumb = info.page > 0 ? std::max(8, MulDiv(track, info.page, span)) : thickness;
  const int range = HighestPosition(info) - info.minimum;
  if (!info.enabled || range <= 0 || thumb >= track) return layout;
  const int start = arrow + MulDiv(info.position - info.minimum, track - thumb, range);
  layout.thumb = vertical ? Rect{b.left, b.top + start, b.right, b.top + start + thumb}
                          : Rect{b.left + start, b.top, b.left + start + thumb, b.bottom};
  return layout;
}

}  // namespace platform::ui

namespace platform::ui::detail {

namespace {

void SendScroll(WindowHandle window, ScrollBar bar, unsigned request, int position) {
  const MessageId message = bar == ScrollBar::Vertical ? msg::VScroll : msg::HScroll;
  SendMessage(window, message, MakeLong(request, static_cast<unsigned>(position)), 0);
}

// The position the thumb stands for when its leading edge is at offset
// (from the bar's start).
int PositionForThumbOffset(WindowHandle window, ScrollBar bar, int offset) {
  const ScrollBarLayout layout = GetScrollBarLayout(window, bar);
  const ScrollInfo info = GetScrollInfo(window, bar);
  const bool vertical = bar == ScrollBar::Vertical;
  const int length = vertical ? layout.bar.height() : layout.bar.width();
  const int arrow = vertical ? layout.lineUp.height() : layout.lineUp.width();
  const int thumb = vertical ? layout.thumb.height() : layout.thumb.width();
  const int track = length - 2 * arrow - thumb;
  const int range = std::max(info.minimum, info.maximum - (info.page > 0 ? info.page - 1 : 0)) - info.minimum;
  if (track <= 0) return info.minimum;
  return info.minimum + MulDiv(std::clamp(offset - arrow, 0, track), range, track);
}

}  // namespace

void TrackScrollBarClick(WindowHandle window, ScrollBar bar, Point screenPoint) {
  const ScrollInfo info = GetScrollInfo(window, bar);
  if (!info.enabled) return;
  const ScrollBarLayout layout = GetScrollBarLayout(window, bar);
  const Rect outer = WindowRect(window);
  const Point local{screenPoint.x - outer.left, screenPoint.y - outer.top};
  const bool vertical = bar == ScrollBar::Vertical;
  if (layout.lineUp.contains(local)) {
    SendScroll(window, bar, scroll::LineUp, 0);
  } else if (layout.lineDown.contains(local)) {
    SendScroll(window, bar, scroll::LineDown, 0);
  } else if (!layout.thumb.isEmpty() && layout.thumb.contains(local)) {
    // Drag the thumb until the button comes up.
    const int grab = vertical ? local.y - layout.thumb.top : local.x - layout.thumb.left;
    const int barStart = vertical ? layout.bar.top : layout.bar.left;
    int position = info.position;
    SetCapture(window);
    Message message;
    while (GetMessage(message)) {
      if (message.window == window && (message.message == msg::MouseMove || message.message == msg::LeftButtonUp)) {
        const Point at = message.point;
        const int along = (vertical ? at.y - outer.top : at.x - outer.left) - barStart - grab;
        position = PositionForThumbOffset(window, bar, along);
        if (message.message == msg::MouseMove) {
          SendScroll(window, bar, scroll::ThumbTrack, position);
          continue;
        }
        break;
      }
      if (message.message >= msg::KeyFirst && message.message <= msg::KeyLast) continue;
      DispatchMessage(message);
      if (!IsWindow(window)) return;
    }
    if (message.message == msg::Quit) PostQuitMessage(static_cast<int>(message.wParam));
    if (GetCapture() == window) ReleaseCapture();
    SendScroll(window, bar, scroll::ThumbPosition, position);
  } else {
    const int along = vertical ? local.y : local.x;
    const int thumbStart = vertical ? layout.thumb.top : layout.thumb.left;
    if (layout.thumb.isEmpty()) return;
    SendScroll(window, bar, along < thumbStart ? scroll::PageUp : scroll::PageDown, 0);
  }
  if (IsWindow(window)) SendScroll(window, bar, scroll::EndScroll, 0);
}

}  // namespace platform::ui::detail
