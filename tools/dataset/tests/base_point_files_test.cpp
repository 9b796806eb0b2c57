// The base-point and zone files the rating screen searches, and the
// coastal-fee files of its result display: built by field (the .BSE header
// computed from its records), decoded back, and checked for what the
// screen's searches would miss or misread.
#include <gtest/gtest.h>

#include "dataset/data_set.h"
#include "dataset/read_back.h"
#include "test_support.h"

namespace dataset {
namespace {

using testing::Built;
using testing::Bytes;
using testing::Messages;
using testing::Rebuilt;

std::int32_t IntAt(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
  return static_cast<std::int32_t>(value);
}

constexpr const char* kBasePoints =
    "base-points level=L\n"
    "  us kind=A low=10000 high=10299 base=1001\n"  // three records, one per hundred
    "  us kind=A low=60600 high=60608 base=4001 pobox=*\n"
    "  us kind=B low=30000 high=30099 base=3001\n"
    "  canadian low=K0A0A high=K9Z9Z base=6001\n"
    "  canadian low=M5V0A high=M5V9Z base=6201\n";

TEST(BasePointFiles, TheBaseFileHeaderIsComputedFromItsRecords) {
  const std::string file = Built(kBasePoints, "L.BSE");
  ASSERT_EQ(file.size(), 1996u + 5 * 11 + 2 * 17);
  EXPECT_EQ(IntAt(file, 0), 1996);
  EXPECT_EQ(IntAt(file, 4), 55);
  EXPECT_EQ(IntAt(file, 8), 1996 + 55);
  EXPECT_EQ(IntAt(file, 12), 34);
  EXPECT_EQ(file.substr(16, 6), "B30099");  // one block: its last record's kind and last ZIP
  EXPECT_EQ(file.substr(1877, 6), std::string("M5V9Z\0", 6));
  EXPECT_EQ(file.substr(1991, 5), std::string(5, '\0'));
  // 60600-60608 with the P.O.-box flag: ZIP 60600 in the low 17 bits, 8 above them.
  EXPECT_EQ(file.substr(1996 + 3 * 11, 11), "A" + Bytes({0xB8, 0xEC, 0x10, 0xA1, 0x0F, 0, 0, 0, 0}) + "*");
  EXPECT_EQ(file.substr(1996 + 55, 17), " K0A0AK9Z9Z" + Bytes({0x71, 0x17, 0, 0, 0, 0}));
  EXPECT_EQ(Rebuilt("base-points level=L", file), file);
  EXPECT_EQ(Messages("base-points level=L", file), std::vector<std::string>{});
  EXPECT_EQ(DecodeContent("base-points level=L", file).substr(0, 78),
            "base-points level=L\n  us kind=A low=10000 high=10099 base=1001\n  us kind=A low");

  const struct {
    const char* description;
    const char* file;
    std::string bytes;
  } layouts[] = {
      {"base-zones level=L\n  zone low=100 high=149 zone=NY01\n", "L.BSU", "100149NY01"},
      {"border-us-zones level=L\n  zone low=750 high=799 zone=TX01\n", "L.BUU", "750799TX01"},
      {"border-canadian-zones level=L\n  zone low=K0A high=P9Z zone=ON1\n", "L.BUC", "K0AP9ZON1"},
      {"zone-kinds level=L\n  pair first=IL01 second=NY01 kind=A\n", "L.UST", "IL01NY01A"},
      {"border-zone-kinds level=L\n  pair canadian=ON1 us=TX01 kind=C\n", "L.CNT", "ON1TX01C"},
      {"coastal-zips level=L\n  zip zip=10001\n", "L.ZCT", "10001"},
      {"coastal-fees level=L\n  fee threshold=500 one-end=1500 both-ends=2500\n", "L.VAL",
       Bytes({0xF4, 1, 0, 0, 0xDC, 5, 0, 0, 0xC4, 9, 0, 0})},
  };
  for (const auto& c : layouts) {
    ASSERT_EQ(Built(c.description, c.file), c.bytes) << c.description;
    EXPECT_EQ(Rebuilt(c.file, c.bytes), c.bytes) << DecodeContent(c.file, c.bytes);
  }
}

TEST(BasePointFiles, ChecksRefuseWhatTheSearchesWouldMiss) {
  const std::string good = Built(kBasePoints, "L.BSE");
  std::string unsorted = good;  // the first two U.S. records swapped, the header left as it was
  unsorted.replace(1996, 11, good.substr(1996 + 11, 11));
  unsorted.replace(1996 + 11, 11, good.substr(1996, 11));
  std::string pastTheEnd = good;
  pastTheEnd[4] = 0x7F;
  std::string tail = good;
  tail[1993] = 'x';
  const struct {
    const char* kind;
    std::string content;
    std::vector<std::string> messages;
  } cases[] = {
      {"base-points level=L", good.substr(0, 100), {"is shorter than its 1996-byte header"}},
      {"base-points level=L",
       unsorted,
       {"2: does not sort above the U.S. record before it (by kind, then ZIP, without overlapping)"}},
      {"base-points level=L",
       pastTheEnd,
       {"its header's offsets and sizes do not lie inside the file in whole records"}},
      {"base-points level=L",
       tail,
       {"0: its header (offsets, sizes, block indexes, zero bytes) does not match its records"}},
      {"L.BSU",
       "14A100NY01",
       {"0: columns 0-2 (low): \"14A\" is not a three-digit ZIP prefix",
        "0: columns 0-2 (low) \"14A\" lies above columns 3-5 (high) \"100\" (no code would lie in the range)"}},
      {"L.BUC",
       "750799ON1",
       {"0: columns 0-2 (low): \"750\" is not a postal prefix (letter, digit, letter)",
        "0: columns 3-5 (high): \"799\" is not a postal prefix (letter, digit, letter)"}},
      {"L.UST",
       "NY01IL01A",
       {"0: names its larger zone first: the screen looks the pair up with the smaller zone first"}},
      {"L.CNT", "ON1TX01 ", {"0: column 7 (kind) is blank: a lane of no data-set kind finds no base points"}},
      {"L.ZCT", "1000A", {"0: \"1000A\" is not a five-digit ZIP code"}},
      {"L.VAL",
       Bytes({0xF4, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x64, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}),
       {"1: bytes 8-11 (both-ends) is a negative fee",
        "1: is out of order after record 0 (the records must be sorted by threshold, as the first record that reaches "
        "the figure gives the fee)"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Messages(c.kind, c.content), c.messages) << c.kind;
}

}  // namespace
}  // namespace dataset
