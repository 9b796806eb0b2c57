// Rate records by key through the rate file's index, substitute tariffs,
// the auxiliary tables (.C, .Z, .H) and the light edition's tables, over
// files the data-set builder writes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "driver/fake_rating_steps.h"
#include "rates/auxiliary_tables.h"
#include "rates/light_edition.h"
#include "rates/rate_record_fetch.h"
#include "rates/tariff_data_fixture.h"

namespace vorn {
namespace {

using testing::TariffData;

class TariffTables : public TariffData {
 protected:
  void key(std::string_view text) {
    ASSERT_EQ(text.size(), 10u);
    std::memcpy(rating_.tables.key.text.data(), text.data(), 10);
  }
  std::string head() const { return std::string(rating_.rates.rateRecord.head()); }
  std::string keyText() const { return std::string(rating_.tables.key.view()); }
};

constexpr std::string_view kIndexedRates = R"(
rates tariff=TSTFRT01
  record group=001 number=00001 entries=100
  record group=001 number=00005 entries=500
  record group=002 number=00001 letter=B entries=201
  record group=003 number=00007 letter=C
  index
)";

TEST_F(TariffTables, TheIndexPicksTheRangeAndTheFirstRecordNotBelowTheKey) {
  load("efcrec\n  record type=E\n" + std::string(kIndexedRates));
  key("001 00003A");
  FindTableEntry(engine_, rating_, 40);
  EXPECT_EQ(head(), "001 00005A");
  EXPECT_EQ(rating_.rates.rateRecord.entry(0), 500u);
  key("002 00000B");
  FindTableEntry(engine_, rating_, 40);
  EXPECT_EQ(head(), "002 00001B");
  key("003 00007C");
  FindTableEntry(engine_, rating_, 40);
  EXPECT_EQ(head(), "003 00007C");
  // Past the last record of its group, or of a group with no records.
  key("001 00009A");
  EXPECT_EQ(Raised([&] { FindTableEntry(engine_, rating_, 40); }), 214);
  // A key below the second entry's group is searched in the first range.
  key("000 00001A");
  EXPECT_EQ(Raised([&] { FindTableEntry(engine_, rating_, 40); }), 214);
}

TEST_F(TariffTables, WithoutAnIndexTheWholeFileIsOneRange) {
  load(
      "efcrec\n  record type=E\nrates tariff=TSTFRT01\n  record group=001 number=00001\n  record group=002 "
      "number=00001\n"
      "  record group=003 number=00007 letter=C\n");
  key("003 00007C");
  FindTableEntry(engine_, rating_, 40);
  EXPECT_EQ(head(), "003 00007C");
}

TEST_F(TariffTables, TypeJComparesExactly) {
  load(
      "efcrec\n  record type=J\nrates tariff=TSTFRT01\n  record group=001 number=00001\n  record group=001 "
      "number=00005\n  index\n");
  key("001 00003A");
  EXPECT_EQ(Raised([&] { FindTableEntry2(engine_, rating_, 52); }), 214);
  key("001 00005A");
  FindTableEntry2(engine_, rating_, 52);
  EXPECT_EQ(head(), "001 00005A");
}

std::string IndexTail(std::initializer_list<std::pair<std::string, std::uint32_t>> entries) {
  std::string tail;
  for (const auto& [k, offset] : entries) {
    tail += k;
    for (int i = 0; i < 4; ++i) tail.push_back(static_cast<char>(offset >> (8 * i) & 0xFF));
  }
  while (tail.size() < 700) tail += "***\0\0\0\0";
  return tail;
}

std::string RawRates(const std::string& tail) {
  std::string text =
      "rates raw tariff=TSTFRT01 suffix=01 record-size=40\n  record group=001 number=00001\n  record group=002 "
      "number=00001\n  raw text=\"";
  for (unsigned char c : tail) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", c);
    text += hex;
  }
  return text + "\"\n";
}

TEST_F(TariffTables, IndexOffsetsPastTheEndOrOutOfOrderAreSafe) {
  load("efcrec\n  record type=E\n" + RawRates(IndexTail({{"***", 0}, {"001", 0}, {"002", 40}, {"***", 99999}})),
       "TSTFRT01", true);
  key("002 00001A");
  FindTableEntry(engine_, rating_, 40);
  EXPECT_EQ(head(), "002 00001A");
  engine_.files.closeAll();
  add(RawRates(IndexTail({{"***", 0}, {"001", 0}, {"002", 400}, {"***", 40}})), true);
  key("002 00001A");
  EXPECT_EQ(Raised([&] { FindTableEntry(engine_, rating_, 40); }), 214);
}

