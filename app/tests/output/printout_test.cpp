// The two printouts: to the print file, byte for byte as hand-written
// expected files; on a recording printer at 600 dpi (fonts, frame, text
// margin, pages, the printer's failures); by the real PDF printer, read
// back with the PDF tools.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <sstream>

#include "output/output_fields.h"
#include "output/rate_block_printout.h"
#include "output_fixture.h"
#include "platform/kernel/path.h"
#include "platform/testing/pdf_tools.h"
#include "platform/testing/temp_directory.h"
#include "platform/ui/cairo/pdf_printer.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_box.h"
#include "platform/ui/printing.h"
#include "platform/ui/recording_printer.h"
#include "platform/ui/window.h"
#include "screen/screen_ids.h"

namespace qiv::testing {
namespace {

namespace fs = std::filesystem;
namespace of = output_fields;
using platform::ui::DrawCall;
using platform::ui::RecordingPrinter;
using ::testing::HasSubstr;

// A printout of a test shipment: the shipment printout (type 0) or the
// rate block of the type.
struct Printout {
  const char* name;
  Language language;
  void (*fill)(RatingContext&);
  ResultTables (*totals)();
  int type;
};
const Printout kUsShipment{"us_shipment.PRT", Language::English, FillUsShipment, UsShipmentTotals, 0};
const Printout kMexicanShipment{"mexican_shipment.PRT", Language::Spanish, FillMexicanShipment, MexicanShipmentTotals,
                                0};
const Printout kSingleFak{"single_fak_rate_block.PRT", Language::English, FillSingleFakRateBlock, nullptr, 2};
const Printout kSeveralClasses{"several_classes_rate_block.PRT", Language::English, FillSeveralClassesRateBlock,
                               nullptr, 3};

// The single-FAK lane with every class and both charge lists full: more
// lines than a page holds.
void FillOverlongRateBlock(RatingContext& context) {
  namespace charges = ratekit::charge_list;
  FillSingleFakRateBlock(context);
  for (std::size_t i = 0; i < ratekit::context::kClassSlots; ++i)
    context.view().setText(ratekit::context::ClassCode(i), std::to_string(100 + i), '\0');
  context.setInt(of::kClassCount, static_cast<std::int32_t>(ratekit::context::kClassSlots));
  for (std::size_t list : {0u, 1u}) {
    for (std::size_t i = 0; i < charges::kEntries; ++i) {
      context.view().setText(charges::Label(list, i), "CHARGE " + std::to_string(i), '\0');
      context.setInt(charges::Charge(list, i), 1234);
    }
    context.setInt(charges::Count(list), static_cast<std::int32_t>(charges::kEntries));
  }
}
const Printout kOverlong{"overlong_rate_block", Language::English, FillOverlongRateBlock, nullptr, 2};

class Printouts : public OutputTest {
 protected:
  // A new session in the printout's language with its shipment; the
  // printout made. True when it was.
  bool print(const Printout& printout) {
    useLanguage(printout.language);
    printout.fill(context());
    return printAgain(printout);
  }
  bool printAgain(const Printout& printout) {
    if (printout.type != 0) return PrintRateBlock(*writer_, printout.type, screenLabels(), nullptr);
    tables_ = printout.totals();
    return PrintShipment(*writer_, shipmentScreen(&tables_), nullptr);
  }
  // The texts of the message boxes shown since forgetBoxes.
  std::vector<std::string> boxTexts() const {
    std::vector<std::string> texts;
    for (std::size_t i = boxesFrom_; i < driver_.boxes().size(); ++i) texts.push_back(driver_.boxes()[i].text);
    return texts;
  }
  void forgetBoxes() { boxesFrom_ = driver_.boxes().size(); }
  // Prints on a recording printer; its pages.
  std::shared_ptr<RecordingPrinter> recordingPrinter() {
    auto printer = std::make_shared<RecordingPrinter>();
    writer_->attachPrinter(platform::ui::CreatePrinterDC(printer));
    return printer;
  }
  void toPrinter() { context().setTerminatedText(of::kPrintOutput, "PRTR"); }

