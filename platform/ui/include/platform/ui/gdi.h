// Drawing: pens, brushes, bitmaps and icons behind handles, and device
// contexts that draw on a surface (surface.h) in logical pixels. A window's
// context (GetDC, or BeginPaint in paint.h) has its origin at the window's
// client corner and is cut to the client area; a surface context
// (CreateSurfaceDC) covers a whole surface (an image); a printer context
// (printing.h) draws on the pages of its printer.
//
// Text is placed by the top of its character cell. Fonts measure through
// the installed backend (font.h): the headless metrics make every width
// and height in a test exact.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/ui/color.h"
#include "platform/ui/font.h"
#include "platform/ui/image.h"
#include "platform/ui/surface.h"
#include "platform/ui/types.h"

namespace platform::ui {

// Pens and brushes.
enum class PenStyle { Solid, Null };
PenHandle CreatePen(PenStyle style, int width, ColorRef color);
BrushHandle CreateSolidBrush(ColorRef color);
// Stock objects, never deleted: a one-pixel black pen, the pen and the
// brush that draw nothing, the white brush.
PenHandle BlackPen();
PenHandle NullPen();
BrushHandle NullBrush();
BrushHandle WhiteBrush();
// False for a stock object or an invalid handle.
bool DeletePen(PenHandle pen);
bool DeleteBrush(BrushHandle brush);
// The brush's colour; nothing for the null brush or an invalid handle.
std::optional<ColorRef> BrushColor(BrushHandle brush);

// Bitmaps and icons: null when the file is missing or not readable.
BitmapHandle LoadBitmapFile(const std::string& path);
BitmapHandle LoadIconFile(const std::string& path, Size wanted);
BitmapHandle CreateBitmap(Image image);
bool DeleteBitmap(BitmapHandle bitmap);
// The image, or null for an invalid handle.
const Image* BitmapImage(BitmapHandle bitmap);
Size BitmapSize(BitmapHandle bitmap);

// Device contexts. A window's context draws where its top-level window
// is being painted (so a control can draw its frame on its parent's
// context from its own msg::Paint), else on the backend's surface. The
// screen's context (GetDC of no window) draws nowhere: the model has no
// desktop to draw on; it measures fonts and answers the screen's
// capabilities (printing.h).
DcHandle GetDC(WindowHandle window);
bool ReleaseDC(WindowHandle window, DcHandle dc);
// A context over the whole surface (not owned; it must outlive the
// context), deleted with DeleteDC.
DcHandle CreateSurfaceDC(Surface& surface);
bool DeleteDC(DcHandle dc);
// Saves the selected objects, colours, modes, clip and position; RestoreDC
// puts back the last saved state (false when none is saved).
bool SaveDC(DcHandle dc);
bool RestoreDC(DcHandle dc);
// The window a window context belongs to (null for a surface context).
WindowHandle WindowOfDC(DcHandle dc);

// Selection returns the object selected before (null for an invalid
// context). A new context holds the default GUI font, the black pen, the
// white brush, black text on a white opaque background.
FontHandle SelectFont(DcHandle dc, FontHandle font);
PenHandle SelectPen(DcHandle dc, PenHandle pen);
BrushHandle SelectBrush(DcHandle dc, BrushHandle brush);
FontHandle SelectedFont(DcHandle dc);
// Colours return the previous colour.
ColorRef SetTextColor(DcHandle dc, ColorRef color);
ColorRef SetBackgroundColor(DcHandle dc, ColorRef color);
ColorRef TextColorOf(DcHandle dc);
ColorRef BackgroundColorOf(DcHandle dc);
enum class BackgroundMode { Opaque, Transparent };
BackgroundMode SetBackgroundMode(DcHandle dc, BackgroundMode mode);
// TextOut at the current position, which then moves past the text.
namespace text_align {
inline constexpr unsigned Default = 0;
inline constexpr unsigned UpdatePosition = 0x0001;
}  // namespace text_align
unsigned SetTextAlign(DcHandle dc, unsigned align);
// Cuts drawing further to the rectangle (logical coordinates) within what
// the context may draw on.
void IntersectClip(DcHandle dc, const Rect& rect);

// Lines and shapes, in logical coordinates.
Point MoveTo(DcHandle dc, Point point);  // returns the previous position
Point CurrentPosition(DcHandle dc);
// A line of the selected pen up to (not including) the point.
bool LineTo(DcHandle dc, Point point);
// Fills the rectangle's inside with the selected brush and outlines it
// with the selected pen (inside the rectangle); the null brush leaves the
// inside as it is.
bool Rectangle(DcHandle dc, const Rect& rect);
bool FillRect(DcHandle dc, const Rect& rect, BrushHandle brush);
bool FillSolidRect(DcHandle dc, const Rect& rect, ColorRef color);
// A one-pixel outline in the brush's colour.
bool FrameRect(DcHandle dc, const Rect& rect, BrushHandle brush);
bool InvertRect(DcHandle dc, const Rect& rect);
bool DrawBitmap(DcHandle dc, BitmapHandle bitmap, Point at);

// Text. A font's metrics and a text's extent are those of the selected
// font; tabs in plain text count as one character.
FontMetrics GetTextMetrics(DcHandle dc);
Size GetTextExtent(DcHandle dc, std::string_view text);
// Text at x, y (the cell's top-left), in the text colour; with an opaque
// background the cell is filled with the background colour first.
bool TextOut(DcHandle dc, int x, int y, std::string_view text);
namespace text_out {
inline constexpr unsigned Opaque = 0x0002;   // fill the rectangle with the background colour first
inline constexpr unsigned Clipped = 0x0004;  // cut the text to the rectangle
}  // namespace text_out
bool ExtTextOut(DcHandle dc, int x, int y, unsigned options, const Rect& rect, std::string_view text);

// Tabbed text. Stops are pixel positions measured from tabOrigin; a tab
// moves the pen to the first stop right of it, taking the stops in the
// order given (a stop at or left of the pen is passed over, so a
// descending list never moves the pen back). Past the last stop, tabs
// move to the next multiple of the stop distance: the one stop when a
// single stop is given, otherwise eight average character widths (also
// the distance when no stop is given). Returns the extent.
Size TabbedTextOut(DcHandle dc, int x, int y, std::string_view text, std::span<const int> tabStops, int tabOrigin);
Size GetTabbedTextExtent(DcHandle dc, std::string_view text, std::span<const int> tabStops);
// Where each tab-separated piece of the text starts (x offsets from the
// text's left edge), by the rule above; for layout tests and painters.
std::vector<int> TabbedTextPositions(DcHandle dc, std::string_view text, std::span<const int> tabStops);

namespace draw_text {
inline constexpr unsigned Left = 0x0000;
inline constexpr unsigned Center = 0x0001;
inline constexpr unsigned Right = 0x0002;
inline constexpr unsigned VerticalCenter = 0x0004;  // single line only
inline constexpr unsigned Bottom = 0x0008;          // single line only
inline constexpr unsigned WordBreak = 0x0010;
inline constexpr unsigned SingleLine = 0x0020;
inline constexpr unsigned ExpandTabs = 0x0040;  // tabs to every eight average character widths
inline constexpr unsigned NoClip = 0x0100;
inline constexpr unsigned CalculateRect = 0x0400;  // measure only: the rectangle is set to the text's
inline constexpr unsigned NoPrefix = 0x0800;       // '&' is shown as it is
}  // namespace draw_text
// Draws the text within the rectangle: lines break at '\n' (and between
// words with WordBreak); without NoPrefix '&' underlines the character
// after it and "&&" shows one '&'. Returns the height of the text drawn.
int DrawText(DcHandle dc, std::string_view text, Rect& rect, unsigned format);
// The text as DrawText shows it: '&' prefixes taken out, and the position
// of the underlined character (-1 for none).
std::string StripPrefixes(std::string_view text, int* underlined = nullptr);

}  // namespace platform::ui
