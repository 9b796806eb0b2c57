// One top-level window of the model shown in one SDL window, and the two
// kept in step both ways: what the model changes (its text, place, size,
// minimised state) goes to the desktop, and what the desktop does (moving,
// resizing, minimising, restoring) comes back to the model. The window's
// icon (msg::GetIcon: the big one, else the small one) is the desktop's.
//
// A window with a caption, shown where a window manager runs, gets the
// desktop's frame: its title is the caption text, it is resizable only
// with a thick frame, it stays above its owner (transient for it), and the
// SDL window shows the model's window inside its border and caption
// (InsideDesktopFrame); the model draws neither. Any other window (a
// pop-up, a menu, a list dropping down, any window on a bare X server) is
// a borderless SDL window over the model's whole window, frame included.
#pragma once

#include <SDL2/SDL.h>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/cairo/image_surface.h"
#include "platform/ui/types.h"

namespace platform::ui::sdl {

class ShownWindow {
 public:
  // Null when SDL cannot make the window (error says why).
  static std::unique_ptr<ShownWindow> Create(WindowHandle window, bool framed, std::string& error);
  ~ShownWindow();
  ShownWindow(const ShownWindow&) = delete;
  ShownWindow& operator=(const ShownWindow&) = delete;

  SDL_Window* sdlWindow() const { return sdl_; }
  bool framed() const { return framed_; }
  // The model's window (screen coordinates) the SDL window shows.
  Rect shownRect() const;
  // The image the model paints the whole window on, as large as the
  // window; a new one (after a change of size) holds nothing yet, so the
  // window is then invalidated whole.
  cairo::ImageSurface& image();
  void present();

  // Brings the desktop in step with what the model changed since the last
  // call (title, icon, place and size, minimised state), and makes the window
  // transient for its owner's SDL window once that exists.
  void followModel(SDL_Window* owner);
  // The desktop moved or resized the SDL window (its new place and size):
  // the model's window follows.
  void movedByDesktop(Point origin);
  void resizedByDesktop(Size size);
  void minimizedByDesktop(bool minimized);

 private:
  ShownWindow(WindowHandle window, SDL_Window* sdl, bool framed);
  void followIcon();

  WindowHandle window_;
  SDL_Window* sdl_;
  bool framed_;
  std::unique_ptr<cairo::ImageSurface> image_;
  // What the desktop was last told or last said.
  std::string title_;
  BitmapHandle icon_ = nullptr;
  Rect placed_;
  bool minimized_ = false;
  bool transient_ = false;
};

}  // namespace platform::ui::sdl
