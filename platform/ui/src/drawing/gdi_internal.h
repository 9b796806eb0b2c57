// The records behind device-context, pen, brush and bitmap handles, shared
// by the files of the drawing layer.
#pragma once

#include <vector>

#include "platform/ui/gdi.h"

namespace platform::ui::detail {

struct PenRecord {
  PenStyle style = PenStyle::Solid;
  int width = 1;
  ColorRef color = 0;
};

struct DcSettings {
  Rect clip;  // device coordinates
  FontHandle font = nullptr;
  PenHandle pen = nullptr;
  BrushHandle brush = nullptr;
  ColorRef textColor = Rgb(0, 0, 0);
  ColorRef backgroundColor = Rgb(255, 255, 255);
  BackgroundMode backgroundMode = BackgroundMode::Opaque;
  unsigned textAlign = text_align::Default;
  Point position;  // logical
};

struct DcRecord {
  Surface* surface = nullptr;
  WindowHandle window = nullptr;
  Point origin;  // the device point of logical 0,0
  DcSettings settings;
  std::vector<DcSettings> saved;

  Point toDevice(Point p) const { return {p.x + origin.x, p.y + origin.y}; }
  Rect toDevice(const Rect& r) const { return r.offsetBy(origin.x, origin.y); }
  // Points the surface's clip at the context's before a drawing call.
  Surface& target() {
    surface->setClip(settings.clip);
    return *surface;
  }
};

DcRecord* FindDc(DcHandle dc);
// A context on the surface for the window's client area: origin at the
// client corner (origin is where the window's top-level corner is on the
// surface), cut to the client area and its ancestors' client areas.
DcHandle CreateWindowDc(WindowHandle window, Surface& surface);
// The same over the whole window, frame included (for the frame painter).
DcHandle CreateWholeWindowDc(WindowHandle window, Surface& surface);
const PenRecord* FindPen(PenHandle pen);

}  // namespace platform::ui::detail