  ResultTables tables_;
  std::size_t boxesFrom_ = 0;
};

TEST_F(Printouts, FilesEqualTheHandWrittenOnes) {
  for (const Printout& printout : {kUsShipment, kMexicanShipment, kSeveralClasses, kSingleFak}) {
    SCOPED_TRACE(printout.name);
    useLanguage(printout.language);
    setPrintFile(printout.name);
    printout.fill(context());
    ASSERT_TRUE(printAgain(printout));
    EXPECT_EQ(workFile(printout.name), Expected(printout.name));
  }
  // The three-digit-ZIP option of the single-FAK lane showed "100  " and
  // "606  " and leaves '0' in both codes.
  EXPECT_EQ(context().textAt(of::Code(0)), "10000");
  EXPECT_EQ(context().textAt(of::Code(1)), "60600");
  EXPECT_TRUE(driver_.boxes().empty());
}

TEST_F(Printouts, FilesAreAddedToInOrderAndAFinalEndOfFileByteIsReplaced) {
  struct Case {
    const char* before;
    char answer;
    const char* kept;
  } const cases[] = {
      {"OLD\x1A", 'A', "OLD"},      // the end-of-file byte gives way
      {"OLD!", 'A', "OLD!"},        // any other byte stays
      {"OLD\x1A", 'N', "OLD\x1A"},  // not answered Append: appended after it
      {"", 'A', ""},
  };
  const std::string printout = Expected(kSingleFak.name);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    useLanguage(Language::English);
    FillSingleFakRateBlock(context());
    setPrintFile("REPORT.PRT", c.answer);
    std::ofstream(work() / "REPORT.PRT", std::ios::binary) << c.before;
    ASSERT_TRUE(printAgain(kSingleFak));
    EXPECT_EQ(workFile("REPORT.PRT"), c.kept + printout);
  }
  // A second printout follows the first; a name found without regard to
  // case is the existing file.
  ASSERT_TRUE(printAgain(kSingleFak));
  setPrintFile("report.prt", 'A');
  ASSERT_TRUE(printAgain(kSingleFak));
  EXPECT_EQ(workFile("REPORT.PRT"), printout + printout + printout);
  EXPECT_FALSE(fs::exists(work() / "report.prt"));
}

TEST_F(Printouts, TheHeadingIsSplitAtSixBlanksIntoCentredLinesElseLeftAsItIs) {
  struct Case {
    std::string title;
    std::string heading;  // the file's first lines
  } const cases[] = {
      {"QIV - Freight Rating", "   \r\n  QIV - Freight Rating\r\n  \r\n"},
      {"  Acme      Freight Rating  ",
       "   \r\n                              Acme\r\n                         Freight Rating\r\n  \r\n"},
      // Past the 60 columns: no blanks before it, never fewer.
      {std::string(70, 'T') + "      x",
       "   \r\n  " + std::string(70, 'T') + "\r\n                               x\r\n  \r\n"},
      {std::string(100, 'T'), "   \r\n  " + std::string(79, 'T') + "\r\n  \r\n"},
  };
  setPrintFile("TITLES.PRT");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    fs::remove(work() / "TITLES.PRT");
    setTitle(c.title);
    FillSingleFakRateBlock(context());
    ASSERT_TRUE(printAgain(kSingleFak));
    EXPECT_EQ(workFile("TITLES.PRT").substr(0, c.heading.size()), c.heading);
  }
}

TEST_F(Printouts, BadInputGetsADefinedResult) {
  // No weight on the first line: message 116, nothing printed; print mode
  // 'O': nothing at all.
  useLanguage(Language::English);
  FillUsShipment(context());
  setPrintFile("BAD.PRT");
  context().view().setText(ratekit::shipment_lines::WeightText(0), "     0", '\0');
  EXPECT_FALSE(printAgain(kUsShipment));
  context().setChar(of::kPrintMode, 'O');
  EXPECT_FALSE(printAgain(kUsShipment));
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"Nothing to Print"});
  EXPECT_FALSE(fs::exists(work() / "BAD.PRT"));

  // Bytes 0x80-0xFF print as blanks, control characters pass; a line is
  // cut at 87 characters of text, also when printed in pieces.
  FillUsShipment(context());
  context().setChar(of::kPrintMode, 'S');
  context().view().setText(of::kProfileName, "Caf\xE9\tM\xFCller", '\0');
  tables_ = UsShipmentTotals();
  ShipmentScreen screen = shipmentScreen(&tables_);
  screen.originCity = std::string(120, 'C');
  platform::ui::SetWindowText(platform::ui::DialogItem(screen.window, screen_id::ShipmentIdLabel),
                              std::string(100, 'P'));
  ASSERT_TRUE(PrintShipment(*writer_, screen, nullptr));
  const std::vector<std::string> lines = FileLines(workFile("BAD.PRT"));
  EXPECT_THAT(lines, ::testing::Contains("        " + std::string(81, 'C')));
  EXPECT_THAT(lines, ::testing::Contains("  " + std::string(87, 'P')));
  EXPECT_THAT(workFile("BAD.PRT"), HasSubstr("Caf \tM ller"));
  for (const std::string& line : lines) EXPECT_LE(line.size(), 89u) << line;
}

