// The window model: window classes with their procedures, windows with
// class, id, style bits, text, parent, children in z-order (which is also
// the dialog tab order), visibility, enabled state and extra bytes, and the
// synchronous send of messages. All of it runs on one thread, the UI
// thread; nothing here draws (painting and real windows are backends).
//
// A window's procedure receives every message sent or dispatched to it.
// Subclassing replaces the procedure; the replacement hands what it does
// not handle to the previous one with CallWindowProcedure.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/styles.h"
#include "platform/ui/types.h"

namespace platform::ui {

using WindowProcedure = LResult (*)(WindowHandle window, MessageId message, WParam wParam, LParam lParam);

struct WindowClass {
  std::string name;  // matched without regard to case
  WindowProcedure procedure = nullptr;
  StyleBits style = 0;  // class_style bits
  int extraBytes = 0;   // per-window bytes, see WindowExtra
};

// False when the name is empty or taken, or the procedure is missing.
bool RegisterWindowClass(const WindowClass& windowClass);
// False when no such class exists or windows of it still exist.
bool UnregisterWindowClass(std::string_view name);
// The registered class, or null.
const WindowClass* FindWindowClass(std::string_view name);
// The class name as registered ("" for an invalid handle).
std::string WindowClassName(WindowHandle window);
bool IsWindowOfClass(WindowHandle window, std::string_view className);

// What CreateWindow needs; msg::NcCreate and msg::Create carry a pointer
// to it in lParam.
struct WindowCreation {
  std::string_view className;
  std::string_view text;
  StyleBits style = 0;
  StyleBits exStyle = 0;
  Rect rect;                      // in the parent's client coordinates; screen coordinates for a top-level window
  WindowHandle parent = nullptr;  // a child's parent; a top-level window's owner (its top-level window is used)
  int id = 0;                     // a child's id
  MenuHandle menu = nullptr;      // a top-level window's menu bar
  void* createParam = nullptr;
};

// Creates the window: msg::NcCreate (0 fails the creation), msg::Create
// (-1 fails it), then msg::Size and msg::Move; a window created with
// style::Visible is then shown. Null on failure (unknown class, a child
// without a valid parent, a refusal).
WindowHandle CreateWindow(const WindowCreation& creation);
// Destroys the window, its owned windows and its children: msg::Destroy
// goes to a window before its children, msg::NcDestroy after them. The
// focus, activation and capture leave the destroyed windows first.
bool DestroyWindow(WindowHandle window);
bool IsWindow(WindowHandle window);

// Sends the message: the window's procedure runs at once and its answer is
// returned (0 for an invalid handle).
LResult SendMessage(WindowHandle window, MessageId message, WParam wParam = 0, LParam lParam = 0);
LResult CallWindowProcedure(WindowProcedure procedure, WindowHandle window, MessageId message, WParam wParam,
                            LParam lParam);
// The behaviour every window shares (text, closing, mouse activation, help,
// hit testing, scroll bars, the keyboard menu).
LResult DefaultWindowProcedure(WindowHandle window, MessageId message, WParam wParam, LParam lParam);

WindowProcedure WindowProcedureOf(WindowHandle window);
// Installs a new procedure and returns the previous one (null on failure).
WindowProcedure SubclassWindow(WindowHandle window, WindowProcedure procedure);

int WindowId(WindowHandle window);
void SetWindowId(WindowHandle window, int id);
StyleBits WindowStyle(WindowHandle window);
// Changes the bits as they are stored; nothing is sent and nothing moves.
void SetWindowStyle(WindowHandle window, StyleBits style);
StyleBits WindowExStyle(WindowHandle window);
void SetWindowExStyle(WindowHandle window, StyleBits exStyle);

// Text through msg::GetTextLength and msg::GetText, and msg::SetText
// (false when the window answers 0 or less: it refused the text).
std::string WindowText(WindowHandle window);
bool SetWindowText(WindowHandle window, std::string_view text);

// A pointer-sized value at a byte offset within the class's extra bytes;
// 0 (and nothing stored) when the value does not fit there.
LParam WindowExtra(WindowHandle window, int offset);
// Stores the value and returns the previous one.
LParam SetWindowExtra(WindowHandle window, int offset, LParam value);

// The tree. A top-level window has no parent; its owner is kept apart.
WindowHandle ParentWindow(WindowHandle window);
WindowHandle OwnerWindow(WindowHandle window);
WindowHandle TopLevelWindow(WindowHandle window);
// True when window lies anywhere below ancestor.
bool IsDescendant(WindowHandle ancestor, WindowHandle window);
enum class Relation { FirstChild, LastChild, Next, Previous, First, Last };
// A child, a sibling in z-order, or the first or last sibling; null when
// there is none.
WindowHandle RelatedWindow(WindowHandle window, Relation relation);
// The children in z-order (front first); the top-level windows for null.
std::vector<WindowHandle> ChildWindows(WindowHandle parent);
// The first child with the id, or null.
WindowHandle ChildWithId(WindowHandle parent, int id);

// Placement. WindowRect is in screen coordinates; ClientRect starts at 0,0.
Rect WindowRect(WindowHandle window);
Rect ClientRect(WindowHandle window);
// The window's rectangle in its parent's client coordinates (screen for a
// top-level window).
Rect WindowRectInParent(WindowHandle window);
Point ClientToScreen(WindowHandle window, Point point);
Point ScreenToClient(WindowHandle window, Point point);
bool MoveWindow(WindowHandle window, Rect rectInParent);

namespace position {
inline constexpr unsigned NoSize = 0x0001;
inline constexpr unsigned NoMove = 0x0002;
inline constexpr unsigned NoZOrder = 0x0004;
inline constexpr unsigned NoActivate = 0x0010;
inline constexpr unsigned ShowWindow = 0x0040;
inline constexpr unsigned HideWindow = 0x0080;
}  // namespace position
// insertAfter for SetWindowPosition: the front or the back of the z-order,
// or else the window to be placed directly behind.
inline WindowHandle const InsertAtTop = nullptr;
inline WindowHandle const InsertAtBottom = reinterpret_cast<WindowHandle>(1);
bool SetWindowPosition(WindowHandle window, WindowHandle insertAfter, Rect rectInParent, unsigned flags);

enum class ShowCommand {
  Hide = 0,
  ShowNormal = 1,
  ShowMinimized = 2,
  ShowMaximized = 3,
  ShowNoActivate = 4,
  Show = 5,
  Minimize = 6,
  ShowNotActive = 8,
  Restore = 9,
};
// Returns whether the window was visible before. Hiding the window that
// holds the focus moves the focus to its parent (a dialog then keeps it).
bool ShowWindow(WindowHandle window, ShowCommand command);
// The window and all its ancestors are shown.
bool IsWindowVisible(WindowHandle window);
bool IsMinimized(WindowHandle window);
// The window's own enabled state.
bool IsWindowEnabled(WindowHandle window);
// The window and all its ancestors are enabled (a window takes input only
// then).
bool IsWindowUsable(WindowHandle window);
// Returns whether the window was disabled before. Disabling the window that
// holds the focus moves the focus as hiding does.
bool EnableWindow(WindowHandle window, bool enable);

// msg::SetRedraw state (controls skip their repaints while it is off).
bool IsRedrawEnabled(WindowHandle window);

}  // namespace platform::ui
