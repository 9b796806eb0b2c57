// Style bits of windows, window classes and dialogs. Control styles live
// with their controls (controls/*.h). The values are the ones the
// application's windows are created with and test for.
#pragma once

#include <cstdint>

namespace platform::ui {

using StyleBits = std::uint32_t;

namespace style {
inline constexpr StyleBits Overlapped = 0x00000000;
inline constexpr StyleBits Popup = 0x80000000;
inline constexpr StyleBits Child = 0x40000000;
inline constexpr StyleBits Minimize = 0x20000000;
inline constexpr StyleBits Visible = 0x10000000;
inline constexpr StyleBits Disabled = 0x08000000;
inline constexpr StyleBits ClipSiblings = 0x04000000;
inline constexpr StyleBits ClipChildren = 0x02000000;
inline constexpr StyleBits Maximize = 0x01000000;
inline constexpr StyleBits Caption = 0x00C00000;  // Border | DialogFrame
inline constexpr StyleBits Border = 0x00800000;
inline constexpr StyleBits DialogFrame = 0x00400000;
inline constexpr StyleBits VScroll = 0x00200000;
inline constexpr StyleBits HScroll = 0x00100000;
inline constexpr StyleBits SystemMenu = 0x00080000;
inline constexpr StyleBits ThickFrame = 0x00040000;
inline constexpr StyleBits Group = 0x00020000;
inline constexpr StyleBits TabStop = 0x00010000;
inline constexpr StyleBits MinimizeBox = 0x00020000;
inline constexpr StyleBits MaximizeBox = 0x00010000;
}  // namespace style

namespace exstyle {
inline constexpr StyleBits DialogModalFrame = 0x00000001;
inline constexpr StyleBits NoParentNotify = 0x00000004;
inline constexpr StyleBits TopMost = 0x00000008;
inline constexpr StyleBits ToolWindow = 0x00000080;
inline constexpr StyleBits WindowEdge = 0x00000100;
inline constexpr StyleBits ClientEdge = 0x00000200;
inline constexpr StyleBits ContextHelp = 0x00000400;
inline constexpr StyleBits ControlParent = 0x00010000;
inline constexpr StyleBits StaticEdge = 0x00020000;
}  // namespace exstyle

namespace class_style {
inline constexpr StyleBits VerticalRedraw = 0x0001;
inline constexpr StyleBits HorizontalRedraw = 0x0002;
inline constexpr StyleBits DoubleClicks = 0x0008;
inline constexpr StyleBits OwnDc = 0x0020;
inline constexpr StyleBits ClassDc = 0x0040;
inline constexpr StyleBits ParentDc = 0x0080;
inline constexpr StyleBits SaveBits = 0x0800;
inline constexpr StyleBits GlobalClass = 0x4000;
}  // namespace class_style

namespace dialog_style {
inline constexpr StyleBits AbsoluteAlign = 0x0001;
inline constexpr StyleBits SystemModal = 0x0002;
inline constexpr StyleBits SetFont = 0x0040;
inline constexpr StyleBits ModalFrame = 0x0080;
inline constexpr StyleBits NoIdleMessage = 0x0100;
inline constexpr StyleBits Control = 0x0400;
inline constexpr StyleBits Center = 0x0800;
inline constexpr StyleBits ContextHelp = 0x2000;
}  // namespace dialog_style

}  // namespace platform::ui
