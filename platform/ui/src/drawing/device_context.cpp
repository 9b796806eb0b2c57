// Device contexts: their table, state, selections, lines and shapes.
#include <memory>
#include <unordered_map>

#include "gdi_internal.h"
#include "platform/ui/backend.h"
#include "platform/ui/metrics.h"
#include "platform/ui/window.h"
#include "windows/window_system.h"

namespace platform::ui {

namespace {

struct DcTable {
  std::unordered_map<std::uintptr_t, std::unique_ptr<detail::DcRecord>> contexts;
  std::uintptr_t next = 0x40000;
};

DcTable& Contexts() {
  static DcTable* table = new DcTable();  // lives to the end of the process
  return *table;
}

// The device point of a window's top-left corner, the surface's origin
// being its top-level window's corner.
Point WindowCornerOnSurface(WindowHandle window) {
  const Rect top = WindowRect(TopLevelWindow(window));
  const Rect own = WindowRect(window);
  return {own.left - top.left, own.top - top.top};
}

Rect ClientOnSurface(WindowHandle window) {
  const Rect top = WindowRect(TopLevelWindow(window));
  const Point corner = ClientToScreen(window, {0, 0});
  const Rect client = ClientRect(window);
  return client.offsetBy(corner.x - top.left, corner.y - top.top);
}

Rect SurfaceBounds(Surface& surface) { return {0, 0, surface.size().width, surface.size().height}; }

// The device area a window may draw on: its own rectangle cut to every
// ancestor's client area.
Rect VisibleArea(WindowHandle window, Rect own, Surface& surface) {
  Rect area = own.intersectedWith(SurfaceBounds(surface));
  for (WindowHandle up = ParentWindow(window); up != nullptr; up = ParentWindow(up))
    area = area.intersectedWith(ClientOnSurface(up));
  return area;
}

}  // namespace

DcHandle GetDC(WindowHandle window) {
  if (window == nullptr) {
    auto record = std::make_unique<detail::DcRecord>();
    record->surface = &detail::Nowhere();
    record->screen = true;
    record->settings.clip = {0, 0, GetSystemMetric(SystemMetric::ScreenWidth),
                             GetSystemMetric(SystemMetric::ScreenHeight)};
    return detail::AddDc(std::move(record));
  }
  if (!IsWindow(window)) return nullptr;
  const WindowHandle top = TopLevelWindow(window);
  Surface* surface = detail::SurfaceOfPaintUnderWay(top);
  if (surface == nullptr) surface = CurrentBackend().windowSurface(top);
  return detail::CreateWindowDc(window, surface ? *surface : detail::Nowhere());
}

bool ReleaseDC(WindowHandle window, DcHandle dc) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr || record->window != window) return false;
  return DeleteDC(dc);
}

DcHandle CreateSurfaceDC(Surface& surface) {
  auto record = std::make_unique<detail::DcRecord>();
  record->surface = &surface;
  record->settings.clip = SurfaceBounds(surface);
  return detail::AddDc(std::move(record));
}

bool DeleteDC(DcHandle dc) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return false;
  if (record->printer && record->phase != detail::PrintPhase::NoDocument) record->printer->abortDocument();
  return Contexts().contexts.erase(reinterpret_cast<std::uintptr_t>(dc)) != 0;
}

bool SaveDC(DcHandle dc) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return false;
  record->saved.push_back(record->settings);
  return true;
}

bool RestoreDC(DcHandle dc) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr || record->saved.empty()) return false;
  record->settings = record->saved.back();
  record->saved.pop_back();
  return true;
}

WindowHandle WindowOfDC(DcHandle dc) {
  detail::DcRecord* record = detail::FindDc(dc);
  return record ? record->window : nullptr;
}

FontHandle SelectFont(DcHandle dc, FontHandle font) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return nullptr;
  FontHandle previous = record->settings.font;
  record->settings.font = FontSpecOf(font) ? font : DefaultGuiFont();
  return previous;
}

PenHandle SelectPen(DcHandle dc, PenHandle pen) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr || detail::FindPen(pen) == nullptr) return nullptr;
  PenHandle previous = record->settings.pen;
  record->settings.pen = pen;
  return previous;
}

BrushHandle SelectBrush(DcHandle dc, BrushHandle brush) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr || (brush != NullBrush() && !BrushColor(brush))) return nullptr;
  BrushHandle previous = record->settings.brush;
  record->settings.brush = brush;
  return previous;
}

FontHandle SelectedFont(DcHandle dc) {
  detail::DcRecord* record = detail::FindDc(dc);
  return record ? record->settings.font : DefaultGuiFont();
}

ColorRef SetTextColor(DcHandle dc, ColorRef color) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return 0;
  const ColorRef previous = record->settings.textColor;
  record->settings.textColor = color;
  return previous;
}

ColorRef SetBackgroundColor(DcHandle dc, ColorRef color) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return 0;
  const ColorRef previous = record->settings.backgroundColor;
  record->settings.backgroundColor = color;
  return previous;
}

ColorRef TextColorOf(DcHandle dc) {
  detail::DcRecord* record = detail::FindDc(dc);
  return record ? record->settings.textColor : 0;
}

ColorRef BackgroundColorOf(DcHandle dc) {
  detail::DcRecord* record = detail::FindDc(dc);
  return record ? record->settings.backgroundColor : 0;
}

BackgroundMode SetBackgroundMode(DcHandle dc, BackgroundMode mode) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return BackgroundMode::Opaque;
  const BackgroundMode previous = record->settings.backgroundMode;
  record->settings.backgroundMode = mode;
  return previous;
}

