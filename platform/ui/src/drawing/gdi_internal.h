// The records behind device-context, pen, brush and bitmap handles, shared
// by the files of the drawing layer.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/gdi.h"
#include "platform/ui/printing.h"

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

// Where a printer context is in the calls of a document.
enum class PrintPhase { NoDocument, Document, Page };

struct DcRecord {
  Surface* surface = nullptr;
  WindowHandle window = nullptr;
  bool screen = false;               // a window's or the whole screen's context
  std::shared_ptr<Printer> printer;  // a printer context's
  PrintPhase phase = PrintPhase::NoDocument;
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
// Adds the context to the table with the default selections.
DcHandle AddDc(std::unique_ptr<DcRecord> record);
// A surface that keeps nothing (a context's drawing outside any page).
Surface& Nowhere();
// The font's metrics and a text's width as the context's device measures
// them: its printer's, else the installed backend's.
FontMetrics MeasureFontFor(const DcRecord& record, FontHandle font);
int MeasureTextWidthFor(const DcRecord& record, FontHandle font, std::string_view text);
// A context on the surface for the window's client area: origin at the
// client corner (origin is where the window's top-level corner is on the
// surface), cut to the client area and its ancestors' client areas.
DcHandle CreateWindowDc(WindowHandle window, Surface& surface);
// The same over the whole window, frame included (for the frame painter).
DcHandle CreateWholeWindowDc(WindowHandle window, Surface& surface);
const PenRecord* FindPen(PenHandle pen);

}  // namespace platform::ui::detail
