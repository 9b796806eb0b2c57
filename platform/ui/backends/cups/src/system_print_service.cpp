// The system's printers (see system_print_service.h).
#include "platform/ui/cups/system_print_service.h"

#include "platform/ui/display_text.h"

namespace platform::ui::cups {

namespace {

// A document collected whole and handed to the queue at its end.
class QueueOutput final : public cairo::PdfOutput {
 public:
  QueueOutput(PrintQueues& queues, std::string queue, int copies)
      : queues_(queues), queue_(std::move(queue)), copies_(copies) {}
  bool begin(std::string_view documentName) override {
    title_ = DisplayUtf8(documentName);
    pdf_.clear();
    return true;
  }
  bool write(std::span<const std::uint8_t> bytes) override {
    pdf_.insert(pdf_.end(), bytes.begin(), bytes.end());
    return true;
  }
  bool finish() override {
    QueueJob job{queue_, std::move(title_), copies_, std::move(pdf_)};
    pdf_.clear();
    return queues_.submit(job).ok;
  }
  void abort() override { pdf_.clear(); }

 private:
  PrintQueues& queues_;
  std::string queue_;
  int copies_;
  std::string title_;
  std::vector<std::uint8_t> pdf_;
};

}  // namespace

std::shared_ptr<cairo::PdfPrinter> MakeQueuePrinter(PrintQueues& queues, std::string queue, int copies) {
  auto output = std::make_unique<QueueOutput>(queues, queue, copies);
  return std::make_shared<cairo::PdfPrinter>(std::move(queue), std::move(output));
}

std::shared_ptr<Printer> SystemPrintService::makePrinter(const PrinterChoice& choice) {
  if (choice.kind == PrinterKind::PdfFile) return cairo::MakePdfFilePrinter(choice.pdfFolder);
  return MakeQueuePrinter(queues_, choice.queue, choice.copies);
}

}  // namespace platform::ui::cups