unsigned SetTextAlign(DcHandle dc, unsigned align) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return 0;
  const unsigned previous = record->settings.textAlign;
  record->settings.textAlign = align;
  return previous;
}

void IntersectClip(DcHandle dc, const Rect& rect) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return;
  record->settings.clip = record->settings.clip.intersectedWith(record->toDevice(rect));
}

Point MoveTo(DcHandle dc, Point point) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return {};
  const Point previous = record->settings.position;
  record->settings.position = point;
  return previous;
}

Point CurrentPosition(DcHandle dc) {
  detail::DcRecord* record = detail::FindDc(dc);
  return record ? record->settings.position : Point{};
}

bool LineTo(DcHandle dc, Point point) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return false;
  const detail::PenRecord* pen = detail::FindPen(record->settings.pen);
  if (pen != nullptr && pen->style == PenStyle::Solid)
    record->target().drawLine(record->toDevice(record->settings.position), record->toDevice(point), pen->color,
                              pen->width);
  record->settings.position = point;
  return true;
}

bool Rectangle(DcHandle dc, const Rect& rect) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return false;
  const Rect device = record->toDevice(rect);
  const detail::PenRecord* pen = detail::FindPen(record->settings.pen);
  const int w = (pen != nullptr && pen->style == PenStyle::Solid) ? pen->width : 0;
  Surface& surface = record->target();
  if (auto fill = BrushColor(record->settings.brush)) surface.fillRect(device.inflatedBy(-w, -w), *fill);
  if (w > 0) {
    surface.fillRect({device.left, device.top, device.right, device.top + w}, pen->color);
    surface.fillRect({device.left, device.bottom - w, device.right, device.bottom}, pen->color);
    surface.fillRect({device.left, device.top, device.left + w, device.bottom}, pen->color);
    surface.fillRect({device.right - w, device.top, device.right, device.bottom}, pen->color);
  }
  return true;
}

bool FillRect(DcHandle dc, const Rect& rect, BrushHandle brush) {
  detail::DcRecord* record = detail::FindDc(dc);
  const auto color = BrushColor(brush);
  if (record == nullptr || !color) return false;
  record->target().fillRect(record->toDevice(rect), *color);
  return true;
}

bool FillSolidRect(DcHandle dc, const Rect& rect, ColorRef color) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return false;
  record->target().fillRect(record->toDevice(rect), color);
  return true;
}

bool FrameRect(DcHandle dc, const Rect& rect, BrushHandle brush) {
  const auto color = BrushColor(brush);
  if (!color) return false;
  FillSolidRect(dc, {rect.left, rect.top, rect.right, rect.top + 1}, *color);
  FillSolidRect(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, *color);
  FillSolidRect(dc, {rect.left, rect.top, rect.left + 1, rect.bottom}, *color);
  return FillSolidRect(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, *color);
}

bool InvertRect(DcHandle dc, const Rect& rect) {
  detail::DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return false;
  record->target().invertRect(record->toDevice(rect));
  return true;
}

bool DrawBitmap(DcHandle dc, BitmapHandle bitmap, Point at) {
  detail::DcRecord* record = detail::FindDc(dc);
  const Image* image = BitmapImage(bitmap);
  if (record == nullptr || image == nullptr) return false;
  record->target().drawImage(record->toDevice(at), *image);
  return true;
}

}  // namespace platform::ui

namespace platform::ui::detail {

Surface& Nowhere() {
  static NullSurface* surface = new NullSurface();
  return *surface;
}

DcHandle AddDc(std::unique_ptr<DcRecord> record) {
  DcTable& table = Contexts();
  record->settings.font = DefaultGuiFont();
  record->settings.pen = BlackPen();
  record->settings.brush = WhiteBrush();
  const std::uintptr_t id = table.next++;
  table.contexts.emplace(id, std::move(record));
  return reinterpret_cast<DcHandle>(id);
}

FontMetrics MeasureFontFor(const DcRecord& record, FontHandle font) {
  if (!record.printer) return MeasureFont(font);
  const FontSpec* spec = FontSpecOf(font);
  return record.printer->measureFont(spec ? *spec : *FontSpecOf(DefaultGuiFont()));
}

int MeasureTextWidthFor(const DcRecord& record, FontHandle font, std::string_view text) {
  if (!record.printer) return MeasureTextWidth(font, text);
  const FontSpec* spec = FontSpecOf(font);
  return record.printer->measureTextWidth(spec ? *spec : *FontSpecOf(DefaultGuiFont()), text);
}

DcRecord* FindDc(DcHandle dc) {
  DcTable& table = Contexts();
  auto it = table.contexts.find(reinterpret_cast<std::uintptr_t>(dc));
  return it == table.contexts.end() ? nullptr : it->second.get();
}

DcHandle CreateWindowDc(WindowHandle window, Surface& surface) {
  auto record = std::make_unique<DcRecord>();
  record->surface = &surface;
  record->window = window;
  record->screen = true;
  const Rect client = ClientOnSurface(window);
  record->origin = {client.left, client.top};
  record->settings.clip = VisibleArea(window, client, surface);
  return detail::AddDc(std::move(record));
}

DcHandle CreateWholeWindowDc(WindowHandle window, Surface& surface) {
  auto record = std::make_unique<DcRecord>();
  record->surface = &surface;
  record->window = window;
  record->screen = true;
  record->origin = WindowCornerOnSurface(window);
  const Rect own =
      Rect::FromSize(record->origin.x, record->origin.y, WindowRect(window).width(), WindowRect(window).height());
  record->settings.clip = VisibleArea(window, own, surface);
  return detail::AddDc(std::move(record));
}

}  // namespace platform::ui::detail
