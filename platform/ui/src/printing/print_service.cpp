#include "platform/ui/print_service.h"

namespace platform::ui {

namespace {
PrintService* installed = nullptr;
}  // namespace

PrintService* InstallPrintService(PrintService* service) {
  PrintService* previous = installed;
  installed = service;
  return previous;
}

PrintService* CurrentPrintService() { return installed; }

std::shared_ptr<Printer> RecordingPrintService::makePrinter(const PrinterChoice& choice) {
  requests.push_back(choice);
  if (refuse) return nullptr;
  auto printer = std::make_shared<RecordingPrinter>(choice.kind == PrinterKind::Queue ? choice.queue : "PDF file");
  printers.push_back(printer);
  return printer;
}

}  // namespace platform::ui
