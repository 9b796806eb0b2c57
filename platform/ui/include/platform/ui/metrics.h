// Sizes of the screen and of window frames. The values come from the
// installed backend; the headless values (the defaults, documented below)
// are fixed so that layout tests are exact.
//
// The screen's logical pixels per inch (ScreenDpi) size the fonts given in
// points (FontHeightForPoints), and with them the dialog base units and so
// every dialog; the frame parts that hold text or arrows (caption, menu
// bar, scroll bars) grow with it, so that a dense screen shows everything
// larger in proportion. Borders and edges stay lines of whole pixels.
#pragma once

namespace platform::ui {

enum class SystemMetric {
  ScreenWidth,             // headless: 1024
  ScreenHeight,            // headless: 768
  FullScreenClientWidth,   // headless: 1024
  FullScreenClientHeight,  // headless: 750 (screen less a caption)
  ScreenDpi,               // headless: 96 logical pixels per inch
  ScreenPlanes,            // headless: 1
  ScreenBitsPerPixel,      // headless: 24
  CaptionHeight,           // headless: 18
  MenuBarHeight,           // headless: 19
  BorderWidth,             // headless: 1 (style::Border)
  DialogFrameWidth,        // headless: 3 (style::DialogFrame, a modal frame)
  ThickFrameWidth,         // headless: 4 (style::ThickFrame)
  ClientEdgeWidth,         // headless: 2 (exstyle::ClientEdge)
  StaticEdgeWidth,         // headless: 1 (exstyle::StaticEdge)
  VerticalScrollWidth,     // headless: 16
  HorizontalScrollHeight,  // headless: 16
  DoubleClickTime,         // headless: 500 ms
  DoubleClickDistance,     // headless: 4 pixels either way
};

int GetSystemMetric(SystemMetric metric);

// The headless value of a metric (what a backend reports unless it knows
// better), at 96 logical pixels per inch.
int HeadlessSystemMetric(SystemMetric metric);
// The headless value at another density: ScreenDpi is dpi, and the
// caption, menu bar and scroll bar sizes are scaled by dpi / 96 (rounded
// to the nearest pixel).
int HeadlessSystemMetricAtDpi(SystemMetric metric, int dpi);

}  // namespace platform::ui
