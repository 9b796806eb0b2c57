// The lookup of lane adjustments by origin and destination ranges: lanes
// in one or both directions, the lane index, slots, the exclusion part, the
// adjustment modes, and lists that are none.
#include "lanes/range_lane_lookup.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "errors/engine_codes.h"
#include "lanes/adjustment_hits.h"

namespace vorn {
namespace {

constexpr std::size_t kRecordSize = 27;

std::string U32(std::size_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF), static_cast<char>((v >> 16) & 0xFF),
          static_cast<char>(v >> 24)};
}

std::string Lane(const char* origin, const char* destination, std::string field, bool both = false, int slot = 0) {
  std::string r = std::string("4") + (both ? 'B' : ' ') + origin + destination + static_cast<char>(slot) + field;
  r.resize(kRecordSize, ' ');
  return r;
}

// A list of mode 0 with sorted hits: origin 10000-10099 to 90000-90099
// (103) and to 90000-90999 (102), 20000-20099 with 90000-90099 both ways
// (101), 30000-30099 to anywhere (109).
const std::vector<std::string> kLanes = {
    Lane("1000010099", "9000090099", "103"), Lane("1000010099", "9000090999", "102"),
    Lane("2000020099", "9000090099", "101", true), Lane("3000030099", "0000099999", "109")};

struct ListShape {
  char mode = '0';
  bool sorted = true;
  bool index = false;
  std::string exclusions;  // the exclusion part
  char exclusionLetter = ' ';
  std::string parameters;  // one 54-byte parameter record
};

// A shape changed by change (designated initializers would have to name
// every member).
template <typename Change>
ListShape Shape(Change change) {
  ListShape shape;
  change(shape);
  return shape;
}

std::string List(const std::vector<std::string>& lanes, const ListShape& shape = {}) {
  std::string header(54, '\0');
  header[1] = shape.parameters.empty() ? 0 : 1;
  header[3] = shape.exclusions.empty() ? 'N' : 'Y';
  header[4] = shape.exclusionLetter;
  header[5] = shape.mode;
  header[6] = shape.sorted ? 'Y' : 'N';
  header[37] = static_cast<char>(kRecordSize);
  std::string body = shape.parameters;
  if (!shape.parameters.empty()) body.resize(54, '\0');
  std::size_t index = 0;
  const std::size_t indexAt = 54 + body.size();
  if (shape.index) {
    // Two blocks ordered by origin: the lanes from 10000, those from 30000.
    const std::size_t first = indexAt + 2 * kRecordSize;
    for (const auto& [mark, lowest, lane] : {std::tuple{'2', "10000", 0}, std::tuple{'4', "30000", 3}}) {
      std::string r = std::string(1, mark) + "F" + lowest;
      r.resize(21, ' ');
      r += U32(first + static_cast<std::size_t>(lane) * kRecordSize);
      r.resize(kRecordSize, ' ');
      body += r;
    }
    index = indexAt;
  }
  const std::size_t firstLane = 54 + body.size();
  for (const std::string& lane : lanes) body += lane;
  const std::size_t exclusions = shape.exclusions.empty() ? 0 : 54 + body.size();
  body += shape.exclusions;
  header.replace(38, 12, U32(index) + U32(firstLane) + U32(exclusions));
  return header + body;
}

struct Found {
  std::int16_t code;
  std::vector<std::string> hits;  // numbers, or values as text
};

Found Lookup(const std::string& list, const char* origin, const char* destination, LaneAdjustmentWork* into = nullptr,
             std::optional<std::uint16_t> forcedNumber = std::nullopt) {
  LaneAdjustmentWork local;
  LaneAdjustmentWork& work = into ? *into : local;
  const std::span bytes(reinterpret_cast<const std::uint8_t*>(list.data()), list.size());
  Found found{LoadRangeLaneAdjustments(bytes, RangeLane{origin, destination, "001 00003B", forcedNumber}, work), {}};
  for (int i = 0; i < work.hits.count; ++i) {
    const auto k = static_cast<std::size_t>(i);
    found.hits.push_back(work.mode == 0   ? std::string(work.hits.numbers[k].number.data(), 3)
                         : work.mode == 2 ? std::string(work.lanePairs[k].data(), 6)
                                          : std::to_string(work.hits.values[k].value));
  }
  return found;
}

