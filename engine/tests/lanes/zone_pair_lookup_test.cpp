// The lookup of lane adjustments by zone-code pairs in text lane lists:
// parameter lines, ZIP ranges to zone codes, pair records to hits, and the
// lists that are no lane list.
#include "lanes/zone_pair_lookup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "errors/engine_codes.h"

namespace vorn {
namespace {

constexpr std::string_view kTop = "* BRKS = 000* 500+ 999X\n* BRK2 = 100* 999X\n";
// ZIPs 10000-10999 have zones BBB and AAA (read sorted), 90000-90999 CCC.
constexpr std::string_view kRanges = "1000010999BBBAAA\n2000020999DDD\n9000090999CCC\n";
constexpr std::string_view kEnd = "*\n* LA_PCT = +\n";

std::string Pairs(const std::vector<std::string>& records) {
  std::string text;
  for (const std::string& r : records) text += r + "\n";
  return text;
}

std::string List(const std::string& pairs) {
  return std::string(kTop) + std::string(kRanges) + std::string(kEnd) + pairs;
}

// The list with a trailer giving the offset of the "*" line.
std::string WithTrailer(std::string list, std::int32_t offset) {
  list += "999";
  list.append(reinterpret_cast<const char*>(&offset), 4);
  return list + "   \n";
}

const std::string kFourPairs = Pairs({"AAACCC1010", "AAADDD1990", "BBBCCC1020", "BBBCCC1030", "CCCAAA1040"});

struct Found {
  std::int16_t code;
  std::vector<std::string> numbers;
};

Found Lookup(const std::string& list, std::string_view origin = "10001", std::string_view destination = "90001",
             LaneAdjustmentWork* into = nullptr) {
  LaneAdjustmentWork local;
  LaneAdjustmentWork& work = into ? *into : local;
  Found found{LoadZonePairAdjustments(list, ZonePairLane{origin, destination, 'A', 'B', false}, work), {}};
  for (int i = 0; i < work.hits.count; ++i)
    found.numbers.emplace_back(work.hits.numbers[static_cast<std::size_t>(i)].number.data(), 3);
  return found;
}

TEST(ZonePairLookup, EveryPairOfTheEndsZonesFindsItsRecordsSortedByNumber) {
  const std::int32_t endLine = static_cast<std::int32_t>(kTop.size() + kRanges.size());
  const struct {
    const char* what;
    std::string list;
    std::string_view origin, destination;
    Found expected;
  } cases[] = {
      {"pairs AAACCC and BBBCCC", List(kFourPairs), "10001", "90001", {0, {"101", "102", "103"}}},
      {"the trailer finds the pair part",
       WithTrailer(List(kFourPairs), endLine),
       "10001",
       "90001",
       {0, {"101", "102", "103"}}},
      {"the other direction", List(kFourPairs), "90500", "10999", {0, {"104"}}},
      {"an origin in no range", List(kFourPairs), "15000", "90001", {0, {}}},
      {"a destination past the last range", List(kFourPairs), "10001", "99999", {0, {}}},
      {"no pair record of the lane", List(kFourPairs), "20000", "90001", {0, {}}},
      {"an empty pair part", List(""), "10001", "90001", {0, {}}},
  };
  for (const auto& c : cases) {
    const Found found = Lookup(c.list, c.origin, c.destination);
    EXPECT_EQ(found.code, c.expected.code) << c.what;
    EXPECT_EQ(found.numbers, c.expected.numbers) << c.what;
  }
}

TEST(ZonePairLookup, AForcedNumberReadsThePairPartOfALaneWithoutZoneCodes) {
  // Origin 15000 has no zone codes: without a forced number the lookup ends
  // there; with one it goes on through the pair part, whose parameter line
  // (LA_PCT) applies and whose records are checked, and finds no pair.
  const std::string broken = List(Pairs({"AAACCC10100", "BBBCCC1020"}));
  const struct {
    const char* what;
    const std::string& list;
    bool forced;
    std::int16_t code;
    char combine;
  } cases[] = {
      {"not forced", List(kFourPairs), false, 0, 0},
      {"forced", List(kFourPairs), true, 0, '+'},
      {"not forced, a 12-byte pair record", broken, false, 0, 0},
      {"forced, a 12-byte pair record", broken, true, code::kCantReadLaneList, '+'},
  };
  for (const auto& c : cases) {
    LaneAdjustmentWork work;
    ZonePairLane lane{"15000", "90001", 'A', 'B', false};
    lane.numberForced = c.forced;
    EXPECT_EQ(LoadZonePairAdjustments(c.list, lane, work), c.code) << c.what;
    EXPECT_EQ(work.hits.count, 0) << c.what;
    EXPECT_EQ(work.combineOperator, c.combine) << c.what;
  }
}

TEST(ZonePairLookup, ListsThatAreNoLaneListAre232) {
  const std::string longLine = "1000010999" + std::string(72, 'A') + "\n";
  const std::int32_t endLine = static_cast<std::int32_t>(kTop.size() + kRanges.size());
  const struct {
    const char* what;
    std::string list;
  } cases[] = {
      {"no \"*\" line ends the ranges", std::string(kTop) + std::string(kRanges)},
      {"a range line over 80 characters", std::string(kTop) + longLine + std::string(kEnd) + kFourPairs},
      {"a 12-byte first pair record", List(Pairs({"AAACCC10100", "BBBCCC1020"}))},
      {"a short first pair record", List("AAACCC10")},
      {"a trailer pointing past the file", WithTrailer(List(kFourPairs), 100000)},
      {"a trailer pointing before the file", WithTrailer(List(kFourPairs), -11)},
      {"a trailer pointing at a range line", WithTrailer(List(kFourPairs), endLine - 14)},
      {"an empty file", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Lookup(c.list).code, code::kCantReadLaneList) << c.what;
}

TEST(ZonePairLookup, FourteenHitsAreKeptAndAFifteenthIs235) {
  std::vector<std::string> records;
  for (int i = 0; i < 15; ++i) records.push_back("AAACCC" + std::to_string(110 + i) + "0");
  records.pop_back();
  const Found fourteen = Lookup(List(Pairs(records)));
  EXPECT_EQ(fourteen.code, 0);
  EXPECT_EQ(fourteen.numbers.size(), 14u);
  records.push_back("AAACCC1240");
  EXPECT_EQ(Lookup(List(Pairs(records))).code, code::kTooManyLaneAdjustments);
}

TEST(ZonePairLookup, ParameterLinesGiveTheSetsTheOperatorAndTheOneValueSwitch) {
  LaneAdjustmentWork work;
  const std::string list =
      "* BRKS = 000* 250+ 999X\n* BRKS = 100* 999x\n" + std::string(kRanges) + "*\n* ONE_LA = YES\n" + kFourPairs;
  ASSERT_EQ(Lookup(list, "10001", "90001", &work).code, 0);
  ASSERT_EQ(work.current.count, 3);
  EXPECT_STREQ(work.current.entries[1].text.data(), "250");
  EXPECT_EQ(work.current.entries[0].value, 1);
  EXPECT_EQ(work.current.entries[1].value, 0);
  EXPECT_EQ(work.current.entries[2].value, -1);
  EXPECT_EQ(work.first.count, 3);
  ASSERT_EQ(work.second.count, 2);
  EXPECT_STREQ(work.second.entries[0].text.data(), "100");
  EXPECT_EQ(work.second.entries[1].value, -1);
  EXPECT_TRUE(work.oneAdjustment);

  LaneAdjustmentWork second;
  ASSERT_EQ(Lookup(List(kFourPairs), "10001", "90001", &second).code, 0);
  EXPECT_EQ(second.combineOperator, '+');
  ASSERT_EQ(second.second.count, 2);  // from BRK2
}

TEST(ZonePairLookup, TariffTypesIAndKKeepValues) {
  const std::string list = List(Pairs({"AAACCC0042", "AAACCC120B", "BBBCCC0310", "BBBCCC1500"}));
  const auto values = [&](char type, char kind, bool byValue) {
    LaneAdjustmentWork work;
    EXPECT_EQ(LoadZonePairAdjustments(list, ZonePairLane{"10001", "90001", type, kind, byValue}, work), 0);
    std::vector<std::pair<char, int>> found;
    for (int i = 0; i < work.hits.count; ++i) {
      const auto& hit = work.hits.values[static_cast<std::size_t>(i)];
      found.emplace_back(hit.letter, hit.value);
    }
    return found;
  };
  using V = std::vector<std::pair<char, int>>;
  // 'I': the four digits of each record (a letter among them ends the number).
  EXPECT_EQ(values('I', 'B', true), (V{{'0', 42}, {'0', 120}, {'0', 310}, {'0', 1500}}));
  // 'K': the first three digits of records lettered '0' or with the rate
  // record's kind (0042 is lettered '2').
  EXPECT_EQ(values('K', 'B', true), (V{{'0', 31}, {'B', 120}, {'0', 150}}));
  EXPECT_EQ(values('K', 'C', false), (V{{'0', 31}, {'0', 150}}));
}

}  // namespace
}  // namespace vorn
