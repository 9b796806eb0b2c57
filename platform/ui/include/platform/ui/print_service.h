// The printers a print dialog offers: the PDF printer, which writes each
// document as a new file in a folder, and the system's print queues. The
// program's host installs the service (the real one lives with the
// backends); tests install RecordingPrintService.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/printing.h"
#include "platform/ui/recording_printer.h"

namespace platform::ui {

enum class PrinterKind { PdfFile, Queue };

// A printer chosen in the print dialog, kept by the program between runs of
// the dialog.
struct PrinterChoice {
  PrinterKind kind = PrinterKind::PdfFile;
  std::string queue;      // Queue: its name
  std::string pdfFolder;  // PdfFile: where its files go
  int copies = 1;         // Queue: copies of each document
  friend bool operator==(const PrinterChoice&, const PrinterChoice&) = default;
};

class PrintService {
 public:
  virtual ~PrintService() = default;
  // The print queues, in the order to list them (none when the system's
  // print server does not answer).
  virtual std::vector<std::string> queueNames() = 0;
  // The printer of the choice, or null when it cannot be made.
  virtual std::shared_ptr<Printer> makePrinter(const PrinterChoice& choice) = 0;
};

// Installs the service (not owned; it must outlive its use) and returns the
// previous one. None is installed at first.
PrintService* InstallPrintService(PrintService* service);
PrintService* CurrentPrintService();

// A service for tests: the queues it is given, recording printers for every
// choice, and each choice it was asked for.
class RecordingPrintService final : public PrintService {
 public:
  std::vector<std::string> queueNames() override { return queues; }
  std::shared_ptr<Printer> makePrinter(const PrinterChoice& choice) override;

  std::vector<std::string> queues;
  bool refuse = false;  // makes no printer
  std::vector<PrinterChoice> requests;
  std::vector<std::shared_ptr<RecordingPrinter>> printers;  // made, in order
};

// Installs a service for the life of the object (tests).
class ScopedPrintService {
 public:
  explicit ScopedPrintService(PrintService& service) : previous_(InstallPrintService(&service)) {}
  ~ScopedPrintService() { InstallPrintService(previous_); }
  ScopedPrintService(const ScopedPrintService&) = delete;
  ScopedPrintService& operator=(const ScopedPrintService&) = delete;

 private:
  PrintService* previous_;
};

}  // namespace platform::ui
