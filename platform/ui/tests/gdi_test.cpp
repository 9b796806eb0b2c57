// The drawing model on a recording surface with the headless metrics:
// shapes, selections and saved states, text placement, tabbed text by the
// tab rule, formatted text, the font face mapping, and reading bitmap and
// icon files (good, odd and broken).
#include "platform/ui/gdi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <gmock/gmock.h>
#include <vector>

#include "platform/kernel/byte_record.h"
#include "platform/ui/headless.h"
#include "platform/ui/image.h"
#include "platform/ui/recording_surface.h"

namespace platform::ui {
namespace {

using ::testing::ElementsAre;

class Drawing : public ::testing::Test {
 protected:
  Drawing() : dc_(CreateSurfaceDC(surface_)) {}
  ~Drawing() override { DeleteDC(dc_); }
  std::vector<DrawCall> fills() const {
    std::vector<DrawCall> result;
    for (const DrawCall& call : surface_.calls())
      if (call.kind == DrawCall::Kind::Fill) result.push_back(call);
    return result;
  }
  ScopedHeadlessBackend backend_;
  RecordingSurface surface_{{200, 100}};
  DcHandle dc_;
};

TEST_F(Drawing, RectangleFillsWithTheBrushInsideThePenOutline) {
  const PenHandle pen = CreatePen(PenStyle::Solid, 2, Rgb(255, 0, 0));
  const BrushHandle brush = CreateSolidBrush(Rgb(0, 255, 0));
  EXPECT_EQ(SelectPen(dc_, pen), BlackPen());
  EXPECT_EQ(SelectBrush(dc_, brush), WhiteBrush());
  Rectangle(dc_, {10, 10, 30, 20});
  const auto calls = fills();
  ASSERT_EQ(calls.size(), 5u);
  EXPECT_EQ(calls[0].rect, (Rect{12, 12, 28, 18}));
  EXPECT_EQ(calls[0].color, Rgb(0, 255, 0));
  EXPECT_EQ(calls[1].rect, (Rect{10, 10, 30, 12}));
  EXPECT_EQ(calls[4].rect, (Rect{28, 10, 30, 20}));
  // A hollow frame with the null brush: what was under it stays.
  surface_.clear();
  SelectBrush(dc_, NullBrush());
  Rectangle(dc_, {10, 10, 30, 20});
  EXPECT_EQ(fills().size(), 4u);
  // Stock objects cannot be deleted; made ones can, once.
  EXPECT_FALSE(DeleteBrush(WhiteBrush()));
  EXPECT_FALSE(DeletePen(BlackPen()));
  SelectPen(dc_, BlackPen());
  SelectBrush(dc_, WhiteBrush());
  EXPECT_TRUE(DeletePen(pen));
  EXPECT_TRUE(DeleteBrush(brush));
  EXPECT_FALSE(DeleteBrush(brush));
  EXPECT_EQ(BrushColor(brush), std::nullopt);
  EXPECT_EQ(BrushColor(GetSystemColorBrush(SystemColor::ButtonFace)), Rgb(192, 192, 192));
}

TEST_F(Drawing, SavedStatesComeBackInOrderAndClipsOnlyNarrow) {
  SetTextColor(dc_, Rgb(1, 2, 3));
  ASSERT_TRUE(SaveDC(dc_));
  SetTextColor(dc_, Rgb(9, 9, 9));
  IntersectClip(dc_, {0, 0, 50, 50});
  IntersectClip(dc_, {20, 20, 300, 300});
  FillSolidRect(dc_, {0, 0, 10, 10}, 0);
  EXPECT_EQ(surface_.calls().back().clip, (Rect{20, 20, 50, 50}));
  ASSERT_TRUE(RestoreDC(dc_));
  EXPECT_EQ(TextColorOf(dc_), Rgb(1, 2, 3));
  FillSolidRect(dc_, {0, 0, 10, 10}, 0);
  EXPECT_EQ(surface_.calls().back().clip, (Rect{0, 0, 200, 100}));
  EXPECT_FALSE(RestoreDC(dc_));  // nothing more saved
  EXPECT_FALSE(SaveDC(nullptr));
}

TEST_F(Drawing, TextGoesByTheTopOfItsCellAndCanMoveTheCurrentPosition) {
  // The default GUI font measures 13 by 6 headless.
  EXPECT_EQ(GetTextMetrics(dc_).height, 13);
  EXPECT_EQ(GetTextExtent(dc_, "abcd"), (Size{24, 13}));
  SetBackgroundColor(dc_, Rgb(0, 0, 255));
  TextOut(dc_, 5, 7, "abc");
  ASSERT_EQ(surface_.calls().size(), 2u);
  EXPECT_EQ(surface_.calls()[0].rect, (Rect{5, 7, 23, 20}));  // the opaque cell
  EXPECT_EQ(surface_.calls()[1].from, (Point{5, 7}));
  EXPECT_EQ(surface_.calls()[1].font.face, "MS Sans Serif");
  surface_.clear();
  SetBackgroundMode(dc_, BackgroundMode::Transparent);
  SetTextAlign(dc_, text_align::UpdatePosition);
  MoveTo(dc_, {50, 60});
  TextOut(dc_, 0, 0, "ab");
  TextOut(dc_, 0, 0, "c");
  const auto texts = surface_.texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1].from, (Point{62, 60}));
  EXPECT_EQ(CurrentPosition(dc_), (Point{68, 60}));
  EXPECT_EQ(surface_.calls().size(), 2u);  // nothing filled when transparent
}

