#include "platform/testing/pdf_tools.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/kernel/process.h"

namespace platform::testing {

namespace {

std::optional<std::string> FileText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace

bool RunPdfTool(const std::string& program, std::vector<std::string> arguments) {
  ProcessStartResult started = StartProcess({program, std::move(arguments), ProgramLookup::SearchPath});
  if (!started.ok()) return false;
  const ProcessEnd end = started.process.wait();
  return end.kind == ProcessEnd::Kind::Exited && end.code == 0;
}

std::optional<std::string> PdfText(const std::filesystem::path& pdf, const std::filesystem::path& scratch) {
  const std::filesystem::path text = scratch / (pdf.filename().string() + ".txt");
  if (!RunPdfTool("pdftotext", {"-layout", pdf.string(), text.string()})) return std::nullopt;
  return FileText(text);
}

int Raster::grey(int x, int y) const {
  const std::size_t at =
      (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
  return (static_cast<unsigned char>(rgb[at]) + static_cast<unsigned char>(rgb[at + 1]) +
          static_cast<unsigned char>(rgb[at + 2])) /
         3;
}

std::optional<Raster> RasterisePdfPage(const std::filesystem::path& pdf, int page, int dpi,
                                       const std::filesystem::path& scratch) {
  const std::filesystem::path prefix = scratch / "raster";
  const std::string number = std::to_string(page);
  if (!RunPdfTool("pdftoppm", {"-r", std::to_string(dpi), "-f", number, "-l", number, "-singlefile", pdf.string(),
                               prefix.string()}))
    return std::nullopt;
  const std::optional<std::string> bytes = FileText(prefix.string() + ".ppm");
  if (!bytes) return std::nullopt;
  std::istringstream file(*bytes);
  std::string magic;
  int maximum = 0;
  Raster raster;
  file >> magic >> raster.width >> raster.height >> maximum;
  file.get();
  raster.rgb.assign(std::istreambuf_iterator<char>(file), {});
  if (magic != "P6" || maximum != 255 || raster.width <= 0 || raster.height <= 0 ||
      raster.rgb.size() != static_cast<std::size_t>(raster.width) * static_cast<std::size_t>(raster.height) * 3)
    return std::nullopt;
  return raster;
}

bool SavePdfPagesAsPng(const std::filesystem::path& pdf, int dpi, const std::filesystem::path& prefix) {
  return RunPdfTool("pdftoppm", {"-r", std::to_string(dpi), "-png", pdf.string(), prefix.string()});
}

}  // namespace platform::testing
