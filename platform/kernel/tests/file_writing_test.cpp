// Files written in place, replaced whole, and copied without replacing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

#include "platform/kernel/append_file.h"
#include "platform/kernel/copy_file.h"
#include "platform/kernel/file.h"
#include "platform/kernel/new_file.h"
#include "platform/kernel/replace_file.h"
#include "platform/testing/child_process.h"
#include "platform/testing/temp_directory.h"
#include "temporary_file.h"

namespace platform {
namespace {

using platform::testing::ReadFileText;
using platform::testing::TempDirectory;
namespace fs = std::filesystem;

const std::string kOldContents = std::string("old profile\0\x01\xFF", 14);

// The names in a folder, sorted: what is left behind shows here.
std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

unsigned ModeOf(const fs::path& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

// A data folder holding one file, PROFILE.FIL, under that spelling.
class FileWriting : public ::testing::Test {
 protected:
  fs::path folder() const { return dir_ / "Data"; }
  fs::path target() const { return folder() / "PROFILE.FIL"; }
  void SetUp() override { dir_.write("Data/PROFILE.FIL", kOldContents); }
  void TearDown() override { fs::permissions(folder(), fs::perms::owner_all); }  // so that it can be removed
  TempDirectory dir_;
};

// Three writes, so that each one can be made to fail in turn.
void WriteThreeRecords(ContentWriter& out) {
  for (std::string_view record : {"first record|", "second record|", "third record"})
    if (!out.write(record)) return;
}

TEST_F(FileWriting, AFailureAtAnyStepLeavesTheOldFileAndNoTemporaryFile) {
  struct Case {
    const char* name;
    ReplaceFaults faults;
    unsigned folderMode;  // 0: as made
    unsigned targetMode;
    ReplaceStep step;
    int error;
  } const cases[] = {
      {"folder without write permission", {}, 0555, 0, ReplaceStep::Create, EACCES},
      {"read-only target", {}, 0, 0444, ReplaceStep::Create, EACCES},
      {"first write", {.failingWrite = 1}, 0, 0, ReplaceStep::Write, EIO},
      {"second write", {.failingWrite = 2}, 0, 0, ReplaceStep::Write, EIO},
      {"third write", {.failingWrite = 3}, 0, 0, ReplaceStep::Write, EIO},
      {"flush", {.failFlush = true}, 0, 0, ReplaceStep::Flush, EIO},
      {"rename", {.failRename = true}, 0, 0, ReplaceStep::Rename, EIO},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::permissions(target(), static_cast<fs::perms>(c.targetMode ? c.targetMode : 0644));
    fs::permissions(folder(), static_cast<fs::perms>(c.folderMode ? c.folderMode : 0755));
    const ReplaceResult result = ReplaceFile(target().string(), WriteThreeRecords, {.faults = c.faults});
    EXPECT_EQ(result.failedStep, c.step);
    EXPECT_EQ(result.error, c.error);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(ReadFileText(target()), kOldContents);
    EXPECT_EQ(Names(folder()), std::vector<std::string>{"PROFILE.FIL"});
  }
}

TEST_F(FileWriting, ReplacementTakesTheExistingSpellingOrCreatesTheOneGiven) {
  const ReplaceResult replaced = ReplaceFile((folder() / "profile.fil ").string(), WriteThreeRecords);
  ASSERT_TRUE(replaced.ok());
  EXPECT_EQ(replaced.path, target().string());
  EXPECT_EQ(ReadFileText(target()), "first record|second record|third record");

  // A new file in a folder named under another case.
  const ReplaceResult created = ReplaceFile((dir_ / "DATA" / "Acme.ZP6").string(), std::string_view("ranges"));
  ASSERT_TRUE(created.ok());
  EXPECT_EQ(ReadFileText(folder() / "Acme.ZP6"), "ranges");
  EXPECT_EQ(Names(folder()), (std::vector<std::string>{"Acme.ZP6", "PROFILE.FIL"}));

  // An empty image replaces the file with an empty one.
  ASSERT_TRUE(ReplaceFile(target().string(), std::span<const std::uint8_t>()).ok());
  EXPECT_EQ(fs::file_size(target()), 0u);
}

TEST_F(FileWriting, AFailedFolderFlushIsReportedAfterTheFileWasReplaced) {
  const ReplaceResult result =
      ReplaceFile(target().string(), std::string_view("new"), {.faults = {.failFolderFlush = true}});
  EXPECT_EQ(result.failedStep, ReplaceStep::FolderFlush);
  EXPECT_EQ(ReadFileText(target()), "new");
  EXPECT_EQ(Names(folder()), std::vector<std::string>{"PROFILE.FIL"});
}

TEST_F(FileWriting, WrittenFilesGetTheExactModeOrTheUmasksShare) {
  const mode_t previous = ::umask(027);
  ASSERT_TRUE(ReplaceFile(target().string(), std::string_view("a")).ok());
  EXPECT_EQ(ModeOf(target()), 0640u);
  ASSERT_TRUE(ReplaceFile(target().string(), std::string_view("b"), {.mode = {.exact = 0604}}).ok());
  EXPECT_EQ(ModeOf(target()), 0604u);
  ASSERT_EQ(CopyFileIfAbsent(target().string(), (folder() / "COPY.FIL").string(), {.exact = 0600}).outcome,
            CopyOutcome::Copied);
  EXPECT_EQ(ModeOf(folder() / "COPY.FIL"), 0600u);
  ::umask(previous);
}

// A write cut short by a real limit: the file-size limit binds root too, and
// with SIGXFSZ ignored the write that passes it is short, the next fails.
TEST_F(FileWriting, AWriteCutShortByTheFileSizeLimitFailsWhole) {
  platform::testing::ChildProcess child([&](platform::testing::ChildProcess::Channel& channel) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const ReplaceResult result = ReplaceFile(target().string(), std::string(10000, 'x'));
    channel.send(result.failedStep == ReplaceStep::Write && result.error == EFBIG ? 'y' : 'n');
  });
  EXPECT_EQ(child.receive(), 'y');
  child.wait();
  EXPECT_EQ(ReadFileText(target()), kOldContents);
  EXPECT_EQ(Names(folder()), std::vector<std::string>{"PROFILE.FIL"});
}

TEST_F(FileWriting, ACopyNeverReplacesAnExistingFile) {
  const std::string source = (folder() / "profile.fil").string();  // found under its own spelling
  const CopyResult copied = CopyFileIfAbsent(source, (dir_ / "PROFILE.FIL").string());
  EXPECT_EQ(copied.outcome, CopyOutcome::Copied);
  EXPECT_EQ(ReadFileText(dir_ / "PROFILE.FIL"), kOldContents);

  dir_.write("Start/Profile.Fil", "mine");
  EXPECT_EQ(CopyFileIfAbsent(source, (dir_ / "Start" / "PROFILE.FIL").string()).outcome, CopyOutcome::TargetExists);
  EXPECT_EQ(ReadFileText(dir_ / "Start" / "Profile.Fil"), "mine");
  EXPECT_EQ(Names(dir_ / "Start"), std::vector<std::string>{"Profile.Fil"});

  const CopyResult missing = CopyFileIfAbsent((folder() / "NONE.FIL").string(), (dir_ / "Start" / "NONE.FIL").string());
  EXPECT_EQ(missing.outcome, CopyOutcome::Failed);
  EXPECT_EQ(missing.error, ENOENT);

  fs::permissions(dir_ / "Start", static_cast<fs::perms>(0555));
  const CopyResult refused = CopyFileIfAbsent(source, (dir_ / "Start" / "OTHER.FIL").string());
  fs::permissions(dir_ / "Start", fs::perms::owner_all);
  EXPECT_EQ(refused.outcome, CopyOutcome::Failed);
  EXPECT_EQ(refused.error, EACCES);
  EXPECT_EQ(Names(dir_ / "Start"), std::vector<std::string>{"Profile.Fil"});
}

// The last step of a copy takes the name only while it is free, so a file
// created after the check is kept, and the copy is not left behind.
TEST_F(FileWriting, TheCopysLastStepKeepsAFileCreatedMeanwhile) {
  const std::optional<detail::TargetPath> target = detail::ResolveTarget((folder() / "NEW.FIL").string());
  ASSERT_TRUE(target.has_value());
  ASSERT_FALSE(target->exists);
  {
    detail::TemporaryFile temporary(*target, {});
    ASSERT_EQ(temporary.createError(), 0);
    dir_.write("Data/NEW.FIL", "created meanwhile");
    EXPECT_EQ(temporary.placeIfAbsent(*target), EEXIST);
  }
  EXPECT_EQ(ReadFileText(folder() / "NEW.FIL"), "created meanwhile");
  EXPECT_EQ(Names(folder()), (std::vector<std::string>{"NEW.FIL", "PROFILE.FIL"}));
}

TEST_F(FileWriting, FilesOpenedForWritingAreWrittenWholeInPlace) {
  std::optional<File> file = File::OpenReadWrite((folder() / "profile.FIL").string());
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->path(), target().string());
  const std::uint8_t head[] = {'N', 'E', 'W'};
  const std::uint8_t tail[] = {'!', '!'};
  EXPECT_TRUE(file->write(head));
  EXPECT_TRUE(file->writeAt(20, tail));
  EXPECT_FALSE(file->writeAt(-1, tail));
  file->close();
  EXPECT_EQ(ReadFileText(target()), "NEW" + kOldContents.substr(3) + std::string(6, '\0') + "!!");

