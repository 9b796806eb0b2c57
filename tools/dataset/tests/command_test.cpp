// The dataset command: its exit status, output and messages.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

#include "platform/testing/temp_directory.h"

namespace {

using platform::testing::ReadFileText;
using platform::testing::TempDirectory;

struct Outcome {
  int status;
  std::string output;  // standard output and error together
};

Outcome Command(const std::string& arguments) {
  const std::string line = std::string(DATASET_COMMAND) + " " + arguments + " 2>&1";
  FILE* pipe = ::popen(line.c_str(), "r");
  if (!pipe) return {-1, "cannot run " + line};
  std::string output;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  const int status = ::pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class DatasetCommand : public ::testing::Test {
 protected:
  std::string path(const char* name) const { return (dir / name).string(); }
  TempDirectory dir;
};

TEST_F(DatasetCommand, BuildWritesTheFilesAndSaysSo) {
  dir.write("set.ds", "tda\n  state\ntds\n  entry\n");
  Outcome run = Command("build " + path("set.ds") + " -o " + path("out"));
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "wrote TDA.SEQ (1 records, 6 bytes)\nwrote TDS.SEQ (1 records, 19 bytes)\n");
  EXPECT_EQ(ReadFileText(dir / "out" / "TDA.SEQ"), "36NY \n");
}

TEST_F(DatasetCommand, BuildReportsDescriptionErrorsAndRefusedChecks) {
  dir.write("bad.ds", "tda\n  state\n  state number=x\n");
  Outcome run = Command("build " + path("bad.ds") + " -o " + path("out"));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Contains(run.output, "bad.ds: line 3: field 'number': 'x' is not an unsigned number")) << run.output;

  dir.write("unsorted.ds", "tda\n  state number=9\n  state number=3\n");
  run = Command("build " + path("unsorted.ds") + " -o " + path("out"));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Contains(run.output, "TDA.SEQ record 1 (line 3): state 03 is out of order")) << run.output;
  EXPECT_FALSE(std::filesystem::exists(dir / "out"));

  run = Command("build " + path("unsorted.ds") + " -o " + path("out") + " --raw");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(ReadFileText(dir / "out" / "TDA.SEQ"), "09NY \n03NY \n");
}

TEST_F(DatasetCommand, DumpAndCheckReadFilesBack) {
  dir.write("TDS.SEQ", "010010010070070099\n");
  dir.write("states", "36NY \n36NY \n");
  Outcome run = Command("dump " + path("TDS.SEQ"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "tds\n  entry kind=7\n");
  run = Command("dump " + path("states") + " --as tda");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(Contains(run.output, "tda raw\n  state\n  state\n")) << run.output;

  run = Command("check " + path("TDS.SEQ"));
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(Contains(run.output, "no problems")) << run.output;
  run = Command("check " + path("states") + " --as TDA.SEQ");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Contains(run.output, "record 1: state 36 appears twice")) << run.output;

  run = Command("dump " + path("states"));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Contains(run.output, "cannot tell the kind of")) << run.output;

  // A kind with block fields, as one argument.
  dir.write("rows", std::string("\x01\x00\x02\x00\x03\x00", 6));
  run = Command("dump " + path("rows") + " --as 'tdt slots=1'");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "tdt slots=1\n  row region=1 table=2 codes=3\n");
  run = Command("check " + path("rows") + " --as 'tdt slots=2'");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Contains(run.output, "record 0: is 6 bytes, not 8")) << run.output;
}

TEST_F(DatasetCommand, BreakAppliesFaultsInOrder) {
  dir.write("TDA.SEQ", "01AL \n02AK \n04AZ \n");
  Outcome run = Command("break " + path("TDA.SEQ") + " swap=0,2 drop=1 byte=0:0x39 mtime=1700000000.5");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(ReadFileText(dir / "TDA.SEQ"), "94AZ \n01AL \n");
  struct stat st {};
  ASSERT_EQ(::stat(path("TDA.SEQ").c_str(), &st), 0);
  EXPECT_EQ(st.st_mtim.tv_sec, 1700000000);
  EXPECT_EQ(st.st_mtim.tv_nsec, 500000000);

  EXPECT_EQ(Command("break " + path("TDA.SEQ") + " --record-size 3 reverse truncate=6").status, 0);
  EXPECT_EQ(ReadFileText(dir / "TDA.SEQ"), "L \n01A");  // "94A" "Z \n" "01A" "L \n" reversed, cut to 6

  EXPECT_EQ(Command("break " + path("TDA.SEQ") + " delete").status, 0);
  EXPECT_FALSE(std::filesystem::exists(dir / "TDA.SEQ"));
  run = Command("break " + path("TDA.SEQ") + " reverse");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Contains(run.output, "cannot read")) << run.output;
}

TEST_F(DatasetCommand, UsageErrorsExitWithTwoAndShowTheUsage) {
  dir.write("TDA.SEQ", "01AL \n");
  const std::string file = path("TDA.SEQ");
  for (const std::string& arguments : std::vector<std::string>{
           "", "frobnicate", "build " + path("x.ds"), "dump", "dump a b", "check " + path("TDA.SEQ") + " --raw",
           "break " + path("TDA.SEQ"), "break " + path("TDA.SEQ") + " shuffle", "break " + path("TDA.SEQ") + " drop",
           "break " + path("TDA.SEQ") + " reverse=1", "break " + path("TDA.SEQ") + " byte=0:256",
           "break " + path("TDA.SEQ") + " swap=1", "break " + path("TDA.SEQ") + " truncate=-1",
           "dump " + path("TDA.SEQ") + " --as"}) {
    Outcome run = Command(arguments);
    EXPECT_EQ(run.status, 2) << arguments << "\n" << run.output;
    EXPECT_TRUE(Contains(run.output, "usage:")) << arguments << "\n" << run.output;
  }
  EXPECT_EQ(ReadFileText(dir / "TDA.SEQ"), "01AL \n");
  Outcome help = Command("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(Contains(
      help.output,
      "kinds: efcrec tda tds tdv tdz tdt tdx tdn service-guide factor points-service rates matrix points zones "
      "class-factors zip-pairs rbno-addons "
      "light-base light-matrix minimums city-points city-addons point-pair-lanes point-adjustments zip-slot-lanes "
      "lane-pair-adjustments package-codes zone-pair-lanes cell-adjustments operator-adjustments range-lanes "
      "percent-bases percent-matrix percent-exceptions global-lanes base-keys list-adjustments "
      "no-discount-states canadian-lanes base-codes lane-tariffs "
      "tariff-settings rating-defaults discount-file mexico-defaults mexico-settings levels origin-codes accessorials "
      "classes "
      "weight-breaks table-names province-prefixes zip-states zip-ranges service-ranges postal-services "
      "engineless-table "
      "zip-index base-point-block profiles state-list province-list option-records language library-names about "
      "us-cities canadian-cities mexican-cities "
      "base-point-names base-points base-zones border-us-zones border-canadian-zones zone-kinds border-zone-kinds "
      "coastal-zips "
      "coastal-fees lettered"))
      << help.output;
}

}  // namespace
