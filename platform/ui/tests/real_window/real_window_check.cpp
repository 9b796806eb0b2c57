// The real-window checks' shared means (see real_window_check.h).
#include "real_window_check.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <map>
#include <signal.h>
#include <unistd.h>

#include "platform/kernel/process.h"
#include "platform/ui/cairo/image_surface.h"
#include "platform/ui/focus.h"
#include "platform/ui/image.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/paint.h"
#include "platform/ui/window.h"

namespace platform::ui::real_window {

int Fail(const std::string& what) {
  std::fprintf(stderr, "real-window check: %s\n", what.c_str());
  return 1;
}

void Settle(sdl::SdlBackend& backend, int milliseconds) {
  const std::uint64_t end = backend.now() + static_cast<std::uint64_t>(milliseconds);
  do {
    DispatchPendingMessages();
    for (WindowHandle top : ChildWindows(nullptr)) UpdateWindow(top);
    backend.waitForInput(std::min(end, backend.now() + 10));
  } while (backend.now() < end);
  DispatchPendingMessages();
}

bool Await(sdl::SdlBackend& backend, const std::function<bool()>& condition, const std::string& what, int timeoutMs) {
  const std::uint64_t end = backend.now() + static_cast<std::uint64_t>(timeoutMs);
  while (!condition()) {
    if (backend.now() >= end) {
      Fail("waited in vain for " + what);
      return false;
    }
    Settle(backend, 20);
  }
  return true;
}

namespace {

// A pipe whose ends are closed with the object.
struct Pipe {
  int ends[2] = {-1, -1};
  Pipe() {
    if (pipe2(ends, O_CLOEXEC) != 0) ends[0] = ends[1] = -1;
  }
  ~Pipe() {
    closeEnd(0);
    closeEnd(1);
  }
  void closeEnd(int which) {
    if (ends[which] >= 0) close(ends[which]);
    ends[which] = -1;
  }
  bool ok() const { return ends[0] >= 0; }
};

std::string CommandText(const std::vector<std::string>& argv) {
  std::string text;
  for (const std::string& word : argv) text += (text.empty() ? "" : " ") + word;
  return text;
}

}  // namespace

std::optional<std::string> Run(sdl::SdlBackend& backend, const std::vector<std::string>& argv, std::string_view input,
                               int timeoutMs, bool reportFailure) {
  Pipe in;
  Pipe out;
  if (argv.empty() || !in.ok() || !out.ok()) {
    Fail("no pipe for " + CommandText(argv));
    return std::nullopt;
  }
  ProgramStart start{
      .program = argv[0], .arguments = {argv.begin() + 1, argv.end()}, .lookup = ProgramLookup::SearchPath};
  start.standardInput = in.ends[0];
  start.standardOutput = out.ends[1];
  ProcessStartResult started = StartProcess(start);
  if (!started.ok()) {
    Fail("cannot start " + CommandText(argv));
    return std::nullopt;
  }
  Process& child = started.process;
  in.closeEnd(0);
  out.closeEnd(1);
  // The input is small (a line or two): it fits the pipe at once.
  if (!input.empty() && write(in.ends[1], input.data(), input.size()) != static_cast<ssize_t>(input.size()))
    Fail("could not write the input of " + CommandText(argv));
  in.closeEnd(1);
  fcntl(out.ends[0], F_SETFL, O_NONBLOCK);
  std::string output;
  std::optional<ProcessEnd> end;
  const std::uint64_t until = backend.now() + static_cast<std::uint64_t>(timeoutMs);
  while (true) {
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(out.ends[0], buffer, sizeof buffer)) > 0) output.append(buffer, static_cast<std::size_t>(got));
    if (end) break;
    if ((end = child.poll())) continue;  // (what it wrote last is read above once more)
    if (backend.now() >= until) {
      kill(child.id(), SIGKILL);
      child.wait();
      Fail(CommandText(argv) + " did not end in time");
      return std::nullopt;
    }
    Settle(backend, 10);
  }
  if (*end != ProcessEnd{ProcessEnd::Kind::Exited, 0}) {
    if (reportFailure) Fail(CommandText(argv) + " failed");
    return std::nullopt;
  }
  return output;
}

std::string WindowIdText(std::uint64_t id) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(id));
  return text;
}

bool AwaitMapped(sdl::SdlBackend& backend, WindowHandle window) {
  const std::string what = "\"" + WindowText(window) + "\"";
  if (!Await(
          backend, [&] { return backend.desktopWindowId(window) != 0; }, what + " in a real window"))
    return false;
  const std::string id = WindowIdText(backend.desktopWindowId(window));
  const auto viewable = [&] {
    const auto info = Run(backend, {"xwininfo", "-id", id});
    return info && info->find("IsViewable") != std::string::npos;
  };
  return Await(backend, viewable, what + " to be mapped");
}

