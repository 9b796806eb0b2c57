// The lane percentage tables: the lane's percentage record through .Q and
// .J, its record numbers as hits under the exceptions of .X by tariff year,
// and missing or short files.
#include "lanes/percent_tables.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "errors/engine_codes.h"
#include "lanes/global_lane_lookup.h"
#include "platform/kernel/file.h"
#include "support/data_directory.h"

namespace vorn {
namespace {

// ZIPs 10000-10099 and 90000-90099 name record 5 of .A, whose values are
// record numbers 7, 8 and 9, the last two subject to the lane's exception
// record (above 10000); the exception's flags "01000000" drop the second.
constexpr std::string_view kTables = R"(
percent-bases tariff=T suffix=00
  header
  zip-range low=10000 high=10099
  zip-range low=90000 high=90099
percent-matrix tariff=T suffix=00
  header
  pair origin=10000 destination=90000 record=5
percent-exceptions tariff=T suffix=00
  header
  exception origin-low=10000 origin-high=10099 destination-low=90000 destination-high=90099 letter=0 low=5 high=5 flags="100 0"
operator-adjustments tariff=T suffix=00
  adjustment number=5 values="7 10008 10009"
  adjustment number=6 values="1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16"
)";

struct Tables {
  explicit Tables(std::string_view description = kTables) {
    directory.build(description);
    files = {Read("T.Q00"), Read("T.J00"), Read("T.X00")};
    adjustments = platform::File::OpenReadOnly((directory / "T.A00").string());
  }
  std::optional<std::string> Read(const char* name) const { return platform::testing::ReadFileText(directory / name); }

