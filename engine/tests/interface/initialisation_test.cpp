// Engine initialisation: its results, the data-path rules and the two
// threads' engines.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <stdlib.h>
#include <string>
#include <thread>

#include "platform/testing/temp_directory.h"
#include "support/data_directory.h"
#include "support/engine_library.h"

namespace vorn {
namespace {

using platform::testing::ReadFileText;
using platform::testing::TempDirectory;
using testing::DataDirectory;
using testing::EngineLibrary;

constexpr std::string_view kDebugOn = "[Debug]\nDebugFlag=y\n";

TEST(Initialisation, SucceedsOnAMinimalDataSet) {
  EngineLibrary engine;
  DataDirectory data;
  EXPECT_EQ(engine->InitializeVorn(data.withSeparator().c_str()), 0);
  EXPECT_EQ(engine->GetEffectiveTableSize(), 1);
  EXPECT_EQ(engine->EndVorn(), 0);
}

TEST(Initialisation, ReportsTheFirstTableThatCannotBeLoaded) {
  struct Case {
    const char* description;
    int result;
  };
  for (const Case& c : {Case{"efcrec\n  record\ntds\n  entry\n", 101}, Case{"efcrec\n  record\ntda\n  state\n", 102},
                        Case{"tds\n  entry\ntda\n  state\n", 203}}) {
    EngineLibrary engine;
    DataDirectory data(c.description);
    EXPECT_EQ(engine->InitializeVorn(data.withSeparator().c_str()), c.result) << c.description;
    EXPECT_EQ(engine->EndVorn(), -1) << "a failed initialisation deletes the engine";
    EXPECT_EQ(engine->InitializeVornEx(data.withSeparator().c_str()), nullptr);
  }
}

TEST(Initialisation, AnEffectiveFileThatCannotBeReadGives209) {
  for (const char* efcrec : {"", "B001", "efcrec raw\n  raw text=\"short record\\r\\n\"\n"}) {
    EngineLibrary engine;
    DataDirectory data("tds\n  entry\ntda\n  state\n");
    if (std::string_view(efcrec).starts_with("efcrec"))
      data.build(efcrec, true);
    else
      data.write("EFCREC.TBL", efcrec);
    EXPECT_EQ(engine->InitializeVorn(data.withSeparator().c_str()), 209) << efcrec;
  }
}

TEST(Initialisation, ReinitialisingALiveEngineKeepsTheSameEngine) {
  EngineLibrary engine;
  DataDirectory data;
  VornHandle first = engine->InitializeVornEx(data.withSeparator().c_str());
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(engine->InitializeVornEx(data.withSeparator().c_str()), first);
}

// The data path is where the text log goes; the effective path is logged.
class DataPath : public ::testing::Test {
 protected:
  void TearDown() override { ::unsetenv("VORNDATA"); }
  EngineLibrary engine_{kDebugOn};
  DataDirectory data_;
};

TEST_F(DataPath, APathWithoutTrailingSeparatorGetsOne) {
  ASSERT_EQ(engine_->InitializeVorn(data_.path().c_str()), 0);
  const std::string log = ReadFileText(data_ / "vorn.dbg");
  EXPECT_NE(log.find("\r\nVersion=4.18,104,"), std::string::npos) << log;
  EXPECT_NE(log.find("\r\nEffectivePath=" + data_.withSeparator() + "EndofString"), std::string::npos) << log;
  EXPECT_NE(log.find("\r\nVornInitializeVorn Return Code=0"), std::string::npos) << log;
}

TEST_F(DataPath, WithoutAPathTheLibrarysDirectoryIsUsed) {
  EXPECT_EQ(engine_->InitializeVorn(nullptr), 203);  // no EFCREC.TBL beside the library
  EXPECT_EQ(engine_->InitializeVorn(""), 203);
  const std::string log = ReadFileText(engine_.directory() + "vorn.dbg");
  EXPECT_NE(log.find("EffectivePath=" + engine_.directory() + "EndofString"), std::string::npos) << log;
  EXPECT_NE(log.find("Return Code=203"), std::string::npos);
}

TEST_F(DataPath, VorndataReplacesTheDataPathButNotTheEffectivePath) {
  TempDirectory other;
  const std::string value = other.withSeparator() + "ignored-file-name";
  ::setenv("VORNDATA", value.c_str(), 1);
  ASSERT_EQ(engine_->InitializeVorn(data_.withSeparator().c_str()), 0);
  EXPECT_FALSE(std::filesystem::exists(data_ / "vorn.dbg"));
  const std::string log = ReadFileText(other / "vorn.dbg");
  EXPECT_NE(log.find("EffectivePath=" + data_.withSeparator() + "EndofString"), std::string::npos) << log;
  EXPECT_EQ(engine_->GetEffectiveTableSize(), 1);  // EFCREC.TBL is still read from the effective path
}

TEST_F(DataPath, SetVorndataTakesTheDirectoryPartOfItsPath) {
  ASSERT_EQ(engine_->InitializeVorn(data_.withSeparator().c_str()), 0);
  TempDirectory other;
  const std::string withFile = other.withSeparator() + "last  \t";
  EXPECT_EQ(engine_->Set_Vorndata(withFile.c_str()), 1);
  const std::string log = ReadFileText(other / "vorn.dbg");
  EXPECT_NE(log.find("\r\nToPath in Vorn_Set_Vorndata=" + other.withSeparator() + "EndofString"), std::string::npos)
      << log;
  EXPECT_EQ(engine_->Set_VorndataEx(nullptr, other.path().c_str()), 1);  // loses "qiv-test-..."
  EXPECT_NE(ReadFileText(other.path().parent_path() / "vorn.dbg").find("ToPath"), std::string::npos);
  std::filesystem::remove(other.path().parent_path() / "vorn.dbg");
  EXPECT_EQ(engine_->GetEffectiveTableSize(), 1);  // the effective path stays
}

TEST(TextDebugLog, AnUnopenableLogSwitchesTheTextLogOff) {
  EngineLibrary engine(kDebugOn);
  DataDirectory data;
  ::setenv("VORNDATA", "/nonexistent/dir/", 1);
  EXPECT_EQ(engine->InitializeVorn(data.withSeparator().c_str()), 0);
  ::unsetenv("VORNDATA");
  // Logging is off now: a data-path change writes no log.
  TempDirectory other;
  EXPECT_EQ(engine->Set_Vorndata(other.withSeparator().c_str()), 1);
  EXPECT_FALSE(std::filesystem::exists(other / "vorn.dbg"));
}

TEST(TextDebugLog, IsStartedAnewAtTheSizeLimitAndALimitBelowOneIsOne) {
  EngineLibrary engine("[Debug]\nDebugFlag=Y\nMBLogSize=0\n");
  DataDirectory data;
  data.write("vorn.dbg", std::string(1048575, 'x'));
  ASSERT_EQ(engine->InitializeVorn(data.withSeparator().c_str()), 0);
  std::string log = ReadFileText(data / "vorn.dbg");
  EXPECT_GT(log.size(), 1048575u);  // below the limit: appended
  EXPECT_EQ(log.substr(0, 3), "xxx");

  data.write("vorn.dbg", std::string(1048576, 'x'));
  ASSERT_EQ(engine->InitializeVorn(data.withSeparator().c_str()), 0);
  log = ReadFileText(data / "vorn.dbg");
  EXPECT_EQ(log.substr(0, 10), "\r\nVersion=");  // at the limit: a new file
}

TEST(Threads, EachThreadWorksOnItsOwnEngineWhateverHandleItPasses) {
  EngineLibrary engine;
  DataDirectory one;  // one tariff
  DataDirectory two(R"(
efcrec
  record name=TARIFFAA
  record name=TARIFFBB
tds
  entry
tda
  state
)");
  VornHandle mine = engine->InitializeVornEx(one.withSeparator().c_str());
  ASSERT_NE(mine, nullptr);
  VornHandle theirs = nullptr;
  std::atomic<int> theirCountWithMyHandle{0};
  std::thread other([&] {
    theirs = engine->InitializeVornEx(two.withSeparator().c_str());
    theirCountWithMyHandle = engine->GetEffectiveTableSizeEx(mine);
  });
  other.join();
  ASSERT_NE(theirs, nullptr);
  EXPECT_NE(mine, theirs);
  EXPECT_EQ(theirCountWithMyHandle.load(), 2);
  EXPECT_EQ(engine->GetEffectiveTableSizeEx(theirs), 1);
}

TEST(ErrorString, IsAnsweredThroughTheExports) {
  EngineLibrary engine;
  char buffer[80] = "0382";
  EXPECT_EQ(engine->GetErrorString(buffer), buffer);
  EXPECT_STREQ(buffer + 4, "Hdr Detail Cnt Invalid  ");
  char line[80] = "0403";
  EXPECT_EQ(engine->GetErrorStringEx(nullptr, line), line);
  EXPECT_STREQ(line + 4, "Inval Class - Dtl Rec #-03");
}

}  // namespace
}  // namespace vorn