using Hits = std::vector<std::string>;

TEST(RangeLaneLookup, RecordsHoldingTheLaneInEitherFormAreItsHits) {
  const std::string plain = List(kLanes);
  const std::string indexed = List(kLanes, Shape([&](ListShape& s) { s.index = true; }));
  const struct {
    const char* what;
    const std::string& list;
    const char *origin, *destination;
    Hits hits;
  } cases[] = {
      {"two one-way records, sorted", plain, "10001", "90001", {"102", "103"}},
      {"a record flagged 'B' holds the lane reversed", plain, "90050", "20001", {"101"}},
      {"and as it stands", plain, "20001", "90050", {"101"}},
      {"a one-way record does not hold the lane reversed", plain, "90001", "10001", {}},
      {"a destination in one range only", plain, "10001", "90500", {"102"}},
      {"the last record", plain, "30000", "55555", {"109"}},
      {"no record", plain, "40000", "90001", {}},
      {"through the index", indexed, "10001", "90001", {"102", "103"}},
      {"through the index's second block", indexed, "30000", "55555", {"109"}},
      {"an origin below the index", indexed, "05000", "90001", {}},
  };
  for (const auto& c : cases) {
    const Found found = Lookup(c.list, c.origin, c.destination);
    EXPECT_EQ(found.code, 0) << c.what;
    EXPECT_EQ(found.hits, c.hits) << c.what;
  }
}

TEST(RangeLaneLookup, SlotsModesExclusionsAndParameters) {
  // Slot 3 places its hit third, slot 0 appends, slot 11 is no place;
  // unsorted.
  EXPECT_EQ(Lookup(List({Lane("1000010099", "9000090099", "102"), Lane("1000010099", "9000090099", "103", false, 3),
                         Lane("1000010099", "9000090099", "111", false, 11)},
                        Shape([&](ListShape& s) { s.sorted = false; })),
                   "10001", "90001")
                .hits,
            (Hits{"102", std::string("\0\0\0", 3), "103"}));
  // Modes 1 and 3 keep the field's two bytes as a value; mode 3 sorts them.
  const std::vector<std::string> valued = {Lane("1000010099", "9000090099", std::string("\x10\x27", 2)),
                                           Lane("1000010099", "9000090099", std::string("\xE8\x03", 2))};
  EXPECT_EQ(Lookup(List(valued, Shape([&](ListShape& s) {
                          s.mode = '1';
                          s.sorted = false;
                        })),
                   "10001", "90001")
                .hits,
            (Hits{"10000", "1000"}));
  EXPECT_EQ(Lookup(List(valued, Shape([&](ListShape& s) { s.mode = '3'; })), "10001", "90001").hits,
            (Hits{"1000", "10000"}));
  // Mode 2 writes the lane pair of the field and "000".
  EXPECT_EQ(Lookup(List({Lane("1000010099", "9000090099", "123")}, Shape([&](ListShape& s) { s.mode = '2'; })), "10001",
                   "90001")
                .hits,
            (Hits{"123000"}));
  // The exclusion part lists 103 for rate-record heads whose bytes 3 to 9
  // lie in " 00000A" to " 99999Z" (the lane's is " 00003B"):
  // letter 'E' drops it, letter 'I' keeps only it.
  const std::string exclusion = "6 00000A 99999Z........103";
  EXPECT_EQ(Lookup(List(kLanes, Shape([&](ListShape& s) {
                          s.exclusions = exclusion;
                          s.exclusionLetter = 'E';
                        })),
                   "10001", "90001")
                .hits,
            (Hits{"102"}));
  EXPECT_EQ(Lookup(List(kLanes, Shape([&](ListShape& s) {
                          s.exclusions = exclusion;
                          s.exclusionLetter = 'I';
                        })),
                   "10001", "90001")
                .hits,
            (Hits{"103"}));
  LaneAdjustmentWork work;
  Lookup(List(kLanes, Shape([&](ListShape& s) { s.parameters = "* BRKS = 000* 999X"; })), "10001", "90001", &work);
  EXPECT_EQ(work.current.count, 2);
  EXPECT_EQ(work.current.entries[1].value, -1);
}

