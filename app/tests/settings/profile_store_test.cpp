// The profile store on files of its own: the name order of a save, what a
// delete makes current, the range file beside each profile, bad files, and
// failures at every step that must leave both files as they were.
#include "settings/profile_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/testing/temp_directory.h"
#include "settings_fixtures.h"

namespace qiv::settings {
namespace {

using testing::EntryBounds;
using testing::FilesIn;
using testing::NamesIn;
using testing::PostalTable;
using testing::ProfileBytes;
using testing::ProfileFile;
using Bytes = std::vector<std::uint8_t>;

namespace pr = ratekit::profile_record;

const std::vector<EntryBounds> kCanadianEntry = {{"K1A0A", "K1C9Z", "10000", "19999"}};

class ProfileStoreTest : public ::testing::Test {
 protected:
  ProfileStoreTest() { context_->setTerminatedText(fields::kStartupDirectory, dir_.withSeparator()); }

  void writeProfiles(const std::vector<Bytes>& records) { dir_.write("PROFILE.FIL", ProfileFile(records)); }
  Bytes profileFile() const {
    const std::string text = platform::testing::ReadFileText(dir_ / "PROFILE.FIL");
    return Bytes(text.begin(), text.end());
  }
  void setCurrent(const Bytes& record, std::int16_t index = 7) {
    std::memcpy(static_cast<std::uint8_t*>(context_->data()) + ratekit::context::kCurrentProfile.offset, record.data(),
                record.size());
    context_->setShort(fields::kCurrentProfileIndex, index);
  }
  std::string currentName() const { return context_->textAt(pr::Current(pr::kName)); }
  std::int16_t index() const { return context_->shortAt(fields::kCurrentProfileIndex); }

  ProfileStore store(bool answerYes = true) {
    ProfileStore s{.context = context_->view(), .tariff = {master_, table_.usable()}};
    s.postalTableEmpty = false;
    s.replaceExisting = [this, answerYes](std::string_view name) {
      asked_ = std::string(name);
      return answerYes;
    };
    return s;
  }

