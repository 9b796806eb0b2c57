// The files of a level: .NDS, .APP, .CBS and .CMT built by field, decoded,
// and checked (bounds, sorting) as the rating-function library reads them.
#include <gtest/gtest.h>

#include "dataset/data_set.h"
#include "dataset/read_back.h"
#include "test_support.h"

namespace dataset {
namespace {

using testing::Built;
using testing::ErrorOf;
using testing::Messages;
using testing::Rebuilt;

TEST(LevelFiles, RecordsAreBuiltByFieldAndNamedByTheLevel) {
  const struct {
    const char* description;
    const char* file;
    std::string bytes;
  } cases[] = {
      {"no-discount-states level=SAMPLE01\n  state code=TX\n  state\n", "SAMPLE01.NDS", "TXNY"},
      {"canadian-lanes level=L1\n  lane us-low=750 us-high=799 other-low=K0A other-high=P9Z\n  lane\n", "L1.APP",
       "750799K0AP9Z000999A0AZ9Z"},
      {"base-codes level=L1\n  range low=10000 high=14999 code=NY001\n", "L1.CBS", "1000014999NY001"},
      {"lane-tariffs level=L1\n  lane origin=NY001 destination=IL001 tariff=NACL\n", "L1.CMT", "NY001IL001NACL    "},
      {"state-list\n  state code=GA name=GEORGIA\n  state\n", "STATE.STP", "GA GEORGIA\r\nNY \r\n"},
      {"province-list\n  state code=ON name=ONTARIO\n", "PROVINCE.PCP", "ON ONTARIO\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Built(c.description, c.file), c.bytes) << c.file;
    const std::string kind = DecodeContent(c.file, c.bytes);
    EXPECT_EQ(Rebuilt(c.file, c.bytes), c.bytes) << kind;
  }
  EXPECT_EQ(DecodeContent("L1.CMT", "NY001IL001NACL    "),
            "lane-tariffs level=L1\n  lane origin=NY001 destination=IL001 tariff=NACL\n");
  EXPECT_NE(ErrorOf("base-codes\n  range\n"), "<accepted>");
  EXPECT_NE(ErrorOf("base-codes level=TOOLONGNAME\n  range\n"), "<accepted>");
  EXPECT_NE(ErrorOf("base-codes level=L1\n  range low=1000\n"), "<accepted>");
}

TEST(LevelFiles, ChecksRefuseWhatTheSearchesCannotUse) {
  const struct {
    const char* kind;
    std::string content;
    std::vector<std::string> messages;
  } cases[] = {
      {"no-discount-states level=L",
       "NYtx",
       {"1: columns 0-1 (code): \"tx\" is not a two-letter state code (upper case)"}},
      {"no-discount-states level=L", "NYT", {"1: is 1 bytes, not 2"}},
      {"canadian-lanes level=L",
       "799750K0AP9Z",
       {"0: columns 0-2 (us-low) \"799\" lies above columns 3-5 (us-high) \"750\" (no code would lie in the range)"}},
      {"base-codes level=L", "1000014999NY0011500019699PA001", {}},
      {"base-codes level=L",
       "1500019699PA0011000014999NY001",
       {"1: is out of order after record 0 (the ranges must ascend without overlapping for the binary search)"}},
      {"base-codes level=L",
       "1000014999NY0011499919699PA001",
       {"1: overlaps record 0 (the ranges must ascend without overlapping for the binary search)"}},
      {"lane-tariffs level=L",
       "NY001IL001NACLASS1IL001NY001NACLASS1",
       {"1: is out of order after record 0 (the records must be sorted by origin and destination base codes)"}},
      {"lane-tariffs level=L",
       "NY001IL001NACLASS1NY001IL001OTHER001",
       {"1: repeats the key of record 0 (origin and destination base codes)"}},
      {"lane-tariffs level=L", "", {}},
      {"state-list",
       "NY NEW YORK\r\nny new york\r\n" + std::string(101, 'N') + "\r\n",
       {"1: does not begin with a two-letter code (upper case), which range entries name",
        "2: is longer than 100 characters: the program splits it"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Messages(c.kind, c.content), c.messages) << c.kind << " " << c.content;
}

}  // namespace
}  // namespace dataset
