// The gallery in real windows on a desktop with a window manager, run in a
// desktop session (desktop_session.sh) under xvfb-run; the desktop is
// driven as a person drives it, through its own tools (xdotool, wmctrl,
// xclip), and the screenshots are kept to be looked at.
//
//   platform_ui_desktop_checks frame <artifacts>     the desktop's frame:
//       the title in it and kept in step, the window moved by dragging its
//       title bar, minimised and restored, resized only where its style
//       allows, a dialog kept above its owner, the close arriving as the
//       window's close message
//   platform_ui_desktop_checks keyboard <artifacts>  with a Spanish layout:
//       "Mañana" typed with a dead key, AltGr typing the euro sign, a
//       character outside the code page refused with a beep
//   platform_ui_desktop_checks clipboard             text with accented
//       letters through the desktop's clipboard, both ways
//   platform_ui_desktop_checks density <dpi> <artifacts>  the screen's
//       density from the desktop's Xft.dpi, both of the gallery's dialogs
//       grown with it and shown whole
//
// Exit code 0 when all holds; what failed is printed.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "gallery.h"
#include "platform/ui/cairo/rendering.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/keys.h"
#include "platform/ui/menu.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/messages.h"
#include "platform/ui/metrics.h"
#include "platform/ui/styles.h"
#include "platform/ui/window.h"
#include "real_window_check.h"

