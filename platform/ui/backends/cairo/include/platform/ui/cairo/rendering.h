// Rendering window trees to images: a backend that measures fonts as the
// image draws them (otherwise headless: a virtual clock, scripted idle
// steps), and the paint of a whole window into an image or a PNG file.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/cairo/image_surface.h"
#include "platform/ui/headless.h"

namespace platform::ui::cairo {

class RenderingBackend : public HeadlessBackend {
 public:
  FontMetrics measureFont(const FontSpec& spec) override { return MeasureFontWithPango(spec); }
  int measureTextWidth(const FontSpec& spec, std::string_view text) override {
    return MeasureTextWithPango(spec, text);
  }
};

// Installs a rendering backend for the life of the object (tests, tools).
class ScopedRenderingBackend : public RenderingBackend {
 public:
  ScopedRenderingBackend() : previous_(InstallBackend(this)) {}
  ~ScopedRenderingBackend() override { InstallBackend(previous_); }
  ScopedRenderingBackend(const ScopedRenderingBackend&) = delete;
  ScopedRenderingBackend& operator=(const ScopedRenderingBackend&) = delete;

 private:
  Backend* previous_;
};

// The window with its frame and children, painted into an image of the
// window's size.
std::unique_ptr<ImageSurface> RenderWindow(WindowHandle window);
// The same written as a PNG file; false when the file cannot be written.
bool RenderWindowToPng(WindowHandle window, const std::string& path);

// The window as the screen shows it: painted as above, and over it the
// shown windows it owns (an open menu, a tool tip, a drop-down list, a
// dialog), the back one first. The image reaches as far as they do; its top-left corner
// is `origin` on the screen.
std::unique_ptr<ImageSurface> RenderWindowWithPopups(WindowHandle window, Point* origin = nullptr);
bool RenderWindowWithPopupsToPng(WindowHandle window, const std::string& path);

}  // namespace platform::ui::cairo
