// Factor files as the data-set builder writes them, read by the engine's
// reader, and factor files the builder would refuse: unknown names, numbers
// out of range, damaged lines. The reader keeps within its tables.
#include <gtest/gtest.h>

#include <string>

#include "formats/factor_file.h"
#include "rating/class_break_work.h"
#include "support/data_directory.h"

namespace vorn {
namespace {

using testing::DataDirectory;

struct Read {
  std::int16_t result = 0;
  ClassBreakWork core;
  TariffFactors factors;
  ParameterTable parameters;
};

Read ReadText(std::string_view text, char type, std::uint16_t kind = 1) {
  Read r;
  FactorFileContext context;
  context.tariffType = type;
  context.kind = kind;
  r.result = ReadFactorFile(text, context, r.core, r.factors, r.parameters);
  return r;
}

// The factor file of tariff T (suffix 01) that a factor block describes.
std::string Built(std::string_view block) {
  DataDirectory dir{""};
  dir.build(block);
  return platform::testing::ReadFileText(dir / "T.F01");
}

TEST(BuiltFactorFiles, TheExtraFactorsOfTypesDAndHFillOneRowPerBreakHoweverTheyAreLaidOut) {
  // Section 1's further factors on one line, section 2's one to a line.
  const std::string text = Built(R"(
factor tariff=T suffix=01 type=H
  section kind=1 classes="100 50" breaks="0 500"
  factor-line
  factor-line
  extra-line values="1.1 1.2 1.3"
  section kind=2 classes="85" breaks="0 1000"
  factor-line values="0.5 0.6"
  extra-line values=2.1
  extra-line values="2.2 2.3"
)");
  const Read first = ReadText(text, 'H', 1);
  EXPECT_EQ(first.core.classCount, 2);
  EXPECT_EQ(first.factors.factorRows[0][0], 11000);
  EXPECT_EQ(first.factors.factorRows[1][0], 12000);
  EXPECT_EQ(first.factors.factorRows[2][0], 13000);  // the minimum's factor
  const Read second = ReadText(text, 'H', 2);
  EXPECT_EQ(second.factors.sectionKind, 2);
  ASSERT_EQ(second.core.classCount, 1);
  EXPECT_EQ(std::string(second.core.classCodes[0].data()), "85");
  EXPECT_EQ(second.core.breakWeights[1], 1000);
  EXPECT_EQ(second.factors.classPercent[0][1], 6000);
  EXPECT_EQ(second.factors.factorRows[0][0], 21000);
  EXPECT_EQ(second.factors.factorRows[1][0], 22000);
  EXPECT_EQ(second.factors.factorRows[2][0], 23000);
  // The builder's defaults: the 18 classes, 1.0 for every factor.
  std::string block = "factor tariff=T suffix=01 type=D\n  section kind=4 breaks=\"0 500 1000\"\n";
  for (int c = 0; c < 18; ++c) block += "  factor-line\n";
  const Read defaults = ReadText(Built(block + "  extra-line\n"), 'D', 4);
  EXPECT_EQ(defaults.core.classCount, 18);
  EXPECT_EQ(defaults.factors.factorRows[2][0], 10000);
  EXPECT_EQ(defaults.factors.factorRows[3][0], 0);  // three breaks, three rows
}

TEST(BuiltFactorFiles, ADigitFormatFileReadsAsWritten) {
  const Read r = ReadText(Built(R"(
factor tariff=T suffix=01 type=0
  parameter name=RADJF value=1.05
  parameter name=QIV_MC value=YES
  sets numbers="1 2"
  classes codes="500 400 FAK"
  breaks weights="40000 500 0"
  class-factors values="1.0 1.5 2"
  class-factors values="0.5 0.25 0.125"
  break-factors values="3 2 1"
  break-factors
)"),
                          '0');
  EXPECT_EQ(r.factors.setCount, 2);
  EXPECT_EQ(r.factors.setNumbers[1], 2);
  EXPECT_EQ(std::string(r.core.classCodes[2].data()), "FAK");
  EXPECT_EQ(r.core.breakWeights[2], 40000);
  EXPECT_EQ(r.factors.classPercent[1][2], 1250);
  EXPECT_EQ(r.factors.factorRows[0][2], 30000);  // the factor written beside 40000
  EXPECT_EQ(r.factors.factorRows[1][0], 10000);
  EXPECT_FLOAT_EQ(r.parameters.floatValue(ParameterTable::kRadjf), 1.05f);
  EXPECT_EQ(r.parameters.integerValue(ParameterTable::kQivMc), 1);
}

TEST(FactorFileInput, UnknownNamesAndMalformedParameterLinesAreIgnored) {
  const Read r = ReadText(
      "* UNKNOWN 5\n* RADJF\n* QIV_MC NOTYES\n*\r\n* \n* * * RADJF\t=\t2.5\n*RADJF 9\n** RADJF 7\n"
      "* NCITY\n* HCITY abc def\n* BRKS L5C* M5C+ M1MX A B C D E F G H\n 100\n 0\n 1\n 1.0\n",
      'A');
  EXPECT_EQ(r.result, 0);
  EXPECT_FLOAT_EQ(r.parameters.floatValue(ParameterTable::kRadjf), 2.5f);
  EXPECT_EQ(r.parameters.integerValue(ParameterTable::kQivMc), 0);
  EXPECT_EQ(r.factors.breakList.size(), 9u);  // at most 9
  ASSERT_EQ(r.factors.cityAddOns.size(), 1u);
  EXPECT_EQ(r.factors.cityAddOns[0][0], 0);
  EXPECT_EQ(r.core.classCount, 1);
}

TEST(FactorFileInput, NumbersOutOfRangeStayWithinTheTables) {
  const std::string huge = "99999999999999999999";
  for (char type : {'0', 'A', 'D', 'H'}) {
    std::string text;
    for (int i = 0; i < 40; ++i) text += " " + huge + " " + huge + " -" + huge + " 1e99 .5 -.5 . -\n";
    const Read r = ReadText(text, type, 0);
    EXPECT_LE(r.core.classCount, 20) << type;
    EXPECT_LE(r.core.breakCount, 20) << type;
    EXPECT_LE(r.factors.setCount, 25) << type;
    for (std::size_t b = 0; b < static_cast<std::size_t>(r.core.breakCount); ++b)
      EXPECT_GE(r.core.breakWeights[b], 0) << type;
  }
  EXPECT_EQ(ParseFactor(huge), 2147483647);
  EXPECT_EQ(ParseFactor("-" + huge), -2147483647);
  EXPECT_EQ(ParseFactor(".5"), 5000);
  EXPECT_EQ(ParseFactor("-"), 0);
  EXPECT_EQ(ParseFactor("1.5.5"), 15000);
}

TEST(FactorFileInput, ManyWholeDigitsWithManyDecimalsAreHeldAtTheLimit) {
  // The whole part times a scale of up to 10^11 used to leave 64 bits.
  const std::string whole(60, '7');
  const std::string decimals(15, '7');
  EXPECT_EQ(ParseFactor(whole + "." + decimals), 2147483647);
  EXPECT_EQ(ParseFactor("-" + whole + "." + decimals), -2147483647);
  EXPECT_EQ(ParseFactor("214748.3647"), 2147483647);
  EXPECT_EQ(ParseFactor("214748.3648"), 2147483647);
  EXPECT_EQ(ParseFactor("0.00000000001"), 1);
  const Read r = ReadText(" 1\n 1\n 1\n 70\n 1\n 500\n " + whole + "." + decimals + "\n 1\n", '0');
  EXPECT_EQ(r.factors.classPercent[0][0], 2147483647);
}

TEST(FactorFileInput, ABlankClassLineGivesAnEmptyClassCode) {
  // One set, numbered 1, two classes of which the first line is blank.
  const Read r = ReadText(" 1\n 1\n 2\n \n 70\n 1\n 500\n", '0');
  ASSERT_EQ(r.core.classCount, 2);
  EXPECT_EQ(std::string(r.core.classCodes[0].data()), "");
  EXPECT_EQ(std::string(r.core.classCodes[1].data()), "70");
}

TEST(FactorFileInput, LongLinesNulsAndBinaryBytesAreRead) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 131) % 256);
  for (const std::string& text :
       {std::string(" 1 ") + std::string(1000, '7') + "\n", binary, std::string("\0 1\n\0\0\n", 7),
        std::string(" ") + std::string(300, ' ') + "1\n 1\n 1\n 100\n"}) {
    for (char type : {'0', 'A', 'D', 'H'}) {
      const Read r = ReadText(text, type);
      EXPECT_LE(r.core.classCount, 20);
      EXPECT_LE(r.core.breakCount, 20);
    }
  }
}

}  // namespace
}  // namespace vorn
