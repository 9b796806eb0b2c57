// Whole ratings of the table types whose rate-record key the light edition's
// tables build ('I', 'J', 'K' under each variant sign, 'M'), through the
// engine's exports, on the lane of ratings/light_lane.h: points 1
// (10001-10099) and 3 (20000-20099), whose cell names rate record 2. The
// record each key leads to holds a minimum of 68.00 and the rates 30.00 and
// 25.00, rated with tariff number 5's tables (class 85 at 90 percent; the
// tariff's own tables rate it at 50): 165.00. Keys are written "group
// number letter"; each test's comment follows its key to the record.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "ratings/light_lane.h"
#include "ratings/rating_fixture.h"

namespace vorn {
namespace {

using testing::RatedShipment;
using testing::RatingThroughExports;

// The lettered codes of the light base: the kinds used below lead to group
// 005 (kind J stays in the group the light key names), and so does the
// sub-key '1'; kind N has no code.
constexpr std::string_view kLetteredCodes = R"(  letters-begin
  letter-entry letter=B group=005
  letter-entry letter=C group=005
  letter-entry letter=H group=005
  letter-entry letter=I group=005
  letter-entry letter=M group=005
  letter-entry letter=1 group=005
  letter-entry letter=Z group=005
  letters-end
)";

// The record a key leads to (its item's fields; RatedRecord: its line).
std::string Rated(std::string_view head) {
  return "head=\"" + std::string(head) + "\" entries=\"6800 0 0 0 3000 2500\"";
}
std::string Head(std::string_view head) { return "head=\"" + std::string(head) + "\""; }
std::string RatedRecord(std::string_view head) { return "  record " + Rated(head) + "\n"; }
// The record just below one a key leads to: the rate file's search finds the
// first record not below a key, so a key short of its number would rate this
// one, at 99.00.
std::string Decoy(std::string_view head) {
  return "  record head=\"" + std::string(head) + "\" entries=\"9900 0 0 0 9900 9900\"\n";
}

// A tariff of the type (EFCREC columns given), its rate records after the
// lane's (record 2), its light files (form given) and its number table.
std::string Tariff(std::string_view efcrec, std::string_view lane, std::string_view moreRecords, std::string_view form,
                   std::string_view base, std::string_view matrix, std::string_view numberTable = "") {
  return "efcrec\n  record " + std::string(efcrec) + std::string(testing::kLightLanePoints) + "  record " +
         std::string(lane) + "\n" + std::string(moreRecords) + "light-base tariff=TSTFRT01 form=" + std::string(form) +
         "\n" + std::string(base) + std::string(kLetteredCodes) +
         "light-matrix tariff=TSTFRT01 form=" + std::string(form) + "\n" + std::string(matrix) + R"(
factor tariff=TSTFRT01
  section kind=1 classes="100 85" breaks="0 500"
)" + std::string(numberTable) +
         R"(  factor-line
  factor-line values="0.5 0.5"
  section kind=5 classes="100 85 70" breaks="0 500"
  factor-line
  factor-line values="0.9 0.9"
  factor-line values="0.8 0.8"
lettered tariff=TSTFRT01 letter=Z
)";
}

// Base records of a table code for the two ends: matrix keys 00010 and
// 00020, add values as given.
std::string Bases(std::string_view code, std::string_view originAdd = "02020",
                  std::string_view destinationAdd = "02020") {
  return "  code code=" + std::string(code) + "\n  base low=10000 high=10099 key=00010 add=" + std::string(originAdd) +
         "\n  base low=20000 high=20099 key=00020 add=" + std::string(destinationAdd) + "\n";
}

// The number table (the factor file's HCITY list): numbers up to 20 give 42.
constexpr std::string_view kNumberTable = "  parameter name=HCITY value=\"20 42\"\n";

// A distance-tier minimum table (.M, 384 bytes) of zero amounts.
std::string ZeroTierTable() {
  std::string text = "lettered tariff=TSTFRT01 letter=M\n  raw text=\"";
  for (int i = 0; i < 384; ++i) text += "\\x00";
  return text + "\"\n";
}

struct KeyCase {
  const char* name;
  std::string tariff;
  const char* rateBasis;
  std::int32_t minimum = 6800;
};
void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

