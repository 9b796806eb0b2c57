// Window painting: update rectangles, paint messages, the frame, the caret
// and the control colours (see paint.h).
#include <algorithm>
#include <vector>

#include "gdi_internal.h"
#include "platform/ui/backend.h"
#include "platform/ui/control_descriptor.h"
#include "platform/ui/focus.h"
#include "platform/ui/menu.h"
#include "platform/ui/messages.h"
#include "platform/ui/metrics.h"
#include "platform/ui/paint.h"
#include "platform/ui/style_painter.h"
#include "windows/window_system.h"

namespace platform::ui {

using detail::Find;
using detail::WindowRecord;

namespace {

// A paint under way: BeginPaint in the window's msg::Paint draws there.
struct PaintTarget {
  WindowHandle window = nullptr;
  Surface* surface = nullptr;
  Rect update;
  bool erase = false;
};

std::vector<PaintTarget>& Targets() {
  static auto* targets = new std::vector<PaintTarget>();
  return *targets;
}

struct Caret {
  WindowHandle owner = nullptr;
  Size size;
  Point position;
  int shows = 0;  // shown while above 0
};

Caret& TheCaret() {
  static Caret caret;
  return caret;
}

Rect CaretRect(const Caret& caret) {
  return Rect::FromSize(caret.position.x, caret.position.y, caret.size.width, caret.size.height);
}

void InvalidateCaret() {
  const Caret& caret = TheCaret();
  if (caret.owner != nullptr) {
    const Rect rect = CaretRect(caret);
    InvalidateRect(caret.owner, &rect, false);
  }
}

void MarkInvalid(WindowRecord& record, const Rect& rect, bool erase) {
  record.invalid = record.invalid.unitedWith(rect);
  record.erasePending = record.erasePending || erase;
}

void PaintFrame(WindowHandle window, Surface& surface) {
  WindowRecord* record = Find(window);
  const detail::FrameInsets insets = detail::ComputeFrameInsets(*record);
  if (insets.left == 0 && insets.top == 0 && insets.right == 0 && insets.bottom == 0) return;
  const DcHandle dc = detail::CreateWholeWindowDc(window, surface);
  Rect r{0, 0, record->rect.width(), record->rect.height()};
  // A desktop's frame stands for the border and the caption.
  const bool desktopFrame = record->parent == nullptr && CurrentBackend().framesWindow(window);
  if (desktopFrame) {
    r = InsideDesktopFrame(window).offsetBy(-record->rect.left, -record->rect.top);
  } else {
    using Frame = StylePainter::Frame;
    Frame frame = Frame::None;
    if (record->style & style::ThickFrame)
      frame = Frame::Thick;
    else if ((record->style & style::DialogFrame) || (record->exStyle & exstyle::DialogModalFrame))
      frame = Frame::Dialog;
    else if (record->style & style::Border)
      frame = Frame::Border;
    r = StylePainter::PaintWindowFrame(dc, r, frame);
  }
  if (record->exStyle & exstyle::ClientEdge) r = StylePainter::PaintEdge(dc, r, StylePainter::Edge::Sunken);
  if (record->exStyle & exstyle::StaticEdge) r = StylePainter::PaintBorder(dc, r, StylePainter::Border::SunkenOuter);
  if ((record->style & style::Caption) == style::Caption && !desktopFrame) {
    const int height = GetSystemMetric(SystemMetric::CaptionHeight);
    const Rect caption{r.left, r.top, r.right, r.top + height - 1};
    const bool active = GetActiveWindow() == window || record->parent != nullptr;
    StylePainter::PaintCaption(dc, caption, record->text, active,
                               BitmapImage(record->smallIcon) != nullptr ? record->smallIcon : record->bigIcon);
    FillSolidRect(dc, {r.left, r.top + height - 1, r.right, r.top + height}, GetSystemColor(SystemColor::ButtonFace));
    r.top += height;
  }
  if (record->parent == nullptr && record->menu != nullptr) {
    const int height = GetSystemMetric(SystemMetric::MenuBarHeight);
    FillSolidRect(dc, {r.left, r.top, r.right, r.top + height}, GetSystemColor(SystemColor::Menu));
    const Rect outer = WindowRect(window);
    // The title the menu loop has highlighted, pushed in while its pop-up
    // is open.
    const MenuTracking tracking = CurrentMenuTracking();
    for (int i = 0; i < MenuItemCount(record->menu); ++i) {
      using Title = StylePainter::MenuBarTitle;
      Title title = Title::Normal;
      if (tracking.active && tracking.window == window && tracking.barPosition == i)
        title = tracking.popupOpen ? Title::Open : Title::Highlighted;
      StylePainter::PaintMenuBarTitle(dc, MenuBarItemRect(window, i).offsetBy(-outer.left, -outer.top),
                                      MenuItemText(record->menu, i, MenuLookup::ByPosition), title);
    }
  }
  const bool enabled = IsWindowEnabled(window);
  if (record->vertical.visible || (record->style & style::VScroll))
    StylePainter::PaintScrollBar(dc, GetScrollBarLayout(window, ScrollBar::Vertical), true, enabled);
  if (record->horizontal.visible || (record->style & style::HScroll))
    StylePainter::PaintScrollBar(dc, GetScrollBarLayout(window, ScrollBar::Horizontal), false, enabled);
  const auto v = GetScrollBarLayout(window, ScrollBar::Vertical).bar;
  const auto h = GetScrollBarLayout(window, ScrollBar::Horizontal).bar;
  if (!v.isEmpty() && !h.isEmpty())
    FillSolidRect(dc, {v.left, h.top, v.right, h.bottom}, GetSystemColor(SystemColor::ButtonFace));
  DeleteDC(dc);
}

void PaintCaretOf(WindowHandle window, Surface& surface) {
  const Caret& caret = TheCaret();
  if (caret.owner != window || caret.shows <= 0) return;
  const DcHandle dc = detail::CreateWindowDc(window, surface);
  InvertRect(dc, CaretRect(caret));
  DeleteDC(dc);
}

// Paints the window (everything, or what needs it) and then its children.
void PaintOne(WindowHandle window, Surface& surface, bool everything) {
  WindowRecord* record = Find(window);
  if (record == nullptr || !(record->style & style::Visible)) return;
  const Rect client = ClientRect(window);
  // The frame goes with a paint of the whole client area, and when what
  // lay under it was painted over.
  if (everything || record->frameInvalid ||
      (record->erasePending && record->invalid.unitedWith(client) == record->invalid)) {
    record->frameInvalid = false;
    PaintFrame(window, surface);
    record = Find(window);
    if (record == nullptr) return;
    if (everything) MarkInvalid(*record, client, true);
  }
  if (!record->invalid.isEmpty()) {
    PaintTarget target{window, &surface, record->invalid.intersectedWith(client), record->erasePending};
    record->invalid = {};
    record->erasePending = false;
    if (target.erase) {
      const DcHandle dc = detail::CreateWindowDc(window, surface);
      IntersectClip(dc, target.update);
      if (SendMessage(window, msg::EraseBackground, reinterpret_cast<WParam>(dc)) != 0) target.erase = false;
      DeleteDC(dc);
    }
    Targets().push_back(target);
    SendMessage(window, msg::Paint);
    Targets().pop_back();
    if (!IsWindow(window)) return;
    PaintCaretOf(window, surface);
  }
  const std::vector<WindowHandle> children = ChildWindows(window);
  for (auto it = children.rbegin(); it != children.rend(); ++it) PaintOne(*it, surface, everything);
}

}  // namespace

bool InvalidateRect(WindowHandle window, const Rect* rect, bool erase) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return false;
  // With its redraw off (msg::SetRedraw) a window collects nothing: it is
  // invalidated again when its redraw comes back on.
  if (!record->redraw) return true;
  const Rect client = ClientRect(window);
  const Rect area = rect ? rect->intersectedWith(client) : client;
  if (area.isEmpty()) return true;
  MarkInvalid(*record, area, erase);
  // The children over the area are painted again after the parent.
  const Point corner = ClientToScreen(window, {0, 0});
  for (WindowHandle child : ChildWindows(window)) {
    const Rect inParent = WindowRectInParent(child);
    if (inParent.intersectedWith(area).isEmpty()) continue;
    if (erase)
      if (WindowRecord* childRecord = Find(child); childRecord != nullptr && childRecord->redraw)
        childRecord->frameInvalid = true;
    const Point childCorner = ClientToScreen(child, {0, 0});
    const Rect part = area.offsetBy(corner.x - childCorner.x, corner.y - childCorner.y);
    InvalidateRect(child, &part, erase);
  }
  return true;
}

