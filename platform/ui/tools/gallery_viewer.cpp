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
#include <fcntl.h>
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

extern char** environ;

namespace {

using namespace platform::ui;

// Runs the model and the window system for a while.
void Settle(sdl::SdlBackend& backend, int rounds) {
  for (int i = 0; i < rounds; ++i) {
    DispatchPendingMessages();
    for (WindowHandle top : ChildWindows(nullptr))
      if (IsWindowVisible(top)) UpdateWindow(top);
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

// Runs a program of the desktop with its arguments (no shell), its output
// to the file when one is named; true when it ran and exited with 0.
bool RunTool(std::vector<std::string> words, const std::string& output = {}) {
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!output.empty()) posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t child = 0;
  const int started = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (started != 0) return false;
  int status = 0;
  if (waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool RunXwd(const std::string& path) { return RunTool({"xwd", "-root", "-silent", "-out", path}); }

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

Dump ReadDump(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Dump{std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>())};
}

int Fail(const char* what) {
  std::fprintf(stderr, "gallery check: %s\n", what);
  return 1;
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
  const WindowHandle second = gallery::SecondDialog();
  if (const int failed = CheckSheetTabClick(backend, second)) return failed;
  Settle(backend, 10);
  if (!RunXwd(shot)) return Fail("xwd could not take the screenshot");
  // Both dialogs on the screen, the second active after the click on it.
  const Dump dump = ReadDump(shot);
  const struct {
    WindowHandle dialog;
    SystemColor caption;
  } shown[] = {{gallery, SystemColor::InactiveCaption}, {second, SystemColor::ActiveCaption}};
  for (const auto& [dialog, expected] : shown) {
    const Rect rect = WindowRect(dialog);
    const auto caption = dump.pixel(rect.right - 10, rect.top + 8);
    if (!caption) return Fail("the screenshot cannot be read");
    if (*caption != GetSystemColor(expected)) {
      std::fprintf(stderr, "gallery check: the caption of \"%s\" on the screen is %06X\n", WindowText(dialog).c_str(),
                   static_cast<unsigned>(*caption));
      return 1;
    }
  }
  std::printf("gallery check: focus moved by Tab and Shift+Tab, Ctrl+C copied, a click checked a box, a click on a tab switched the page; screenshot %s shows the gallery\n", shot.c_str());
  return 0;
}

int CheckTip(sdl::SdlBackend& backend, WindowHandle gallery, const std::string& shot) {
  Settle(backend, 10);
  if (!backend.isShown(gallery)) return Fail("the gallery has no window");
  const WindowHandle bar = DialogItem(gallery, gallery::item::Toolbar);
  const WindowHandle tip = HandleFromParam<WindowHandle>(SendMessage(bar, toolbar::GetToolTips));
  const auto index = static_cast<WParam>(SendMessage(bar, toolbar::CommandToIndex, gallery::command::Help));
  Rect button;
  if (tip == nullptr || !SendMessage(bar, toolbar::GetItemRect, index, reinterpret_cast<LParam>(&button)))
    return Fail("the toolbar has no tip or no Help button");
  backend.movePointer(gallery, ClientToScreen(bar, {button.left + button.width() / 2, button.top + button.height() / 2}));
  // The pointer rests there: the tip comes after the delay on the real clock.
  const std::uint64_t until = backend.now() + tool_tip::kInitialDelay + 3000;
  while (!IsWindowVisible(tip) && backend.now() < until) Settle(backend, 1);
  if (!IsWindowVisible(tip)) return Fail("the tip did not show");
  if (SendMessage(bar, toolbar::GetHotItem) != static_cast<LResult>(index)) return Fail("the button under the pointer is not hot");
  if (WindowText(tip) != gallery::TipOf(gallery::command::Help)) return Fail("the tip does not have the owner's text");
  for (int i = 0; i < 10; ++i) {
    UpdateWindow(tip);
    Settle(backend, 1);
  }
  if (!backend.isShown(tip)) return Fail("the tip has no window");
  if (!RunXwd(shot)) return Fail("xwd could not take the screenshot");
  const Rect rect = WindowRect(tip);
  const auto inside = ReadDump(shot).pixel(rect.left + 2, rect.top + 2);
  if (!inside) return Fail("the screenshot cannot be read");
  if (*inside != StylePainter::kToolTipBackground) {
    std::fprintf(stderr, "gallery check: the tip on the screen is %06X\n", static_cast<unsigned>(*inside));
    return 1;
  }
  // The desktop has the window's icon (the gallery's is 16 by 16).
  const std::string icon = shot + ".icon.txt";
  if (!RunTool({"xprop", "-name", WindowText(gallery), "_NET_WM_ICON"}, icon)) return Fail("xprop could not read the icon");
  std::ifstream in(icon);
  const std::string said((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (said.find("16 x 16") == std::string::npos) {
    std::fprintf(stderr, "gallery check: the desktop's icon: %s\n", said.c_str());
    return 1;
  }
  // The pointer off to the desktop: the button is no longer hot, the tip
  // goes.
  const Rect outer = WindowRect(gallery);
  backend.movePointer(gallery, {outer.left + 20, outer.top - 20});
  for (int i = 0; i < 20 && (SendMessage(bar, toolbar::GetHotItem) != -1 || IsWindowVisible(tip)); ++i) Settle(backend, 1);
  if (SendMessage(bar, toolbar::GetHotItem) != -1 || IsWindowVisible(tip))
    return Fail("the pointer left for the desktop, but the button stayed hot or the tip stayed");
  std::printf("gallery check: the pointer on a toolbar button showed its tip \"%s\"; screenshot %s shows it; the desktop has the icon; the pointer's leave took both away\n",
              WindowText(tip).c_str(), shot.c_str());
  return 0;
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
  if (check) {
    result = Check(backend, gallery, argv[2]);
  } else if (checkTip) {
    result = CheckTip(backend, gallery, argv[2]);
  } else {
    // OK and Cancel hide the modeless gallery; closing its window too.
    RunMessageLoop([&] { return !IsWindow(gallery) || !IsWindowVisible(gallery); }, 0);
  }
  gallery::CloseGallery(gallery);
  return result;
}
