// Opens the control gallery in a real window (SDL2).
//
//   qiv_ui_gallery                      shows it until it is closed
//   qiv_ui_gallery --check <shot.xwd>   the real-window check: presses Tab
//                                       and Shift+Tab through SDL's event
//                                       queue, checks that the focus moves
//                                       along the tab order, that Ctrl+C
//                                       copies to the clipboard and that a
//                                       click checks a check box and a click
//                                       on a property sheet's tab (on the
//                                       second dialog) switches its page,
//                                       takes a screenshot from the X server
//                                       with xwd and checks both dialogs'
//                                       caption colours in it. Exit code 0
//                                       when all holds.
//   qiv_ui_gallery --check-tip <shot.xwd>
//                                       the toolbar's check: moves the
//                                       desktop's pointer onto a toolbar
//                                       button, checks that its tip shows
//                                       after the delay in a window of its
//                                       own with the owner's text, that a
//                                       screenshot shows it, that the
//                                       desktop has the gallery's icon, and
//                                       that the pointer's leave to the
//                                       desktop takes the hot button and the
//                                       tip away.
#include <cstdio>
#include <string>

#include "gallery.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/color.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/property_sheet.h"
#include "platform/ui/controls/tab_control.h"
#include "platform/ui/controls/tool_tip.h"
#include "platform/ui/controls/toolbar.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/keys.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/paint.h"
#include "platform/ui/sdl/sdl_backend.h"
#include "platform/ui/style_painter.h"
#include "platform/ui/window.h"
#include "real_window_check.h"

