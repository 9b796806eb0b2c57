// The sample set's city files as the build writes them: the data-set builder
// takes the description whole (its checks of record size, code shape, the
// lookups' sort order and the .MXR records' .CMX records pass), and the
// files hold what the lookups' tests and the sample tariffs rely on.
#include "city_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "dataset/data_set.h"
#include "platform/testing/temp_directory.h"

namespace sample_cities {
namespace {

class SampleCities : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fixed_ = new std::vector<City>(
        ReadFixedCities(platform::testing::ReadFileText(std::string(QIV_SAMPLES_DIR) + "/sample_cities.txt")));
    cities_ = new std::vector<City>(GenerateCities(*fixed_, {}, 22));
  }
  static void TearDownTestSuite() {
    delete fixed_;
    delete cities_;
  }
  static std::vector<City> Of(Country country) {
    std::vector<City> out;
    std::copy_if(cities_->begin(), cities_->end(), std::back_inserter(out),
                 [&](const City& c) { return c.country == country; });
    return out;
  }
  static inline std::vector<City>* fixed_ = nullptr;
  static inline std::vector<City>* cities_ = nullptr;
};

TEST_F(SampleCities, TheBuilderTakesTheDescriptionAndEveryFileHasItsCount) {
  platform::testing::TempDirectory dir;
  ASSERT_NO_THROW(dataset::BuildDataSet(Description(*cities_, "SAMPLE01"), dir.path()));
  const std::size_t fixedUs =
      std::count_if(fixed_->begin(), fixed_->end(), [](const City& c) { return c.country == Country::Us; });
  const std::size_t fixedCa =
      std::count_if(fixed_->begin(), fixed_->end(), [](const City& c) { return c.country == Country::Canada; });
  const std::size_t fixedMx =
      std::count_if(fixed_->begin(), fixed_->end(), [](const City& c) { return c.country == Country::Mexico; });
  EXPECT_EQ(std::filesystem::file_size(dir / "SAMPLE01.CTU"), (5000 + fixedUs) * 37);
  EXPECT_EQ(std::filesystem::file_size(dir / "SAMPLE01.CTC"), (1000 + fixedCa) * 37);
  EXPECT_EQ(std::filesystem::file_size(dir / "SAMPLE01.CMX"), (2000 + fixedMx) * 37);
  // Each Mexican city has its range record, at its own record number.
  EXPECT_EQ(std::filesystem::file_size(dir / "SAMPLE01.MXR"), (2000 + fixedMx) * 12);
  // The same seed writes the same cities.
  EXPECT_EQ(Description(GenerateCities(*fixed_, {}, 22), "SAMPLE01"), Description(*cities_, "SAMPLE01"));
  EXPECT_NE(Description(GenerateCities(*fixed_, {}, 23), "SAMPLE01"), Description(*cities_, "SAMPLE01"));
  // And the same cities whichever compiler built the generator: the
  // description's FNV-1a digest is fixed.
  std::uint64_t digest = 14695981039346656037ull;
  for (const char c : Description(*cities_, "SAMPLE01"))
    digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  EXPECT_EQ(digest, 72043189823401276u);
}

TEST_F(SampleCities, CodesLieWhereTheSampleTariffsRateAndClearOfTheFixedPoints) {
  std::set<std::string> fixedCodes;
  for (const City& c : *fixed_) fixedCodes.insert(c.code);
  const std::map<std::string, std::pair<int, int>> usRanges = {
      {"TX", {75000, 79999}}, {"NY", {10000, 14999}}, {"PA", {15000, 19699}},
      {"OH", {43000, 45999}}, {"IL", {60000, 62999}}, {"GA", {30000, 31999}},
      {"NC", {27000, 28999}}, {"MA", {2100, 2299}},   {"NJ", {8801, 8833}}};
  for (const City& c : Of(Country::Us)) {
    ASSERT_TRUE(usRanges.count(c.state)) << c.state;
    const int zip = std::stoi(c.code);
    EXPECT_GE(zip, usRanges.at(c.state).first) << c.code;
    EXPECT_LE(zip, usRanges.at(c.state).second) << c.code;
  }
  for (const City& c : Of(Country::Canada)) {
    EXPECT_EQ(c.state, "ON");
    EXPECT_NE(std::string("KLMNP").find(c.code[0]), std::string::npos) << c.code;
  }
  for (const City& c : Of(Country::Mexico)) {
    if (!c.high.empty()) continue;  // a fixed city with its range
    EXPECT_EQ(fixedCodes.count(c.code), 0u) << c.code;
    const int code = std::stoi(c.code);
    for (const City& f : *fixed_)
      if (!f.high.empty()) {
        EXPECT_FALSE(code >= std::stoi(f.code) && code <= std::stoi(f.high)) << c.code << " in " << f.name;
      }
  }
}

TEST_F(SampleCities, TexasHasSeveralSanCitiesAndOneNameIsInSeveralStates) {
  std::size_t san = 0;
  std::map<std::string, std::set<std::string>> statesOf;
  for (const City& c : Of(Country::Us)) {
    if (c.state == "TX" && c.name.rfind("SAN ", 0) == 0) ++san;
    statesOf[c.name].insert(c.state);
  }
  EXPECT_GE(san, 5u);
  EXPECT_GE(std::max_element(statesOf.begin(), statesOf.end(),
                             [](const auto& a, const auto& b) { return a.second.size() < b.second.size(); })
                ->second.size(),
            4u);
}

TEST(FixedCities, MalformedLinesAreRefusedWithTheirNumber) {
  EXPECT_EQ(ReadFixedCities("# comment\nus|10001|NY|NEW YORK\nmx|64000|NL|MONTERREY|64999\n").size(), 2u);
  for (const char* bad : {"us|10001|NY\n", "xx|10001|NY|A\n", "us|10001|NY|A|10099\n", "us|10001|NY|\n"}) {
    try {
      ReadFixedCities(bad);
      ADD_FAILURE() << bad;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()).rfind("line 1: ", 0), 0u) << e.what();
    }
  }
}

}  // namespace
}  // namespace sample_cities