TEST_F(Printouts, AFileThatCannotBeMadeOrWrittenIsAWarningAndKeepsItsAnswer) {
  struct Case {
    const char* name;
    const char* message;
  } const cases[] = {
      {"NOTADIR/REPORT.PRT", "Error opening PRT file."},
      {"/dev/full", "Error writing PRT file."},
  };
  std::ofstream(work() / "NOTADIR") << "a file";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    useLanguage(Language::English);
    forgetBoxes();
    FillSingleFakRateBlock(context());
    setPrintFile(c.name, 'A');
    EXPECT_TRUE(printAgain(kSingleFak));
    EXPECT_EQ(boxTexts(), std::vector<std::string>{c.message});
    EXPECT_EQ(context().charAt(of::kPrintFileAnswer), 'A');
  }
}

std::vector<DrawCall> Lines(const platform::ui::RecordingSurface& page, int width) {
  std::vector<DrawCall> lines;
  for (const DrawCall& call : page.calls())
    if (call.kind == DrawCall::Kind::Line && call.width == width) lines.push_back(call);
  return lines;
}

std::vector<platform::ui::Rect> Fills(const platform::ui::RecordingSurface& page) {
  std::vector<platform::ui::Rect> fills;
  for (const DrawCall& call : page.calls())
    if (call.kind == DrawCall::Kind::Fill) fills.push_back(call.rect);
  return fills;
}
const platform::ui::Rect kFrameSides[] = {
    {300, 450, 4500, 454}, {300, 5996, 4500, 6000}, {300, 450, 304, 6000}, {4496, 450, 4500, 6000}};

TEST_F(Printouts, OnTheRecordingPrinterTheFrameFontsAndMarginsFollowTheResolution) {
  useLanguage(Language::English);
  FillUsShipment(context());
  toPrinter();
  const auto printer = recordingPrinter();
  ASSERT_TRUE(printAgain(kUsShipment));
  ASSERT_EQ(printer->documents().size(), 1u);
  const RecordingPrinter::Document& document = printer->documents()[0];
  EXPECT_EQ(document.name, "Print Shipment");
  EXPECT_EQ(document.state, RecordingPrinter::Document::State::Delivered);
  ASSERT_EQ(document.pages.size(), 1u);
  const platform::ui::RecordingSurface& page = document.pages[0];

  // 10-point fonts -83 units high, 14-point ones -116; every line from 330.
  const std::vector<DrawCall> texts = page.texts();
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0].from.x, 330);
  for (const DrawCall& text : texts) {
    if (text.text.find("QIV") != std::string::npos) {
      EXPECT_EQ(text.font.height, -116) << text.text;
    }
    if (text.text.find("Acme Freight") != std::string::npos) {
      EXPECT_EQ(text.font.height, -83) << text.text;
    }
    EXPECT_EQ(text.font.face, "Courier New");
  }
  int lineStarts = 0;
  for (const DrawCall& text : texts) lineStarts += text.from.x == 330 ? 1 : 0;
  EXPECT_GE(lineStarts, 30);

  // The frame: hollow (its four sides only), 4 units wide, 0.50 to 7.50
  // inch across and 0.75 to 10.00 inch down; separator rules across it.
  EXPECT_THAT(Fills(page), ::testing::ElementsAreArray(kFrameSides));
  const std::vector<DrawCall> thin = Lines(page, 4);
  EXPECT_GE(thin.size(), 5u);
  for (const DrawCall& rule : thin) {
    EXPECT_EQ(rule.from.x, 300);
    EXPECT_EQ(rule.to.x, 4500);
  }
  // Net charge under one rule of the 8-unit pen, the total under two.
  EXPECT_EQ(Lines(page, 8).size(), 3u);
}

TEST_F(Printouts, AnOverlongRateBlockGoesOnToASecondPageWithItsHeadingAndFrame) {
  print(kOverlong);
  toPrinter();
  const auto printer = recordingPrinter();
  ASSERT_TRUE(PrintRateBlock(*writer_, 2, screenLabels(), nullptr));
  const auto& pages = printer->documents().at(0).pages;
  ASSERT_EQ(pages.size(), 2u);
  for (const auto& page : pages) {
    EXPECT_EQ(page.texts().at(1).text, std::string(30, ' ') + "QIV");
    EXPECT_THAT(Fills(page), ::testing::ElementsAreArray(kFrameSides));
    // Every line inside the frame.
    for (const DrawCall& text : page.texts()) EXPECT_LE(text.from.y + 83, 6000) << text.text;
  }
  EXPECT_THAT(pages[1].texts().back().text, ::testing::StartsWith("  "));
  // The last class: its rates would lie past the end of the U.S. table
  // (20 classes of 9 breaks), so they are blank.
  const std::vector<DrawCall> second = pages[1].texts();
  const auto last = std::find_if(second.begin(), second.end(), [](const DrawCall& t) { return t.text == "  119 "; });
  ASSERT_NE(last, second.end());
  ASSERT_NE(last + 1, second.end());
  EXPECT_EQ(last[1].text, std::string(2 + 9 * 8, ' '));
}

