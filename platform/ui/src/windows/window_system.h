// The state of the window system, shared by the files that implement it:
// the class registry, the window table, focus and activation, the queues
// and the timers. One instance per process, used on the UI thread only.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ui/input.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/paint.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/window.h"

namespace platform::ui {
class Window;
struct ControlDescriptor;
}  // namespace platform::ui

namespace platform::ui::detail {

// Per-window state of a built-in window class (a control, a dialog),
// freed with the window (and kept by whoever holds it while a message to
// the window is under way).
class ClassState {
 public:
  virtual ~ClassState() = default;
};

struct ClassRecord {
  WindowClass windowClass;
  const ControlDescriptor* descriptor = nullptr;  // a built-in control's
  int liveWindows = 0;
};

struct WindowRecord {
  WindowHandle handle = nullptr;
  ClassRecord* windowClass = nullptr;
  WindowProcedure procedure = nullptr;
  Window* object = nullptr;  // the class-library object attached, if any
  // The procedure an object had below it when it let go of a window that
  // had been subclassed again on top of it.
  WindowProcedure detachedPrevious = nullptr;
  std::shared_ptr<ClassState> classState;
  std::string text;
  StyleBits style = 0;
  StyleBits exStyle = 0;
  int id = 0;
  Rect rect;  // in the parent's client coordinates (screen for a top-level window)
  WindowHandle parent = nullptr;
  WindowHandle owner = nullptr;
  std::vector<WindowHandle> children;  // z-order, front first
  std::vector<std::uint8_t> extraBytes;
  MenuHandle menu = nullptr;
  BitmapHandle smallIcon = nullptr;  // msg::SetIcon; not owned
  BitmapHandle bigIcon = nullptr;
  ScrollInfo vertical;
  ScrollInfo horizontal;
  WindowHandle lastFocus = nullptr;  // top-level: the last window inside that was given the focus
  bool redraw = true;
  bool destroying = false;
  Rect invalid;  // the update rectangle, client coordinates (empty: none)
  bool erasePending = false;
  bool frameInvalid = false;  // the frame is to be drawn again
};

struct InputEvent {
  enum class Kind { KeyDown, KeyUp, Character, MouseMove, ButtonDown, ButtonUp, Wheel };
  Kind kind = Kind::KeyDown;
  VirtualKey key = 0;  // Character: the character (Windows-1252)
  MouseButton button = MouseButton::Left;
  Point point;
  int wheelDelta = 0;
};

struct TimerRecord {
  WindowHandle window = nullptr;
  unsigned id = 0;
  unsigned interval = 0;
  std::uint64_t due = 0;
  MessageId message = msg::Timer;
};

struct FocusState {
  WindowHandle focus = nullptr;
  WindowHandle notified = nullptr;
  std::uint64_t serial = 0;
};

struct LastClick {
  WindowHandle window = nullptr;
  MouseButton button = MouseButton::Left;
  Point point;
  std::uint64_t time = 0;
  bool valid = false;
};

class WindowSystem {
 public:
  static WindowSystem& Get();

  WindowRecord* find(WindowHandle handle);
  ClassRecord* findClass(std::string_view name);

  // Classes and windows.
  std::vector<std::unique_ptr<ClassRecord>> classes;
  std::unordered_map<std::uintptr_t, std::unique_ptr<WindowRecord>> windows;
  std::vector<WindowHandle> topLevel;  // z-order, front first
  std::uintptr_t nextHandle = 0x10000;
  Window* objectForNextWindow = nullptr;

  // Focus, activation, capture.
  WindowHandle focus = nullptr;     // the window keys go to
  WindowHandle notified = nullptr;  // the window that has had msg::SetFocus and not yet msg::KillFocus
  std::uint64_t focusSerial = 0;    // counts focus changes
  WindowHandle active = nullptr;
  WindowHandle capture = nullptr;
  WindowHandle mainWindow = nullptr;

  // Input state as of the message being processed.
  std::array<bool, 256> keyDown{};
  Point cursor;
  LastClick lastClick;
  WindowHandle mouseLeaveTracked = nullptr;  // TrackMouseLeave
  bool altAlone = false;                     // Alt went down and no other key since

