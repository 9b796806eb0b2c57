// The rate of a class at a weight break by tariff type, from rate records
// and factor files the data-set builder writes. Each case gives the hand
// calculation; x p is (x x p + 5000) / 10000, truncated.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/class_break_rate.h"
#include "core/core_pass.h"
#include "fetch/rate_by_type.h"
#include "rates/rate_file.h"
#include "rates/tariff_data_fixture.h"
#include "rating/rate_source.h"

namespace vorn {
namespace {

using testing::TariffData;

// Entries of a rate record: value at index, 0 elsewhere, count in all.
std::string Entries(std::initializer_list<std::pair<int, int>> values, int count) {
  std::vector<int> e(static_cast<std::size_t>(count), 0);
  for (const auto& [i, v] : values) e[static_cast<std::size_t>(i)] = v;
  std::string out;
  for (int v : e) out += (out.empty() ? "" : " ") + std::to_string(v);
  return out;
}

class RateFetch : public TariffData {
 protected:
  // Loads the tariff, reads its factor file and its rate record 0.
  void rate(const std::string& description) {
    load(description);
    ASSERT_EQ(PrepareWorkTables(engine_, rating_), 0);
    ReadRateRecordAt(engine_, rating_, 0, CurrentRateRecordLength(engine_));
  }
  std::int32_t at(int c, int b) { return FetchRateByTariffType(engine_, rating_, c, b); }
};

// Digit-format factors: classes 100 and 50, breaks 0, 500, 1000.
constexpr std::string_view kTwoClassesDigits = R"(
factor tariff=TSTFRT01
  sets numbers=1
  classes codes="100 50"
  breaks weights="1000 500 0"
  class-factors
  break-factors
)";

TEST_F(RateFetch, FlatTypesReadTheEntryOfClassAndBreak) {
  rate("efcrec\n  record type=0\n" + std::string(kTwoClassesDigits) +
       "rates tariff=TSTFRT01\n  record entries=\"5000 11 12 13 21 22 23\"\n");
  // e(1 + breakCount x c + b): class 50 (row 1) at break 2 is e(1 + 3 + 2) = e(6).
  EXPECT_EQ(at(1, 2), 23);
  EXPECT_EQ(at(0, 0), 11);  // e(1)
  // Types 3, 4 and 6 read the same entries; type N rates by its base type.
  for (char type : {'3', '4', '6'}) {
    engine_.currentTariff.tariffType = type;
    EXPECT_EQ(at(1, 0), 21) << type;
  }
  engine_.currentTariff.tariffType = 'N';
  engine_.currentTariff.baseType = '0';
  EXPECT_EQ(at(0, 2), 13);
  // Through the core's lookup: 600 pounds is break 1, class 50 row 1: e(5).
  rating_.core.rateTable.fillNotFetched();
  EXPECT_EQ(GetClassBreakRate(engine_, rating_, EngineRateSource(), 600, "50"), 22);
  EXPECT_EQ(GetClassBreakRate(engine_, rating_, EngineRateSource(), 600, "85"), 0);  // not a class of the tariff
}

TEST_F(RateFetch, TypesWithoutAFetchRaise202AndMissingEntriesAreZero) {
  rate("efcrec\n  record type=0\n" + std::string(kTwoClassesDigits) +
       "rates tariff=TSTFRT01\n  record entries=\"5000 11\"\n");
  for (char type : {'2', 'Y', 'X'}) {
    engine_.currentTariff.tariffType = type;
    EXPECT_EQ(Raised([&] { at(0, 0); }), 202) << type;
  }
  engine_.currentTariff.tariffType = 'N';
  engine_.currentTariff.baseType = 'N';
  EXPECT_EQ(Raised([&] { at(0, 0); }), 202);
  // Entries past a short record, rows outside the tables: 0.
  engine_.currentTariff.tariffType = '0';
  rating_.rates.rateRecord.assign(rating_.rates.rateRecord.bytes().first(13));
  EXPECT_EQ(at(0, 0), 0);
  EXPECT_EQ(at(-1, 0), 0);
  EXPECT_EQ(at(40, 0), 0);
  rating_.rates.rateRecord.clear();
  EXPECT_EQ(at(1, 2), 0);
}

TEST_F(RateFetch, TypeOneTakesTheFactorsOfTheRecordsRateGroup) {
  rate(R"(
efcrec
  record type=1
factor tariff=TSTFRT01
  sets numbers="5 7"
  classes codes="100 50"
  breaks weights="1000 500 0"
  class-factors values="1 1"
  class-factors values="1.1 0.9"
  break-factors values="1 1 1"
  break-factors values="0.8 0.9 1"
rates tariff=TSTFRT01
  record group=007 number=00001 entries="0 0 0 0 12345"
  record group=009 number=00001 entries="0 0 0 0 12345"
)");
  // Group 7 is the second rate group, r = 1. Class 100 at break 2:
  // e(4) x Q[1][2] = (12345 x 8000 + 5000) / 10000 = 9876,
  // x P[1][0] = (9876 x 11000 + 5000) / 10000 = 10864.
  EXPECT_EQ(at(0, 2), 10864);
  // Class 50 at break 0: 12345 x 10000 = 12345, x 9000 = (111105000 + 5000) / 10000 = 11111.
  EXPECT_EQ(at(1, 0), 11111);
  // A group that is not among the rate groups has no rate.
  ReadRateRecordAt(engine_, rating_, 1, 25);
  EXPECT_EQ(at(0, 2), 0);
}

TEST_F(RateFetch, TypeDTakesTheBreaksFactorAndTheClasssFirstPercentage) {
  rate(R"(
efcrec
  record type=D
factor tariff=TSTFRT01
  section kind=1 classes="100 50" breaks="0 500 1000"
  factor-line values="1.2 1 1"
  factor-line values="0.5 1 1"
  extra-line values="1 0.9 0.8"
rates tariff=TSTFRT01
  record entries="0 0 0 0 12345"
)");
  // Class 50 at break 2: e(4) x Q[2][0] = (12345 x 8000 + 5000) / 10000 = 9876,
  // x P[1][0] = (9876 x 5000 + 5000) / 10000 = 4938.
  EXPECT_EQ(at(1, 2), 4938);
  // Class 100 at break 1: 12345 x 9000 = 11111, x 12000 = (133332000 + 5000) / 10000 = 13333.
  EXPECT_EQ(at(0, 1), 13333);
}

TEST_F(RateFetch, TypeFiveScalesTheFirstTenClassesAndReadsTheOthers) {
  rate(R"(
efcrec
  record type=5
factor tariff=TSTFRT01
  sets numbers=1
  classes codes="500 400 300 250 200 175 150 125 110 100 92 85 77"
  breaks weights="1000 500 0"
  class-factors values="1 1 1 1 1.25 1 1 1 1 1 1 1 1"
  break-factors
rates tariff=TSTFRT01
  record entries=")" +
       Entries({{2, 2001}, {22, 7777}}, 23) + R"("
)");
  // Class row 4 at break 1: e(b + 1) = e(2) = 2001, x P[0][4] = (2001 x 12500 + 5000) / 10000 = 2501.
  EXPECT_EQ(at(4, 1), 2501);
  // Class row 12 at break 3: e(3 + 9 x 12 - 89) = e(22), as it stands.
  EXPECT_EQ(at(12, 3), 7777);
}

TEST_F(RateFetch, TypeSevenTakesTheFactorsOfTheDistanceBand) {
  rate(R"(
efcrec
  record type=7
factor tariff=TSTFRT01
  sets numbers="1 2 3 4"
  classes codes="100 50"
  breaks weights="1000 500 0"
  class-factors
  class-factors
  class-factors values="1.5 1"
  class-factors
  break-factors
  break-factors
  break-factors values="1 1 0.95"
  break-factors
rates tariff=TSTFRT01
  record head="001 00900A" entries="0 5000"
)");
  // Distance 900 (bytes 5-8) is band 2. Class 100 at break 0:
  // e(1) x Q[2][0] = (5000 x 9500 + 5000) / 10000 = 4750, x P[2][0] = (4750 x 15000 + 5000) / 10000 = 7125.
  EXPECT_EQ(at(0, 0), 7125);
  EXPECT_EQ(at(1, 1), 5000);  // set 2's other factors are 1.0
  const std::vector<int> bands{TypeSevenBand(549), TypeSevenBand(550),  TypeSevenBand(800),
                               TypeSevenBand(801), TypeSevenBand(1500), TypeSevenBand(1501)};
  EXPECT_EQ(bands, (std::vector<int>{0, 1, 1, 2, 2, 3}));
}

// Letter-format factors: classes 100 and 50, breaks 0, 500, 1000; class 100
// has no percentage at break 1, class 50 none at all.
constexpr std::string_view kLeftPercents = R"(
factor tariff=TSTFRT01
  section kind=1 classes="100 50" breaks="0 500 1000"
  factor-line values="1 0 0.9"
  factor-line values="0 0 0"
)";