TEST_F(Printouts, PrinterFailuresAreWarningsAndNothingIsDelivered) {
  struct Case {
    const char* what;
    RecordingPrinter::Faults faults;
    bool fonts;
    const char* message;
  } const cases[] = {
      {"fonts", {}, false, "Failed to create printer device fonts. Print not performed."},
      {"document", {.beginDocument = true}, true, "Error opening Printer"},
      {"page", {.beginPage = true}, true, "Error opening Printer"},
      {"delivery", {.endDocument = true}, true, "Error opening Printer"},
  };
  for (const Printout& printout : {kUsShipment, kSingleFak}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(printout.name) + " " + c.what);
      useLanguage(Language::English);
      forgetBoxes();
      printout.fill(context());
      toPrinter();
      if (!c.fonts) session().environment.createFont = [](const platform::ui::FontSpec&) { return nullptr; };
      const auto printer = recordingPrinter();
      printer->faults = c.faults;
      printAgain(printout);
      EXPECT_EQ(boxTexts(), std::vector<std::string>{c.message});
      for (const auto& document : printer->documents())
        EXPECT_NE(document.state, RecordingPrinter::Document::State::Delivered);
      // Fonts not made: the printer is forgotten, to be chosen again.
      EXPECT_EQ(writer_->printerContext() == nullptr, !c.fonts);
    }
  }
}

TEST_F(Printouts, ThePdfPrinterDrawsEveryWordOfTheFileLinesInsideTheFrame) {
  platform::testing::TempDirectory folder;
  platform::testing::TempDirectory scratch;
  const fs::path artifacts = fs::path(QIV_ARTIFACT_DIR) / "output";
  fs::create_directories(artifacts);
  for (const Printout& printout : {kUsShipment, kSingleFak, kOverlong}) {
    SCOPED_TRACE(printout.name);
    useLanguage(printout.language);
    printout.fill(context());
    toPrinter();
    writer_->attachPrinter(
        platform::ui::CreatePrinterDC(platform::ui::cairo::MakePdfFilePrinter(folder.path().string())));
    ASSERT_TRUE(printAgain(printout));
    const std::string document = printout.type == 0 ? "Print Shipment" : "Rate Block";
    const fs::path pdf = folder / (document + " 1.pdf");
    ASSERT_TRUE(fs::exists(pdf));
    const std::string kept = fs::path(printout.name).stem().string();
    fs::copy_file(pdf, artifacts / (kept + ".pdf"), fs::copy_options::overwrite_existing);
    ASSERT_TRUE(platform::testing::SavePdfPagesAsPng(pdf, 100, artifacts / kept))
        << "pdftoppm (poppler-utils) is needed";

    // Every word of every line of the file printout, rules of dashes aside;
    // the overlong block's last class on its second page.
    const std::optional<std::string> text = platform::testing::PdfText(pdf, scratch.path());
    ASSERT_TRUE(text) << "pdftotext (poppler-utils) is needed";
    if (printout.fill == FillOverlongRateBlock) {
      const std::size_t pageBreak = text->find('\f');
      ASSERT_LT(pageBreak, text->size() - 1);
      EXPECT_THAT(text->substr(pageBreak), HasSubstr("119"));
      EXPECT_THAT(text->substr(pageBreak), HasSubstr("Freight Rating"));
      continue;
    }
    std::istringstream words(Expected(printout.name));
    for (std::string word; words >> word;)
      if (word.find_first_not_of('-') != std::string::npos && word != "\f") {
        EXPECT_THAT(*text, HasSubstr(word));
      }

    // At 300 dpi the frame's left side lies 0.75 inch from the paper's
    // edge (pixels 225 and 226) halfway down; white a little either side.
    const auto page = platform::testing::RasterisePdfPage(pdf, 1, 300, scratch.path());
    ASSERT_TRUE(page) << "pdftoppm (poppler-utils) is needed";
    ASSERT_EQ(page->width, 2550);
    const int middle = page->height / 2;
    EXPECT_LT(std::min(page->grey(225, middle), page->grey(226, middle)), 64);
    EXPECT_GT(page->grey(215, middle), 192);
    EXPECT_GT(page->grey(236, middle), 192);
    fs::remove(pdf);
  }
}

}  // namespace
}  // namespace qiv::testing