bool ValidateRect(WindowHandle window, const Rect* rect) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return false;
  if (rect == nullptr || rect->unitedWith(record->invalid) == *rect) {
    record->invalid = {};
    record->erasePending = false;
  }
  return true;
}

std::optional<Rect> UpdateRect(WindowHandle window) {
  WindowRecord* record = Find(window);
  if (record == nullptr || record->invalid.isEmpty()) return std::nullopt;
  return record->invalid;
}

bool TreeNeedsPainting(WindowHandle window) {
  WindowRecord* record = Find(window);
  if (record == nullptr || !(record->style & style::Visible)) return false;
  if (!record->invalid.isEmpty() || record->frameInvalid) return true;
  for (WindowHandle child : record->children)
    if (TreeNeedsPainting(child)) return true;
  return false;
}

bool UpdateWindow(WindowHandle window) {
  if (!IsWindow(window)) return false;
  if (!TreeNeedsPainting(window)) return true;
  static NullSurface nowhere;
  const WindowHandle top = TopLevelWindow(window);
  Surface* surface = CurrentBackend().windowSurface(top);
  PaintOne(window, surface ? *surface : nowhere, false);
  if (surface) CurrentBackend().presentWindow(top);
  return true;
}

DcHandle BeginPaint(WindowHandle window, PaintInfo& info) {
  if (!IsWindow(window)) return nullptr;
  std::vector<PaintTarget>& targets = Targets();
  static NullSurface nowhere;
  PaintTarget target{window, nullptr, {}, false};
  if (!targets.empty() && targets.back().window == window) target = targets.back();
  if (target.surface == nullptr) {
    Surface* surface = CurrentBackend().windowSurface(TopLevelWindow(window));
    target.surface = surface ? surface : &nowhere;
    if (auto update = UpdateRect(window)) target.update = *update;
  }
  info.dc = detail::CreateWindowDc(window, *target.surface);
  info.paint = target.update;
  info.erase = target.erase;
  IntersectClip(info.dc, target.update);
  return info.dc;
}

