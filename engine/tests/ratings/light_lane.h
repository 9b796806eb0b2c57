// Test support: the lane the light-edition tariffs of the rating tests rate
// (10001 to 20010: 400 pounds of class 85 and 300 of class 100) and its
// answer when the record found holds a minimum, 30.00 at break 0 and 25.00
// at break 1 (500 pounds), rated with tariff number 5's tables (classes 100,
// 85 and 70, class 85 at 90 percent): 700 pounds is break 1, class 100
// 2500 x 10000 = 2500, class 85 2500 x 9000 = 2250; 300 x 2500 / 100 = 7500
// + 400 x 2250 / 100 = 9000: 165.00, above the minimum.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "ratings/rating_fixture.h"

namespace vorn::testing {

// The lane's points and matrix: points 1 (10001-10099) and 3 (20000-20099),
// whose cell names rate record 2; the tariff's rate records 0 and 1, which
// name no number (the block's records go on with record 2).
inline constexpr std::string_view kLightLanePoints = R"(
points tariff=TSTFRT01
  point low=10001 high=10099 number=1
  point low=20000 high=20099 number=3
matrix tariff=TSTFRT01
  pair a=1 b=3 value=2
rates tariff=TSTFRT01
  record head="001 00000A"
  record head="001 00000A"
)";

inline ShipmentRequest LightLane() {
  return ShipmentRequest{}.destination("20010").detailCount("02").line(0, "85", "000400").line(1, "100", "000300");
}

inline void ExpectLightLaneRating(const RatedShipment& a, std::string_view rateBasis, std::int32_t minimum) {
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.tariffUsed(), "TSTFRT01");
  EXPECT_EQ(a.effectiveDate(), "01-01-2024");
  EXPECT_EQ(a.rateBasis(), rateBasis);
  EXPECT_EQ(a.actualWeight(), "000700");
  EXPECT_EQ(a.billedWeight(), "000700");
  EXPECT_EQ(a.lineRate(0), "0022.50");
  EXPECT_EQ(a.lineCharge(0), "000090.00");
  EXPECT_EQ(a.lineRate(1), "0025.00");
  EXPECT_EQ(a.lineCharge(1), "000075.00");
  EXPECT_EQ(a.deficitRate(), "0000.00");
  EXPECT_EQ(a.deficitWeight(), "000000");
  EXPECT_EQ(a.deficitCharge(), "000000.00");
  EXPECT_EQ(a.grossCharge(), "000165.00");
  EXPECT_EQ(a.netCharge(), "0165.00");
  EXPECT_EQ(a.appliedMinimum(), minimum);
  EXPECT_EQ(a.breakDiscount(), "     0.00");
  EXPECT_EQ(a.percentDiscount(), "   0.00");
  EXPECT_EQ(a.discountPercent(), "00.00");
  // Tariff number 5's classes and breaks go to the answer.
  EXPECT_EQ(a.field(1676 + 6, 6), std::string("85\0\0\0\0", 6));
  EXPECT_EQ(a.integer(1876) & 0xFFFF, 3);
  EXPECT_EQ(a.integer(1876) >> 16, 2);
}

}  // namespace vorn::testing