namespace {

using namespace platform::ui;
using real_window::Await;
using real_window::Fail;
using real_window::Settle;

// Tab (with Shift) through SDL's event queue, as a real key comes.
void PressTab(sdl::SdlBackend& backend, WindowHandle window, bool shift) {
  if (shift) backend.queueKeyEvent(window, key::Shift, true);
  backend.queueKeyEvent(window, key::Tab, true);
  backend.queueKeyEvent(window, key::Tab, false);
  if (shift) backend.queueKeyEvent(window, key::Shift, false);
}

// A click on the sheet's second tab (on the gallery's second dialog),
// through SDL's event queue, shows its second page.
int CheckSheetTabClick(sdl::SdlBackend& backend, WindowHandle second) {
  if (!backend.isShown(second)) return Fail("the gallery's second dialog has no window");
  const WindowHandle sheet = DialogItem(second, gallery::item::Sheet);
  const auto tabs = reinterpret_cast<WindowHandle>(SendMessage(sheet, property_sheet::GetTabControl));
  if (tabs == nullptr || SendMessage(sheet, property_sheet::GetCurrentPage) != 0)
    return Fail("the sheet is missing or not on its first page");
  Rect tab;
  SendMessage(tabs, tab_control::GetItemRect, 1, reinterpret_cast<LParam>(&tab));
  backend.queueClick(second, ClientToScreen(tabs, {tab.left + tab.width() / 2, tab.top + tab.height() / 2}));
  const auto shown = [&] {
    const auto page = reinterpret_cast<WindowHandle>(SendMessage(sheet, property_sheet::GetPageWindow, 1));
    return SendMessage(sheet, property_sheet::GetCurrentPage) == 1 && page != nullptr && IsWindowVisible(page);
  };
  return Await(backend, shown, "the sheet's second page after a click on its tab") ? 0 : 1;
}

int Check(sdl::SdlBackend& backend, WindowHandle gallery, const std::string& shot) {
  if (GetFocus() != DialogItem(gallery, gallery::item::Name)) return Fail("the focus did not start in the name field");
  struct Step {
    bool shift;
    int expected;
  };
  const Step steps[] = {
      {false, gallery::item::Password}, {false, gallery::item::Notes}, {true, gallery::item::Password}};
  for (const Step& step : steps) {
    PressTab(backend, gallery, step.shift);
    if (!Await(
            backend, [&] { return GetFocus() == DialogItem(gallery, step.expected); },
            "the focus on " + std::to_string(step.expected)))
      return 1;
  }
  // Back in the name field (its text selected), Ctrl+C copies through the
  // real clipboard.
  PressTab(backend, gallery, true);
  backend.queueKeyEvent(gallery, key::Control, true);
  backend.queueKeyEvent(gallery, 'C', true);
  backend.queueKeyEvent(gallery, 'C', false);
  backend.queueKeyEvent(gallery, key::Control, false);
  if (!Await(
          backend, [&] { return ClipboardText() == DialogItemText(gallery, gallery::item::Name); },
          "Ctrl+C to copy the name"))
    return 1;
  if (GetFocus() != DialogItem(gallery, gallery::item::Name)) return Fail("Shift+Tab did not reach the name field");
  // A click on the unchecked check box checks it.
  const Rect box = WindowRect(DialogItem(gallery, gallery::item::Unchecked));
  backend.queueClick(gallery, {box.left + 5, box.top + box.height() / 2});
  if (!Await(
          backend, [&] { return DialogButtonCheck(gallery, gallery::item::Unchecked) == button::Checked; },
          "a click to check the check box"))
    return 1;
  const WindowHandle second = gallery::SecondDialog();
  if (const int failed = CheckSheetTabClick(backend, second)) return failed;
  Settle(backend, 200);
  const auto screen = real_window::Screenshot::Take(backend, shot);
  if (!screen) return 1;
  // Both dialogs on the screen, the second active after the click on it.
  // On a bare X server the model draws the captions, in the active and the
  // inactive colour; in the desktop's frames it draws none, and the top of
  // each dialog inside its frame is its menu bar or its face.
  if (GetActiveWindow() != second) return Fail("the click on the second dialog did not make it active");
  const bool framed = backend.desktopFramesWindows();
  const struct {
    WindowHandle dialog;
    SystemColor top;
  } shown[] = {{gallery, framed ? SystemColor::Menu : SystemColor::InactiveCaption},
               {second, framed ? SystemColor::ButtonFace : SystemColor::ActiveCaption}};
  for (const auto& [dialog, expected] : shown) {
    const Rect rect = framed ? InsideDesktopFrame(dialog) : WindowRect(dialog);
    const ColorRef top = screen->pixel(rect.right - 10, rect.top + (framed ? 4 : 8));
    if (top != GetSystemColor(expected)) {
      std::fprintf(stderr, "gallery check: the top of \"%s\" on the screen is %06X\n", WindowText(dialog).c_str(),
                   static_cast<unsigned>(top));
      return 1;
    }
  }
  std::printf(
      "gallery check: focus moved by Tab and Shift+Tab, Ctrl+C copied, a click checked a box, a click on a tab "
      "switched the page; screenshot %s shows the gallery\n",
      shot.c_str());
  return 0;
}

int CheckTip(sdl::SdlBackend& backend, WindowHandle gallery, const std::string& shot) {
  const WindowHandle bar = DialogItem(gallery, gallery::item::Toolbar);
  const WindowHandle tip = HandleFromParam<WindowHandle>(SendMessage(bar, toolbar::GetToolTips));
  const auto index = static_cast<WParam>(SendMessage(bar, toolbar::CommandToIndex, gallery::command::Help));
  Rect button;
  if (tip == nullptr || !SendMessage(bar, toolbar::GetItemRect, index, reinterpret_cast<LParam>(&button)))
    return Fail("the toolbar has no tip or no Help button");
  backend.movePointer(gallery,
                      ClientToScreen(bar, {button.left + button.width() / 2, button.top + button.height() / 2}));
  // The pointer rests there: the tip comes after the delay on the real clock.
  if (!Await(
          backend, [&] { return IsWindowVisible(tip); }, "the tip", tool_tip::kInitialDelay + 3000))
    return 1;
  if (SendMessage(bar, toolbar::GetHotItem) != static_cast<LResult>(index))
    return Fail("the button under the pointer is not hot");
  if (WindowText(tip) != gallery::TipOf(gallery::command::Help)) return Fail("the tip does not have the owner's text");
  if (!Await(
          backend, [&] { return backend.isShown(tip); }, "the tip's window"))
    return 1;
  Settle(backend, 200);
  const auto screen = real_window::Screenshot::Take(backend, shot);
  if (!screen) return 1;
  const Rect rect = WindowRect(tip);
  const ColorRef inside = screen->pixel(rect.left + 2, rect.top + 2);
  if (inside != StylePainter::kToolTipBackground) {
    std::fprintf(stderr, "gallery check: the tip on the screen is %06X\n", static_cast<unsigned>(inside));
    return 1;
  }
  // The desktop has the window's icon (the gallery's is 16 by 16).
  const auto icon = real_window::Run(
      backend, {"xprop", "-id", real_window::WindowIdText(backend.desktopWindowId(gallery)), "_NET_WM_ICON"});
  if (!icon) return 1;
  if (icon->find("16 x 16") == std::string::npos) return Fail("the desktop's icon: " + *icon);
  // The pointer off to the desktop: the button is no longer hot, the tip
  // goes.
  const Rect outer = WindowRect(gallery);
  backend.movePointer(gallery, {outer.left + 20, outer.top - 20});
  if (!Await(
          backend, [&] { return SendMessage(bar, toolbar::GetHotItem) == -1 && !IsWindowVisible(tip); },
          "the pointer's leave for the desktop to take the hot button and the tip away"))
    return 1;
  std::printf(
      "gallery check: the pointer on a toolbar button showed its tip \"%s\"; screenshot %s shows it; the desktop has "
      "the icon; the pointer's leave took both away\n",
      WindowText(tip).c_str(), shot.c_str());
  return 0;
}

// Both dialogs shown by the desktop, the gallery active. Where a window
// manager runs, it gives the focus to the newest window (the second
// dialog): the checks start, as a user would, by giving it to the gallery.
bool ReadyOnTheScreen(sdl::SdlBackend& backend, WindowHandle gallery) {
  return real_window::AwaitMapped(backend, gallery) && real_window::AwaitMapped(backend, gallery::SecondDialog()) &&
         (!backend.desktopFramesWindows() || real_window::FocusOnTheDesktop(backend, gallery));
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc == 3 ? argv[1] : "";
  const bool check = mode == "--check";
  const bool checkTip = mode == "--check-tip";
  if (argc != 1 && !check && !checkTip) {
    std::fprintf(stderr, "usage: %s [--check <screenshot.xwd> | --check-tip <screenshot.xwd>]\n", argv[0]);
    return 2;
  }
  sdl::ScopedSdlBackend backend;
  if (!backend.ok()) {
    std::fprintf(stderr, "no display: %s\n", backend.error().c_str());
    return 2;
  }
  const WindowHandle gallery = gallery::OpenGallery();
  if (gallery == nullptr) return Fail("the gallery could not be made");
  gallery::CenterGallery(gallery);
  int result = 0;
  if (!check && !checkTip) {
    // OK and Cancel hide the modeless gallery; closing its window too.
    RunMessageLoop([&] { return !IsWindow(gallery) || !IsWindowVisible(gallery); }, 0);
  } else if (!ReadyOnTheScreen(backend, gallery)) {
    result = 1;
  } else {
    result = check ? Check(backend, gallery, argv[2]) : CheckTip(backend, gallery, argv[2]);
  }
  gallery::CloseGallery(gallery);
  return result;
}