TEST(RangeLaneLookup, AForcedNumberIsTheFirstHitInTheFormOfTheMode) {
  const auto mode = [](char m, bool sorted) {
    return Shape([&](ListShape& s) {
      s.mode = m;
      s.sorted = sorted;
    });
  };
  const std::string valued = List({Lane("1000010099", "9000090099", std::string("\x10\x27", 2))}, mode('1', false));
  const struct {
    const char* what;
    std::string list;
    const char* origin;
    std::uint16_t forced;
    Hits hits;
  } cases[] = {
      {"mode 0, unsorted", List(kLanes, mode('0', false)), "10001", 42, {"042", "103", "102"}},
      {"mode 0, sorted with the lane's", List(kLanes), "10001", 500, {"102", "103", "500"}},
      {"a lane no record holds", List(kLanes), "40000", 7, {"007"}},
      {"a record of slot 1 takes its place",
       List({Lane("1000010099", "9000090099", "103", false, 1)}),
       "10001",
       7,
       {"103"}},
      {"mode 1: the number as the value", valued, "10001", 7, {"7", "10000"}},
      {"mode 2: the pair of its digits and 000",
       List({Lane("1000010099", "9000090099", "123")}, mode('2', false)),
       "10001",
       45,
       {"045000", "123000"}},
  };
  for (const auto& c : cases) {
    const Found found = Lookup(c.list, c.origin, "90001", nullptr, c.forced);
    EXPECT_EQ(found.code, 0) << c.what;
    EXPECT_EQ(found.hits, c.hits) << c.what;
  }
}

TEST(RangeLaneLookup, ListsThatAreNoneAre232) {
  std::string zeroSize = List(kLanes);
  zeroSize[37] = 0;
  std::string pastEnd = List(kLanes);
  pastEnd.replace(42, 4, U32(100000));
  std::string exclusionPastEnd = List(kLanes);
  exclusionPastEnd.replace(46, 4, U32(100000));
  std::string backwards = List(kLanes, Shape([&](ListShape& s) { s.index = true; }));
  const std::size_t firstLane = 54 + 2 * kRecordSize;
  backwards.replace(54 + 21, 4, U32(firstLane + 3 * kRecordSize));  // the first block after the second
  backwards.replace(54 + kRecordSize + 21, 4, U32(firstLane));
  const std::string unsorted = List({kLanes[2], kLanes[0]});
  const struct {
    const char* what;
    std::string list;
  } cases[] = {
      {"a short header", List(kLanes).substr(0, 53)},
      {"a record size of 0", zeroSize},
      {"the first lane past the end", pastEnd},
      {"the exclusion part past the end", exclusionPastEnd},
      {"index blocks going backwards", backwards},
      {"lanes out of order by origin", unsorted},
      {"a parameter record cut short", List(kLanes, Shape([&](ListShape& s) { s.parameters = "*"; })).substr(0, 60)},
  };
  for (const auto& c : cases) EXPECT_EQ(Lookup(c.list, "20001", "90001").code, code::kCantReadLaneList) << c.what;
}

TEST(AdjustmentHits, ALanePairListWithoutRoomIs234) {
  LaneAdjustmentWork work;
  const std::uint8_t field[] = {'1', '2', '3'};
  EXPECT_EQ(StoreAdjustmentHit(field, 2, std::array<char, 3>{'0', '4', '5'}, 398, work), 400);
  EXPECT_EQ(std::string(work.lanePairs[399].data(), 6), "123045");
  EXPECT_EQ(StoreAdjustmentHit(field, 2, std::array<char, 3>{'0', '4', '5'}, 399, work), std::nullopt);
  EXPECT_EQ(StoreAdjustmentHit(field, 2, std::nullopt, 399, work), 400);
}

}  // namespace
}  // namespace vorn
