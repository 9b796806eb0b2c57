// The classic grey 3-D look, drawn in one place: every bevel, frame, box
// and arrow of the controls and window frames comes from here, so controls
// hold behaviour and never draw edges themselves. Colours are the system
// colours (color.h); one-pixel edges, light from the top-left.
#pragma once

#include <string_view>

#include "platform/ui/gdi.h"
#include "platform/ui/image.h"
#include "platform/ui/scroll_bar.h"

namespace platform::ui {

class StylePainter {
 public:
  // One-pixel borders; each has its top-left and bottom-right colours:
  //   RaisedOuter  Light / DarkShadow       RaisedInner  ButtonHighlight / ButtonShadow
  //   SunkenOuter  ButtonShadow / ButtonHighlight   SunkenInner  DarkShadow / Light
  // and the two-pixel edges made of an outer and an inner border.
  enum class Border { RaisedOuter, RaisedInner, SunkenOuter, SunkenInner };
  enum class Edge { Raised, Sunken, Etched, Bump };

  // A border around the inside of the rectangle; returns the rectangle
  // inside it. The top-left colour takes the top row and the left column
  // but for their last pixels; the bottom-right colour the rest.
  static Rect PaintBorder(DcHandle dc, const Rect& rect, Border border);
  static Rect PaintEdge(DcHandle dc, const Rect& rect, Edge edge);
  // A push button's frame and face; with isDefault one black line around
  // it first; pushed: black outside, shadow inside, a flat face. Returns
  // the face (where the text goes; one pixel lower and righter when
  // pushed).
  static Rect PaintButton(DcHandle dc, const Rect& rect, bool pushed, bool isDefault);
  // A dotted rectangle, every other pixel, in the text colour.
  static void PaintFocusRect(DcHandle dc, const Rect& rect);
  // The 13 by 13 box of a check box at the point: a sunken edge around the
  // window colour (the button face when pushed or disabled) and the check
  // mark (grey for indeterminate and when disabled).
  static void PaintCheckBox(DcHandle dc, Point at, int check, bool enabled, bool pushed);
  static constexpr int kCheckBoxSize = 13;
  // The 12 by 12 circle of a radio button at the point, with its dot when
  // checked.
  static void PaintRadioButton(DcHandle dc, Point at, bool checked, bool enabled, bool pushed);
  static constexpr int kRadioButtonSize = 12;
  // A group box's etched frame with the top line at the text's middle and
  // a gap for the caption from x to x + captionWidth.
  static void PaintGroupFrame(DcHandle dc, const Rect& rect, int top, int captionLeft, int captionWidth);
  // Text greyed out: the text in ButtonHighlight one pixel lower and
  // righter, then in GrayText at the place.
  static void PaintDisabledText(DcHandle dc, const Rect& rect, std::string_view text, unsigned drawTextFormat);
  enum class Arrow { Up, Down, Left, Right };
  // A raised (or pushed) button with an arrow, grey when disabled (scroll
  // bars, the combo box's drop button).
  static void PaintArrowButton(DcHandle dc, const Rect& rect, Arrow arrow, bool pushed, bool enabled);
  // A scroll bar from its layout (scroll_bar.h), in the context's
  // coordinates.
  static void PaintScrollBar(DcHandle dc, const ScrollBarLayout& layout, bool vertical, bool enabled);
  // A window's frame: the thick or dialog frame (raised, with the face
  // between), or the one-pixel border in WindowFrame.
  enum class Frame { None, Border, Dialog, Thick };
  static Rect PaintWindowFrame(DcHandle dc, const Rect& rect, Frame frame);
  // The caption bar: ActiveCaption (InactiveCaption) with the text in
  // bold CaptionText from the left, after the window's small icon (scaled
  // to kCaptionIconSize) when it has one.
  static void PaintCaption(DcHandle dc, const Rect& rect, std::string_view text, bool active,
                           BitmapHandle icon = nullptr);
  static constexpr int kCaptionIconSize = 16;

