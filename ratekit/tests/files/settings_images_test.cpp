// The settings images, the accessorials, the level list and the origin
// codes: where each is read from, the readings the Parts fix, and the
// images written back whole or not at all.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

#include "dataset/data_set.h"
#include "platform/testing/child_process.h"
#include "platform/testing/temp_directory.h"
#include "ratekit/ratekit32.h"
#include "support/test_context.h"

namespace ratekit {
namespace {

using platform::testing::ReadFileText;
using testing::LevelDirectories;

TEST(SettingsImages, TheDefaultsAreReadFromTheStartupDirectoryFirstAndWrittenBackByteForByte) {
  LevelDirectories level;
  testing::TestContext& c = level.context;
  // A file never written by the program: short 260 is 0.
  level.build(
      "rating-defaults level=SAMPLE01\n  set ltl-surcharge=7.5 discount-kind=C\n  bytes at=300 text=\"carried\"\n");
  ASSERT_EQ(ReadDefFile(c.data()), 1);
  EXPECT_EQ(c.view().integerAt<std::int16_t>(rating_defaults::kInitialised.offset), 1);
  EXPECT_EQ(c.view().floatAt(rating_defaults::kTlSurchargePercent.offset), 7.5f);
  EXPECT_EQ(c.text(rating_defaults::kTlFromBreak), "6");
  const mode_t mask = ::umask(022);
  ASSERT_EQ(WriteDefFile(c.data()), 1);
  ::umask(mask);
  // A written file gets what any new file gets: 0666 less the umask.
  EXPECT_EQ(std::filesystem::status(level.startupFile("SAMPLE01.DEF")).permissions(), std::filesystem::perms(0644));
  const std::string written = ReadFileText(level.startupFile("SAMPLE01.DEF"));
  EXPECT_EQ(written, c.bytes(context::kRatingDefaultsImage));
  EXPECT_EQ(written.substr(300, 7), "carried");
  // The start-up directory's copy is the one read next time.
  c.setText(context::kRatingDefaultsImage, "");
  ASSERT_EQ(ReadDefFile(c.data()), 1);
  EXPECT_EQ(c.bytes(context::kRatingDefaultsImage), written);
  // A short file: 244, the image left as it was; none at all: 240.
  level.build("rating-defaults level=SAMPLE01 raw\n  raw text=\"short\"\n");
  std::filesystem::copy_file(level.dataFile("SAMPLE01.DEF"), level.startupFile("SAMPLE01.DEF"),
                             std::filesystem::copy_options::overwrite_existing);
  EXPECT_EQ(ReadDefFile(c.data()), 0);
  EXPECT_EQ(c.lastError(), 244);
  EXPECT_EQ(c.bytes(context::kRatingDefaultsImage), written);
  level.remove({"SAMPLE01.DEF"});
  std::filesystem::remove(level.startupFile("SAMPLE01.DEF"));
  EXPECT_EQ(ReadDefFile(c.data()), 0);
  EXPECT_EQ(c.lastError(), 240);
}

TEST(SettingsImages, TheMexicoImageIsWrittenWithTheDefaultsWhenInUse) {
  LevelDirectories level("SAMPLE03");
  ASSERT_EQ(level.openAll(), 1);
  ASSERT_EQ(level.context.integer(context::kMexicoFilesLoaded), 1);
  ASSERT_EQ(ReadDefFile(level.context.data()), 1);
  level.context.setText(mexico_defaults::kWeightsInKilograms, "Y");
  ASSERT_EQ(WriteDefFile(level.context.data()), 1);
  EXPECT_EQ(ReadFileText(level.startupFile("SAMPLE03.MEF")), level.context.bytes(context::kMexicoDefaultsImage));
  EXPECT_EQ(ReadFileText(level.startupFile("SAMPLE03.MEF")).substr(0, 1), "Y");
}

// A write that fails (a file-size limit set in a child process) answers
// its number and leaves the old file whole.
TEST(SettingsImages, AFailedWriteLeavesTheOldFileAsItWas) {
  const struct {
    const char* file;
    int (*write)(void*);
    int number;
  } cases[] = {{"SAMPLE01.DEF", &WriteDefFile, 245},
               {"SAMPLE01.ACC", &WriteAccFile, 246},
               {"SAMPLE01.MEF", &WriteMexicoDefFile, 161}};
  for (const auto& k : cases) {
    LevelDirectories level;
    level.context.setInt(context::kAccessorialCount, 7);
    level.context.setText(context::kAccessorialTable, "accessorials");
    const std::string old(400, 'o');
    std::filesystem::path target = level.startupFile(k.file);
    { std::ofstream(target) << old; }
    platform::testing::ChildProcess child([&](platform::testing::ChildProcess::Channel& channel) {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{100, 100};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      const int result = k.write(level.context.data());
      channel.send(result == 0 && level.context.lastError() == k.number ? 'y' : 'n');
    });
    EXPECT_EQ(child.receive(), 'y') << k.file;
    child.wait();
    EXPECT_EQ(ReadFileText(target), old) << k.file;
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(level.startup.path()), std::filesystem::directory_iterator()),
        1)
        << "no temporary file left: " << k.file;
  }
  // A start-up directory that takes no file: the create numbers.
  LevelDirectories level;
  level.context.setText(context::kStartupDirectory, level.startup.withSeparator() + "missing/");
  EXPECT_EQ(WriteDefFile(level.context.data()), 0);
  EXPECT_EQ(level.context.lastError(), 241);
  EXPECT_EQ(WriteMexicoDefFile(level.context.data()), 0);
  EXPECT_EQ(level.context.lastError(), 160);
  EXPECT_EQ(WriteAccFile(level.context.data()), 0);
  EXPECT_EQ(level.context.lastError(), 520);
}

