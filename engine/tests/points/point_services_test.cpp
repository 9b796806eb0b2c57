// Direct and indirect service points: the letters of both ends from the
// tariff's point-service file, a letter the request gives, and the discount
// block that applies to the lane.
#include "points/point_services.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "points/points_fixture.h"
#include "request/request_parse.h"

namespace vorn {
namespace {

using testing::PointsTest;

constexpr LaneSide kOrigin = LaneSide::Origin;
constexpr LaneSide kDestination = LaneSide::Destination;

// Default letter 'I'; 10000-10099 and postal prefixes K1A-K2Z direct;
// 20000-20099 'B' (passed on as it is).
constexpr std::string_view kServices = R"(
efcrec
  record
points-service tariff=TSTFRT01
  header letter=I
  range low=10000 high=10099 letter=D
  range low=20000 high=20099 letter=B
  range low=K1A high=K2Z letter=D
)";

class PointServices : public PointsTest {
 protected:
  void SetUp() override {
    reload(kServices);
    discountRecord(shipment::kDiscountRecord1, "D%", "01000");
    discountRecord(shipment::kDiscountRecord2, "I%", "02500");
  }
  void discountRecord(platform::FieldSpan at, std::string_view tag, std::string_view first) {
    std::string record = std::string(tag) + std::string(first);
    for (int k = 1; k < 10; ++k) record += "00100";
    record_.setText(at, record);
  }
  // The letters of both ends, with the discount that then applies.
  std::string letters(std::string_view origin, std::string_view destination) {
    end(kOrigin, origin);
    end(kDestination, destination);
    ParseDiscountRecords(record_, rating_.discounts);
    ParseStepFlags(record_, rating_.request);
    EXPECT_EQ(FindPointService(engine_, rating_), 0);
    return {rating_.request.originPointLetter, rating_.request.destinationPointLetter};
  }
  std::string appliedTag() const { return std::string(rating_.discounts.applied.tag.data(), 2); }
  float appliedFirst() const { return rating_.discounts.applied.percent[0]; }
};

TEST_F(PointServices, EachEndTakesItsRangesLetterOrTheDefault) {
  EXPECT_EQ(letters("10000 ", "10099 "), "DD");
  EXPECT_EQ(letters("20050 ", "55555 "), "BI");
  EXPECT_EQ(letters("K1A0B1", "k2z9z9"), "DD");  // postal codes on their first three characters
  EXPECT_EQ(letters("K3A0B1", "J1A0B1"), "II");
  EXPECT_EQ(letters("      ", "1234  "), "II");  // codes that do not pack take the default
}

TEST_F(PointServices, ALetterTheRequestGivesWins) {
  record_.setChar(shipment::kOriginPointLetter.offset, 'I');
  record_.setChar(shipment::kDestinationPointLetter.offset, 'X');  // only 'D' and 'I' count
  EXPECT_EQ(letters("10000 ", "10000 "), "ID");
  record_.setChar(shipment::kDestinationPointLetter.offset, 'D');
  EXPECT_EQ(letters("10000 ", "55555 "), "ID");
}

TEST_F(PointServices, AnIndirectEndAppliesTheSecondRecordsPercentagesAsTheDirectDiscount) {
  letters("10000 ", "10050 ");
  EXPECT_EQ(appliedTag(), "D%");
  EXPECT_FLOAT_EQ(appliedFirst(), 10.0f);  // both direct: the first record
  letters("10000 ", "55555 ");
  EXPECT_EQ(appliedTag(), "D%");
  EXPECT_FLOAT_EQ(appliedFirst(), 25.0f);
  letters("20050 ", "10000 ");  // 'B' is not direct
  EXPECT_FLOAT_EQ(appliedFirst(), 25.0f);
}

TEST_F(PointServices, WithoutAnIndirectRecordTheFirstRecordApplies) {
  record_.fill(shipment::kDiscountRecord2, ' ');
  letters("10000 ", "55555 ");
  EXPECT_EQ(appliedTag(), "D%");
  EXPECT_FLOAT_EQ(appliedFirst(), 10.0f);
  discountRecord(shipment::kDiscountRecord2, "IX", "05000");
  letters("10000 ", "55555 ");
  EXPECT_FLOAT_EQ(appliedFirst(), 10.0f);
}

TEST_F(PointServices, WithoutTheFileTheLettersStayBlankAndTheFirstRecordApplies) {
  std::filesystem::remove(data_.path() / "TSTFRT01.D01");
  record_.setChar(shipment::kOriginPointLetter.offset, 'I');
  EXPECT_EQ(letters("10000 ", "55555 "), "  ");
  EXPECT_FLOAT_EQ(appliedFirst(), 10.0f);
  // The fallback suffix 99 serves a tariff without its own file.
  reload("efcrec\n  record\npoints-service tariff=TSTFRT01 suffix=99\n  header letter=D\n");
  record_.setChar(shipment::kOriginPointLetter.offset, ' ');
  EXPECT_EQ(letters("10000 ", "55555 "), "DD");
}

TEST_F(PointServices, ShortFilesGiveTheDefaultOrNoLetter) {
  std::filesystem::resize_file(data_.path() / "TSTFRT01.D01", 10);  // the header and 3 bytes
  EXPECT_EQ(letters("10000 ", "55555 "), "II");
  std::filesystem::resize_file(data_.path() / "TSTFRT01.D01", 3);  // not even the header
  EXPECT_EQ(letters("10000 ", "55555 "), "  ");
}

}  // namespace
}  // namespace vorn
