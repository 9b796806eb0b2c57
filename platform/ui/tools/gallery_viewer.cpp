// Opens the control gallery in a real window (SDL2).
//
//   qiv_ui_gallery                      shows it until it is closed
//   qiv_ui_gallery --check <shot.xwd>   the real-window check: presses Tab
//                                       and Shift+Tab through SDL's event
//                                       queue, checks that the focus moves
//                                       along the tab order, that Ctrl+C
//                                       copies to the clipboard and that a
//                                       click checks a check box and a click
//                                       on a property sheet's tab switches
//                                       its page, takes a
//                                       screenshot from the X server with
//                                       xwd and checks the gallery's caption
//                                       colour in it. Exit code 0 when all
//                                       holds.
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gallery.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/color.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/property_sheet.h"
#include "platform/ui/controls/tab_control.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/keys.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/paint.h"
#include "platform/ui/sdl/sdl_backend.h"
#include "platform/ui/window.h"

extern char** environ;

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

bool RunXwd(const std::string& path) {
  std::vector<std::string> words = {"xwd", "-root", "-silent", "-out", path};
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  if (posix_spawnp(&child, "xwd", nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  if (waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The pixel of an X window dump (the format xwd writes: a header of
// big-endian 32-bit fields, the window name, the colour map, the pixels).
struct Dump {
  std::vector<std::uint8_t> bytes;
  std::uint32_t field(int index) const {
    const std::size_t at = static_cast<std::size_t>(index) * 4;
    if (at + 4 > bytes.size()) return 0;
    return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) | (std::uint32_t{bytes[at + 2]} << 8) |
           bytes[at + 3];
  }
  // Nothing for a dump this reader does not take (true colour, 3 or 4
  // bytes a pixel) or a point outside it.
  std::optional<ColorRef> pixel(int x, int y) const {
    const std::uint32_t headerSize = field(0), width = field(4), height = field(5), byteOrder = field(7);
    const std::uint32_t bitsPerPixel = field(11), bytesPerLine = field(12), colors = field(19);
    const std::uint32_t step = bitsPerPixel / 8;
    if ((bitsPerPixel != 24 && bitsPerPixel != 32) || (step != 3 && step != 4) || x < 0 || y < 0 ||
        static_cast<std::uint32_t>(x) >= width || static_cast<std::uint32_t>(y) >= height)
      return std::nullopt;
    const std::size_t at = headerSize + std::size_t{colors} * 12 + std::size_t{bytesPerLine} * y + std::size_t{step} * x;
    if (at + step > bytes.size()) return std::nullopt;
    std::uint32_t value = 0;
    for (std::uint32_t i = 0; i < step; ++i) {
      const std::uint32_t b = bytes[at + (byteOrder == 0 ? i : step - 1 - i)];
      value |= b << (8 * i);
    }
    auto channel = [value](std::uint32_t mask) {
      if (mask == 0) return 0u;
      int shift = 0;
      while (((mask >> shift) & 1u) == 0) ++shift;
      return (value & mask) >> shift;
    };
    return Rgb(channel(field(14)), channel(field(15)), channel(field(16)));
  }
};

int Fail(const char* what) {
  std::fprintf(stderr, "gallery check: %s\n", what);
  return 1;
}

// A click on the sheet's second tab, through SDL's event queue, shows its
// second page.
int CheckSheetTabClick(sdl::SdlBackend& backend, WindowHandle gallery) {
  const WindowHandle sheet = DialogItem(gallery, gallery::item::Sheet);
  const auto tabs = reinterpret_cast<WindowHandle>(SendMessage(sheet, property_sheet::GetTabControl));
  if (tabs == nullptr || SendMessage(sheet, property_sheet::GetCurrentPage) != 0)
    return Fail("the sheet is missing or not on its first page");
  Rect tab;
  SendMessage(tabs, tab_control::GetItemRect, 1, reinterpret_cast<LParam>(&tab));
  backend.queueClick(gallery, ClientToScreen(tabs, {tab.left + tab.width() / 2, tab.top + tab.height() / 2}));
  Settle(backend, 3);
  const auto page = reinterpret_cast<WindowHandle>(SendMessage(sheet, property_sheet::GetPageWindow, 1));
  if (SendMessage(sheet, property_sheet::GetCurrentPage) != 1 || page == nullptr || !IsWindowVisible(page))
    return Fail("a click on the sheet's second tab did not show its page");
  return 0;
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
  if (const int failed = CheckSheetTabClick(backend, gallery)) return failed;
  Settle(backend, 10);
  if (!RunXwd(shot)) return Fail("xwd could not take the screenshot");
  std::ifstream in(shot, std::ios::binary);
  Dump dump{std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>())};
  const Rect rect = WindowRect(gallery);
  const auto caption = dump.pixel(rect.right - 10, rect.top + 8);
  if (!caption) return Fail("the screenshot cannot be read");
  if (*caption != GetSystemColor(SystemColor::ActiveCaption)) {
    std::fprintf(stderr, "gallery check: the caption on the screen is %06X\n", static_cast<unsigned>(*caption));
    return 1;
  }
  std::printf("gallery check: focus moved by Tab and Shift+Tab, Ctrl+C copied, a click checked a box, a click on a tab switched the page; screenshot %s shows the gallery\n", shot.c_str());
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
