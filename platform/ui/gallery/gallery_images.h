// The gallery's pictures, drawn in code: the toolbar's images.
#pragma once

#include <cstdint>

#include "platform/ui/image.h"

namespace platform::ui::gallery {

// A 16 by 16 toolbar image: a tile of the colour (0xRRGGBB) with rounded
// corners and the letter (one of "$ABCDELMPRSTW?") in the ink colour.
Image LetterTile(char letter, std::uint32_t tile, std::uint32_t ink = 0xFFFFFF);

}  // namespace platform::ui::gallery
