// The "Button" class: push buttons, check boxes, radio buttons and group
// boxes, told apart by the type in the low four style bits.
//
// A click (the left button pressed and released over the button, Space
// pressed and released while it has the focus, or button::Click) sends
// the parent msg::Command with button::Clicked. Automatic check boxes
// toggle and automatic radio buttons check themselves and clear the other
// automatic radio buttons of their group before the notification. A group
// box takes no input: the mouse passes through it to the controls inside.
#pragma once

#include "platform/ui/control_descriptor.h"
#include "platform/ui/messages.h"
#include "platform/ui/styles.h"

namespace platform::ui::button {

inline constexpr const char* kClassName = "Button";

// Types (style bits 0-3).
inline constexpr StyleBits PushButton = 0x0000;
inline constexpr StyleBits DefPushButton = 0x0001;
inline constexpr StyleBits CheckBox = 0x0002;
inline constexpr StyleBits AutoCheckBox = 0x0003;
inline constexpr StyleBits RadioButton = 0x0004;
inline constexpr StyleBits ThreeState = 0x0005;
inline constexpr StyleBits AutoThreeState = 0x0006;
inline constexpr StyleBits GroupBox = 0x0007;
inline constexpr StyleBits AutoRadioButton = 0x0009;
inline constexpr StyleBits TypeMask = 0x000F;
// Other style bits.
inline constexpr StyleBits LeftText = 0x0020;

// Messages.
inline constexpr MessageId GetCheck = 0x00F0;
inline constexpr MessageId SetCheck = 0x00F1;  // wParam: a check state
inline constexpr MessageId GetState = 0x00F2;  // check state | state::Pushed | state::Focused
inline constexpr MessageId SetState = 0x00F3;  // wParam: pushed or not
inline constexpr MessageId SetStyle = 0x00F4;  // wParam: the new type and style bits
inline constexpr MessageId Click = 0x00F5;

// Check states.
inline constexpr WParam Unchecked = 0;
inline constexpr WParam Checked = 1;
inline constexpr WParam Indeterminate = 2;

namespace state {
inline constexpr LResult Pushed = 0x0004;
inline constexpr LResult Focused = 0x0008;
}  // namespace state

// Notifications (high word of msg::Command's wParam).
inline constexpr unsigned Clicked = 0;

StyleBits TypeOf(StyleBits style);
bool IsPushButton(StyleBits style);
bool IsRadioButton(StyleBits style);
bool IsCheckBox(StyleBits style);

// In dialog templates.
inline constexpr TemplateKind kTemplateKinds[] = {
    {"button", PushButton | style::TabStop},
    {"defbutton", DefPushButton | style::TabStop},
    {"checkbox", AutoCheckBox | style::TabStop},
    {"radio", AutoRadioButton},
    {"groupbox", GroupBox},
};
inline constexpr StyleWord kStyleWords[] = {
    {"pushbutton", PushButton, TypeMask},   {"defpushbutton", DefPushButton, TypeMask},
    {"checkbox", CheckBox, TypeMask},       {"autocheckbox", AutoCheckBox, TypeMask},
    {"radiobutton", RadioButton, TypeMask}, {"autoradiobutton", AutoRadioButton, TypeMask},
    {"3state", ThreeState, TypeMask},       {"auto3state", AutoThreeState, TypeMask},
    {"groupbox", GroupBox, TypeMask},       {"lefttext", LeftText},
};
// Push buttons ask for msg::CtlColorButton, the other kinds for
// msg::CtlColorStatic.
extern const ControlDescriptor kDescriptor;

}  // namespace platform::ui::button
