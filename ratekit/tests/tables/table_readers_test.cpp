// The readers of the tariff's tables: the weight breaks and the breaks they
// hide, the class codes, the 10-byte twins widened and the table names
// held to their room.
#include <gtest/gtest.h>

#include <string>

#include "context/token_table.h"
#include "ratekit/ratekit32.h"
#include "support/test_context.h"

namespace ratekit {
namespace {

using testing::LevelDirectories;

std::string NineBreaks() {
  std::string d = "weight-breaks level=SAMPLE03\n";
  const int bounds[] = {0, 500, 1000, 2000, 5000, 10000, 20000, 30000, 40000, 10000000};
  for (int i = 0; i < 9; ++i)
    d += "  break label=B" + std::to_string(i) + " lower=" + std::to_string(bounds[i]) +
         " upper=" + std::to_string(bounds[i + 1] - 1) + "\n";
  return d;
}

TEST(TableReaders, WeightBreaksHideTheBreaksTheDefaultsSay) {
  const struct {
    const char* from;   // .DEF number text at 262
    const char* count;  // .DEF number text at 268 (empty: NUL)
    int breaks;
  } cases[] = {
      {"6", "1", 7},  // break 6's upper bound unbounded, label 7 "XXX"
      {"6", "", 9},   // nothing to hide
      {"0", "0", 9},  // hiding nothing
      {"-1", "1", 9}, {"0", "-2", 9}, {"8", "1", 9}, {"99999999999", "1", 9},
  };
  for (const auto& k : cases) {
    LevelDirectories level("SAMPLE03");
    level.build(NineBreaks());
    level.context.setText(rating_defaults::kTlFromBreak, k.from);
    level.context.setText(rating_defaults::kBreaksToHide, k.count);
    ASSERT_EQ(ReadWgtFile(level.context.data()), 1);
    testing::TestContext& c = level.context;
    EXPECT_EQ(c.integer(context::kBreakCount), k.breaks) << k.from << "/" << k.count;
    if (k.breaks == 7) {
      EXPECT_EQ(c.integer(context::BreakUpperBound(6)), 9999999);
      EXPECT_EQ(c.text(context::BreakLabel(7)), "XXX");
      EXPECT_EQ(ValidWeight(c.data(), 7), 0);
    }
    EXPECT_EQ(c.text(context::BreakLabel(0)), "B0   ");  // the record's 5 characters
    EXPECT_EQ(c.integer(context::BreakLowerBound(1)), 500);
    EXPECT_EQ(c.bytes(context::RawWeightRecord(8)).substr(0, 5), "B8   ");
  }
  // A short last record ends the list, with 384 left behind.
  LevelDirectories level("SAMPLE03");
  level.build("weight-breaks level=SAMPLE03 raw\n  break label=L5C upper=499 lower=0\n  raw text=short\n");
  EXPECT_EQ(ReadWgtFile(level.context.data()), 1);
  EXPECT_EQ(level.context.integer(context::kBreakCount), 1);
  EXPECT_EQ(level.context.lastError(), 384);
}

TEST(TableReaders, ClassesTwinsAndNamesAreHeldToTheirRooms) {
  LevelDirectories level("SAMPLE03");
  testing::TestContext& c = level.context;
  std::string classes = "classes level=SAMPLE03 raw\n";
  for (int i = 0; i < 20; ++i) classes += "  class code=C" + std::to_string(i) + "\n";
  std::string names = "table-names level=SAMPLE03 raw\n";
  for (int i = 0; i < 26; ++i) names += "  table name=T" + std::to_string(i) + "\n";
  level.build(classes + names +
              "engineless-table level=SAMPLE03 ext=MC\n  record first=1 second=2 third=3\n  record third=-1\n  record "
              "first=-7\n");
  level.remove({"SAMPLE03.LMC"});
  ASSERT_EQ(level.openAll(), 1) << c.lastError();
  EXPECT_EQ(c.integer(context::kClassCount), 20);
  EXPECT_EQ(c.bytes(context::ClassCode(19)), std::string("C19\0\0\0", 6));  // blanks become NULs
  EXPECT_EQ(c.text(context::TableName(24)), "T24            ");
  EXPECT_EQ(c.bytes({15954, 11}), std::string(11, '\0'));  // the 26th name is not kept over the effective-table slots
  EXPECT_EQ(c.integer(context::kLmcRecordCount), 3);
  const std::optional<ResolvedBuffer> wide = SlotBuffer(c.view(), context::kLmcTable);
  ASSERT_TRUE(wide && wide->size == 36);
  const std::int32_t expected[] = {1, 2, 3, 0, 0, -1, -7, 0, 0};
  for (std::size_t i = 0; i < 9; ++i)
    EXPECT_EQ(platform::LoadLittleEndian<std::int32_t>(wide->data + 4 * i), expected[i]) << i;
}

}  // namespace
}  // namespace ratekit
