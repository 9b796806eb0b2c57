// Opens the control gallery in a real window (SDL2).
//
//   qiv_ui_gallery                      shows it until it is closed
//   qiv_ui_gallery --check <shot.xwd>   the real-window check: presses Tab
//                                       and Shift+Tab through SDL's event
//                                       queue, checks that the focus moves
//                                       along the tab order, that Ctrl+C
//                                       copies to the clipboard and that a
//                                       click checks a check box, takes a
//                                       screenshot from the X server with
//                                       xwd and checks the gallery's caption
//                                       colour in it. Exit code 0 when all
//                                       holds.
#include <cstdio>
#include <string>

#include "gallery.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/color.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/keys.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/paint.h"
#include "platform/ui/sdl/sdl_backend.h"
#include "platform/ui/window.h"
#include "real_window_check.h"

namespace {

using namespace platform::ui;

// Runs the model and the window system for a while.
void Settle(sdl::SdlBackend& backend, int rounds) {
  for (int i = 0; i < rounds; ++i) {
    DispatchPendingMessages();
    UpdateWindow(TopLevelWindow(GetFocus()));
    backend.pumpEvents(20);
  }
  DispatchPendingMessages();
}

// Tab (with Shift) through SDL's event queue, as a real key comes.
void PressTab(sdl::SdlBackend& backend, WindowHandle window, bool shift) {
  if (shift) backend.queueKeyEvent(window, key::Shift, true);
  backend.queueKeyEvent(window, key::Tab, true);
  backend.queueKeyEvent(window, key::Tab, false);
  if (shift) backend.queueKeyEvent(window, key::Shift, false);
}

int Fail(const char* what) {
  std::fprintf(stderr, "gallery check: %s\n", what);
  return 1;
}

int Check(sdl::SdlBackend& backend, WindowHandle gallery, const std::string& shot) {
  Settle(backend, 10);
  if (!backend.isShown(gallery)) return Fail("the gallery has no window");
  struct Step {
    bool shift;
    int expected;
  };
  const Step steps[] = {{false, gallery::item::Password}, {false, gallery::item::Notes}, {true, gallery::item::Password}};
  if (GetFocus() != DialogItem(gallery, gallery::item::Name)) return Fail("the focus did not start in the name field");
  for (const Step& step : steps) {
    PressTab(backend, gallery, step.shift);
    Settle(backend, 3);
    if (GetFocus() != DialogItem(gallery, step.expected)) {
      std::fprintf(stderr, "gallery check: expected the focus on %d, found %d\n", step.expected, WindowId(GetFocus()));
      return 1;
    }
  }
  // Back in the name field (its text selected), Ctrl+C copies through the
  // real clipboard.
  PressTab(backend, gallery, true);
  backend.queueKeyEvent(gallery, key::Control, true);
  backend.queueKeyEvent(gallery, 'C', true);
  backend.queueKeyEvent(gallery, 'C', false);
  backend.queueKeyEvent(gallery, key::Control, false);
  Settle(backend, 3);
  if (GetFocus() != DialogItem(gallery, gallery::item::Name)) return Fail("Shift+Tab did not reach the name field");
  if (ClipboardText() != DialogItemText(gallery, gallery::item::Name)) return Fail("Ctrl+C did not copy the name");
  // A click on the unchecked check box checks it.
  const Rect box = WindowRect(DialogItem(gallery, gallery::item::Unchecked));
  backend.queueClick(gallery, {box.left + 5, box.top + box.height() / 2});
  Settle(backend, 3);
  if (DialogButtonCheck(gallery, gallery::item::Unchecked) != button::Checked)
    return Fail("a click did not check the check box");
  Settle(backend, 10);
  const auto screen = real_window::Screenshot::Take(backend, shot);
  if (!screen) return Fail("xwd could not take the screenshot");
  const Rect rect = WindowRect(gallery);
  const ColorRef caption = screen->pixel(rect.right - 10, rect.top + 8);
  if (caption != GetSystemColor(SystemColor::ActiveCaption)) {
    std::fprintf(stderr, "gallery check: the caption on the screen is %06X\n", static_cast<unsigned>(caption));
    return 1;
  }
  std::printf("gallery check: focus moved by Tab and Shift+Tab, Ctrl+C copied, a click checked a box; screenshot %s shows the gallery\n", shot.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool check = argc == 3 && std::string(argv[1]) == "--check";
  if (argc != 1 && !check) {
    std::fprintf(stderr, "usage: %s [--check <screenshot.xwd>]\n", argv[0]);
    return 2;
  }
  sdl::ScopedSdlBackend backend;
  if (!backend.ok()) {
    std::fprintf(stderr, "no display: %s\n", backend.error().c_str());
    return 2;
  }
  const WindowHandle gallery = gallery::OpenGallery();
  if (gallery == nullptr) return Fail("the gallery could not be made");
  CenterWindow(gallery);
  int result = 0;
  if (check) {
    result = Check(backend, gallery, argv[2]);
  } else {
    // OK and Cancel hide the modeless gallery; closing its window too.
    RunMessageLoop([&] { return !IsWindow(gallery) || !IsWindowVisible(gallery); }, 0);
  }
  gallery::CloseGallery(gallery);
  return result;
}
