#include "platform/kernel/profile_file.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include "platform/testing/temp_directory.h"

namespace platform {
namespace {

using platform::testing::TempDirectory;

class ProfileFile : public ::testing::Test {
 protected:
  std::string file(std::string_view content) { return dir_.write("kqDll.ini", content).string(); }
  TempDirectory dir_;
};

TEST_F(ProfileFile, SectionsAndKeysMatchWithoutCaseAndTheFirstMatchWins) {
  const std::string ini = file(
      "; settings\r\n"
      "[debug]\r\n"
      "  debugflag = y \r\n"
      "DebugFlag=N\r\n"
      "[Options]\r\n"
      "UseCriticalSection=0\r\n");
  EXPECT_EQ(ReadProfileString(ini, "Debug", "DebugFlag", "N", 2), "y");
  EXPECT_EQ(ReadProfileInt(ini, "OPTIONS", "usecriticalsection", 1), 0);
  EXPECT_EQ(ReadProfileString(ini, "Debug", "UseCriticalSection", "dflt", 10), "dflt");
}

TEST_F(ProfileFile, MissingFileSectionOrKeyGivesTheDefaultWithoutTrailingBlanks) {
  EXPECT_EQ(ReadProfileString(dir_.withSeparator() + "none.ini", "Product", "Path", "NOT FOUND  ", 260), "NOT FOUND");
  const std::string ini = file("[Product]\nOther=1\n");
  EXPECT_EQ(ReadProfileString(ini, "Product", "Path", "NOT FOUND", 260), "NOT FOUND");
  EXPECT_EQ(ReadProfileInt(ini, "Debug", "MBLogSize", 20), 20);
}

TEST_F(ProfileFile, ValuesAreCutToTheCallersCapacity) {
  const std::string ini = file("[Product]\nPath=\"/opt/lane book\"\n[Debug]\nDebugFlag=Yes\n");
  EXPECT_EQ(ReadProfileString(ini, "Product", "Path", "", 260), "/opt/lane book");
  EXPECT_EQ(ReadProfileString(ini, "Debug", "DebugFlag", "N", 2), "Y");
  EXPECT_EQ(ReadProfileString(ini, "Debug", "DebugFlag", "N", 1), "");
}

TEST_F(ProfileFile, IntegersReadTheirLeadingNumber) {
  const std::string ini = file("[D]\na=55zz\nb=0x1F\nc=-3\nd=abc\ne=\n");
  EXPECT_EQ(ReadProfileInt(ini, "D", "a", 0), 55);
  EXPECT_EQ(ReadProfileInt(ini, "D", "b", 0), 31);
  EXPECT_EQ(ReadProfileInt(ini, "D", "c", 0), -3);
  EXPECT_EQ(ReadProfileInt(ini, "D", "d", 7), 7);
  EXPECT_EQ(ReadProfileInt(ini, "D", "e", 7), 7);
}

TEST_F(ProfileFile, BareNamesAreLookedUpInTheSystemSettingsDirectory) {
  dir_.write("KTQ_QKDLL.INI", "[Product]\nPath=/opt/lanebook\n");
  ::setenv("ZQ_SYSTEM_DIR", dir_.path().c_str(), 1);
  EXPECT_EQ(ProfileFilePath("ktq_qkdll.ini"), dir_.withSeparator() + "ktq_qkdll.ini");
  EXPECT_EQ(ReadProfileString("ktq_qkdll.ini", "Product", "Path", "NOT FOUND", 260), "/opt/lanebook");
  ::unsetenv("ZQ_SYSTEM_DIR");
  EXPECT_EQ(ProfileFilePath("x.ini"), "/etc/zq/x.ini");
}

}  // namespace
}  // namespace platform
