// The handles a data folder keeps: how many survive a rating, and what an
// open does when the process has run out of descriptors.
#include "datafiles/data_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/testing/child_process.h"
#include "platform/testing/temp_directory.h"

namespace vorn {
namespace {

constexpr int kFiles = 40;

std::string NameOf(int i) { return "FILE" + std::to_string(10 + i) + ".TBL"; }

// A folder of kFiles small files, each holding its own name, left to settle
// so that its names and handles may be kept past a rating.
class DataFolderHandles : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < kFiles; ++i) dir_.write(NameOf(i), NameOf(i));
    std::this_thread::sleep_for(std::chrono::milliseconds(3100));
  }
  // Opens files first..last-1 in one rating, keeping none of the handles.
  void rate(DataFolder& folder, int first, int last) {
    folder.beginRating();
    for (int i = first; i < last; ++i) EXPECT_NE(folder.open(NameOf(i)), nullptr) << NameOf(i);
    folder.endRating();
  }
  platform::testing::TempDirectory dir_;
};

TEST_F(DataFolderHandles, ThirtyTwoHandlesAreKeptPastARatingAndMoreAreAllClosed) {
  DataFolder folder(dir_.withSeparator());
  rate(folder, 0, 32);
  const std::uint64_t kept = folder.generation();
  rate(folder, 0, 32);
  EXPECT_EQ(folder.generation(), kept);  // the same 32, still open
  rate(folder, 0, 33);
  EXPECT_NE(folder.generation(), kept);
}

// A rating holds one file and, with three descriptors left, opens nine more:
// the fourth of them fails for want of a descriptor, the handles nobody holds
// are closed, and it is tried again. The held file stays open and readable.
TEST_F(DataFolderHandles, AnOpenOutOfDescriptorsClosesTheHandlesNobodyHoldsAndTriesAgain) {
  platform::testing::ChildProcess child([&](platform::testing::ChildProcess::Channel& channel) {
    DataFolder folder(dir_.withSeparator());
    folder.beginRating();
    const std::shared_ptr<platform::File> held = folder.open(NameOf(0));
    std::array<int, 3> spare{};
    for (int& fd : spare) fd = ::open("/dev/null", O_RDONLY);
    const rlimit limit{static_cast<rlim_t>(spare.back() + 1), static_cast<rlim_t>(spare.back() + 1)};
    for (int fd : spare) ::close(fd);
    bool opened = held != nullptr && ::setrlimit(RLIMIT_NOFILE, &limit) == 0;
    for (int i = 1; i < 10; ++i) opened = opened && folder.open(NameOf(i)) != nullptr;
    std::array<std::uint8_t, 10> bytes{};
    folder.endRating();  // the held file's contents are read from the file now
    const bool readable = held->readAt(0, bytes) == static_cast<std::ptrdiff_t>(NameOf(0).size()) &&
                          std::string(bytes.begin(), bytes.begin() + 10) == NameOf(0);
    channel.send(opened ? (readable ? 'y' : 'r') : 'o');
  });
  EXPECT_EQ(child.receive(), 'y');  // 'o': an open failed; 'r': the held file was closed
  child.wait();
}

}  // namespace
}  // namespace vorn
