// Scaling images to the size a list or a caption shows them at.
#include "platform/ui/image.h"

namespace platform::ui {

Image ScaledImage(const Image& image, Size size) {
  if (image.size() == size) return image;
  Image scaled;
  if (size.width <= 0 || size.height <= 0 || image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height))
    return scaled;
  scaled.width = size.width;
  scaled.height = size.height;
  scaled.pixels.resize(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height));
  for (int y = 0; y < size.height; ++y) {
    // The source pixel whose centre lies nearest the target pixel's centre.
    const int sy = static_cast<int>((2LL * y + 1) * image.height / (2LL * size.height));
    for (int x = 0; x < size.width; ++x) {
      const int sx = static_cast<int>((2LL * x + 1) * image.width / (2LL * size.width));
      scaled.pixels[static_cast<std::size_t>(y) * size.width + x] = image.at(sx, sy);
    }
  }
  return scaled;
}

}  // namespace platform::ui
