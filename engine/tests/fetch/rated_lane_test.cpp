// A whole rating of a type-0 lane through the driver, with the engine's
// rate fetch and minimum charges: the answer a rating clerk checks by hand.
#include <gtest/gtest.h>

#include <string>

#include "driver/rate_shipment.h"
#include "rates/tariff_data_fixture.h"
#include "support/shipment_request.h"

namespace vorn {
namespace {

using testing::ShipmentRequest;
using testing::TariffData;

constexpr std::string_view kLane = R"(
efcrec
  record
factor tariff=TSTFRT01
  sets numbers=1
  classes codes="100 50"
  breaks weights="40000 30000 20000 10000 5000 2000 1000 500 0"
  class-factors
  break-factors
points tariff=TSTFRT01
  point low=10001 high=10099 number=1
  point low=90001 high=90099 number=2
  width value=0
matrix tariff=TSTFRT01
  pair a=1 b=2 value=0
rates tariff=TSTFRT01
  record group=001 number=00001 letter=B entries="5000 2000 1800 1600 1400 1200 1000 900 800 700 4000 3600 3200 2800 2400 2000 1800 1600 1400"
lettered tariff=TSTFRT01 letter=Z
)";

class RatedLane : public TariffData {
 protected:
  std::string rate(ShipmentRequest request) {
    RateShipmentCore(engine_, reinterpret_cast<std::uint8_t*>(request.data()), nullptr, nullptr);
    return request.bytes();
  }
};

TEST_F(RatedLane, ClassRatesAtTheBreakOfTheWeightAndTheMinimumCharge) {
  load(kLane);
  // 1000 pounds is break 2 (0, 500, 1000, ...): class 100 (row 0) reads
  // e(1 + 9 x 0 + 2) = 1600 cents per hundredweight; (1000 x 1600 + 50) / 100
  // = 16000 cents. Break 3 at 2000 pounds costs 2000 x 1400 / 100 = 28000: no
  // deficit. The 5000-cent minimum (entry 0) is below the charge.
  std::string a = rate(ShipmentRequest{});
  EXPECT_EQ(a.substr(3, 4), "    ");
  EXPECT_EQ(a.substr(265 + 11, 7), "0016.00");
  EXPECT_EQ(a.substr(265 + 18, 9), "000160.00");
  // 100 pounds of class 50 (row 1), break 0: e(1 + 9 + 0) = e(10) = 4000;
  // (100 x 4000 + 50) / 100 = 4000 cents, raised to the minimum.
  a = rate(ShipmentRequest{}.line(0, "50", "000100"));
  EXPECT_EQ(a.substr(3, 4), "    ");
  EXPECT_EQ(a.substr(265 + 18, 9), "000040.00");
  EXPECT_EQ(a.substr(113, 7), "0050.00");  // the charge after the minimum
}

}  // namespace
}  // namespace vorn
