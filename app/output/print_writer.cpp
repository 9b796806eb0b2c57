#include "output/print_writer.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "language/show_message.h"
#include "output/output_fields.h"
#include "output/output_messages.h"
#include "output/print_columns.h"
#include "platform/kernel/append_file.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/print_dialog.h"
#include "platform/ui/printing.h"
#include "shell/qiv_session.h"

namespace qiv {

using namespace platform::ui;
namespace of = output_fields;

namespace {

constexpr std::int32_t kTitleText = 537;
constexpr std::int32_t kUsOnlyText = 4551;
constexpr std::int32_t kMexicoOnlyText = 4552;
constexpr std::size_t kTitleLimit = 79;  // the line buffer's room
constexpr std::string_view kTitleSplit = "      ";
constexpr std::size_t kLineText = 87;   // characters of text one print takes
constexpr std::size_t kLineLimit = 89;  // characters of a file line before its CR LF
constexpr std::uint8_t kEndOfFile = 0x1A;
constexpr std::string_view kNewLine = "\r\n";

// The printer fonts, in the order they are made: all "Courier New", fixed
// pitch, modern family.
struct PrinterFont {
  int points;
  int weight;
  bool italic;
  bool underline;
};
constexpr PrinterFont kPrinterFonts[] = {
    {10, 500, false, false},  // regular: values
    {10, 700, false, false},  // bold: labels, column headings
    {10, 700, false, true},   // underlined: underlined totals
    {14, 700, false, false},  // large: the rate block's route line
    {14, 700, true, false},   // title: the heading
};
constexpr std::uint8_t kFixedPitchModern = 0x31;
enum Pen { kWidePen, kThinPen };

// The text as a print takes it: up to a NUL, at most 87 characters, and
// bytes that are neither printable nor control characters made blanks.
std::string PrintedText(std::string_view text) {
  std::string cleaned(platform::UntilNul(text).substr(0, kLineText));
  for (char& c : cleaned)
    if (static_cast<unsigned char>(c) >= 0x80) c = ' ';
  return cleaned;
}

}  // namespace

PageFrame PageFrameFor(int x, int y) {
  return {55 * x / 100, 50 * x / 100, 750 * x / 100, 75 * y / 100, 1000 * y / 100};
}

PrintWriter::PrintWriter(QivSession& session) : session_(session) {}

PrintWriter::~PrintWriter() {
  deletePrintFonts();
  if (printer_ != nullptr) DeleteDC(printer_);
}

bool PrintWriter::choosePrinter(WindowHandle owner) {
  const DcHandle chosen = PrintDialog(owner, choice_);
  if (chosen == nullptr) return false;
  attachPrinter(chosen);
  return true;
}

void PrintWriter::attachPrinter(DcHandle printer) {
  if (printer_ != nullptr && printer_ != printer) DeleteDC(printer_);
  printer_ = printer;
}

void PrintWriter::warn(std::int32_t number) {
  session_.context->setLastErrorCode(number);
  ShowMessage(session_, owner_, MessageType::Warning);
}

bool PrintWriter::begin(std::string_view documentName, WindowHandle owner) {
  owner_ = owner;
  printing_ = false;
  failed_ = false;
  file_.clear();
  column_ = 0;
  y_ = 0;
  font_ = PrintFont::Regular;
  // The print setup writes "PRTR" or "FILE"; anything else counts as the file.
  if (session_.context->textAt(of::kPrintOutput) == "PRTR") {
    printing_ = true;
    if (printer_ == nullptr && !choosePrinter(owner)) {
      printing_ = false;
      return false;
    }
    return beginPrinter(documentName);
  }
  printHeading();
  printSeparator();
  return true;
}

void PrintWriter::setPageFrame() {
  frame_ = PageFrameFor(GetDeviceCaps(printer_, DeviceCap::PixelsPerInchX),
                        GetDeviceCaps(printer_, DeviceCap::PixelsPerInchY));
  // Lines stay inside the frame (and the paper): one that would pass its
  // bottom starts a new page.
  pageBottom_ = std::min(frame_.bottom, GetDeviceCaps(printer_, DeviceCap::PrintableHeight));
}

bool PrintWriter::beginPrinter(std::string_view documentName) {
  SaveDC(printer_);
  setPageFrame();
  if (!createPrintFonts()) {
    deletePrintFonts();
    forgetPrinter();
    printing_ = false;
    warn(output_message::kPrinterFontsNotMade);
    return false;
  }
  const bool started = StartDoc(printer_, documentName) > 0;
  if (!started || StartPage(printer_) != 1) {
    if (started) AbortDoc(printer_);
    RestoreDC(printer_);
    deletePrintFonts();
    printing_ = false;
    warn(output_message::kPrinterFailed);
    return false;
  }
  SetTextAlign(printer_, text_align::UpdatePosition);
  // Text leaves the rules and the frame drawn before it as they are.
  SetBackgroundMode(printer_, BackgroundMode::Transparent);
  MoveTo(printer_, {frame_.textLeft, 0});
  printHeading();
  drawFrame();
  return true;
}

void PrintWriter::end() {
  if (printing_) {
    bool delivered = false;
    if (failed_)
      AbortDoc(printer_);
    else
      delivered = EndDoc(printer_) == 1;
    RestoreDC(printer_);
    deletePrintFonts();
    printing_ = false;
    if (!delivered) warn(output_message::kPrinterFailed);
    return;
  }
  printLine("\f");
  RatingContext& context = *session_.context;
  platform::AppendOptions options;
  if (context.charAt(of::kPrintFileAnswer) == 'A') options.endMark = kEndOfFile;
  const platform::AppendResult written = platform::AppendToFile(context.textAt(of::kPrintFileName), file_, options);
  file_.clear();
  if (written.ok()) return;
  const bool opened =
      written.failedStep == platform::AppendStep::Write || written.failedStep == platform::AppendStep::Undo;
  warn(opened ? output_message::kPrintFileNotWritten : output_message::kPrintFileNotOpened);
}

bool PrintWriter::createPrintFonts() {
  pens_[kWidePen] = CreatePen(PenStyle::Solid, 8, Rgb(0, 0, 0));
  pens_[kThinPen] = CreatePen(PenStyle::Solid, 4, Rgb(0, 0, 0));
  if (pens_[kWidePen] == nullptr || pens_[kThinPen] == nullptr) return false;
  const int pixelsPerInch = GetDeviceCaps(printer_, DeviceCap::PixelsPerInchY);
  const auto& create = session_.environment.createFont;
  for (std::size_t i = 0; i < fonts_.size(); ++i) {
    const PrinterFont& f = kPrinterFonts[i];
    const FontSpec spec{.face = "Courier New",
                        .height = -(f.points * pixelsPerInch / 72),
                        .weight = f.weight,
                        .italic = f.italic,
                        .underline = f.underline,
                        .pitchAndFamily = kFixedPitchModern};
    fonts_[i] = create ? create(spec) : CreateFont(spec);
    if (fonts_[i] == nullptr) return false;
  }
  return true;
}

void PrintWriter::deletePrintFonts() {
  for (FontHandle& font : fonts_) {
    if (font != nullptr) DeleteFont(font);
    font = nullptr;
  }
  for (PenHandle& pen : pens_) {
    if (pen != nullptr) DeletePen(pen);
    pen = nullptr;
  }
}

void PrintWriter::forgetPrinter() {
  RestoreDC(printer_);
  DeleteDC(printer_);
  printer_ = nullptr;
}

void PrintWriter::drawFrame() {
  SelectPen(printer_, pens_[kThinPen]);
  SelectBrush(printer_, NullBrush());
  const Point at = CurrentPosition(printer_);
  Rectangle(printer_, {frame_.ruleLeft, frame_.top, frame_.ruleRight, frame_.bottom});
  MoveTo(printer_, at);
}

int PrintWriter::lineHeight(std::string_view text) const { return GetTextExtent(printer_, text).height; }

void PrintWriter::startLine() {
  if (column_ == 0 && !failed_ && y_ > 0 && y_ + lineHeight("  ") > pageBottom_) newPage();
}

void PrintWriter::newPage() {
  if (EndPage(printer_) != 1 || StartPage(printer_) != 1) failed_ = true;
  y_ = 0;
  MoveTo(printer_, {frame_.textLeft, 0});
  const PrintFont font = font_;
  printHeading();
  drawFrame();
  selectFont(font);
}

void PrintWriter::selectFont(PrintFont font) {
  font_ = font;
  if (printing_) SelectFont(printer_, fonts_[static_cast<std::size_t>(font)]);
}

void PrintWriter::printLine(std::string_view text, bool newline) {
  std::string line = "  " + PrintedText(text);
  line.resize(std::min(line.size(), kLineLimit - std::min(column_, kLineLimit)));
  if (printing_) {
    startLine();
    TextOut(printer_, 0, 0, line);
    if (newline) {
      y_ += lineHeight(line);
      MoveTo(printer_, {frame_.textLeft, y_});
    }
  } else {
    file_ += line;
    if (newline) file_ += kNewLine;
  }
  column_ = newline ? 0 : column_ + line.size();
}

void PrintWriter::printSeparator() {
  if (!printing_) {
    printLine(std::string(kLineColumns, '-'));
    return;
  }
  startLine();
  SelectPen(printer_, pens_[kThinPen]);
  MoveTo(printer_, {frame_.ruleLeft, y_});
  LineTo(printer_, {frame_.ruleRight, y_});
  MoveTo(printer_, {frame_.textLeft, y_ + lineHeight("  ")});
  printBlankLine();
}

void PrintWriter::printUnderline(std::string_view text, int kind) {
  if (!printing_) return;
  startLine();
  const Point start = CurrentPosition(printer_);
  selectFont(PrintFont::Bold);
  printLine(text, false);
  const int h = lineHeight("  ");
  const Point after = CurrentPosition(printer_);
  SelectPen(printer_, pens_[kWidePen]);
  for (int rule = 0; rule < (kind == 2 ? 2 : 1); ++rule) {
    const int y = start.y + h + rule * (h / 2);
    MoveTo(printer_, {start.x, y});
    LineTo(printer_, {after.x, y});
  }
  MoveTo(printer_, after);
  printBlankLine();
  if (kind == 2) printBlankLine();
}

void PrintWriter::printHeading() {
  selectFont(PrintFont::Title);
  printBlankLine();
  const std::string title = session_.text(kTitleText, kTitleLimit);
  const std::size_t split = title.find(kTitleSplit);
  if (split != std::string::npos) {
    printLine(Centred(TrimBlanks(std::string_view(title).substr(0, split))));
    printLine(Centred(TrimBlanks(std::string_view(title).substr(split + kTitleSplit.size()))));
  } else {
    selectFont(PrintFont::Bold);
    printLine(title);
  }
  printLine("");
}

void PrintWriter::printTariffLine(int type) {
  const RatingContext& context = *session_.context;
  if (context.intAt(of::kMexicoFlag) != 0) {
    selectFont(PrintFont::Regular);
    const std::int32_t key = type == 2 ? kUsOnlyText : type == 3 ? kMexicoOnlyText : 0;
    if (key != 0) printLine(Centred(TrimBlanks(session_.text(key))));
    selectFont(PrintFont::Regular);
    return;
  }
  selectFont(PrintFont::Bold);
  printLine("    Bureau Rbno:", false);
  selectFont(PrintFont::Regular);
  const std::int64_t number =
      platform::LeadingInteger(context.textAt(of::kRateBaseNumber), std::numeric_limits<std::int32_t>::max()).value;
  printLine(std::to_string(number) + " " + context.textAt(of::kRateBaseTitle));
}

}  // namespace qiv
