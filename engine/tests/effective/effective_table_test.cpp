// The effective table as callers see it: the exported entries, their order
// and count, the reload on a new time stamp and bad EFCREC.TBL files.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "dataset/faults.h"
#include "platform/testing/temp_directory.h"
#include "support/data_directory.h"
#include "support/engine_library.h"

namespace vorn {
namespace {

using testing::DataDirectory;
using testing::EngineLibrary;

constexpr std::string_view kTables = "tds\n  entry\ntda\n  state\n";

std::string Description(std::string_view records) { return "efcrec\n" + std::string(records) + std::string(kTables); }

class EffectiveTableTest : public ::testing::Test {
 protected:
  // Initialises on an EFCREC.TBL of these records.
  void initialise(std::string_view records) {
    data_.build(Description(records));
    ASSERT_EQ(engine_->InitializeVorn(data_.withSeparator().c_str()), 0);
  }
  std::vector<std::string> entries() {
    std::vector<std::string> out;
    const int count = engine_->GetEffectiveTableSize();
    for (int i = 0; i < count; ++i) {
      char entry[17];
      if (engine_->GetEffectiveTable(entry, i) != entry) ADD_FAILURE() << "entry " << i;
      out.emplace_back(entry, 17);
    }
    return out;
  }
  EngineLibrary engine_;
  DataDirectory data_{""};
};

TEST_F(EffectiveTableTest, EntriesAreSortedByNameAndDateWithTheirKind) {
  initialise(R"(
  record name=ZULU0001 date=2024-01-01
  record name=ALPHA001 date=2024-03-01 country=Y
  record name=ALPHA001 date=2023-12-01 letter=P
  record name=MIDDLE01 date=2024-02-01 country=C
)");
  EXPECT_EQ(entries(), (std::vector<std::string>{"ALPHA00120231201P", "ALPHA00120240301I", "MIDDLE0120240201N",
                                                 "ZULU000120240101N"}));
}

TEST_F(EffectiveTableTest, DuplicatesBureauAndPrefixEntriesAreListedOnce) {
  initialise(R"(
  record name=SAMENAME date=2024-01-01 letter=N
  record name=SAMENAME date=2024-01-01 letter=P
  record name=ABCXXX01 date=2024-01-01 letter=X
  record name=ABCYYY02 date=2024-01-01 letter=X
  record name=ABCZZZ03 date=2024-01-01 letter=X
  record name=BUREAU01 letter=Y type=Y
  record name=BUREAU02 letter=Y type=Y kind=2
  record name=HIDDEN2A
  record name=SUBST001 letter=S
)");
  EXPECT_EQ(entries(), (std::vector<std::string>{"ABC     20240101X", "Bureau           ", "SAMENAME20240101N"}));
}

TEST_F(EffectiveTableTest, AnIndexAtTheCountOrANullOutputGivesNull) {
  initialise("  record\n");
  char entry[17];
  EXPECT_EQ(engine_->GetEffectiveTableEx(nullptr, entry, 0), entry);
  EXPECT_EQ(engine_->GetEffectiveTable(entry, 1), nullptr);
  EXPECT_EQ(engine_->GetEffectiveTable(nullptr, 0), nullptr);
}

TEST_F(EffectiveTableTest, OnlyTheFirst5000RecordsAreRead) {
  std::string records;
  for (int i = 0; i < 5001; ++i) records += "  record name=T" + std::to_string(1000000 + i) + "\n";
  data_.build(Description(records), /*raw=*/true);
  ASSERT_EQ(engine_->InitializeVorn(data_.withSeparator().c_str()), 0);
  const std::vector<std::string> all = entries();
  ASSERT_EQ(all.size(), 5000u);
  EXPECT_EQ(all.back().substr(0, 8), "T1004999");
}

int gNotifications = 0;
std::int32_t gLastReason = -1;
void* gLastContext = nullptr;
void CountNotify(void* context, void* record) {
  ++gNotifications;
  gLastContext = context;
  gLastReason = *static_cast<std::int32_t*>(record);
  EXPECT_EQ(static_cast<unsigned char*>(record)[4], 1);
}

TEST_F(EffectiveTableTest, ANewTimeStampReloadsTheTableAndTellsTheCaller) {
  initialise("  record name=FIRST001\n");
  int context = 0;
  engine_->SetNotifyCallback(&context, CountNotify);
  EXPECT_EQ(engine_->GetEffectiveTableSize(), 1);  // the first look counts as a change
  EXPECT_EQ(gNotifications, 1);
  EXPECT_EQ(gLastReason, 6);
  EXPECT_EQ(gLastContext, &context);
  EXPECT_EQ(engine_->GetEffectiveTableSizeEx(nullptr), 1);
  EXPECT_EQ(gNotifications, 1);  // unchanged file: no reload

  data_.build(Description("  record name=FIRST001\n  record name=SECOND01\n"));
  EXPECT_EQ(engine_->GetEffectiveTableSize(), 2);
  EXPECT_EQ(gNotifications, 2);

  dataset::SetModificationTime(data_ / "EFCREC.TBL", 1'700'000'000, 0);  // touched only
  EXPECT_EQ(engine_->GetEffectiveTableSize(), 2);
  EXPECT_EQ(gNotifications, 3);
}

// A write in the same time-stamp tick as the last one keeps the file's
// stamp: a recent stamp is no proof that nothing changed. The file is
// rewritten in place (same inode and size) and given the same, future,
// modification time.
TEST_F(EffectiveTableTest, AFileRewrittenWithinOneTimeStampTickIsReadAgain) {
  initialise("  record name=FIRST001\n");
  const std::filesystem::path file = data_ / "EFCREC.TBL";
  const std::int64_t tick = std::time(nullptr) + 3600;
  dataset::SetModificationTime(file, tick, 0);
  int context = 0;
  gNotifications = 0;
  engine_->SetNotifyCallback(&context, CountNotify);
  ASSERT_EQ(entries().size(), 1u);
  EXPECT_EQ(entries()[0].substr(0, 8), "FIRST001");
  EXPECT_EQ(gNotifications, 1);

  std::string text = platform::testing::ReadFileText(file);
  text.replace(19, 8, "SECOND01");
  std::ofstream(file, std::ios::binary | std::ios::in | std::ios::out) << text;
  dataset::SetModificationTime(file, tick, 0);
  EXPECT_EQ(entries()[0].substr(0, 8), "SECOND01");
  EXPECT_EQ(gNotifications, 2);
  EXPECT_EQ(entries()[0].substr(0, 8), "SECOND01");
  EXPECT_EQ(gNotifications, 2);  // read again, unchanged: not reported
}

// A program that puts the old modification time back after rewriting the
// file at the same size (as copies that keep times do) leaves that time and
// the size as they were; the change time still shows the write. The file's
// times are first left to settle, so that the table would be kept.
TEST_F(EffectiveTableTest, AFileRewrittenWithItsOldModificationTimePutBackIsReadAgain) {
  initialise("  record name=FIRST001\n");
  const std::filesystem::path file = data_ / "EFCREC.TBL";
  const std::int64_t old = std::time(nullptr) - 3600;
  dataset::SetModificationTime(file, old, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(3100));  // the change time settles too
  ASSERT_EQ(entries().size(), 1u);
  EXPECT_EQ(entries()[0].substr(0, 8), "FIRST001");

  std::string text = platform::testing::ReadFileText(file);
  text.replace(19, 8, "SECOND01");
  std::ofstream(file, std::ios::binary | std::ios::in | std::ios::out) << text;
  dataset::SetModificationTime(file, old, 0);
  EXPECT_EQ(entries()[0].substr(0, 8), "SECOND01");
}

TEST_F(EffectiveTableTest, AFileThatCannotBeReadIsReportedNotCountedAndTheTableIsKept) {
  initialise("  record name=KEPT0001\n");
  EXPECT_EQ(engine_->GetEffectiveTableSize(), 1);
  dataset::TruncateFile(data_ / "EFCREC.TBL", 10);
  EXPECT_EQ(engine_->GetEffectiveTableSize(), -1);
  char entry[17];
  EXPECT_EQ(engine_->GetEffectiveTable(entry, 0), nullptr);
  dataset::DeleteFile(data_ / "EFCREC.TBL");
  EXPECT_EQ(engine_->GetEffectiveTableSize(), -1);
  data_.build(Description("  record name=KEPT0001\n"));
  EXPECT_EQ(engine_->GetEffectiveTableSize(), 1);
  EXPECT_EQ(std::string(engine_->GetEffectiveTable(entry, 0), 8), "KEPT0001");
}

TEST_F(EffectiveTableTest, TruncatedUnsortedAndWronglyFramedFiles) {
  initialise("  record name=CCCCCCCC\n  record name=AAAAAAAA\n  record name=BBBBBBBB\n");
  // A file out of order is ordered; a last record cut short is dropped.
  dataset::TruncateFile(data_ / "EFCREC.TBL", 76 * 3 - 10);
  EXPECT_EQ(engine_->GetEffectiveTableSize(), 2);
  std::vector<std::string> all = entries();
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].substr(0, 8), "AAAAAAAA");
  EXPECT_EQ(all[1].substr(0, 8), "CCCCCCCC");
  // A last record that lacks only its LF still counts.
  data_.build(Description("  record name=CCCCCCCC\n  record name=AAAAAAAA\n"));
  dataset::TruncateFile(data_ / "EFCREC.TBL", 76 * 2 - 1);
  EXPECT_EQ(engine_->GetEffectiveTableSize(), 2);
  // Records of another length do not end their lines where 76-byte records do.
  data_.build("efcrec raw\n  raw text=\"" + std::string(78, 'B') + "\\r\\n\"\n  raw text=\"" + std::string(78, 'B') +
                  "\\r\\n\"\n",
              true);
  EXPECT_EQ(engine_->GetEffectiveTableSize(), -1);
}

TEST(RatingVersionExport, NormalisesTheCallersRecordInPlace) {
  EngineLibrary engine;
  std::string record = "A001202401010" + std::string(61, ' ') + "\r\n";  // older format, version given by rule
  record.replace(14, 1, "0");
  record.replace(19, 8, "TESTTRF1");
  record.replace(47, 2, "NN");
  engine->DetermineRatingVersion(record.data());
  EXPECT_EQ(record[0], 'B');
  EXPECT_EQ(record.substr(39, 5), "4.0  ");
  EXPECT_EQ(record.substr(74, 2), "\r\n");
}

}  // namespace
}  // namespace vorn
