// The request RateShipment sends: read back from a fake engine that keeps
// what it was asked.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ratekit/ratekit32.h"
#include "support/test_context.h"

namespace ratekit {
namespace {

using testing::TestContext;

using FakeConnected = testing::FakeEngineShipment;

std::string At(const std::string& request, std::size_t offset, std::size_t width) {
  return request.substr(offset, width);
}

TEST(ShipmentRequest, CarriesTheShipmentInTheEnginesFields) {
  FakeConnected c;
  c.context.setText(context::kMethodFlagLetter, "Y");
  c.context.setInt(context::kIntrastateQuestionInUse, 1);
  c.context.setText(context::kIntrastate, "Y");
  c.context.setText(shipment_point::Of(0, shipment_point::kCity), "A CITY NAME LONGER THAN 17");
  c.context.setLine(1, "100", "12");
  ASSERT_EQ(c.rate(2), 0);
  const std::string r = c.request();
  EXPECT_EQ(At(r, 0, 11), "F01     MF1");
  EXPECT_EQ(At(r, 11, 8), "NACLASS1");
  EXPECT_EQ(At(r, 19, 1), "Y");
  EXPECT_EQ(At(r, 20, 10), "03-14-2025");
  EXPECT_EQ(At(r, 30, 25), "10001 NYA CITY NAME LONGE");
  EXPECT_EQ(At(r, 55, 25), "60601 ILCHICAGO          ");
  EXPECT_EQ(At(r, 80, 2), "02");
  EXPECT_EQ(At(r, 177, 1), "Y");
  EXPECT_EQ(At(r, 194, 1), "N");
  EXPECT_EQ(At(r, 236, 5), "10000");
  EXPECT_EQ(At(r, 263, 2), "\r\n");
  // All eight lines, whatever the count; the weight zero-padded.
  auto line = [](std::string_view cls3, std::string_view weight6) {
    return "02" + std::string(cls3) + std::string(weight6) + std::string(16, '0') + "\r\n ";
  };
  EXPECT_EQ(At(r, 265, 30), line(std::string("85\0", 3), "001200"));
  EXPECT_EQ(At(r, 295, 30), line("100", "000012"));
  for (std::size_t i = 2; i < 8; ++i) EXPECT_EQ(At(r, 265 + 30 * i, 30), line(std::string(3, '\0'), "000000")) << i;
  EXPECT_EQ(At(r, 505, 360), std::string(360, ' '));
  EXPECT_EQ(At(r, 865, 54), std::string(54, ' '));
  EXPECT_EQ(At(r, 973, 3), "   ");
  EXPECT_EQ(At(r, 2156, 4), "   *");
}

TEST(ShipmentRequest, SendsEveryDiscountFieldInHundredths) {
  const struct {
    float percent;
    const char* field;  // null: refused with 118
  } cases[] = {{7.5f, " 0750"},   {0.0f, " 0000"},   {12.5f, " 1250"},  {0.125f, " 0013"}, {99.98f, " 9998"},
               {99.99f, nullptr}, {100.0f, nullptr}, {-0.01f, nullptr}, {NAN, nullptr},    {1e30f, nullptr}};
  for (const auto& k : cases) {
    FakeConnected c;
    c.context.setDiscounts(k.percent);
    c.context.setText(rating_defaults::kDiscountKind, "R");
    const int result = c.rate();
    if (k.field == nullptr) {
      EXPECT_EQ(result, 9999) << k.percent;
      EXPECT_EQ(c.context.lastError(), 118) << k.percent;
      EXPECT_TRUE(c.fake().requests.empty());
      continue;
    }
    const std::string r = c.request();
    EXPECT_EQ(At(r, 194, 1), "Y");
    EXPECT_EQ(At(r, 214, 1), "R");
    EXPECT_EQ(At(r, 865, 2), "D%");
    EXPECT_EQ(At(r, 919, 2), "I%");
    EXPECT_EQ(At(r, 917, 2), "\r\n");
    for (std::size_t i = 0; i < 10; ++i) {
      EXPECT_EQ(At(r, 867 + 5 * i, 5), k.field) << k.percent << " " << i;
      EXPECT_EQ(At(r, 921 + 5 * i, 5), k.field) << k.percent << " " << i;
    }
  }
}

TEST(ShipmentRequest, SendsNoDiscountOnANoDiscountLane) {
  const struct {
    const char *origin, *destination, *state;
    int noDiscountLane;
  } cases[] = {{"10001", "12345", "NY", 1}, {"75201", "75202", "TX", 1}, {"60601", "60602", "IL", 0}};
  for (const auto& k : cases) {
    FakeConnected c;
    c.context.setDiscounts(7.5f);
    c.context.setPoint(0, k.origin, k.state, "X");
    c.context.setPoint(1, k.destination, k.state, "Y");
    ASSERT_EQ(c.rate(), 0);
    EXPECT_EQ(c.context.integer(context::kNoDiscountLane), k.noDiscountLane);
    EXPECT_EQ(At(c.request(), 194, 1), k.noDiscountLane ? "N" : "Y");
    EXPECT_EQ(At(c.request(), 867, 5), k.noDiscountLane ? "     " : " 0750");
  }
}

TEST(ShipmentRequest, RefusesWhatItsFieldsCannotHold) {
  const struct {
    const char* what;
    void (*set)(TestContext&);
    int number;
    const char* factor;
  } cases[] = {
      {"factor 1",
       [](TestContext& x) { x.setShort(rating_defaults::kFactorInUse, 1), x.setFloat(rating_defaults::kFactor, 1.0f); },
       0, "10000"},
      {"factor 0.95",
       [](TestContext& x) {
         x.setShort(rating_defaults::kFactorInUse, 1), x.setFloat(rating_defaults::kFactor, 0.95f);
       },
       0, "09500"},
      {"factor 9.9999",
       [](TestContext& x) {
         x.setShort(rating_defaults::kFactorInUse, 1), x.setFloat(rating_defaults::kFactor, 9.9999f);
       },
       0, "99999"},
      {"factor 10",
       [](TestContext& x) {
         x.setShort(rating_defaults::kFactorInUse, 1), x.setFloat(rating_defaults::kFactor, 10.0f);
       },
       513, nullptr},
      {"factor -1",
       [](TestContext& x) {
         x.setShort(rating_defaults::kFactorInUse, 1), x.setFloat(rating_defaults::kFactor, -1.0f);
       },
       513, nullptr},
      {"weight of 7 digits", [](TestContext& x) { x.setLine(5, "50", "1234567"); }, 106, nullptr},
      {"weight of 6 digits", [](TestContext& x) { x.setLine(5, "50", "123456"); }, 0, "10000"},
      {"a class index outside the table",
       [](TestContext& x) {
         x.setInt(profile_record::Current(profile_record::kClassMapInUse), 1);
         x.setText(shipment_lines::ClassFlag(0), "*");
         x.setInt(shipment_lines::ClassIndex(0), 20);
       },
       105, nullptr},
  };
  for (const auto& k : cases) {
    FakeConnected c;
    k.set(c.context);
    EXPECT_EQ(c.rate(), k.number == 0 ? 0 : 9999) << k.what;
    EXPECT_EQ(c.context.lastError(), k.number) << k.what;
    if (k.factor != nullptr) {
      EXPECT_EQ(At(c.request(), 236, 5), k.factor) << k.what;
    }
  }
}

TEST(ShipmentRequest, SendsTheMappedClassAndTheCountInTwoCharacters) {
  FakeConnected c;
  c.context.setInt(profile_record::Current(profile_record::kClassMapInUse), 1);
  c.context.setText(context::ClassCode(3), "250");
  c.context.setText(shipment_lines::ClassFlag(0), "*");
  c.context.setInt(shipment_lines::ClassIndex(0), 3);
  c.context.setLine(1, "92", "10");  // without the flag the line's own class
  const struct {
    int count;
    const char* field;
  } counts[] = {{-1, "-1"}, {0, "00"}, {9, "09"}, {99, "99"}, {100, "99"}, {-100, "-9"}};
  for (const auto& k : counts) {
    ASSERT_EQ(c.rate(k.count), 0);
    EXPECT_EQ(At(c.request(), 80, 2), k.field) << k.count;
    EXPECT_EQ(At(c.request(), 267, 3), "250");
    EXPECT_EQ(At(c.request(), 297, 3), std::string("92\0", 3));
  }
}

TEST(ShipmentRequest, ExtendsCanadianCodesOnlyForTheEngine) {
  const struct {
    const char* level;
    const char* tariffName;  // sent
    int result, number;
  } cases[] = {{"SAMPLE01", "NACLASS1", 0, 0}, {"SAMPLE02", "NACLASS1", 0, 0}};
  for (const auto& k : cases) {
    FakeConnected c(k.level);
    c.context.setInt(context::kCanadaFlag, 1);
    c.context.setPoint(0, "K1A", "ON", "OTTAWA");
    c.context.setPoint(1, "75201", "TX", "DALLAS");
    EXPECT_EQ(c.rate(), k.result);
    EXPECT_EQ(At(c.request(), 30, 6), "K1A0A ");
    EXPECT_EQ(At(c.request(), 11, 8), k.tariffName);
    EXPECT_EQ(c.context.bytes(shipment_point::Of(0, shipment_point::kCode)), std::string("K1A\0\0\0\0", 7));
  }
}

TEST(ShipmentRequest, ALaneTheLevelDoesNotKnowIsNotSent) {
  const struct {
    const char* origin;
    const char* destination;
    int number;
  } cases[] = {{"99999", "60601", 501}, {"10001", "99999", 501}, {"60601", "10001", 103}, {"K1A", "02110", 103}};
  for (const auto& k : cases) {
    FakeConnected c("SAMPLE02");
    c.context.setInt(context::kCanadaFlag, 1);
    c.context.setPoint(0, k.origin, "XX", "X");
    c.context.setPoint(1, k.destination, "XX", "X");
    c.context.setText(context::kTariffName, "KEPT");
    EXPECT_EQ(c.rate(), 9999) << k.origin;
    EXPECT_EQ(c.context.lastError(), k.number) << k.origin;
    EXPECT_TRUE(c.fake().requests.empty());
    EXPECT_EQ(c.context.text(context::kTariffName), "KEPT");
    EXPECT_EQ(c.context.text(shipment_point::Of(0, shipment_point::kCode)), k.origin);  // given back
  }
}

TEST(ShipmentRequest, WithoutTheEngineNothingIsRatedAndCodesStayExtended) {
  TestContext context;
  context.setInt(context::kCanadaFlag, 1);
  context.setPoint(0, "K1A", "ON", "OTTAWA");
  context.setPoint(1, "M5V", "ON", "TORONTO");
  EXPECT_EQ(RateShipment(context.data(), 1, nullptr), 1);
  EXPECT_EQ(context.text(shipment_point::Of(0, shipment_point::kCode)), "K1A0A");
  EXPECT_EQ(context.text(shipment_point::Of(1, shipment_point::kCode)), "M5V0A");
  EXPECT_EQ(RateShipment(nullptr, 1, nullptr), 9999);
}

}  // namespace
}  // namespace ratekit
