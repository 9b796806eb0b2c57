// Printing in the model: what every context says of its device, the calls
// of a document and their failures, a printer's drawing in device units on
// the recording printer, and the print dialog driven by keys.
#include "platform/ui/printing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <gmock/gmock.h>
#include <string>
#include <vector>

#include "platform/testing/temp_directory.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/gdi.h"
#include "platform/ui/print_dialog.h"
#include "platform/ui/recording_printer.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

using State = RecordingPrinter::Document::State;

// A screen of another resolution whose backend measures every font 7 high.
class CoarseScreenBackend : public ScopedHeadlessBackend {
 public:
  int systemMetric(SystemMetric metric) override {
    return metric == SystemMetric::ScreenDpi ? 120 : HeadlessSystemMetric(metric);
  }
  FontMetrics measureFont(const FontSpec&) override { return {7, 6, 1, 0, 3, 3}; }
};

std::vector<int> AllCaps(DcHandle dc) {
  std::vector<int> caps;
  for (DeviceCap cap :
       {DeviceCap::PixelsPerInchX, DeviceCap::PixelsPerInchY, DeviceCap::PageWidth, DeviceCap::PageHeight,
        DeviceCap::PrintableLeft, DeviceCap::PrintableTop, DeviceCap::PrintableWidth, DeviceCap::PrintableHeight})
    caps.push_back(GetDeviceCaps(dc, cap));
  return caps;
}

class Printing : public testing::WindowSystemTest {};

