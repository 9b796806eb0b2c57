// The discounts of a lane from the three sources the profile switches on:
// the typed discount, the .DIS band of the scheme, the ZIP and state pairs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ratekit/ratekit32.h"
#include "support/test_context.h"

namespace ratekit {
namespace {

namespace pr = profile_record;
namespace zde = zip_discount_entry;

float Float(testing::TestContext& c, platform::FieldSpan f) { return c.view().floatAt(f.offset); }

// A context with the main level's .DIS image and a lane (origin and
// destination: code, state, service letter), discounts in use.
testing::TestContext Lane(std::string_view origin, std::string_view originState, char originLetter,
                          std::string_view destination, std::string_view destinationState, char destinationLetter) {
  testing::TestContext c;
  testing::LevelDirectories level;
  ReadDiscFile(level.context.data());
  c.view().setText(context::kDiscountFileImage, level.context.bytes(context::kDiscountFileImage));
  c.setInt(context::kDiscountEntryCount, level.context.integer(context::kDiscountEntryCount));
  c.setText(tariff_settings::kZipMode, "5");
  c.setShort(rating_defaults::kDiscountsInUse, 1);
  c.setPoint(0, origin, originState, "");
  c.setPoint(1, destination, destinationState, "");
  c.setText(shipment_point::Of(0, shipment_point::kServiceLetter), std::string(1, originLetter));
  c.setText(shipment_point::Of(1, shipment_point::kServiceLetter), std::string(1, destinationLetter));
  return c;
}

void AddPair(testing::TestContext& c, std::string_view of, std::string_view ot, std::string_view df,
             std::string_view dt, std::vector<std::string_view> values, std::string_view floor = "") {
  const std::int32_t n = c.integer(pr::Current(pr::kZipDiscountCount));
  const std::size_t at = pr::Current(pr::kZipDiscounts).offset + zde::kSize * static_cast<std::size_t>(n);
  auto put = [&](platform::FieldSpan f, std::string_view text, char pad) {
    c.setText({at + f.offset, f.width}, text, pad);
  };
  put(zde::kOriginFrom, of, ' ');
  put(zde::kOriginTo, ot, ' ');
  put(zde::kDestinationFrom, df, ' ');
  put(zde::kDestinationTo, dt, ' ');
  for (std::size_t v = 0; v < values.size(); ++v) c.setText({at + zde::kValues.offset + 8 * v, 8}, values[v]);
  put(zde::kFloor, floor, '\0');
  c.setInt(pr::Current(pr::kZipDiscountCount), n + 1);
  c.setShort(rating_defaults::kZipPairDiscounts, 1);
}

TEST(Discounts, TheSchemePicksTheBandFromTheLane) {
  const struct {
    char scheme;
    char originLetter, destinationLetter;
    const char* destinationState;
    int band;
  } cases[] = {
      {'5', 'D', 'D', "NC", 0}, {'5', 'D', 'D', "GA", 2}, {'5', 'I', 'D', "NC", 1},
      {'5', 'D', 'I', "GA", 3}, {'2', 'D', 'D', "NC", 0}, {'2', 'I', 'I', "NC", 1},
      {'3', 'D', 'D', "NC", 1}, {'4', 'I', 'D', "GA", 2}, {'9', 'I', 'I', "NC", 0},
  };
  const float bandBreaks[] = {35.0f, 25.0f, 30.0f, 20.0f};
  const float bandMc[] = {20.0f, 15.0f, 15.0f, 10.0f};
  for (const auto& k : cases) {
    testing::TestContext c = Lane("30303", "GA", k.originLetter, "28202", k.destinationState, k.destinationLetter);
    c.setText(discount_file::kScheme, std::string(1, k.scheme));
    c.setShort(pr::Current(pr::kClassBandDiscountsInUse), 1);
    LoadDiscounts(c.data(), nullptr, 0);
    EXPECT_EQ(Float(c, context::BreakDiscount(4)), bandBreaks[k.band])
        << k.scheme << k.originLetter << k.destinationLetter;
    EXPECT_EQ(Float(c, context::kMcDiscount), bandMc[k.band]);
    EXPECT_EQ(c.bytes(context::kDiscountSource), "C");
    EXPECT_EQ(c.text(rating_totals::kMcDiscountText),
              c.text(discount_file::BandMcDiscountText(static_cast<std::size_t>(k.band))));
  }
}

TEST(Discounts, DiscountsOffLeaveTheMcDiscountAndFloorAtZero) {
  for (const bool noDiscountLane : {false, true}) {
    testing::TestContext c = Lane("30303", "GA", 'D', "28202", "NC", 'D');
    if (noDiscountLane)
      c.setInt(context::kNoDiscountLane, 1);
    else
      c.setShort(rating_defaults::kDiscountsInUse, 0);
    c.setShort(pr::Current(pr::kTypedDiscountInUse), 1);
    c.setShort(pr::Current(pr::kClassBandDiscountsInUse), 1);
    c.setText(context::kTypedMcDiscountText, "12.00");
    c.setFloat(context::kFloor, 99.0f);
    LoadDiscounts(c.data(), nullptr, 0);
    EXPECT_EQ(Float(c, context::kMcDiscount), 0.0f);
    EXPECT_EQ(Float(c, context::kFloor), 0.0f);
    EXPECT_EQ(c.text(rating_totals::kMcDiscountText), " 0.00");
    EXPECT_EQ(c.text(rating_totals::kFloorText), "  0.00");
    EXPECT_EQ(c.bytes(context::kDiscountSource), std::string(1, '\0'));
    EXPECT_EQ(Float(c, context::BreakDiscount(0)), 35.0f);  // the band's breaks are set either way
  }
  // Typed: every break below the entry count takes the typed discount.
  testing::TestContext c = Lane("30303", "GA", 'D', "28202", "NC", 'D');
  c.setShort(pr::Current(pr::kTypedDiscountInUse), 1);
  c.setText(context::kTypedDiscountText, " 12.5");
  c.setText(context::kTypedMcDiscountText, "5.00");
  c.setText(context::kTypedFloorText, "150.00");
  c.setInt(context::kDiscountEntryCount, 4);
  LoadDiscounts(c.data(), nullptr, 0);
  EXPECT_EQ(c.bytes(context::kDiscountSource), "P");
  EXPECT_EQ(Float(c, context::BreakDiscount(3)), 12.5f);
  EXPECT_EQ(Float(c, context::BreakDiscount(4)), 0.0f);
  EXPECT_EQ(Float(c, context::kFloor), 150.0f);
  EXPECT_EQ(c.text(rating_totals::kFloorText), "150.00");
  // ClearDiscList: the count read back is held to 0..9.
  for (const std::int32_t count : {-5, 3, 1000}) {
    for (std::size_t i = 0; i < 11; ++i) c.setFloat({12630 + 4 * i, 4}, 1.0f);
    c.setInt(context::kDiscountEntryCount, count);
    ClearDiscList(c.data());
    const std::size_t cleared = count < 0 ? 2 : count > 9 ? 11 : static_cast<std::size_t>(count) + 2;
    for (std::size_t i = 0; i < 11; ++i)
      EXPECT_EQ(Float(c, {12630 + 4 * i, 4}), i < cleared ? 0.0f : 1.0f) << count << " " << i;
  }
}

TEST(Discounts, TheFirstPairThatHoldsTheLaneWins) {
  const struct {
    const char *origin, *destination;
    float mc;  // value 0; -1: no pair holds the lane
  } cases[] = {
      {"30303", "28202", 30.0f},                             // the state pair comes first
      {"30999", "28202", 30.0f}, {"31401", "10001", -1.0f},  // GA to NY: no pair
      {"K1A", "28202", 7.0f},                                // K1A0A within K1A0A..K1A9Z
      {"K1B", "28202", -1.0f},
  };
  for (const auto& k : cases) {
    testing::TestContext c = Lane(k.origin, k.origin[0] == 'K' ? "ON" : "GA", 'I', k.destination,
                                  k.destination[0] == '1' ? "NY" : "NC", 'I');
    AddPair(c, "", "GA", "", "NC", {"30.00", " 1.00", " 2.00", "", "", "", "", "", "", "9.00"}, "  75.00");
    AddPair(c, "30000", "30999", "28000", "28299", {"11.00"});
    AddPair(c, "K1A0A", "K1A9Z", "", "NC", {"7.00"});
    c.setFloat(context::kMcDiscount, -1.0f);
    const short matched = LoadDiscounts(c.data(), nullptr, 0);
    EXPECT_EQ(matched, k.mc >= 0 ? 1 : 0) << k.origin;
    EXPECT_EQ(Float(c, context::kMcDiscount), k.mc >= 0 ? k.mc : 0.0f) << k.origin;  // cleared first
    if (k.mc == 30.0f) {
      EXPECT_EQ(c.bytes(context::kDiscountSource), "Z");
      EXPECT_EQ(Float(c, context::BreakDiscount(0)), 1.0f);
      EXPECT_EQ(Float(c, context::BreakDiscount(1)), 2.0f);
      EXPECT_EQ(Float(c, context::kZipPairLastValue), 9.0f);
      EXPECT_EQ(Float(c, context::kFloor), 75.0f);
    }
  }
  // An empty list, and a count past the room, change nothing harmful.
  testing::TestContext c = Lane("30303", "GA", 'D', "28202", "NC", 'D');
  c.setShort(rating_defaults::kZipPairDiscounts, 1);
  EXPECT_EQ(LoadDiscounts(c.data(), nullptr, 0), 0);
  c.setInt(pr::Current(pr::kZipDiscountCount), 100000);
  EXPECT_EQ(LoadDiscounts(c.data(), nullptr, 0), 0);
}

TEST(Discounts, AnotherModeFillsTheCallersBlockFromTheBands) {
  testing::TestContext c = Lane("30303", "GA", 'D', "28202", "NC", 'D');
  for (std::size_t j = 0; j < 9; ++j) {
    c.setText(context::RawWeightRecord(j), std::string(13, ' ') + std::to_string(j == 5 ? 99999999 : 0));
  }
  std::vector<std::uint8_t> block(1792, 0);
  LoadDiscounts(c.data(), block.data(), 1);
  platform::ByteRecordView<1792> b(block.data());
  EXPECT_EQ(b.floatAt(1230), 95.0f);       // band 0's floor
  EXPECT_EQ(b.floatAt(1234 + 44), 15.0f);  // band 1's MC discount
  EXPECT_EQ(b.floatAt(1238 + 44 * 3 + 4 * 2), 20.0f);
  EXPECT_EQ(b.floatAt(1238 + 4 * 5), 0.0f);  // entry 5's weight 10000 lies below its .WGT lower bound
  EXPECT_EQ(LoadDiscounts(c.data(), nullptr, 1), 0);
}

}  // namespace
}  // namespace ratekit
