// Message boxes: a modal dialog of the model, built in code, with the text
// (wrapped to lines of at most five eighths of the screen's width, and at
// '\n'), an icon and the buttons the style asks for. The buttons are
// tab stops with the ids of command_id (dialog.h); the default one has the
// focus. Enter presses the focused button; Esc (and closing the box)
// answers Cancel when there is a Cancel button, OK when OK is the only
// one, and does nothing otherwise. The loop gives the message-filter hooks
// filter_code::MessageBox.
//
// The box is owned by the owner's top-level window, which is disabled while
// it runs; a TaskModal box without an owner disables every top-level window
// instead. The focus is put back afterwards as dialog.h describes, so a box
// opened from a kill-focus handler does not set off another focus change.
// The box plays no sound (callers beep when they want one).
//
// Tests and backends find the open box as the active window: its caption
// is its text, its message the text of the static with id
// message_box::kTextId, and its icon the image of the static with id
// message_box::kIconId (the icon style bits).
#pragma once

#include <string_view>

#include "platform/ui/types.h"

namespace platform::ui {

namespace message_box {
// Buttons.
inline constexpr unsigned Ok = 0x0000;
inline constexpr unsigned OkCancel = 0x0001;
inline constexpr unsigned AbortRetryIgnore = 0x0002;
inline constexpr unsigned YesNoCancel = 0x0003;
inline constexpr unsigned YesNo = 0x0004;
inline constexpr unsigned RetryCancel = 0x0005;
inline constexpr unsigned ButtonsMask = 0x000F;
// Icons.
inline constexpr unsigned IconHand = 0x0010;
inline constexpr unsigned IconError = IconHand;
inline constexpr unsigned IconQuestion = 0x0020;
inline constexpr unsigned IconExclamation = 0x0030;
inline constexpr unsigned IconWarning = IconExclamation;
inline constexpr unsigned IconAsterisk = 0x0040;
inline constexpr unsigned IconInformation = IconAsterisk;
inline constexpr unsigned IconMask = 0x00F0;
// The default button (first, second, third).
inline constexpr unsigned DefaultButton1 = 0x0000;
inline constexpr unsigned DefaultButton2 = 0x0100;
inline constexpr unsigned DefaultButton3 = 0x0200;
inline constexpr unsigned DefaultButtonMask = 0x0F00;
// Modality.
inline constexpr unsigned ApplicationModal = 0x0000;
inline constexpr unsigned TaskModal = 0x2000;

inline constexpr int kTextId = 0xFFFF;
inline constexpr int kIconId = 20;
}  // namespace message_box

// Shows the box and returns the id of the button that ended it
// (command_id); 0 when the box could not be shown or a quit ended it. An
// empty caption reads "Error".
int MessageBox(WindowHandle owner, std::string_view text, std::string_view caption, unsigned style);

}  // namespace platform::ui
