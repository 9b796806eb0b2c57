// The program's pictures, painted by the project: the start-up splash and
// the banner under the toolbar (61 pixels high, as the screen shows it),
// both with the product name and the truck of the program's icon on a
// road; and the images of an icon written as a resource text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/image.h"

namespace artwork {

inline constexpr int kBannerHeight = 61;

// The images of an icon resource text (one per size it draws), smallest
// first; nothing and a message when the text is not a valid icon.
std::optional<std::vector<platform::ui::Image>> IconImages(std::string_view iconText, std::string& error);

// truck: the icon's 32-pixel image. The banner's edges are its background
// colour, so a screen wider than the banner shows it centred on that colour.
platform::ui::Image PaintBanner(const platform::ui::Image& truck, int width);
platform::ui::Image PaintSplash(const platform::ui::Image& truck);

// The images side by side on a light grey sheet, each enlarged scale
// times inside a cell with its number under it: a contact sheet to look at.
struct SheetEntry {
  int id;
  platform::ui::Image image;
};
bool WriteContactSheet(const std::vector<SheetEntry>& entries, int scale, const std::string& pngPath);

// An image as a PNG file, to be looked at; false when it cannot be written.
bool WritePng(const platform::ui::Image& image, const std::string& pngPath);

}  // namespace artwork
