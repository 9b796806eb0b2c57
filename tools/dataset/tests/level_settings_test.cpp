// The settings images, lists, tables and profiles of a level: built by
// field at the offsets the rating-function library reads, decoded back to
// descriptions that build the same bytes, and checked as it reads them.
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

// Bytes at an offset of a built file.
std::string At(const std::string& file, std::size_t offset, std::size_t width) {
  return file.size() >= offset + width ? file.substr(offset, width) : "<short>";
}

TEST(LevelSettings, FilesAreBuiltByFieldAndDecodeToWhatBuildsThemAgain) {
  const struct {
    const char* description;
    const char* file;
    std::size_t size, offset;
    std::string bytes;  // expected at offset
  } cases[] = {
      {"tariff-settings level=L\n  set version=\"V 2.3\" zip-mode=5 no-postal-codes=Y accessorials=N "
       "no-engineless-data=Y\n  bytes at=280 text=xy\n",
       "L.SET", 283, 280, "xy"},
      {"tariff-settings level=L\n  set version=\"V 2.3\" zip-mode=5 no-postal-codes=Y accessorials=N "
       "no-engineless-data=N\n",
       "L.SET", 283, 4, "V 2.3"},
      {"rating-defaults level=L\n  set ltl-surcharge=7.5 initialised=1 tl-from-break=6\n", "L.DEF", 346, 41,
       Bytes({0x00, 0x00, 0xF0, 0x40})},
      {"rating-defaults level=L\n  set initialised=1 tl-from-break=6\n", "L.DEF", 346, 260,
       std::string("\x01\x00"
                   "6\0",
                   4)},
      {"discount-file level=L\n  set scheme=5 entry0.label=L5C band3.floor=110.00\n", "L.DIS", 605, 337 + 3 * 67 + 60,
       "110.00\0"},
      {"mexico-defaults level=L\n  set spanish-at-start=Y\n", "L.MEF", 350, 2, "Y"},
      {"mexico-settings level=L\n  set shipment-detail=Y\n", "L.MET", 283, 4, "Y"},
      {"levels\n  level level=SAMPLE01 date=2024-01-15\n", "LEVEL.LVL", 18, 0, "SAMPLE0120240115\r\n"},
      {"origin-codes level=L\n  code code=10001\n", "L.COZ", 6, 0, "10001 "},
      {"accessorials level=L\n  accessorial code=00010 description=LIFTGATE kind=f rate=75\n", "L.ACC", 123, 57,
       Bytes({'f', 0, 0, 0x96, 0x42})},
      {"classes level=L\n  class code=85\n", "L.CLS", 5, 0, "85   "},
      {"weight-breaks level=L\n  break label=M5C upper=999 lower=500\n", "L.WGT", 21, 0, "M5C  0000099900000500"},
      {"table-names level=L\n  table name=\"CLASS RATES\"\n", "L.TBL", 18, 0, "CLASS RATES       "},
      {"table-names level=L record-size=16\n  table name=RATES\n", "L.TBL", 16, 0, "RATES           "},
      {"province-prefixes level=L\n  province state=ON low=K0A high=P9Z\n", "L.SCC", 8, 0, "ONK0AP9Z"},
      {"zip-states level=L\n  prefixes low=303 state=GA flag=Y territory=B\n", "L.SC", 3996, 4 * 302, "GAYB"},
      {"zip-ranges level=L\n  range from=10000 to=14999\n", "L.ZP6", 12, 0, "1000014999\r\n"},
      {"zip-ranges profile=AcmeFreight\n  range from=10000 to=14999\n  end\n", "AcmeFreight.ZP6", 13, 12, "\x1A"},
      {"service-ranges level=L\n  header direct=Y direct-label=DIRECT\n  entry zip=10010 span=19\n", "L.ZPS", 631, 20,
       Bytes({0x74, 0x02, 0, 0, 0x03, 0, 0, 0, 0x23, 0x27, 0, 0})},  // offset 628, length 3, block 0's highest 10019
      {"service-ranges level=L\n  range low=30050 high=30199\n", "L.ZPS", 634, 628,
       Bytes({0x62, 0x75, 0xC6, 0x94, 0x75, 0xC6})},
      {"postal-services level=L\n  header label1=DIRECT flag1=*\n  tail zps-not-used=Y\n  range low=K1A0A high=K1A9Z\n",
       "L.BSV", 90, 60, "        Y      K1A0A 9Z       "},
      {"engineless-table level=L ext=MC\n  record first=1 second=2 third=-3\n", "L.MC", 10, 8, Bytes({0xFD, 0xFF})},
      {"engineless-table level=L ext=FAC\n  record text=F\n", "L.FAC", 802, 0, std::string("F\0", 2)},
      {"engineless-table level=L ext=LAM\n  record code=100001 value=A01\n", "L.LAM", 11, 0, "100001A01\r\n"},
      {"engineless-table level=L ext=LAB\n  record text=\"LINE ONE\"\n", "L.LAB", 10, 0, "LINE ONE\r\n"},
      {"zip-index level=L ext=ZF2\n  key value=7 entry=9\n  data text=D\n", "L.ZF2", 15, 0,
       Bytes({1, 0, 7, 0, 0, 0, 0, 0, 9, 0, 0, 0, 0, 0, 'D'})},
      {"base-point-block level=L header=1044\n  data text=DATA\n", "L.BSE", 1048, 32,
       Bytes({0x14, 0x04, 0, 0, 4, 0, 0, 0})},
      {"profiles\n  profile name=Default class-map=\"500 400\" band0=\"1.5 2\"\n  zip-discount origin-to=GA "
       "destination-to=NC value0=30.00\n",
       "PROFILE.FIL", 17897, 243, "       GA            NC     30.00"},
      {"option-records file=COLT.DAT\n  record text=FIRST data=rest\n", "COLT.DAT", 1792, 0,
       std::string("FIRST\0rest\0", 11)},
  };
  for (const auto& k : cases) {
    const std::string file = Built(k.description, k.file);
    EXPECT_EQ(file.size(), k.size) << k.description;
    EXPECT_EQ(At(file, k.offset, k.bytes.size()), k.bytes) << k.description;
    // The kind as a file name gives it, or as the block header says when the name cannot.
    const std::string header(k.description, std::string_view(k.description).find('\n'));
    const bool named = header.find("record-size=") == std::string::npos &&
                       header.find("header=") == std::string::npos &&
                       header.find("option-records") == std::string::npos;
    const std::string kind = named ? std::string(k.file) : header;
    EXPECT_EQ(Rebuilt(kind, file), file) << DecodeContent(kind, file);
    EXPECT_EQ(Messages(kind, file), std::vector<std::string>{}) << k.description;
  }
  // Bytes that no field can name (a zero Mexico flag, whose default is Y; a
  // byte behind the NUL that ends a file name) come back as bytes.
  std::string met = Built("mexico-settings level=L\n  set spanish-help-file=AYUDA.HLP\n", "L.MET");
  met[4] = '\0';
  met[29] = 'X';
  EXPECT_EQ(Rebuilt("L.MET", met), met) << DecodeContent("L.MET", met);
  EXPECT_EQ(DecodeContent(
                "L.SC",
                Built("zip-states level=L\n  prefixes low=1 high=999 state=XX\n  prefixes low=303 state=GA\n", "L.SC")),
            "zip-states level=L\n  prefixes low=1 high=302 state=XX\n  prefixes low=303 state=GA\n  prefixes low=304 "
            "high=999 state=XX\n");
}

