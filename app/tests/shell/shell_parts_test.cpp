// The start-up's pure parts: the data directory of a program path, the
// command line's switches, LIBNAME.FIL's names, the binding order of
// Ratekit32's entry points and the help-topic table.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "language/help_topics.h"
#include "platform/testing/temp_directory.h"
#include "shell/command_line.h"
#include "shell/data_directory.h"
#include "shell/library_names.h"
#include "shell/ratekit_bindings.h"
#include "shell/screen_fonts.h"
#include "shell/version_info.h"

namespace qiv {
namespace {

TEST(DataDirectory, ReleaseAfterEitherSeparatorInAnyCaseBecomesZqdataAndNothingElseChanges) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/home/clerk/build/RELEASE/qiv", "/home/clerk/build/ZQDATA/"},
      {"/home/Clerk/build/release/qiv", "/home/Clerk/build/ZQDATA/"},
      {"C:\\QIV\\Release\\QIV.EXE", "C:\\QIV\\ZQDATA\\"},
      {"/opt/RELEASE/RELEASE/qiv", "/opt/ZQDATA/ZQDATA/"},
      {"/opt/PRERELEASE/qiv", "/opt/PRERELEASE/"},
      {"/opt/qiv/bin/qiv", "/opt/qiv/bin/"},
  };
  for (const auto& [program, data] : cases) EXPECT_EQ(DataDirectoryOf(program).value_or("(none)"), data) << program;
  EXPECT_FALSE(DataDirectoryOf("qiv"));
}

TEST(CommandLine, RbnoBeginsTheLineAndFactorStandsAnywhereInAnyCase) {
  EXPECT_TRUE(HasPriceSheetSwitch("rbno 12"));
  EXPECT_TRUE(HasPriceSheetSwitch("RBNO"));
  EXPECT_FALSE(HasPriceSheetSwitch(" RBNO"));
  EXPECT_FALSE(HasPriceSheetSwitch("RBN"));
  EXPECT_TRUE(HasIncreaseFactorSwitch("x increaseFactor y"));
  EXPECT_TRUE(HasIncreaseFactorSwitch("FACTOR"));
  EXPECT_FALSE(HasIncreaseFactorSwitch("FACTO"));
}

TEST(LibraryNames, FirstLineNamesTheLibrariesAndTheEngineSwitch) {
  using N = LibraryNames;
  const std::vector<std::pair<std::string, N>> cases = {
      {"YRATEKIT32.VORN32.LANEBOOK32", N{true, "RATEKIT32.DLL", "VORN32", "LANEBOOK32"}},
      {"YRATEKIT32.VORN32", N{true, "RATEKIT32.DLL", "VORN32.DLL", std::nullopt}},
      {"NRATEKIT32.LANEBOOK32", N{false, "RATEKIT32.DLL", std::nullopt, "LANEBOOK32"}},
      {"NRATEKIT32", N{false, "RATEKIT32.DLL", std::nullopt, std::nullopt}},
      {"YRATEKIT32", N{true, "RATEKIT32.DLL", std::nullopt, std::nullopt}},
      {"Y", N{true, ".DLL", std::nullopt, std::nullopt}},
      {"", N{}},
      {"NRATEKIT32.", N{false, "RATEKIT32.DLL", std::nullopt, std::nullopt}},
      // Cut to 29 characters before it is split.
      {"YRATEKIT32.VORN32.LANEBOOK32ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789",
       N{true, "RATEKIT32.DLL", "VORN32", "LANEBOOK32A"}},
  };
  for (const auto& [line, names] : cases) EXPECT_EQ(ParseLibraryNames(line), names) << line;

  EXPECT_TRUE(IsPlainLibraryName("RATEKIT32.DLL"));
  EXPECT_FALSE(IsPlainLibraryName("../RATEKIT32.DLL"));
  EXPECT_FALSE(IsPlainLibraryName("lib\\RATEKIT32.DLL"));
  EXPECT_FALSE(IsPlainLibraryName(".DLL"));
  EXPECT_FALSE(IsPlainLibraryName(""));
}

TEST(LibraryNames, OnlyTheFirstLineOfTheFileCountsAndAnEmptyFileIsNone) {
  platform::testing::TempDirectory dir;
  EXPECT_FALSE(ReadLibNameFile(dir.withSeparator()));
  dir.write("libname.fil", "");
  EXPECT_FALSE(ReadLibNameFile(dir.withSeparator()));
  dir.write("libname.fil", "NRATEKIT32\r\nYOTHER.VORN32\r\n");
  EXPECT_EQ(ReadLibNameFile(dir.withSeparator()), (LibraryNames{false, "RATEKIT32.DLL", std::nullopt, std::nullopt}));
}

// A library whose symbols are the names in a set.
void* SymbolIn(void* library, const char* name) {
  const auto& names = *static_cast<const std::map<std::string, bool>*>(library);
  const auto it = names.find(name);
  return it != names.end() && it->second ? reinterpret_cast<void*>(&SymbolIn) : nullptr;
}