TEST_F(TariffTables, ARecordWithoutSubRecordsIsUsedAsFound) {
  load(
      "efcrec\n  record type=E\nrates tariff=TSTFRT01\n  record number=00000 entries=7\n  record number=00001 "
      "entries=8\n");
  rating_.tables.substitutionFlag = substitution::kNo;
  key("001 00000A");
  LoadRateByTariffType(engine_, rating_, 40);
  EXPECT_EQ(head(), "001 00000A");
}

TEST_F(TariffTables, ASubRecordNumberStepsForwardToTheAdjustedKey) {
  std::string description = "efcrec\n  record type=E\nrates tariff=TSTFRT01\n";
  for (int k = 1; k <= 6; ++k) description += "  record number=0000" + std::to_string(k) + " letter=B\n";
  load(description + R"(
lettered tariff=TSTFRT01 letter=O record-size=18
  raw text="001000100050009   "
  raw text="*                 "
lettered tariff=TSTFRT01 letter=H record-size=9
  raw text="10050002 "
)");
  route("10050 ", "20010 ");
  key("001 00001B");
  LoadRateByTariffType(engine_, rating_, 40);
  EXPECT_EQ(head(), "001 00003B");
  key("001 00005B");  // 5 + 2: past the last record
  EXPECT_EQ(Raised([&] { LoadRateByTariffType(engine_, rating_, 40); }), 214);
}

TEST_F(TariffTables, LetterHSearchesWithADigitZeroAndCarriesTheDigitBack) {
  load("efcrec\n  record type=E\nrates tariff=TSTFRT01\n  record number=00001 letter=H entries=42\n");
  key("001 50001H");
  LoadRateByTariffType(engine_, rating_, 40);
  EXPECT_EQ(head(), "001 50001H");
  EXPECT_EQ(keyText(), "001 50001H");
  EXPECT_EQ(rating_.rates.rateRecord.entry(0), 42u);
}

class Substitutes : public TariffTables {
 protected:
  void SetUp() override {
    engine_.steps = &steps_;
    rating_.request.shipDate = DateKey{20, 24, 6, 1};
  }
  testing::FakeRatingSteps steps_;
};

TEST_F(Substitutes, TheSubstitutionFlagSwitchesToTheTariffNamedWith2A) {
  load(R"(
efcrec
  record type=E
  record kind=2 name=TSTFRT2A type=F date=2024-01-01
rates tariff=TSTFRT01
  record number=00001
rates tariff=TSTFRT2A
  record number=00001 entries=77
)");
  rating_.tables.substitutionFlag = substitution::kYes;
  key("001 00001A");
  LoadRateByTariffType(engine_, rating_, 40);
  EXPECT_EQ(engine_.currentTariff.name(), "TSTFRT2A");
  EXPECT_EQ(engine_.currentTariff.tariffType, 'F');
  EXPECT_EQ(rating_.rates.rateRecord.length(), 52u);
  EXPECT_EQ(rating_.rates.rateRecord.entry(0), 77u);
}

TEST_F(Substitutes, LetterBWithoutALightEntrySwitchesToo) {
  load(R"(
efcrec
  record type=E
  record kind=2 name=TSTFRT2A type=E date=2024-01-01
rates tariff=TSTFRT01
  record number=00001 letter=B entries=1
rates tariff=TSTFRT2A
  record number=00001 letter=B entries=2
)");
  key("001 00001B");
  rating_.tables.substitutionFlag = substitution::kNo;
  FetchLetterBRate(engine_, rating_, 40);
  EXPECT_EQ(rating_.rates.rateRecord.entry(0), 1u);
  rating_.tables.substitutionFlag = substitution::kNoEntry;
  FetchLetterBRate(engine_, rating_, 40);
  EXPECT_EQ(rating_.rates.rateRecord.entry(0), 2u);
  EXPECT_EQ(engine_.currentTariff.name(), "TSTFRT2A");
}