TEST_F(Drawing, TabbedTextFollowsTheTabRule) {
  // Stops in order, one passed over when the pen is beyond it (a descending
  // list never moves it back), then the default distance of eight average
  // widths (48 pixels).
  const std::array descending{42, 24};
  EXPECT_THAT(TabbedTextPositions(dc_, "ab\tc\td", descending), ElementsAre(0, 42, 96));
  // One stop gives the distance; text wider than a column goes to the next.
  const std::array one{30};
  EXPECT_THAT(TabbedTextPositions(dc_, "abcdefghij\tx", one), ElementsAre(0, 90));
  EXPECT_THAT(TabbedTextPositions(dc_, "a\tb", std::span<const int>()), ElementsAre(0, 48));
  const std::array two{20, 40};
  EXPECT_THAT(TabbedTextPositions(dc_, "a\tb\tc\td", two), ElementsAre(0, 20, 40, 48));
  EXPECT_EQ(GetTabbedTextExtent(dc_, "a\tb\tc\td", two), (Size{54, 13}));
  // Drawn, stops count from the tab origin.
  SetBackgroundMode(dc_, BackgroundMode::Transparent);
  TabbedTextOut(dc_, 10, 0, "x\ty", two, 0);
  const auto texts = surface_.texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1].from.x, 20);
  // So does the grid of a single stop.
  TabbedTextOut(dc_, 10, 0, "x\ty", one, 0);
  EXPECT_EQ(surface_.texts().back().from.x, 30);
}

TEST_F(Drawing, DrawTextAlignsBreaksAndShowsPrefixes) {
  SetBackgroundMode(dc_, BackgroundMode::Transparent);
  Rect box{0, 0, 60, 40};
  DrawText(dc_, "ab", box, draw_text::SingleLine | draw_text::Center | draw_text::VerticalCenter);
  EXPECT_EQ(surface_.texts().back().from, (Point{24, 13}));
  DrawText(dc_, "ab", box, draw_text::SingleLine | draw_text::Right | draw_text::Bottom);
  EXPECT_EQ(surface_.texts().back().from, (Point{48, 27}));
  surface_.clear();
  // Word breaks at the width; '&' underlines the next character.
  EXPECT_EQ(DrawText(dc_, "&File one two", box, draw_text::WordBreak), 26);
  const auto texts = surface_.texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "File one");
  EXPECT_EQ(texts[1].text, "two");
  EXPECT_EQ(texts[1].from, (Point{0, 13}));
  EXPECT_EQ(fills().at(0).rect, (Rect{0, 11, 6, 12}));  // under the F
  Rect measured{0, 0, 0, 0};
  DrawText(dc_, "a&&b\nlonger", measured, draw_text::CalculateRect);
  EXPECT_EQ(measured, (Rect{0, 0, 36, 26}));
  int underlined = 0;
  EXPECT_EQ(StripPrefixes("a&&b&c", &underlined), "a&bc");
  EXPECT_EQ(underlined, 3);
}

