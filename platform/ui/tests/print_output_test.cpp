// The real printers: the PDF printer's files read back by the PDF tools
// (its pages as images, kept in artifacts/, and its words as text), files
// never replaced nor left behind, the print queues' PDF documents with the
// recording queues, and CUPS failing cleanly where no server answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <optional>
#include <string>
#include <vector>

#include "platform/testing/pdf_tools.h"
#include "platform/testing/temp_directory.h"
#include "platform/ui/cairo/pdf_printer.h"
#include "platform/ui/cups/print_queues.h"
#include "platform/ui/cups/recording_queues.h"
#include "platform/ui/cups/system_print_service.h"
#include "platform/ui/dialog.h"
#include "platform/ui/gdi.h"
#include "platform/ui/headless.h"
#include "platform/ui/input.h"
#include "platform/ui/print_dialog.h"
#include "platform/ui/printing.h"
#include "platform/ui/window.h"

namespace platform::ui {
namespace {

namespace fs = std::filesystem;
using platform::testing::PdfText;
using platform::testing::Raster;
using platform::testing::RasterisePdfPage;
using platform::testing::ReadFileText;
using platform::testing::SavePdfPagesAsPng;
using platform::testing::TempDirectory;
using ::testing::HasSubstr;

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The text pdftotext reads from a PDF, in its layout.
std::string TextOf(const fs::path& pdf, const fs::path& scratch) {
  const std::optional<std::string> text = PdfText(pdf, scratch);
  EXPECT_TRUE(text.has_value()) << "pdftotext (poppler-utils) is needed";
  return text.value_or("");
}

// A two-page printout as the program's print writer makes it, in device
// units at 600 dpi from the printable area's corner: text from 0.55 inch at
// the current position (each line moving down by its font's height), the
// title in a large italic, labels bold and values regular; a separator rule
// and a hollow frame (0.50 to 7.50 inch across, 0.75 to 10.00 inch down)
// with the 4-unit pen; a total underlined twice with the 8-unit pen.
void PrintTwoPages(DcHandle dc, std::string_view name) {
  constexpr int kTextLeft = 330;
  const int dpi = GetDeviceCaps(dc, DeviceCap::PixelsPerInchY);
  const auto font = [dpi](int points, int weight, bool italic) {
    return CreateFont({.face = "Courier New",
                       .height = -(points * dpi / 72),
                       .weight = weight,
                       .italic = italic,
                       .pitchAndFamily = 0x31});
  };
  const FontHandle fonts[] = {font(14, 700, true), font(10, 700, false), font(10, 500, false)};
  enum { Title, Bold, Regular, Rule, Total };
  struct Line {
    int kind;
    const char* text;
  } const pages[2][9] = {
      {{Title, "                 FREIGHT RATING REPORT"},
       {Title, "                   Shipment Printout"},
       {Title, "  "},
       {Bold, "  Origin:"},
       {Regular, "        60601  IL  CHICAGO"},
       {Rule, ""},
       {Bold, "                           Class      Weight           Rate     Charge "},
       {Regular, "                           FAK *        1200         152.40    1828.80"},
       {Total, "                          Total Charges:     1828.80"}},
      {{Title, "                 FREIGHT RATING REPORT"},
       {Title, "                       Continued"},
       {Title, "  "},
       {Regular, "  The rate block continues on this page."}},
  };
  const PenHandle wide = CreatePen(PenStyle::Solid, 8, Rgb(0, 0, 0));
  const PenHandle thin = CreatePen(PenStyle::Solid, 4, Rgb(0, 0, 0));
  ASSERT_GT(StartDoc(dc, name), 0);
  for (const auto& page : pages) {
    ASSERT_EQ(StartPage(dc), 1);
    SetTextAlign(dc, text_align::UpdatePosition);
    SetBackgroundMode(dc, BackgroundMode::Transparent);
    SelectPen(dc, thin);
    SelectBrush(dc, NullBrush());
    Rectangle(dc, {300, 450, 4500, 6000});
    int y = 139;
    MoveTo(dc, {kTextLeft, y});
    for (const Line& line : page) {
      if (line.text == nullptr) break;
      SelectFont(dc, fonts[line.kind == Title ? Title : line.kind == Regular ? Regular : Bold]);
      const int h = GetTextExtent(dc, line.text).height;
      if (line.kind == Rule) {
        SelectPen(dc, thin);
        MoveTo(dc, {300, y + h / 2});
        LineTo(dc, {4500, y + h / 2});
      } else if (line.kind == Total) {
        const std::string_view text(line.text);
        TextOut(dc, 0, 0, text.substr(0, 40));
        const Point x0 = CurrentPosition(dc);
        TextOut(dc, 0, 0, text.substr(40));
        const Point x1 = CurrentPosition(dc);
        SelectPen(dc, wide);
        for (int under : {h, h + h / 2}) {
          MoveTo(dc, {x0.x, y + under});
          LineTo(dc, {x1.x, y + under});
        }
      } else {
        TextOut(dc, 0, 0, line.text);
      }
      y += h;
      MoveTo(dc, {kTextLeft, y});
    }
    ASSERT_EQ(EndPage(dc), 1);
  }
  ASSERT_EQ(EndDoc(dc), 1);
  for (FontHandle f : fonts) DeleteFont(f);
  DeletePen(wide);
  DeletePen(thin);
}

class PdfPrinting : public ::testing::Test {
 protected:
  ScopedHeadlessBackend backend_;
  TempDirectory folder_;   // where the PDF printer writes
  TempDirectory scratch_;  // what the PDF tools write
};

TEST_F(PdfPrinting, ATwoPagePrintoutReadsBackAsPagesAndWords) {
  const DcHandle dc = CreatePrinterDC(cairo::MakePdfFilePrinter(folder_.path().string()));
  PrintTwoPages(dc, "Print Shipment");
  DeleteDC(dc);
  ASSERT_EQ(Names(folder_.path()), std::vector<std::string>{"Print Shipment 1.pdf"});
  const fs::path pdf = folder_ / "Print Shipment 1.pdf";

  // The pages as images, kept for a look.
  const fs::path artifacts = fs::path(QIV_ARTIFACT_DIR) / "printing";
  fs::create_directories(artifacts);
  fs::copy_file(pdf, artifacts / "two-page-printout.pdf", fs::copy_options::overwrite_existing);
  ASSERT_TRUE(SavePdfPagesAsPng(pdf, 150, artifacts / "two-page-printout")) << "pdftoppm (poppler-utils) is needed";
  EXPECT_TRUE(fs::exists(artifacts / "two-page-printout-1.png"));
  EXPECT_TRUE(fs::exists(artifacts / "two-page-printout-2.png"));

  // Every word comes back, page by page.
  const std::string text = TextOf(pdf, scratch_.path());
  const std::size_t pageBreak = text.find('\f');
  ASSERT_NE(pageBreak, std::string::npos);
  for (const char* word : {"FREIGHT RATING REPORT", "Shipment Printout", "Origin:", "60601", "CHICAGO", "Class",
                           "Weight", "Rate", "Charge", "FAK *", "1200", "152.40", "Total Charges:", "1828.80"})
    EXPECT_THAT(text.substr(0, pageBreak), HasSubstr(word));
  EXPECT_THAT(text.substr(pageBreak), HasSubstr("The rate block continues on this page."));

  // U.S. Letter at 300 dpi: the frame's left side, drawn 0.50 inch into the
  // printable area, lies 0.75 inch from the paper's edge (pixels 225 and
  // 226); the paper is white a few pixels either side.
  const std::optional<Raster> rendered = RasterisePdfPage(pdf, 1, 300, scratch_.path());
  ASSERT_TRUE(rendered.has_value()) << "pdftoppm (poppler-utils) is needed";
  const Raster& page = *rendered;
  ASSERT_EQ(page.width, 2550);
  ASSERT_EQ(page.height, 3300);
  const int middle = 300 * 11 / 2;
  EXPECT_LT(page.grey(225, middle), 64);
  EXPECT_GT(page.grey(221, middle), 224);
  EXPECT_GT(page.grey(230, middle), 224);
  // The frame's top 1.00 inch down, its bottom 10.25 inches down.
  EXPECT_LT(page.grey(300 * 4, 300), 64);
  EXPECT_LT(page.grey(300 * 4, 3074), 64);
  EXPECT_GT(page.grey(300 * 4, 3090), 224);
}

TEST_F(PdfPrinting, DocumentsGetNewFilesAndThoseDroppedOrRefusedLeaveNone) {
  auto printer = cairo::MakePdfFilePrinter(folder_.path().string());
  const DcHandle dc = CreatePrinterDC(printer);
  const auto printPage = [dc](std::string_view name) {
    if (StartDoc(dc, name) <= 0 || StartPage(dc) != 1) return false;
    TextOut(dc, 0, 0, "One page.");
    return EndDoc(dc) == 1;
  };
  folder_.write("print shipment 1.PDF", "someone else's");
  ASSERT_TRUE(printPage("Print Shipment"));
  ASSERT_TRUE(printPage("Print Shipment"));
  ASSERT_TRUE(printPage(" /Tarifa\tespa\xF1ola "));  // made a safe name
  EXPECT_EQ(Names(folder_.path()), (std::vector<std::string>{"Print Shipment 2.pdf", "Print Shipment 3.pdf",
                                                             "_Tarifa espa\xC3\xB1ola 1.pdf", "print shipment 1.PDF"}));
  EXPECT_EQ(ReadFileText(folder_ / "print shipment 1.PDF"), "someone else's");
  EXPECT_THAT(TextOf(folder_ / "Print Shipment 3.pdf", scratch_.path()), HasSubstr("One page."));

  // Dropped by AbortDoc, or by deleting the context, or with no page:
  // nothing left, not even the temporary file.
  ASSERT_GT(StartDoc(dc, "Rate Block"), 0);
  StartPage(dc);
  TextOut(dc, 0, 0, "Aborted.");
  EXPECT_EQ(AbortDoc(dc), 1);
  ASSERT_GT(StartDoc(dc, "Rate Block"), 0);
  EXPECT_EQ(EndDoc(dc), 1);
  ASSERT_GT(StartDoc(dc, "Rate Block"), 0);
  StartPage(dc);
  DeleteDC(dc);
  EXPECT_EQ(Names(folder_.path()).size(), 4u);

  // A folder that is not there refuses the document.
  const DcHandle lost = CreatePrinterDC(cairo::MakePdfFilePrinter((folder_ / "gone").string()));
  EXPECT_EQ(StartDoc(lost, "Print Shipment"), kPrintError);
  EXPECT_EQ(StartPage(lost), kPrintError);
  DeleteDC(lost);
  EXPECT_FALSE(fs::exists(folder_ / "gone"));
}

// The PDF printer measures its fonts as it draws them, in device units: a
// 10-point "Courier New" (Liberation Mono) at 600 dpi is 0.6 of 83 units
// wide a character.
TEST_F(PdfPrinting, FontsMeasureInPrinterUnits) {
  const DcHandle dc = CreatePrinterDC(cairo::MakePdfFilePrinter(folder_.path().string()));
  const FontHandle font = CreateFont({.face = "Courier New", .height = -83, .weight = 500, .pitchAndFamily = 0x31});
  SelectFont(dc, font);
  const FontMetrics metrics = GetTextMetrics(dc);
  EXPECT_NEAR(metrics.averageCharWidth, 50, 1);
  EXPECT_NEAR(metrics.height, 94, 2);
  EXPECT_NEAR(GetTextExtent(dc, std::string(80, 'M')).width, 80 * 83 * 6 / 10, 2);
  DeleteDC(dc);
  DeleteFont(font);
}

// The system's printers: the print dialog lists the queues, a queue's
// documents go to it as PDF with their title and copies; a queue that
// refuses fails EndDoc.
TEST_F(PdfPrinting, AQueueChosenInThePrintDialogGetsThePdfWithItsTitleAndCopies) {
  cups::RecordingQueues queues;
  queues.queues = {"Office", "Lab"};
  cups::SystemPrintService service(queues);
  ScopedPrintService installed(service);
  PrinterChoice choice;
  backend_.whenIdle([] {
    InjectKeyPress(key::End);
    InjectKeyPress(key::Tab);
    InjectText("2");
    InjectKeyPress(key::Enter);
  });
  const DcHandle dc = PrintDialog(nullptr, choice);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(PrinterOfDC(dc)->name(), "Lab");
  ASSERT_GT(StartDoc(dc, "Tarifa espa\xF1ola"), 0);
  ASSERT_EQ(StartPage(dc), 1);
  TextOut(dc, 330, 0, "Rate Block for the lab.");
  ASSERT_EQ(EndDoc(dc), 1);
  ASSERT_EQ(queues.jobs.size(), 1u);
  const cups::QueueJob& job = queues.jobs[0];
  EXPECT_EQ(job.queue, "Lab");
  EXPECT_EQ(job.title, "Tarifa espa\xC3\xB1ola");
  EXPECT_EQ(job.copies, 2);
  const fs::path pdf = scratch_.write("job.pdf", std::string(job.pdf.begin(), job.pdf.end()));
  EXPECT_EQ(ReadFileText(pdf).substr(0, 5), "%PDF-");
  EXPECT_THAT(TextOf(pdf, scratch_.path()), HasSubstr("Rate Block for the lab."));

  queues.answer = {false, "the queue is stopped"};
  ASSERT_GT(StartDoc(dc, "Rate Block"), 0);
  ASSERT_EQ(StartPage(dc), 1);
  EXPECT_EQ(EndDoc(dc), kPrintError);
  EXPECT_EQ(queues.jobs.size(), 2u);
  DeleteDC(dc);
}

// Where no CUPS server answers (as on the machines the tests run on), the
// queues are none and a job fails with a reason, at once.
TEST_F(PdfPrinting, CupsWithoutAServerListsNoQueueAndFailsTheJob) {
  cups::CupsQueues queues(cups::CupsServer{(folder_ / "no-server.sock").string()});
  EXPECT_TRUE(queues.names().empty());
  const cups::QueueResult result = queues.submit({"Office", "Rate Block", 1, {'%', 'P', 'D', 'F'}});
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());

  const DcHandle dc = CreatePrinterDC(cups::MakeQueuePrinter(queues, "Office", 1));
  ASSERT_GT(StartDoc(dc, "Rate Block"), 0);
  ASSERT_EQ(StartPage(dc), 1);
  EXPECT_EQ(EndDoc(dc), kPrintError);
  DeleteDC(dc);
}

}  // namespace
}  // namespace platform::ui
