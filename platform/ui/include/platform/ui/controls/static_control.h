// The "Static" class: text labels, and the frames that will hold an icon
// or a bitmap. A static takes no input: the mouse passes through it to the
// window below (unless it has Notify), and it is never a tab stop.
#pragma once

#include "platform/ui/control_descriptor.h"
#include "platform/ui/messages.h"
#include "platform/ui/styles.h"

namespace platform::ui::static_control {

inline constexpr const char* kClassName = "Static";

// Types (style bits 0-4).
inline constexpr StyleBits Left = 0x0000;
inline constexpr StyleBits Center = 0x0001;
inline constexpr StyleBits Right = 0x0002;
inline constexpr StyleBits Icon = 0x0003;
inline constexpr StyleBits BlackRect = 0x0004;
inline constexpr StyleBits GrayRect = 0x0005;
inline constexpr StyleBits EtchedHorizontal = 0x0010;
inline constexpr StyleBits Simple = 0x000B;
inline constexpr StyleBits LeftNoWordWrap = 0x000C;
inline constexpr StyleBits Bitmap = 0x000E;
inline constexpr StyleBits TypeMask = 0x001F;
// Other style bits.
inline constexpr StyleBits NoPrefix = 0x0080;
inline constexpr StyleBits Notify = 0x0100;
inline constexpr StyleBits CenterImage = 0x0200;
inline constexpr StyleBits Sunken = 0x1000;

// The image of an Icon or Bitmap static (wParam the image kind, lParam the
// handle; the previous handle is the answer). Drawing it is the painter's.
inline constexpr MessageId SetImage = 0x0172;
inline constexpr MessageId GetImage = 0x0173;

// In dialog templates.
inline constexpr TemplateKind kTemplateKinds[] = {{"static", Left}};
inline constexpr StyleWord kStyleWords[] = {
    {"left", Left, TypeMask},
    {"center", Center, TypeMask},
    {"right", Right, TypeMask},
    {"icon", Icon, TypeMask},
    {"blackrect", BlackRect, TypeMask},
    {"grayrect", GrayRect, TypeMask},
    {"etchedhorz", EtchedHorizontal, TypeMask},
    {"simple", Simple, TypeMask},
    {"leftnowordwrap", LeftNoWordWrap, TypeMask},
    {"bitmap", Bitmap, TypeMask},
    {"noprefix", NoPrefix},
    {"notify", Notify},
    {"centerimage", CenterImage},
    {"sunken", Sunken},
};
// Asks for msg::CtlColorStatic.
extern const ControlDescriptor kDescriptor;

}  // namespace platform::ui::static_control
