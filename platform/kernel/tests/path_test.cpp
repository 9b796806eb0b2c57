#include "platform/kernel/path.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <thread>

#include "platform/kernel/file.h"
#include "platform/testing/temp_directory.h"

namespace platform {
namespace {

using platform::testing::TempDirectory;

TEST(Path, SplitAcceptsBothSeparatorsAndADrive) {
  PathParts p = SplitPath("C:\\ZQDATA/sub\\EFCREC.TBL");
  EXPECT_EQ(p.drive, "C:");
  EXPECT_EQ(p.directory, "\\ZQDATA/sub\\");
  EXPECT_EQ(p.name, "EFCREC");
  EXPECT_EQ(p.extension, ".TBL");

  PathParts bare = SplitPath("name.with.dots");
  EXPECT_EQ(bare.directory, "");
  EXPECT_EQ(bare.name, "name.with");
  EXPECT_EQ(bare.extension, ".dots");

  PathParts dotInDirectory = SplitPath("/a.b/file");
  EXPECT_EQ(dotInDirectory.directory, "/a.b/");
  EXPECT_EQ(dotInDirectory.name, "file");
  EXPECT_EQ(dotInDirectory.extension, "");
}

TEST(Path, DriveAndDirectoryDropsTheLastComponentUnlessTheSeparatorEndsThePath) {
  EXPECT_EQ(DriveAndDirectory("/data/zq"), "/data/");
  EXPECT_EQ(DriveAndDirectory("/data/zq/"), "/data/zq/");
  EXPECT_EQ(DriveAndDirectory("C:\\ZQDATA\\"), "C:\\ZQDATA\\");
  EXPECT_EQ(DriveAndDirectory(std::string_view("/data/zq/ \t\0", 12)), "/data/zq/");
  EXPECT_EQ(DriveAndDirectory("C:"), "C:/");
  EXPECT_EQ(DriveAndDirectory("file"), "");
  EXPECT_EQ(DriveAndDirectory(""), "");
}

TEST(Path, NativeFormUsesSlashesAndDropsDriveAndTrailingBlanks) {
  EXPECT_EQ(NativePath("C:\\ZQDATA\\TARIFF.LA "), "/ZQDATA/TARIFF.LA");
  EXPECT_EQ(NativePath("rel\\dir /x"), "rel/dir/x");
  EXPECT_EQ(NativePath("/a/b/"), "/a/b/");
  EXPECT_EQ(WithTrailingSeparator("/a"), "/a/");
  EXPECT_EQ(WithTrailingSeparator("/a\\"), "/a\\");
  EXPECT_EQ(WithTrailingSeparator(""), "");
}

TEST(Path, FilesAreFoundWithoutRegardToCase) {
  TempDirectory dir;
  dir.write("Sub/EfcRec.Tbl", "x");
  const std::string base = dir.path().string();

  std::optional<std::string> found = FindExistingPath(base + "\\SUB\\EFCREC.TBL");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(*found, base + "/Sub/EfcRec.Tbl");
  EXPECT_EQ(FindExistingPath(base + "/sub/efcrec.tbl  "), base + "/Sub/EfcRec.Tbl");
  EXPECT_EQ(FindExistingPath(base + "/SUB/MISSING.TBL"), std::nullopt);
  // A file that does not exist resolves to its native spelling for creation.
  EXPECT_EQ(ResolvePath(base + "\\NEW.FIL"), base + "/NEW.FIL");
}

// Names looked up in a directory that has not changed for a while are
// answered from its listing; whatever is created, removed or renamed in it
// afterwards is seen at the next lookup all the same.
TEST(Path, ChangesToADirectoryAreSeenAtTheNextLookup) {
  TempDirectory dir;
  dir.write("Data/First.Tbl", "x");
  const std::string base = dir.path().string() + "/Data/";
  std::this_thread::sleep_for(std::chrono::milliseconds(3100));  // until the directory's listing is kept

  EXPECT_EQ(FindExistingPath(base + "FIRST.TBL"), base + "First.Tbl");
  EXPECT_EQ(FindExistingPath(base + "SECOND.TBL"), std::nullopt);
  EXPECT_EQ(FindExistingPath(base + "FIRST.TBL"), base + "First.Tbl");  // from the listing

  dir.write("Data/Second.Tbl", "y");
  EXPECT_EQ(FindExistingPath(base + "SECOND.TBL"), base + "Second.Tbl");
  std::filesystem::rename(base + "First.Tbl", base + "Third.Tbl");
  EXPECT_EQ(FindExistingPath(base + "FIRST.TBL"), std::nullopt);
  EXPECT_EQ(FindExistingPath(base + "third.tbl"), base + "Third.Tbl");
  std::optional<File> opened = File::OpenReadOnly(base + "THIRD.TBL");
  ASSERT_TRUE(opened.has_value());
  EXPECT_EQ(opened->path(), base + "Third.Tbl");

  // A directory put in the place of another is read afresh.
  std::filesystem::rename(dir.path() / "Data", dir.path() / "Old");
  dir.write("Data/Fourth.Tbl", "z");
  EXPECT_EQ(FindExistingPath(base + "SECOND.TBL"), std::nullopt);
  EXPECT_EQ(FindExistingPath(base + "FOURTH.TBL"), base + "Fourth.Tbl");
  EXPECT_FALSE(File::OpenReadOnly(base + "THIRD.TBL").has_value());
  EXPECT_FALSE(File::OpenReadOnly(dir.path().string() + "/DATA").has_value());  // a directory is no file
}

// A listing is kept only for a stamp that no later change can repeat: both
// times must lie more than two seconds back (a change on a file system of
// two-second stamps may land in the tick of the last one). A time in the
// future, as a server with a fast clock gives, is never settled.
TEST(Path, AFolderIsSettledOnlyWhenBothItsTimesLieMoreThanTwoSecondsBack) {
  struct Case {
    std::int64_t modifiedAgo;
    std::int64_t changedAgo;
    bool settled;
  };
  for (const Case& c : {Case{5, 5, true}, Case{60, 5, true}, Case{5, 0, false}, Case{0, 5, false}, Case{1, 60, false},
                        Case{-3600, 60, false}, Case{60, -3600, false}}) {
    const std::int64_t now = std::time(nullptr);
    FolderStamp stamp;
    stamp.modifiedSeconds = now - c.modifiedAgo;
    stamp.changedSeconds = now - c.changedAgo;
    EXPECT_EQ(IsSettled(stamp), c.settled) << c.modifiedAgo << " and " << c.changedAgo << " seconds back";
  }
}

TEST(Path, HeldContentsServeReadsUntilReleasedAndLargeFilesAreMeasuredOnce) {
  TempDirectory dir;
  const std::filesystem::path small = dir.write("small.tbl", "abcdef");
  const std::filesystem::path large = dir.write("large.tbl", std::string(100, 'x'));
  std::optional<File> a = File::OpenReadOnly(small.string());
  std::optional<File> b = File::OpenReadOnly(large.string());
  ASSERT_TRUE(a && b);

  std::uint8_t bytes[4] = {};
  EXPECT_TRUE(a->holdContents(16));
  dir.write("small.tbl", "ABCDEFGH");  // rewritten while held: the held copy answers
  EXPECT_EQ(a->size(), 6);
  EXPECT_EQ(a->readAt(4, bytes), 2);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), 2), "ef");
  EXPECT_EQ(a->readAt(6, bytes), 0);
  EXPECT_EQ(a->read(bytes), 4);
  EXPECT_EQ(a->read(bytes), 2);  // read() goes on from where it was
  a->releaseContents();
  EXPECT_EQ(a->size(), 8);  // the file as it is now
  EXPECT_EQ(a->readAt(4, bytes), 4);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), 4), "EFGH");

  EXPECT_FALSE(b->holdContents(16));  // too large: measured once, read from the file
  dir.write("large.tbl", std::string(120, 'y'));
  EXPECT_EQ(b->size(), 100);
  EXPECT_EQ(b->readAt(96, bytes), 4);
  EXPECT_EQ(bytes[0], 'y');
  b->releaseContents();
  EXPECT_EQ(b->size(), 120);
}

}  // namespace
}  // namespace platform