  // ---- tabs and month calendars
  // A tab of a tab row: ButtonHighlight at the left and the top, the
  // shadow and dark edges at the right, the top corners cut, the face
  // filled, open at the bottom (a selected tab is drawn reaching over the
  // panel's top edge, so that it joins the panel). Returns the inside.
  static Rect PaintTab(DcHandle dc, const Rect& rect);
  // The panel under a tab row: a raised edge. The inside is left as it
  // is (the parent's background, or the page shown there). Returns the
  // inside.
  static Rect PaintTabPanel(DcHandle dc, const Rect& rect);
  // The title band of a month calendar: the active caption colour, the
  // title centred in bold caption text (the selected font, made bold), an
  // arrow button at each end (their rectangles given).
  static void PaintCalendarTitle(DcHandle dc, const Rect& band, std::string_view title, const Rect& previous,
                                 const Rect& next);
  // A day of a month calendar, its number centred: selected on the
  // highlight colour (with the focus rectangle when focused), dim (another
  // month, or out of range) in GrayText, today framed in dark red.
  struct CalendarDay {
    bool selected = false;
    bool focused = false;
    bool dim = false;
    bool today = false;
  };
  static void PaintCalendarDay(DcHandle dc, const Rect& rect, std::string_view number, CalendarDay look);
  static constexpr ColorRef kTodayMark = 0x000080;  // dark red

  // ---- toolbars
  struct ToolbarButtonLook {
    bool flat = false;
    bool hot = false;  // the mouse is over it
    bool pressed = false;
    bool checked = false;
    bool enabled = true;
  };
  // A toolbar button's face and edge, and where its image goes (one pixel
  // lower and righter while pressed or checked). A raised edge, sunken
  // while pressed or checked; a flat button shows a thin raised edge only
  // while the mouse is over it and a thin sunken one while pressed or
  // checked. A checked button that is not hot has the Light face.
  static Rect PaintToolbarButton(DcHandle dc, const Rect& rect, const ToolbarButtonLook& look);
  // The gap between groups of buttons: on a flat toolbar an etched line
  // down its middle, otherwise the bare face.
  static void PaintToolbarSeparator(DcHandle dc, const Rect& rect, bool flat);
  // An image in the disabled look: its dark opaque pixels (the drawing,
  // not its light fill) in ButtonHighlight one pixel lower and righter,
  // then in ButtonShadow at the place.
  static void PaintDisabledImage(DcHandle dc, const Image& image, Point at);

  // ---- status bars
  // A pane's thin sunken border; returns the inside.
  static Rect PaintStatusPane(DcHandle dc, const Rect& rect);
  // The size grip in the bottom-right corner of the rectangle: three
  // diagonal grooves, each a highlight line over two shadow lines.
  static void PaintSizeGrip(DcHandle dc, const Rect& rect);
  static constexpr int kSizeGripSize = 12;

  // ---- tool tips
  static constexpr ColorRef kToolTipBackground = Rgb(255, 255, 225);
  static constexpr ColorRef kToolTipText = Rgb(0, 0, 0);
  // A tool tip's one-pixel WindowFrame border around the tip background;
  // returns the inside. Its text goes in kToolTipText.
  static Rect PaintToolTipFrame(DcHandle dc, const Rect& rect);

  // ---- menus
  struct MenuItemLook {
    bool separator = false;
    bool checked = false;
    bool grayed = false;  // grayed or disabled: it cannot be chosen
    bool highlighted = false;
  };
  // A pop-up menu's raised edge around the menu colour; returns the
  // inside, where the items go.
  static Rect PaintMenuFrame(DcHandle dc, const Rect& rect);
  // One item of a pop-up menu: the text (prefixes underlined; after a tab,
  // the accelerator text, right-aligned) kMenuTextIndent from the left, a
  // check mark in the column before it; highlighted on the Highlight
  // colour in HighlightText; grayed embossed (in GrayText when
  // highlighted). A separator is an etched line across its middle.
  static void PaintMenuItem(DcHandle dc, const Rect& rect, std::string_view text, const MenuItemLook& look);
  static constexpr int kMenuTextIndent = 18;
  static constexpr int kMenuAcceleratorMargin = 12;
  // A title of the menu bar: pushed in while its pop-up is open, raised
  // while highlighted from the keyboard, flat otherwise.
  enum class MenuBarTitle { Normal, Highlighted, Open };
  static void PaintMenuBarTitle(DcHandle dc, const Rect& rect, std::string_view text, MenuBarTitle title);

  // ---- owner-drawn items
  // The focus rectangle over an item its owner drew: every other pixel of
  // the outline inverted, so that it shows on whatever colours the owner
  // chose (and a second one takes it away).
  static void PaintItemFocusRect(DcHandle dc, const Rect& rect);
};

}  // namespace platform::ui
