// rndoff, the trims, ForceFileNameExtension and SplitPath as the program
// calls them.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "ratekit/ratekit32.h"

namespace {

TEST(Rndoff, RoundsUpFromPoint49OfTheLastKeptUnit) {
  const struct {
    float x;
    int n;
    double expected;
  } cases[] = {
      {2.49f, 0, 3.0},     {2.48f, 0, 2.0},     {-1.2f, 0, -1.0}, {12.4921875f, 0, 13.0},
      {56.165f, 2, 56.17}, {56.154f, 2, 56.15}, {0.0f, 2, 0.0},   {125.0f, -1, 130.0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(rndoff(c.x, c.n), c.expected) << c.x << " " << c.n;
}

TEST(Trims, RemoveCLocaleWhiteSpaceInPlace) {
  const struct {
    const char* in;
    const char* right;
    const char* left;
  } cases[] = {
      {"  ab c \t\r\n\v\f", "  ab c", "ab c \t\r\n\v\f"},
      {"", "", ""},
      {" \t ", "", ""},
      {"x", "x", "x"},
      {"\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0"},  // not C-locale white space
  };
  for (const auto& c : cases) {
    std::array<char, 32> a{}, b{};
    std::strcpy(a.data(), c.in);
    std::strcpy(b.data(), c.in);
    EXPECT_EQ(strtrim(a.data()), a.data());
    EXPECT_STREQ(a.data(), c.right);
    EXPECT_EQ(strltrim(b.data()), b.data());
    EXPECT_STREQ(b.data(), c.left);
  }
  EXPECT_EQ(strtrim(nullptr), nullptr);
  EXPECT_EQ(strltrim(nullptr), nullptr);
}

TEST(ForceFileNameExtension, ReplacesFromTheFirstDotOfTheLastComponent) {
  const struct {
    const char* name;
    const char* ext;
    const char* expected;
  } cases[] = {
      {"REPORT.TXT", ".PRT", "REPORT.PRT"},
      {"REPORT", ".PRT", "REPORT.PRT"},
      {".X", ".PRT", ".X.PRT"},
      {"", ".PRT", ".PRT"},
      {"A.B.C", ".PRT", "A.PRT"},
      {"C:\\DIR.OLD\\REPORT", ".PRT", "C:\\DIR.OLD\\REPORT.PRT"},  // a dot of a directory is not the name's
      {"out.v2/report.txt", ".PRN", "out.v2/report.PRN"},
      {"dir/.hidden", ".PRT", "dir/.hidden.PRT"},
      {"REPORT.TXT", ".LONGER", "REPORT.LON"},  // at most four characters of extension
  };
  for (const auto& c : cases) {
    std::array<char, 300> name{};
    std::strcpy(name.data(), c.name);
    EXPECT_EQ(ForceFileNameExtension(name.data(), c.ext), name.data());
    EXPECT_STREQ(name.data(), c.expected) << c.name;
  }
  // A name at the limit keeps 259 characters.
  std::array<char, 300> full{};
  std::memset(full.data(), 'N', 259);
  ForceFileNameExtension(full.data(), ".PRT");
  EXPECT_EQ(std::strlen(full.data()), 259u);
  EXPECT_EQ(ForceFileNameExtension(nullptr, ".PRT"), nullptr);
}

TEST(SplitPath, GivesNameAndExtensionOrThePathUnchanged) {
  const struct {
    const char* path;
    const char* expected;
  } cases[] = {
      {"C:\\DIR\\FILE.EXT", "FILE.EXT"},
      {"C:\\DIR\\", "C:\\DIR\\"},
      {"/data/zq/level.lvl", "level.lvl"},
      {"FILE", "FILE"},
      {"", ""},
      {"dir/.profile", "dir/.profile"},
  };
  for (const auto& c : cases) EXPECT_STREQ(SplitPath(c.path), c.expected) << c.path;
  EXPECT_STREQ(SplitPath(nullptr), "");
  const std::string longPath = "/" + std::string(400, 'd') + "/f.x";
  EXPECT_EQ(std::strlen(SplitPath(longPath.c_str())), 259u);
}

}  // namespace