TEST(FontMapping, KnownFacesByNameOthersByFamilyThenPitch) {
  auto face = [](const char* name, std::uint8_t pitchAndFamily) {
    return std::string(MappedFontFace({name, -11, 400, false, false, pitchAndFamily, 0}));
  };
  EXPECT_EQ(face("MS Sans Serif", 0x21), "Liberation Sans");
  EXPECT_EQ(face("ms sans serif", 0x31), "Liberation Sans");
  EXPECT_EQ(face("Courier", 0x31), "Liberation Mono");
  EXPECT_EQ(face("Courier New", 0x21), "Liberation Mono");
  // "MSSansSerif" names no face: the family decides, then the pitch.
  EXPECT_EQ(face("MSSansSerif", 0x21), "Liberation Sans");
  EXPECT_EQ(face("MSSansSerif", 0x31), "Liberation Mono");
  EXPECT_EQ(face("Nowhere", 0x11), "Liberation Serif");
  EXPECT_EQ(face("Nowhere", 0x01), "Liberation Mono");
  EXPECT_EQ(face("Nowhere", 0x00), "Liberation Sans");
}

// ---- image files

// A bitmap file: the headers, a colour table and the rows as given.
std::vector<std::uint8_t> BitmapFile(int width, int height, int bits, std::vector<std::array<std::uint8_t, 4>> table,
                                     std::vector<std::uint8_t> rows) {
  const std::size_t bitsOffset = 14 + 40 + table.size() * 4;
  std::vector<std::uint8_t> file(bitsOffset);
  file[0] = 'B';
  file[1] = 'M';
  StoreLittleEndian<std::uint32_t>(&file[2], static_cast<std::uint32_t>(bitsOffset + rows.size()));
  StoreLittleEndian<std::uint32_t>(&file[10], static_cast<std::uint32_t>(bitsOffset));
  StoreLittleEndian<std::uint32_t>(&file[14], 40);
  StoreLittleEndian<std::int32_t>(&file[18], width);
  StoreLittleEndian<std::int32_t>(&file[22], height);
  StoreLittleEndian<std::uint16_t>(&file[26], 1);
  StoreLittleEndian<std::uint16_t>(&file[28], static_cast<std::uint16_t>(bits));
  StoreLittleEndian<std::uint32_t>(&file[46], static_cast<std::uint32_t>(table.size()));
  for (std::size_t i = 0; i < table.size(); ++i)
    for (std::size_t b = 0; b < 4; ++b) file[54 + i * 4 + b] = table[i][b];
  file.insert(file.end(), rows.begin(), rows.end());
  return file;
}

