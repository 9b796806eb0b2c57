// Device capabilities, printer contexts and the calls of a document (see
// printing.h).
#include "drawing/gdi_internal.h"
#include "platform/ui/metrics.h"
#include "platform/ui/printing.h"

namespace platform::ui {

namespace {

using detail::DcRecord;
using detail::PrintPhase;

// A screen's or a surface's context: the screen's resolution, the whole
// screen or surface printable.
PageGeometry ScreenGeometry(const DcRecord& record) {
  const int dpi = GetSystemMetric(SystemMetric::ScreenDpi);
  const Size size = record.screen
                        ? Size{GetSystemMetric(SystemMetric::ScreenWidth), GetSystemMetric(SystemMetric::ScreenHeight)}
                        : record.surface->size();
  return {dpi, dpi, size, {0, 0, size.width, size.height}};
}

// The record of a printer context in the phase the call needs, or null.
DcRecord* PrinterIn(DcHandle dc, PrintPhase phase) {
  DcRecord* record = detail::FindDc(dc);
  return record != nullptr && record->printer && record->phase == phase ? record : nullptr;
}

// The document is dropped: the printer forgets it, nothing is drawn.
int Dropped(DcRecord& record) {
  record.printer->abortDocument();
  record.phase = PrintPhase::NoDocument;
  record.surface = &detail::Nowhere();
  return kPrintError;
}

}  // namespace

int GetDeviceCaps(DcHandle dc, DeviceCap cap) {
  const DcRecord* record = detail::FindDc(dc);
  if (record == nullptr) return 0;
  const PageGeometry g = record->printer ? record->printer->geometry() : ScreenGeometry(*record);
  switch (cap) {
    case DeviceCap::PixelsPerInchX: return g.pixelsPerInchX;
    case DeviceCap::PixelsPerInchY: return g.pixelsPerInchY;
    case DeviceCap::PageWidth: return g.paper.width;
    case DeviceCap::PageHeight: return g.paper.height;
    case DeviceCap::PrintableLeft: return g.printable.left;
    case DeviceCap::PrintableTop: return g.printable.top;
    case DeviceCap::PrintableWidth: return g.printable.width();
    case DeviceCap::PrintableHeight: return g.printable.height();
  }
  return 0;
}

DcHandle CreatePrinterDC(std::shared_ptr<Printer> printer) {
  if (!printer) return nullptr;
  const Rect printable = printer->geometry().printable;
  auto record = std::make_unique<DcRecord>();
  record->surface = &detail::Nowhere();
  record->printer = std::move(printer);
  record->settings.clip = {0, 0, printable.width(), printable.height()};
  return detail::AddDc(std::move(record));
}

Printer* PrinterOfDC(DcHandle dc) {
  const DcRecord* record = detail::FindDc(dc);
  return record ? record->printer.get() : nullptr;
}

int StartDoc(DcHandle dc, std::string_view documentName) {
  static int documents = 0;
  DcRecord* record = PrinterIn(dc, PrintPhase::NoDocument);
  if (record == nullptr || !record->printer->beginDocument(documentName)) return kPrintError;
  record->phase = PrintPhase::Document;
  return ++documents;
}

int StartPage(DcHandle dc) {
  DcRecord* record = PrinterIn(dc, PrintPhase::Document);
  if (record == nullptr) return kPrintError;
  Surface* page = record->printer->beginPage();
  if (page == nullptr) return Dropped(*record);
  record->surface = page;
  record->phase = PrintPhase::Page;
  return 1;
}

int EndPage(DcHandle dc) {
  DcRecord* record = PrinterIn(dc, PrintPhase::Page);
  if (record == nullptr) return kPrintError;
  record->surface = &detail::Nowhere();
  record->phase = PrintPhase::Document;
  return record->printer->endPage() ? 1 : Dropped(*record);
}

int EndDoc(DcHandle dc) {
  if (PrinterIn(dc, PrintPhase::Page) != nullptr && EndPage(dc) != 1) return kPrintError;
  DcRecord* record = PrinterIn(dc, PrintPhase::Document);
  if (record == nullptr) return kPrintError;
  record->phase = PrintPhase::NoDocument;
  return record->printer->endDocument() ? 1 : kPrintError;
}

int AbortDoc(DcHandle dc) {
  DcRecord* record = detail::FindDc(dc);
  if (record == nullptr || !record->printer || record->phase == PrintPhase::NoDocument) return kPrintError;
  Dropped(*record);
  return 1;
}

}  // namespace platform::ui
