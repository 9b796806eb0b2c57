// Deliberate faults on written files.
#include "dataset/faults.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "dataset/data_set.h"
#include "dataset/read_back.h"
#include "platform/testing/temp_directory.h"

namespace dataset {
namespace {

using platform::testing::ReadFileText;
using platform::testing::TempDirectory;

class Faults : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildDataSet(
        "efcrec\n  record kind=1\n  record kind=2\n  record kind=3\n"
        "tda\n  state number=1 code=AL\n  state number=2 code=AK\n  state number=4 code=AZ\n"
        "tds\n  entry slot=1\n  entry slot=2\n  entry slot=3\n",
        dir.path());
  }
  std::filesystem::path file(const char* name) const { return dir / name; }
  std::string kinds() const {  // the kind column of each EFCREC record
    std::string out, content = ReadFileText(file("EFCREC.TBL"));
    for (std::size_t pos = 0; pos + 4 <= content.size(); pos += 76) out += content.substr(pos + 3, 1);
    return out;
  }
  TempDirectory dir;
};

TEST_F(Faults, TruncateCutsTheFile) {
  TruncateFile(file("EFCREC.TBL"), 75);
  EXPECT_EQ(std::filesystem::file_size(file("EFCREC.TBL")), 75u);
  TruncateFile(file("EFCREC.TBL"), 0);
  EXPECT_EQ(std::filesystem::file_size(file("EFCREC.TBL")), 0u);
  EXPECT_THROW(TruncateFile(file("TDA.SEQ"), 19), Error);
  EXPECT_EQ(ReadFileText(file("TDA.SEQ")).size(), 18u);
}

TEST_F(Faults, DropRemovesOneRecordOfTheFilesKind) {
  DropRecord(file("EFCREC.TBL"), 1);
  EXPECT_EQ(kinds(), "13");
  DropRecord(file("TDS.SEQ"), 0);
  EXPECT_EQ(ReadFileText(file("TDS.SEQ")), "020010010010010099\n030010010010010099\n");
  DropRecord(file("TDA.SEQ"), 0, 3);  // records of an explicit size
  EXPECT_EQ(ReadFileText(file("TDA.SEQ")), "L \n02AK \n04AZ \n");
  EXPECT_THROW(DropRecord(file("EFCREC.TBL"), 2), Error);
}

TEST_F(Faults, SwapAndReverseUnsortAFile) {
  SwapRecords(file("TDA.SEQ"), 0, 2);
  EXPECT_EQ(ReadFileText(file("TDA.SEQ")), "04AZ \n02AK \n01AL \n");
  EXPECT_FALSE(CheckFile(file("TDA.SEQ")).empty());
  ReverseRecords(file("TDA.SEQ"));
  EXPECT_TRUE(CheckFile(file("TDA.SEQ")).empty());
  ReverseRecords(file("EFCREC.TBL"));
  EXPECT_EQ(kinds(), "321");
  EXPECT_THROW(SwapRecords(file("EFCREC.TBL"), 0, 3), Error);
}

TEST_F(Faults, SetByteChangesOneByteInsideTheFile) {
  SetByte(file("EFCREC.TBL"), 76 + 14, 'Q');
  const std::vector<Problem> problems = CheckFile(file("EFCREC.TBL"));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].record, 1u);
  EXPECT_THROW(SetByte(file("TDA.SEQ"), 18, 'x'), Error);
}

TEST_F(Faults, DeleteRemovesTheFile) {
  DeleteFile(file("TDS.SEQ"));
  EXPECT_FALSE(std::filesystem::exists(file("TDS.SEQ")));
  EXPECT_THROW(DeleteFile(file("TDS.SEQ")), Error);
  EXPECT_THROW(DropRecord(file("TDS.SEQ"), 0), Error);
}

TEST_F(Faults, ModificationTimeIsSetToTheNanosecond) {
  SetModificationTime(file("EFCREC.TBL"), 1'700'000'000, 123'456'789);
  struct stat st {};
  ASSERT_EQ(::stat(file("EFCREC.TBL").c_str(), &st), 0);
  EXPECT_EQ(st.st_mtim.tv_sec, 1'700'000'000);
  EXPECT_EQ(st.st_mtim.tv_nsec, 123'456'789);
  EXPECT_THROW(SetModificationTime(file("missing"), 0), Error);
  EXPECT_THROW(SetModificationTime(file("EFCREC.TBL"), 0, 1'000'000'000), Error);
}

TEST_F(Faults, RecordsOfTheTariffFilesFollowTheirKinds) {
  BuildDataSet(
      "tdt slots=3\n  row region=1 codes=\"1 2 3\"\n  row region=2\n"
      "factor tariff=TSTFRT01 type=A\n  parameter name=RADJF value=2\n  section classes=100 breaks=0\n  factor-line\n"
      "efcrec\n  record kind=1\n  record kind=2\n  record kind=3\n",
      dir.path());
  // The TDS.SEQ beside it (from SetUp) has three slots: rows of five words.
  SwapRecords(file("TDT.BIN"), 0, 1);
  EXPECT_EQ(ReadFileText(file("TDT.BIN")).substr(0, 2), std::string("\x02\x00", 2));
  DropRecord(file("TSTFRT01.F01"), 0);
  EXPECT_EQ(ReadFileText(file("TSTFRT01.F01")), " 100\n 0\n 1\n 1.0\n");
  DeleteFile(file("TDS.SEQ"));
  EXPECT_THROW(ReverseRecords(file("TDT.BIN")), Error);
  ReverseRecords(file("TDT.BIN"), 10);
  EXPECT_EQ(ReadFileText(file("TDT.BIN")).substr(0, 2), std::string("\x01\x00", 2));
}

TEST_F(Faults, RecordFaultsNeedAKnownFileOrASize) {
  dir.write("OTHER.BIN", "abcdef");
  EXPECT_THROW(ReverseRecords(dir / "OTHER.BIN"), Error);
  ReverseRecords(dir / "OTHER.BIN", 2);
  EXPECT_EQ(ReadFileText(dir / "OTHER.BIN"), "efcdab");
}

}  // namespace
}  // namespace dataset