TEST_F(RateFetch, TypesAAndBTakeTheNearestNonZeroPercentageToTheLeft) {
  rate("efcrec\n  record type=A\n" + std::string(kLeftPercents) +
       "rates tariff=TSTFRT01\n  record entries=\"5000 1000 1100 1200\"\n");
  // Break 1 has 0: b' = 0, e(1) x 10000 = 1000.
  EXPECT_EQ(at(0, 1), 1000);
  // Break 2: e(3) x 9000 = (1200 x 9000 + 5000) / 10000 = 1080.
  EXPECT_EQ(at(0, 2), 1080);
  // No percentage anywhere: b' = 0 and p = 0.
  EXPECT_EQ(at(1, 2), 0);
  engine_.currentTariff.tariffType = 'B';
  EXPECT_EQ(at(0, 2), 1080);
  // Type A with point-file flag M reads e(1): 1000 x 9000 = 900.
  engine_.currentTariff.tariffType = 'A';
  engine_.currentTariff.flag45 = 'M';
  EXPECT_EQ(at(0, 2), 900);
}

TEST_F(RateFetch, LightEditionTypesReadTheEntryOfTheNearestPercentage) {
  rate("efcrec\n  record type=F\n" + std::string(kLeftPercents) +
       "rates tariff=TSTFRT01\n  record entries=\"0 101 102 103 3000 105 3333\"\n");
  // E and H: e(b' + 1); F: e(b' + 4); the percentage is left to the core.
  EXPECT_EQ(at(0, 1), 3000);  // b' = 0
  EXPECT_EQ(at(0, 2), 3333);
  engine_.currentTariff.tariffType = 'H';
  EXPECT_EQ(at(0, 1), 101);
  EXPECT_EQ(at(0, 2), 103);
  // G and I to M: e(b' + 4) x P[c][b']; break 2: (3333 x 9000 + 5000) / 10000 = 3000.
  for (char type : {'G', 'I', 'M'}) {
    engine_.currentTariff.tariffType = type;
    EXPECT_EQ(at(0, 1), 3000) << type;
    EXPECT_EQ(at(0, 2), 3000) << type;
    EXPECT_EQ(at(1, 2), 0) << type;  // no percentage at all
  }
}