bool FocusOnTheDesktop(sdl::SdlBackend& backend, WindowHandle window) {
  const std::string id = WindowIdText(backend.desktopWindowId(window));
  const auto focused = [&] {
    const auto focus = Run(backend, {"xdotool", "getwindowfocus"});
    if (focus && WindowIdText(std::strtoull(focus->c_str(), nullptr, 10)) == id) return true;
    Run(backend, {"xdotool", "windowactivate", id});
    return false;
  };
  return Await(backend, focused, "the desktop's focus on \"" + WindowText(window) + "\"") &&
         Await(
             backend, [&] { return GetActiveWindow() == window; }, "\"" + WindowText(window) + "\" to be active");
}

// ---- screenshots

namespace {

// An X window dump as xwd writes it: a header of big-endian 32-bit fields
// (header size, ..., width 4, height 5, byte order 7, bits per pixel 11,
// bytes per line 12, the red, green and blue masks 14-16, colour count
// 19), the window name, the colour map (12 bytes an entry), the pixels.
struct Dump {
  std::vector<std::uint8_t> bytes;
  std::uint32_t field(int index) const {
    const std::size_t at = static_cast<std::size_t>(index) * 4;
    if (at + 4 > bytes.size()) return 0;
    return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
           (std::uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
  }
};

std::uint32_t Channel(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  return (value & mask) >> shift;
}

}  // namespace

std::optional<Screenshot> Screenshot::Take(sdl::SdlBackend& backend, const std::string& dumpPath) {
  if (!Run(backend, {"xwd", "-root", "-silent", "-out", dumpPath})) return std::nullopt;
  std::ifstream in(dumpPath, std::ios::binary);
  Dump dump{std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>())};
  const std::uint32_t headerSize = dump.field(0), width = dump.field(4), height = dump.field(5);
  const std::uint32_t byteOrder = dump.field(7), bitsPerPixel = dump.field(11), bytesPerLine = dump.field(12);
  const std::uint32_t colors = dump.field(19);
  const std::uint32_t step = bitsPerPixel / 8;
  const std::size_t start = std::size_t{headerSize} + std::size_t{colors} * 12;
  if ((bitsPerPixel != 24 && bitsPerPixel != 32) || width == 0 || height == 0 || width > 16384 || height > 16384 ||
      bytesPerLine < width * step || start + std::size_t{bytesPerLine} * height > dump.bytes.size()) {
    Fail("the screenshot " + dumpPath + " cannot be read");
    return std::nullopt;
  }
  Screenshot shot;
  shot.width_ = static_cast<int>(width);
  shot.height_ = static_cast<int>(height);
  shot.pixels_.resize(std::size_t{width} * height);
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) {
      const std::size_t at = start + std::size_t{bytesPerLine} * y + std::size_t{step} * x;
      std::uint32_t value = 0;
      for (std::uint32_t i = 0; i < step; ++i)
        value |= std::uint32_t{dump.bytes[at + (byteOrder == 0 ? i : step - 1 - i)]} << (8 * i);
      shot.pixels_[std::size_t{y} * width + x] =
          Rgb(Channel(value, dump.field(14)), Channel(value, dump.field(15)), Channel(value, dump.field(16)));
    }
  }
  return shot;
}

ColorRef Screenshot::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

bool Screenshot::savePng(const std::string& path, const Rect& part) const {
  const Rect inside = part.intersectedWith({0, 0, width_, height_});
  if (inside.isEmpty()) return false;
  Image image;
  image.width = inside.width();
  image.height = inside.height();
  for (int y = inside.top; y < inside.bottom; ++y)
    for (int x = inside.left; x < inside.right; ++x) {
      const ColorRef c = pixel(x, y);
      image.pixels.push_back(0xFF000000u | (RedOf(c) << 16) | (GreenOf(c) << 8) | BlueOf(c));
    }
  cairo::ImageSurface surface(image.size());
  surface.drawImage({0, 0}, image);
  return surface.writePng(path);
}

// ---- the message tap

namespace {

struct Tapped {
  WindowProcedure previous = nullptr;
  std::vector<Message> messages;
};

std::map<WindowHandle, Tapped>& Taps() {
  static std::map<WindowHandle, Tapped> taps;
  return taps;
}

LResult TapProcedure(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  Tapped& tapped = Taps()[window];
  Message copy;
  copy.window = window;
  copy.message = message;
  copy.wParam = wParam;
  copy.lParam = lParam;
  tapped.messages.push_back(copy);
  return CallWindowProcedure(tapped.previous, window, message, wParam, lParam);
}

}  // namespace

MessageTap::MessageTap(WindowHandle window) : window_(window) {
  Taps()[window].previous = SubclassWindow(window, &TapProcedure);
}

MessageTap::~MessageTap() {
  if (IsWindow(window_)) SubclassWindow(window_, Taps()[window_].previous);
  Taps().erase(window_);
}

const std::vector<Message>& MessageTap::messages() const { return Taps()[window_].messages; }

int MessageTap::count(MessageId message) const {
  int n = 0;
  for (const Message& m : messages()) n += m.message == message;
  return n;
}

void MessageTap::clear() { Taps()[window_].messages.clear(); }

}  // namespace platform::ui::real_window