TEST(RatekitBindings, FortyNineNamesInOrderEachWithItsMessage) {
  std::map<std::string, bool> library;
  for (const BindingEntry& entry : RatekitBindingOrder()) library[entry.name] = true;
  ASSERT_EQ(RatekitBindingOrder().size(), 49u);
  EXPECT_STREQ(RatekitBindingOrder().front().name, "GetZQBse");
  EXPECT_STREQ(RatekitBindingOrder().back().name, "GetTerminals");

  struct Case {
    const char* missing;
    bool engine;
    bool guide;
    bool bound;
    std::int32_t message;
  };
  const std::vector<Case> cases = {
      {"", true, true, true, 0},
      {"ReadColtOpt", true, false, true, 173},  // not required: binding goes on
      {"OpenLevelFile", true, false, false, 178},
      {"GetTerminals", false, false, false, 215},
      {"GetZQAddresses", true, false, false, 164},
      {"GetZQAddresses", false, false, true, 0},  // looked up only with the engine
      {"GetJYAddresses", true, true, false, 163},
      {"GetJYAddresses", true, false, true, 0},  // looked up only with the service guide
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.missing) + (c.engine ? " engine" : "") + (c.guide ? " guide" : ""));
    std::map<std::string, bool> present = library;
    if (*c.missing) present[c.missing] = false;
    RatekitBindings bindings;
    const BindingResult result = BindLibraryExports(bindings, c.engine, c.guide, &SymbolIn, &present);
    EXPECT_EQ(result.bound, c.bound);
    EXPECT_EQ(result.lastMessage, c.message);
  }
  RatekitBindings bindings;
  BindLibraryExports(bindings, false, false, &SymbolIn, &library);
  EXPECT_NE(bindings.OpenLevelFile, nullptr);
  EXPECT_EQ(bindings.GetZQAddresses, nullptr);
  EXPECT_EQ(bindings.GetJYAddresses, nullptr);
}

TEST(HelpTranTable, FirstPairOfAnIdUpToTheEndPair) {
  const std::vector<std::uint8_t> pairs = {0xE8, 0x03, 50, 0, 0xEA, 0x03, 51,   0,    0xE8, 0x03,
                                           99,   0,    0,  0, 0,    0,    0x0B, 0x0C, 7,    0};
  const HelpTranTable topics(pairs);
  EXPECT_EQ(topics.contextOf(1000), 50u);
  EXPECT_EQ(topics.contextOf(1002), 51u);
  EXPECT_FALSE(topics.contextOf(0x0C0B));  // after the end pair
  EXPECT_FALSE(topics.contextOf(0));
  const std::vector<std::uint8_t> unended = {0xE8, 0x03, 50, 0, 0xEA};
  EXPECT_EQ(HelpTranTable(unended).contextOf(1000), 50u);
  EXPECT_FALSE(HelpTranTable(unended).contextOf(1002));
  // The program's own table has the examples its documents are written to.
  const HelpTranTable program = HelpTranTable::FromResource();
  for (const auto& [id, context] :
       std::vector<std::pair<int, unsigned>>{{32789, 1}, {32787, 5}, {1000, 50}, {1018, 50}, {1002, 51}, {3307, 52}})
    EXPECT_EQ(program.contextOf(id), context) << id;
}

TEST(ScreenFonts, EightFontsForTheScreensDensityAndTheFirstFailureStops) {
  EXPECT_EQ(ScreenFonts::Spec(ScreenFont::Labels).height, -11);
  EXPECT_EQ(ScreenFonts::Spec(ScreenFont::Heading).height, -19);
  EXPECT_EQ(ScreenFonts::Spec(ScreenFont::LineList).pitchAndFamily, 49);
  EXPECT_EQ(ScreenFonts::Spec(ScreenFont::DraftCourier).height, -10);  // 7 x 96 / 70
  EXPECT_EQ(ScreenFonts::Spec(ScreenFont::DraftCourier).quality, 1);
  EXPECT_EQ(ApplicationFontSpec().weight, 700);
  int made = 0;
  ScreenFonts fonts;
  EXPECT_FALSE(fonts.create(
      [&](const platform::ui::FontSpec& spec) { return ++made == 5 ? nullptr : platform::ui::CreateFont(spec); }));
  EXPECT_EQ(made, 5);
  EXPECT_TRUE(fonts.create(platform::ui::CreateFont));
  EXPECT_NE(fonts[ScreenFont::DraftCourier], nullptr);
}

TEST(VersionInfo, ProductNameAndVersionNumbersOfALibraryOrTheProgram) {
  const platform::Module library = platform::Module::Load(std::string(QIV_STAND_IN_DIR) + "/STANDIN.DLL");
  VersionText text;
  EXPECT_EQ(ReadModuleVersion(library, text), (4u << 16) | 18u);
  EXPECT_STREQ(text.data(), "Stand-in Rating Library");
  EXPECT_STREQ(text.data() + 64, "4");
  EXPECT_STREQ(text.data() + 67, "18");
  EXPECT_EQ(text[70], 'b');
  EXPECT_STREQ(text.data() + 72, "7");
  EXPECT_EQ(ReadFileVersion(std::string(QIV_STAND_IN_DIR) + "/standin.dll", text), (4u << 16) | 18u);
  EXPECT_EQ(QueryVersionInfo(platform::ModuleVersionBlock(library.nativeHandle()), "ProductVersion").fileVersion,
            "4,18,2,7");

  const platform::VersionBlock noRelease{"040904b0", "QIV", "2,0,0,1", "2,0,0,1"};
  EXPECT_EQ(FormatVersionText(&noRelease, text), 2u << 16);
  EXPECT_EQ(text[70], '\0');
  const platform::VersionBlock threeNumbers{"040904b0", "QIV", "2,0,1", "2,0,1"};
  EXPECT_EQ(FormatVersionText(&threeNumbers, text), 0u);
  EXPECT_STREQ(text.data(), "QIV");
  EXPECT_EQ(FormatVersionText(nullptr, text), 0u);
  EXPECT_EQ(ReadFileVersion("/no/such/library.DLL", text), 0u);
}

}  // namespace
}  // namespace qiv
