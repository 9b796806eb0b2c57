// The "StatusBar" class: a bar along the bottom of its parent, cut into
// panes by their right edges, with a text in each.
//
// The bar places itself across the bottom of its parent's client area, as
// high as its font's cell plus kExtraHeight: when it is made, when its
// font changes, and whenever it gets msg::Size (its parent passes on its
// own). Pane i runs from the right edge of pane i - 1 plus kPaneGap (pane
// 0 from the left end) to its own right edge, kTopGap below the bar's top
// edge; an edge of -1, or one past the bar, is the bar's right end (less
// the size grip). Each pane shows a thin sunken border and its text inside
// on one line from the left, cut to the pane. With SizeGrip the size grip
// fills the bottom-right corner.
//
// A bar starts with one pane, whose text is the window text (the two stay
// the same). SetParts keeps the texts of the panes that stay. The bar
// draws in the button face and text colours; its parent's colour answer
// is not used.
#pragma once

#include <string_view>

#include "platform/ui/control_descriptor.h"
#include "platform/ui/messages.h"
#include "platform/ui/styles.h"

namespace platform::ui::status_bar {

inline constexpr const char* kClassName = "StatusBar";

// Style bits.
inline constexpr StyleBits SizeGrip = 0x0100;

inline constexpr int kMaxParts = 256;
inline constexpr int kExtraHeight = 6;
inline constexpr int kTopGap = 2;
inline constexpr int kPaneGap = 2;

// Messages.
inline constexpr MessageId SetText = 0x0401;        // wParam: pane, lParam: the text; false for no such pane
inline constexpr MessageId GetText = 0x0402;        // wParam: pane, lParam: char* (large enough); the length, or -1
inline constexpr MessageId GetTextLength = 0x0403;  // wParam: pane; the length, or -1
// wParam: the count (1 .. kMaxParts), lParam: const int* right edges. A
// count outside that range (0, 300, ...) or no edges is refused: false,
// and the panes stay as they were.
inline constexpr MessageId SetParts = 0x0404;
inline constexpr MessageId GetParts = 0x0406;  // wParam: room, lParam: int* (or 0); the count
inline constexpr MessageId GetRect = 0x040A;   // wParam: pane, lParam: Rect*; false for no such pane

// Makes a visible child bar of the parent with the first pane's text.
WindowHandle CreateStatusBar(StyleBits style, std::string_view text, WindowHandle parent, int id);

// In dialog templates.
inline constexpr TemplateKind kTemplateKinds[] = {{"statusbar", 0}};
inline constexpr StyleWord kStyleWords[] = {{"sizegrip", SizeGrip}};
extern const ControlDescriptor kDescriptor;

}  // namespace platform::ui::status_bar
