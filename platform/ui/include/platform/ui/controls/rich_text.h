// The "RichText" class: a read-only view of formatted text (the RTF that
// plain licence texts use: paragraphs, bold, italic, underline, font
// sizes, tabs, line breaks, code-page characters), word-wrapped to its
// width in the faces of its font (msg::SetFont; the sizes are the text's).
//
// The text comes through StreamIn: the program's reader is called for
// bytes until it gives none (or fails: the text read so far is shown, and
// the stream's error says so); at most kLongestStream bytes are read.
// msg::SetText sets plain text, or RTF when it starts "{\rtf";
// msg::GetText gives the plain text (paragraphs separated by "\r\n").
//
// It scrolls by whole lines: Up and Down a line, PageUp and PageDown a
// page, Home and End (with or without Ctrl) to the start and the end, the
// mouse wheel three lines a notch, and its vertical scroll bar (created
// with style::VScroll, it is shown while the text is taller than the
// view). It takes the focus on a click, and draws on the window colour or
// the colour SetBackgroundColor gives.
#pragma once

#include <cstddef>
#include <functional>
#include <span>

#include "platform/ui/color.h"
#include "platform/ui/control_descriptor.h"
#include "platform/ui/messages.h"
#include "platform/ui/styles.h"

namespace platform::ui::rich_text {

inline constexpr const char* kClassName = "RichText";

// What StreamIn reads: read fills the buffer and answers how many bytes it
// put there (0 at the end, a negative number on failure).
struct Stream {
  std::function<std::ptrdiff_t(std::span<char> buffer)> read;
  bool failed = false;  // set when read failed
};
inline constexpr std::size_t kLongestStream = 1024 * 1024;

// Messages.
inline constexpr MessageId SetBackgroundColor =
    0x1443;  // wParam: non-zero for the window colour, else lParam: a ColorRef; the previous colour
inline constexpr MessageId StreamIn = 0x1449;  // wParam: a format below, lParam: Stream*; the bytes read
inline constexpr MessageId GetFirstVisibleLine = 0x14CE;
inline constexpr MessageId GetLineCount = 0x14BA;  // lines as wrapped

// StreamIn formats.
inline constexpr WParam FormatText = 0x0001;
inline constexpr WParam FormatRtf = 0x0002;

// Scroll lines a wheel notch moves.
inline constexpr int kWheelLines = 3;

// In dialog templates.
inline constexpr TemplateKind kTemplateKinds[] = {{"richtext", style::TabStop | style::VScroll}};
extern const ControlDescriptor kDescriptor;

}  // namespace platform::ui::rich_text
