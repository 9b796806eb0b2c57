// City points: a code's cities in the tariff's city file (both record
// forms), the city choice in found mode with the caller's candidates buffer,
// and what bad or missing city data gives.
#include "points/city_points.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "points/candidates.h"
#include "points/points_fixture.h"

namespace vorn {
namespace {

using testing::Code;
using testing::PointsTest;

constexpr LaneSide kOrigin = LaneSide::Origin;
constexpr LaneSide kDestination = LaneSide::Destination;

// 10001 has two cities with points of their own; 20001 one record for any
// city; K1A (a postal prefix) one city.
constexpr std::string_view kCities = R"(
city-points tariff=TSTFRT01
  city key=10001 zip=10050 state=NY city=ALBANY
  city key=10001 zip=10077 state=NY city=BUFFALO
  city key=20001 zip=20099
  city key=K1A zip=K2B state=ON city=OTTAWA
)";

class CityPoints : public PointsTest {
 protected:
  void SetUp() override { reload(std::string("efcrec\n  record\n") + std::string(kCities)); }
  // The packed lookup of one end: the code it leaves ("" when not found).
  std::string lookUp(LaneSide side) {
    std::array<char, 6>& code = side == kOrigin ? rating_.request.originCode : rating_.request.destinationCode;
    std::array<char, 6> c = code;
    return answered([&] { return CityByPackedZip(engine_, rating_, side, c); }) ? Code(c) : "";
  }
};

TEST_F(CityPoints, TheRequestsCityGivesItsPointsCode) {
  end(kOrigin, "10001 ", "NYBUFFALO");
  EXPECT_EQ(lookUp(kOrigin), "10077 ");
  EXPECT_EQ(requestCity(kOrigin), "NYBUFFALO          ");
  end(kOrigin, "K1A0B1", "ONOTTAWA");
  EXPECT_EQ(lookUp(kOrigin), "K2B0B1");  // matched on its first three characters; the rest is kept
  end(kOrigin, "k1a0b1", "ONOTTAWA");
  EXPECT_EQ(lookUp(kOrigin), "K2B0b1");
}

TEST_F(CityPoints, AnyCityOfTheCodeIsRatedWithTheFirstAndNeverListed) {
  candidateRequest('F');
  end(kOrigin, "10001 ", "**");
  EXPECT_EQ(lookUp(kOrigin), "10050 ");
  EXPECT_EQ(count(), static_cast<std::int32_t>(0xEEEEEEEE));  // no list
  // A code whose one record stands for every city answers whatever the city.
  end(kDestination, "20001 ", "VAANYWHERE");
  EXPECT_EQ(lookUp(kDestination), "20099 ");
  end(kDestination, "20001 ", "");
  EXPECT_EQ(lookUp(kDestination), "20099 ");
  EXPECT_EQ(count(), static_cast<std::int32_t>(0xEEEEEEEE));
}

TEST_F(CityPoints, AnUnmatchedCityListsTheCodesCitiesEndingWithNoneOfTheAbove) {
  candidateRequest('F');
  end(kOrigin, "10001 ", "NYROCHESTER");
  EXPECT_EQ(Raised([&] { lookUp(kOrigin); }), 124);  // the tariff's letter is 'N'
  EXPECT_EQ(record_.text(shipment::kReturnCode), "0124");
  EXPECT_EQ(record_.charAt(7), 'B');
  ASSERT_EQ(count(), 3);
  EXPECT_EQ(listKind(), 0);
  EXPECT_EQ(key().substr(0, 5), "10001");
  EXPECT_EQ(key()[5], '\xEE');  // the sixth byte is left alone
  EXPECT_EQ(entry(0), "NYALBANY           ");
  EXPECT_EQ(entry(1), "NYBUFFALO          ");
  EXPECT_EQ(entry(2), "  None of the above");
  EXPECT_EQ(entryEnd(2), 0);

  // Rated again with a listed city: its point; with "None of the above"
  // (its index is the record count) the city stays unmatched.
  candidateRequest(' ');
  end(kOrigin, "10001 ", "NYALBANY");
  EXPECT_EQ(lookUp(kOrigin), "10050 ");
  end(kOrigin, "10001 ", entry(2));
  EXPECT_EQ(lookUp(kOrigin), "");
  end(kOrigin, "10001 ", "NYROCHESTER");
  EXPECT_EQ(lookUp(kOrigin), "");
}

TEST_F(CityPoints, OtherTariffsListTheCitiesAndRateOn) {
  reload("efcrec\n  record letter=Y\n");
  candidateRequest('F');
  end(kOrigin, "10001 ", "NYROCHESTER");
  EXPECT_EQ(lookUp(kOrigin), "");  // listed, not matched: the code stands
  EXPECT_EQ(count(), 3);
}

TEST_F(CityPoints, TheBufferHoldsWhatItsCapacityHoldsOrSays129) {
  std::string many = "efcrec\n  record\ncity-points tariff=TSTFRT01\n";
  for (int i = 0; i < 48; ++i) many += "  city key=30001 zip=30001 state=PA city=TOWN" + std::to_string(100 + i) + "\n";
  reload(many);
  candidateRequest('F');
  end(kOrigin, "30001 ", "PANOWHERE");
  // 48 cities and "None of the above": 49 entries do not fit in 960 bytes.
  EXPECT_EQ(Raised([&] { lookUp(kOrigin); }), 129);
  EXPECT_EQ(count(), -1);
  setCapacity(980);
  EXPECT_EQ(Raised([&] { lookUp(kOrigin); }), 124);
  EXPECT_EQ(count(), 49);
  EXPECT_EQ(entry(48), "  None of the above");
  rating_.cityCandidates = nullptr;
  EXPECT_EQ(Raised([&] { lookUp(kOrigin); }), 129);
  // 47 cities and the last entry fill 960 bytes exactly.
  reload("efcrec\n  record\n" + many.substr(many.find("city-points"), many.rfind("  city") - many.find("city-points")));
  setCapacity(960);
  EXPECT_EQ(Raised([&] { lookUp(kOrigin); }), 124);
  EXPECT_EQ(count(), 48);
}

TEST_F(CityPoints, AskingForAnErrorInsteadOfAListChangesNothingInFoundMode) {
  // Byte 9 'E' belongs to the not-found choice: a code that has cities
  // answers its point or stays unmatched.
  candidateRequest('E');
  end(kOrigin, "10001 ", "NYROCHESTER");
  EXPECT_EQ(lookUp(kOrigin), "");
  EXPECT_EQ(count(), static_cast<std::int32_t>(0xEEEEEEEE));
}

TEST_F(CityPoints, EachEndOfALaneSharingACodeIsMatchedOnItsOwnCity) {
  end(kOrigin, "10001 ", "NYALBANY");
  end(kDestination, "10001 ", "NYBUFFALO");
  EXPECT_EQ(lookUp(kOrigin), "10050 ");
  EXPECT_EQ(lookUp(kDestination), "10077 ");
  PrepareCityPoints(engine_, rating_, false);
  EXPECT_EQ(Code(rating_.request.originCode), "10050 ");
  EXPECT_EQ(Code(rating_.request.destinationCode), "10077 ");
}

TEST_F(CityPoints, CodeRecordsAreLookedUpOnSixCharacters) {
  reload(R"(
efcrec
  record flag45=A suffix.E=02
city-points tariff=TSTFRT01 form=code
  city key=10001 code=10050M state=NY city=ALBANY
  city key=10001M code=10077 state=NY city=ALBANY
)");
  end(kOrigin, "10001M", "NYALBANY");
  end(kDestination, "10001 ", "NYALBANY");
  std::array<char, 6> code = rating_.request.originCode;
  EXPECT_TRUE(CityByCode(engine_, rating_, kOrigin, code));
  EXPECT_EQ(Code(code), "10077 ");
  PrepareCityPoints(engine_, rating_, true);
  EXPECT_EQ(Code(rating_.request.originCode), "10077 ");
  EXPECT_EQ(Code(rating_.request.destinationCode), "10050M");
}

TEST_F(CityPoints, MissingShortOrUnusableCityDataFindsNothing) {
  end(kOrigin, "10001 ", "NYALBANY");
  std::filesystem::remove(data_.path() / "TSTFRT01.E01");
  engine_.files.closeAll();
  EXPECT_EQ(lookUp(kOrigin), "");  // no city file: the tariff has no city points
  // A file cut inside its second record holds one record.
  reload(std::string("efcrec\n  record\n") + std::string(kCities));
  std::filesystem::resize_file(data_.path() / "TSTFRT01.E01", 30);
  engine_.files.closeAll();
  EXPECT_EQ(lookUp(kOrigin), "10050 ");
  end(kOrigin, "10001 ", "NYBUFFALO");
  EXPECT_EQ(lookUp(kOrigin), "");
  std::filesystem::resize_file(data_.path() / "TSTFRT01.E01", 24);
  engine_.files.closeAll();
  EXPECT_EQ(lookUp(kOrigin), "");
  // Codes that do not pack are looked up nowhere.
  for (const char* code : {"      ", "1000A ", "?10001"}) {
    end(kOrigin, code, "NYALBANY");
    EXPECT_EQ(lookUp(kOrigin), "") << code;
  }
}

TEST_F(CityPoints, AKeyWithMoreThanAHundredCitiesListsTheFirstHundred) {
  std::string many = "efcrec\n  record\ncity-points tariff=TSTFRT01\n";
  for (int i = 0; i < 101; ++i)
    many += "  city key=30001 zip=30001 state=PA city=TOWN" + std::to_string(100 + i) + "\n";
  reload(many);
  setCapacity(20 * 101);
  candidateRequest('F');
  end(kOrigin, "30001 ", "PATOWN200");  // the 101st city
  EXPECT_EQ(Raised([&] { lookUp(kOrigin); }), 124);
  EXPECT_EQ(count(), 101);
  EXPECT_EQ(entry(99), "PATOWN199          ");
  EXPECT_EQ(entry(100), "  None of the above");
}

}  // namespace
}  // namespace vorn
