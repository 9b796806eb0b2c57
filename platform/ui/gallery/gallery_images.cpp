// The gallery's pictures.
#include "gallery_images.h"

#include <array>

namespace platform::ui::gallery {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

struct Glyph {
  char letter;
  std::array<const char*, 7> rows;  // 5 wide, '#' ink
};

constexpr Glyph kGlyphs[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'?', {".###.", "#...#", "....#", "..##.", "..#..", ".....", "..#.."}},
    {'$', {"..#..", ".####", "#.#..", ".###.", "..#.#", "####.", "..#.."}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
};

}  // namespace

Image LetterTile(char letter, std::uint32_t tile, std::uint32_t ink) {
  Image image;
  image.width = image.height = 16;
  image.pixels.assign(256, kOpaque | tile);
  // Rounded corners.
  for (const int corner : {0, 15, 15 * 16, 15 * 16 + 15}) image.pixels[static_cast<std::size_t>(corner)] = 0;
  for (const Glyph& glyph : kGlyphs) {
    if (glyph.letter != letter) continue;
    // Twice the glyph's size, from (3, 1).
    for (int row = 0; row < 7; ++row)
      for (int column = 0; column < 5; ++column)
        if (glyph.rows[static_cast<std::size_t>(row)][column] == '#')
          for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
              image.pixels[static_cast<std::size_t>((1 + 2 * row + dy) * 16 + 3 + 2 * column + dx)] = kOpaque | ink;
  }
  return image;
}

}  // namespace platform::ui::gallery