bool EndPaint(WindowHandle window, const PaintInfo& info) {
  ValidateRect(window, nullptr);
  return DeleteDC(info.dc);
}

void PaintWindowTree(WindowHandle window, Surface& surface) {
  if (!IsWindow(window)) return;
  PaintOne(window, surface, true);
}

MessageId ControlColorMessageFor(WindowHandle control) {
  const WindowRecord* record = Find(control);
  const ControlDescriptor* descriptor = record ? record->windowClass->descriptor : nullptr;
  if (descriptor == nullptr || descriptor->controlColor == nullptr) return msg::CtlColorStatic;
  return descriptor->controlColor(record->style, (record->style & style::Disabled) == 0);
}

BrushHandle RequestControlColors(WindowHandle control, DcHandle dc) {
  const MessageId message = ControlColorMessageFor(control);
  const WindowHandle parent = ParentWindow(control);
  LResult answer = 0;
  if (parent != nullptr)
    answer = SendMessage(parent, message, reinterpret_cast<WParam>(dc), HandleToParam(control));
  else
    answer = DefaultWindowProcedure(control, message, reinterpret_cast<WParam>(dc), HandleToParam(control));
  auto brush = HandleFromParam<BrushHandle>(answer);
  if (!BrushColor(brush)) {
    brush = HandleFromParam<BrushHandle>(
        DefaultWindowProcedure(control, message, reinterpret_cast<WParam>(dc), HandleToParam(control)));
  }
  return brush;
}

bool CreateCaret(WindowHandle owner, int width, int height) {
  if (!IsWindow(owner)) return false;
  InvalidateCaret();
  Caret& caret = TheCaret();
  caret = Caret{owner, {std::max(1, width), std::max(1, height)}, {}, 0};
  return true;
}

bool DestroyCaret() {
  Caret& caret = TheCaret();
  if (caret.owner == nullptr) return false;
  InvalidateCaret();
  caret = Caret{};
  return true;
}

bool SetCaretPosition(Point point) {
  Caret& caret = TheCaret();
  if (caret.owner == nullptr) return false;
  if (caret.position == point) return true;
  InvalidateCaret();
  caret.position = point;
  InvalidateCaret();
  return true;
}

bool ShowCaret(WindowHandle owner) {
  Caret& caret = TheCaret();
  if (caret.owner == nullptr || caret.owner != owner) return false;
  ++caret.shows;
  InvalidateCaret();
  return true;
}

bool HideCaret(WindowHandle owner) {
  Caret& caret = TheCaret();
  if (caret.owner == nullptr || caret.owner != owner) return false;
  --caret.shows;
  InvalidateCaret();
  return true;
}

CaretInfo CurrentCaret() {
  const Caret& caret = TheCaret();
  return {caret.owner, caret.owner ? CaretRect(caret) : Rect{}, caret.owner != nullptr && caret.shows > 0};
}

}  // namespace platform::ui

namespace platform::ui::detail {

void PaintWindowsOnScreen() {
  Backend& backend = CurrentBackend();
  for (WindowHandle top : ChildWindows(nullptr)) {
    if (!TreeNeedsPainting(top)) continue;
    Surface* surface = backend.windowSurface(top);
    if (surface == nullptr) continue;
    PaintOne(top, *surface, false);
    backend.presentWindow(top);
  }
}

Surface* SurfaceOfPaintUnderWay(WindowHandle topLevel) {
  const std::vector<PaintTarget>& targets = Targets();
  if (targets.empty() || TopLevelWindow(targets.back().window) != topLevel) return nullptr;
  return targets.back().surface;
}

void InvalidateWhereWindowIs(WindowHandle window) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return;
  if (record->parent == nullptr) {
    InvalidateRect(window, nullptr, true);
    record->frameInvalid = record->redraw;
    return;
  }
  const Rect area = WindowRectInParent(window);
  InvalidateRect(record->parent, &area, true);
}

void ForgetCaretOwner(WindowHandle window) {
  if (TheCaret().owner == window) TheCaret() = Caret{};
}

}  // namespace platform::ui::detail