namespace {

using namespace platform::ui;
using namespace platform::ui::real_window;

// ---- the desktop's view of a window

// A property as xprop prints it in the C locale ("NAME = "text"" with
// octal escapes for bytes above 127, or "NAME: window id # 0x..."): the
// text after the name, the quoted text unescaped.
std::optional<std::string> Property(sdl::SdlBackend& backend, std::uint64_t window, const char* name) {
  const auto printed = Run(backend, {"env", "LC_ALL=C", "xprop", "-id", WindowIdText(window), "-notype", name});
  if (!printed) return std::nullopt;
  const std::string& text = *printed;
  const auto open = text.find('"');
  const auto close = text.rfind('"');
  if (open == std::string::npos || close == open) {
    const auto colon = text.find_first_of(":=");
    if (colon == std::string::npos) return std::nullopt;
    std::string value = text.substr(colon + 1);
    while (!value.empty() && (value.back() == '\n' || value.back() == ' ')) value.pop_back();
    return value;
  }
  std::string value;
  for (std::size_t i = open + 1; i < close; ++i) {
    if (text[i] != '\\' || i + 1 >= close) {
      value += text[i];
    } else if (i + 3 < close && text[i + 1] >= '0' && text[i + 1] <= '3') {
      value += static_cast<char>(((text[i + 1] - '0') << 6) | ((text[i + 2] - '0') << 3) | (text[i + 3] - '0'));
      i += 3;
    } else {
      value += text[++i];
    }
  }
  return value;
}

// The desktop's window with the title, or 0.
std::uint64_t WindowTitled(sdl::SdlBackend& backend, const std::string& title) {
  const auto found = Run(backend, {"xdotool", "search", "--name", "^" + title + "$"});
  return found ? std::strtoull(found->c_str(), nullptr, 10) : 0;
}

// Where the desktop shows a window's inside: x, y, width, height.
std::optional<Rect> DesktopGeometry(sdl::SdlBackend& backend, std::uint64_t window) {
  const auto printed = Run(backend, {"xwininfo", "-id", WindowIdText(window)});
  if (!printed) return std::nullopt;
  auto number = [&](const char* label) {
    const auto at = printed->find(label);
    return at == std::string::npos ? -1 : std::atoi(printed->c_str() + at + std::strlen(label));
  };
  const int x = number("Absolute upper-left X:"), y = number("Absolute upper-left Y:");
  const int width = number("Width:"), height = number("Height:");
  if (width <= 0 || height <= 0) return std::nullopt;
  return Rect::FromSize(x, y, width, height);
}

// The gallery's two dialogs open, side by side in the middle of the
// screen, mapped by the desktop, the desktop's focus on the first (the
// window manager gives it to the newest window, the second).
struct OpenedGallery {
  WindowHandle window = nullptr;
  std::uint64_t id = 0;
  WindowHandle second = nullptr;
};

std::optional<OpenedGallery> OpenOnTheDesktop(sdl::SdlBackend& backend) {
  if (!backend.ok()) {
    Fail("no display: " + backend.error());
    return std::nullopt;
  }
  OpenedGallery opened;
  opened.window = gallery::OpenGallery();
  opened.second = gallery::SecondDialog();
  if (opened.window == nullptr || opened.second == nullptr) {
    Fail("the gallery could not be made");
    return std::nullopt;
  }
  gallery::CenterGallery(opened.window);
  if (!AwaitMapped(backend, opened.window) || !AwaitMapped(backend, opened.second)) return std::nullopt;
  opened.id = backend.desktopWindowId(opened.window);
  if (!FocusOnTheDesktop(backend, opened.window)) return std::nullopt;
  return opened;
}

// The screenshot's part around the window with its frame.
Rect AroundWindow(const Rect& inside) { return inside.inflatedBy(40, 60); }

// ---- frame

// A plain window class for the extra windows of the frame check.
constexpr const char* kPlainClass = "DesktopCheckWindow";

WindowHandle PlainWindow(const char* title, StyleBits style, Rect rect, WindowHandle owner) {
  static const bool registered = RegisterWindowClass({kPlainClass, &DefaultWindowProcedure, 0, 0});
  (void)registered;
  return CreateWindow(
      {.className = kPlainClass, .text = title, .style = style | style::Visible, .rect = rect, .parent = owner});
}

int CheckFrame(const std::string& artifacts) {
  sdl::ScopedSdlBackend backend;
  const auto opened = OpenOnTheDesktop(backend);
  if (!opened) return 1;
  const WindowHandle gallery = opened->window;
  const std::uint64_t id = opened->id;
  if (!backend.desktopFramesWindows()) return Fail("the window manager was not found");
  if (GetSystemMetric(SystemMetric::ScreenDpi) != 96) return Fail("without Xft.dpi the screen is not at 96 dpi");
  MessageTap tap(gallery);

  // The title in the frame, and inside the frame the model's menu bar and
  // client area (no second caption drawn by the model).
  if (WindowTitled(backend, "Control gallery") != id) return Fail("the frame's title is not the caption text");
  const auto extents = Property(backend, id, "_NET_FRAME_EXTENTS");
  if (!extents || extents->empty()) return Fail("the window manager drew no frame");
  const auto inside = DesktopGeometry(backend, id);
  const Rect menuBar = MenuBarItemRect(gallery, 0);
  const Point client = ClientToScreen(gallery, {0, 0});
  if (!inside || *inside != InsideDesktopFrame(gallery) || inside->left != client.x || inside->top != menuBar.top ||
      menuBar.bottom > client.y)
    return Fail("the desktop does not show the gallery's menu bar and client area inside its frame");

  // The caption text changed: the frame's title follows, in UTF-8.
  SetWindowText(gallery,
                "Galer\xED"
                "a de controles");
  if (!Await(
          backend, [&] { return Property(backend, id, "_NET_WM_NAME") == "Galería de controles"; },
          "the frame's title to follow the caption"))
    return 1;

  // A dialog owned by the gallery, and a window with a thick frame.
  const Rect place = WindowRect(gallery);
  const WindowHandle dialog = PlainWindow("Owned dialog", style::Popup | style::Caption | style::SystemMenu,
                                          Rect::FromSize(place.left + 40, place.top + 60, 220, 120), gallery);
  const WindowHandle sizable =
      PlainWindow("Sizable window", style::Overlapped | style::Caption | style::SystemMenu | style::ThickFrame,
                  Rect::FromSize(20, 20, 200, 100), nullptr);
  if (!Await(
          backend, [&] { return backend.desktopWindowId(dialog) != 0 && backend.desktopWindowId(sizable) != 0; },
          "the dialog's and the sizable window's windows"))
    return 1;
  const std::uint64_t dialogId = backend.desktopWindowId(dialog);
  const std::uint64_t sizableId = backend.desktopWindowId(sizable);
  const auto transientFor = Property(backend, dialogId, "WM_TRANSIENT_FOR");
  if (!transientFor || transientFor->find(WindowIdText(id)) == std::string::npos)
    return Fail("the dialog " + WindowIdText(dialogId) + " is not transient for the gallery (" + WindowIdText(id) +
                "): " + transientFor.value_or("none"));
  // Activating the owner keeps the dialog above it (the stacking list
  // runs from the bottom up).
  Run(backend, {"xdotool", "windowactivate", WindowIdText(id)});
  if (!FocusOnTheDesktop(backend, gallery)) return 1;
  const auto stacking = Run(backend, {"xprop", "-root", "-notype", "_NET_CLIENT_LIST_STACKING"});
  if (!stacking) return 1;
  const auto ownerAt = stacking->find(WindowIdText(id) + ",");
  const auto dialogAt = stacking->find(WindowIdText(dialogId));
  if (ownerAt == std::string::npos || dialogAt == std::string::npos || dialogAt < ownerAt)
    return Fail("the dialog is not above its owner: " + *stacking);

  // Resizing by the desktop: the window with a thick frame follows, the
  // gallery does not; asked of the gallery first, so that its answer has
  // come once the other window's has.
  auto clientSize = [](WindowHandle window) { return Size{ClientRect(window).width(), ClientRect(window).height()}; };
  const Size sizableBefore = clientSize(sizable);
  const Size galleryBefore = clientSize(gallery);
  Run(backend, {"xdotool", "windowsize", WindowIdText(id), std::to_string(galleryBefore.width + 80),
                std::to_string(galleryBefore.height + 40)});
  Run(backend, {"xdotool", "windowsize", WindowIdText(sizableId), "260", "150"});
  if (!Await(
          backend, [&] { return clientSize(sizable) != sizableBefore; }, "the sizable window to be resized"))
    return 1;
  if (clientSize(sizable) != (Size{260, 150})) return Fail("the sizable window has not the size given");
  Settle(backend, 200);
  if (clientSize(gallery) != galleryBefore) return Fail("the gallery was resized without a thick frame");
  DestroyWindow(sizable);

  // Moving by the desktop: a drag of the title bar.
  const Rect before = WindowRect(gallery);
  const Point grip{inside->left + 60, inside->top - 8};
  Run(backend, {"xdotool", "mousemove", std::to_string(grip.x), std::to_string(grip.y), "mousedown", "1"});
  for (int step = 1; step <= 5; ++step)
    Run(backend, {"xdotool", "mousemove", std::to_string(grip.x + 12 * step), std::to_string(grip.y + 8 * step)});
  Run(backend, {"xdotool", "mouseup", "1"});
  if (!Await(
          backend, [&] { return WindowRect(gallery) == before.offsetBy(60, 40); }, "the gallery to move by 60, 40"))
    return 1;
  if (tap.count(msg::Move) == 0) return Fail("the gallery was not told it moved");

  // Minimised and restored by the desktop.
  Run(backend, {"xdotool", "windowminimize", WindowIdText(id)});
  if (!Await(
          backend, [&] { return IsMinimized(gallery); }, "the gallery to be minimised"))
    return 1;
  Run(backend, {"xdotool", "windowactivate", WindowIdText(id)});
  if (!Await(
          backend, [&] { return !IsMinimized(gallery); }, "the gallery to be restored"))
    return 1;

  // The screenshot: the desktop's frame and title, the gallery inside it
  // with its menu bar, no caption of the model's across its top.
  Settle(backend, 200);
  const auto shot = Screenshot::Take(backend, artifacts + "/desktop-frame.xwd");
  if (!shot) return 1;
  const Rect shown = InsideDesktopFrame(gallery);
  shot->savePng(artifacts + "/desktop-frame.png", AroundWindow(shown));
  if (shot->pixel(shown.right - 10, shown.top + 4) != GetSystemColor(SystemColor::Menu))
    return Fail("the top of the window inside the frame is not its menu bar");

  // Closed by the desktop (as its close button does): the close message
  // arrives and the gallery, a modeless dialog, hides.
  tap.clear();
  Run(backend, {"wmctrl", "-i", "-c", WindowIdText(id)});
  if (!Await(
          backend, [&] { return tap.count(msg::Close) == 1 && !IsWindowVisible(gallery); },
          "the close message and the gallery hidden"))
    return 1;
  if (!Await(
          backend, [&] { return backend.desktopWindowId(gallery) == 0; }, "the gallery's window to go"))
    return 1;
  DestroyWindow(dialog);
  gallery::CloseGallery(gallery);
  std::printf(
      "frame check: titled, retitled, moved, minimised, restored, resized only with a thick frame, the dialog "
      "transient for its owner, closed with the close message\n");
  return 0;
}

// ---- keyboard

// The key messages a window received, as "down 77", "char 241", "up 77".
std::vector<std::string> KeyMessages(const MessageTap& tap) {
  std::vector<std::string> keys;
  for (const Message& m : tap.messages()) {
    const char* kind = m.message == msg::KeyDown || m.message == msg::SysKeyDown ? "down"
                       : m.message == msg::KeyUp || m.message == msg::SysKeyUp   ? "up"
                       : m.message == msg::Char || m.message == msg::SysChar     ? "char"
                                                                                 : nullptr;
    if (kind != nullptr) keys.push_back(std::string(kind) + " " + std::to_string(m.wParam));
  }
  return keys;
}

// Every character between the key-down and the key-up of the key that
// typed it: the virtual keys of those keys, in order.
std::optional<std::string> KeysOfCharacters(const std::vector<std::string>& keys) {
  std::string typedBy;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i].rfind("char ", 0) != 0) continue;
    if (i == 0 || i + 1 >= keys.size() || keys[i - 1].rfind("down ", 0) != 0 ||
        keys[i + 1] != "up " + keys[i - 1].substr(5))
      return std::nullopt;
    typedBy += static_cast<char>(std::stoi(keys[i - 1].substr(5)));
  }
  return typedBy;
}

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += word + ", ";
  return text;
}

