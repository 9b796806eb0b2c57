// PDF documents as new files in a folder (see pdf_printer.h).
#include <string>

#include "platform/kernel/new_file.h"
#include "platform/ui/cairo/pdf_printer.h"
#include "platform/ui/display_text.h"
#include "platform/ui/print_dialog.h"

namespace platform::ui::cairo {

namespace {

// Enough numbers for any folder a person keeps printouts in.
constexpr int kMostFilesOfOneName = 9999;
constexpr std::size_t kLongestStem = 200;

}  // namespace

std::string PdfFileName(std::string_view documentName, int number) {
  std::string stem = DisplayUtf8(documentName);
  const std::size_t first = stem.find_first_not_of(' ');
  stem = first == std::string::npos ? std::string() : stem.substr(first, stem.find_last_not_of(' ') - first + 1);
  for (char& c : stem)
    if (c == '/' || c == '\\') c = '_';
  if (!stem.empty() && stem[0] == '.') stem[0] = '_';
  if (stem.size() > kLongestStem) {
    std::size_t cut = kLongestStem;
    while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) --cut;  // not inside a character
    stem.resize(cut);
  }
  if (stem.empty()) stem = "Document";
  return stem + " " + std::to_string(number) + ".pdf";
}

struct PdfFileOutput::Pending {
  std::string documentName;
  NewFile file;
};

PdfFileOutput::PdfFileOutput(std::string folder) : folder_(std::move(folder)) {}
PdfFileOutput::~PdfFileOutput() = default;

bool PdfFileOutput::begin(std::string_view documentName) {
  std::optional<NewFile> file = NewFile::Create(folder_, PdfFileName(documentName, 1));
  if (!file) return false;
  pending_ = std::make_unique<Pending>(Pending{std::string(documentName), std::move(*file)});
  return true;
}

bool PdfFileOutput::write(std::span<const std::uint8_t> bytes) { return pending_ && pending_->file.write(bytes); }

bool PdfFileOutput::finish() {
  if (!pending_) return false;
  const std::string name = pending_->documentName;
  std::optional<std::string> placed =
      pending_->file.placeUnderFreeName([&](int n) { return PdfFileName(name, n); }, kMostFilesOfOneName);
  pending_.reset();
  if (!placed) return false;
  lastFile_ = std::move(*placed);
  return true;
}

void PdfFileOutput::abort() { pending_.reset(); }

std::shared_ptr<PdfPrinter> MakePdfFilePrinter(std::string folder) {
  return std::make_shared<PdfPrinter>(print_dialog::kPdfPrinterName,
                                      std::make_unique<PdfFileOutput>(std::move(folder)));
}

}  // namespace platform::ui::cairo
