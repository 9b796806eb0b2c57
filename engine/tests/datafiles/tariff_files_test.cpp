// A tariff's lettered files: which columns of its record name each letter's
// file, and how the openers keep, reopen and fall back.
#include "engine_state/tariff_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "common/version_number.h"
#include "common/version_text.h"
#include "engine_state/rating_engine.h"
#include "rating/rating.h"
#include "support/data_directory.h"

namespace vorn {
namespace {

using testing::DataDirectory;

class TariffFileNames : public ::testing::Test {
 protected:
  // Every suffix field holds its own first column, so a suffix names the
  // columns it came from.
  static constexpr std::string_view kOwnColumns =
      "sequence=12 lane-digits=17 suffix.I=27 suffix.R=29 suffix.T=31 suffix.P=33 suffix.E=35 suffix.F=37";
  void load(std::string_view fields = kOwnColumns) {
    data_.build("efcrec\n  record " + std::string(fields) + "\ntds\n  entry\ntda\n  state\n");
    engine_.effectivePath = data_.withSeparator();
    engine_.dataPath = data_.withSeparator();
    ASSERT_EQ(engine_.initializeEffectiveTable(), 0);
    ASSERT_EQ(engine_.effective.loadTariffForEntry(0, engine_.currentTariff, EngineVersionNumber()), 0);
  }
  std::string suffixes(std::string_view letters) const {
    std::string out;
    for (char letter : letters) out += TariffFileSuffix(engine_.currentTariff, letter) + " ";
    return out;
  }
  DataDirectory data_{""};
  RatingEngine engine_;
  Rating rating_;
};

TEST_F(TariffFileNames, EachLetterTakesItsSuffixField) {
  load();
  EXPECT_EQ(suffixes("AL"), "17 17 ");
  EXPECT_EQ(suffixes("IJ"), "27 27 ");
  EXPECT_EQ(suffixes("MRZ"), "29 29 29 ");
  EXPECT_EQ(suffixes("T"), "31 ");
  EXPECT_EQ(suffixes("BKPQYOHDXN"), "33 33 33 33 33 33 33 33 33 33 ");
  EXPECT_EQ(suffixes("E"), "35 ");
  EXPECT_EQ(suffixes("CF"), "37 37 ");
  EXPECT_EQ(suffixes("UV"), "12 12 ");  // no field of their own: the sequence
}

TEST_F(TariffFileNames, AFieldThatBeginsWithALetterStandsForTheSequence) {
  load("sequence=12 lane-digits=17 suffix.I=27 suffix.R=A9 suffix.T=31 suffix.P=33 suffix.E=35 suffix.F=ZZ");
  EXPECT_EQ(suffixes("MRZ"), "12 12 12 ");
  EXPECT_EQ(suffixes("CF"), "12 12 ");
  EXPECT_EQ(suffixes("T"), "31 ");
}

TEST_F(TariffFileNames, TheFilesAreNamedAfterTheTariff) {
  load();
  data_.write("TSTFRT01.F37", " 1\n");
  ASSERT_EQ(engine_.files.open(engine_, 'F'), 0);
  EXPECT_EQ(std::filesystem::path(engine_.files.file('F')->path()).filename(), "TSTFRT01.F37");
  EXPECT_EQ(engine_.files.factorText(), " 1\n");
}

TEST_F(TariffFileNames, APointServiceFileFallsBackToSuffix99OrIsAbsent) {
  load();
  ASSERT_EQ(engine_.files.open(engine_, 'D'), 0);  // neither file: allowed
  EXPECT_EQ(engine_.files.file('D'), nullptr);
  data_.write("TSTFRT01.D99", "");
  ASSERT_EQ(engine_.files.open(engine_, 'D'), 0);
  ASSERT_NE(engine_.files.file('D'), nullptr);
  EXPECT_EQ(std::filesystem::path(engine_.files.file('D')->path()).filename(), "TSTFRT01.D99");
  engine_.files.close('D');
  data_.write("TSTFRT01.D33", "");
  ASSERT_EQ(engine_.files.open(engine_, 'D'), 0);
  EXPECT_EQ(std::filesystem::path(engine_.files.file('D')->path()).filename(), "TSTFRT01.D33");
}

// A data folder that has not changed for a while: the file looked for and
// missing, then made (in another case) or renamed, is found at the next open.
TEST_F(TariffFileNames, AFileMadeOrRenamedAfterItWasMissingIsOpenedNextTime) {
  load();
  std::this_thread::sleep_for(std::chrono::milliseconds(3100));
  ASSERT_EQ(engine_.files.open(engine_, 'D'), 0);
  EXPECT_EQ(engine_.files.file('D'), nullptr);
  EXPECT_EQ(engine_.files.open(engine_, 'E'), 220);
  data_.write("tstfrt01.d33", "");
  data_.write("TSTFRT01.X35", "");
  ASSERT_EQ(engine_.files.open(engine_, 'D'), 0);
  ASSERT_NE(engine_.files.file('D'), nullptr);
  EXPECT_EQ(std::filesystem::path(engine_.files.file('D')->path()).filename(), "tstfrt01.d33");
  std::filesystem::rename(data_ / "TSTFRT01.X35", data_ / "TSTFRT01.E35");
  EXPECT_EQ(engine_.files.open(engine_, 'E'), 0);
}

TEST_F(TariffFileNames, ABureauTariffsPointServiceFileIsNamedAfterTheRequest) {
  load(std::string(kOwnColumns) + " type=Y");
  rating_.request.requestedTariffName = "REQUEST1";
  data_.write("REQUEST1.D99", "");
  ASSERT_EQ(engine_.files.open(engine_, 'D', rating_.request.requestedTariffName), 0);
  ASSERT_NE(engine_.files.file('D'), nullptr);
  EXPECT_EQ(std::filesystem::path(engine_.files.file('D')->path()).filename(), "REQUEST1.D99");
}

TEST_F(TariffFileNames, AMissingFileAnswersItsLettersCode) {
  load();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (letter == 'D') continue;
    EXPECT_EQ(engine_.files.open(engine_, letter), OpenErrorOf(letter)) << letter;
    EXPECT_NE(OpenErrorOf(letter), 0) << letter;
    EXPECT_FALSE(engine_.files.isOpen(letter)) << letter;
  }
  EXPECT_EQ(engine_.files.open(engine_, 'F'), 204);
  EXPECT_EQ(engine_.files.open(engine_, '?'), 200);
}

TEST_F(TariffFileNames, OpenFilesAreKeptExceptTheOnesReopenedEachTime) {
  load();
  for (const char* name : {"TSTFRT01.P33", "TSTFRT01.N33", "TSTFRT01.F37"}) data_.write(name, " 1\n");
  ASSERT_EQ(engine_.files.open(engine_, 'P'), 0);
  ASSERT_EQ(engine_.files.open(engine_, 'N'), 0);
  ASSERT_EQ(engine_.files.open(engine_, 'F'), 0);
  data_.write("TSTFRT01.F37", " 2\n");
  ASSERT_EQ(engine_.files.open(engine_, 'F'), 0);  // read again
  EXPECT_EQ(engine_.files.factorText(), " 2\n");
  for (const char* name : {"TSTFRT01.P33", "TSTFRT01.N33"}) std::filesystem::remove(data_ / name);
  EXPECT_EQ(engine_.files.open(engine_, 'P'), 0);    // still open
  EXPECT_EQ(engine_.files.open(engine_, 'N'), 271);  // closed before each open
}

TEST_F(TariffFileNames, TheMatrixLettersShareOneHandle) {
  load();
  data_.write("TSTFRT01.I27", "i");
  data_.write("TSTFRT01.J27", "j");
  ASSERT_EQ(engine_.files.open(engine_, 'I'), 0);
  EXPECT_EQ(engine_.files.matrixLetter(), 'I');
  ASSERT_EQ(engine_.files.open(engine_, 'J'), 0);
  EXPECT_EQ(engine_.files.matrixLetter(), 'J');
  EXPECT_FALSE(engine_.files.isOpen('I'));
  EXPECT_EQ(engine_.files.file('I'), nullptr);
  EXPECT_NE(engine_.files.file('J'), nullptr);
}

TEST_F(TariffFileNames, ATariffChangeClosesTheTariffsOwnFilesOnly) {
  load();
  for (const char* name : {"TSTFRT01.A17", "TSTFRT01.R29", "TSTFRT01.F37"}) data_.write(name, "x");
  for (char letter : {'A', 'R', 'F'}) ASSERT_EQ(engine_.files.open(engine_, letter), 0);
  engine_.files.closeOnTariffChange(engine_.currentTariff);  // first seen: closes
  EXPECT_TRUE(engine_.files.isOpen('A'));
  EXPECT_FALSE(engine_.files.isOpen('R'));
  EXPECT_FALSE(engine_.files.isOpen('F'));
  ASSERT_EQ(engine_.files.open(engine_, 'R'), 0);
  engine_.files.closeOnTariffChange(engine_.currentTariff);  // the same tariff: nothing closes
  EXPECT_TRUE(engine_.files.isOpen('R'));
}

TEST_F(TariffFileNames, TheRateFileIndexIsItsLast700BytesOrADefault) {
  load();
  data_.write("TSTFRT01.R29", std::string(100, 'r'));
  ASSERT_EQ(engine_.files.open(engine_, 'R'), 0);
  ASSERT_EQ(engine_.files.rateIndex().size(), 2u);  // shorter than an index
  EXPECT_EQ(engine_.files.rateIndex()[1].offset, 100u);
  engine_.files.close('R');
  std::string tail(700, '\0');
  tail.replace(0, 3, "***");
  tail.replace(7, 7, std::string("001\x10\x00\x00\x00", 7));
  data_.write("TSTFRT01.R29", std::string(50, 'r') + tail);
  ASSERT_EQ(engine_.files.open(engine_, 'R'), 0);
  ASSERT_EQ(engine_.files.rateIndex().size(), 99u);
  EXPECT_EQ(std::string(engine_.files.rateIndex()[0].key.data(), 3), "001");
  EXPECT_EQ(engine_.files.rateIndex()[0].offset, 16u);
}

}  // namespace
}  // namespace vorn