TEST_F(Substitutes, TheSubstituteColumnsNameTheTypeAndTheSuffix) {
  load(R"(
efcrec
  record type=E substitute=F substitute-suffix=31
rates tariff=TSTFRT31 type=F suffix=01
  record number=00001 entries=5
)");
  EXPECT_EQ(ReloadTariff(engine_, rating_, "2A"), 52u);
  EXPECT_EQ(engine_.currentTariff.name(), "TSTFRT31");
  EXPECT_EQ(engine_.currentTariff.tariffType, 'F');
}

TEST_F(Substitutes, AMissingRateFileOrAnUnknownTypeIsRaised) {
  load("efcrec\n  record type=E substitute=F substitute-suffix=31\n");
  EXPECT_EQ(Raised([&] { ReloadTariff(engine_, rating_, "2A"); }), 208);
  engine_.currentTariff.substituteType = 'W';  // not in the type table, with a rate file of its own
  engine_.currentTariff.substituteSuffix = {'0', '1'};
  add("rates tariff=TSTFRT01 suffix=01 record-size=40\n  record\n");
  EXPECT_EQ(Raised([&] { ReloadTariff(engine_, rating_, "2A"); }), 202);
}

TEST_F(TariffTables, OriginRangesMatchTheOriginThenTheDestination) {
  load(R"(
efcrec
  record
class-factors tariff=TSTFRT01
  range low=10000 high=10099 percent=9000
  range low=20000 high=20099 percent=8000
  range low=30000 high=30099
)");
  route("20050 ", "30000 ");
  EXPECT_EQ(FindOriginRange(engine_, rating_), 1);
  EXPECT_EQ(rating_.tables.originRangeCount, 3u);
  EXPECT_EQ(rating_.tables.originRanges[1].integerAt<std::uint16_t>(9), 8000);
  route("40000 ", "30050 ");
  EXPECT_EQ(FindOriginRange(engine_, rating_), 2);
  route("40000 ", "50000 ");
  EXPECT_EQ(FindOriginRange(engine_, rating_), kNoOriginRange);
}

TEST_F(TariffTables, AMissingClassFactorFileIsItsCode) {
  load("efcrec\n  record\n");
  route("20050 ", "30000 ");
  EXPECT_EQ(FindOriginRange(engine_, rating_), 270);
}

TEST_F(TariffTables, AZipPairStoredOnlyBackwardsIsFoundOnTheSecondSearch) {
  load(R"(
efcrec
  record
zip-pairs tariff=TSTFRT01
  pair direction=B origin-low=10000 origin-high=10099 destination-low=20000 destination-high=20099 layout=2 count=4 flag=* amount0=1500
  pair direction=F origin-low=30000 origin-high=30099 destination-low=40000 destination-high=40099 key-low=00001B key-high=00001B
)");
  const std::string record = "001 00001B";
  rating_.rates.rateRecord.assign(std::span(reinterpret_cast<const std::uint8_t*>(record.data()), record.size()));
  route("20050 ", "10050 ");  // stored with the lower ZIP first
  EXPECT_EQ(ReadZipPair(engine_, rating_), 0);
  EXPECT_EQ(rating_.tables.zipPair.charAt(25), '2');
  EXPECT_EQ(rating_.tables.zipPair.byteAt(28) | rating_.tables.zipPair.byteAt(29) << 8, 1500);
  route("30050 ", "40050 ");
  EXPECT_EQ(ReadZipPair(engine_, rating_), 0);
  route("40050 ", "30050 ");  // forward only
  EXPECT_EQ(ReadZipPair(engine_, rating_), -1);
  EXPECT_FALSE(rating_.tables.hasZipPair);
  std::filesystem::remove(data_.path() / "TSTFRT01.Z01");
  EXPECT_EQ(ReadZipPair(engine_, rating_), 205);
}