TEST(ImageFiles, BitmapsOfEachDepthReadBottomUpOrTopDown) {
  // 24 bits, two by two, bottom-up: the first row stored is the bottom one;
  // bytes are blue, green, red; rows padded to four bytes.
  const auto rgb =
      DecodeBitmapFile(BitmapFile(2, 2, 24, {}, {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0}));
  ASSERT_TRUE(rgb);
  EXPECT_EQ(rgb->at(0, 1), 0xFFFF0000u);  // red, bottom left
  EXPECT_EQ(rgb->at(1, 1), 0xFF00FF00u);
  EXPECT_EQ(rgb->at(0, 0), 0xFF0000FFu);
  EXPECT_EQ(rgb->at(1, 0), 0xFFFFFFFFu);
  // 4 bits with a colour table, top-down (a negative height).
  auto file = BitmapFile(3, -1, 4, {{0, 0, 0, 0}, {255, 0, 0, 0}, {0, 0, 255, 0}}, {0x12, 0x00, 0, 0});
  const auto indexed = DecodeBitmapFile(file);
  ASSERT_TRUE(indexed);
  EXPECT_EQ(indexed->at(0, 0), 0xFF0000FFu);  // entry 1: blue
  EXPECT_EQ(indexed->at(1, 0), 0xFFFF0000u);  // entry 2: red
  EXPECT_EQ(indexed->at(2, 0), 0xFF000000u);
  // 1 bit, eight pixels in a byte, most significant first.
  const auto mono = DecodeBitmapFile(BitmapFile(8, 1, 1, {{0, 0, 0, 0}, {255, 255, 255, 0}}, {0xA0, 0, 0, 0}));
  ASSERT_TRUE(mono);
  EXPECT_EQ(mono->at(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(mono->at(1, 0), 0xFF000000u);
  EXPECT_EQ(mono->at(2, 0), 0xFFFFFFFFu);
}

TEST(ImageFiles, BrokenBitmapsGiveNoImage) {
  const auto good = BitmapFile(2, 2, 24, {}, std::vector<std::uint8_t>(16, 0));
  ASSERT_TRUE(DecodeBitmapFile(good));
  // Truncated anywhere: in the headers or in the rows.
  for (std::size_t length : {std::size_t{0}, std::size_t{10}, std::size_t{30}, good.size() - 1})
    EXPECT_FALSE(DecodeBitmapFile(std::span(good).first(length))) << length;
  auto wrongMagic = good;
  wrongMagic[0] = 'X';
  EXPECT_FALSE(DecodeBitmapFile(wrongMagic));
  auto compressed = good;
  StoreLittleEndian<std::uint32_t>(&compressed[30], 1);
  EXPECT_FALSE(DecodeBitmapFile(compressed));
  auto huge = good;
  StoreLittleEndian<std::int32_t>(&huge[18], 1 << 30);
  EXPECT_FALSE(DecodeBitmapFile(huge));
  auto badOffset = good;
  StoreLittleEndian<std::uint32_t>(&badOffset[10], 0xFFFFFFF0u);
  EXPECT_FALSE(DecodeBitmapFile(badOffset));
  EXPECT_EQ(LoadBitmapFile("/nonexistent/Splash.bmp"), nullptr);  // a missing file shows nothing
}

// An icon file of one 2 by 2 image of 24 bits with its AND mask.
std::vector<std::uint8_t> IconFile(std::uint8_t maskRow0) {
  std::vector<std::uint8_t> dib(40);
  StoreLittleEndian<std::uint32_t>(&dib[0], 40);
  StoreLittleEndian<std::int32_t>(&dib[4], 2);
  StoreLittleEndian<std::int32_t>(&dib[8], 4);  // colour rows and mask rows
  StoreLittleEndian<std::uint16_t>(&dib[12], 1);
  StoreLittleEndian<std::uint16_t>(&dib[14], 24);
  const std::vector<std::uint8_t> colours = {255, 0, 0, 255, 0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0};
  dib.insert(dib.end(), colours.begin(), colours.end());
  const std::vector<std::uint8_t> mask = {maskRow0, 0, 0, 0, 0, 0, 0, 0};  // bottom row first
  dib.insert(dib.end(), mask.begin(), mask.end());
  std::vector<std::uint8_t> file(6 + 16 + dib.size());
  StoreLittleEndian<std::uint16_t>(&file[2], 1);
  StoreLittleEndian<std::uint16_t>(&file[4], 1);
  file[6] = 2;
  file[7] = 2;
  StoreLittleEndian<std::uint32_t>(&file[14], static_cast<std::uint32_t>(dib.size()));
  StoreLittleEndian<std::uint32_t>(&file[18], 22);
  std::copy(dib.begin(), dib.end(), file.begin() + 22);
  return file;
}

TEST(ImageFiles, IconsTakeTheirMaskAndRefuseBrokenEntries) {
  const auto icon = DecodeIconFile(IconFile(0x80), {32, 32});
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->size(), (Size{2, 2}));
  EXPECT_EQ(icon->at(0, 1), 0u);           // masked: transparent
  EXPECT_EQ(icon->at(1, 1), 0xFF0000FFu);  // blue
  EXPECT_EQ(icon->at(0, 0), 0xFFFF0000u);  // red
  auto file = IconFile(0);
  StoreLittleEndian<std::uint32_t>(&file[18], 9999);  // the image lies past the end
  EXPECT_FALSE(DecodeIconFile(file, {32, 32}));
  const auto whole = IconFile(0);
  EXPECT_FALSE(DecodeIconFile(std::span(whole).first(30), {32, 32}));
  auto notIcon = IconFile(0);
  notIcon[2] = 2;  // a cursor file
  EXPECT_FALSE(DecodeIconFile(notIcon, {32, 32}));
}

}  // namespace
}  // namespace platform::ui
