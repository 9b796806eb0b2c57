// The city files of a tariff: city points in both record forms and the city
// add-ons behind their headings; their bytes, their decoding and the checks.
#include <gtest/gtest.h>

#include "dataset/data_set.h"
#include "dataset/read_back.h"
#include "test_support.h"

namespace dataset {
namespace {

using testing::Built;
using testing::Bytes;
using testing::DescriptionProblems;
using testing::ErrorOf;
using testing::Messages;
using testing::Rebuilt;

TEST(CityPoints, PackedRecordsHoldTheKeyTheCitysZipAndItsStateAndCity) {
  const std::string set =
      "city-points tariff=T suffix=01\n  city key=10001 zip=10050 state=NY city=\"NEW YORK\"\n  city key=10001 "
      "zip=10099\n"
      "  city key=k1a zip=K1B state=ON city=OTTAWA\n";
  const std::string content = Built(set, "T.E01");
  ASSERT_EQ(content.size(), 75u);
  EXPECT_EQ(content.substr(0, 25), Bytes({0x01, 0x00, 0x01, 0x01, 0x00, 0x50}) + "NYNEW YORK         ");
  EXPECT_EQ(content.substr(25, 25), Bytes({0x01, 0x00, 0x01, 0x01, 0x00, 0x99}) + "**                 ");  // any city
  EXPECT_EQ(content.substr(50, 6), "K1AK1B");
  EXPECT_EQ(DecodeContent("city-points tariff=T suffix=01", content),
            "city-points tariff=T suffix=01 form=zip\n  city key=10001 zip=10050 state=NY city=\"NEW YORK\"\n  city "
            "key=10001 zip=10099\n"
            "  city key=K1A zip=K1B state=ON city=OTTAWA\n");
  EXPECT_EQ(Rebuilt("city-points tariff=T suffix=01", content), content);
}

TEST(CityPoints, CodeRecordsHoldSixCharacterKeysAndCodes) {
  const std::string set =
      "city-points tariff=T suffix=02 form=code\n  city key=10001 code=10050M state=NY city=ALBANY\n";
  const std::string content = Built(set, "T.E02");
  EXPECT_EQ(content, "10001 10050MNYALBANY           ");
  EXPECT_EQ(Rebuilt("city-points tariff=T suffix=02 form=code", content), content);
  EXPECT_EQ(ErrorOf("city-points tariff=T suffix=01 form=wide\n"), "line 1: field 'form': \"wide\" is not zip or code");
  EXPECT_EQ(ErrorOf("city-points tariff=T suffix=01\n  city city=\"A CITY NAME LONGER\"\n"),
            "line 2: field 'city': 'A CITY NAME LONGER' is longer than 17 characters");
}

TEST(CityPoints, ChecksWantKeysInOrderAndRecordsOfTheForm) {
  EXPECT_TRUE(
      DescriptionProblems("city-points tariff=T suffix=01\n  city key=10001\n  city key=10001\n  city key=20000\n")
          .empty());
  const std::vector<std::string> problems =
      DescriptionProblems("city-points tariff=T suffix=01\n  city key=20000\n  city key=10001\n");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("record 1"), std::string::npos) << problems[0];
  EXPECT_EQ(Messages("city-points tariff=T suffix=01", std::string(24, ' ')),
            (std::vector<std::string>{"0: is 24 bytes, not 25"}));
  EXPECT_EQ(Messages("city-points tariff=T suffix=01 form=code", std::string(25, ' ')).size(), 1u);  // a 31-byte form
}

TEST(CityAddOns, HeadingsEndWithTheStarRecordAndAddOnsFollow) {
  const std::string set =
      "city-addons tariff=T suffix=01\n  heading text=001000100050009\n  heading\n"
      "  addon code=10001 char6=A direction=F value=200 state=NY city=\"NEW YORK\"\n  addon code=10001 char5=X "
      "char6=B\n";
  const std::string content = Built(set, "T.O01");
  ASSERT_EQ(content.size(), 18 * 2 + 28 * 2u);
  EXPECT_EQ(content.substr(0, 36), "001000100050009   *                 ");
  EXPECT_EQ(content.substr(36, 28), "10001 AF" + Bytes({200}) + "NYNEW YORK         ");
  EXPECT_EQ(content.substr(64, 8), "10001XBB");
  EXPECT_EQ(Rebuilt("city-addons tariff=T suffix=01", content), content);
}

TEST(CityAddOns, ChecksWantTheEndHeadingAndTheFilesOrder) {
  EXPECT_EQ(
      Messages("city-addons tariff=T suffix=01", std::string(18, '1')),
      (std::vector<std::string>{"no heading record begins with '*' (the engine reads the headings up to that one)"}));
  // Character 6 sorts before character 5.
  const std::string unsorted =
      "city-addons tariff=T suffix=01\n  heading\n  addon code=10001 char5=A char6=B\n  addon code=10001 char5=B "
      "char6=A\n";
  EXPECT_EQ(DescriptionProblems(unsorted).size(), 1u);
  EXPECT_TRUE(DescriptionProblems("city-addons tariff=T suffix=01\n  heading\n  addon code=10001 char5=B char6=A\n  "
                                  "addon code=10001 char5=A char6=B\n")
                  .empty());
  EXPECT_EQ(Messages("city-addons tariff=T suffix=01", "*" + std::string(17, ' ') + "10001  1"),
            (std::vector<std::string>{"1: is 8 bytes, not 28"}));
}

}  // namespace
}  // namespace dataset