TEST_F(TariffTables, RateBasisAddOnsOfBothDirectionsAreSummed) {
  load(R"(
efcrec
  record
rbno-addons tariff=TSTFRT01
  addon letter=B origin-low=10000 origin-high=10049 destination-low=20000 destination-high=20099 amount=00150
  addon letter=B origin-low=20000 origin-high=20049 destination-low=10000 destination-high=10099 sign=- amount=00050
  addon letter=C origin-low=10000 destination-low=20000 amount=00999
)");
  key("001 00001B");
  route("10020 ", "20040 ");
  EXPECT_EQ(SumRateBasisAddons(engine_, rating_), 100);
  route("10050 ", "20040 ");  // past the first origin range's end
  EXPECT_EQ(SumRateBasisAddons(engine_, rating_), -50);
  key("001 00001C");
  EXPECT_EQ(SumRateBasisAddons(engine_, rating_), 999);
  std::filesystem::remove(data_.path() / "TSTFRT01.H01");
  engine_.files.closeAll();
  EXPECT_EQ(Raised([&] { SumRateBasisAddons(engine_, rating_); }), 260);
}

constexpr std::string_view kLightFiles = R"(
light-base tariff=TSTFRT01
  code code=A1
  base low=10000 high=10099 key=00010
  base low=20000 high=20099 key=00020 add=00003
  code code=A2
  base low=30000 high=30099 key=00030
  base low=40000 high=40099 key=00040
  code code=E
  base char=E low=10000 high=10099 key=00010
  base low=20000 high=20099 key=00020
  code code=H
  base low=10000 high=10099 key=00010 add=00004
  base low=20000 high=20099 key=00010 add=00005
light-matrix tariff=TSTFRT01
  code code=A1
  matrix a=00010 b=00020 number=00123 letter=E
  code code=A2
  matrix a=00030 b=00040 number=00456 letter=K
  code code=H
  matrix a=00010 b=00010 number=00100 letter=G
)";

TEST_F(TariffTables, TheBuiltInLetteredCodeTableServesWithoutABlock) {
  load("efcrec\n  record\n" + std::string(kLightFiles));
  LoadLetteredCodeTable(engine_);
  EXPECT_EQ(engine_.letteredCodes.letter(24), 'X');
  key("    30001E");
  ApplyLetteredCode(engine_, rating_, 'E');  // prefixes 1, 2, 3 fit 30001; 4 does not
  EXPECT_EQ(keyText().substr(0, 3), "007");
  EXPECT_EQ(rating_.tables.substitutionFlag, substitution::kNo);
  key("    05000F");
  ApplyLetteredCode(engine_, rating_, 'F');
  EXPECT_EQ(keyText().substr(0, 3), "009");
  EXPECT_EQ(rating_.tables.substitutionFlag, substitution::kYes);
  EXPECT_EQ(Raised([&] { ApplyLetteredCode(engine_, rating_, 'Z'); }), 272);
}

TEST_F(TariffTables, ATariffsOwnBlockReplacesTheTableAndEndsAtAStar) {
  std::string files(kLightFiles);
  files.insert(files.find("light-matrix"),
               "  letters-begin\n  letter-entry letter=E group=051 flag=Y\n  letter-entry letter=E prefix=5 group=052 "
               "flag=Q\n  letters-end\n");
  load("efcrec\n  record\n" + files);
  LoadLetteredCodeTable(engine_);
  EXPECT_EQ(engine_.letteredCodes.letter(2), '*');
  key("    60001E");
  ApplyLetteredCode(engine_, rating_, 'E');
  EXPECT_EQ(keyText().substr(0, 3), "052");
  EXPECT_EQ(rating_.tables.substitutionFlag, substitution::kNoEntry);
  key("    60001Z");
  ApplyLetteredCode(engine_, rating_, 'Z');  // the '*' entry comes first: nothing changes
  EXPECT_EQ(keyText(), "    60001Z");
}

TEST_F(TariffTables, KindAFindsTheMatrixRecordOfTheTwoBasesThenTriesA2) {
  load("efcrec\n  record\n" + std::string(kLightFiles));
  route("20050 ", "10050 ");  // the lower matrix key goes first
  EXPECT_EQ(RateLiteTariff(engine_, rating_, 'A'), 'E');
  EXPECT_EQ(keyText(), "005 00123E");
  route("30050 ", "40050 ");
  EXPECT_EQ(RateLiteTariff(engine_, rating_, 'A'), 'K');
  EXPECT_EQ(keyText(), "016 00456K");
  route("50050 ", "40050 ");
  EXPECT_EQ(RateLiteTariff(engine_, rating_, 'A'), 0);
}

