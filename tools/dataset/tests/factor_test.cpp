// The factor file (NAME.Fss) in both formats: lines written from items,
// decoded back, and the checks that read it as the engine does.
#include <gtest/gtest.h>

#include "dataset/data_set.h"
#include "dataset/read_back.h"
#include "platform/testing/temp_directory.h"
#include "test_support.h"

namespace dataset {
namespace {

using testing::Built;
using testing::DescriptionProblems;
using testing::ErrorOf;
using testing::Messages;
using testing::Rebuilt;

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string out;
  for (std::string_view l : lines) out += std::string(l) + "\n";
  return out;
}

std::string Repeated(std::string_view line, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += std::string(line) + "\n";
  return out;
}

const std::string kDigitHeader = "factor tariff=T suffix=01 type=0\n";
const std::string kLetterHeader = "factor tariff=T suffix=01 type=A\n";

TEST(FactorDigitFormat, TheDefaultsMakeTheMinimalDataSetsFile) {
  // The tariff's own record gives the suffix (columns 37-38) and the type.
  const std::string built =
      Built("factor tariff=TSTFRT01\n  sets\n  classes\n  breaks\n  class-factors\n  break-factors\nefcrec\n  record\n",
            "TSTFRT01.F01");
  EXPECT_EQ(built,
            Lines({" 1",     " 1",     " 18",    " 500",   " 400",  " 300",  " 250",  " 200", " 175", " 150", " 125",
                   " 110",   " 100",   " 92",    " 85",    " 77",   " 70",   " 65",   " 60",  " 55",  " 50",  " 9",
                   " 40000", " 30000", " 20000", " 10000", " 5000", " 2000", " 1000", " 500", " 0"}) +
                Repeated(" 1.0", 18) + Repeated(" 1.0", 9));
  EXPECT_TRUE(
      DescriptionProblems(
          "efcrec\n  record\nfactor tariff=TSTFRT01\n  sets\n  classes\n  breaks\n  class-factors\n  break-factors\n")
          .empty());
}

TEST(FactorDigitFormat, ListsAreCountedAndFactorsKeepTheirDecimals) {
  EXPECT_EQ(Built(kDigitHeader + "  sets numbers=\"1 2\"\n  classes codes=\"100 FAK\"\n  breaks weights=\"500 0\"\n"
                                 "  class-factors values=\"1.50 2\"\n  class-factors values=\".5 1.\"\n  "
                                 "break-factors\n  break-factors values=\"0.9999 3\"\n",
                  "T.F01"),
            Lines({" 2", " 1", " 2", " 2", " 100", " FAK", " 2", " 500", " 0", " 1.50", " 2", " .5", " 1.", " 1.0",
                   " 1.0", " 0.9999", " 3"}));
}

TEST(FactorParameters, ParameterAndVerbatimLinesStandWhereTheyAreWritten) {
  EXPECT_EQ(Built(kDigitHeader + "  parameter name=RADJF value=1.05\n  line text=\"*RADJF=1.05\"\n  parameter "
                                 "name=BRKS value=\"L5C* M5C+  M1MX\"\n"
                                 "  parameter name=HCITY value=\"100 200\"\n  parameter name=QIV_MC value=YES\n  "
                                 "sets\n  parameter name=NCITY value=AB\n",
                  "T.F01"),
            Lines({"* RADJF = 1.05", "*RADJF=1.05", "* BRKS = L5C* M5C+ M1MX", "* HCITY = 100 200", "* QIV_MC = YES",
                   " 1", " 1", "* NCITY = AB"}));
  // Any parameter in the table, with values of its type.
  for (const char* item :
       {"name=MC_ADDON value=2.5", "name=SS_MC_ADDON value=-1", "name=LA_PCT value=A", "name=ONE_LA value=NO",
        "name=BRK2 value=000*", "name=NO_RBN_ADDON value=YES", "name=HCITY value=5"}) {
    EXPECT_EQ(ErrorOf(kDigitHeader + "  parameter " + item + "\n"), "<accepted>") << item;
  }
}

TEST(FactorParameters, TheWriterRefusesWhatTheEngineWouldMisread) {
  EXPECT_NE(ErrorOf(kDigitHeader + "  parameter name=RADJ value=1\n").find("'RADJ' is not a parameter name"),
            std::string::npos);
  EXPECT_NE(ErrorOf(kDigitHeader + "  parameter name=RADJF\n").find("'parameter' needs value="), std::string::npos);
  EXPECT_NE(ErrorOf(kDigitHeader + "  parameter name=RADJF value=x\n").find("RADJF value 'x' is not a decimal number"),
            std::string::npos);
  EXPECT_NE(ErrorOf(kDigitHeader + "  parameter name=RADJF value=\"1 2\"\n").find("RADJF takes one value, not 2"),
            std::string::npos);
  EXPECT_NE(ErrorOf(kDigitHeader + "  parameter name=HCITY value=\"1 2 3\"\n").find("HCITY takes one or two values"),
            std::string::npos);
  EXPECT_NE(ErrorOf(kDigitHeader + "  parameter name=HCITY value=1.5\n").find("is not a 32-bit whole number"),
            std::string::npos);
  EXPECT_NE(ErrorOf(kDigitHeader + "  parameter name=BRKS value=L5C\n")
                .find("break 'L5C' is not a 3-character label and a flag"),
            std::string::npos);
  EXPECT_NE(
      ErrorOf(kDigitHeader + "  parameter name=BRKS value=\"a*** b*** c*** d*** e*** f*** g*** h*** i*** j***\"\n")
          .find("at most 9"),
      std::string::npos);
  EXPECT_NE(ErrorOf(kDigitHeader + "  parameter name=NCITY value=ABC\n").find("is not two characters"),
            std::string::npos);
  EXPECT_NE(ErrorOf(kDigitHeader + "  line text=\"a\\nb\"\n").find("a line item holds one line"), std::string::npos);
}

TEST(FactorLetterFormat, SectionsOfClassBreakKindAndFactorLines) {
  EXPECT_EQ(Built(kLetterHeader + "  section kind=2 classes=\"100 50\" breaks=\"0 500 1000\"\n  factor-line\n  "
                                  "factor-line values=\"1.5 1.25 1\"\n"
                                  "  section classes=FAK breaks=0\n  factor-line values=2.0\n",
                  "T.F01"),
            Lines({" 100 50", " 0 500 1000", " 2", " 1.0 1.0 1.0", " 1.5 1.25 1", " FAK", " 0", " 1", " 2.0"}));
  // Left out: the 18 classes and 9 breaks, ascending, and kind 1.
  EXPECT_EQ(Built(kLetterHeader + "  section\n", "T.F01"),
            Lines({" 500 400 300 250 200 175 150 125 110 100 92 85 77 70 65 60 55 50",
                   " 0 500 1000 2000 5000 10000 20000 30000 40000", " 1"}));
}

TEST(FactorLetterFormat, TypesDAndHCarryExtraLines) {
  const std::string body = "  section classes=100 breaks=\"0 500\"\n  factor-line\n  extra-line\n";
  EXPECT_EQ(Built("factor tariff=T suffix=01 type=D\n" + body, "T.F01"),
            Lines({" 100", " 0 500", " 1", " 1.0 1.0", " 1.0 1.0"}));
  EXPECT_EQ(Built("factor tariff=T suffix=01 type=H\n" + body, "T.F01"),
            Lines({" 100", " 0 500", " 1", " 1.0 1.0", " 1.0 1.0 1.0"}));
  EXPECT_TRUE(DescriptionProblems("factor tariff=T suffix=01 type=H\n" + body).empty());
  EXPECT_TRUE(
      DescriptionProblems("factor tariff=T suffix=01 type=H\n  section classes=100 breaks=\"0 500\"\n  factor-line\n"
                          "  extra-line values=1.1\n  extra-line values=\"1.2 1.3\"\n")
          .empty());
  EXPECT_EQ(DescriptionProblems("factor tariff=T suffix=01 type=D\n  section classes=100 breaks=\"0 500\"\n  "
                                "factor-line\n  extra-line values=\"1 2 3\"\n"),
            std::vector<std::string>{
                "T.F01 record 4 (line 4): the extra factor lines hold 3 factors; the section's 2 fill them"});
  EXPECT_NE(ErrorOf(kLetterHeader + body).find("line 4: extra factor lines belong to tariff types D and H"),
            std::string::npos);
}

TEST(FactorFormats, ItemsOfTheOtherFormatOrWithoutATypeAreRefused) {
  EXPECT_NE(
      ErrorOf(kLetterHeader + "  sets\n")
          .find("'sets' belongs to the digit format (tariff types 0-7); this is the factor file of a type-A tariff"),
      std::string::npos);
  EXPECT_NE(ErrorOf(kDigitHeader + "  section\n").find("'section' belongs to the letter format"), std::string::npos);
  EXPECT_NE(ErrorOf("factor tariff=T suffix=01\n  parameter name=RADJF value=1\n  sets\n")
                .find("line 3: the format of a factor file follows the tariff type: give the block type="),
            std::string::npos);
  EXPECT_NE(ErrorOf(kDigitHeader + "  class-factors\n")
                .find("'class-factors' needs values= (its default follows the classes or breaks before it)"),
            std::string::npos);
  EXPECT_NE(ErrorOf(kDigitHeader + "  classes codes=\"100 ABC\"\n").find("'ABC' is not a class code"),
            std::string::npos);
  EXPECT_NE(ErrorOf(kDigitHeader + "  breaks weights=-1\n").find("'-1' is not an unsigned whole number"),
            std::string::npos);
  EXPECT_NE(ErrorOf(kDigitHeader + "  sets\n  classes codes=100\n  class-factors values=1.23456\n")
                .find("more than 4 decimals"),
            std::string::npos);
  EXPECT_NE(ErrorOf(kDigitHeader + "  sets\n  classes codes=100\n  class-factors values=214749\n").find("too large"),
            std::string::npos);
  EXPECT_NE(ErrorOf(kDigitHeader + "  sets numbers=1 kind=2\n").find("unknown field 'kind' (fields: numbers)"),
            std::string::npos);
  EXPECT_NE(
      ErrorOf(kDigitHeader + "  set\n").find("unknown item 'set' in a factor block (items: parameter, line, sets,"),
      std::string::npos);
  EXPECT_NE(ErrorOf("factor tariff=T suffix=01 type=a\n").find("\"a\" is not a tariff type"), std::string::npos);
}

TEST(FactorFormats, TheTypeAndThePackageLetterComeFromTheTariffsRecord) {
  const std::string efcrec = "efcrec\n  record name=PKG type=0 letter=P\n  record name=LTR type=H\n";
  // A type-0 package tariff keeps its codes as they stand.
  EXPECT_EQ(Built(efcrec + "factor tariff=PKG\n  classes codes=\"GND 2DA\"\n", "PKG.F01"),
            Lines({" 2", " GND", " 2DA"}));
  EXPECT_NE(ErrorOf(efcrec + "factor tariff=PKG tariff-letter=N\n  classes codes=\"GND\"\n")
                .find("'GND' is not a class code"),
            std::string::npos);
  EXPECT_EQ(Built(efcrec + "factor tariff=LTR\n  section classes=1 breaks=0\n  factor-line\n  extra-line\n", "LTR.F01")
                .substr(14),
            " 1.0 1.0\n");
  EXPECT_NE(ErrorOf("efcrec\n  record name=X\n  record name=X type=A\nfactor tariff=X\n")
                .find("give tariff types '0' and 'A'"),
            std::string::npos);
}

TEST(FactorDecoding, StructuredFilesDecodeToTheirItems) {
  const std::string digit =
      kDigitHeader +
      "  parameter name=RADJF value=1.05\n  line text=*RADJF=1.05\n  sets numbers=\"1 2\"\n  classes codes=\"100 50\"\n"
      "  breaks weights=\"500 0\"\n  class-factors values=\"1.5 1.00\"\n  class-factors\n  break-factors\n  "
      "break-factors\n";
  EXPECT_EQ(DecodeContent("factor tariff=T suffix=01 type=0", Built(digit, "T.F01")), digit);
  const std::string letter =
      "factor tariff=T suffix=01 type=H\n  section kind=7 classes=\"100 50\" breaks=\"0 500\"\n  factor-line\n"
      "  parameter name=HCITY value=\"5 10\"\n  factor-line values=\"2 3\"\n  extra-line values=1.0\n  extra-line "
      "values=\"1.0 1.0\"\n"
      "  section\n";
  EXPECT_EQ(DecodeContent("factor tariff=T suffix=01 type=H", Built(letter, "T.F01")),
            "# T.F01: the file ends before factor line 1 of 18 of the section at record 8\n" +
                std::string("factor raw tariff=T suffix=01 type=H\n") + letter.substr(letter.find('\n') + 1));
}

TEST(FactorDecoding, LinesThatNoItemWritesComeBackAsThemselves) {
  // A parameter line inside a counted list, odd spacing, CR LF, a comment,
  // and a last line without its line feed.
  const std::string content = " 1\n* RADJF = 1.05\n 1\n  1\n* RADJF=1.05\r\n*comment\n 100\n 1\n 0\n 1.0\n 1.0";
  const std::string decoded = DecodeContent("factor tariff=T suffix=01 type=0", content);
  EXPECT_EQ(decoded,
            "factor tariff=T suffix=01 type=0\n  line text=\" 1\"\n  parameter name=RADJF value=1.05\n  line text=\" "
            "1\"\n  line text=\"  1\"\n"
            "  line text=\"* RADJF=1.05\\r\"\n  line text=*comment\n  line text=\" 100\"\n  breaks weights=0\n  "
            "class-factors values=1.0\n"
            "  raw text=\" 1.0\"\n");
  EXPECT_EQ(Rebuilt("factor tariff=T suffix=01 type=0", content), content);
  // Without the type only parameter lines are told apart.
  EXPECT_EQ(DecodeContent("factor tariff=T suffix=01", " 1\n* RADJF = 2\n"),
            "# T.F01: the data lines cannot be read without the tariff type: give type= (or have the tariff's "
            "EFCREC.TBL beside the file)\n"
            "factor raw tariff=T suffix=01\n  line text=\" 1\"\n  parameter name=RADJF value=2\n");
}

TEST(FactorDecoding, FilesOnDiskTakeTheirTypeFromTheEfcrecBesideThem) {
  platform::testing::TempDirectory dir;
  const std::string set =
      "efcrec\n  record type=B suffix.F=03\nfactor tariff=TSTFRT01\n  section classes=100 breaks=0\n  factor-line\n";
  BuildDataSet(set, dir.path());
  EXPECT_EQ(DecodeFile(dir / "TSTFRT01.F03"),
            "factor tariff=TSTFRT01 suffix=03 type=B tariff-letter=N\n  section classes=100 breaks=0\n  factor-line\n");
  EXPECT_TRUE(CheckFile(dir / "TSTFRT01.F03").empty());
  EXPECT_FALSE(CheckFile(dir / "TSTFRT01.F03", "factor type=0").empty());
}

TEST(FactorChecks, TheDigitFormatIsReadAsTheEngineReadsIt) {
  const std::string head = " 1\n 1\n 2\n 100\n 50\n";
  EXPECT_TRUE(Messages("factor type=0", head + " 2\n 500\n 0\n 1.0\n 1.0\n 1.0\n 1.0\n").empty());
  EXPECT_EQ(Messages("factor type=0", head + " 2\n 0\n 500\n 1.0\n 1.0\n 1.0\n 1.0\n"),
            std::vector<std::string>{
                "7: break 500 does not descend from 0 (the digit format lists the breaks in descending order)"});
  EXPECT_EQ(Messages("factor type=0", head + " 2\n 500\n 0\n 1.0\n 1.0\n 1.0\n"),
            std::vector<std::string>{"the file ends before break factor 2 of 2 of set 1 of 1"});
  EXPECT_EQ(Messages("factor type=0", head + " 1\n 0\n 1.0\n 1.0\n 1.0\n 9\n 8\n"),
            (std::vector<std::string>{"10: is never read (the digit format ends with the break table)",
                                      "11: is never read (the digit format ends with the break table)"}));
  EXPECT_EQ(Messages("factor type=0", " 0\n"), std::vector<std::string>{"0: the set count is 0; 1 to 25 are read"});
  EXPECT_EQ(Messages("factor type=0", " 1\n 1\n 21\n"),
            std::vector<std::string>{"2: the class count is 21; 1 to 20 are read"});
  EXPECT_EQ(Messages("factor type=0", " 1 2\n"),
            (std::vector<std::string>{"0: the set count holds 2 values; the reader takes one per line here",
                                      "the file ends before set 1 of 1"}));
  EXPECT_EQ(Messages("factor type=0", " x\n"),
            std::vector<std::string>{"0: the set count: 'x' is not an unsigned whole number"});
  EXPECT_EQ(Messages("factor type=0", " 1\n 1\n 1\n ABC\n 1\n 0\n 1.2.3\n 1.0\n"),
            (std::vector<std::string>{"3: class 'ABC' is not a class code (\"FAK\" or up to 5 digits)",
                                      "6: '1.2.3' is not a factor (digits with an optional point)"}));
}

TEST(FactorChecks, TheLetterFormatWantsWholeSections) {
  EXPECT_TRUE(Messages("factor type=A", " 100 50\n 0 500\n 1\n 1.0 1.0\n 1.0 1.0\n FAK\n 0\n 2\n 1.0\n").empty());
  EXPECT_EQ(
      Messages("factor type=A", " 100 50\n 500 0\n 1\n 1.0\n 1.0 1.0\n"),
      (std::vector<std::string>{
          "1: break 0 does not ascend from 500 (the rating core takes the breaks as lower bounds in ascending order)",
          "3: the factor line holds 1 factor, not one per break (2)"}));
  EXPECT_EQ(Messages("factor type=A", " 100\n 0\n"),
            std::vector<std::string>{"the file ends before the kind line of the section at record 0"});
  EXPECT_EQ(Messages("factor type=A", " \n 0\n 1\n"),
            (std::vector<std::string>{"0: the class line holds 0 classes; 1 to 20 are read"}));
}

TEST(FactorChecks, LinesAndParametersAreCheckedInBothFormats) {
  EXPECT_EQ(Messages("factor type=A", "x\n\n* RADJF = y\n*RADJF=y\n* UNKNOWN = 1\n"),
            (std::vector<std::string>{"0: \"x\\n\" is skipped: it is neither a parameter line ('*' and a character) "
                                      "nor a data line (a leading blank)",
                                      "1: \"\\n\" is skipped: it is neither a parameter line ('*' and a character) nor "
                                      "a data line (a leading blank)",
                                      "2: RADJF value 'y' is not a decimal number"}));
  EXPECT_EQ(Messages("factor type=A", "*" + std::string(255, 'x') + "\n"),
            std::vector<std::string>{"0: is 257 bytes; the reader takes lines of at most 255"});
  // The 81st HCITY line of a section is refused (224); a new section starts a new list.
  const std::string section = " 100\n 0\n 1\n 1.0\n";
  EXPECT_TRUE(
      Messages("factor type=A", Repeated("* HCITY = 1", 80) + section + Repeated("* HCITY = 1", 80) + section).empty());
  EXPECT_EQ(
      Messages("factor type=A", Repeated("* HCITY = 1", 81) + section),
      std::vector<std::string>{"80: is HCITY line 81 of its section; the engine holds 80 and refuses the file (224)"});
}

}  // namespace
}  // namespace dataset
