// The rules the settings pages apply to what is typed: percentages and
// their stored form, range bounds, Canadian prefixes, constant ZIPs, and
// where a new range entry goes among the others.
#include <gtest/gtest.h>

#include "settings/constant_zip.h"
#include "settings/discount_entries.h"
#include "settings_fixtures.h"

namespace qiv::settings {
namespace {

TEST(PercentTexts, CheckedAsTheyLeaveTheirFieldAndStoredWithZerosBlanked) {
  struct Case {
    const char* typed;
    bool eleventh;
    const char* shown;
    int message;
  } cases[] = {
      {"99.98", false, "99.98", 0},  {"99.99", false, "0.00", 118},
      {"5.255", false, " 5.25", 0}, /* its binary value lies below the half */
      {"0", false, "0.00", 0},       {"-5", false, "0.00", 118},
      {"999.99", true, "999.99", 0}, {"1000.00", true, "0.00", 119},
      {"7", true, "  7.00", 0},
  };
  for (const Case& c : cases) {
    const CheckedPercent checked = CheckPercent(c.typed, c.eleventh);
    EXPECT_EQ(checked.shown, c.shown) << c.typed;
    EXPECT_EQ(checked.message, c.message) << c.typed;
  }
  EXPECT_EQ(StoredPercent(5.25), " 5.25");
  EXPECT_EQ(StoredPercent(0), "  .00");
  EXPECT_EQ(StoredPercent(12.5), "12.50");
  EXPECT_EQ(StoredPercent(0.5), "  .50");
  EXPECT_EQ(StoredPercent(2.675), " 2.67");  // the binary value lies below the half
  EXPECT_EQ(StoredPercent(0.125), "  .13");  // an exact half goes up
}

TEST(RangeBounds, CanadianPrefixesAndZipLengthsByMode) {
  struct Case {
    const char* text;
    char mode;
    bool valid;
  } cases[] = {
      {"K1A", '5', true},    {" K1A ", '5', true}, {"W1A", '5', false},  {"K1O", '5', false},    {"K12", '5', false},
      {"Z1A", '5', false},   {"1234", '5', false}, {"12345", '5', true}, {"", '5', true},        {"123", '3', true},
      {"12345", '3', false}, {"1234", '6', false}, {"12345", '6', true}, {"123456", '6', false},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckRangeBound(c.text, c.mode), c.valid) << c.text << " mode " << c.mode;
}

TEST(ConstantZips, DigitsByModeAndCanadianCodesInTheRangeTable) {
  using testing::Code;
  const std::vector<CodeRange> ranges = {
      {Code("10000"), Code("14999")}, {Code("K0A0A"), Code("K2Z9Z")}, {Code("M5V1A"), Code("M5V7Z")}};
  struct Case {
    const char* text;
    ConstantZipCheck expected;
  } cases[] = {
      {"10001", ConstantZipCheck::Valid},        {"1234A", ConstantZipCheck::Invalid},
      {"-1234", ConstantZipCheck::Invalid},      {"K1A", ConstantZipCheck::Valid},
      {"M5V", ConstantZipCheck::NotWholePrefix}, {"M5V2B", ConstantZipCheck::Valid},
      {"M5V9Z", ConstantZipCheck::Invalid},      {"L1A", ConstantZipCheck::Invalid},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckConstantZip(c.text, '5', &ranges), c.expected) << c.text;
  EXPECT_EQ(CheckConstantZip("L1A", '5', nullptr), ConstantZipCheck::Valid);  // no table: not looked up
}

TEST(RangeEntries, FourGroupsZipPairsInTheOrderAddedTheOthersByKey) {
  std::vector<DiscountEntry> entries = {
      MakeEntry("10000", "14999", "60000", "62999"), MakeEntry("30000", "31999", "     ", "NC"),
      MakeEntry("     ", "GA", "K1A0A", "K1C9Z"), MakeEntry("     ", "GA", "     ", "NC")};
  struct Case {
    DiscountEntry entry;
    Placement::Kind kind;
    std::size_t position;
  } cases[] = {
      {MakeEntry("00100", "00199", "20000", "20999"), Placement::Kind::Insert, 1},  // after the ZIP pairs, unsorted
      {MakeEntry("10000", "14999", "60000", "62999"), Placement::Kind::Insert, 1},  // an equal ZIP pair: a second entry
      {MakeEntry("20000", "21999", "     ", "TX"), Placement::Kind::Insert, 1},
      {MakeEntry("     ", "AL", "     ", "NC"), Placement::Kind::Insert, 3},
      {MakeEntry("     ", "GA", "     ", "NC"), Placement::Kind::Equal, 3},   // asks 154
      {MakeEntry("     ", "TX", "     ", "NC"), Placement::Kind::Insert, 4},  // appended
  };
  for (const Case& c : cases) {
    const Placement placement = PlaceEntry(entries, c.entry);
    EXPECT_EQ(placement.kind, c.kind) << EntryLine(c.entry);
    EXPECT_EQ(placement.position, c.position) << EntryLine(c.entry);
  }
  EXPECT_EQ(EntryLine(entries[2]), "     \tGA\tK1A  \tK1C  ");
}

}  // namespace
}  // namespace qiv::settings