class LightKeyTypes : public RatingThroughExports, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(LightKeyTypes, RateTheRecordTheirKeyLeadsTo) {
  start(GetParam().tariff);
  testing::ExpectLightLaneRating(rate(testing::LightLane()), GetParam().rateBasis, GetParam().minimum);
}

// Kind 'B' (binary light files): the lane's record "001 00010B" keys group
// 005; the "B " bases give the ends matrix keys 00010 and 00020, whose
// matrix record holds 00032: 10 + 32 = 42, record "005 00042B".
std::string KindBTariff(std::string_view efcrec) {
  return Tariff(efcrec, Head("001 00010B"), Decoy("005 00041B") + RatedRecord("005 00042B"), "binary", Bases("B"),
                "  code code=B\n  matrix a=00010 b=00020 number=00032 letter=B\n");
}

INSTANTIATE_TEST_SUITE_P(
    Types, LightKeyTypes,
    ::testing::Values(
        KeyCase{"TypeIAddsTheNumberOfTheKindsLightMatrix", KindBTariff("type=I"), "     00042B"},
        // Type 'J': the lane's record "005 50000J" names its own number; the
        // key "011 50000J" (entry '0' is none: group 011 stays) adds the
        // "J1" add values 3 + 4: "011 50007J", which the rate file holds, so
        // the lane's record is read again and rates with the tables of its
        // variant digit, 5.
        KeyCase{"TypeJConfirmsTheLightKeyAndRatesTheLanesRecord",
                Tariff("type=J", Rated("005 50000J"), "  record head=\"011 50007J\"\n", "binary",
                       Bases("J1", "00003", "00004"), "  code code=J\n"),
                "     50000J"},
        // Type 'M': the key "001 00000H"; the "M " add values 10000 + 42 give
        // n = 10042: group 001, number 00042, "001 00042H", a numbered
        // record of kind H, whose lettered code leads to "005 00042H".
        KeyCase{"TypeMSplitsTheLightNumberIntoGroupAndNumber",
                Tariff("type=M", Head("001 00000A"),
                       Decoy("001 00041H") + "  record head=\"001 00042H\"\n" + Decoy("005 00041H") +
                           RatedRecord("005 00042H"),
                       "binary", Bases("M", "10000", "00042"), "  code code=M\n"),
                "     00042H"},
        // Type 'M' whose light tables find no number: the lane's own record,
        // "001 00042H", keyed by its kind's lettered code: "005 00042H".
        KeyCase{"TypeMWithoutALightNumberTakesTheLanesRecord",
                Tariff("type=M", Head("001 00042H"), Decoy("005 00041H") + RatedRecord("005 00042H"), "binary",
                       Bases("B"), "  code code=B\n"),
                "     00042H"},
        // Sign '_' (variant one), kind 'B': as type 'I'.
        KeyCase{"TypeKVariantOneAddsTheKindsNumber", KindBTariff("type=K flag68=_"), "     00042B"},
        // Sign '_', kind 'N' numbered 1: the sub-key '1' chooses the group
        // (kind N's own code would leave group 001): "005 00001N"; its
        // minimums are the distance tiers, all 0.
        KeyCase{"TypeKVariantOneKeysKindNByItsSubKey",
                Tariff("type=K flag68=_", Head("001 00001N"), RatedRecord("005 00001N"), "text", Bases("B"),
                       "  code code=B\n") +
                    ZeroTierTable(),
                "     00001N", 0},
        // Sign '^' (variant two), kind 'M', the second light table (text
        // form): the own number 10 plus the "M " add values 3 + 4 = 17,
        // which the number table turns into 42: "005 00042M". Kind M's
        // minimums are the distance tiers of the .M table, here all 0.
        KeyCase{"TypeKVariantTwoTakesTheNumberTablesValue",
                Tariff("type=K flag68=^", Head("001 00010M"), Decoy("005 00041M") + RatedRecord("005 00042M"), "text",
                       Bases("M", "00003", "00004"), "  code code=M\n", kNumberTable) +
                    ZeroTierTable(),
                "     00042M", 0},
        // Sign ']' (variant three), kind 'J' above 40000 (text form): its own
        // number 40010 plus the "J1" add values 3 + 4: "005 40017J".
        KeyCase{"TypeKVariantThreeAddsToAKindJAbove40000",
                Tariff("type=K flag68=]", Head("005 40010J"), Decoy("005 40016J") + RatedRecord("005 40017J"), "text",
                       Bases("J1", "00003", "00004"), "  code code=J\n"),
                "     40017J"},
        // Sign '\' (variant three), kind 'I': its own number 10 through the
        // number table gives 42: "005 00042I".
        KeyCase{"TypeKVariantThreeLooksKindIUpInTheNumberTable",
                Tariff("type=K flag68=\\", Head("001 00010I"), Decoy("005 00041I") + RatedRecord("005 00042I"),
                       "binary", Bases("B"), "  code code=B\n", kNumberTable),
                "     00042I"}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

// --- Kind C: the add-on record the core adds ---

// The lane's record "005 00042C" (a minimum of 60.00, rates 30.00 and
// 25.00); the base records of code "C ", looked up by the key's number 42,
// give both ends the add value 150: the core adds the first to the minimum
// (6150) and the second to breaks 0 and 1 of every class.
std::string KindCTariff(std::string_view efcrec, std::string_view form, std::string_view baseKey) {
  return Tariff(efcrec, "head=\"005 00042C\" entries=\"6000 0 0 0 3000 2500\"", "", form,
                "  code code=C\n  base low=00040 high=00049 key=" + std::string(baseKey) + " add=00150\n", "");
}

void ExpectKindCCharges(const RatedShipment& a, std::string_view classRate, std::string_view classCharge,
                        std::string_view gross) {
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.rateBasis(), "     00042C");
  EXPECT_EQ(a.billedWeight(), "000700");
  EXPECT_EQ(a.lineRate(0), classRate);
  EXPECT_EQ(a.lineCharge(0), classCharge);
  EXPECT_EQ(a.lineRate(1), "0026.50");
  EXPECT_EQ(a.lineCharge(1), "000079.50");
  EXPECT_EQ(a.deficitCharge(), "000000.00");
  EXPECT_EQ(a.grossCharge(), gross);
  EXPECT_EQ(a.netCharge(), "0" + std::string(gross.substr(3)));
  EXPECT_EQ(a.appliedMinimum(), 6150);
}

using KindC = RatingThroughExports;

TEST_F(KindC, TypeIAddsTheAddOnRecordOnTheKeysTables) {
  // The key "005 00042C" (nothing found for kind C) is the lane's record,
  // rated with tariff number 5's tables: class 100 2500 + 150 = 2650, class
  // 85 2500 x 9000 = 2250 + 150 = 2400; 400 x 2400 / 100 = 9600 + 7950:
  // 175.50.
  start(KindCTariff("type=I", "binary", "00001"));
  ExpectKindCCharges(rate(testing::LightLane()), "0024.00", "000096.00", "000175.50");
}

TEST_F(KindC, TypeKVariantTwoAddsTheAddOnRecordOfTheSecondLightTable) {
  // Kind C has no add-on stage: the lane's record keeps the tariff's own
  // tables, class 85 at 50 percent: 1250 + 150 = 1400; 400 x 1400 / 100 =
  // 5600 + 7950: 135.50. The add values come from the text form.
  start(KindCTariff("type=K flag68=^", "text", "00001"));
  ExpectKindCCharges(rate(testing::LightLane()), "0014.00", "000056.00", "000135.50");
}

// --- Lanes the light keys do not rate: an engine code, no charge ---

struct RefusedCase {
  const char* name;
  std::string tariff;
  const char* code;
};
void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.name; }