TEST(SettingsImages, AccessorialsAreReadWholeAndWrittenUpToTheirRoom) {
  LevelDirectories level;
  testing::TestContext& c = level.context;
  c.setInt(context::kEngineInUse, 1);
  const std::string entry(123, 'e');
  for (const auto& [size, count] : {std::pair{250, 2}, std::pair{123 * 101, 100}}) {
    level.build("accessorials level=SAMPLE01 raw\n  raw text=\"" + std::string(static_cast<std::size_t>(size), 'e') +
                "\"\n");
    ASSERT_EQ(level.openAll(), 1);
    EXPECT_EQ(c.integer(context::kAccessorialCount), count) << size;
  }
  // The count read back is held to the table's room.
  for (const auto& [count, bytes] : {std::pair{-1, 0}, std::pair{3, 369}, std::pair{500, 12300}}) {
    c.setInt(context::kAccessorialCount, count);
    ASSERT_EQ(WriteAccFile(c.data()), 1);
    EXPECT_EQ(std::filesystem::file_size(level.startupFile("SAMPLE01.ACC")), static_cast<std::uintmax_t>(bytes))
        << count;
  }
  // The current directory's .ACC comes first.
  std::ofstream(level.startupFile("SAMPLE01.ACC")) << entry;
  ASSERT_EQ(level.openAll(), 1);
  EXPECT_EQ(c.integer(context::kAccessorialCount), 1);
}

TEST(SettingsImages, TheDiscountFileCountsItsEntriesUpToTheFirstBlank) {
  const struct {
    const char* description;
    int entries;
  } cases[] = {
      {"  set entry0.label=A entry1.label=B entry2.label=C entry3.label=\" D\" entry4.label=E\n", 3},
      {"  set entry0.label=A entry1.label=B entry2.label=C\n", 3},
      {"  set entry0.label=\" \"\n", 0},
      {"  set entry0.label=1 entry1.label=2 entry2.label=3 entry3.label=4 entry4.label=5 entry5.label=6 entry6.label=7 "
       "entry7.label=8 entry8.label=9\n",
       9},
  };
  for (const auto& k : cases) {
    LevelDirectories level;
    level.build(std::string("discount-file level=SAMPLE01 raw\n") + k.description);
    ASSERT_EQ(ReadDiscFile(level.context.data()), 1);
    EXPECT_EQ(level.context.integer(context::kDiscountEntryCount), k.entries) << k.description;
  }
  LevelDirectories level;
  level.build("discount-file level=SAMPLE01 raw\n  raw text=short\n");
  EXPECT_EQ(ReadDiscFile(level.context.data()), 0);
  EXPECT_EQ(level.context.lastError(), 254);
}

TEST(SettingsImages, TheLevelListGivesTheShipmentDateAndTheOriginCodesTheirList) {
  const struct {
    const char* content;
    int result, number, count;
    const char* date;
  } cases[] = {
      {"SAMPLE0120240115\r\nSAMPLE0220240601\r\n", 1, 0, 2, "01-15-2024"},
      {"SAMPLE0120240115\r\nSAMPLE02", 1, 0, 1, "01-15-2024"},
      {"SAMPLE0120240115\r", 0, 304, 0, ""},  // under 18 bytes: no level
      {"", 0, 304, 0, ""},
  };
  for (const auto& k : cases) {
    LevelDirectories level;
    level.data.write("LIST.LVL", k.content);
    EXPECT_EQ(OpenLevelFile(level.context.data(), "LIST.LVL"), k.result) << k.content;
    EXPECT_EQ(level.context.lastError(), k.number);
    EXPECT_EQ(level.context.integer(context::kLevelCount), k.count);
    EXPECT_EQ(level.context.text(context::kShipmentDate), k.date);
  }
  LevelDirectories level;
  EXPECT_EQ(OpenLevelFile(level.context.data(), "NONE.LVL"), 0);
  EXPECT_EQ(level.context.lastError(), 300);
  EXPECT_EQ(OpenLevelFile(level.context.data(), nullptr), 0);
  // .COZ: missing is 0 without a number; present, its codes.
  level.context.setInt(context::kLastErrorCode, 7);
  EXPECT_EQ(ReadCOZFile(level.context.data()), 0);
  EXPECT_EQ(level.context.lastError(), 7);
  level.data.write("SAMPLE01.COZ", "10001 30303 M5V2T6");
  EXPECT_EQ(ReadCOZFile(level.context.data()), 1);
  EXPECT_EQ(level.context.integer(context::kCozCount), 3);
}

}  // namespace
}  // namespace ratekit
