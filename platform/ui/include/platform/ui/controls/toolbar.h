// The "Toolbar" class: a row of buttons, each with a command, an image
// index, a state and a style, drawn from an image list (image_list.h) and,
// for disabled buttons, from a second list when it has one (otherwise the
// normal image in the disabled look).
//
// A click (the left button pressed and released over an enabled button)
// sends the parent msg::Command with MakeLong(command, 0) and the
// toolbar's handle, as a menu item does; a check button first toggles its
// Checked state. A click never takes the focus from where it is. A
// disabled button, a separator and the bare toolbar send nothing. Hidden
// buttons take no room; a separator is a kSeparatorWidth gap.
//
// Buttons are kButtonPadding wider and higher than the images (the image
// centred), side by side from kMargin off the left edge. With Flat the button under
// the mouse is raised (the hot item); with ToolTips the toolbar makes a
// tool tip (tool_tip.h) owned by its top-level window, one tool per button
// by its command, whose text the tip asks for with msg::Notify
// (tool_tip::NeedText, the command as the id), passed on to the parent.
//
// The toolbar sizes itself (at creation, when buttons or images change,
// and on AutoSize): as high as a button plus the divider and margins (and
// its frame), and, unless NoResize, as wide as its parent's client area at
// its top-left corner (NoParentAlign keeps its place). It takes no caption:
// made with style::Border and style::DialogFrame together (a caption
// elsewhere), it keeps the dialog frame alone.
//
// Out of range: an image index outside the list draws the button with no
// image; messages naming a command no button has answer false (or -1).
#pragma once

#include <cstdint>

#include "platform/ui/control_descriptor.h"
#include "platform/ui/messages.h"
#include "platform/ui/styles.h"

namespace platform::ui::toolbar {

inline constexpr const char* kClassName = "Toolbar";

// Style bits.
inline constexpr StyleBits NoResize = 0x0004;
inline constexpr StyleBits NoParentAlign = 0x0008;
inline constexpr StyleBits Adjustable = 0x0020;  // nothing more: the user does not rearrange it
inline constexpr StyleBits NoDivider = 0x0040;
inline constexpr StyleBits ToolTips = 0x0100;
inline constexpr StyleBits Flat = 0x0800;
inline constexpr StyleBits CustomErase = 0x2000;  // nothing more: it erases its face itself

// Button states.
namespace state {
inline constexpr std::uint8_t Checked = 0x01;
inline constexpr std::uint8_t Pressed = 0x02;
inline constexpr std::uint8_t Enabled = 0x04;
inline constexpr std::uint8_t Hidden = 0x08;
}  // namespace state

// Button styles.
namespace button_style {
inline constexpr std::uint8_t Button = 0x00;
inline constexpr std::uint8_t Separator = 0x01;
inline constexpr std::uint8_t Check = 0x02;
inline constexpr std::uint8_t AutoSize = 0x10;  // as wide as its image (it shows no text)
}  // namespace button_style

struct Button {
  int image = 0;  // index in the image lists
  int command = 0;
  std::uint8_t state = state::Enabled;
  std::uint8_t style = button_style::Button;
};

inline constexpr int kButtonPadding = 7;  // a button's size beyond its image's, both ways
inline constexpr int kSeparatorWidth = 8;
inline constexpr int kDividerHeight = 2;  // the etched line along the top (unless NoDivider)
inline constexpr int kMargin = 2;         // above and below the buttons

// Messages. Buttons are named by their command (wParam) unless the
// message says an index.
inline constexpr MessageId EnableButton = 0x0401;  // lParam: enable; false for no such button
inline constexpr MessageId CheckButton = 0x0402;   // lParam: check
inline constexpr MessageId PressButton = 0x0403;   // lParam: pressed
inline constexpr MessageId HideButton = 0x0404;    // lParam: hide
inline constexpr MessageId IsButtonEnabled = 0x0409;
inline constexpr MessageId IsButtonChecked = 0x040A;
inline constexpr MessageId IsButtonPressed = 0x040B;
inline constexpr MessageId IsButtonHidden = 0x040C;
inline constexpr MessageId SetState = 0x0411;    // lParam: the state bits
inline constexpr MessageId GetState = 0x0412;    // the state bits, or -1
inline constexpr MessageId AddButtons = 0x0414;  // wParam: count, lParam: const Button*
inline constexpr MessageId GetButton = 0x0417;   // wParam: index, lParam: Button*
inline constexpr MessageId ButtonCount = 0x0418;
inline constexpr MessageId CommandToIndex = 0x0419;  // the first button with the command, or -1
inline constexpr MessageId AutoSize = 0x0421;
inline constexpr MessageId GetToolTips = 0x0423;   // the tool tip window, or null
inline constexpr MessageId GetItemRect = 0x041D;   // wParam: index, lParam: Rect*; false for a hidden button
inline constexpr MessageId SetImageList = 0x0430;  // lParam: an ImageListHandle; answer: the one before
inline constexpr MessageId GetImageList = 0x0431;
inline constexpr MessageId SetDisabledImageList = 0x0436;
inline constexpr MessageId GetDisabledImageList = 0x0437;
inline constexpr MessageId GetHotItem = 0x0447;  // the index, or -1
inline constexpr MessageId SetHotItem = 0x0448;  // wParam: index (-1: none); answer: the one before

// In dialog templates.
inline constexpr TemplateKind kTemplateKinds[] = {{"toolbar", 0}};
inline constexpr StyleWord kStyleWords[] = {
    {"noresize", NoResize},       {"noparentalign", NoParentAlign}, {"adjustable", Adjustable},
    {"nodivider", NoDivider},     {"tooltips", ToolTips},           {"flat", Flat},
    {"customerase", CustomErase},
};
// Draws in the button face of the style painter; its parent's colour
// answer is not used.
extern const ControlDescriptor kDescriptor;

}  // namespace platform::ui::toolbar