TEST_F(Printing, EveryContextAnswersItsDevicesResolutionPageAndPrintableArea) {
  const WindowHandle window =
      testing::CreateRecorder("window", nullptr, style::Popup | style::Visible, Rect::FromSize(0, 0, 300, 200));
  RecordingSurface surface({200, 100});
  const DcHandle printer = CreatePrinterDC(std::make_shared<RecordingPrinter>());
  const DcHandle windowDc = GetDC(window);
  const DcHandle screenDc = GetDC(nullptr);
  const DcHandle surfaceDc = CreateSurfaceDC(surface);
  struct Case {
    const char* name;
    DcHandle dc;
    std::vector<int> caps;
  } const cases[] = {
      {"a window", windowDc, {96, 96, 1024, 768, 0, 0, 1024, 768}},
      {"the screen", screenDc, {96, 96, 1024, 768, 0, 0, 1024, 768}},
      {"a surface", surfaceDc, {96, 96, 200, 100, 0, 0, 200, 100}},
      {"a printer at 600 dpi", printer, {600, 600, 5100, 6600, 150, 150, 4800, 6300}},
      {"no context", nullptr, {0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(AllCaps(c.dc), c.caps);
  }
  {
    CoarseScreenBackend coarse;
    EXPECT_EQ(GetDeviceCaps(windowDc, DeviceCap::PixelsPerInchY), 120);
    EXPECT_EQ(GetDeviceCaps(screenDc, DeviceCap::PixelsPerInchX), 120);
    EXPECT_EQ(GetDeviceCaps(printer, DeviceCap::PixelsPerInchY), 600);
  }
  EXPECT_EQ(PrinterOfDC(surfaceDc), nullptr);
  EXPECT_EQ(PrinterOfDC(printer)->name(), "Recording printer");
  EXPECT_EQ(CreatePrinterDC(nullptr), nullptr);
  ReleaseDC(window, windowDc);
  EXPECT_TRUE(ReleaseDC(nullptr, screenDc));
  DeleteDC(surfaceDc);
  DeleteDC(printer);
}

// Calls by letter: S StartDoc, P StartPage, E EndPage, D EndDoc, A AbortDoc.
// Every answer is 1 or kPrintError, but StartDoc's success, a document
// number, shows as 1 here.
TEST_F(Printing, DocumentCallsAnswerInOrderAndAFailureDropsTheDocument) {
  using Faults = RecordingPrinter::Faults;
  constexpr int X = kPrintError;
  struct Case {
    const char* name;
    Faults faults;
    const char* calls;
    std::vector<int> answers;
    std::vector<State> documents;
    std::vector<std::size_t> pages;
  } const cases[] = {
      {"two pages delivered", {}, "SPEPED", {1, 1, 1, 1, 1, 1}, {State::Delivered}, {2}},
      {"EndDoc ends the open page", {}, "SPD", {1, 1, 1}, {State::Delivered}, {1}},
      {"pages and ends without a document", {}, "PEDA", {X, X, X, X}, {}, {}},
      {"a document inside a document", {}, "SSED", {1, X, X, 1}, {State::Delivered}, {0}},
      {"a page inside a page", {}, "SPPD", {1, 1, X, 1}, {State::Delivered}, {1}},
      {"AbortDoc drops, EndDoc then has nothing", {}, "SPAD", {1, 1, 1, X}, {State::Dropped}, {1}},
      {"a new document after a dropped one",
       {},
       "SPASPED",
       {1, 1, 1, 1, 1, 1, 1},
       {State::Dropped, State::Delivered},
       {1, 1}},
      {"the printer refuses the document", {.beginDocument = true}, "SPD", {X, X, X}, {}, {}},
      {"the printer refuses a page", {.beginPage = true}, "SPPD", {1, X, X, X}, {State::Dropped}, {0}},
      {"a page cannot end", {.endPage = true}, "SPED", {1, 1, X, X}, {State::Dropped}, {1}},
      {"an open page cannot end at EndDoc", {.endPage = true}, "SPD", {1, 1, X}, {State::Dropped}, {1}},
      {"the document cannot be delivered", {.endDocument = true}, "SPED", {1, 1, 1, X}, {State::Dropped}, {1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto printer = std::make_shared<RecordingPrinter>();
    printer->faults = c.faults;
    const DcHandle dc = CreatePrinterDC(printer);
    std::vector<int> answers;
    for (const char* call = c.calls; *call != '\0'; ++call) {
      int answer = X;
      switch (*call) {
        case 'S': answer = StartDoc(dc, "Print Shipment") > 0 ? 1 : X; break;
        case 'P': answer = StartPage(dc); break;
        case 'E': answer = EndPage(dc); break;
        case 'D': answer = EndDoc(dc); break;
        case 'A': answer = AbortDoc(dc); break;
      }
      answers.push_back(answer);
    }
    EXPECT_EQ(answers, c.answers);
    std::vector<State> states;
    std::vector<std::size_t> pages;
    for (const auto& document : printer->documents()) {
      states.push_back(document.state);
      pages.push_back(document.pages.size());
      EXPECT_EQ(document.name, "Print Shipment");
    }
    EXPECT_EQ(states, c.documents);
    EXPECT_EQ(pages, c.pages);
    DeleteDC(dc);
  }
}

// The calls a printout makes: fonts sized in printer units, text out at the
// current position, rules with wide pens, a hollow and a filled frame, on
// two pages; the printer measures its fonts itself, whatever the screen.
TEST_F(Printing, ThePrinterDrawsAndMeasuresInDeviceUnitsOnEveryPage) {
  CoarseScreenBackend screen;
  auto printer = std::make_shared<RecordingPrinter>();
  const DcHandle dc = CreatePrinterDC(printer);
  const int dpi = GetDeviceCaps(dc, DeviceCap::PixelsPerInchY);
  FontSpec regular{.face = "Courier New", .height = -(10 * dpi / 72), .weight = 500, .pitchAndFamily = 0x31};
  FontSpec title = regular;
  title.height = -(14 * dpi / 72);
  title.weight = 700;
  title.italic = true;
  const FontHandle regularFont = CreateFont(regular);
  const FontHandle titleFont = CreateFont(title);
  const PenHandle wide = CreatePen(PenStyle::Solid, 8, Rgb(0, 0, 0));
  const PenHandle thin = CreatePen(PenStyle::Solid, 4, Rgb(0, 0, 0));

  SelectFont(dc, titleFont);
  TextOut(dc, 0, 0, "before the document");  // goes nowhere
  ASSERT_GT(StartDoc(dc, "Print Shipment"), 0);
  ASSERT_EQ(StartPage(dc), 1);
  SetTextAlign(dc, text_align::UpdatePosition);
  MoveTo(dc, {330, 0});
  TextOut(dc, 0, 0, "  Rate Block");
  const Size titleExtent = GetTextExtent(dc, "  Rate Block");
  EXPECT_EQ(titleExtent, (Size{12 * 58, 116 + 23}));
  SelectFont(dc, regularFont);
  EXPECT_EQ(GetTextMetrics(dc).height, 83 + 16);
  TextOut(dc, 0, 0, "  FAK");  // continues the line in the regular font
  EXPECT_EQ(CurrentPosition(dc), (Point{330 + 12 * 58 + 5 * 42, 0}));
  SelectPen(dc, thin);
  MoveTo(dc, {300, 139});
  LineTo(dc, {4500, 139});
  SelectBrush(dc, NullBrush());
  Rectangle(dc, {300, 450, 4500, 6000});
  ASSERT_EQ(EndPage(dc), 1);
  TextOut(dc, 0, 0, "between pages");  // goes nowhere
  ASSERT_EQ(StartPage(dc), 1);
  SelectPen(dc, wide);
  SelectBrush(dc, WhiteBrush());
  Rectangle(dc, {300, 450, 4500, 6000});
  ASSERT_EQ(EndDoc(dc), 1);

  ASSERT_EQ(printer->documents().size(), 1u);
  const auto& pages = printer->documents()[0].pages;
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].size(), (Size{4800, 6300}));
  const std::vector<DrawCall> texts = pages[0].texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].from, (Point{330, 0}));
  EXPECT_EQ(texts[0].font, title);
  EXPECT_EQ(texts[1].from, (Point{330 + 12 * 58, 0}));
  EXPECT_EQ(texts[1].font.height, -83);
  EXPECT_EQ(texts[1].text, "  FAK");
  std::vector<DrawCall> lines;
  std::vector<Rect> frame;
  for (const DrawCall& call : pages[0].calls()) {
    if (call.kind == DrawCall::Kind::Line) lines.push_back(call);
    if (call.kind == DrawCall::Kind::Fill && call.color == Rgb(0, 0, 0)) frame.push_back(call.rect);
  }
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].from, (Point{300, 139}));
  EXPECT_EQ(lines[0].to, (Point{4500, 139}));
  EXPECT_EQ(lines[0].width, 4);
  // Hollow: the four sides and nothing inside, so the heading stays.
  EXPECT_EQ(frame,
            (std::vector<Rect>{
                {300, 450, 4500, 454}, {300, 5996, 4500, 6000}, {300, 450, 304, 6000}, {4496, 450, 4500, 6000}}));
  // Filled with the white brush first, inside the 8-unit outline.
  ASSERT_EQ(pages[1].calls().size(), 5u);
  EXPECT_EQ(pages[1].calls()[0].rect, (Rect{308, 458, 4492, 5992}));
  EXPECT_EQ(pages[1].calls()[0].color, Rgb(255, 255, 255));
  EXPECT_TRUE(pages[1].texts().empty());
  DeleteDC(dc);
  DeletePen(wide);
  DeletePen(thin);
  DeleteFont(regularFont);
  DeleteFont(titleFont);
}

