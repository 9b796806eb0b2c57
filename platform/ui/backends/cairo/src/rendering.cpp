// Painting a window tree into an image.
#include "platform/ui/cairo/rendering.h"

#include "platform/ui/paint.h"
#include "platform/ui/window.h"

namespace platform::ui::cairo {

std::unique_ptr<ImageSurface> RenderWindow(WindowHandle window) {
  const Rect rect = WindowRect(window);
  auto image = std::make_unique<ImageSurface>(Size{rect.width(), rect.height()});
  PaintWindowTree(window, *image);
  return image;
}

bool RenderWindowToPng(WindowHandle window, const std::string& path) {
  if (!IsWindow(window)) return false;
  return RenderWindow(window)->writePng(path);
}

}  // namespace platform::ui::cairo
