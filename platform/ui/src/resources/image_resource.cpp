// The icon and bitmap formats (".icon", ".bitmap"), with the rules of
// every resource text (resource.h): a palette of one-character colour
// names, then each image as rows of those characters, so that an image
// reads and diffs as a picture.
//
//   icon <id>  or  bitmap <id>              first, once
//   color <c> #RRGGBB                       the character c names the colour
//   color <c> transparent                   (icons only) a transparent pixel
//   image <width> <height>                  then <height> rows of <width> characters
//
// A colour's character is any printable one but '#' and '"'; a row is the
// line's characters without its leading and trailing blanks, each a
// colour of the palette (named on a line above the image). An icon holds
// one or more square images, each size once (up to 256 pixels; the
// program asks for the size it draws, usually 16 or 32); a bitmap holds
// one image of up to 1024 by 1024 pixels and no transparent pixel.
#include <array>
#include <charconv>
#include <set>

#include "resources/resource_formats.h"
#include "resources/resource_text.h"

namespace platform::ui::detail {

namespace {

constexpr int kLargestIconSide = 256;
constexpr int kLargestBitmapSide = 1024;
constexpr std::uint32_t kTransparent = 0x00000000u;

struct PaletteEntry {
  std::uint32_t pixel = 0;
  int line = 0;  // 0: the character names no colour
};

// "#RRGGBB" as an opaque pixel, or nothing.
std::optional<std::uint32_t> ParseColor(std::string_view text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  std::uint32_t rgb = 0;
  const auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), rgb, 16);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return 0xFF000000u | rgb;
}

class ImageParser : public ResourceParser {
 public:
  ImageParser(ResourceKind kind, ResourceError& error) : ResourceParser(error), icon_(kind == ResourceKind::Icon) {}

  std::optional<ImageResource> parse(std::string_view text) {
    auto entry = [this](const std::vector<Token>& tokens, int line, LineCursor& lines) {
      if (tokens[0].value == "color") return parseColor(tokens, line);
      if (tokens[0].value == "image") return parseImage(tokens, line, lines);
      return failed(line, "unknown keyword '" + tokens[0].value + "'");
    };
    if (!parseText(text, icon_ ? "icon" : "bitmap", result_.id, entry)) return std::nullopt;
    if (result_.images.empty()) return fail(0, "no image");
    return std::move(result_);
  }

 private:
  bool parseColor(const std::vector<Token>& tokens, int line) {
    if (!expect(tokens, 3, line, "color <c> #RRGGBB|transparent") || !noMore(tokens, 3, line)) return false;
    const std::string& name = tokens[1].value;
    if (tokens[1].kind != Token::Kind::Word || name.size() != 1 || name[0] == '#' ||
        static_cast<unsigned char>(name[0]) < 0x21 || static_cast<unsigned char>(name[0]) > 0x7E)
      return failed(line, "bad colour character '" + name + "'");
    PaletteEntry& entry = palette_[static_cast<unsigned char>(name[0])];
    if (entry.line != 0) return failed(line, "colour '" + name + "' is also on line " + std::to_string(entry.line));
    if (tokens[2].value == "transparent" && tokens[2].kind == Token::Kind::Word) {
      if (!icon_) return failed(line, "a bitmap has no transparent colour");
      entry.pixel = kTransparent;
    } else if (const auto pixel = ParseColor(tokens[2].value); pixel && tokens[2].kind == Token::Kind::Word) {
      entry.pixel = *pixel;
    } else {
      return failed(line, "bad colour '" + tokens[2].value + "' (#RRGGBB or transparent)");
    }
    entry.line = line;
    return true;
  }

  bool parseImage(const std::vector<Token>& tokens, int line, LineCursor& lines) {
    if (!expect(tokens, 3, line, "image <width> <height>")) return false;
    const int largest = icon_ ? kLargestIconSide : kLargestBitmapSide;
    Image image;
    if (!number(tokens[1], line, "width", 1, largest, image.width) ||
        !number(tokens[2], line, "height", 1, largest, image.height) || !noMore(tokens, 3, line))
      return false;
    if (!icon_ && !result_.images.empty()) return failed(line, "a bitmap has one image");
    if (icon_ && image.width != image.height) return failed(line, "an icon's image is square");
    if (icon_ && !sizes_.insert(image.width).second)
      return failed(line, "a second " + std::to_string(image.width) + " x " + std::to_string(image.width) + " image");
    image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
    std::string_view row;
    int rowLine = 0;
    for (int y = 0; y < image.height; ++y) {
      if (!lines.next(row, rowLine))
        return failed(line, "the image has " + std::to_string(y) + " of its " + std::to_string(image.height) + " rows");
      if (row.size() != static_cast<std::size_t>(image.width))
        return failed(rowLine, "a row of " + std::to_string(row.size()) + " pixels in an image " +
                                   std::to_string(image.width) + " wide");
      for (std::size_t x = 0; x < row.size(); ++x) {
        const PaletteEntry& entry = palette_[static_cast<unsigned char>(row[x])];
        if (entry.line == 0)
          return failed(rowLine, std::string("'") + row[x] + "' at column " + std::to_string(x + 1) +
                                     " is not a colour of the palette");
        image.pixels.push_back(entry.pixel);
      }
    }
    result_.images.push_back(std::move(image));
    return true;
  }

  bool icon_;
  ImageResource result_;
  std::array<PaletteEntry, 256> palette_{};
  std::set<int> sizes_;
};

}  // namespace

std::optional<ImageResource> ParseImageResource(ResourceKind kind, std::string_view text, ResourceError& error) {
  error = {};
  return ImageParser(kind, error).parse(text);
}

}  // namespace platform::ui::detail