class RefusedKeys : public RatingThroughExports, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedKeys, AnswerTheirCodeWithoutACharge) {
  start(GetParam().tariff);
  const RatedShipment a = rate(testing::LightLane());
  EXPECT_EQ(a.returnCode(), GetParam().code);
  EXPECT_EQ(a.lineCharge(0), "000000.00");
  EXPECT_EQ(a.lineCharge(1), "000000.00");
  EXPECT_EQ(a.appliedMinimum(), 0);
}

// The kind-B tariff of the first cases with its files changed.
std::string Without(std::string text, std::string_view from, std::string_view to = "") {
  text.replace(text.find(from), from.size(), to);
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Types, RefusedKeys,
    ::testing::Values(
        // A sign other than the four: nothing is looked up, so no line has
        // a rate (0401, the first line's code).
        RefusedCase{"TypeKWithoutAVariantSign", KindBTariff("type=K"), "0401"},
        // No light base file: its open code.
        RefusedCase{"TypeIWithoutItsLightBase",
                    Without(KindBTariff("type=I"),
                            "light-base tariff=TSTFRT01 form=binary\n" + Bases("B") + std::string(kLetteredCodes)),
                    "0221"},
        // The key's record names no number: 223.
        RefusedCase{"TypeIWhoseKeysRecordNamesNoNumber",
                    Without(KindCTariff("type=I", "binary", "00001"), "005 00042C", "005 00000C"), "0223"},
        // A number past five digits: 223.
        RefusedCase{"TypeKWhoseNumberPassesFiveDigits",
                    Without(KindBTariff("type=K flag68=_"), "001 00010B", "001 99990B"), "0223"},
        // Type J's light key names no record of the rate file: 214.
        RefusedCase{"TypeJWhoseKeyTheRateFileLacks",
                    Tariff("type=J", Rated("005 50000J"), "  record head=\"011 50008J\"\n", "binary",
                           Bases("J1", "00003", "00004"), "  code code=J\n"),
                    "0214"}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

// --- Type I's add-ons, variant one's kind H, and value hits on lanes ---

// Points 1 and 3 with an add-on of 1 each and a cell of 0: the lane's
// record is still record 2 (0 + 1 + 1), and the add-ons are 2.
std::string WithAddOns(std::string tariff) {
  tariff = Without(tariff, "number=1\n", "number=1 addon=1\n");
  tariff = Without(tariff, "number=3\n", "number=3 addon=1\n");
  return Without(tariff, "pair a=1 b=3 value=2", "pair a=1 b=3 value=0");
}

constexpr std::string_view kKindBMatrix = "  code code=B\n  matrix a=00010 b=00020 number=00032 letter=B\n";

// The rate-basis adjustment of group 005: a record numbered 0010 steps on
// by the origin's add-on of 2 (at most 9), to the record numbered 0012.
constexpr std::string_view kStepTo0012 = R"(lettered tariff=TSTFRT01 letter=O record-size=18
  raw text="005001000100009   "
  raw text="*                 "
lettered tariff=TSTFRT01 letter=H record-size=9
  raw text="10001002 "
)";

INSTANTIATE_TEST_SUITE_P(
    AddOnsAndKindH, LightKeyTypes,
    ::testing::Values(
        // Kind B: the own number 10 differs from the add-ons, which it takes,
        // and the matrix record's 32: 10 + 2 + 32 = 44, "005 00044B".
        KeyCase{"TypeIKindBAddsThePointsAddOnsAndTheMatrixNumber",
                WithAddOns(Tariff("type=I", Head("001 00010B"), Decoy("005 00043B") + RatedRecord("005 00044B"),
                                  "binary", Bases("B"), kKindBMatrix)),
                "     00044B"},
        // Kind B whose own number 2 already stands at the add-ons: 2 + 32 =
        // 34 (with them once more the key would pass the last record).
        KeyCase{"TypeIKindBStandingAtTheAddOnsTakesThemOnce",
                WithAddOns(Tariff("type=I", Head("001 00002B"), Decoy("005 00033B") + RatedRecord("005 00034B"),
                                  "binary", Bases("B"), kKindBMatrix)),
                "     00034B"},
        // Kind M: the own number 10 plus the "M " add values 3 + 4 is the
        // first sum, 17, which takes the add-ons: 19, "005 00019M".
        KeyCase{"TypeIKindMAddsItsStepsNumberAndTheAddOns",
                WithAddOns(Tariff("type=I", Head("001 00010M"), Decoy("005 00018M") + RatedRecord("005 00019M"),
                                  "binary", Bases("M", "00003", "00004"), "  code code=M\n")),
                "     00019M"},
        // Sign '_', kind H (text form): the key "005 10010H" is fetched as
        // "005 00010H", whose rate-basis adjustment steps to "005 00012H";
        // the digit 1 the fetch kept goes back into byte 4: "10012H". Kind
        // H's minimums are the distance tiers, here all 0.
        KeyCase{"TypeKVariantOneWritesTheKeptDigitIntoTheSubRecord",
                Tariff("type=K flag68=_", Head("001 10010H"),
                       "  record head=\"005 00010H\"\n" + Decoy("005 00011H") + RatedRecord("005 00012H"), "text",
                       Bases("H"), "  code code=H\n") +
                    std::string(kStepTo0012) + ZeroTierTable(),
                "     10012H", 0},
        // Sign '_', kind H numbered 2: the sub-key '2' chooses group 005
        // (kind H has no code here, which would leave group 001).
        KeyCase{"TypeKVariantOneKeysKindHNumbered2ByItsSubKey",
                Without(Tariff("type=K flag68=_", Head("001 00002H"), RatedRecord("005 00002H"), "text", Bases("H"),
                               "  code code=H\n"),
                        "letter=H group=005", "letter=2 group=005") +
                    ZeroTierTable(),
                "     00002H", 0}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

// The zone pair of the lane (10000-10099 zone AAA, 20000-20099 zone CCC)
// with the tariff type's pair values, and the cell records they may name:
// 101 takes 90 percent of the minimum and of every rate, 550 adds 1.00 to
// class 100 at 500 pounds, 102 and 110 would halve everything.
std::string ZoneLanes(std::string_view values) {
  std::string lanes = R"(
zone-pair-lanes tariff=TSTFRT01
  range low=10000 high=10099 codes=AAA
  range low=20000 high=20099 codes=CCC
  end
)";
  for (std::size_t at = 0; at + 4 <= values.size(); at += 5)
    lanes += "  pair pair=AAACCC value=" + std::string(values.substr(at, 4)) + "\n";
  return lanes + R"(cell-adjustments tariff=TSTFRT01
  adjustment number=101 shipment-value=9000 cells="9000 9000 9000 9000 9000 9000"
  adjustment number=102 shipment-value=5000 cells="5000 5000 5000 5000 5000 5000"
  adjustment number=110 shipment-value=5000 cells="5000 5000 5000 5000 5000 5000"
  adjustment number=550 cells="0 100"
)";
}

struct ValueHitCase {
  const char* name;
  const char* efcrec;
  const char* values;
};
void PrintTo(const ValueHitCase& c, std::ostream* out) { *out << c.name; }

class ValueHitLanes : public RatingThroughExports, public ::testing::WithParamInterface<ValueHitCase> {};

TEST_P(ValueHitLanes, ReachTheCellRecordsOfTheirNumbers) {
  // The kind-B key "005 00042B" rates 30.00 and 25.00 with tariff number
  // 5's tables (class 85 at 90 percent). Without lane parameters, 000-499
  // are percentages and 500-998 amounts, each record applied as it is read:
  // 101 then 550. Class 100 at 500: 2500 x 9000 = 2250 + 100 = 2350; class
  // 85: 2250 x 9000 = 2025; 300 x 2350 / 100 = 7050 + 400 x 2025 / 100 =
  // 8100: 151.50. The minimum 6800 x 9000 = 6120, below it.
  start(KindBTariff(GetParam().efcrec) + ZoneLanes(GetParam().values));
  const RatedShipment a = rate(testing::LightLane());
  EXPECT_EQ(a.returnCode(), "    ");
  EXPECT_EQ(a.rateBasis(), "     00042B");
  EXPECT_EQ(a.billedWeight(), "000700");
  EXPECT_EQ(a.lineRate(0), "0020.25");
  EXPECT_EQ(a.lineCharge(0), "000081.00");
  EXPECT_EQ(a.lineRate(1), "0023.50");
  EXPECT_EQ(a.lineCharge(1), "000070.50");
  EXPECT_EQ(a.deficitCharge(), "000000.00");
  EXPECT_EQ(a.grossCharge(), "000151.50");
  EXPECT_EQ(a.netCharge(), "0151.50");
  EXPECT_EQ(a.appliedMinimum(), 6120);
}

INSTANTIATE_TEST_SUITE_P(Types, ValueHitLanes,
                         ::testing::Values(
                             // Type I: four-digit values 101 and 550 name their records; 1102
                             // names none (not 110, nor 102).
                             ValueHitCase{"TypeIValuesUpTo999", "type=I lane=A", "0101 0550 1102"},
                             // Type K: three-digit values lettered '0' or with the record's kind
                             // B; 102 lettered X adds no hit.
                             ValueHitCase{"TypeKValuesOfItsKindOr0", "type=K flag68=_ lane=L", "101B 5500 102X"}),
                         [](const ::testing::TestParamInfo<ValueHitCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace vorn
