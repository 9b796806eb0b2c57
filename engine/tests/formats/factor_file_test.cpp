#include "formats/factor_file.h"

#include <gtest/gtest.h>

#include <string>

#include "rating/class_break_work.h"

namespace vorn {
namespace {

struct Read {
  std::int16_t result;
  ClassBreakWork core;
  TariffFactors factors;
  ParameterTable parameters;
};

Read ReadText(std::string_view text, char type = '0', std::uint16_t kind = 1) {
  Read r;
  FactorFileContext context;
  context.tariffType = type;
  context.kind = kind;
  r.result = ReadFactorFile(text, context, r.core, r.factors, r.parameters);
  return r;
}

std::string ClassAt(const Read& r, std::size_t c) { return std::string(r.core.classCodes[c].data()); }

TEST(FactorValues, AreFixedPointWithFourDecimals) {
  EXPECT_EQ(ParseFactor("1.5"), 15000);
  EXPECT_EQ(ParseFactor("1"), 10000);
  EXPECT_EQ(ParseFactor("0.0125"), 125);
  EXPECT_EQ(ParseFactor("1.23456"), 123456);  // four or more decimals: the digits
  EXPECT_EQ(ParseFactor("-0.5"), -5000);
  EXPECT_EQ(ParseFactor("junk"), 0);
  EXPECT_EQ(ParseFactor("99999999999"), 2147483647);
}

TEST(DigitFormat, ReadsSetsClassesBreaksAndTheirFactors) {
  const Read r = ReadText(
      "* header comment line without a known name\r\n"
      " 1\r\n"  // one set
      " 7\r\n"  // set number 7
      " 2\r\n 100\r\n 50\r\n"
      " 3\r\n 1000\r\n 500\r\n 0\r\n"
      " 1.0\r\n 0.85\r\n"         // class factors of set 0
      " 1.1\r\n 1.2\r\n 1.3\r\n"  // break factors, in the order of the breaks above
      "* RADJF = 1.05\r\n");
  EXPECT_EQ(r.result, 0);
  EXPECT_EQ(r.factors.setCount, 1);
  EXPECT_EQ(r.factors.setNumbers[0], 7);
  EXPECT_EQ(r.core.classCount, 2);
  EXPECT_EQ(ClassAt(r, 0), "100");
  EXPECT_EQ(ClassAt(r, 1), "50");
  ASSERT_EQ(r.core.breakCount, 3);
  EXPECT_EQ(r.core.breakWeights[0], 0);
  EXPECT_EQ(r.core.breakWeights[1], 500);
  EXPECT_EQ(r.core.breakWeights[2], 1000);
  EXPECT_EQ(r.factors.classPercent[0][0], 10000);
  EXPECT_EQ(r.factors.classPercent[0][1], 8500);
  EXPECT_EQ(r.factors.factorRows[0][2], 11000);  // the factor written beside 1000
  EXPECT_EQ(r.factors.factorRows[0][0], 13000);
  EXPECT_FLOAT_EQ(r.parameters.floatValue(ParameterTable::kRadjf), 1.05f);  // read after the data
}

TEST(DigitFormat, AFileThatEndsEarlyKeepsWhatWasRead) {
  const Read r = ReadText(" 1\n 1\n 3\n 100\n");
  EXPECT_EQ(r.core.classCount, 1);
  EXPECT_EQ(r.core.breakCount, 0);
}

TEST(DigitFormat, CountsBeyondTheTablesAreCut) {
  std::string text = " 1\n 1\n 40\n";
  for (int i = 0; i < 40; ++i) text += " " + std::to_string(100 + i) + "\n";
  const Read r = ReadText(text);
  EXPECT_EQ(r.core.classCount, 20);
}

TEST(LetterFormat, ReadsSectionsUpToTheTariffsKind) {
  const Read r = ReadText(
      " 100 FAK\n 0 500 1000\n 3\n 1.0 1.0 1.0\n 2.0 2.0 2.0\n"
      " 200 150 125\n 0 1000\n 5\n 0.5 0.6\n 0.7 0.8\n 0.9 1.0\n"
      " 300\n 0\n 9\n 1.0\n",
      'A', 5);
  EXPECT_EQ(r.factors.sectionKind, 5);
  EXPECT_EQ(r.core.classCount, 3);
  EXPECT_EQ(ClassAt(r, 2), "125");
  EXPECT_EQ(r.core.breakCount, 2);
  EXPECT_EQ(r.core.breakWeights[1], 1000);
  EXPECT_EQ(r.factors.classPercent[1][1], 8000);
}

TEST(LetterFormat, TypesDAndHReadFactorRowsPerBreak) {
  const Read d = ReadText(" 100\n 0 500\n 1\n 1.0 1.0\n 1.5\n 2.5\n", 'D', 1);
  EXPECT_EQ(d.factors.factorRows[0][0], 15000);
  EXPECT_EQ(d.factors.factorRows[1][0], 25000);
  const Read h = ReadText(" 100\n 0 500\n 1\n 1.0 1.0\n 1.5\n 2.5\n 3.5\n", 'H', 1);
  EXPECT_EQ(h.factors.factorRows[2][0], 35000);  // one more row: the minimum's factor
}

TEST(ParameterLines, FollowTheirTypes) {
  const Read r = ReadText(
      "* RADJF=1.05\n"  // a name and a value
      "*RADJF=9.99\n"   // no blank after '*': not a name
      "* * QIV_MC YES\n"
      "* ONE_LA NO\n"
      "* LA_PCT ABCDE\n"
      "* BRKS L5C* M5C+ M1MX\n"
      "* NO_SUCH_NAME 1\n"
      "* MC_ADDON\n"  // no value: ignored
      " 1\n 1\n 0\n 0\n",
      '0');
  EXPECT_FLOAT_EQ(r.parameters.floatValue(ParameterTable::kRadjf), 1.05f);
  EXPECT_EQ(r.parameters.integerValue(ParameterTable::kQivMc), 1);
  EXPECT_EQ(r.parameters.integerValue(ParameterTable::kOneLa), 0);
  EXPECT_EQ(r.parameters.charsValue(ParameterTable::kLaPct), "ABCD");
  ASSERT_EQ(r.factors.breakList.size(), 3u);
  EXPECT_EQ(std::string(r.factors.breakList[0].label.data()), "L5C");
  EXPECT_EQ(r.factors.breakList[0].flag, 1);
  EXPECT_EQ(r.factors.breakList[1].flag, 0);
  EXPECT_EQ(r.factors.breakList[2].flag, -1);
}

TEST(ParameterLines, An81stCityAddOnIsRefusedAndTheFirst80Stay) {
  std::string text;
  for (int i = 0; i < 81; ++i) text += "* HCITY " + std::to_string(i) + " 7\n";
  text += " 100\n 0\n 1\n 1.0\n";
  const Read r = ReadText(text, 'A', 1);
  EXPECT_EQ(r.result, 224);
  ASSERT_EQ(r.factors.cityAddOns.size(), 80u);
  EXPECT_EQ(r.factors.cityAddOns[79][0], 79);
  EXPECT_EQ(r.factors.cityAddOns[79][1], 7);
}

TEST(ParameterLines, CityAddOnsFollowOnlyTheMatchingTableCode) {
  FactorFileContext context;
  context.tariffType = 'A';
  context.kind = 1;
  context.lightEditionCode = {'0', '3'};
  ClassBreakWork core;
  TariffFactors factors;
  ParameterTable parameters;
  ReadFactorFile("* NCITY 02\n* HCITY 1 1\n* NCITY 03\n* HCITY 2 2\n 100\n 0\n 1\n 1.0\n", context, core, factors,
                 parameters);
  ASSERT_EQ(factors.cityAddOns.size(), 1u);
  EXPECT_EQ(factors.cityAddOns[0][0], 2);
}

}  // namespace
}  // namespace vorn