// The print dialog on a service with two queues.
class PrintDialogs : public testing::WindowSystemTest {
 protected:
  PrintDialogs() { service_.queues = {"Office", "Lab"}; }
  static WindowHandle Box() { return GetActiveWindow(); }
  static int Selected() {
    return static_cast<int>(SendDialogItemMessage(Box(), print_dialog::kPrinterListId, list_box::GetCurrentSelection));
  }
  static bool Enabled(int id) { return IsWindowEnabled(DialogItem(Box(), id)); }
  RecordingPrintService service_;
  ScopedPrintService installed_{service_};
  platform::testing::TempDirectory folder_;
};

TEST_F(PrintDialogs, KeysChooseAQueueAndItsCopiesAndOkGivesItsContext) {
  ::setenv("HOME", folder_.path().c_str(), 1);
  PrinterChoice choice;
  std::vector<int> selections;
  std::vector<bool> folderEnabled;
  std::string folderShown;
  whenIdle({[&] {
              selections.push_back(Selected());
              folderEnabled.push_back(Enabled(print_dialog::kFolderEditId));
              folderShown = DialogItemText(Box(), print_dialog::kFolderEditId);
              EXPECT_EQ(WindowId(GetFocus()), print_dialog::kPrinterListId);
              InjectKeyPress(key::Down);
              InjectKeyPress(key::Down);
            },
            [&] {
              selections.push_back(Selected());
              folderEnabled.push_back(Enabled(print_dialog::kFolderEditId));
              EXPECT_TRUE(Enabled(print_dialog::kCopiesEditId));
              InjectKeyPress(key::Tab);  // past the unused folder, to the copies
              InjectText("3");
              InjectKeyPress(key::Enter);
            }});
  const DcHandle dc = PrintDialog(nullptr, choice);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(selections, (std::vector<int>{0, 2}));
  EXPECT_EQ(folderEnabled, (std::vector<bool>{true, false}));
  EXPECT_EQ(folderShown, folder_.path().string());  // HOME, for want of a folder chosen
  EXPECT_EQ(PrinterOfDC(dc)->name(), "Lab");
  EXPECT_EQ(GetDeviceCaps(dc, DeviceCap::PixelsPerInchX), 600);
  const PrinterChoice lab{PrinterKind::Queue, "Lab", "", 3};
  EXPECT_EQ(service_.requests, std::vector<PrinterChoice>{lab});
  EXPECT_EQ(choice, lab);
  EXPECT_TRUE(ChildWindows(nullptr).empty());
  DeleteDC(dc);

  // Opened again on the choice kept; Esc gives no context and keeps it.
  whenIdle({[&] {
    selections.push_back(Selected());
    EXPECT_EQ(DialogItemText(Box(), print_dialog::kCopiesEditId), "3");
    InjectKeyPress(key::Escape);
  }});
  EXPECT_EQ(PrintDialog(nullptr, choice), nullptr);
  EXPECT_EQ(selections.back(), 2);
  EXPECT_EQ(choice, lab);
  EXPECT_EQ(service_.requests.size(), 1u);
  EXPECT_TRUE(backend_.beeps().empty());
}