TEST_F(TariffTables, KindEAddsSeventyForEachEndMarkedE) {
  load("efcrec\n  record\n" + std::string(kLightFiles));
  key("001 00100A");
  route("10050 ", "20050 ");
  EXPECT_EQ(RateLiteTariff(engine_, rating_, 'E'), 0);
  EXPECT_EQ(keyText(), "001 00170A");
}

TEST_F(TariffTables, KindHAddsTheSumOfTheAddValues) {
  load("efcrec\n  record\n" + std::string(kLightFiles));
  route("10050 ", "20050 ");
  EXPECT_EQ(RateLiteTariff(engine_, rating_, 'H'), 'G');
  EXPECT_EQ(keyText(), "011 00109G");  // 100 + 4 + 5; the equal keys ran the table step for G
}

constexpr std::string_view kStepFiles = R"(
light-base tariff=TSTFRT01
  code code=B
  base low=10000 high=10099 key=00010
  base low=20000 high=20099 key=00020
  code code=M
  base low=10000 high=10099 add=00004
  base low=20000 high=20099 add=00005
  letters-begin
  letter-entry letter=M group=020
  letter-entry letter=K group=021 flag=Y
  letters-end
light-matrix tariff=TSTFRT01
  code code=B
  matrix a=00010 b=00020 number=00777 letter=K
)";

TEST_F(TariffTables, TheSecondStepOfKindBDecidesByTheMatrix) {
  load("efcrec\n  record\n" + std::string(kStepFiles));
  std::int32_t value = 0;
  route("10050 ", "20050 ");
  EXPECT_EQ(RateLiteStep(engine_, rating_, 'B', value), 1);
  EXPECT_EQ(keyText(), "021 00777K");
  EXPECT_EQ(rating_.tables.substitutionFlag, substitution::kYes);
  route("10050 ", "30050 ");  // one end without a base record
  EXPECT_EQ(RateLiteStep(engine_, rating_, 'B', value), 0);
}

TEST_F(TariffTables, TheSecondStepOfKindMAddsTheAddValuesOrTakesTheCityAddOn) {
  load("efcrec\n  record\n" + std::string(kStepFiles));
  route("10050 ", "20050 ");
  std::int32_t value = 100;
  EXPECT_EQ(RateLiteStep(engine_, rating_, 'M', value), 0);
  EXPECT_EQ(value, 109);
  EXPECT_EQ(keyText().substr(0, 3) + keyText().substr(4), "02000109M");
  engine_.factors.cityAddOns = {{50, 0}, {200, 300}};
  value = 100;
  RateLiteStep(engine_, rating_, 'M', value);
  EXPECT_EQ(value, 300);  // the first entry from 109 up
  engine_.factors.cityAddOns = {{50, 400}};
  value = 100;
  RateLiteStep(engine_, rating_, 'M', value);
  EXPECT_EQ(value, 400);  // none from 109 up: the last entry
  EXPECT_EQ(keyText().substr(4, 5), "00400");
}

TEST_F(TariffTables, TheTextVariantLooksUpZipsAndKeysAsText) {
  load(R"(
efcrec
  record
light-base tariff=TSTFRT01 form=text
  code code=D
  base low=10000 high=10099 key=00010
light-matrix tariff=TSTFRT01 form=text
  code code=D
  matrix a=00010 b=20099 number=00321 letter=F
)");
  route("10050 ", "20050 ");  // the destination has no base record: it stands for 20099
  EXPECT_EQ(RateLiteTariff(engine_, rating_, 'D', LightForm::Text), 'F');
  EXPECT_EQ(keyText(), "009 00321F");
  EXPECT_TRUE(rating_.tables.hasOriginBase);
  EXPECT_FALSE(rating_.tables.hasDestinationBase);
}

TEST_F(TariffTables, MissingLightFilesAreTheirCodes) {
  load("efcrec\n  record\n");
  route("10050 ", "20050 ");
  EXPECT_EQ(Raised([&] { RateLiteTariff(engine_, rating_, 'A'); }), 221);
  add("light-base tariff=TSTFRT01 suffix=01\n  code code=A1\n  base low=10000 high=10099 key=00010\n");
  EXPECT_EQ(Raised([&] { RateLiteTariff(engine_, rating_, 'A'); }), 222);
}

}  // namespace
}  // namespace vorn
