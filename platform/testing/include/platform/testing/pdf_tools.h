// Test support: reading a printed PDF back with the PDF tools
// (poppler-utils): its words as pdftotext lays them out, a page as pixels
// (pdftoppm), and its pages as PNG images to keep for a look.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform::testing {

// Runs a PDF tool found on the search path; false when it is missing or
// fails.
bool RunPdfTool(const std::string& program, std::vector<std::string> arguments);

// The text of the PDF in its layout, pages parted by form feeds; nothing
// when pdftotext is missing or fails. Its file goes to the scratch folder.
std::optional<std::string> PdfText(const std::filesystem::path& pdf, const std::filesystem::path& scratch);

// A page rendered as RGB pixels.
struct Raster {
  int width = 0;
  int height = 0;
  std::string rgb;
  // The mean of the pixel's three channels (0 black, 255 white).
  int grey(int x, int y) const;
};
// Page (from 1) at the resolution; nothing when pdftoppm is missing, fails
// or writes something else than a binary PPM.
std::optional<Raster> RasterisePdfPage(const std::filesystem::path& pdf, int page, int dpi,
                                       const std::filesystem::path& scratch);

// Every page as <prefix>-<page>.png at the resolution; false when pdftoppm
// is missing or fails.
bool SavePdfPagesAsPng(const std::filesystem::path& pdf, int dpi, const std::filesystem::path& prefix);

}  // namespace platform::testing
