// The PDF printer: each document becomes a PDF (U.S. Letter, drawn at 600
// device units an inch from the printable area a quarter inch in, as
// kLetterAt600Dpi says), its text in the mapped faces (embedded, so it can
// be read back), its title the document's name. Where the PDF goes is the
// output's business: a new file in a folder (PdfFileOutput), or a print
// queue (the queue backend).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/ui/print_service.h"
#include "platform/ui/printing.h"

namespace platform::ui::cairo {

// Where the bytes of a document go, in order: begin, write ..., then
// finish (delivered) or abort (dropped, nothing left of it).
class PdfOutput {
 public:
  virtual ~PdfOutput() = default;
  // The document's name is the program's text (Windows-1252).
  virtual bool begin(std::string_view documentName) = 0;
  virtual bool write(std::span<const std::uint8_t> bytes) = 0;
  virtual bool finish() = 0;
  virtual void abort() = 0;
};

class PdfPrinter final : public Printer {
 public:
  PdfPrinter(std::string name, std::unique_ptr<PdfOutput> output);
  ~PdfPrinter() override;

  std::string name() const override { return name_; }
  PageGeometry geometry() const override { return kLetterAt600Dpi; }
  FontMetrics measureFont(const FontSpec& spec) const override;
  int measureTextWidth(const FontSpec& spec, std::string_view text) const override;
  bool beginDocument(std::string_view name) override;
  Surface* beginPage() override;
  bool endPage() override;
  // A document without a page delivers nothing and succeeds.
  bool endDocument() override;
  void abortDocument() override;

 private:
  struct Document;
  std::string name_;
  std::unique_ptr<PdfOutput> output_;
  std::unique_ptr<Document> document_;
};

// Each document a new file in the folder, named after the document and a
// number (PdfFileName), the first number whose name no file holds (under
// any case): written under a temporary name and given its name when the
// document ends, never over an existing file; a document dropped or failed
// leaves no file.
class PdfFileOutput final : public PdfOutput {
 public:
  explicit PdfFileOutput(std::string folder);
  ~PdfFileOutput() override;
  bool begin(std::string_view documentName) override;
  bool write(std::span<const std::uint8_t> bytes) override;
  bool finish() override;
  void abort() override;
  // The path of the last file written.
  const std::string& lastFile() const { return lastFile_; }

 private:
  struct Pending;
  std::string folder_;
  std::unique_ptr<Pending> pending_;
  std::string lastFile_;
};

// The name of a document's n-th file: the document's name in UTF-8 with
// blanks around it trimmed, each character a file name cannot hold ('/',
// '\', control characters; a leading '.') an '_', cut to 200 bytes, then a
// blank, the number and ".pdf" ("Print Shipment 1.pdf"); an empty name is
// "Document".
std::string PdfFileName(std::string_view documentName, int number);

// The PDF printer writing into the folder, named print_dialog::kPdfPrinterName.
std::shared_ptr<PdfPrinter> MakePdfFilePrinter(std::string folder);

}  // namespace platform::ui::cairo
