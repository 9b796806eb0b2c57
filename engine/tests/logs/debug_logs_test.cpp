// The debug logs of a rating: the text log's request and answer blocks with
// its size limit, and the binary log's records.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/testing/temp_directory.h"
#include "support/data_directory.h"
#include "support/engine_library.h"
#include "support/shipment_request.h"

namespace vorn {
namespace {

using platform::testing::ReadFileText;
using platform::testing::TempDirectory;
using testing::DataDirectory;
using testing::EngineLibrary;
using testing::ShipmentRequest;

TEST(TextLogBlocks, ARatingLogsItsRequestAndItsAnswer) {
  EngineLibrary engine("[Debug]\nDebugFlag=Y\n");
  DataDirectory data;
  ASSERT_EQ(engine->InitializeVorn(data.withSeparator().c_str()), 0);
  ShipmentRequest request = ShipmentRequest{}.detailCount("02").line(1, "50", "000200").at(2159, "Z");
  const std::string sent = request.bytes();
  engine->RateShipment(request.data());
  const std::string log = ReadFileText(data / "vorn.dbg");
  const std::string before = "\r\nBeforeHeader=" + sent.substr(1, 262) + "\r\nBeforeDetail=" + sent.substr(265, 27) +
                             "\r\nBeforeDetail=" + sent.substr(295, 27) + "\r\nwDiscnt=" + sent.substr(865, 54) +
                             "\r\niDiscnt=" + sent.substr(919, 54) + "\r\nEnddll=Z";
  const std::string answer = request.bytes();
  const std::string after = "\r\nAfterHeader=" + answer.substr(1, 262) + "\r\nAfterDetail=" + answer.substr(265, 27) +
                            "\r\nAfterDetail=" + answer.substr(295, 27);
  EXPECT_NE(log.find(before + after), std::string::npos) << log;
}

TEST(TextLogBlocks, ADetailCountOutsideTheRecordLogsAtMostTwentyLines) {
  EngineLibrary engine("[Debug]\nDebugFlag=Y\n");
  DataDirectory data;
  ASSERT_EQ(engine->InitializeVorn(data.withSeparator().c_str()), 0);
  engine->RateShipment(ShipmentRequest{}.detailCount("99").data());
  const std::string log = ReadFileText(data / "vorn.dbg");
  std::size_t lines = 0;
  for (std::size_t at = log.find("BeforeDetail="); at != std::string::npos; at = log.find("BeforeDetail=", at + 1))
    ++lines;
  EXPECT_EQ(lines, 20u);
}

// Each block opens the log: at 1,048,575 bytes the request block is appended
// (and the file then holds a megabyte, so the answer block starts a new
// file); at 1,048,576 the request block already starts a new file.
TEST(TextLogBlocks, TheLogStartsAnewAtExactlyTheLimitAndAppendsBelowIt) {
  EngineLibrary engine("[Debug]\nDebugFlag=Y\nMBLogSize=1\n");
  DataDirectory data;
  ASSERT_EQ(engine->InitializeVorn(data.withSeparator().c_str()), 0);
  data.write("vorn.dbg", std::string(1048575, '.'));
  engine->RateShipment(ShipmentRequest{}.data());
  const std::string appended = ReadFileText(data / "vorn.dbg");
  EXPECT_EQ(appended.substr(0, 14), "\r\nAfterHeader=");
  EXPECT_EQ(appended.find("BeforeHeader"), std::string::npos);

  data.write("vorn.dbg", std::string(1048576, '.'));
  engine->RateShipment(ShipmentRequest{}.data());
  const std::string restarted = ReadFileText(data / "vorn.dbg");
  EXPECT_EQ(restarted.substr(0, 15), "\r\nBeforeHeader=");
  EXPECT_NE(restarted.find("\r\nAfterHeader="), std::string::npos);
  EXPECT_EQ(restarted.find("....."), std::string::npos);
}

struct BinaryRecord {
  std::uint32_t kind;
  std::uint32_t thread;
  std::string data;
};

std::vector<BinaryRecord> ReadBinaryLog(const std::filesystem::path& file) {
  const std::string bytes = ReadFileText(file);
  std::vector<BinaryRecord> records;
  for (std::size_t at = 0; at + 12 <= bytes.size();) {
    std::uint32_t length, kind, thread;
    std::memcpy(&length, bytes.data() + at, 4);
    std::memcpy(&kind, bytes.data() + at + 4, 4);
    std::memcpy(&thread, bytes.data() + at + 8, 4);
    records.push_back({kind, thread, bytes.substr(at + 12, length)});
    at += 12 + length;
  }
  return records;
}

class BinaryLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(cwd_.path());  // the binary log goes to the current directory
  }
  void TearDown() override { std::filesystem::current_path(previous_); }
  TempDirectory cwd_;
  std::filesystem::path previous_;
};

TEST_F(BinaryLogTest, ARatingWritesStartHeaderVersionAndEndInThatOrder) {
  EngineLibrary engine("[Debug]\nBinaryDebug=y\n");
  DataDirectory data;
  ASSERT_EQ(engine->InitializeVorn(data.withSeparator().c_str()), 0);
  std::filesystem::remove(cwd_ / "kqdebug.dbr");  // the initialisation's file opens
  ShipmentRequest request;
  engine->RateShipment(request.data());
  std::vector<BinaryRecord> records = ReadBinaryLog(cwd_ / "kqdebug.dbr");
  // Files the rating opens (kind 15) come between them.
  std::vector<std::uint32_t> kinds;
  std::vector<BinaryRecord> rating;
  for (const BinaryRecord& r : records) {
    if (r.kind == 15) continue;
    kinds.push_back(r.kind);
    rating.push_back(r);
  }
  EXPECT_EQ(kinds, (std::vector<std::uint32_t>{0, 14, 17, 1}));
  ASSERT_EQ(rating.size(), 4u);
  records = rating;
  EXPECT_EQ(records[0].data.size(), 4u);
  EXPECT_EQ(records[1].data, ShipmentRequest{}.bytes().substr(1, 264));
  EXPECT_EQ(records[2].data.size(), 105u);
  EXPECT_EQ(records[2].data.substr(0, 8), "Vorn Dll");
  EXPECT_EQ(records[3].thread, static_cast<std::uint32_t>(::gettid()));
}

TEST_F(BinaryLogTest, OpeningTheEffectiveFileIsLoggedWithItsName) {
  EngineLibrary engine("[Debug]\nBinaryDebug=Y\n");
  DataDirectory data;
  ASSERT_EQ(engine->InitializeVorn(data.withSeparator().c_str()), 0);
  std::vector<BinaryRecord> records = ReadBinaryLog(cwd_ / "kqdebug.dbr");
  ASSERT_GE(records.size(), 3u);  // EFCREC.TBL, TDS.SEQ, TDA.SEQ
  EXPECT_EQ(records[0].kind, 15u);
  EXPECT_EQ(records[0].data.size(), 260u);
  EXPECT_EQ(std::string(records[0].data.c_str()), data.withSeparator() + "EFCREC.TBL");
}

TEST_F(BinaryLogTest, IsOffByDefault) {
  EngineLibrary engine;
  DataDirectory data;
  ASSERT_EQ(engine->InitializeVorn(data.withSeparator().c_str()), 0);
  engine->RateShipment(ShipmentRequest{}.data());
  EXPECT_FALSE(std::filesystem::exists(cwd_ / "kqdebug.dbr"));
}

}  // namespace
}  // namespace vorn