  // Queues.
  std::deque<Message> posted;
  std::deque<unsigned> characters;  // from key translation
  std::deque<InputEvent> input;
  bool quitPending = false;
  int quitCode = 0;
  std::vector<TimerRecord> timers;
  std::vector<const Message*> currentMessages;

  std::map<std::string, MessageId> registeredMessages;  // upper-cased names
  MessageId nextRegistered = msg::FirstRegistered;

  std::vector<std::pair<int, MessageFilterHook>> hooks;  // newest last
  int nextHookId = 1;

  bool builtInClassesRegistered = false;

 private:
  WindowSystem();
};

inline WindowRecord* Find(WindowHandle handle) { return WindowSystem::Get().find(handle); }
std::string UpperCase(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Non-client geometry (windows/nonclient.cpp).
struct FrameInsets {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
// The client area within the window rectangle, from the style, the menu
// bar and the scroll bars.
FrameInsets ComputeFrameInsets(const WindowRecord& record);
LResult DefaultHitTest(WindowHandle window, Point screenPoint);
// Sends msg::Size when the client size differs from the one given.
void NotifyClientSizeChange(WindowHandle window, Size before);
Size ClientSizeOf(WindowHandle window);

// Focus and activation (input/focus.cpp).
FocusState SaveFocusState();
// Puts the focus back as it was saved: the window then holding the focus
// gets msg::KillFocus, the saved window gets msg::SetFocus again unless it
// was in the middle of losing it, and a focus change that was under way
// when the state was saved goes on as if never interrupted.
void RestoreFocusState(const FocusState& state);
// Moves the focus out of a window that is being hidden, disabled or
// destroyed.
void MoveFocusOutOf(WindowHandle window);
// Activation after the active window was hidden or destroyed.
void ActivateAfterLosing(WindowHandle window);
// Activation by a mouse click (msg::Activate says so).
WindowHandle ActivateByClick(WindowHandle window);
void ForgetWindow(WindowHandle window);

// Timers the controls set for themselves (msg::SystemTimer).
unsigned SetSystemTimer(WindowHandle window, unsigned id, unsigned intervalMs);
bool KillSystemTimer(WindowHandle window, unsigned id);

// Input routing (input/input.cpp): turns the next input event into a message.
bool RetrieveInput(Message& message);
void RetrieveCharacter(Message& message, unsigned character);

// The class-library object routing (windows/window_object.cpp).
bool PreTranslateChain(Message& message);
void AttachObjectAtCreation(Window* object, WindowHandle handle);
void DetachObjectAtDestruction(Window* object);

// The loops: a retrieved message goes to the filter hooks, the
// pre-translation chain, then (for a dialog that has no object of its own
// to do it) IsDialogMessage, then translation and dispatch.
void ProcessMessageFor(Message& message, int filterCode, WindowHandle dialog);
bool RunLoopFor(const std::function<bool()>& done, int filterCode, WindowHandle dialog);

// Built-in classes (registered when the system starts): the dialog class
// and the built-in controls from their descriptors.
void RegisterBuiltInClasses();
void RegisterDialogClass();

// The state of a window of a built-in class, or null when the window is of
// another class.
template <class State>
State* StateOf(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record ? dynamic_cast<State*>(record->classState.get()) : nullptr;
}

// Painting (drawing/painting.cpp): paints, on the backend's surfaces, the
// windows that need it (the loops call it before they wait).
void PaintWindowsOnScreen();
// The surface a paint of the top-level window's tree is drawing on now
// (null when none is under way): a window context taken during a paint
// draws there too.
Surface* SurfaceOfPaintUnderWay(WindowHandle topLevel);
// Invalidates what the window covers: the area of its parent under it
// (the window itself, frame and all, for a top-level window).
void InvalidateWhereWindowIs(WindowHandle window);
// The caret forgets a window being destroyed.
void ForgetCaretOwner(WindowHandle window);

void DestroyMenuOfWindow(MenuHandle menu);
// Keyboard menu (Alt, F10) and a click on the menu bar.
void TrackMenuBar(WindowHandle window, int openPosition, bool byKeyboard);

}  // namespace platform::ui::detail