  EXPECT_FALSE(File::OpenReadWrite((folder() / "MISSING.FIL").string()).has_value());
  EXPECT_EQ(Names(folder()), std::vector<std::string>{"PROFILE.FIL"});  // never created
  fs::permissions(target(), static_cast<fs::perms>(0444));
  EXPECT_FALSE(File::OpenReadWrite(target().string()).has_value());  // read-only, also for root
  EXPECT_EQ(errno, EACCES);
  EXPECT_TRUE(File::OpenReadOnly(target().string()).has_value());
}

// New files: hidden while written, then placed under the first free name of
// a series (a name taken under any case is passed over); dropped, failed or
// refused ones leave nothing.
TEST_F(FileWriting, ANewFileTakesTheFirstFreeNameAndNeverAnExistingOne) {
  const auto nameFor = [](int n) { return "Report " + std::to_string(n) + ".pdf"; };
  dir_.write("Data/report 1.PDF", "older");
  const auto bytes = [](std::string_view text) {
    return std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  };
  std::optional<NewFile> file = NewFile::Create(folder().string(), "Report.pdf");
  ASSERT_TRUE(file.has_value());
  EXPECT_TRUE(file->write(bytes("page one|")));
  EXPECT_TRUE(file->write(bytes("page two")));
  EXPECT_EQ(Names(folder()).size(), 3u);  // the temporary file beside the two
  const std::optional<std::string> placed = file->placeUnderFreeName(nameFor, 5);
  ASSERT_TRUE(placed.has_value());
  EXPECT_EQ(*placed, (folder() / "Report 2.pdf").string());
  EXPECT_EQ(ReadFileText(*placed), "page one|page two");
  EXPECT_EQ(ReadFileText(folder() / "report 1.PDF"), "older");

  struct Case {
    const char* name;
    std::function<void(NewFile&)> finish;
  } const dropped[] = {
      {"discarded", [](NewFile& f) { f.discard(); }},
      {"destroyed unplaced", [](NewFile&) {}},
      {"every name taken",
       [&](NewFile& f) {
         EXPECT_FALSE(f.placeUnderFreeName(nameFor, 2));
         EXPECT_EQ(errno, EEXIST);
       }},
  };
  for (const Case& c : dropped) {
    SCOPED_TRACE(c.name);
    {
      std::optional<NewFile> other = NewFile::Create(folder().string(), "Report.pdf");
      ASSERT_TRUE(other.has_value());
      other->write(bytes("lost"));
      c.finish(*other);
    }
    EXPECT_EQ(Names(folder()), (std::vector<std::string>{"PROFILE.FIL", "Report 2.pdf", "report 1.PDF"}));
  }

  EXPECT_FALSE(NewFile::Create((dir_ / "Missing").string(), "Report.pdf").has_value());
  EXPECT_EQ(errno, ENOENT);
  fs::permissions(folder(), static_cast<fs::perms>(0555));
  EXPECT_FALSE(NewFile::Create(folder().string(), "Report.pdf").has_value());
  EXPECT_EQ(errno, EACCES);
}

// Appending: at the end or over a final end mark, whole or not at all; a
// file not there is made whole under a temporary name first.
TEST_F(FileWriting, AppendsGoWholeToTheEndOrOverTheEndMarkOrNotAtAll) {
  constexpr std::uint8_t kMark = 0x1A;
  struct Case {
    const char* name;
    std::optional<std::string> before;  // nothing: no file
    AppendOptions options;
    AppendStep step;
    std::string after;
  } const cases[] = {
      {"after the last byte", "old\r\n", {.endMark = kMark}, AppendStep::None, "old\r\nnew\r\n"},
      {"over the end mark", "old\r\n\x1A", {.endMark = kMark}, AppendStep::None, "old\r\nnew\r\n"},
      {"a mark not asked for stays", "old\x1A", {}, AppendStep::None, "old\x1Anew\r\n"},
      {"a mark only file", "\x1A", {.endMark = kMark}, AppendStep::None, "new\r\n"},
      {"an empty file", "", {.endMark = kMark}, AppendStep::None, "new\r\n"},
      {"a short write is undone", "old\r\n", {.shortWriteAfter = 2}, AppendStep::Write, "old\r\n"},
      {"and the mark written back", "old\x1A", {.endMark = kMark, .shortWriteAfter = 3}, AppendStep::Write, "old\x1A"},
      {"a new file", std::nullopt, {}, AppendStep::None, "new\r\n"},
      {"a new file not written whole", std::nullopt, {.newFileFaults = {.failingWrite = 1}}, AppendStep::Write, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(folder() / "REPORT.PRT");
    fs::remove(folder() / "report.prt");
    if (c.before) dir_.write("Data/REPORT.PRT", *c.before);
    // Found under another case; made in the case given.
    const fs::path file = folder() / (c.before ? "REPORT.PRT" : "report.prt");
    const AppendResult result = AppendToFile((folder() / "report.prt").string(), "new\r\n", c.options);
    EXPECT_EQ(result.failedStep, c.step);
    EXPECT_EQ(result.created, !c.before && c.step == AppendStep::None);
    EXPECT_EQ(result.path, file.string());
    const bool kept = c.before || c.step == AppendStep::None;
    if (kept) {
      EXPECT_EQ(ReadFileText(file), c.after);
    }
    EXPECT_EQ(Names(folder()).size(), kept ? 2u : 1u);  // no temporary file left
  }
  fs::remove(folder() / "report.prt");

  // A file that may not be written, or a folder that takes no new file.
  fs::permissions(target(), static_cast<fs::perms>(0444));
  EXPECT_EQ(AppendToFile(target().string(), "x").failedStep, AppendStep::Open);
  fs::permissions(folder(), static_cast<fs::perms>(0555));
  const AppendResult refused = AppendToFile((folder() / "NEW.PRN").string(), "x");
  EXPECT_EQ(refused.failedStep, AppendStep::Create);
  EXPECT_EQ(refused.error, EACCES);
  EXPECT_EQ(ReadFileText(target()), kOldContents);
}

// A real short write: past the file-size limit the append fails and the file
// is cut back.
TEST_F(FileWriting, AnAppendCutShortByTheFileSizeLimitLeavesTheFileAsItWas) {
  dir_.write("Data/REPORT.PRT", std::string(4000, 'o') + "\x1A");
  const fs::path report = folder() / "REPORT.PRT";
  platform::testing::ChildProcess child([&](platform::testing::ChildProcess::Channel& channel) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const AppendResult result = AppendToFile(report.string(), std::string(1000, 'n'), {.endMark = 0x1A});
    channel.send(result.failedStep == AppendStep::Write && result.error == EFBIG ? 'y' : 'n');
  });
  EXPECT_EQ(child.receive(), 'y');
  child.wait();
  EXPECT_EQ(ReadFileText(report), std::string(4000, 'o') + "\x1A");
}

}  // namespace
}  // namespace platform
