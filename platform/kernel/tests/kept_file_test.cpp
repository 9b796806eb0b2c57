// A kept file answers what the file holds now: created, rewritten in place,
// replaced by rename, removed, all within one second; a settled file is read
// once until it changes, even when its modification time is put back.
#include "platform/kernel/kept_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>

#include "platform/testing/temp_directory.h"

namespace platform {
namespace {

using testing::Overwrite;
using testing::TempDirectory;
using testing::WaitUntilSettled;

std::string Text(const std::vector<std::uint8_t>* bytes) {
  return bytes == nullptr ? "(none)" : std::string(bytes->begin(), bytes->end());
}

TEST(KeptFile, EveryUseSeesTheFileAsItIsNowEvenWithinOneSecond) {
  TempDirectory dir;
  KeptFile kept;
  const std::string path = dir.withSeparator() + "LANE.APP";
  EXPECT_EQ(kept.contents(path), nullptr);
  dir.write("LANE.APP", "first");
  EXPECT_EQ(Text(kept.contents(path)), "first");
  Overwrite(dir / "LANE.APP", "again");
  EXPECT_EQ(Text(kept.contents(path)), "again");
  dir.write("LANE.NEW", "third");
  std::filesystem::rename(dir / "LANE.NEW", dir / "LANE.APP");
  EXPECT_EQ(Text(kept.contents(path)), "third");
  std::filesystem::remove(dir / "LANE.APP");
  EXPECT_EQ(kept.contents(path), nullptr);
  // Found under another case; a directory of the name is no file.
  dir.write("lane.app", "lower");
  EXPECT_EQ(Text(kept.contents(path)), "lower");
  std::filesystem::remove(dir / "lane.app");
  std::filesystem::create_directory(dir / "LANE.APP");
  EXPECT_EQ(kept.contents(path), nullptr);
  EXPECT_EQ(kept.contents(""), nullptr);
}

TEST(KeptFile, ASettledFileIsReadOnceUntilItChanges) {
  TempDirectory dir;
  const std::filesystem::path file = dir.write("LANE.NDS", "NYTX");
  const std::string path = dir.withSeparator() + "LANE.NDS";
  WaitUntilSettled({file});
  KeptFile kept;
  EXPECT_EQ(Text(kept.contents(path)), "NYTX");
  EXPECT_EQ(Text(kept.contents(path)), "NYTX");
  EXPECT_EQ(kept.reads(), 1u);
  // Rewritten in place at the same size, its modification time put back
  // (as a copy that keeps times does): the change time tells.
  struct stat before {};
  ASSERT_EQ(::stat(file.c_str(), &before), 0);
  Overwrite(file, "NJPA");
  const timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
  EXPECT_EQ(Text(kept.contents(path)), "NJPA");
  // Changed this recently, it is read at every use.
  EXPECT_EQ(Text(kept.contents(path)), "NJPA");
  EXPECT_EQ(kept.reads(), 3u);
}

}  // namespace
}  // namespace platform
