// The PDF printer (see pdf_printer.h): a cairo PDF surface written through
// the output as it grows, each page drawn in device units.
#include "platform/ui/cairo/pdf_printer.h"

#include <cairo-pdf.h>
#include <optional>

#include "cairo_canvas.h"
#include "platform/ui/display_text.h"

namespace platform::ui::cairo {

namespace {

using detail::Canvas;
using detail::TextRendering;

constexpr double kPointsPerInch = 72.0;

// A page: the printable area in device units.
class PdfPage final : public Surface {
 public:
  PdfPage(cairo_t* cr, Size size) : canvas_(cr, TextRendering::Vector), size_(size) {}
  Size size() const override { return size_; }
  void setClip(const Rect& clip) override { canvas_.setClip(clip); }
  void fillRect(const Rect& rect, ColorRef color) override { canvas_.fillRect(rect, color); }
  void invertRect(const Rect& rect) override { canvas_.invertRect(rect); }
  void drawLine(Point from, Point to, ColorRef color, int width) override { canvas_.drawLine(from, to, color, width); }
  void drawText(Point origin, const FontSpec& font, ColorRef color, std::string_view text) override {
    canvas_.drawText(origin, font, color, text);
  }
  void drawImage(Point at, const Image& image) override { canvas_.drawImage(at, image); }

 private:
  Canvas canvas_;
  Size size_;
};

}  // namespace

struct PdfPrinter::Document {
  PdfOutput* output = nullptr;
  cairo_surface_t* pdf = nullptr;
  cairo_t* cr = nullptr;
  std::optional<PdfPage> page;
  int pages = 0;
  bool writeFailed = false;
  bool dropping = false;  // what cairo still writes is not wanted

  static cairo_status_t Write(void* closure, const unsigned char* data, unsigned int length) {
    auto* document = static_cast<Document*>(closure);
    if (document->dropping) return CAIRO_STATUS_SUCCESS;
    if (document->writeFailed || !document->output->write(std::span(data, length))) {
      document->writeFailed = true;
      return CAIRO_STATUS_WRITE_ERROR;
    }
    return CAIRO_STATUS_SUCCESS;
  }
  bool sound() const { return !writeFailed && cairo_surface_status(pdf) == CAIRO_STATUS_SUCCESS; }
  // Releases the cairo objects (finishing the file unless dropping); true
  // when all of it was written.
  bool close() {
    if (cr != nullptr) cairo_destroy(cr);
    cr = nullptr;
    cairo_surface_finish(pdf);
    const bool written = sound();
    cairo_surface_destroy(pdf);
    pdf = nullptr;
    return written;
  }
};

PdfPrinter::PdfPrinter(std::string name, std::unique_ptr<PdfOutput> output)
    : name_(std::move(name)), output_(std::move(output)) {}

PdfPrinter::~PdfPrinter() {
  if (document_) abortDocument();
}

FontMetrics PdfPrinter::measureFont(const FontSpec& spec) const {
  return detail::MeasureFont(spec, TextRendering::Vector);
}

int PdfPrinter::measureTextWidth(const FontSpec& spec, std::string_view text) const {
  return detail::MeasureText(spec, text, TextRendering::Vector);
}

bool PdfPrinter::beginDocument(std::string_view name) {
  if (document_ || !output_->begin(name)) return false;
  const PageGeometry page = geometry();
  document_ = std::make_unique<Document>();
  document_->output = output_.get();
  document_->pdf = cairo_pdf_surface_create_for_stream(&Document::Write, document_.get(),
                                                       page.paper.width * kPointsPerInch / page.pixelsPerInchX,
                                                       page.paper.height * kPointsPerInch / page.pixelsPerInchY);
  cairo_pdf_surface_set_metadata(document_->pdf, CAIRO_PDF_METADATA_TITLE, DisplayUtf8(name).c_str());
  document_->cr = cairo_create(document_->pdf);
  if (!document_->sound() || cairo_status(document_->cr) != CAIRO_STATUS_SUCCESS) {
    abortDocument();
    return false;
  }
  return true;
}

Surface* PdfPrinter::beginPage() {
  if (!document_ || document_->page || !document_->sound()) return nullptr;
  const PageGeometry page = geometry();
  cairo_t* cr = document_->cr;
  cairo_save(cr);
  cairo_scale(cr, kPointsPerInch / page.pixelsPerInchX, kPointsPerInch / page.pixelsPerInchY);
  cairo_translate(cr, page.printable.left, page.printable.top);
  return &document_->page.emplace(cr, Size{page.printable.width(), page.printable.height()});
}

bool PdfPrinter::endPage() {
  if (!document_ || !document_->page) return false;
  document_->page.reset();
  cairo_restore(document_->cr);
  cairo_show_page(document_->cr);
  ++document_->pages;
  return document_->sound();
}

bool PdfPrinter::endDocument() {
  if (!document_ || document_->page) return false;
  if (document_->pages == 0) {
    abortDocument();
    return true;
  }
  const bool written = document_->close();
  document_.reset();
  if (!written) {
    output_->abort();
    return false;
  }
  return output_->finish();
}

void PdfPrinter::abortDocument() {
  if (!document_) return;
  document_->dropping = true;
  document_->close();
  document_.reset();
  output_->abort();
}

}  // namespace platform::ui::cairo