// The keys are pressed by their places on the keyboard (the X server's key
// codes), as a person with a Spanish keyboard presses them: 50 left Shift,
// 108 right Alt (AltGr on this layout), 58 M, 38 A, 57 N, 26 E, 29 Y, 47
// the key right of L (n with tilde, with AltGr the dead tilde).
int CheckKeyboard(const std::string& artifacts) {
  sdl::ScopedSdlBackend backend;
  const auto opened = OpenOnTheDesktop(backend);
  if (!opened) return 1;
  const WindowHandle gallery = opened->window;
  const WindowHandle name = DialogItem(gallery, gallery::item::Name);
  if (GetFocus() != name) return Fail("the focus is not in the name field");
  MessageTap tap(name);

  // "Mañana", the tilde typed as a dead key before the n; the field's text
  // (all of it selected) is replaced.
  if (!Run(backend, {"xdotool", "keydown", "50", "key",   "58",  "keyup", "50", "key", "38", "keydown",
                     "108",     "key",     "47", "keyup", "108", "key",   "57", "38",  "57", "38"}))
    return 1;
  const std::string manana =
      "Ma\xF1"
      "ana";
  if (!Await(
          backend, [&] { return DialogItemText(gallery, gallery::item::Name) == manana; },
          "\"Mañana\" in the name field"))
    return Fail("the name field holds \"" + DialogItemText(gallery, gallery::item::Name) + "\"");
  const auto typedBy = KeysOfCharacters(KeyMessages(tap));
  if (typedBy != "MANANA") return Fail("the key messages are out of order: " + Joined(KeyMessages(tap)));

  // AltGr with E types the euro sign, 0x80 in the code page.
  const int beeps = backend.beeps();
  if (!Run(backend, {"xdotool", "keydown", "108", "key", "26", "keyup", "108"})) return 1;
  if (!Await(
          backend, [&] { return DialogItemText(gallery, gallery::item::Name) == manana + "\x80"; },
          "the euro sign after \"Mañana\""))
    return 1;
  // AltGr with Y types a left arrow, which the code page lacks: refused
  // with a beep, the key still pressed and released.
  tap.clear();
  if (!Run(backend, {"xdotool", "keydown", "108", "key", "29", "keyup", "108"})) return 1;
  if (!Await(
          backend, [&] { return backend.beeps() == beeps + 1; }, "the beep of a refused character"))
    return 1;
  const auto keys = KeyMessages(tap);
  if (std::find(keys.begin(), keys.end(), "down 89") == keys.end() || Joined(keys).find("char") != std::string::npos)
    return Fail("the refused key's messages: " + Joined(keys));
  if (DialogItemText(gallery, gallery::item::Name) != manana + "\x80")
    return Fail("the refused character changed the text");

  Settle(backend, 200);
  const auto shot = Screenshot::Take(backend, artifacts + "/desktop-keyboard.xwd");
  if (!shot) return 1;
  shot->savePng(artifacts + "/desktop-keyboard.png", AroundWindow(InsideDesktopFrame(gallery)));
  gallery::CloseGallery(gallery);
  std::printf(
      "keyboard check: \"Mañana\" typed on the Spanish layout with a dead tilde, the euro sign with AltGr, "
      "a left arrow refused with a beep\n");
  return 0;
}

