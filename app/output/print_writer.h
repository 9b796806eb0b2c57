// The print writer: one printout at a time, to the printer chosen for the
// program run or to the print file the print settings name, with the frame
// both printouts share (PrintShipment, PrintRateBlock).
//
// On the printer a printout is one document in the printer's device units:
// its lines are drawn from the printable area's top at a running height,
// each moving down by the height of the font selected when it ends; a page
// frame from 0.50 to 7.50 inches across and 0.75 to 10.00 inches down
// (hollow, after the heading), rules with a 4-unit pen and underlines with
// an 8-unit pen. A line that would pass the frame's bottom (or the
// printable area's) starts a new page, with the heading and the frame again.
//
// To the print file a printout is text: each line two blanks and at most
// 87 characters (bytes that are neither printable nor control characters
// become blanks; a line never passes 89 characters before its CR LF, the
// pieces printed on one line together), separators of 79 dashes, a form
// feed line at the end. The lines are gathered and added to the file at
// the end at once (platform/kernel/append_file.h): a final end-of-file
// byte 0x1A of a file appended to is replaced, a file not there is made
// whole, and a file not written whole is left as it was, with a warning.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/ui/print_service.h"
#include "platform/ui/types.h"

namespace qiv {

struct QivSession;

enum class PrintFont { Regular, Bold, Underlined, Large, Title };

// The page frame in device units, from the printer's resolution.
struct PageFrame {
  int textLeft = 0;
  int ruleLeft = 0;
  int ruleRight = 0;
  int top = 0;
  int bottom = 0;
  friend bool operator==(const PageFrame&, const PageFrame&) = default;
};
PageFrame PageFrameFor(int pixelsPerInchX, int pixelsPerInchY);

class PrintWriter {
 public:
  explicit PrintWriter(QivSession& session);
  ~PrintWriter();
  PrintWriter(const PrintWriter&) = delete;
  PrintWriter& operator=(const PrintWriter&) = delete;

  QivSession& session() { return session_; }

  // The printer of the program run: its context (null until one is
  // chosen, and again after its fonts could not be made) and the choice
  // the print dialog keeps.
  platform::ui::DcHandle printerContext() const { return printer_; }
  platform::ui::PrinterChoice& printerChoice() { return choice_; }
  // Runs the print dialog; true when it gave a context, which becomes the
  // run's printer (attachPrinter).
  bool choosePrinter(platform::ui::WindowHandle owner);
  // The context becomes the run's printer, the writer's to delete, in place
  // of any before.
  void attachPrinter(platform::ui::DcHandle printer);

  // The common frame's start: the output the print settings choose, the
  // heading and the page frame (printer) or separator (file). False when
  // the printout ends there: no printer chosen (silently), the fonts not
  // made (117) or the document refused (503).
  bool begin(std::string_view documentName, platform::ui::WindowHandle owner);
  // Its end: the document delivered (503 when it is not), or the lines
  // added to the print file (419 or 420 when they cannot be).
  void end();
  // The printing flag: the output is the printer.
  bool printing() const { return printing_; }

  // The lines (fonts matter on the printer only).
  void selectFont(PrintFont font);
  void printLine(std::string_view text, bool newline = true);
  void printBlankLine() { printLine(" "); }
  void printSeparator();
  // Printer only: the text in bold, then one rule under it (kind 1) or two
  // (kind 2), and one or two lines of one blank.
  void printUnderline(std::string_view text, int kind);
  void printHeading();
  // Type 0 the shipment's, 1 combined, 2 U.S. only, 3 Mexico only.
  void printTariffLine(int type);

 private:
  bool beginPrinter(std::string_view documentName);
  // The frame and the lines' bottom from the printer's resolution.
  void setPageFrame();
  bool createPrintFonts();
  void deletePrintFonts();
  void forgetPrinter();
  void drawFrame();
  void startLine();
  void newPage();
  int lineHeight(std::string_view text) const;
  void warn(std::int32_t number);

  QivSession& session_;
  platform::ui::WindowHandle owner_ = nullptr;
  platform::ui::DcHandle printer_ = nullptr;
  platform::ui::PrinterChoice choice_;
  bool printing_ = false;
  bool failed_ = false;  // the printer refused a page
  PageFrame frame_;
  std::array<platform::ui::FontHandle, 5> fonts_{};
  std::array<platform::ui::PenHandle, 2> pens_{};  // 8 and 4 units wide
  PrintFont font_ = PrintFont::Regular;
  int y_ = 0;               // the running height
  int pageBottom_ = 0;      // where lines end: the frame's bottom, at most the printable height
  std::size_t column_ = 0;  // characters of the current line so far
  std::string file_;        // the file printout's bytes
};

}  // namespace qiv
