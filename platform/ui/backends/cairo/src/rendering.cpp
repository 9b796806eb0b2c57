// Painting a window tree into an image.
#include "platform/ui/cairo/rendering.h"

#include <vector>

#include "platform/ui/paint.h"
#include "platform/ui/window.h"

namespace platform::ui::cairo {

namespace {

// A part of another surface: what is drawn lands `offset` further on,
// cut to the part.
class SurfacePart : public Surface {
 public:
  SurfacePart(Surface& target, Point offset, Size size) : target_(target), offset_(offset), size_(size) {}
  Size size() const override { return size_; }
  void setClip(const Rect& clip) override {
    const Rect whole{0, 0, size_.width, size_.height};
    target_.setClip(clip.intersectedWith(whole).offsetBy(offset_.x, offset_.y));
  }
  void fillRect(const Rect& rect, ColorRef color) override { target_.fillRect(moved(rect), color); }
  void invertRect(const Rect& rect) override { target_.invertRect(moved(rect)); }
  void drawLine(Point from, Point to, ColorRef color, int width) override {
    target_.drawLine(moved(from), moved(to), color, width);
  }
  void drawText(Point origin, const FontSpec& font, ColorRef color, std::string_view text) override {
    target_.drawText(moved(origin), font, color, text);
  }
  void drawImage(Point at, const Image& image) override { target_.drawImage(moved(at), image); }

 private:
  Point moved(Point p) const { return {p.x + offset_.x, p.y + offset_.y}; }
  Rect moved(const Rect& r) const { return r.offsetBy(offset_.x, offset_.y); }
  Surface& target_;
  Point offset_;
  Size size_;
};

bool IsOwnedBy(WindowHandle window, WindowHandle owner) {
  for (WindowHandle at = OwnerWindow(window); at != nullptr; at = OwnerWindow(at))
    if (at == owner) return true;
  return false;
}

}  // namespace

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

std::unique_ptr<ImageSurface> RenderWindowWithPopups(WindowHandle window, Point* origin) {
  // The shown pop-ups the window owns, the back one first.
  std::vector<WindowHandle> windows{window};
  const std::vector<WindowHandle> topLevel = ChildWindows(nullptr);
  for (auto it = topLevel.rbegin(); it != topLevel.rend(); ++it)
    if (IsWindowVisible(*it) && IsOwnedBy(*it, window)) windows.push_back(*it);
  Rect area = WindowRect(window);
  for (WindowHandle shown : windows) area = area.unitedWith(WindowRect(shown));
  auto image = std::make_unique<ImageSurface>(Size{area.width(), area.height()});
  for (WindowHandle shown : windows) {
    const Rect rect = WindowRect(shown);
    SurfacePart part(*image, {rect.left - area.left, rect.top - area.top}, {rect.width(), rect.height()});
    PaintWindowTree(shown, part);
  }
  if (origin != nullptr) *origin = {area.left, area.top};
  return image;
}

bool RenderWindowWithPopupsToPng(WindowHandle window, const std::string& path) {
  if (!IsWindow(window)) return false;
  return RenderWindowWithPopups(window)->writePng(path);
}

}  // namespace platform::ui::cairo
