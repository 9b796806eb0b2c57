// What the real-window checks share: running the model and the desktop
// until something holds (a bounded poll, never a fixed wait), running the
// desktop's own programs (xdotool, xprop, xclip, xwd) while the windows keep
// answering, screenshots from the X server, and a tap on the messages a
// window receives.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/color.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/sdl/sdl_backend.h"
#include "platform/ui/types.h"

namespace platform::ui::real_window {

// Prints the failure and gives the exit code of a failed check (1).
int Fail(const std::string& what);

// Runs the model (its messages, painting when idle) and the desktop's
// events for about the time given.
void Settle(sdl::SdlBackend& backend, int milliseconds);
// Runs them until the condition holds; false (and the failure printed) when
// it has not within the time, which bounds the wait and is no measure of
// speed.
bool Await(sdl::SdlBackend& backend, const std::function<bool()>& condition, const std::string& what,
           int timeoutMs = 15000);

// Runs a program (found on PATH, never through a shell) to its end, the
// input on its standard input, while the model and the desktop keep
// running: it may ask our windows for something, as xclip asks for the
// clipboard. Its standard output; nothing (and the failure printed) when
// it cannot start, fails or does not end within the time (printed unless
// asked not to: a poll that runs it again).
std::optional<std::string> Run(sdl::SdlBackend& backend, const std::vector<std::string>& argv,
                               std::string_view input = {}, int timeoutMs = 15000, bool reportFailure = true);
// The desktop's id of a window as the tools print it ("0x400007").
std::string WindowIdText(std::uint64_t id);
// Waits for the top-level window to be shown in a real window that the
// desktop has mapped (with its frame, where a window manager runs).
bool AwaitMapped(sdl::SdlBackend& backend, WindowHandle window);
// Gives the desktop's focus to the shown top-level window (through the
// window manager, as a click on it does; asked again until it holds) and
// waits for the model to make it the active window. The window manager
// gives the focus to the newest window by itself.
bool FocusOnTheDesktop(sdl::SdlBackend& backend, WindowHandle window);

// The whole screen as the X server shows it (taken with xwd).
class Screenshot {
 public:
  // Nothing (and the failure printed) when xwd fails or writes a dump this
  // reader does not take (true colour, 24 or 32 bits a pixel).
  static std::optional<Screenshot> Take(sdl::SdlBackend& backend, const std::string& dumpPath);
  // 0 outside the screen.
  ColorRef pixel(int x, int y) const;
  Size size() const { return {width_, height_}; }
  // The part of the screen as a PNG file, to be looked at.
  bool savePng(const std::string& path, const Rect& part) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<ColorRef> pixels_;
};

// Records the messages a window receives (by subclassing it), passing each
// on; one tap per window at a time.
class MessageTap {
 public:
  explicit MessageTap(WindowHandle window);
  ~MessageTap();
  MessageTap(const MessageTap&) = delete;
  MessageTap& operator=(const MessageTap&) = delete;
  const std::vector<Message>& messages() const;
  int count(MessageId message) const;
  void clear();

 private:
  WindowHandle window_;
};

}  // namespace platform::ui::real_window