// ---- clipboard

int CheckClipboard() {
  sdl::ScopedSdlBackend backend;
  const auto opened = OpenOnTheDesktop(backend);
  if (!opened) return 1;
  const WindowHandle gallery = opened->window;
  // Ctrl+C in the name field copies its text to the desktop's clipboard,
  // where other programs read it as UTF-8.
  SetDialogItemText(gallery, gallery::item::Name,
                    "Ma\xF1"
                    "ana, 5 \x80");
  SendDialogItemMessage(gallery, gallery::item::Name, edit::SetSelection, 0, -1);
  // Select all, then Ctrl with the key, through SDL's event queue.
  auto command = [&](VirtualKey key) {
    SendDialogItemMessage(gallery, gallery::item::Name, edit::SetSelection, 0, -1);
    backend.queueKeyEvent(gallery, key::Control, true);
    backend.queueKeyEvent(gallery, key, true);
    backend.queueKeyEvent(gallery, key, false);
    backend.queueKeyEvent(gallery, key::Control, false);
    Settle(backend, 50);
  };
  auto desktopClipboard = [&] { return Run(backend, {"xclip", "-o", "-selection", "clipboard"}, {}, 15000, false); };
  command('C');
  if (!Await(
          backend, [&] { return desktopClipboard() == "Mañana, 5 €"; }, "the copied text on the desktop"))
    return Fail("the desktop's clipboard holds \"" + desktopClipboard().value_or("nothing") + "\"");
  // Text another program put there comes into the field in the code page;
  // a character the code page lacks becomes a question mark. (xclip hands
  // the text over from a process of its own once it holds the clipboard;
  // the paste is tried again until the text has come.)
  const std::string given = "Adiós, ‘señor’ → «ya»";
  if (!Run(backend, {"xclip", "-i", "-selection", "clipboard"}, given)) return 1;
  if (!Await(
          backend, [&] { return desktopClipboard() == given; }, "the other program's text on the desktop"))
    return 1;
  const std::string expected = "Adi\xF3s, \x91se\xF1or\x92 ? \xABya\xBB";
  auto pasted = [&] {
    command('V');
    return DialogItemText(gallery, gallery::item::Name) == expected;
  };
  if (!Await(backend, pasted, "the desktop's text pasted"))
    return Fail("the name field holds \"" + DialogItemText(gallery, gallery::item::Name) + "\"");
  gallery::CloseGallery(gallery);
  std::printf("clipboard check: accented text copied to the desktop as UTF-8 and pasted back in the code page\n");
  return 0;
}

