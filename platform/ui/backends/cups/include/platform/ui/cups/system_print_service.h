// The printers of the system: the PDF printer writing files into a folder,
// and the PDF printer for each print queue, whose documents are handed to
// the queue when they end.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/cairo/pdf_printer.h"
#include "platform/ui/cups/print_queues.h"
#include "platform/ui/print_service.h"

namespace platform::ui::cups {

// A PDF printer named after the queue: each document, once ended, becomes
// a job of the queue titled by the document's name, with the copies given.
// A queue that refuses the job fails the document's end.
std::shared_ptr<cairo::PdfPrinter> MakeQueuePrinter(PrintQueues& queues, std::string queue, int copies);

class SystemPrintService final : public PrintService {
 public:
  // The queues (not owned) must outlive the service and its printers.
  explicit SystemPrintService(PrintQueues& queues) : queues_(queues) {}
  std::vector<std::string> queueNames() override { return queues_.names(); }
  std::shared_ptr<Printer> makePrinter(const PrinterChoice& choice) override;

 private:
  PrintQueues& queues_;
};

}  // namespace platform::ui::cups
