// The columns of the rating screen's line list: the class (then a blank and
// the line's two-character tag), the weight, the rate and the charge, each
// right-aligned in its width so that the figures of every line end under
// one another. The list's font is fixed-pitch: each tab stop (in quarters
// of its average character width) lies a character past the end of the
// column before it, so a full column never pushes the next one past its
// stop.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace qiv::line_list {

inline constexpr std::size_t kColumns = 4;
inline constexpr std::array<int, kColumns> kTabStops{10, 40, 68, 100};
inline constexpr std::array<std::size_t, kColumns> kWidths{4, 6, 7, 9};  // characters
inline constexpr std::size_t kTagWidth = 3;                              // the blank and the tag
static_assert(kTabStops[0] / 4.0 + kWidths[0] + kTagWidth < kTabStops[1] / 4.0);
static_assert(kTabStops[1] / 4.0 + kWidths[1] < kTabStops[2] / 4.0);
static_assert(kTabStops[2] / 4.0 + kWidths[2] < kTabStops[3] / 4.0);

// The text right-aligned in the column's width (a longer text is kept whole).
inline std::string InColumn(const std::string& text, std::size_t column) {
  const std::size_t width = kWidths[column];
  return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

}  // namespace qiv::line_list
