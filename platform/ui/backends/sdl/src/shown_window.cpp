// A model window in an SDL window, kept in step with it (see
// shown_window.h).
#include "shown_window.h"

#include <algorithm>

#include "platform/kernel/code_page.h"
#include "platform/ui/backend.h"
#include "platform/ui/gdi.h"
#include "platform/ui/messages.h"
#include "platform/ui/paint.h"
#include "platform/ui/styles.h"
#include "platform/ui/window.h"

namespace platform::ui::sdl {

namespace {

// A pop-up without a caption that has an owner: a menu, a list dropping
// down, a tip. It floats over the desktop without taking part in it.
bool IsPopupWindow(WindowHandle window) {
  const StyleBits style = WindowStyle(window);
  return (style & style::Popup) && (style & style::Caption) != style::Caption && OwnerWindow(window) != nullptr;
}

// The window's place moved by the offset, its size kept.
void MoveModelWindow(WindowHandle window, int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  SetWindowPosition(window, nullptr, WindowRect(window).offsetBy(dx, dy),
                    position::NoSize | position::NoZOrder | position::NoActivate);
}

}  // namespace

std::unique_ptr<ShownWindow> ShownWindow::Create(WindowHandle window, bool framed, std::string& error) {
  Uint32 flags = SDL_WINDOW_SHOWN;
  if (framed) {
    if (WindowStyle(window) & style::ThickFrame) flags |= SDL_WINDOW_RESIZABLE;
  } else {
    flags |= SDL_WINDOW_BORDERLESS;
    if (IsPopupWindow(window)) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
  }
  const Rect rect = framed ? InsideDesktopFrame(window) : WindowRect(window);
  const std::string title = WindowText(window);
  SDL_Window* sdl = SDL_CreateWindow(Windows1252ToUtf8(title).c_str(), rect.left, rect.top, std::max(1, rect.width()),
                                     std::max(1, rect.height()), flags);
  if (sdl == nullptr) {
    error = SDL_GetError();
    return nullptr;
  }
  std::unique_ptr<ShownWindow> shown(new ShownWindow(window, sdl, framed));
  shown->title_ = title;
  shown->placed_ = WindowRect(window);
  return shown;
}

ShownWindow::ShownWindow(WindowHandle window, SDL_Window* sdl, bool framed)
    : window_(window), sdl_(sdl), framed_(framed) {}

ShownWindow::~ShownWindow() { SDL_DestroyWindow(sdl_); }

Rect ShownWindow::shownRect() const { return framed_ ? InsideDesktopFrame(window_) : WindowRect(window_); }

cairo::ImageSurface& ShownWindow::image() {
  const Rect rect = WindowRect(window_);
  const Size size{std::max(1, rect.width()), std::max(1, rect.height())};
  if (!image_ || image_->size() != size) {
    image_ = std::make_unique<cairo::ImageSurface>(size);
    InvalidateRect(window_, nullptr, true);
  }
  return *image_;
}

void ShownWindow::present() {
  SDL_Surface* target = SDL_GetWindowSurface(sdl_);
  if (target == nullptr || !image_) return;
  // The part of the image the SDL window shows.
  const Rect whole = WindowRect(window_);
  const Rect shown = shownRect();
  const int left = std::clamp(shown.left - whole.left, 0, image_->size().width);
  const int top = std::clamp(shown.top - whole.top, 0, image_->size().height);
  const int width = std::min(image_->size().width - left, target->w);
  const int height = std::min(image_->size().height - top, target->h);
  if (width <= 0 || height <= 0) return;
  const std::uint8_t* pixels = image_->data() + static_cast<std::ptrdiff_t>(top) * image_->stride() + left * 4;
  SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_RGB888, pixels, image_->stride(), target->format->format,
                    target->pixels, target->pitch);
  SDL_UpdateWindowSurface(sdl_);
}

void ShownWindow::followModel(SDL_Window* owner) {
  const std::string title = WindowText(window_);
  if (title != title_) {
    SDL_SetWindowTitle(sdl_, Windows1252ToUtf8(title).c_str());
    title_ = title;
  }
  followIcon();
  const Rect rect = WindowRect(window_);
  if (rect != placed_) {
    const Rect shown = shownRect();
    if (rect.left != placed_.left || rect.top != placed_.top) SDL_SetWindowPosition(sdl_, shown.left, shown.top);
    if (rect.width() != placed_.width() || rect.height() != placed_.height())
      SDL_SetWindowSize(sdl_, std::max(1, shown.width()), std::max(1, shown.height()));
    placed_ = rect;
  }
  const bool minimized = IsMinimized(window_);
  if (minimized != minimized_) {
    if (minimized)
      SDL_MinimizeWindow(sdl_);
    else
      SDL_RestoreWindow(sdl_);
    minimized_ = minimized;
  }
  if (!transient_ && owner != nullptr && framed_) {
    SDL_SetWindowModalFor(sdl_, owner);
    transient_ = true;
  }
}

void ShownWindow::followIcon() {
  auto icon = HandleFromParam<BitmapHandle>(SendMessage(window_, msg::GetIcon, icon_size::Big));
  if (BitmapImage(icon) == nullptr)
    icon = HandleFromParam<BitmapHandle>(SendMessage(window_, msg::GetIcon, icon_size::Small));
  const Image* image = BitmapImage(icon);
  if (icon == icon_ || image == nullptr) return;
  icon_ = icon;
  // The image's pixels are 0xAARRGGBB words, as SDL's ARGB8888 has them.
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<std::uint32_t*>(image->pixels.data()), image->width, image->height, 32,
      image->width * static_cast<int>(sizeof(std::uint32_t)), SDL_PIXELFORMAT_ARGB8888);
  if (surface == nullptr) return;
  SDL_SetWindowIcon(sdl_, surface);
  SDL_FreeSurface(surface);
}

void ShownWindow::movedByDesktop(Point origin) {
  const Rect shown = shownRect();
  MoveModelWindow(window_, origin.x - shown.left, origin.y - shown.top);
  placed_ = WindowRect(window_);
}

void ShownWindow::resizedByDesktop(Size size) {
  const Rect shown = shownRect();
  const Rect rect = WindowRect(window_);
  if (size.width == shown.width() && size.height == shown.height()) return;
  SetWindowPosition(window_, nullptr,
                    Rect::FromSize(rect.left, rect.top, rect.width() + size.width - shown.width(),
                                   rect.height() + size.height - shown.height()),
                    position::NoMove | position::NoZOrder | position::NoActivate);
  placed_ = WindowRect(window_);
}

void ShownWindow::minimizedByDesktop(bool minimized) {
  minimized_ = minimized;
  if (minimized != IsMinimized(window_)) ShowWindow(window_, minimized ? ShowCommand::Minimize : ShowCommand::Restore);
}

}  // namespace platform::ui::sdl
