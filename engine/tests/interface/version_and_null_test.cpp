// The interface's answers that need no data set: the version text, the
// "no engine" results and bad arguments.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <thread>

#include "support/engine_library.h"

namespace vorn {
namespace {

using testing::EngineLibrary;

std::string Piece(const char* text, std::size_t offset, std::size_t width) {
  return std::string(text + offset, strnlen(text + offset, width));
}

TEST(VersionText, AnsweredBeforeAnyInitialisationFromTheLibrarysVersionBlock) {
  EngineLibrary engine;
  std::array<char, 105> text;
  text.fill('#');
  EXPECT_EQ(engine->disp_ver(text.data()), 0);
  for (std::size_t name : {0u, 28u, 56u}) EXPECT_EQ(Piece(text.data(), name, 20), "Vorn Dll");
  for (std::size_t major : {20u, 48u, 76u}) EXPECT_EQ(Piece(text.data(), major, 3), "4");
  for (std::size_t minor : {23u, 51u, 79u}) EXPECT_EQ(Piece(text.data(), minor, 5), "18");  // release 0: no letter
  EXPECT_EQ(Piece(text.data(), 84, 21), "104");
  EXPECT_EQ(text[104], '\0');
  EXPECT_EQ(text[8], '\0');  // pieces are NUL-padded

  std::array<char, 105> viaEx;
  EXPECT_EQ(engine->disp_verEx(nullptr, viaEx.data()), 0);
  EXPECT_EQ(std::memcmp(text.data(), viaEx.data(), 105), 0);
  EXPECT_EQ(engine->disp_ver(nullptr), 0);
}

TEST(NoEngine, EveryExportAnswersItsNoEngineResultAfterTheEngineEnded) {
  EngineLibrary engine;
  // A thread's first call gives it an empty engine, which it can end once.
  EXPECT_EQ(engine->EndVorn(), 0);
  EXPECT_EQ(engine->EndVorn(), -1);
  EXPECT_EQ(engine->EndVornEx(reinterpret_cast<VornHandle>(0x1234)), -1);
  EXPECT_EQ(engine->Set_Vorndata("/tmp/"), 0);
  EXPECT_EQ(engine->GetEffectiveTableSize(), -1);
  char entry[17];
  EXPECT_EQ(engine->GetEffectiveTable(entry, 0), nullptr);
  char buffer[80] = "0203";
  EXPECT_EQ(engine->GetErrorString(buffer), nullptr);
  EXPECT_EQ(engine->LockEffective(), 0);
  EXPECT_EQ(engine->UnlockEffective(), 0);
  char tables[222] = {};
  EXPECT_EQ(engine->GetTables(tables), 0);
  engine->SetNotifyCallback(nullptr, nullptr);  // nothing to store it in
  std::array<char, 105> text{};
  EXPECT_EQ(engine->disp_ver(text.data()), 0);  // needs no engine
  EXPECT_EQ(Piece(text.data(), 0, 20), "Vorn Dll");
}

TEST(NullArguments, AreRefusedWithoutHarm) {
  EngineLibrary engine;
  EXPECT_EQ(engine->Set_Vorndata(nullptr), 0);
  EXPECT_EQ(engine->Set_VorndataEx(nullptr, nullptr), 0);
  EXPECT_EQ(engine->Set_Vorndata(""), 0);
  EXPECT_EQ(engine->Set_Vorndata("  \t"), 0);
  EXPECT_EQ(engine->GetErrorString(nullptr), nullptr);
  EXPECT_EQ(engine->GetEffectiveTable(nullptr, 0), nullptr);
  char entry[17];
  EXPECT_EQ(engine->GetEffectiveTable(entry, -1), nullptr);
  EXPECT_EQ(engine->GetTables(nullptr), 0);
  engine->DetermineRatingVersion(nullptr);
  engine->SetNotifyCallbackEx(nullptr, nullptr, nullptr);
}

TEST(Initialisation, AMissingDataDirectoryFailsWith203AndLeavesNoEngine) {
  EngineLibrary engine;
  EXPECT_EQ(engine->InitializeVorn("/nonexistent/zqdata"), 203);
  EXPECT_EQ(engine->EndVorn(), -1);  // the failed engine was deleted
  EXPECT_EQ(engine->InitializeVornEx("/nonexistent/zqdata/"), nullptr);
  EXPECT_EQ(engine->GetEffectiveTableSize(), -1);
}

TEST(Threads, ANewThreadStartsWithItsOwnEmptyEngine) {
  EngineLibrary engine;
  EXPECT_EQ(engine->EndVorn(), 0);
  int otherThreadsFirstEnd = 99;
  std::thread other([&] { otherThreadsFirstEnd = engine->EndVorn(); });
  other.join();
  EXPECT_EQ(otherThreadsFirstEnd, 0);
  EXPECT_EQ(engine->EndVorn(), -1);
}

}  // namespace
}  // namespace vorn
