// Shows a Rowpane over 100,000 rows in a real window (SDL2).
//
//   rowpane_viewer                     shows it until it is closed
//   rowpane_viewer --check <shot.png>  the real-window check: presses End
//                                      and Up through SDL's event queue,
//                                      checks the selection and what the
//                                      window shows (the 3-D frame, the
//                                      scroll bar, the selected row), and
//                                      keeps the shown
//                                      image. Exit code 0 when all holds.
#include <cstdio>
#include <string>

#include "platform/ui/color.h"
#include "platform/ui/focus.h"
#include "platform/ui/keys.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/paint.h"
#include "platform/ui/sdl/sdl_backend.h"
#include "platform/ui/window.h"
#include "support/rowpane_harness.h"

namespace {

using namespace platform::ui;
using rowpane::testing::Parent;

void Settle(sdl::SdlBackend& backend, WindowHandle window, int rounds) {
  for (int i = 0; i < rounds; ++i) {
    DispatchPendingMessages();
    UpdateWindow(window);
    backend.pumpEvents(20);
  }
  DispatchPendingMessages();
}

void Press(sdl::SdlBackend& backend, WindowHandle window, VirtualKey key) {
  backend.queueKeyEvent(window, key, true);
  backend.queueKeyEvent(window, key, false);
}

int Fail(const char* what) {
  std::fprintf(stderr, "rowpane check: %s\n", what);
  return 1;
}

int Check(sdl::SdlBackend& backend, Parent& parent, const std::string& shot) {
  const WindowHandle window = parent.window();
  Settle(backend, window, 10);
  if (!backend.isShown(window)) return Fail("the window is not shown");
  Press(backend, window, key::End);
  Press(backend, window, key::Up);
  Settle(backend, window, 5);
  const LResult selection = parent.send(rowpane::RPB_GETCURSEL);
  if (selection != 99998) {
    std::fprintf(stderr, "rowpane check: expected the selection on 99998, found %ld\n", static_cast<long>(selection));
    return 1;
  }
  InvalidateRect(window);
  Settle(backend, window, 5);
  auto* image = dynamic_cast<cairo::ImageSurface*>(backend.windowSurface(window));
  if (image == nullptr) return Fail("the window has no image");
  const Rect place = WindowRectInParent(parent.control());
  if (image->pixel(place.left - 2, place.top + 20) != GetSystemColor(SystemColor::ButtonShadow))
    return Fail("the shown window lacks the 3-D frame");
  if (image->pixel(place.right - 8, place.top + 40) == GetSystemColor(SystemColor::Window))
    return Fail("the shown window lacks the scroll bar");
  const int height = static_cast<int>(parent.send(rowpane::RPB_GETITEMHEIGHT));
  const int selectedY = place.top + parent.selectedLine() * height + height / 2;
  if (image->pixel(place.left + 120, selectedY) != GetSystemColor(SystemColor::Highlight))
    return Fail("the selected row is not highlighted on the screen");
  if (!image->writePng(shot)) return Fail("the image could not be written");
  std::printf("rowpane check: End and Up moved the selection to 99998; %s shows the control\n", shot.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool check = argc == 3 && std::string(argv[1]) == "--check";
  if (argc != 1 && !check) {
    std::fprintf(stderr, "usage: %s [--check <shot.png>]\n", argv[0]);
    return 2;
  }
  sdl::ScopedSdlBackend backend;
  if (!backend.ok()) {
    std::fprintf(stderr, "no display: %s\n", backend.error().c_str());
    return 2;
  }
  Parent parent;
  if (parent.createControl(rowpane::style::Frame3d, 200) == nullptr) return Fail("the control could not be made");
  SetFocus(parent.control());
  int result = 0;
  if (check) {
    result = Check(backend, parent, argv[2]);
  } else {
    RunMessageLoop([&] { return !IsWindow(parent.window()) || !IsWindowVisible(parent.window()); }, 0);
  }
  return result;
}