  testing::DataDirectory directory{""};
  PercentTableFiles files;
  std::optional<platform::File> adjustments;
};

struct Found {
  std::int16_t code;
  std::vector<int> values;
};

Found Load(const Tables& t, const PercentTableFiles& files, int year, const char* origin = "10001") {
  AdjustmentHitTable hits;
  hits.count = 1;  // a hit of the lane pairs before
  Found found{LoadPercentTables(files, AdjustmentFile(const_cast<platform::File&>(*t.adjustments)),
                                PercentLane{origin, "90001", year}, hits),
              {}};
  for (int i = 1; i < hits.count; ++i) found.values.push_back(hits.values[static_cast<std::size_t>(i)].value);
  return found;
}

TEST(PercentTables, TheLanesRecordNumbersUnderItsExceptionByYear) {
  const Tables t;
  PercentTableFiles noExceptions = t.files;
  noExceptions.exceptions.reset();
  PercentTableFiles noBaseEntry = t.files;
  noBaseEntry.bases->replace(0, 2, "B ");
  const struct {
    const char* what;
    const PercentTableFiles& files;
    int year;
    const char* origin;
    Found expected;
  } cases[] = {
      {"1999: the flags drop 8 and keep 9", t.files, 2024, "10001", {0, {7, 9}}},
      {"1999 without an exception record", noExceptions, 2024, "10001", {0, {7, 8, 9}}},
      {"1998: an exception record for record 5 drops both", t.files, 1998, "10001", {0, {7}}},
      {"1998 without one", noExceptions, 1998, "10001", {0, {7, 8, 9}}},
      {"an origin in no base record", t.files, 2024, "10100", {0, {}}},
      {"bases without an \"A \" entry", noBaseEntry, 2024, "10001", {0, {}}},
  };
  for (const auto& c : cases) {
    const Found found = Load(t, c.files, c.year, c.origin);
    EXPECT_EQ(found.code, c.expected.code) << c.what;
    EXPECT_EQ(found.values, c.expected.values) << c.what;
  }
}

TEST(PercentTables, MissingOrShortFilesAndTooManyHits) {
  const Tables t;
  PercentTableFiles files = t.files;
  files.bases.reset();
  EXPECT_EQ(Load(t, files, 2024).code, code::kCantOpenQxbBase);
  files = t.files;
  files.matrix.reset();
  EXPECT_EQ(Load(t, files, 2024).code, code::kCantOpenQxbMatrix);
  files = t.files;
  files.exceptions->resize(files.exceptions->size() - 1);  // the exception record cut short
  EXPECT_EQ(Load(t, files, 2024).code, code::kCantReadPrecedence);
  // Record 6 lists 16 record numbers: with the lane's hit before, the 15th
  // slot is the last; the next is 235 rather than a hit left out.
  files = t.files;
  files.matrix->replace(files.matrix->size() - 2, 1, std::string(1, '\x06'));
  EXPECT_EQ(Load(t, files, 1998).code, code::kTooManyLaneAdjustments);
}

// The same tables over the .A records of a global list (48 bytes): record
// 5, the lane's percentage record, names itself by its own entry number 1
// and, above 10000, records 1, 2 and 3 at positions 0, 1 and 3 (7 names
// nothing); the exception's flags drop position 1.
std::string GlobalTables(std::string_view ownEntry) {
  std::string tables(kTables.substr(0, kTables.find("operator-adjustments")));
  tables += "list-adjustments tariff=T suffix=00\n";
  for (int i = 0; i < 5; ++i) tables += "  adjustment number=0000" + std::to_string(i) + " size=48\n";
  return tables + "  adjustment number=00050 minimum-value=" + std::string(ownEntry) +
         " rate-values=\"10001 10002 7 10003\" size=48\n";
}

TEST(PercentTables, ATariffNameBeginningUAddsTheRecordsEntriesToTheGlobalList) {
  const Tables t(GlobalTables("1"));
  const Tables notItself(GlobalTables("0"));
  PercentTableFiles noExceptions = t.files;
  noExceptions.exceptions.reset();
  using Numbers = std::vector<std::string>;
  const struct {
    const char* what;
    const Tables& tables;
    const PercentTableFiles& files;
    int year;
    int before;  // entries already in the list
    std::int16_t code;
    Numbers numbers;
  } cases[] = {
      {"1999: the flags drop record 2", t, t.files, 2024, 0, 0, {"00050", "00001", "00003"}},
      {"an own entry number of 0", notItself, notItself.files, 2024, 0, 0, {"00001", "00003"}},
      {"without an exception record", t, noExceptions, 2024, 0, 0, {"00050", "00001", "00002", "00003"}},
      {"1998: an exception record for record 5 drops all", t, t.files, 1998, 0, 0, {"00050"}},
      {"the 60th entry is the last", t, t.files, 2024, 59, code::kLaneAdjustmentTooBig, {"00050"}},
  };
  for (const auto& c : cases) {
    GlobalAdjustmentList list;
    list.recordSize = 48;
    list.count = c.before;
    EXPECT_EQ(LoadGlobalPercentTables(c.files, AdjustmentFile(const_cast<platform::File&>(*c.tables.adjustments)),
                                      PercentLane{"10001", "90001", c.year}, list),
              c.code)
        << c.what;
    Numbers numbers;
    for (int i = c.before; i < list.count; ++i)
      numbers.emplace_back(list.entries[static_cast<std::size_t>(i)].number.data(), 5);
    EXPECT_EQ(numbers, c.numbers) << c.what;
  }
  // A record size that puts the percentage record past the end of .A.
  GlobalAdjustmentList list;
  list.recordSize = 480;
  EXPECT_EQ(LoadGlobalPercentTables(t.files, AdjustmentFile(const_cast<platform::File&>(*t.adjustments)),
                                    PercentLane{"10001", "90001", 2024}, list),
            0);
  EXPECT_EQ(list.count, 0);
}

TEST(PercentTables, BeforeTheTablesTheExceptionsZeroTheHitsTheyList) {
  const Tables t;
  AdjustmentHitTable hits;
  hits.count = 3;
  hits.values[0] = {'0', 4, 0};
  hits.values[1] = {'0', 5, 0};
  hits.values[2] = {'B', 5, 0};
  EXPECT_EQ(FilterPercentExceptions(t.files.exceptions, PercentLane{"10001", "90001", 1997}, hits), 0);
  EXPECT_EQ(hits.values[0].value, 4);
  EXPECT_EQ(hits.values[1].value, 0);
  EXPECT_EQ(hits.values[2].value, 5);  // the record is lettered '0'
  EXPECT_EQ(FilterPercentExceptions(std::nullopt, PercentLane{"10001", "90001", 1997}, hits), 0);
}

}  // namespace
}  // namespace vorn
