// artwork: paints the program's pictures into the files it reads.
//   artwork banner <icon file> <out.bmp> [width]   the banner under the toolbar
//   artwork splash <icon file> <out.bmp>           the start-up splash
//   artwork icon <icon file> <out.ico>             an icon file of every size the text draws
//   artwork sheet <out.png> <icon file>...         a contact sheet of icon texts
// Exit status 0 on success, 1 on an error, 2 on a usage error.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "artwork/image_files.h"
#include "artwork/pictures.h"
#include "platform/ui/cairo/rendering.h"

namespace {

int Usage() {
  std::cerr << "usage:\n  artwork banner <icon file> <out.bmp> [width]\n  artwork splash <icon file> <out.bmp>\n"
               "  artwork icon <icon file> <out.ico>\n  artwork sheet <out.png> <icon file>...\n";
  return 2;
}

bool ReadText(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  text = s.str();
  return true;
}

// Written under a temporary name and renamed into place.
bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

std::optional<std::vector<platform::ui::Image>> Icon(const std::string& path) {
  std::string text, error;
  if (!ReadText(path, text)) {
    std::cerr << "artwork: cannot read " << path << "\n";
    return std::nullopt;
  }
  auto images = artwork::IconImages(text, error);
  if (!images || images->empty()) std::cerr << "artwork: " << path << ": " << (images ? "no image" : error) << "\n";
  return images && !images->empty() ? images : std::nullopt;
}

const platform::ui::Image& Largest(const std::vector<platform::ui::Image>& images) { return images.back(); }

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  platform::ui::cairo::ScopedRenderingBackend backend;
  const std::string& command = args[0];
  if ((command == "banner" && (args.size() == 3 || args.size() == 4)) || (command == "splash" && args.size() == 3)) {
    const auto icon = Icon(args[1]);
    if (!icon) return 1;
    const int width = args.size() == 4 ? std::stoi(args[3]) : 1024;
    const platform::ui::Image picture =
        command == "banner" ? artwork::PaintBanner(Largest(*icon), width) : artwork::PaintSplash(Largest(*icon));
    if (!WriteBytes(args[2], artwork::EncodeBitmapFile(picture)))
      return std::cerr << "artwork: cannot write " << args[2] << "\n", 1;
    return 0;
  }
  if (command == "icon" && args.size() == 3) {
    const auto icon = Icon(args[1]);
    if (!icon) return 1;
    if (!WriteBytes(args[2], artwork::EncodeIconFile(*icon)))
      return std::cerr << "artwork: cannot write " << args[2] << "\n", 1;
    return 0;
  }
  if (command == "sheet" && args.size() >= 3) {
    std::vector<artwork::SheetEntry> entries;
    for (std::size_t i = 2; i < args.size(); ++i) {
      const auto icon = Icon(args[i]);
      if (!icon) return 1;
      entries.push_back({static_cast<int>(i - 1), icon->front()});
    }
    return artwork::WriteContactSheet(entries, 3, args[1]) ? 0 : 1;
  }
  return Usage();
}