TEST_F(PrintDialogs, OkRefusesAMissingFolderBadCopiesAndAPrinterNotMade) {
  const std::string missing = (folder_ / "missing").string();
  PrinterChoice choice{PrinterKind::PdfFile, "", missing, 1};
  std::vector<int> refusedAt;
  const auto refused = [&] { refusedAt.push_back(WindowId(GetFocus())); };
  whenIdle({[] { InjectKeyPress(key::Enter); },
            [&] {
              refused();
              InjectText(folder_.path().string());  // replaces the selected text
              InjectKeyPress(key::Enter);
            }});
  const DcHandle pdf = PrintDialog(nullptr, choice);
  ASSERT_NE(pdf, nullptr);
  EXPECT_EQ(PrinterOfDC(pdf)->name(), "PDF file");
  EXPECT_EQ(choice, (PrinterChoice{PrinterKind::PdfFile, "", folder_.path().string(), 1}));
  DeleteDC(pdf);

  service_.refuse = true;
  whenIdle({[] {
              InjectKeyPress(key::Down);
              InjectKeyPress(key::Tab);
              InjectText("0");
              InjectKeyPress(key::Enter);
            },
            [&] {
              refused();
              InjectText("1000");  // one digit too many for the range
              InjectKeyPress(key::Enter);
            },
            [&] {
              refused();
              InjectText("2");
              InjectKeyPress(key::Enter);
            },
            [&] {
              refused();  // the service made no printer: still open
              InjectKeyPress(key::Escape);
            }});
  EXPECT_EQ(PrintDialog(nullptr, choice), nullptr);
  EXPECT_EQ(refusedAt, (std::vector<int>{print_dialog::kFolderEditId, print_dialog::kCopiesEditId,
                                         print_dialog::kCopiesEditId, print_dialog::kCopiesEditId}));
  EXPECT_EQ(backend_.beeps().size(), 4u);
  EXPECT_EQ(service_.requests.back(), (PrinterChoice{PrinterKind::Queue, "Office", folder_.path().string(), 2}));
  EXPECT_EQ(choice.kind, PrinterKind::PdfFile);  // kept from before

  // Without a print service there is nothing to choose.
  InstallPrintService(nullptr);
  EXPECT_EQ(PrintDialog(nullptr, choice), nullptr);
  EXPECT_FALSE(backend_.starved());
}

}  // namespace
}  // namespace platform::ui
