// City add-on values: the records of a key behind the RBA file's headings,
// summed for the request's city in a direction, and the city choice when
// only other cities are listed.
#include "points/city_addons.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "points/points_fixture.h"

namespace vorn {
namespace {

using testing::PointsTest;

constexpr LaneSide kOrigin = LaneSide::Origin;

// Key 10001AB: NYALBANY both ways 3, from (F) 5 and to (T) 40; key 10001BA
// sorts before it (character 6 before character 5); 20002 lists only
// Buffalo.
constexpr std::string_view kAddOns = R"(
efcrec
  record letter=N
city-addons tariff=TSTFRT01
  heading text=001000100050009
  heading
  addon code=10001 char5=B char6=A direction=B value=250 state=NY city=ALBANY
  addon code=10001 char5=A char6=B direction=B value=3 state=NY city=ALBANY
  addon code=10001 char5=A char6=B direction=F value=5 state=NY city=ALBANY
  addon code=10001 char5=A char6=B direction=T value=40 state=NY city=ALBANY
  addon code=20002 char5=A char6=B direction=B value=7 state=NY city=BUFFALO
  addon code=20002 char5=A char6=B direction=B value=9 state=NY city=BUFFALO
)";

class CityAddOns : public PointsTest {
 protected:
  void SetUp() override { reload(kAddOns); }
  std::int32_t value(std::string_view key, char direction) {
    return CityAddOnValue(engine_, rating_, kOrigin, key, direction);
  }
};

TEST_F(CityAddOns, TheCitysValuesInTheDirectionAndBothWaysAreSummed) {
  end(kOrigin, "10001 ", "NYALBANY");
  EXPECT_EQ(value("10001AB", 'F'), 3 + 5);
  EXPECT_EQ(value("10001AB", 'T'), 3 + 40);
  EXPECT_EQ(value("10001BA", 'F'), 250);  // one byte, unsigned
  EXPECT_EQ(value("10001AA", 'F'), 0);    // no record of the key
  EXPECT_EQ(value("99999AB", 'F'), 0);    // past the end of the file
}

TEST_F(CityAddOns, OnlyOtherCitiesGoToTheCityChoice) {
  end(kOrigin, "20002 ", "NYALBANY");
  EXPECT_EQ(value("20002AB", 'F'), 0);  // nothing chosen, no list asked for
  candidateRequest('F');
  EXPECT_EQ(Raised([&] { value("20002AB", 'F'); }), 124);
  ASSERT_EQ(count(), 3);
  EXPECT_EQ(key().substr(0, 5), "20002");
  EXPECT_EQ(entry(0), "NYBUFFALO          ");
  EXPECT_EQ(entry(2), "  None of the above");
  // With no buffer the list cannot be given: 129.
  rating_.cityCandidates = nullptr;
  EXPECT_EQ(Raised([&] { value("20002AB", 'F'); }), 129);
}

TEST_F(CityAddOns, ABlankCityTakesAListedCityOfAnyState) {
  reload(std::string(kAddOns) + "  addon code=30003 direction=B value=11 state=** city=ALBANY\n");
  end(kOrigin, "30003 ", "  ALBANY");
  EXPECT_EQ(value("30003  ", 'F'), 11);
  EXPECT_EQ(requestCity(kOrigin), "**ALBANY           ");
  EXPECT_EQ(answerCity(kOrigin), "**ALBANY           ");
}

TEST_F(CityAddOns, HeadingsWithoutTheirEndAndAMissingFile) {
  reload("efcrec\n  record\nlettered tariff=TSTFRT01 letter=O record-size=18\n  raw text=\"001000100050009   \"\n");
  end(kOrigin, "10001 ", "NYALBANY");
  EXPECT_EQ(value("10001AB", 'F'), 0);
  std::filesystem::remove(data_.path() / "TSTFRT01.O01");
  EXPECT_EQ(Raised([&] { value("10001AB", 'F'); }), 250);
}

}  // namespace
}  // namespace vorn
