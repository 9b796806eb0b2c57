// Sample shipments read into request records: each field lands where the
// engine reads it, and a line that cannot be read is refused with its number.
#include "sample_shipment.h"

#include <gtest/gtest.h>

#include <string>

namespace rate_tool {
namespace {

std::string Field(const ShipmentBytes& r, std::size_t offset, std::size_t width) {
  return std::string(r.data() + offset, width);
}

TEST(SampleShipment, FieldsGoWhereTheEngineReadsThem) {
  const ShipmentBytes r = ReadSampleShipment(R"(# two pallets
tariff naclass1
date 03-14-2025
origin 10001 ny New York   # Manhattan
destination m5v2t6
line 100 1200
line 77 45
)");
  EXPECT_EQ(Field(r, 0, 3), "F01");
  EXPECT_EQ(Field(r, 3, 4), "    ");
  EXPECT_EQ(Field(r, 10, 1), "1");
  EXPECT_EQ(Field(r, 11, 8), "NACLASS1");
  EXPECT_EQ(Field(r, 20, 10), "03-14-2025");
  EXPECT_EQ(Field(r, 30, 25), "10001 NYNEW YORK         ");
  EXPECT_EQ(Field(r, 55, 25), "M5V2T6                   ");
  EXPECT_EQ(Field(r, 80, 2), "02");
  EXPECT_EQ(Field(r, 265, 30), "021000012000000.00000000.00\r\n ");
  EXPECT_EQ(Field(r, 295, 11), "0277 000045");
  EXPECT_EQ(Field(r, 194, 1), "N");
  EXPECT_EQ(Field(r, 263, 2), "\r\n");
  EXPECT_EQ(r[976], '\0');
}

TEST(SampleShipment, DiscountsFillTheirRecordAndTurnDiscountsOn) {
  const ShipmentBytes r = ReadSampleShipment(
      "origin 30301\ndestination 28202\nline 50 500\n"
      "discount direct 30 12.5\ndiscount indirect 20\ndiscount-kind R\n");
  EXPECT_EQ(Field(r, 865, 17), "D%030000125000000");
  EXPECT_EQ(Field(r, 919, 12), "I%0200000000");
  EXPECT_EQ(Field(r, 194, 1), "Y");
  EXPECT_EQ(Field(r, 214, 1), "R");
  EXPECT_EQ(Field(r, 11, 8), "        ");  // no tariff named
}

TEST(SampleShipment, UnreadableLinesAreRefusedWithTheirNumber) {
  const auto lineOf = [](const std::string& text) {
    try {
      ReadSampleShipment(text);
    } catch (const ShipmentError& e) {
      return e.line();
    }
    return -1;
  };
  const std::string lane = "origin 10001\ndestination 60601\n";
  EXPECT_EQ(lineOf(lane + "line 100 0\n"), 3);
  EXPECT_EQ(lineOf(lane + "line 100 1000000\n"), 3);
  EXPECT_EQ(lineOf(lane + "line 100 12x\n"), 3);
  EXPECT_EQ(lineOf(lane + "line 1000 100\n"), 3);
  EXPECT_EQ(lineOf("tariff TOOLONGNAME\n"), 1);
  EXPECT_EQ(lineOf("date 3-14-2025\n"), 1);
  EXPECT_EQ(lineOf("origin 1234567\n"), 1);
  EXPECT_EQ(lineOf("origin 10001 NEW YORK\n"), 1);
  EXPECT_EQ(lineOf(lane + "line 100 10\ndiscount direct 100\n"), 4);
  EXPECT_EQ(lineOf(lane + "line 100 10\ndiscount both 10\n"), 4);
  EXPECT_EQ(lineOf(lane + "weight 100\n"), 3);
  // A shipment without lines or without an end is refused after its last line.
  EXPECT_EQ(lineOf(lane), 3);
  EXPECT_EQ(lineOf("origin 10001\nline 100 10\n"), 3);
  std::string many = lane;
  for (int i = 0; i < 21; ++i) many += "line 100 10\n";
  EXPECT_EQ(lineOf(many), 23);
}

}  // namespace
}  // namespace rate_tool