class TypeCRates : public RateFetch {
 protected:
  void SetUp() override {
    rate(R"(
efcrec
  record type=C
factor tariff=TSTFRT01
  section kind=1 classes="085 100 150" breaks="0 500"
  factor-line values="1.1 1"
  factor-line values="1.2 1"
  factor-line values="1.3 1"
rates tariff=TSTFRT01
  record group=001 number=00001 letter=B entries="0 2001"
  record group=412 number=00001 letter=B entries="0 2001"
  record group=001 number=00001 letter=Z entries="0 2001"
)");
    // The kind letters' factor rows (the letter-format factor file gives
    // none of its own for type C): kind B is row 1.
    engine_.factors.factorRows[1][0] = 9000;
  }
};

TEST_F(TypeCRates, TheKindFactorAndThePercentageFollowTheClassCodeAndTariff) {
  // Class 085 sorts before 100: r x k = (2001 x 9000 + 5000) / 10000 = 1801, x p = (1801 x 11000 + 5000) / 10000 =
  // 1981.
  EXPECT_EQ(at(0, 0), 1981);
  EXPECT_EQ(at(1, 0), 1801);  // class 100: r x k only
  // Class 150 sorts after 100: r x p = (2001 x 13000 + 5000) / 10000 = 2601, x k = (2601 x 9000 + 5000) / 10000 = 2341.
  EXPECT_EQ(at(2, 0), 2341);
  // Tariff 412: r x k x p for every class; class 100: (1801 x 12000 + 5000) / 10000 = 2161.
  ReadRateRecordAt(engine_, rating_, 1, 40);
  EXPECT_EQ(at(1, 0), 2161);
  // Kind Z has no factor row: k = 10000, so class 100 keeps r.
  ReadRateRecordAt(engine_, rating_, 2, 40);
  EXPECT_EQ(at(1, 0), 2001);
}

}  // namespace
}  // namespace vorn