  platform::testing::TempDirectory dir_;
  std::unique_ptr<RatingContext> context_ = RatingContext::Allocate();
  PostalTable table_ = PostalTable::Ontario();
  std::vector<CodeRange> master_ = {{testing::Code("00100"), testing::Code("99999")},
                                    {testing::Code("K0A0A"), testing::Code("K2Z9Z")}};
  std::string asked_;
};

TEST_F(ProfileStoreTest, SaveKeepsNameOrderAndSetsTheIndex) {
  struct Case {
    std::vector<std::string> stored;
    std::string saved;
    bool adding;
    std::string expected;
    int index;
  } cases[] = {
      {{"ACME"}, "acme", false, "acme:C", 0},  // names compare without regard to case
      {{"ACME"}, "acme", true, "acme:C", 0},   // adding asks, Yes replaces
      {{"Alpha", "Gamma"}, "Beta", false, "Alpha:R Beta:C Gamma:R", 1},
      {{"Alpha", "Gamma"}, "Zulu", false, "Alpha:R Gamma:R Zulu:C", 2},  // appended: index = old count
      {{}, "First", false, "First:C", 0},                                // an empty file
      {{"Gamma", "Alpha"}, "Beta", false, "Beta:C Gamma:R Alpha:R", 0},  // unsorted: no harm
      {{"Alpha", "Alpha"}, "Alpha", false, "Alpha:C Alpha:R", 0},        // duplicates: the first replaced
  };
  for (const Case& c : cases) {
    std::vector<Bytes> records;
    for (const std::string& name : c.stored) records.push_back(ProfileBytes(name));
    writeProfiles(records);
    setCurrent(ProfileBytes(c.saved, 'C'));
    ProfileStore s = store();
    asked_.clear();
    EXPECT_EQ(SaveProfile(s, c.adding), SaveOutcome::Saved) << c.saved;
    EXPECT_EQ(NamesIn(profileFile()), c.expected);
    EXPECT_EQ(index(), c.index) << c.saved;
    EXPECT_EQ(asked_, c.adding ? c.stored[0] : "") << c.saved;
    EXPECT_TRUE(std::filesystem::exists(dir_ / (c.saved + ".ZP6")));
  }
}

TEST_F(ProfileStoreTest, MissingFileIsCreatedWithTheOneRecord) {
  setCurrent(ProfileBytes("Default", 'C'));
  ProfileStore s = store();
  EXPECT_EQ(SaveProfile(s, false), SaveOutcome::Saved);
  EXPECT_EQ(NamesIn(profileFile()), "Default:C");
  EXPECT_EQ(index(), 0);
}

TEST_F(ProfileStoreTest, AddingUnderAStoredNameAnsweredNoRewritesNothing) {
  writeProfiles({ProfileBytes("Alpha"), ProfileBytes("Beta")});
  dir_.write("Beta.ZP6", "kept range file");
  const auto before = FilesIn(dir_.path());
  setCurrent(ProfileBytes("BETA", 'C', kCanadianEntry));
  ProfileStore s = store(false);
  EXPECT_EQ(SaveProfile(s, true), SaveOutcome::KeptStored);
  EXPECT_EQ(asked_, "Beta");
  EXPECT_EQ(currentName(), "Beta");  // the stored one is current
  EXPECT_EQ(FilesIn(dir_.path()), before);
  EXPECT_EQ(index(), 1);
}

TEST_F(ProfileStoreTest, DeleteMakesTheNextRecordCurrentOrTheFirstAfterTheLast) {
  struct Case {
    std::string deleted;
    DeleteOutcome outcome;
    std::string remaining;
    std::string current;
    int index;
  } cases[] = {
      {"Beta", DeleteOutcome::Deleted, "Alpha:R Gamma:R", "Gamma", 1},
      {"Gamma", DeleteOutcome::Deleted, "Alpha:R Beta:R", "Alpha", 0},
      {"gamma", DeleteOutcome::NotFound, "Alpha:R Beta:R Gamma:R", "gamma", 7},  // exact names only
  };
  for (const Case& c : cases) {
    writeProfiles({ProfileBytes("Alpha"), ProfileBytes("Beta"), ProfileBytes("Gamma")});
    dir_.write(c.deleted + ".ZP6", "range file");
    setCurrent(ProfileBytes(c.deleted, 'C'));
    ProfileStore s = store();
    EXPECT_EQ(DeleteProfile(s), c.outcome) << c.deleted;
    EXPECT_EQ(NamesIn(profileFile()), c.remaining);
    EXPECT_EQ(currentName(), c.current);
    EXPECT_EQ(index(), c.index) << c.deleted;
    EXPECT_EQ(std::filesystem::exists(dir_ / (c.deleted + ".ZP6")), c.outcome != DeleteOutcome::Deleted);
    std::filesystem::remove(dir_ / (c.deleted + ".ZP6"));
  }
}

TEST_F(ProfileStoreTest, TheOnlyRecordIsNeverDeleted) {
  writeProfiles({ProfileBytes("default")});
  setCurrent(ProfileBytes("default"));
  ProfileStore s = store();
  const auto before = FilesIn(dir_.path());
  EXPECT_EQ(DeleteProfile(s), DeleteOutcome::OnlyProfile);
  EXPECT_EQ(FilesIn(dir_.path()), before);
}

TEST_F(ProfileStoreTest, RangeFileIsTheMasterTableWithTheCanadianRangesMerged) {
  struct Case {
    std::vector<EntryBounds> entries;
    std::string expected;
  } cases[] = {
      {{{"10000", "19999", "20000", "29999"}, {"", "NY", "", "PA"}},
       "0010099999\r\nK0A0AK2Z9Z\r\n\x1A"},  // numeric ranges and states: the table plus the end byte
      {kCanadianEntry, "0010099999\r\nK0A0AK0Z9Z\r\nK1A0AK1C9Z\r\nK1E0AK2Z9Z\r\n\x1A"},
      {{{"10000", "19999", "K2A0A", "K2B9Z"}, {"K1A0A", "K1C9Z", "K1A0A", "K1C9Z"}},  // destinations too, taken once
       "0010099999\r\nK0A0AK0Z9Z\r\nK1A0AK1C9Z\r\nK1E0AK1Z9Z\r\nK2A0AK2B9Z\r\nK2C0AK2Z9Z\r\n\x1A"},
  };
  for (const Case& c : cases) {
    writeProfiles({ProfileBytes("Alpha")});
    setCurrent(ProfileBytes("Alpha", 'C', c.entries));
    ProfileStore s = store();
    ASSERT_EQ(SaveProfile(s, false), SaveOutcome::Saved);
    EXPECT_EQ(platform::testing::ReadFileText(dir_ / "Alpha.ZP6"), c.expected);
  }
}

TEST_F(ProfileStoreTest, PostalCodesRefusedWriteAndDeleteNoRangeFile) {
  context_->setChar(fields::kCanadianCodesFlag, 'Y');
  writeProfiles({ProfileBytes("Alpha"), ProfileBytes("Beta")});
  dir_.write("Alpha.ZP6", "old");
  setCurrent(ProfileBytes("Beta", 'C', kCanadianEntry));
  ProfileStore s = store();
  s.postalTableEmpty = true;
  EXPECT_EQ(SaveProfile(s, false), SaveOutcome::Saved);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Beta.ZP6"));
  setCurrent(ProfileBytes("Alpha"));
  EXPECT_EQ(DeleteProfile(s), DeleteOutcome::Deleted);
  EXPECT_EQ(platform::testing::ReadFileText(dir_ / "Alpha.ZP6"), "old");
}

// Every way a save or a delete can fail: result Failed, both files byte for
// byte as they were, no temporary file left, current profile and index as
// they were.
class FailingStoreTest : public ProfileStoreTest {
 protected:
  void SetUp() override {
    writeProfiles({ProfileBytes("Alpha"), ProfileBytes("Gamma"), ProfileBytes("Zulu")});
    dir_.write("Beta.ZP6", "old range file of Beta");
    dir_.write("Gamma.ZP6", "old range file of Gamma");
  }
  void expectNothingChanged(const std::string& before, const std::string& why) {
    EXPECT_EQ(FilesIn(dir_.path()), before) << why;
    EXPECT_EQ(index(), 7) << why;
  }
  void expectSaveFails(const std::function<void(ProfileStore&)>& spoil, const std::string& why,
                       const std::string& name = "Beta") {
    setCurrent(ProfileBytes(name, 'C', kCanadianEntry));
    const auto before = FilesIn(dir_.path());
    ProfileStore s = store();
    spoil(s);
    EXPECT_EQ(SaveProfile(s, false), SaveOutcome::Failed) << why;
    expectNothingChanged(before, why);
    EXPECT_EQ(currentName(), name);
  }
};

TEST_F(FailingStoreTest, EachStepOfASaveOrADeleteFailing) {
  using Spoil = std::function<void(ProfileStore&)>;
  std::vector<std::pair<std::string, Spoil>> saves;
  for (int n = 1; n <= 4; ++n)
    saves.push_back(
        {"profile write " + std::to_string(n), [n](ProfileStore& s) { s.faults.profileFile.failingWrite = n; }});
  for (int n = 1; n <= 5; ++n)  // four lines and the end byte
    saves.push_back(
        {"range write " + std::to_string(n), [n](ProfileStore& s) { s.faults.rangeFile.failingWrite = n; }});
  saves.push_back({"profile flush", [](ProfileStore& s) { s.faults.profileFile.failFlush = true; }});
  saves.push_back({"profile rename", [](ProfileStore& s) { s.faults.profileFile.failRename = true; }});
  saves.push_back({"range flush", [](ProfileStore& s) { s.faults.rangeFile.failFlush = true; }});
  saves.push_back({"range rename", [](ProfileStore& s) { s.faults.rangeFile.failRename = true; }});
  saves.push_back({"no postal-prefix table", [](ProfileStore& s) { s.postalTableEmpty = true; }});
  for (const auto& [why, spoil] : saves) expectSaveFails(spoil, why);

  std::vector<std::pair<std::string, Spoil>> deletes;
  for (int n = 1; n <= 2; ++n)
    deletes.push_back(
        {"delete write " + std::to_string(n), [n](ProfileStore& s) { s.faults.profileFile.failingWrite = n; }});
  deletes.push_back({"delete flush", [](ProfileStore& s) { s.faults.profileFile.failFlush = true; }});
  deletes.push_back({"delete rename", [](ProfileStore& s) { s.faults.profileFile.failRename = true; }});
  for (const auto& [why, spoil] : deletes) {
    setCurrent(ProfileBytes("Gamma", 'C'));
    const auto before = FilesIn(dir_.path());
    ProfileStore s = store();
    spoil(s);
    EXPECT_EQ(DeleteProfile(s), DeleteOutcome::Failed) << why;
    expectNothingChanged(before, why);
    EXPECT_EQ(currentName(), "Gamma");
  }
}

TEST_F(FailingStoreTest, NamesThatCannotNameAFileAreNotSaved) {
  for (const char* name : {"a/b", "..\\up", "tab\there", ".."}) expectSaveFails([](ProfileStore&) {}, name, name);
}

TEST_F(FailingStoreTest, BadOrReadOnlyFilesAreLeftAlone) {
  // Not whole records: neither saved into nor deleted from.
  Bytes partial = ProfileFile({ProfileBytes("Alpha"), ProfileBytes("Gamma"), ProfileBytes("Zulu")});
  partial.push_back('x');
  dir_.write("PROFILE.FIL", partial);
  expectSaveFails([](ProfileStore&) {}, "partial record");
  {
    setCurrent(ProfileBytes("Gamma"));
    const auto before = FilesIn(dir_.path());
    ProfileStore s = store();
    EXPECT_EQ(DeleteProfile(s), DeleteOutcome::Failed);
    expectNothingChanged(before, "partial record, delete");
  }
  SetUp();
  // Read-only by its mode (root too), and a folder that takes no new file.
  std::filesystem::permissions(dir_ / "PROFILE.FIL", std::filesystem::perms::owner_read);
  expectSaveFails([](ProfileStore&) {}, "read-only file");
  std::filesystem::permissions(dir_ / "PROFILE.FIL",
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  std::filesystem::permissions(dir_.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  expectSaveFails([](ProfileStore&) {}, "read-only folder");
  std::filesystem::permissions(dir_.path(), std::filesystem::perms::owner_all);
}

TEST_F(FailingStoreTest, AFileSizeLimitInAChildLeavesBothFiles) {
  const auto before = FilesIn(dir_.path());
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The old file fits the limit, the new one (a record more) does not.
    const rlimit limit{3 * pr::kSize + 100, 3 * pr::kSize + 100};
    signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(2);
    setCurrent(ProfileBytes("Beta", 'C', kCanadianEntry));
    ProfileStore s = store();
    _exit(SaveProfile(s, false) == SaveOutcome::Failed && index() == 7 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(FilesIn(dir_.path()), before);
}

}  // namespace
}  // namespace qiv::settings
