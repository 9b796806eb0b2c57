// Reading the settings profiles: PROFILE.FIL found, copied or made, its
// records by index and by name, the current profile spread over the
// settings images, its ZIP ranges, and the option records.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>

#include "platform/testing/temp_directory.h"
#include "ratekit/ratekit32.h"
#include "support/test_context.h"

namespace ratekit {
namespace {

namespace pr = profile_record;
namespace rd = rating_defaults;
using platform::testing::ReadFileText;
using testing::LevelDirectories;

constexpr std::uintmax_t kRecord = 17897;

std::string Name(testing::TestContext& c, int i) {
  char name[31] = {};
  if (GetProfileKey(c.data(), i, name) != 1) return "<" + std::to_string(c.lastError()) + ">";
  return std::string(name, strnlen(name, sizeof name));
}

TEST(Profiles, TheProfileFileIsFoundCopiedOrMade) {
  const struct {
    const char* what;
    bool inData, inStartup, emptyInStartup;
    int size;
    const char* first;
  } cases[] = {
      {"in the start-up directory", true, true, false, 1, "Kept"},
      {"only in the data directory: copied", true, false, false, 4, "Acme Freight"},
      {"nowhere: made with Default", false, false, false, 1, "Default"},
      {"empty in the start-up directory: made again", true, false, true, 1, "Default"},
  };
  for (const auto& k : cases) {
    LevelDirectories level;
    testing::TestContext& c = level.context;
    c.setInt(context::kEngineInUse, 1);
    c.setShort(rd::kSurchargeInUse, 1);
    c.setText(rd::kConstantClass, "85");
    if (!k.inData) level.remove({"PROFILE.FIL"});
    if (k.inStartup) {
      std::string kept(kRecord, '\0');
      kept.replace(0, 4, "Kept");
      std::ofstream(level.startupFile("PROFILE.FIL")) << kept;
    }
    if (k.emptyInStartup) std::ofstream(level.startupFile("PROFILE.FIL")).flush();
    EXPECT_EQ(ReadProfileFile(c.data()), 1) << k.what;
    EXPECT_EQ(GetProfileSize(c.data()), k.size) << k.what;
    EXPECT_EQ(Name(c, 0), k.first) << k.what;
    if (k.inData && !k.inStartup && !k.emptyInStartup) {
      EXPECT_TRUE(std::filesystem::exists(level.dataFile("PROFILE.FIL"))) << "copied, not moved";
    }
    if (std::string_view(k.first) == "Default") {
      EXPECT_EQ(c.text(pr::Current(pr::kName)), "Default");
      EXPECT_EQ(c.text(pr::Current({pr::kClassMap.offset + 4 * 17, 4})), "50");  // the engine's default classes
      EXPECT_EQ(c.view().integerAt<std::int16_t>(pr::Current(pr::kConstantSurchargeInUse).offset), 1);
      EXPECT_EQ(c.text(pr::Current(pr::kConstantClass)), "85");
    }
  }
  // A start-up directory that takes no file: 121.
  LevelDirectories level;
  level.remove({"PROFILE.FIL"});
  level.context.setText(context::kStartupDirectory, level.startup.withSeparator() + "missing/");
  EXPECT_EQ(ReadProfileFile(level.context.data()), 0);
  EXPECT_EQ(level.context.lastError(), 121);
  EXPECT_EQ(GetProfileSize(level.context.data()), 0);
  EXPECT_EQ(level.context.lastError(), 125);
}

TEST(Profiles, RecordsAreReadByIndexAndByName) {
  LevelDirectories level;
  testing::TestContext& c = level.context;
  ASSERT_EQ(ReadProfileFile(c.data()), 1);
  EXPECT_EQ(Name(c, 2), "Peach State Mills");
  EXPECT_EQ(Name(c, 3), "Tijuana Traders");
  EXPECT_EQ(Name(c, 4), "<126>");
  EXPECT_EQ(Name(c, -1), "<126>");
  EXPECT_EQ(GetProfileKey(c.data(), 0, nullptr), 0);
  c.setText(pr::Current(pr::kName), std::string("Peach State Mills\0old name", 26), '\0');
  ASSERT_EQ(GetProfileRecord(c.data()), 1);
  EXPECT_EQ(c.integer(pr::Current(pr::kZipDiscountCount)), 6);
  EXPECT_EQ(c.view().integerAt<std::int16_t>(rd::kCurrentProfileIndex.offset), 2);
  c.setText(pr::Current(pr::kName), "Nobody");
  EXPECT_EQ(GetProfileRecord(c.data()), 0);
  EXPECT_EQ(c.lastError(), 127);
  EXPECT_EQ(c.text(pr::Current(pr::kName)), "Nobody");  // unchanged by a failure
  // Cut inside the third record: its name cannot be read, and a name not
  // found before the cut is a short read.
  std::filesystem::resize_file(level.startupFile("PROFILE.FIL"), 2 * kRecord + 100);
  EXPECT_EQ(GetProfileSize(c.data()), 2);
  EXPECT_EQ(Name(c, 2), "<126>");
  EXPECT_EQ(GetProfileRecord(c.data()), 0);
  EXPECT_EQ(c.lastError(), 126);
  c.setText(pr::Current(pr::kName), "Default");
  EXPECT_EQ(GetProfileRecord(c.data()), 1);
}

TEST(Profiles, TheCurrentProfileBecomesTheScreensSettings) {
  testing::TestContext c;
  c.setShort(rd::kDiscountsInUse, 1);
  c.setShort(pr::Current(pr::kPromptedSurchargeInUse), 1);
  c.setFloat(pr::Current(pr::kPromptedLtlPercent), 3.0f);
  c.setShort(pr::Current(pr::kConstantSurchargeInUse), 2);
  c.setFloat(pr::Current(pr::kLtlSurchargePercent), 4.5f);
  c.setText(pr::Current(pr::kConstantOriginZip), "10001");
  c.setText(pr::Current(pr::kDiscountKind), "R");
  const float band0[11] = {12.5f, 100.0f, 1000.0f, -5.0f, 0, 0, 0, 0, 0, 99.99f, 1234.56f};
  for (std::size_t i = 0; i < 11; ++i) c.setFloat({pr::Current(pr::kBand0).offset + 4 * i, 4}, band0[i]);
  c.setText(discount_file::BandBreakText(2, 0), "99.00");
  // All three discount switches off: discounts are switched off, and it is said so.
  LoadProfileSettings(c.data());
  EXPECT_EQ(c.view().integerAt<std::int16_t>(rd::kSurchargeInUse.offset), 2);  // the constant surcharge wins
  EXPECT_EQ(c.view().floatAt(rd::kLtlSurchargePercent.offset), 4.5f);
  EXPECT_EQ(c.text(rd::kConstantOriginZip), "10001");
  EXPECT_EQ(c.bytes(rd::kDiscountKind), "R");
  EXPECT_EQ(c.bytes(rd::kClassBandLetter), "N");
  EXPECT_EQ(c.view().integerAt<std::int16_t>(rd::kDiscountsInUse.offset), 0);
  EXPECT_EQ(c.integer(context::kDiscountsWithdrawn), 1);
  // The band texts, each in its own field: a text too wide for it leaves the field empty.
  EXPECT_EQ(c.bytes(discount_file::BandBreakText(0, 0)), std::string("12.50\0", 6));
  EXPECT_EQ(c.bytes(discount_file::BandBreakText(0, 1)), "100.00");
  EXPECT_EQ(c.bytes(discount_file::BandBreakText(0, 2)), std::string(6, '\0'));
  EXPECT_EQ(c.bytes(discount_file::BandBreakText(0, 3)), std::string("-5.00\0", 6));
  EXPECT_EQ(c.bytes(discount_file::BandMcDiscountText(0)), std::string("99.99\0", 6));
  EXPECT_EQ(c.bytes(discount_file::BandFloorText(0)), "1234.56");
  EXPECT_EQ(c.bytes(discount_file::BandBreakText(1, 0)), std::string(" 0.00\0", 6));
  EXPECT_EQ(c.bytes(discount_file::BandBreakText(2, 0)), std::string(6, '\0'));
  // One switch on: discounts in use; class bands: 'M' and the .DIS short 2.
  c.setShort(pr::Current(pr::kClassBandDiscountsInUse), 1);
  LoadProfileSettings(c.data());
  EXPECT_EQ(c.view().integerAt<std::int16_t>(rd::kDiscountsInUse.offset), 1);
  EXPECT_EQ(c.integer(context::kDiscountsWithdrawn), 0);
  EXPECT_EQ(c.bytes(rd::kClassBandLetter), "M");
  EXPECT_EQ(c.view().integerAt<std::int16_t>(discount_file::kClassBandState.offset), 2);
}

TEST(Profiles, AProfilesOwnRangesAreReadFromStartupThenDataWithAPlainName) {
  const struct {
    const char* name;
    const char* where;  // "startup", "data" or ""
    int ranges;         // 0: the tariff's 9
    int lastError;
  } cases[] = {
      {"Acme Freight", "startup", 2, 0},
      {"Acme Freight", "data", 2, 0},
      {"Acme Freight", "", 0, 436},
      {"../x", "", 0, 436},
      {"a/b", "", 0, 436},
      {"", "", 0, 436},
  };
  for (const auto& k : cases) {
    LevelDirectories level;
    testing::TestContext& c = level.context;
    c.setText(pr::Current(pr::kName), k.name);
    c.setShort(pr::Current(pr::kZipPairDiscountsInUse), 1);
    c.setShort(rd::kDiscountsInUse, 1);
    const std::string ranges = "1000010099\r\n2000020099\r\n\x1A";
    if (std::string_view(k.where) == "startup")
      std::ofstream(level.startupFile(std::string(k.name) + ".ZP6")) << ranges;
    if (std::string_view(k.where) == "data") level.data.write(std::string(k.name) + ".ZP6", ranges);
    level.data.write("x.ZP6", ranges);  // what "../x" would reach from the start-up directory's child
    EXPECT_EQ(LoadProfileZP6(c.data()), 1) << k.name << k.where;
    EXPECT_EQ(c.integer(context::kZipRangeCount), k.ranges == 0 ? 9 : k.ranges) << k.name << k.where;
    EXPECT_EQ(c.lastError(), k.lastError) << k.name << k.where;
  }
  // Postal codes refused: nothing to read.
  LevelDirectories level;
  level.context.setText(tariff_settings::kNoPostalCodes, "Y");
  EXPECT_EQ(LoadProfileZP6(level.context.data()), 1);
  EXPECT_EQ(level.context.integer(context::kZipRangeTable), 0);
}

TEST(Profiles, OptionRecordsAreFoundByTheirTrimmedText) {
  platform::testing::TempDirectory dir;
  std::string records(3 * 1792, '\0');
  records.replace(0, 9, "FIRST  \t\n");
  records.replace(1792, 6, "SECOND");
  records.replace(1800, 4, "data");
  std::string noNul(1792, 'Z');
  const std::filesystem::path file = dir.write("COLT.DAT", records + noNul.substr(0, 1791) + " " + "tail");
  ::chmod(file.c_str(), 0444);  // only read
  char record[1792];
  EXPECT_EQ(ReadColtOpt(file.c_str(), record, "SECOND"), 1);
  EXPECT_EQ(std::string(record + 8, 4), "data");
  EXPECT_EQ(ReadColtOpt(file.c_str(), record, "FIRST"), 1);
  EXPECT_EQ(std::string(record, 6), std::string("FIRST\0", 6));
  EXPECT_EQ(ReadColtOpt(file.c_str(), record, std::string(1791, 'Z').c_str()),
            1);  // a record without a NUL, its blank cut
  EXPECT_EQ(ReadColtOpt(file.c_str(), record, "THIRD"), 0);
  EXPECT_EQ(ReadColtOpt(file.c_str(), record, ""), 1);  // the empty third record
  EXPECT_EQ(ReadColtOpt((dir / "none").c_str(), record, "FIRST"), 0);
  EXPECT_EQ(ReadColtOpt(nullptr, record, "FIRST"), 0);
  EXPECT_EQ(ReadColtOpt(file.c_str(), nullptr, "FIRST"), 0);
}

}  // namespace
}  // namespace ratekit
