// Opening and closing the data-file set: both roads over the sample levels,
// the first failing file of each kind with its number, the rooms of the
// tables, and releasing everything after any of it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <unistd.h>

#include "context/token_table.h"
#include "ratekit/ratekit32.h"
#include "support/test_context.h"
#include "tables/lane_tariff_tables.h"

namespace ratekit {
namespace {

using testing::LevelDirectories;

bool DescriptorIsOpen(int fd) { return ::fcntl(fd, F_GETFD) != -1; }

TEST(FileSet, WithTheEngineTheMainLevelOpensItsPointServiceFiles) {
  LevelDirectories level;
  level.context.setInt(context::kEngineInUse, 1);
  ASSERT_EQ(level.openAll(), 1) << level.context.lastError();
  testing::TestContext& c = level.context;
  EXPECT_EQ(level.stateTables, 1);
  EXPECT_EQ(c.integer(context::kTariffDataVersion), 23);  // "V 2.3"
  EXPECT_EQ(c.bytes(tariff_settings::kNoPostalCodes), "N");
  EXPECT_EQ(c.bytes(tariff_settings::kFlag201), "N");  // not 'Y' becomes 'N'
  EXPECT_EQ(c.integer(context::kAccessorialCount), 17);
  EXPECT_EQ(c.integer(context::kSccRecordCount), 1);
  EXPECT_EQ(c.integer(context::kZipRangeCount), 9);
  EXPECT_EQ(c.bytes(context::ZipStateEntry(303)), "GAYB");
  EXPECT_EQ(c.integer(context::kZpsLoaded), 1);
  EXPECT_EQ(c.integer(context::kBsvLoaded), 1);
  EXPECT_EQ(c.text(context::kDirectServiceLabel), "DIRECT         ");  // the .BSV header's, after the .ZPS header's
  EXPECT_EQ(c.text(context::kIndirectServiceLabel), "INDIRECT       ");
  EXPECT_EQ(c.integer(context::kMexicoFilesLoaded), 1);  // the level's .MEF and .MET
  EXPECT_EQ(c.text(tariff_settings::kEnglishHelpFile), "QIVHELP.HLP");
  EXPECT_EQ(c.text(mexico_settings::kSpanishHelpFile), "QIVAYUDA.HLP");
  EXPECT_EQ(c.bytes(context::kLaneTariffTablesLoaded), "N");
  EXPECT_GT(c.integer(context::kZpsFile), 2);
  EXPECT_EQ(c.integer(context::kZf1File), 0);  // the engine-less files stay as they were
}

TEST(FileSet, WithoutTheEngineTheEnginelessLevelOpensEveryKind) {
  LevelDirectories level("SAMPLE03");
  ASSERT_EQ(level.openAll(), 1) << level.context.lastError();
  testing::TestContext& c = level.context;
  EXPECT_EQ(c.integer(context::kMexicoFilesLoaded), 1);
  EXPECT_EQ(c.integer(context::kClassCount), 3);
  EXPECT_EQ(c.text(context::ClassCode(1)), "85");
  EXPECT_EQ(c.integer(context::kBreakCount), 3);
  EXPECT_EQ(c.integer(context::BreakUpperBound(2)), 9999999);
  EXPECT_EQ(c.integer(context::kZfmIndexCount), 1);
  EXPECT_EQ(c.integer(context::kZf2IndexCount), 1);
  EXPECT_EQ(c.integer(context::kZf1IndexCount), 2);
  EXPECT_EQ(c.integer({14849, 4}), 20);  // .ZF1 data at 9n + 2
  EXPECT_EQ(c.integer(context::kRclInsteadOfRtc), 1);
  EXPECT_EQ(c.text(context::kFacImage), "FACTORS");
  EXPECT_EQ(c.text(context::kBscImage1), "BASE CODES");
  EXPECT_EQ(c.text(context::kBseData), "BASE POINT DATA");
  EXPECT_EQ(c.integer(context::kLaRecordCount), 1);
  EXPECT_EQ(c.integer(context::kRbaRecordCount), 1);
  const std::optional<ResolvedBuffer> mc = SlotBuffer(c.view(), context::kLmcTable);
  ASSERT_TRUE(mc && mc->size == 12);
  EXPECT_EQ(platform::LoadLittleEndian<std::int32_t>(mc->data + 8), -3);  // the twin's 16-bit value widened
  EXPECT_EQ(c.integer(context::kLcaRecordCount), 1);
  EXPECT_EQ(c.integer(context::kLabBlockCount), 1);
  EXPECT_EQ(c.bytes(context::LabBlockKey(0)), "ZZZZZ");
  EXPECT_EQ(c.integer(context::kLamLineCount), 1);
  EXPECT_EQ(c.bytes(context::LamLine(0)), "100001A01");
  EXPECT_EQ(c.integer(context::kAdjRecordCount), 1);
  EXPECT_EQ(c.bytes(context::AdjKey(0)), "A01");
  EXPECT_EQ(c.integer(context::kTrmPresent), 1);
  EXPECT_EQ(c.integer(context::kSrvPresent), 1);
  EXPECT_EQ(c.integer(context::kZpsLoaded), 1);
  EXPECT_EQ(c.text(context::TableName(1)), "MINIMUMS       ");
  EXPECT_EQ(c.integer(context::kRtlInsteadOfRte), 1);
  EXPECT_EQ(c.integer(context::kRtlUsed), 0);  // cleared at the end
  EXPECT_EQ(c.integer(context::kZmcRecordCount), 1);
  EXPECT_EQ(c.integer(context::kRteProbe), -1);
}

TEST(FileSet, TheFirstFileThatFailsStopsTheOpeningWithItsNumber) {
  const struct {
    const char* level;
    std::initializer_list<std::string_view> removed;
    std::string description;  // files written over the sample's
    int number;
  } cases[] = {
      {"SAMPLE01", {"SAMPLE01.SET"}, "", 370},
      {"SAMPLE01",
       {},
       "engineless-table level=SAMPLE01 ext=MCH\n  record text=short\n",
       0},  // not read with the engine
      {"SAMPLE01", {"SAMPLE01.ACC"}, "", 490},
      {"SAMPLE01",
       {},
       "accessorials level=SAMPLE01 raw\n  raw text=\"" + std::string(100, 'a') + "\"\n",
       494},                                                       // 100 bytes: no entry
      {"SAMPLE01", {}, "accessorials level=SAMPLE01 raw\n", 494},  // empty
      {"SAMPLE01", {"SAMPLE01.SCC"}, "", 460},
      {"SAMPLE01", {"SAMPLE01.ZP6"}, "", 436},
      {"SAMPLE01", {}, "service-ranges level=SAMPLE01 raw\n  raw text=\"Y short header\"\n", 444},
      {"SAMPLE01", {}, "postal-services level=SAMPLE01 raw\n  raw text=\"short header\"\n", 225},
      {"SAMPLE03", {"SAMPLE03.MCH"}, "", 182},
      {"SAMPLE03", {"SAMPLE03.CLS"}, "", 230},
      {"SAMPLE03", {}, "classes level=SAMPLE03 raw\n", 235},
      {"SAMPLE03", {"SAMPLE03.WGT"}, "", 380},
      {"SAMPLE03", {}, "weight-breaks level=SAMPLE03 raw\n", 385},
      {"SAMPLE03", {"SAMPLE03.ZFM"}, "", 456},
      {"SAMPLE03", {"SAMPLE03.ZF2"}, "", 410},
      {"SAMPLE03", {"SAMPLE03.BSC"}, "", 480},
      {"SAMPLE03", {"SAMPLE03.FAC"}, "", 260},
      {"SAMPLE03", {"SAMPLE03.FCC"}, "", 260},
      {"SAMPLE03", {"SAMPLE03.BSE"}, "", 220},
      {"SAMPLE03", {"SAMPLE03.ZF1"}, "", 390},
      {"SAMPLE03", {"SAMPLE03.LA"}, "", 270},
      {"SAMPLE03", {"SAMPLE03.RBA"}, "", 340},
      {"SAMPLE03", {"SAMPLE03.MC"}, "", 181},
      {"SAMPLE03", {"SAMPLE03.LCA"}, "", 183},
      {"SAMPLE03", {"SAMPLE03.LAB"}, "", 280},
      {"SAMPLE03", {"SAMPLE03.LAM"}, "", 290},
      {"SAMPLE03", {"SAMPLE03.ADJ"}, "", 210},
      {"SAMPLE03", {"SAMPLE03.TBL"}, "", 450},
      {"SAMPLE03", {"SAMPLE03.RTL"}, "", 350},
      // Past a room, or short: the file's read number.
      {"SAMPLE03", {}, "engineless-table level=SAMPLE03 ext=FAC raw\n  raw text=short\n", 264},
      {"SAMPLE03", {}, "zip-index level=SAMPLE03 ext=ZF1 raw\n  raw text=\"\\xF1\\x0A\"\n", 394},  // 2801 keys
      {"SAMPLE03", {}, "zip-index level=SAMPLE03 ext=ZF2 raw\n  raw text=\"\\x35\\x08\"\n", 414},  // 2101 keys
      {"SAMPLE03",
       {},
       "zip-index level=SAMPLE03 ext=ZFM raw\n  raw text=\"\\x02\\x00\\x01\\x00\"\n",
       457},  // cut short
      {"SAMPLE03", {}, "base-point-block level=SAMPLE03 raw\n  raw text=\"short\"\n", 224},
  };
  for (const auto& k : cases) {
    LevelDirectories level(k.level);
    level.context.setInt(context::kEngineInUse, std::string_view(k.level) == "SAMPLE01" ? 1 : 0);
    level.remove(k.removed);
    if (!k.description.empty()) level.build(k.description);
    const int opened = level.openAll();
    EXPECT_EQ(opened, k.number == 0 ? 1 : 0) << k.number << " " << k.description;
    if (k.number != 0) {
      EXPECT_EQ(level.context.lastError(), k.number) << k.description;
    }
    // Whatever was loaded is released, twice too.
    EXPECT_EQ(CloseAllFiles(level.context.data()), 1);
    EXPECT_EQ(CloseAllFiles(level.context.data()), 1);
    for (const platform::FieldSpan slot : context::kDescriptorSlots) {
      if (slot.offset != context::kDspFile.offset) {
        EXPECT_EQ(level.context.integer(slot), -1);
      }
    }
    for (const context::TokenSlot slot : context::kTokenSlots) {
      if (slot.kind != context::TokenKind::Module) {
        EXPECT_EQ(level.context.integer(slot.span), 0);
      }
    }
  }
}

TEST(FileSet, RoomsOfTheEnginelessTablesAreEnforced) {
  std::string lab, lam, adj;
  for (int i = 0; i < 526 * 20; ++i) lab += "  record text=\"LABEL LINE " + std::to_string(i) + "\"\n";
  for (int i = 0; i < 221; ++i) lam += "  record code=100001 value=A01\n";
  for (int i = 0; i < 401; ++i) adj += "  record key=A01\n";
  const struct {
    std::string description;
    int number;
  } cases[] = {
      {"engineless-table level=SAMPLE03 ext=LAB raw\n" + lab, 284},
      {"engineless-table level=SAMPLE03 ext=LAM raw\n" + lam, 290},
      {"engineless-table level=SAMPLE03 ext=ADJ raw\n" + adj, 214},
      {"base-point-block level=SAMPLE03 raw\n  data text=\"" + std::string(337, 'D') + "\"\n", 224},
  };
  for (const auto& k : cases) {
    LevelDirectories level("SAMPLE03");
    level.build(k.description);
    EXPECT_EQ(level.openAll(), 0);
    EXPECT_EQ(level.context.lastError(), k.number) << k.number;
  }
}

TEST(FileSet, PostalCodeSettingsDecideWhetherTheCanadianTablesAreNeeded) {
  const struct {
    const char* noPostalCodes;
    bool withScc;
    bool withZp6;
    int opened;
    const char* after;  // .SET byte 207 after opening
  } cases[] = {
      {"Y", false, false, 1, "Y"},  // no .SCC: opening goes on, .ZP6 not needed
      {"Y", true, false, 0, "N"},   // .SCC loads: byte 207 becomes N and .ZP6 is required
      {"Y", true, true, 1, "N"},
      {"N", false, true, 0, "N"},  // 460
  };
  for (const auto& k : cases) {
    LevelDirectories level;
    level.context.setInt(context::kEngineInUse, 1);
    level.build(
        std::string("tariff-settings level=SAMPLE01 raw\n  set version=V zip-mode=5 accessorials=N no-postal-codes=") +
        k.noPostalCodes + "\n");
    if (!k.withScc) level.remove({"SAMPLE01.SCC"});
    if (!k.withZp6) level.remove({"SAMPLE01.ZP6"});
    EXPECT_EQ(level.openAll(), k.opened) << k.noPostalCodes << k.withScc << k.withZp6;
    EXPECT_EQ(level.context.bytes(tariff_settings::kNoPostalCodes), k.after);
    EXPECT_EQ(level.context.integer(context::kTariffDataVersion), 0);  // no digits
  }
}

TEST(FileSet, CloseAllFilesReleasesWhatTheSetHeld) {
  LevelDirectories level("SAMPLE03");
  const std::size_t before = Tokens().liveCount();
  ASSERT_EQ(level.openAll(), 1);
  ASSERT_EQ(OpenLevelFile(level.context.data(), "LEVEL.LVL"), 1);
  EXPECT_GT(Tokens().liveCount(), before);
  const int zf1 = level.context.integer(context::kZf1File);
  EXPECT_TRUE(DescriptorIsOpen(zf1));
  // The program's .DSP descriptor.
  const int dsp = ::open(level.dataFile("SAMPLE03.SET").c_str(), O_RDONLY | O_CLOEXEC);
  level.context.setInt(context::kDspFile, dsp);
  EXPECT_EQ(CloseAllFiles(level.context.data()), 1);
  EXPECT_EQ(Tokens().liveCount(), before);
  EXPECT_FALSE(DescriptorIsOpen(zf1));
  EXPECT_FALSE(DescriptorIsOpen(dsp));
  EXPECT_EQ(level.context.integer(context::kDspFile), 0);
  EXPECT_EQ(level.context.integer(context::kLabStream), 0);
  // Garbage in the slots closes nothing of the process.
  level.context.setInt(context::kZf1File, 1);
  level.context.setInt(context::kLevelTable, 0x7ABC1234);
  EXPECT_EQ(CloseAllFiles(level.context.data()), 1);
  EXPECT_TRUE(DescriptorIsOpen(1));
}

}  // namespace
}  // namespace ratekit
