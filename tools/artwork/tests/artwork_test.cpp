// The picture files decode back through the program's own readers, the
// banner and splash have the sizes the screen shows, and the toolbar's
// pictures are all there, 16 x 16 in the classic 16 colours; their contact
// sheet is kept as artifacts/toolbar-icons.png to be looked at.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "artwork/image_files.h"
#include "artwork/pictures.h"
#include "platform/ui/cairo/rendering.h"
#include "platform/ui/gdi.h"
#include "platform/ui/resource.h"

namespace artwork {
namespace {

using platform::ui::Image;

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

Image Pattern(int width, int height, bool transparentCorner) {
  Image image{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.pixels.push_back(0xFF000000u | static_cast<std::uint32_t>(x * 37 + y * 91) << 4);
  }
  if (transparentCorner) image.pixels[0] = 0;
  return image;
}

TEST(PictureFiles, DecodeBackThroughTheProgramsReaders) {
  // Odd widths pad their rows; every size of an icon comes back.
  for (int width : {1, 3, 16, 61}) {
    const Image image = Pattern(width, 5, false);
    const std::vector<std::uint8_t> file = EncodeBitmapFile(image);
    const std::optional<Image> back = platform::ui::DecodeBitmapFile(file);
    ASSERT_TRUE(back) << width;
    EXPECT_EQ(back->pixels, image.pixels) << width;
  }
  const std::vector<Image> sizes = {Pattern(16, 16, true), Pattern(32, 32, true)};
  const std::vector<std::uint8_t> icon = EncodeIconFile(sizes);
  for (const Image& image : sizes) {
    const std::optional<Image> back = platform::ui::DecodeIconFile(icon, image.size());
    ASSERT_TRUE(back) << image.width;
    EXPECT_EQ(back->at(0, 0) >> 24, 0u) << "the masked corner is transparent";
    EXPECT_EQ(back->at(5, 7), image.at(5, 7));
    EXPECT_EQ(back->width, image.width);
  }
  EXPECT_THROW(EncodeIconFile(std::vector<Image>{Pattern(16, 8, false)}), std::invalid_argument);
}

class Pictures : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    auto images = IconImages(ReadText(QIV_PROGRAM_ICON), error);
    ASSERT_TRUE(images) << error;
    ASSERT_EQ(images->size(), 2u);
    truck_ = images->back();
  }
  platform::ui::cairo::ScopedRenderingBackend backend_;
  Image truck_;
};

TEST_F(Pictures, BannerAndSplashHaveTheirSizesAndPlainEdges) {
  const Image banner = PaintBanner(truck_, 800);
  EXPECT_EQ(banner.width, 800);
  EXPECT_EQ(banner.height, kBannerHeight);
  // A wider screen centres the banner on the colour of its corner, so both
  // edge columns read as that colour above the road.
  for (int y = 5; y < 40; ++y) {
    EXPECT_EQ(banner.at(0, y), banner.at(0, 5)) << y;
    EXPECT_EQ(banner.at(banner.width - 1, y), banner.at(0, 5)) << y;
  }
  const Image splash = PaintSplash(truck_);
  EXPECT_EQ(splash.size(), (platform::ui::Size{480, 270}));
  std::filesystem::create_directories(QIV_ARTIFACT_DIR);
  EXPECT_TRUE(WritePng(banner, std::string(QIV_ARTIFACT_DIR) + "/banner.png"));
  EXPECT_TRUE(WritePng(splash, std::string(QIV_ARTIFACT_DIR) + "/splash.png"));
}

TEST_F(Pictures, ToolbarPicturesAreAllThereInTheClassicColours) {
  // The pictures the toolbar starts with and those it puts in at run time.
  const std::set<int> wanted = {3054, 3055, 3056, 3057, 3058, 3059, 3060, 3061, 3062, 3063, 3064, 3065, 3066, 3067,
                                3068, 3069, 3070, 3071, 3072, 3073, 3074, 3079, 3080, 3099, 3100, 3101, 3102, 3104,
                                3115, 3117, 3132, 3133, 3134, 3135, 3138, 3139, 3141, 3151, 3159, 3160, 3161};
  std::map<int, Image> found;
  for (const auto& entry : std::filesystem::directory_iterator(QIV_TOOLBAR_ICON_DIR)) {
    if (entry.path().extension() != ".icon") continue;
    std::string error;
    const std::optional<std::vector<Image>> images = IconImages(ReadText(entry.path()), error);
    ASSERT_TRUE(images) << entry.path() << ": " << error;
    ASSERT_EQ(images->size(), 1u) << entry.path();
    const int id = std::stoi(entry.path().filename().string());
    found.emplace(id, images->front());
  }
  std::set<int> ids;
  for (const auto& [id, image] : found) ids.insert(id);
  EXPECT_EQ(ids, wanted);

  const std::set<std::uint32_t> classic = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
                                           0xFF008080, 0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                                           0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
  std::vector<SheetEntry> sheet;
  for (const auto& [id, image] : found) {
    EXPECT_EQ(image.size(), (platform::ui::Size{16, 16})) << id;
    int drawn = 0;
    for (std::uint32_t p : image.pixels) {
      if ((p >> 24) == 0) continue;
      ++drawn;
      EXPECT_TRUE(classic.contains(p)) << id << " uses " << std::hex << p;
    }
    EXPECT_GT(drawn, 40) << id << " is almost empty";
    // The loaded resource is the same picture.
    platform::ui::BitmapHandle bitmap = platform::ui::LoadIconResource(id, {16, 16});
    ASSERT_NE(bitmap, nullptr) << id;
    platform::ui::DeleteBitmap(bitmap);
    sheet.push_back({id, image});
  }
  std::filesystem::create_directories(QIV_ARTIFACT_DIR);
  EXPECT_TRUE(WriteContactSheet(sheet, 4, std::string(QIV_ARTIFACT_DIR) + "/toolbar-icons.png"));
}

}  // namespace
}  // namespace artwork