// ---- density

// A dialog's client size and dialog base units as the installed backend
// measures them.
struct Measured {
  Size client;
  Size units;
};

Measured MeasureDialog(WindowHandle dialog) {
  return {{ClientRect(dialog).width(), ClientRect(dialog).height()}, DialogBaseUnits(dialog)};
}

bool InProportion(int dense, int usual, int dpi) {
  const double ratio = static_cast<double>(dense) / usual;
  const double wanted = dpi / 96.0;
  return ratio > wanted * 0.85 && ratio < wanted * 1.15;
}

bool GrewInProportion(const Measured& dense, const Measured& usual, int dpi) {
  return InProportion(dense.units.width, usual.units.width, dpi) &&
         InProportion(dense.units.height, usual.units.height, dpi) &&
         InProportion(dense.client.width, usual.client.width, dpi) &&
         InProportion(dense.client.height, usual.client.height, dpi);
}

int CheckDensity(int dpi, const std::string& artifacts) {
  sdl::ScopedSdlBackend backend;
  if (GetSystemMetric(SystemMetric::ScreenDpi) != dpi)
    return Fail("the screen is at " + std::to_string(GetSystemMetric(SystemMetric::ScreenDpi)) + " dpi, not " +
                std::to_string(dpi));
  // The gallery's dialogs as the same fonts measure them at 96 dpi, without
  // a screen.
  Measured usual[2];
  {
    cairo::ScopedRenderingBackend at96;
    const WindowHandle gallery = gallery::OpenGallery();
    if (gallery == nullptr) return Fail("the gallery could not be made");
    usual[0] = MeasureDialog(gallery);
    usual[1] = MeasureDialog(gallery::SecondDialog());
    gallery::CloseGallery(gallery);
  }
  const auto opened = OpenOnTheDesktop(backend);
  if (!opened) return 1;
  const WindowHandle dialogs[2] = {opened->window, opened->second};
  // The fonts in points and the dialogs in dialog units grow together, and
  // the desktop shows both whole.
  Measured dense[2];
  Rect both = InsideDesktopFrame(dialogs[0]);
  for (int i = 0; i < 2; ++i) {
    dense[i] = MeasureDialog(dialogs[i]);
    if (!GrewInProportion(dense[i], usual[i], dpi))
      return Fail("\"" + WindowText(dialogs[i]) + "\" did not grow in proportion");
    const auto inside = DesktopGeometry(backend, backend.desktopWindowId(dialogs[i]));
    const Rect screen{0, 0, GetSystemMetric(SystemMetric::ScreenWidth), GetSystemMetric(SystemMetric::ScreenHeight)};
    if (!inside || *inside != InsideDesktopFrame(dialogs[i]) || inside->intersectedWith(screen) != *inside)
      return Fail("the desktop does not show the whole of \"" + WindowText(dialogs[i]) + "\"");
    both = both.unitedWith(InsideDesktopFrame(dialogs[i]));
  }
  Settle(backend, 200);
  const auto shot = Screenshot::Take(backend, artifacts + "/desktop-" + std::to_string(dpi) + "dpi.xwd");
  if (!shot) return 1;
  shot->savePng(artifacts + "/desktop-" + std::to_string(dpi) + "dpi.png", AroundWindow(both));
  gallery::CloseGallery(opened->window);
  std::printf(
      "density check: %d dpi from the desktop; dialog base units %d by %d (%d by %d at 96), the dialogs %d by "
      "%d and %d by %d (%d by %d and %d by %d)\n",
      dpi, dense[0].units.width, dense[0].units.height, usual[0].units.width, usual[0].units.height,
      dense[0].client.width, dense[0].client.height, dense[1].client.width, dense[1].client.height,
      usual[0].client.width, usual[0].client.height, usual[1].client.width, usual[1].client.height);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "frame") return CheckFrame(args[1]);
  if (args.size() == 2 && args[0] == "keyboard") return CheckKeyboard(args[1]);
  if (args.size() == 1 && args[0] == "clipboard") return CheckClipboard();
  if (args.size() == 3 && args[0] == "density") return CheckDensity(std::atoi(args[1].c_str()), args[2]);
  std::fprintf(stderr, "usage: %s frame <artifacts> | keyboard <artifacts> | clipboard | density <dpi> <artifacts>\n",
               argv[0]);
  return 2;
}
