// Printing: what every device context says of its device, printers behind
// one interface, and the calls of a printed document on a printer's
// context.
//
// A printer context draws in the printer's device units with its origin at
// the top-left corner of the printable area, cut to that area. Fonts are
// made in device units too (a 10-point font at 600 units an inch is
// -(10 * 600 / 72) = -83 high) and measure as the printer draws them. What
// is drawn outside a page (before StartPage, after EndPage) goes nowhere.
//
// A document: StartDoc, then for each page StartPage ... EndPage, then
// EndDoc, which delivers it; AbortDoc drops it. Each call answers a
// positive number when it did its work, else kPrintError: a call out of
// this order, or the printer refusing. A document a printer refused to
// begin a page, end a page or deliver is dropped then and there (nothing of
// it is delivered), and the next document starts afresh. EndDoc ends an
// open page first; deleting the context drops an open document.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/font.h"
#include "platform/ui/surface.h"
#include "platform/ui/types.h"

namespace platform::ui {

// What GetDeviceCaps answers, all in device units but the resolution.
enum class DeviceCap {
  PixelsPerInchX,  // logical pixels an inch across (the screen: its resolution)
  PixelsPerInchY,  // and down
  PageWidth,       // the sheet (the screen: its size; a surface: the surface's)
  PageHeight,
  PrintableLeft,  // where the printable area begins on the sheet (0 for a screen)
  PrintableTop,
  PrintableWidth,  // the area the context draws on
  PrintableHeight,
};

// The answer for the context; 0 for an invalid one.
int GetDeviceCaps(DcHandle dc, DeviceCap cap);

// A printer's sheet, in its device units.
struct PageGeometry {
  int pixelsPerInchX = 0;
  int pixelsPerInchY = 0;
  Size paper;
  Rect printable;  // on the paper
  friend bool operator==(const PageGeometry&, const PageGeometry&) = default;
};

// U.S. Letter (8.5 by 11 inches) at 600 device units an inch, printable
// from a quarter inch in on every side.
inline constexpr PageGeometry kLetterAt600Dpi{600, 600, {5100, 6600}, {150, 150, 4950, 6450}};

// A printer: a document at a time, each page a surface the size of the
// printable area in device units. The printer context calls it only in
// the order above (beginPage inside a document, endPage after beginPage,
// endDocument with no page open, abortDocument inside a document).
class Printer {
 public:
  virtual ~Printer() = default;
  // The name the print dialog shows.
  virtual std::string name() const = 0;
  virtual PageGeometry geometry() const = 0;
  // Font metrics and text widths in device units (by default the headless
  // metrics of font.h, which scale with the font's height).
  virtual FontMetrics measureFont(const FontSpec& spec) const { return HeadlessFontMetrics(spec); }
  virtual int measureTextWidth(const FontSpec& spec, std::string_view text) const {
    return measureFont(spec).averageCharWidth * static_cast<int>(text.size());
  }
  // The document's name is the program's text (Windows-1252). False when
  // the printer cannot take a document now.
  virtual bool beginDocument(std::string_view name) = 0;
  // The new page's surface (valid until endPage), or null on failure.
  virtual Surface* beginPage() = 0;
  virtual bool endPage() = 0;
  // Delivers the document: false when it could not be (it is then gone).
  virtual bool endDocument() = 0;
  virtual void abortDocument() = 0;
};

// A context on the printer, which it keeps for its life; null for none.
DcHandle CreatePrinterDC(std::shared_ptr<Printer> printer);
// The context's printer, or null for another context.
Printer* PrinterOfDC(DcHandle dc);

inline constexpr int kPrintError = -1;

// The document's number in this process (1, 2, ...), or kPrintError.
int StartDoc(DcHandle dc, std::string_view documentName);
// 1 or kPrintError.
int StartPage(DcHandle dc);
int EndPage(DcHandle dc);
int EndDoc(DcHandle dc);
int AbortDoc(DcHandle dc);

}  // namespace platform::ui