TEST(LevelSettings, ChecksRefuseWhatTheLibraryCannotUse) {
  const std::string profile(17897, '\0');
  auto named = [&](std::string_view name) { return std::string(name) + profile.substr(name.size()); };
  const struct {
    const char* kind;
    std::string content;
    std::vector<std::string> messages;
  } cases[] = {
      {"L.SET",
       std::string(283, '\0'),
       {"byte 163 (zip-mode) \"\\x00\" is not 3, 5 or 6 (the digits of a ZIP)",
        "bytes 4-8 (version) hold no digit: the version number reads 0",
        "byte 197 (accessorials) \"\\x00\" is not Y or N (the library reads it as N)",
        "byte 207 (no-postal-codes) \"\\x00\" is not Y or N (the library reads it as N)",
        "byte 199 (no-engineless-data) \"\\x00\" is not Y or N (the library reads it as N)"}},
      {"L.DEF", std::string(345, '\0'), {"is 345 bytes, not 346 (the image is read whole or not at all)"}},
      {"L.DIS",
       std::string(112, '\0') + "A" + std::string(24, '\0') + std::string(25, '\0') + "C" + std::string(442, '\0'),
       {"entry 2 follows an empty entry: the entries end before it"}},
      {"LEVEL.LVL", "", {"holds no level (the first level's date is the shipment date)"}},
      {"LEVEL.LVL", "SAMPLE0120241301\r\n", {"0: columns 8-15 (date) \"20241301\" is not a date YYYYMMDD"}},
      {"L.WGT",
       "M5C  0000099900000500L5C  0000049900000000",
       {"1: does not begin above break 0 (the breaks ascend without overlapping)"}},
      {"L.SCC", "ONK0AP9ZQCG0AH9Z", {"1: is out of order after record 0 (the ranges must ascend without overlapping)"}},
      {"L.ZP6", "1000014999\r\n1200019999\r\n", {"1: overlaps record 0 (the ranges must ascend without overlapping)"}},
      {"zip-ranges profile=P",
       "1000014999\r\n",
       {"does not end with the byte 0x1A a profile's range file ends with (an end item)"}},
      {"L.ZPS", std::string(100, 'Y'), {"is shorter than its 628-byte header"}},
      {"L.BSV",
       std::string(60, ' ') + std::string(15, ' ') + "K1A5A 0Z       ",
       {"2: its highest key \"K1A0Z\" lies below its lowest \"K1A5A\""}},
      {"L.BSV",
       std::string(60, ' ') + "Z" + std::string(14, ' ') + "K1A0A 9Z       ",
       {"2: does not sort above the header's tail (record 0 of the search) (the ranges ascend without overlapping)"}},
      {"L.ZF1",
       Bytes({0xF1, 0x0A}),
       {"lists 2801 keys; the rating context has room for 2800",
        "ends before its 2801 keys and entries (the data begins at 25211)"}},
      {"L.BSE",
       std::string(32, '\0') + Bytes({0xCC, 0x07, 0, 0, 0x51, 1, 0, 0}) + std::string(1956, '\0'),
       {"its data block of 337 bytes does not fit the rating context's 336",
        "its data block (offset 1996, 337 bytes) lies outside the file"}},
      {"L.FAC", "short", {"is not exactly 802 bytes (the file is read whole or not at all)"}},
      {"PROFILE.FIL",
       named("Zeta") + named("acme") + named("ACME"),
       {"1: is out of order after record 0 (sorted by name, without regard to case)",
        "2: repeats the name of record 1"}},
      {"L.TBL", std::string(26 * 18, 'N'), {"holds 26 names (the rating context keeps 25); at most 25 are read"}},
  };
  for (const auto& k : cases) EXPECT_EQ(Messages(k.kind, k.content), k.messages) << k.kind;
}

}  // namespace
}  // namespace dataset
