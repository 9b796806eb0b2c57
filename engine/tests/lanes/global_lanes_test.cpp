// The global lane list of letter 'G': each end's zone codes by its index or
// range section, through base keys, the lane section, membership, the
// list's bound and lists that are none; and the core's adjustment lists
// that apply it.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "errors/engine_codes.h"
#include "lanes/adjustment_lists.h"
#include "lanes/global_lane_lookup.h"
#include "platform/kernel/file.h"
#include "support/data_directory.h"

namespace vorn {
namespace {

// ZIP 10001 is zone ORIG1 by the origin index, postal codes K1A0A to K1A9Z
// zone ORIG2 by the origin ranges; ZIP 90001 is zone DEST1 by the
// destination index. Records 0 to 2 of .A are adjustments 00003, 00001 and
// 00002; the membership section lists adjustment 00002 for rate-record
// heads "0003B?" only, the others for every head.
constexpr std::string_view kList = R"(
global-lanes tariff=T suffix=00
  header membership=Y keep=Y adjustment-size=24
  index end=origin key=10001 codes=ORIG1
  range end=origin low=K1A0A high=K1A9Z codes=ORIG2
  index end=destination key=90001 codes=DEST1
  lane origin=ORIG1 destination=DEST1 record=0
  lane origin=ORIG1 destination=DEST1 record=1
  lane origin=ORIG2 destination=DEST1 record=2
  member low=000000 high=999999 number=00001
  member low=0003B0 high=0003B9 number=00002
  member low=000000 high=999999 number=00003
base-keys tariff=T letter=V suffix=00
  key low=20000 high=20999 base=10001
  key low=90000 high=90999 base=90001
list-adjustments tariff=T suffix=00
  adjustment number=00003 minimum-op=2 rate-op=0 minimum-value=100 size=24
  adjustment number=00001 minimum-op=1 rate-op=1 minimum-value=9000 rate-values="9500 10000 9000" size=24
  adjustment number=00002 minimum-op=1 rate-op=2 minimum-value=9500 rate-values="0 50" size=24
)";

struct Files {
  explicit Files(std::string_view description = kList) {
    directory.build(description);
    list = platform::testing::ReadFileText(directory / "T.L00");
    adjustments = platform::File::OpenReadOnly((directory / "T.A00").string());
  }
  testing::DataDirectory directory{""};
  std::string list;
  std::optional<platform::File> adjustments;
};

struct Found {
  std::int16_t code;
  std::vector<std::string> numbers;
};

Found Lookup(const Files& f, std::string_view list, const GlobalBaseKeys& keys, const char* origin,
             const char* membershipKey = "0003B5", LaneAdjustmentWork* into = nullptr,
             std::optional<std::uint16_t> forcedNumber = std::nullopt, bool keepsFirstList = false) {
  LaneAdjustmentWork local;
  LaneAdjustmentWork& work = into ? *into : local;
  const std::span bytes(reinterpret_cast<const std::uint8_t*>(list.data()), list.size());
  Found found{LoadGlobalAdjustments(bytes, keys, AdjustmentFile(const_cast<platform::File&>(*f.adjustments)),
                                    GlobalLane{origin, "90001", membershipKey, forcedNumber, keepsFirstList}, work),
              {}};
  for (int i = 0; i < work.global.count; ++i)
    found.numbers.emplace_back(work.global.entries[static_cast<std::size_t>(i)].number.data(), 5);
  return found;
}

TEST(GlobalLaneLookup, EndsByIndexOrRangeThenTheLanesAdjustmentsSortedAndFiltered) {
  const Files f;
  std::string baseKeyed = f.list;
  baseKeyed[3] = 'B';
  std::string dropMembers = f.list;
  dropMembers[5] = 'E';
  const GlobalBaseKeys vu{platform::testing::ReadFileText(f.directory / "T.V00"), std::nullopt};
  const struct {
    const char* what;
    const std::string& list;
    GlobalBaseKeys keys;
    const char* origin;
    const char* membershipKey;
    Found expected;
  } cases[] = {
      {"a ZIP through the index, sorted", f.list, {}, "10001", "0003B5", {0, {"00001", "00003"}}},
      {"a postal code through the ranges, a member", f.list, {}, "K1A0B", "0003B5", {0, {"00002"}}},
      {"not a member", f.list, {}, "K1A0B", "0004B5", {0, {}}},
      {"members dropped", dropMembers, {}, "K1A0B", "0003B5", {0, {}}},
      {"a ZIP no index record names", f.list, {}, "10002", "0003B5", {0, {}}},
      {"a postal code in no range", f.list, {}, "K2A0B", "0003B5", {0, {}}},
      {"base keys: 20001 is 10001, .V serving both ends", baseKeyed, vu, "20001", "0003B5", {0, {"00001", "00003"}}},
      {"a ZIP without a base key", baseKeyed, vu, "30001", "0003B5", {0, {}}},
  };
  for (const auto& c : cases) {
    const Found found = Lookup(f, c.list, c.keys, c.origin, c.membershipKey);
    EXPECT_EQ(found.code, c.expected.code) << c.what;
    EXPECT_EQ(found.numbers, c.expected.numbers) << c.what;
  }
}

TEST(GlobalLaneLookup, MissingBaseKeysShortListsAndTooManyEntries) {
  const Files f;
  std::string baseKeyed = f.list;
  baseKeyed[3] = 'B';
  EXPECT_EQ(Lookup(f, baseKeyed, {}, "10001").code, code::kCantOpenGlobalLaneOriginBase);
  EXPECT_EQ(Lookup(f, f.list.substr(0, 53), {}, "10001").code, code::kCantReadLaneList);
  std::string outside = f.list;
  outside[28] = '\xFF';  // the lane section ends past the file
  outside[29] = '\xFF';
  EXPECT_EQ(Lookup(f, outside, {}, "10001").code, code::kCantReadLaneList);

  std::string many =
      "global-lanes tariff=T suffix=00\n  header adjustment-size=24\n  index end=origin key=1 codes=ORIG1\n"
      "  index end=destination key=90001 codes=DEST1\n";
  for (int i = 0; i < 61; ++i) many += "  lane origin=ORIG1 destination=DEST1 record=1\n";
  const Files crowded(std::string(many) + std::string(kList.substr(kList.find("list-adjustments"))));
  LaneAdjustmentWork work;
  const std::span bytes(reinterpret_cast<const std::uint8_t*>(crowded.list.data()), crowded.list.size());
  EXPECT_EQ(LoadGlobalAdjustments(bytes, {}, AdjustmentFile(const_cast<platform::File&>(*crowded.adjustments)),
                                  GlobalLane{"00001", "90001", "000000", std::nullopt, false}, work),
            code::kLaneAdjustmentTooBig);
}

TEST(GlobalLaneLookup, AForcedNumberNamesTheRecordBeforeItAndComesFirst) {
  const Files f;
  std::string unsorted = f.list;
  unsorted[7] = 'N';
  const struct {
    const char* what;
    const std::string& list;
    const char* origin;
    std::optional<std::uint16_t> forced;
    std::vector<std::string> numbers;
  } cases[] = {
      {"3 is record 2, named 00002", unsorted, "10001", 3, {"00002", "00003", "00001"}},
      {"1 is record 0, named 00000 whatever it holds", unsorted, "10001", 1, {"00000", "00003", "00001"}},
      {"sorted with the lane's", f.list, "10001", 3, {"00001", "00002", "00003"}},
      {"0 names no record", unsorted, "10001", 0, {"00003", "00001"}},
      {"a record past the end of .A", unsorted, "10001", 9, {"00003", "00001"}},
      {"a lane without zone codes has none", unsorted, "10002", 3, {}},
  };
  for (const auto& c : cases) {
    const Found found = Lookup(f, c.list, {}, c.origin, "0003B5", nullptr, c.forced);
    EXPECT_EQ(found.code, 0) << c.what;
    EXPECT_EQ(found.numbers, c.numbers) << c.what;
  }
}

TEST(GlobalLaneLookup, ACombinedTariffsSecondLoadKeepsTheFirstLoadsList) {
  const Files f;
  // The second load's lane (K1A0B) would give 00002 instead.
  LaneAdjustmentWork work;
  ASSERT_EQ(Lookup(f, f.list, {}, "10001", "0003B5", &work, std::nullopt, true).numbers,
            (std::vector<std::string>{"00001", "00003"}));
  EXPECT_EQ(work.global.remembered, 0);
  const Found kept = Lookup(f, f.list, {}, "K1A0B", "0003B5", &work, 3, true);
  EXPECT_EQ(kept.code, 0);
  EXPECT_EQ(kept.numbers, (std::vector<std::string>{"00001", "00003"}));
  EXPECT_EQ(work.global.remembered, 2);
  EXPECT_EQ(work.global.recordSize, 24u);
  // Another tariff's load starts afresh, and so does one after an empty list.
  EXPECT_EQ(Lookup(f, f.list, {}, "K1A0B", "0003B5", &work).numbers, (std::vector<std::string>{"00002"}));
  LaneAdjustmentWork empty;
  Lookup(f, f.list, {}, "10002", "0003B5", &empty, std::nullopt, true);
  EXPECT_EQ(Lookup(f, f.list, {}, "K1A0B", "0003B5", &empty, std::nullopt, true).numbers,
            (std::vector<std::string>{"00002"}));
  EXPECT_EQ(empty.global.remembered, 0);
}

// The core's adjustment lists over entries of the given operations.
std::int16_t ApplyList(const std::vector<std::string>& records, ListColumn column, std::vector<std::int32_t>& amounts,
                       char combine = ' ') {
  std::string description = "list-adjustments tariff=T suffix=00\n";
  for (const std::string& r : records) description += "  adjustment size=24 " + r + "\n";
  testing::DataDirectory directory{""};
  directory.build(description);
  std::optional<platform::File> file = platform::File::OpenReadOnly((directory / "T.A00").string());
  GlobalAdjustmentList list;
  list.recordSize = 24;
  for (std::size_t i = 0; i < records.size(); ++i) list.entries[i].offset = static_cast<std::uint32_t>(i * 24);
  list.count = static_cast<int>(records.size());
  return ApplyAdjustmentList(ListRecords(list, AdjustmentFile(*file)), column, ListSettings{combine, '6'}, amounts,
                             9999999);
}

TEST(AdjustmentLists, OperationsRunsAndCombining) {
  const struct {
    const char* what;
    std::vector<std::string> records;
    ListColumn column;
    char combine;
    std::vector<std::int32_t> before, after;
  } cases[] = {
      {"'1' multiplies at 4 decimals, '2' adds, '5' subtracts",
       {"minimum-op=1 minimum-value=9000", "minimum-op=2 minimum-value=100", "minimum-op=5 minimum-value=30"},
       ListColumn::kMinimums,
       ' ',
       {6500, 0},
       {5920, 70}},
      {"a run of '3' ends on a multiple of 5",
       {"minimum-op=3 minimum-value=9333"},
       ListColumn::kMinimums,
       ' ',
       {1000},
       {935}},
      {"a run of '4' carries 3 more digits until it ends",
       {"minimum-op=4 minimum-value=9500", "minimum-op=4 minimum-value=9000"},
       ListColumn::kMinimums,
       ' ',
       {1001},
       {856}},
      {"a run of '6' ends on a multiple of 10",
       {"minimum-op=6 minimum-value=10000"},
       ListColumn::kMinimums,
       ' ',
       {1234},
       {1230}},
      {"rates by position; 0 and unfetched rates stay",
       {"rate-op=1 rate-values=\"9500 0 9000\""},
       ListColumn::kRates,
       ' ',
       {2420, 1980, 9999999},
       {2299, 1980, 9999999}},
      {"'*' combines the '1' entries into the first",
       {"minimum-op=1 minimum-value=9500", "minimum-op=1 minimum-value=9000"},
       ListColumn::kMinimums,
       '*',
       {1000},
       {855}},
      {"'L' keeps the lower",
       {"minimum-op=1 minimum-value=9500", "minimum-op=1 minimum-value=9000"},
       ListColumn::kMinimums,
       'L',
       {1000},
       {900}},
  };
  for (const auto& c : cases) {
    std::vector<std::int32_t> amounts = c.before;
    EXPECT_EQ(ApplyList(c.records, c.column, amounts, c.combine), 0) << c.what;
    EXPECT_EQ(amounts, c.after) << c.what;
  }
}

TEST(AdjustmentLists, AnAmountBeyond32BitsIs145AndStaysAsItWas) {
  std::vector<std::int32_t> amounts{2000000000};
  EXPECT_EQ(ApplyList({"minimum-op=2 minimum-value=2000000000"}, ListColumn::kMinimums, amounts),
            code::kPricingExceedsLimits);
  EXPECT_EQ(amounts[0], 2000000000);
}

}  // namespace
}  // namespace vorn
